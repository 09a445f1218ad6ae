#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QWidget;

// Building blocks of the windows: every control is placed in twips, named after its control
// name (objectName) and given its font and colours as the window's design says.

// A font by family name and point size; fontconfig substitutes a metric-compatible face where
// the family is not installed.
QFont carattere(const QString& famiglia, double punti, bool grassetto = false);

// Places `controllo` at Left, Top, Width, Height in twips inside its parent.
void posiziona(QWidget* controllo, double left, double top, double width, double height);

// The background of a window, frame or control (filled, not transparent).
void impostaSfondo(QWidget* controllo, const QColor& colore);
// The colour of a control's text.
void impostaColoreTesto(QWidget* controllo, const QColor& colore);

// A label showing plain text (never markup), transparent unless it gets a background.
// Labels wrap their text within their width.
QLabel* nuovaEtichetta(QWidget* parent, const QString& nome, const QString& testo,
                       const QFont& font,
                       Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop);

// A graphical command button: its background colour shows, the pointer over it is a hand, and
// Enter presses it when it has the focus, as Space does.
QPushButton* nuovoPulsante(QWidget* parent, const QString& nome, const QString& testo,
                           const QFont& font, const QColor& sfondo);

// A panel: a plain child widget with a background colour and no border.
QWidget* nuovoPannello(QWidget* parent, const QString& nome, const QColor& sfondo);
