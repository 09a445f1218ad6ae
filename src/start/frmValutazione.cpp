#include "start/frmValutazione.h"

#include <QLabel>
#include <QMouseEvent>

#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "shell/Controlli.h"

frmValutazione::frmValutazione(Modulo1&, Platform&, Finestre&, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("SCALA  DI  VALUTAZIONE"));
    impostaSfondo(this, vbColor(0x00FFFFC0));
    setFixedSize(twips(7215), twips(4620));

    const QFont fontIntestazione = carattere(QStringLiteral("Arial"), 9.75, true);
    const QFont fontVoti = carattere(QStringLiteral("Arial"), 12, true);
    auto etichetta = [](QWidget* pannello, const char* nome, const QString& testo,
                        const QFont& font, quint32 colore, double left, double top, double width,
                        double height) {
        QLabel* label = nuovaEtichetta(pannello, QString::fromLatin1(nome), testo, font);
        impostaColoreTesto(label, vbColor(colore));
        posiziona(label, left, top, width, height);
    };

    QWidget* Frame1 = nuovoPannello(this, QStringLiteral("Frame1"), vbColor(0x00FFFF80));
    Frame1->setAccessibleName(QStringLiteral("Scala dei voti"));
    posiziona(Frame1, 240, 90, 3345, 3300);
    etichetta(Frame1, "Label9", QStringLiteral("SCALA DI VALUTAZIONE"), fontIntestazione,
              0x00800080, 285, 75, 2865, 360);
    etichetta(Frame1, "Label1", QStringLiteral("10/10 ottimo"), fontVoti, 0x00FF0000, 270, 540,
              2985, 360);
    etichetta(Frame1, "Label7", QStringLiteral(" 9/10 ottimo"), fontVoti, 0x00FF0000, 270, 1050,
              2985, 360);
    etichetta(Frame1, "Label6", QStringLiteral(" 8/10 distinto"), fontVoti, 0x00FF0000, 270, 1515,
              2985, 360);
    etichetta(Frame1, "Label5", QStringLiteral(" 7/10 buono"), fontVoti, 0x00FF0000, 270, 1950,
              2985, 360);
    etichetta(Frame1, "Label3", QStringLiteral(" 6/10 sufficiente"), fontVoti, 0x00FF0000, 270,
              2415, 2985, 360);
    etichetta(Frame1, "Label2", QStringLiteral(" 5/10 sufficiente (!)"), fontVoti, 0x00FF0000, 285,
              2895, 2985, 360);

    QWidget* Frame2 = nuovoPannello(this, QStringLiteral("Frame2"), vbColor(0x00FFFF80));
    Frame2->setAccessibleName(QStringLiteral("Attestato"));
    posiziona(Frame2, 3645, 90, 3345, 3300);
    etichetta(Frame2, "Label8", QStringLiteral("ATTESTATO DI VALUTAZIONE"), fontIntestazione,
              0x00800080, 150, 75, 3015, 360);
    etichetta(Frame2, "Label4",
              QStringLiteral("Puoi stampare l'attestato  dopo aver eseguito per intero almeno un "
                             "esercizio"),
              fontVoti, 0x00FF0000, 165, 900, 2730, 1650);

    etichetta(this, "Label10",
              QStringLiteral("L'attesto di valutazione va ritagliato e incollato sul quaderno "
                             "accanto alle operazioni eseguite"),
              carattere(QStringLiteral("Arial"), 14.25), 0x00000000, 255, 3690, 6660, 675);
}

void frmValutazione::Form_Click() {
    close();
}

void frmValutazione::mousePressEvent(QMouseEvent* event) {
    // Labels and panels leave their clicks to the window; only a click that lands on no
    // control at all is a click on the window's own background.
    event->accept();
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        Form_Click();
}
