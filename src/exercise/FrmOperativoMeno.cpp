#include "exercise/FrmOperativoMeno.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <vector>

#include "exercise/CasellaRisultato.h"
#include "exercise/Domanda.h"
#include "exercise/Faccina.h"
#include "exercise/Generazione.h"
#include "exercise/Pratica.h"
#include "exercise/Verifica.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "reports/FrmAttestato.h"
#include "reports/FrmStampa.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"
#include "shell/Testi.h"

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

void coloraPulsante(QPushButton* pulsante, const QColor& colore) {
    QPalette colori = pulsante->palette();
    colori.setColor(QPalette::Button, colore);
    pulsante->setPalette(colori);
}

QGroupBox* nuovaCornice(QWidget* parent, const QString& nome, const QString& titolo,
                        const QColor& sfondo) {
    auto* cornice = new QGroupBox(titolo, parent);
    cornice->setObjectName(nome);
    cornice->setFont(carattere(QStringLiteral("MS Sans Serif"), 8.25, true));
    impostaSfondo(cornice, sfondo);
    return cornice;
}

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

// A label of one line, as wide as its text.
QLabel* nuovaScritta(QWidget* parent, const QString& nome, const QString& testo, const QFont& font,
                     double left, double top) {
    QLabel* scritta = nuovaEtichetta(parent, nome, testo, font);
    scritta->setWordWrap(false);
    scritta->adjustSize();
    scritta->move(twips(left), twips(top));
    return scritta;
}

}  // namespace

FrmOperativoMeno::FrmOperativoMeno(Modulo1& stato, Platform& platform, Finestre& finestre,
                                   QWidget* parent)
    : QMainWindow(parent), stato_(stato), platform_(platform), finestre_(finestre) {
    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("area"));
    area_->setFixedSize(twips(11910), twips(8340));
    ::impostaSfondo(area_, vbColor(0x00C0FFC0));
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
    ::impostaSfondo(LblIstruzione_, vbColor(0x00FFFFC0));
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
    ::impostaSfondo(TxtRisultato_, vbColor(0x80000005));
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
    fraTastierino_ = nuovaCornice(area, QStringLiteral("fraTastierino"),
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
    frmValutazione_ = nuovaCornice(area, QStringLiteral("frmValutazione"),
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
    frmElaborazione_ = nuovaCornice(area, QStringLiteral("frmElaborazione"),
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

// --- What the start window sets -----------------------------------------------------------

void FrmOperativoMeno::impostaSfondo(const QColor& colore) {
    ::impostaSfondo(area_, colore);
}

void FrmOperativoMeno::impostaSfondoNumero(const QColor& colore) {
    ::impostaSfondo(frmNumero_, colore);
}

void FrmOperativoMeno::impostaSfondoRisultato(const QColor& colore) {
    ::impostaSfondo(TxtRisultato_, colore);
}

void FrmOperativoMeno::impostaTestoRisultato(const QColor& colore) {
    impostaColoreTesto(TxtRisultato_, colore);
}

void FrmOperativoMeno::impostaColoreComandi(const QColor& colore) {
    ::impostaSfondo(frmElaborazione_, colore);
    ::impostaSfondo(frmValutazione_, colore);
    for (QPushButton* pulsante :
         {CmdFine_, cmdSfondo_, CmdVerifica_, CmdOperazione_, CmdEsercizio_, CmdStampa_})
        coloraPulsante(pulsante, colore);
}

void FrmOperativoMeno::impostaRigaModalita(const QString& testo) {
    Label1_->setText(testo);
    stato_.rigaModalita = testo;
}

QString FrmOperativoMeno::rigaModalita() const {
    return Label1_->text();
}

// --- The course of a practice ---------------------------------------------------------------

void FrmOperativoMeno::Form_Load() {
    mnuStampa_->setEnabled(false);
    mnuAttestato_->setEnabled(false);
    setWindowTitle(QStringLiteral("ESERCIZI SULLE ") + kTitoloProgramma);
    ::impostaSfondo(Label2_, vbColor(rgb(250, 200, 110)));
    impostaColoreTesto(Label2_, vbColor(0x00000080));
    ::impostaSfondo(Label1_, vbColor(rgb(255, 240, 150)));
    impostaColoreTesto(Label1_, vbColor(rgb(250, 170, 110)));
    impostaColoreTesto(TxtRisultato_, vbColor(0x00004080));
    Label2_->setText(QStringLiteral(" Operazione con numero massimo da ") +
                     QString::number(stato_.numeroMinimo) + QStringLiteral(" a ") +
                     QString::number(stato_.numeroMassimo));

    iniziaPratica(stato_);
    LblEsercizio_->setText(QString::number(stato_.numeroEsercizio));
    LblOperazione_->setText(QString::number(stato_.numeroOperazione));
    for (QLabel* etichetta :
         {LblTempoParziale_, LblTempoTotale_, LblNumero1_, LblNumero2_, LblEsito_})
        etichetta->clear();

    CmdFine_->show();
    CmdStampa_->hide();
    CmdOperazione_->hide();
    CmdVerifica_->hide();
    if (!nuovaSerie_) {
        CmdEsercizio_->hide();
    } else {
        stato_.numeroEsercizio = 0;
        stato_.contatoreOperazioni = 0;
        CmdEsercizio_Click();
    }
    TxtRisultato_->setReadOnly(false);

    livello();
    visualizza();
}

void FrmOperativoMeno::CmdOperazione_Click() {
    // An exercise has ten operations (the button is not offered after the tenth).
    if (stato_.numeroOperazione >= kOperazioniPerEsercizio)
        return;
    fraTastierino_->setEnabled(true);
    LblTempoParziale_->clear();
    avanzaOperazione(stato_);
    LblOperazione_->setText(QString::number(stato_.numeroOperazione));
    CmdOperazione_->hide();
    CmdVerifica_->hide();
    CmdEsercizio_->hide();
    TxtRisultato_->clear();
    livello();
    visualizza();
    TxtRisultato_->setReadOnly(false);
    TxtRisultato_->setFocus();
}

void FrmOperativoMeno::CmdEsercizio_Click() {
    // After the fortieth operation there is no further exercise in the records: the button
    // starts a new practice, as the answer No to the closing question does.
    if (praticaConclusa(stato_)) {
        ricominciaPratica();
        return;
    }
    // A practice has four exercises (the button is not offered during the fourth).
    if (stato_.numeroEsercizio >= kEserciziPerPratica)
        return;
    fraTastierino_->setEnabled(true);
    pulisciValutazione();
    avanzaEsercizio(stato_);
    LblOperazione_->setText(QString::number(stato_.numeroOperazione));
    LblEsercizio_->setText(QString::number(stato_.numeroEsercizio));
    for (QLabel* etichetta :
         {LblTempoParziale_, LblTempoTotale_, LblNumero1_, LblNumero2_, LblEsito_})
        etichetta->clear();
    CmdFine_->show();
    CmdVerifica_->hide();
    CmdOperazione_->hide();
    CmdEsercizio_->hide();
    CmdStampa_->hide();
    TxtRisultato_->setReadOnly(false);
    livello();
    visualizza();
    TxtRisultato_->setFocus();
}

void FrmOperativoMeno::ricominciaPratica() {
    svuotaRecord(stato_);
    nuovaSerie_ = true;
    Form_Load();
}

void FrmOperativoMeno::pulisciValutazione() {
    for (Faccina* immagine : immagini_)
        immagine->hide();
}

void FrmOperativoMeno::livello() {
    ::livello(stato_, platform_.clock, platform_.random);
}

void FrmOperativoMeno::visualizza() {
    const Domanda domanda = ::visualizza(stato_, platform_.random, platform_.clock);
    if (domanda.nuova) {
        LblNumero1_->setText(domanda.testoNumero1);
        LblNumero2_->setText(domanda.testoNumero2);
        LblNumero1_->move(twips(domanda.sinistraNumero1), LblNumero1_->y());
        LblNumero2_->move(twips(domanda.sinistraNumero2), LblNumero2_->y());
        TxtRisultato_->move(twips(domanda.sinistraRisultato), TxtRisultato_->y());
    }
    ordineTabulazione(true);
    TxtRisultato_->clear();
    LblEsito_->clear();
    LblIstruzione_->setText(QStringLiteral(" Digita il risultato"));
}

// --- Verification ---------------------------------------------------------------------------

void FrmOperativoMeno::CmdVerifica_Click() {
    verifica();
}

void FrmOperativoMeno::verifica() {
    // An operation is verified once: afterwards the box stays locked (and the keypad
    // disabled) until the next operation is shown, so the same answer cannot be counted,
    // timed and recorded again.
    if (TxtRisultato_->isReadOnly())
        return;
    fraTastierino_->setEnabled(false);
    TxtRisultato_->setReadOnly(true);

    const EsitoVerifica esito =
        verificaRisposta(stato_, TxtRisultato_->text(), platform_.clock.secondsSinceMidnight());
    if (esito.esatta)
        platform_.sound.play(platform_.programFolder + QStringLiteral("/positivo.wav"),
                             Sound::Async);
    LblEsito_->setText(esito.testoEsito);
    segnoEsito_ = esito.segnoEsito;
    if (esito.immagine > 0)
        immagini_[std::size_t(esito.immagine - 1)]->show();

    if (esito.fineEsercizio) {
        CmdEsercizio_->show();
        CmdFine_->show();
        CmdStampa_->show();
        CmdOperazione_->hide();
        CmdVerifica_->hide();
    } else {
        CmdOperazione_->show();
        CmdVerifica_->hide();
        CmdOperazione_->setFocus();
    }
    LblIstruzione_->setText(esito.istruzione);

    LblTempoParziale_->setText(esito.tempoParziale);
    LblTempoTotale_->setText(esito.tempoTotale);

    if (esito.menuAbilitati) {
        mnuStampa_->setEnabled(true);
        mnuAttestato_->setEnabled(true);
    }
    if (!esito.finePratica)
        return;

    stato_.rispostaMessaggio = platform_.dialogs.messageBox(
        stato_.testoMessaggio, kStileFinePratica, stato_.titoloMessaggio);
    if (stato_.rispostaMessaggio == Dialogs::Yes)
        Finestre::mostra(finestre_.stampa());
    else
        ricominciaPratica();
}

// --- Answer entry ---------------------------------------------------------------------------

void FrmOperativoMeno::aggiungiCifre(const QString& cifre) {
    stato_.rispostaDigitata += cifre;
    TxtRisultato_->setText(stato_.rispostaDigitata);
}

void FrmOperativoMeno::Command2_Click() {
    aggiungiCifre(cifre_[0]->text());
}
void FrmOperativoMeno::Command3_Click() {
    aggiungiCifre(cifre_[1]->text());
}
void FrmOperativoMeno::Command4_Click() {
    aggiungiCifre(cifre_[2]->text());
}
void FrmOperativoMeno::Command5_Click() {
    aggiungiCifre(cifre_[3]->text());
}
void FrmOperativoMeno::Command6_Click() {
    aggiungiCifre(cifre_[4]->text());
}
void FrmOperativoMeno::Command7_Click() {
    aggiungiCifre(cifre_[5]->text());
}
void FrmOperativoMeno::Command8_Click() {
    aggiungiCifre(cifre_[6]->text());
}
void FrmOperativoMeno::Command9_Click() {
    aggiungiCifre(cifre_[7]->text());
}
void FrmOperativoMeno::Command10_Click() {
    aggiungiCifre(cifre_[8]->text());
}
void FrmOperativoMeno::Command11_Click() {
    aggiungiCifre(cifre_[9]->text());
}
void FrmOperativoMeno::Command12_Click() {
    aggiungiCifre(cifre_[10]->text());
}
void FrmOperativoMeno::Command13_Click() {
    aggiungiCifre(cifre_[11]->text());
}

void FrmOperativoMeno::cmdCancella_Click() {
    stato_.rispostaDigitata.clear();
    TxtRisultato_->clear();
}

void FrmOperativoMeno::TxtRisultato_Change() {
    stato_.rispostaDigitata = TxtRisultato_->text();
    if (stato_.rispostaDigitata.isEmpty())
        return;
    CmdFine_->hide();
    CmdStampa_->hide();
    CmdVerifica_->show();
    LblIstruzione_->setText(QStringLiteral("Clicca sul pulsante Verifica"));
}

void FrmOperativoMeno::TxtRisultato_Click() {
    // Only while the next-operation button is on screen; otherwise the click does nothing.
    if (CmdOperazione_->isVisibleTo(this) && CmdOperazione_->isEnabled())
        CmdOperazione_->setFocus(Qt::MouseFocusReason);
}

void FrmOperativoMeno::TxtRisultato_KeyPress(int& KeyAscii) {
    constexpr int kInvio = 13;
    constexpr int kBackspace = 8;
    const bool cifra = KeyAscii >= '0' && KeyAscii <= '9';
    if (!cifra && KeyAscii != kInvio && KeyAscii != kBackspace) {
        platform_.dialogs.beep();
        KeyAscii = 0;
        return;
    }
    if (KeyAscii == kInvio) {
        KeyAscii = 0;
        confermaRisposta();
    }
}

void FrmOperativoMeno::confermaRisposta() {
    if (TxtRisultato_->text().isEmpty()) {
        stato_.testoMessaggio = QStringLiteral("Hai dimenticato il risultato");
        stato_.titoloMessaggio = QStringLiteral("distrazione");
        stato_.rispostaMessaggio = platform_.dialogs.messageBox(
            stato_.testoMessaggio, stato_.stileMessaggio, stato_.titoloMessaggio);
        TxtRisultato_->setFocus();
    }
    if (TxtRisultato_->text().isEmpty())
        return;
    if (stato_.numeroOperazione == kOperazioniPerEsercizio) {
        CmdEsercizio_->show();
        CmdEsercizio_->setFocus();
    } else {
        CmdVerifica_->hide();
        CmdOperazione_->show();
        CmdOperazione_->setFocus();
    }
    verifica();
}

bool FrmOperativoMeno::eventFilter(QObject* oggetto, QEvent* evento) {
    // Only the keypad's buttons are watched: a pupil who clicks "1", "0" and presses Enter
    // means the answer 10, not a second 0.
    if (evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            confermaRisposta();
            return true;
        }
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

// --- Other windows and the way out ----------------------------------------------------------

void FrmOperativoMeno::CmdStampa_Click() {
    Finestre::mostra(finestre_.stampa());
    finestre_.stampa().mettiFuocoSuStampa();
}

void FrmOperativoMeno::mnuStampa_Click() {
    Finestre::mostra(finestre_.stampa());
}

void FrmOperativoMeno::mnuAttestato_Click() {
    Finestre::mostra(finestre_.attestato());
}

void FrmOperativoMeno::cmdFine_Click() {
    close();
}

void FrmOperativoMeno::mnuEsci_Click() {
    close();
}

void FrmOperativoMeno::closeEvent(QCloseEvent* event) {
    // Nothing is asked, even in the middle of an exercise: the session state stays as it is,
    // and the next opening starts a practice afresh.
    event->accept();
}
