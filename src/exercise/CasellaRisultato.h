#pragma once

#include <QLineEdit>

// The answer box of the exercise window: a line edit that takes digits only and keeps the
// rules of an answer whatever way text comes in.
//
// - Every key that types a character goes first to tastoCarattere, with Enter (either key) as
//   13 and Backspace as 8; the receiver sets the code to 0 to drop the key. Keys that type
//   nothing (arrows, Home, End, Delete) edit as in any box; Tab and Shift+Tab move the focus.
// - From the keyboard the box holds at most kMassimoDaTastiera characters; text the program
//   sets (the keypad's) has no limit.
// - A paste (its keys, the context menu, the mouse's middle button) and text composed by an
//   input method go in whole or not at all.
// - Nothing is dropped into it, and while it is read-only nothing edits it.
// Every refusal emits rifiutato, for the window's beep.
class CasellaRisultato final : public QLineEdit {
    Q_OBJECT
  public:
    explicit CasellaRisultato(QWidget* parent = nullptr);

    // Puts `testo` in at the cursor (over the selection) as a paste does: whole, or refused.
    void incolla(const QString& testo);

  signals:
    // A character key, before the box takes it; set `codice` to 0 to drop it.
    void tastoCarattere(int& codice);
    // A click of the left button inside the box.
    void cliccata();
    // Text was refused: a key past the limit, a paste that does not fit, an edit while locked.
    void rifiutato();

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void inputMethodEvent(QInputMethodEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dragMoveEvent(QDragMoveEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;
};
