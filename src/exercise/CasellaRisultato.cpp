#include "exercise/CasellaRisultato.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

#include "exercise/Inserimento.h"

namespace {

constexpr int kInvio = 13;
constexpr int kBackspace = 8;

// The code a key types, as the key handler sees it; 0 for a key that types nothing.
int codiceCarattere(const QKeyEvent& tasto) {
    switch (tasto.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kInvio;
        case Qt::Key_Backspace:
            return kBackspace;
        case Qt::Key_Delete:
            return 0;  // some platforms give it a character; it is the box's own editing
        default:
            return tasto.text().isEmpty() ? 0 : tasto.text().at(0).unicode();
    }
}

QString appunti(QClipboard::Mode dove = QClipboard::Clipboard) {
    return QGuiApplication::clipboard()->text(dove);
}

}  // namespace

CasellaRisultato::CasellaRisultato(QWidget* parent) : QLineEdit(parent) {
    // Whatever reaches the box's own editing is digits; the length rule belongs to the keyboard
    // and the paste only, so it is kept below rather than by a maximum length, which would also
    // cut the keypad's text.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    setInputMethodHints(Qt::ImhDigitsOnly);
    setAcceptDrops(false);
}

void CasellaRisultato::incolla(const QString& testo) {
    if (testo.isEmpty())
        return;
    if (isReadOnly() || !inserimentoAmmesso(text(), selectedText().size(), testo)) {
        emit rifiutato();
        return;
    }
    insert(testo);
}

void CasellaRisultato::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Paste)) {
        incolla(appunti());
        evento->accept();
        return;
    }
    int codice = codiceCarattere(*evento);
    if (codice == 0) {
        QLineEdit::keyPressEvent(evento);
        return;
    }
    evento->accept();
    if (isReadOnly()) {
        emit rifiutato();
        return;
    }
    if (evento->text().size() > 1) {
        // Several characters at once (a compose sequence): as pasted.
        incolla(evento->text());
        return;
    }
    emit tastoCarattere(codice);
    if (codice == 0 || codice == kInvio)
        return;  // dropped, or Enter, which the receiver has acted on
    if (codice != kBackspace &&
        !inserimentoAmmesso(text(), selectedText().size(), QString(QChar(codice)))) {
        emit rifiutato();
        return;
    }
    QLineEdit::keyPressEvent(evento);
}

void CasellaRisultato::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::MiddleButton) {
        // The X11 selection paste.
        if (QGuiApplication::clipboard()->supportsSelection())
            incolla(appunti(QClipboard::Selection));
        evento->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        emit cliccata();
}

void CasellaRisultato::contextMenuEvent(QContextMenuEvent* evento) {
    // The usual entries of a text box, in Qt's own (translated) words; Paste pastes as the keys
    // do, by the rules of an answer.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto voce = [&](const char* testo, QKeySequence::StandardKey tasti, bool attiva,
                          auto azione) {
        QString didascalia = QLineEdit::tr(testo);
        if (tasti != QKeySequence::UnknownKey)
            didascalia +=
                QLatin1Char('\t') + QKeySequence(tasti).toString(QKeySequence::NativeText);
        menu->addAction(didascalia, this, azione)->setEnabled(attiva);
    };
    const bool modificabile = !isReadOnly();
    if (modificabile) {
        voce("&Undo", QKeySequence::Undo, isUndoAvailable(), &QLineEdit::undo);
        voce("&Redo", QKeySequence::Redo, isRedoAvailable(), &QLineEdit::redo);
        menu->addSeparator();
        voce("Cu&t", QKeySequence::Cut, hasSelectedText(), &QLineEdit::cut);
    }
    voce("&Copy", QKeySequence::Copy, hasSelectedText(), &QLineEdit::copy);
    if (modificabile) {
        voce("&Paste", QKeySequence::Paste, !appunti().isEmpty(), [this] { incolla(appunti()); });
        voce("Delete", QKeySequence::UnknownKey, hasSelectedText(), &QLineEdit::del);
    }
    menu->addSeparator();
    voce("Select All", QKeySequence::SelectAll, !text().isEmpty(), &QLineEdit::selectAll);
    menu->popup(evento->globalPos());
    evento->accept();
}

void CasellaRisultato::inputMethodEvent(QInputMethodEvent* evento) {
    // What an input method composes goes in as a paste once it is committed.
    incolla(evento->commitString());
    evento->accept();
}

void CasellaRisultato::dragEnterEvent(QDragEnterEvent* evento) {
    evento->ignore();
}

void CasellaRisultato::dragMoveEvent(QDragMoveEvent* evento) {
    evento->ignore();
}

void CasellaRisultato::dropEvent(QDropEvent* evento) {
    evento->ignore();
}
