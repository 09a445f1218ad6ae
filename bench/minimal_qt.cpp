// The smallest Qt Widgets program linking the drill's Qt modules: one window with a label,
// titled as the start window so the same tool can wait for it.
#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QSoundEffect>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("ROVOROREZOVERED.1"));
    window.setWindowTitle(QStringLiteral("ROVOROREZOVERED.1"));
    window.resize(792, 554);
    window.show();
    // Referenced so the linker keeps both modules, as the drill does; never run.
    if (argc > 99) {
        QPrinter printer;
        QSoundEffect effect;
    }
    return app.exec();
}
