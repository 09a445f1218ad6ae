// The bare Qt Widgets program the start-up of the drill is measured against: one window with a
// label and a button, linking the drill's Qt modules, titled as the start window so the same
// tool can wait for it.
#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSoundEffect>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("ROVOROREZOVERED.1"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("ROVOROREZOVERED.1")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    window.resize(792, 554);
    window.show();
    // Referenced so the linker keeps both modules, as the drill does; never run.
    if (argc > 99) {
        QPrinter printer;
        QSoundEffect effect;
    }
    return app.exec();
}
