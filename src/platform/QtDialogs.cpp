#include "platform/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "shell/Testi.h"

namespace {

struct Button {
    const char* text;
    int code;
    QMessageBox::ButtonRole role;
};

// The buttons of each style (its low three bits), left to right.
std::vector<Button> buttonsOf(int style) {
    switch (style & 7) {
        case 1:
            return {{"OK", 1, QMessageBox::AcceptRole}, {"Annulla", 2, QMessageBox::RejectRole}};
        case 2:
            return {{"Interrompi", 3, QMessageBox::RejectRole},
                    {"Riprova", 4, QMessageBox::AcceptRole},
                    {"Ignora", 5, QMessageBox::AcceptRole}};
        case 3:
            return {{"Sì", 6, QMessageBox::YesRole},
                    {"No", 7, QMessageBox::NoRole},
                    {"Annulla", 2, QMessageBox::RejectRole}};
        case 4:
            return {{"Sì", 6, QMessageBox::YesRole}, {"No", 7, QMessageBox::NoRole}};
        case 5:
            return {{"Riprova", 4, QMessageBox::AcceptRole},
                    {"Annulla", 2, QMessageBox::RejectRole}};
        default:
            return {{"OK", 1, QMessageBox::AcceptRole}};
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int QtDialogs::messageBox(const QString& text, int style, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? kTitoloProgramma : title);
    box.setIcon(iconOf(style));
    box.setTextFormat(Qt::PlainText);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);

    const std::vector<Button> buttons = buttonsOf(style);
    std::vector<QPushButton*> widgets;
    for (const Button& b : buttons)
        widgets.push_back(box.addButton(QString::fromUtf8(b.text), b.role));
    const std::size_t defaultIndex = std::size_t((style >> 8) & 3);
    box.setDefaultButton(widgets[defaultIndex < widgets.size() ? defaultIndex : 0]);

    box.exec();
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (box.clickedButton() == widgets[i])
            return buttons[i].code;
    }
    // Closed without a button (Escape or the close box): the box's way out.
    return buttons.size() == 1 ? buttons[0].code : buttons.back().code;
}

void QtDialogs::beep() {
    QApplication::beep();
}
