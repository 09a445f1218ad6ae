#include "platform/QtDialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <vector>

#include "shell/Testi.h"

namespace {

struct Button {
    const char* text;
    int code;
    QMessageBox::ButtonRole role;
};

// The buttons of a style, left to right, the first the default: Yes and No for a question,
// otherwise OK alone.
std::vector<Button> buttonsOf(int style) {
    if ((style & 7) == Dialogs::YesNo)
        return {{"Sì", Dialogs::Yes, QMessageBox::YesRole},
                {"No", Dialogs::No, QMessageBox::NoRole}};
    return {{"OK", Dialogs::Ok, QMessageBox::AcceptRole}};
}

QMessageBox::Icon iconOf(int style) {
    return (style & 0x70) == Dialogs::Information ? QMessageBox::Information : QMessageBox::NoIcon;
}

// A message box that only its buttons can answer when it has no way out (a question of Yes and
// No): Escape and the close box then leave it open, so a stray key cannot answer for the pupil.
class Riquadro final : public QMessageBox {
  public:
    Riquadro(QWidget* parent, bool senzaUscita) : QMessageBox(parent), senzaUscita_(senzaUscita) {}

  protected:
    void keyPressEvent(QKeyEvent* evento) override {
        if (senzaUscita_ && evento->matches(QKeySequence::Cancel)) {
            evento->accept();
            return;
        }
        QMessageBox::keyPressEvent(evento);
    }
    void closeEvent(QCloseEvent* evento) override {
        if (senzaUscita_) {
            evento->ignore();
            return;
        }
        QMessageBox::closeEvent(evento);
    }

  private:
    bool senzaUscita_;
};

}  // namespace

int QtDialogs::minimumWidth(const QString& title) {
    QFont titleFont(QStringLiteral("Sans"));
    titleFont.setPointSizeF(8);
    titleFont.setBold(true);
    // The window manager lays the title out with its own text library, which may round each
    // letter's advance up to a whole pixel where Qt keeps fractions: a long title comes out
    // wider than Qt measures it, by up to a pixel a letter.
    return QFontMetrics(titleFont).horizontalAdvance(title) + int(title.size()) + kTitleBarRoom;
}

int QtDialogs::messageBox(const QString& text, int style, const QString& title) {
    const std::vector<Button> buttons = buttonsOf(style);
    // The window the pupil was in: the box stands over it, and hands the keys back to it.
    QPointer<QWidget> owner = QApplication::activeWindow();
    if (!owner && QApplication::focusWidget())
        owner = QApplication::focusWidget()->window();
    Riquadro box(owner, buttons.size() > 1);
    box.setWindowTitle(title.isEmpty() ? kTitoloProgramma : title);
    box.setIcon(iconOf(style));
    box.setTextFormat(Qt::PlainText);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);

    std::vector<QPushButton*> widgets;
    for (const Button& b : buttons)
        widgets.push_back(box.addButton(QString::fromUtf8(b.text), b.role));
    box.setDefaultButton(widgets.front());

    // Wide enough for the whole title in the title bar: the box sizes itself to its layout,
    // and the row of buttons spans the layout's whole width.
    if (auto* row = box.findChild<QDialogButtonBox*>()) {
        const QMargins margins = box.layout()->contentsMargins();
        row->setMinimumWidth(minimumWidth(box.windowTitle()) - margins.left() - margins.right());
    }

    box.exec();
    // The window beneath active again, so that the pupil types on without a click: not every
    // desktop gives the activation back when a box closes (a browser page gives it to none, a
    // busy Wine may give it late), and a window activated again puts the focus back where it
    // stood. What the caller does next (the focus on another control, another window in front)
    // comes after this, in order.
    if (owner && owner->isVisible()) {
        owner->raise();
        owner->activateWindow();
    }
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (box.clickedButton() == widgets[i])
            return buttons[i].code;
    }
    // Closed without a button: Escape or the close box of a box with one button, which is its
    // answer; or the end of the session under a question, which then keeps what the default
    // answer (Yes) keeps.
    return buttons.front().code;
}

void QtDialogs::beep() {
    QApplication::beep();
}
