#include <qpa/qwindowsysteminterface.h>
#include <QApplication>
#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QIcon>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QWidget>

#include <emscripten.h>
#include <emscripten/bind.h>
#include <string>

#include "platform/ScreenFit.h"
#include "platform/SystemServices.h"

namespace {

// Read by Qt's platform as the application starts, so set before it: Qt's own input context for
// touch devices stays off, and the page's element takes a tablet's keyboard (below) instead.
[[maybe_unused]] const bool kPageKeyboard = qputenv("QT_IM_MODULE", "none");

// The page's side (pagina.js): the end of the session told, and its element that takes a
// tablet's on-screen keyboard focused or let go.
// clang-format off
EM_JS(void, drill_session_ended, (), {
    if (globalThis.drillFineSessione)
        globalThis.drillFineSessione();
});
EM_JS(void, drill_keyboard, (int show), {
    if (!globalThis.drillTastiera)
        return;
    if (show)
        globalThis.drillTastiera.mostra(Module);
    else
        globalThis.drillTastiera.nascondi();
});
// clang-format on

// Whether `widget` is a box the pupil types text into.
bool takesText(const QWidget* widget) {
    return widget && widget->isEnabled() && widget->testAttribute(Qt::WA_InputMethodEnabled);
}

// What a finger does that Qt 6.4 in a page does only for a mouse: a tap on a window brings it to
// the front and makes it active, as a click does. And a tap on the text box that has the focus
// opens the on-screen keyboard: the page may focus its element only while the finger is on the
// screen, so it is asked here, as the tap is delivered (Qt hands a touch to the widgets as a
// click).
class Touch final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const bool press = event->type() == QEvent::MouseButtonPress;
        if (!press && event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* device = static_cast<QMouseEvent*>(event)->pointingDevice();
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (!widget || !device || device->type() != QInputDevice::DeviceType::TouchScreen)
            return false;
        if (press && !widget->isActiveWindow()) {
            widget->window()->raise();
            widget->window()->activateWindow();
        } else if (!press && takesText(widget) && widget->hasFocus()) {
            drill_keyboard(1);
        }
        return false;
    }
};

// What the page's keyboard element typed: the keys that type no text by their names, the rest
// as text, each character a key pressed and released, as a keyboard's keys reach the program.
void typed(const std::string& utf8) {
    static const QHash<QString, std::pair<int, QString>> named = {
        {QStringLiteral("Enter"), {Qt::Key_Return, QStringLiteral("\r")}},
        {QStringLiteral("Backspace"), {Qt::Key_Backspace, QStringLiteral("\b")}},
        {QStringLiteral("Tab"), {Qt::Key_Tab, QStringLiteral("\t")}},
        {QStringLiteral("Escape"), {Qt::Key_Escape, QStringLiteral("\x1b")}},
    };
    const auto press = [](int key, const QString& text) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
                nullptr, type, key, Qt::NoModifier, text);
    };
    const QString text = QString::fromStdString(utf8);
    if (const auto key = named.constFind(text); key != named.cend()) {
        press(key->first, key->second);
        return;
    }
    for (const QChar c : text)
        press(c.isLetterOrNumber() && c.unicode() < 128 ? c.toUpper().unicode() : Qt::Key_unknown,
              QString(c));
}

}  // namespace

EMSCRIPTEN_BINDINGS(drill_page) {
    emscripten::function("drillTasto", &typed);
}

void prepareSystem() {
    // The faces the build put in the program's resources.
    for (QDirIterator face(QStringLiteral(":/fonts")); face.hasNext();)
        QFontDatabase::addApplicationFont(face.next());
    // The names the windows and the printouts ask for, as the desktop's font systems map them.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
    // The program's own icon in the title bars Qt draws in the page, where no desktop gives one.
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icona.png")));
    // Closing the start window closes them all: the program ends, as on the desktop.
    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, qGuiApp, drill_session_ended);
    // A finger as a mouse; a tablet's keyboard, opened by a tap on a text box and let go when the
    // focus leaves text.
    qApp->installEventFilter(new Touch(qApp));
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
        if (!takesText(now))
            drill_keyboard(0);
    });
}

void BrowserEnding::endProgram() {
    // The page shows the end and offers nothing more; the program's windows are gone (deleted
    // when control is back in the event loop), and it waits for nothing.
    drill_session_ended();
}

double fitToScreen(QSize, QSize) {
    // The page makes the room: where it is smaller than the largest window, its canvas is larger
    // and shown scaled down to it (pagina.js). Qt 6.4 in a page draws its widgets wrongly at a
    // scale below one, whether its own or the page's zoom.
    return 1.0;
}
