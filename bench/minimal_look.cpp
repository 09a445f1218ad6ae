// The bare Qt program the drill's start is measured against, built as the drill is (the same Qt
// and modules; in a browser, the same link options, page and bundled faces). It shows the drill's
// first look: a background window filling the screen or the page in the background's green, and
// in front of it a window as the benchmarks recognise the start window (the title in dark red on
// the title band's cyan, and the name panel's pink); and nothing else.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QWidget>

namespace {

QWidget* riquadro(QWidget* finestra, const QString& colore, const QRect& dove) {
    auto* w = new QLabel(finestra);
    w->setStyleSheet(QStringLiteral("background: %1; color: #c00000;").arg(colore));
    w->setGeometry(dove);
    return w;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    QWidget sfondo;
    sfondo.setStyleSheet(QStringLiteral("background: #c0ffc0;"));
    sfondo.showMaximized();
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("ROVOROREZOVERED.1"));
    finestra.setStyleSheet(QStringLiteral("background: #c0ffc0;"));
    finestra.resize(792, 554);
    auto* titolo =
        static_cast<QLabel*>(riquadro(&finestra, QStringLiteral("#00ffff"), {19, 25, 576, 73}));
    titolo->setText(QStringLiteral("ROVOROREZOVERED.1"));
    titolo->setAlignment(Qt::AlignCenter);
    titolo->setFont(QFont(QStringLiteral("Liberation Sans"), 36, QFont::Bold));
    riquadro(&finestra, QStringLiteral("#ffc0ff"), {334, 209, 448, 300});
    finestra.setVisible(true);
    return app.exec();
}
