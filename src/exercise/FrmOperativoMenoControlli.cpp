// The exercise window's controls, built in code as its design places them: the question row,
// the keypad, the commands, the score board and the progress board, the menu and the tab order.
// The handlers are in FrmOperativoMeno.cpp.

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <vector>

#include "exercise/CasellaRisultato.h"
#include "exercise/Domanda.h"
#include "exercise/Faccina.h"
#include "exercise/FrmOperativoMeno.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "shell/Controlli.h"
#include "shell/Modulo1.h"

namespace {

// The question row: five controls of one height; the two numbers and the result box take
// turns in the three slots of Domanda.h.
constexpr int kAltoDomanda = 285;
constexpr int kAltezzaDomanda = 1695;
constexpr int kLarghezzaTermine = 3015;

// The large buttons share one place.
constexpr int kAltoComandi = 5715;

// The progress board: the lines between its four columns, and where its headings begin.
constexpr std::array<int, 3> kSeparatori = {840, 1560, 2400};
constexpr double kSinistraIntestazioni = 240;

// The column numbers stand over the ten marks when the text fills the label's width, as it does
// in the face it was drawn in; a substitute face is stretched or narrowed to that width.
void riempiLarghezza(QLabel* etichetta) {
    QFont font = etichetta->font();
    const auto larghezza = [&] { return QFontMetricsF(font).horizontalAdvance(etichetta->text()); };
    if (larghezza() <= 0)
        return;
    // Spaces and hinting do not scale in proportion: from the proportional guess, narrow
    // step by step until the text is inside the label.
    int stretch = qBound(50, qRound(100.0 * etichetta->width() / larghezza()), 200);
    font.setStretch(stretch);
    while (stretch > 50 && larghezza() > etichetta->width())
        font.setStretch(--stretch);
    etichetta->setFont(font);
}

// A label of one line, as wide as its text, and two pixels higher than the font's line: at a
// display scale of 125 or 150 %, hinting can push a descender a pixel below the line.
QLabel* nuovaScritta(QWidget* parent, const QString& nome, const QString& testo, const QFont& font,
                     double left, double top) {
    QLabel* scritta = nuovaEtichetta(parent, nome, testo, font);
    scritta->setWordWrap(false);
    scritta->adjustSize();
    scritta->resize(scritta->width(), scritta->height() + 2);
    scritta->move(twips(left), twips(top));
    return scritta;
}

}  // namespace

FrmOperativoMeno::FrmOperativoMeno(Modulo1& stato, Platform& platform, Finestre& finestre,
                                   QWidget* parent)
    : FinestraConMenu(parent), stato_(stato), platform_(platform), finestre_(finestre) {
    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("area"));
    area_->setFixedSize(twips(11910), twips(8340));
    impostaSfondo(area_, vbColor(0x00C0FFC0));
    setCentralWidget(area_);

    costruisciMenu();

    const QFont arialTitolo = carattere(QStringLiteral("Arial"), 21.75, true);
    Label2_ = nuovaEtichetta(area_, QStringLiteral("Label2"), QString(), arialTitolo);
    posiziona(Label2_, -30, 0, 11985, 555);
    Label1_ = nuovaEtichetta(area_, QStringLiteral("Label1"), QString(),
                             carattere(QStringLiteral("Arial"), 20.25, true));
    posiziona(Label1_, -30, 540, 11985, 555);

    costruisciDomanda(area_);

    LblEsito_ = nuovaEtichetta(area_, QStringLiteral("LblEsito"), QString(),
                               carattere(QStringLiteral("Arial"), 48, true),
                               Qt::AlignHCenter | Qt::AlignTop);
    posiziona(LblEsito_, 600, 3870, 6375, 975);
    impostaColoreTesto(LblEsito_, vbColor(0x000000FF));

    costruisciTastierino(area_);
    costruisciComandi(area_);
    costruisciValutazione(area_);
    costruisciElaborazione(area_);

    LblIstruzione_ = nuovaEtichetta(area_, QStringLiteral("LblIstruzione"), QString(),
                                    carattere(QStringLiteral("Arial"), 11.25, true));
    posiziona(LblIstruzione_, 900, 7965, 10245, 270);
    impostaSfondo(LblIstruzione_, vbColor(0x00FFFFC0));
    impostaColoreTesto(LblIstruzione_, vbColor(0x00FF0000));

    ordineTabulazione(false);
}

void FrmOperativoMeno::costruisciMenu() {
    MnuFile_ = menuBar()->addMenu(QStringLiteral("File"));
    MnuFile_->setObjectName(QStringLiteral("MnuFile"));
    mnuStampa_ = MnuFile_->addAction(QStringLiteral("Visualizza operazioni"));
    mnuStampa_->setObjectName(QStringLiteral("mnuStampa"));
    mnuAttestato_ = MnuFile_->addAction(QStringLiteral("Visualizza attestato"));
    mnuAttestato_->setObjectName(QStringLiteral("mnuAttestato"));
    MnuFile_->addSeparator()->setObjectName(QStringLiteral("mnuseparatore"));
    MnuEsci_ = MnuFile_->addAction(QStringLiteral("Esci"));
    MnuEsci_->setObjectName(QStringLiteral("MnuEsci"));
    connect(mnuStampa_, &QAction::triggered, this, &FrmOperativoMeno::mnuStampa_Click);
    connect(mnuAttestato_, &QAction::triggered, this, &FrmOperativoMeno::mnuAttestato_Click);
    connect(MnuEsci_, &QAction::triggered, this, &FrmOperativoMeno::mnuEsci_Click);
}

void FrmOperativoMeno::costruisciDomanda(QWidget* area) {
    frmNumero_ = nuovoPannello(area, QStringLiteral("frmNumero"), vbColor(0x00C0FFFF));
    posiziona(frmNumero_, 90, 1080, 11535, 2265);
    frmNumero_->setAccessibleName(QStringLiteral("Operazione"));

    const QFont grande = carattere(QStringLiteral("Arial"), 72, true);
    auto termine = [&](const QString& nome, const QString& testo, double left, double width) {
        QLabel* etichetta = nuovaEtichetta(frmNumero_, nome, testo, grande, Qt::AlignCenter);
        etichetta->setWordWrap(false);
        posiziona(etichetta, left, kAltoDomanda, width, kAltezzaDomanda);
        return etichetta;
    };
    LblNumero1_ =
        termine(QStringLiteral("LblNumero1"), QString(), kSlotSinistro, kLarghezzaTermine);
    LblSegno_ =
        termine(QStringLiteral("LblSegno"), QStringLiteral("X"), kSlotSinistro + kLarghezzaTermine,
                kSlotCentrale - kSlotSinistro - kLarghezzaTermine);
    // The sign has less room between the first two terms than a letter of their size takes: it
    // is drawn as large as stands whole there.
    QFont segno = grande;
    segno.setPointSizeF(puntiPerLarghezza(segno, LblSegno_->text(), LblSegno_->width(), 0.75, 36));
    LblSegno_->setFont(segno);
    LblNumero2_ =
        termine(QStringLiteral("LblNumero2"), QString(), kSlotCentrale, kLarghezzaTermine);
    LblUguale_ =
        termine(QStringLiteral("LblUguale"), QStringLiteral("="), kSlotCentrale + kLarghezzaTermine,
                kSlotDestro - kSlotCentrale - kLarghezzaTermine);
    for (QLabel* numero : {LblNumero1_, LblNumero2_}) {
        numero->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        impostaColoreTesto(numero, vbColor(0x000000FF));
    }

    TxtRisultato_ = new CasellaRisultato(frmNumero_);
    TxtRisultato_->setObjectName(QStringLiteral("TxtRisultato"));
    TxtRisultato_->setAccessibleName(QStringLiteral("Risultato"));
    TxtRisultato_->setFont(grande);
    TxtRisultato_->setAlignment(Qt::AlignCenter);
    impostaSfondo(TxtRisultato_, vbColor(0x80000005));
    impostaColoreTesto(TxtRisultato_, vbColor(0x00C00000));
    posiziona(TxtRisultato_, kSlotDestro, kAltoDomanda, kLarghezzaTermine, kAltezzaDomanda);
    connect(TxtRisultato_, &CasellaRisultato::tastoCarattere, this,
            &FrmOperativoMeno::TxtRisultato_KeyPress);
    connect(TxtRisultato_, &CasellaRisultato::cliccata, this,
            &FrmOperativoMeno::TxtRisultato_Click);
    connect(TxtRisultato_, &CasellaRisultato::rifiutato, this,
            [this] { platform_.dialogs.beep(); });
    connect(TxtRisultato_, &QLineEdit::textChanged, this, &FrmOperativoMeno::TxtRisultato_Change);
}

void FrmOperativoMeno::costruisciTastierino(QWidget* area) {
    fraTastierino_ = nuovaCorniceConTitolo(area, QStringLiteral("fraTastierino"),
                                           QStringLiteral("TASTIERINO"), vbColor(0x00C0FFFF));
    posiziona(fraTastierino_, 8220, 3090, 2805, 2595);

    struct Tasto {
        const char* testo;
        int left, top;
        void (FrmOperativoMeno::*click)();
    };
    // Command2..Command13, in the order of their names.
    static constexpr Tasto tasti[] = {
        {"1", 240, 240, &FrmOperativoMeno::Command2_Click},
        {"2", 1020, 240, &FrmOperativoMeno::Command3_Click},
        {"3", 1800, 240, &FrmOperativoMeno::Command4_Click},
        {"4", 240, 690, &FrmOperativoMeno::Command5_Click},
        {"5", 1020, 690, &FrmOperativoMeno::Command6_Click},
        {"6", 1800, 690, &FrmOperativoMeno::Command7_Click},
        {"7", 240, 1140, &FrmOperativoMeno::Command8_Click},
        {"8", 1020, 1140, &FrmOperativoMeno::Command9_Click},
        {"9", 1800, 1140, &FrmOperativoMeno::Command10_Click},
        {"00", 1020, 1605, &FrmOperativoMeno::Command11_Click},
        {"000", 1800, 1605, &FrmOperativoMeno::Command12_Click},
        {"0", 240, 1605, &FrmOperativoMeno::Command13_Click},
    };
    const QFont font = carattere(QStringLiteral("Arial"), 14.25, true);
    const QColor sfondo = vbColor(0x0080FFFF);
    for (std::size_t i = 0; i < cifre_.size(); ++i) {
        const Tasto& tasto = tasti[i];
        QPushButton* pulsante =
            nuovoPulsante(fraTastierino_, QStringLiteral("Command%1").arg(i + 2),
                          QString::fromLatin1(tasto.testo), font, sfondo);
        posiziona(pulsante, tasto.left, tasto.top, 765, 405);
        connect(pulsante, &QPushButton::clicked, this, tasto.click);
        cifre_[i] = pulsante;
    }
    cmdCancella_ = nuovoPulsante(fraTastierino_, QStringLiteral("cmdCancella"),
                                 QStringLiteral("Cancella"), font, sfondo);
    posiziona(cmdCancella_, 240, 2055, 2325, 435);
    connect(cmdCancella_, &QPushButton::clicked, this, &FrmOperativoMeno::cmdCancella_Click);

    // Enter on a focused keypad button confirms the answer (eventFilter); Space and clicks
    // press the button.
    for (QPushButton* pulsante : fraTastierino_->findChildren<QPushButton*>())
        pulsante->installEventFilter(this);
}

void FrmOperativoMeno::costruisciComandi(QWidget* area) {
    const QFont grandi = carattere(QStringLiteral("Arial"), 12, true);
    const QFont piccoli = carattere(QStringLiteral("Arial"), 9.75, true);
    const QColor sfondo = vbColor(0x8000000F);

    CmdVerifica_ = nuovoPulsante(area, QStringLiteral("CmdVerifica"),
                                 QStringLiteral("V e r i f i c a "), grandi, sfondo);
    posiziona(CmdVerifica_, 960, kAltoComandi, 6810, 495);
    connect(CmdVerifica_, &QPushButton::clicked, this, &FrmOperativoMeno::CmdVerifica_Click);

    CmdOperazione_ =
        nuovoPulsante(area, QStringLiteral("CmdOperazione"),
                      QStringLiteral("N u o v a   s o t t r a z i o n e"), grandi, sfondo);
    posiziona(CmdOperazione_, 975, kAltoComandi, 6810, 495);
    connect(CmdOperazione_, &QPushButton::clicked, this, &FrmOperativoMeno::CmdOperazione_Click);

    CmdEsercizio_ = nuovoPulsante(area, QStringLiteral("CmdEsercizio"),
                                  QStringLiteral("Nuovo esercizio"), grandi, sfondo);
    posiziona(CmdEsercizio_, 945, kAltoComandi, 6810, 495);
    connect(CmdEsercizio_, &QPushButton::clicked, this, &FrmOperativoMeno::CmdEsercizio_Click);

    // It only carries the mode colour; it is never shown and does nothing.
    cmdSfondo_ = nuovoPulsante(area, QStringLiteral("cmdSfondo"), QString(), grandi, sfondo);
    cmdSfondo_->setAccessibleName(QStringLiteral("Decorazione"));
    posiziona(cmdSfondo_, 960, kAltoComandi, 6810, 495);
    cmdSfondo_->hide();

    CmdStampa_ = nuovoPulsante(area, QStringLiteral("CmdStampa"),
                               QStringLiteral("Visualizza  esercizio"), piccoli, sfondo);
    posiziona(CmdStampa_, 7875, kAltoComandi, 1965, 525);
    connect(CmdStampa_, &QPushButton::clicked, this, &FrmOperativoMeno::CmdStampa_Click);

    CmdFine_ =
        nuovoPulsante(area, QStringLiteral("CmdFine"), QStringLiteral("Esci"), piccoli, sfondo);
    posiziona(CmdFine_, 9900, kAltoComandi, 1335, 525);
    connect(CmdFine_, &QPushButton::clicked, this, &FrmOperativoMeno::cmdFine_Click);
}

void FrmOperativoMeno::costruisciValutazione(QWidget* area) {
    frmValutazione_ = nuovaCorniceConTitolo(area, QStringLiteral("frmValutazione"),
                                            QStringLiteral("VALUTAZIONE"), vbColor(0x8000000F));
    posiziona(frmValutazione_, 870, 6285, 6900, 1695);

    const QFont righe = carattere(QStringLiteral("MS Sans Serif"), 12, true);
    const QColor blu = vbColor(0x00FF0000);
    impostaColoreTesto(nuovaScritta(frmValutazione_, QStringLiteral("Label4"),
                                    QStringLiteral("Risp. esatte"), righe, 120, 240),
                       blu);
    nuovaScritta(frmValutazione_, QStringLiteral("Label8"), QStringLiteral("Esercizio n."), righe,
                 120, 600);
    impostaColoreTesto(nuovaScritta(frmValutazione_, QStringLiteral("Label6"),
                                    QStringLiteral("Risp. errate"), righe, 120, 1080),
                       blu);
    QLabel* contatore = nuovaEtichetta(
        frmValutazione_, QStringLiteral("LblContatore"),
        QStringLiteral("  1      2       3      4      5      6      7      8      9     10"),
        carattere(QStringLiteral("MS Sans Serif"), 9.75, true));
    contatore->setWordWrap(false);
    posiziona(contatore, 1935, 720, 4815, 270);
    riempiLarghezza(contatore);

    static constexpr int sinistre[] = {1875, 2370, 2865, 3360, 3840, 4335, 4815, 5295, 5790, 6270};
    for (int k = 0; k < kOperazioniPerEsercizio; ++k) {
        auto* esatta = new Faccina(Faccina::Espressione::Sorridente, frmValutazione_);
        esatta->setObjectName(QStringLiteral("Image%1").arg(k + 1));
        esatta->setAccessibleName(QStringLiteral("Risposta esatta %1").arg(k + 1));
        posiziona(esatta, sinistre[k], 255, 480, 480);
        esatta->hide();
        immagini_[std::size_t(k)] = esatta;

        auto* errata = new Faccina(Faccina::Espressione::Imbronciata, frmValutazione_);
        errata->setObjectName(QStringLiteral("Image%1").arg(k + 11));
        errata->setAccessibleName(QStringLiteral("Risposta errata %1").arg(k + 1));
        posiziona(errata, sinistre[k], 990, 480, 480);
        errata->hide();
        immagini_[std::size_t(k + kOperazioniPerEsercizio)] = errata;
    }
}

void FrmOperativoMeno::costruisciElaborazione(QWidget* area) {
    frmElaborazione_ = nuovaCorniceConTitolo(area, QStringLiteral("frmElaborazione"),
                                             QStringLiteral("ELABORAZIONE"), vbColor(0x8000000F));
    posiziona(frmElaborazione_, 7815, 6285, 3375, 1695);

    const QFont intestazioni = carattere(QStringLiteral("MS Sans Serif"), 8.25, true);
    QLabel* primaRiga = nuovaScritta(frmElaborazione_, QStringLiteral("Label5"),
                                     QStringLiteral(" Eser.    Oper.   Tempo      Tempo "),
                                     intestazioni, kSinistraIntestazioni, 360);
    QLabel* secondaRiga = nuovaScritta(frmElaborazione_, QStringLiteral("Label3"),
                                       QStringLiteral("                        parziale    totale"),
                                       intestazioni, kSinistraIntestazioni, 600);

    const QFont numeri = carattere(QStringLiteral("Arial"), 14.25, true);
    auto numero = [&](const QString& nome, double left, quint32 colore) {
        QLabel* etichetta = nuovaEtichetta(frmElaborazione_, nome, QString(), numeri,
                                           Qt::AlignHCenter | Qt::AlignTop);
        etichetta->setWordWrap(false);
        posiziona(etichetta, left, 960, 480, 480);
        impostaColoreTesto(etichetta, vbColor(colore));
        return etichetta;
    };
    LblEsercizio_ = numero(QStringLiteral("LblEsercizio"), 255, 0x0000C000);
    LblOperazione_ = numero(QStringLiteral("LblOperazione"), 975, 0x0000C000);
    LblTempoParziale_ = numero(QStringLiteral("LblTempoParziale"), 1695, 0x000000FF);
    LblTempoParziale_->setToolTip(QStringLiteral("Secondi impiegati per ogni risposta"));
    LblTempoTotale_ = numero(QStringLiteral("LblTempoTotale"), 2535, 0x000000FF);
    LblTempoTotale_->setToolTip(QStringLiteral("Secondi impiegati per ogni esercizio"));

    // The lines between the columns, and the headings kept inside them.
    int n = 0;
    for (int x : kSeparatori) {
        QWidget* linea =
            nuovoPannello(frmElaborazione_, QStringLiteral("Line%1").arg(++n), vbColor(0x80000008));
        linea->setAccessibleName(QStringLiteral("Decorazione"));
        linea->setGeometry(twips(x), twips(360), 1, twips(1200 - 360));
    }

    // Column k of the board spans from line k - 1 (or the frame's left edge) to line k (or the
    // frame's right edge), less a margin beside each line; in the headings' own coordinates.
    const auto colonne = [&](std::size_t prima, std::size_t ultima) {
        constexpr double kMargine = 2;
        const double origine = twips(kSinistraIntestazioni);
        std::vector<std::pair<double, double>> spazi;
        for (std::size_t k = prima; k <= ultima; ++k)
            spazi.emplace_back(k == 0 ? 0 : twips(kSeparatori[k - 1]) + 1 + kMargine - origine,
                               k == kSeparatori.size()
                                   ? frmElaborazione_->width() - 1 - kMargine - origine
                                   : twips(kSeparatori[k]) - kMargine - origine);
        return spazi;
    };
    incolonna(primaRiga, colonne(0, 3));    // Eser. | Oper. | Tempo | Tempo
    incolonna(secondaRiga, colonne(2, 3));  //               parziale | totale
}

void FrmOperativoMeno::ordineTabulazione(bool risultatoPrimo) {
    std::vector<QWidget*> ordine;
    if (risultatoPrimo)
        ordine.push_back(TxtRisultato_);
    for (QWidget* w : {static_cast<QWidget*>(CmdFine_), static_cast<QWidget*>(CmdOperazione_),
                       static_cast<QWidget*>(CmdVerifica_), static_cast<QWidget*>(CmdEsercizio_),
                       static_cast<QWidget*>(CmdStampa_)})
        ordine.push_back(w);
    if (!risultatoPrimo)
        ordine.push_back(TxtRisultato_);
    ordine.push_back(cmdCancella_);
    // Command12 down to Command2, then Command13.
    for (int i = 10; i >= 0; --i)
        ordine.push_back(cifre_[std::size_t(i)]);
    ordine.push_back(cifre_[11]);
    for (std::size_t i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
}
