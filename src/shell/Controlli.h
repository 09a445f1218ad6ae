#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <Qt>
#include <utility>
#include <vector>

class QFrame;
class QGroupBox;
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

// The face colour of a command button.
void coloraPulsante(QPushButton* pulsante, const QColor& colore);

// A panel: a plain child widget with a background colour and no border.
QWidget* nuovoPannello(QWidget* parent, const QString& nome, const QColor& sfondo);

// A frame without caption: a panel with the etched border of a frame.
QFrame* nuovaCorniceSenzaTitolo(QWidget* parent, const QString& nome, const QColor& sfondo);
// A frame with its caption on the border, in the frame font of the windows (MS Sans Serif,
// 8.25 points, bold).
QGroupBox* nuovaCorniceConTitolo(QWidget* parent, const QString& nome, const QString& titolo,
                                 const QColor& sfondo);

// The point size at which `testo` fits in `larghezza` logical pixels on one line: the font's own
// size where it fits there, otherwise the largest of the sizes below it in steps of `passo`
// points at which it fits; the stepping stops at `minimo`, where the text is left as it is.
// A text's width grows with its size almost in proportion, so the size is estimated from one
// measurement and confirmed with one or two more: every size measured builds a font engine,
// which takes a millisecond or so.
double puntiPerLarghezza(const QFont& font, const QString& testo, double larghezza, double passo,
                         double minimo);

// Lays the words of a one-line label out in columns: word i (words are parted by spaces) comes
// to stand wholly within colonne[i], its left and right edge in logical pixels from the label's
// left edge. Texts spaced by hand for one face drift across their columns in another: the
// spaces are widened or narrowed, and where that is not enough the text narrowed, until every
// word fits, each as far from both edges as the others allow. The text itself is not changed.
// Returns false, leaving the label as it was, when no spacing fits.
bool incolonna(QLabel* etichetta, const std::vector<std::pair<double, double>>& colonne);
