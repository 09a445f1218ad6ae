#include "start/FrmInizio.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <iterator>

#include "exercise/FrmOperativoMeno.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Messaggio.h"
#include "shell/Modulo1.h"
#include "shell/Testi.h"
#include "shell/frmSfondo.h"
#include "start/FormaArrotondata.h"
#include "start/SenzaCifre.h"
#include "start/frmValutazione.h"

namespace {

// The four range buttons, in the order of their names, each with the numbers it chooses.
struct Intervallo {
    const char* nome;
    const char* didascalia;
    double left;
    double top;
    int minimo;
    int massimo;
    int livello;
    void (FrmInizio::*click)();
};
constexpr Intervallo kIntervalli[] = {
    {"Command1", "NUMERO MAX DA 1 A 30", 120, 300, 1, 30, 1, &FrmInizio::Command1_Click},
    {"Command2", "NUMERO MAX DA 30 A 60", 120, 1500, 30, 60, 2, &FrmInizio::Command2_Click},
    {"Command3", "NUMERO MAX DA 60 A 99", 3360, 300, 60, 99, 3, &FrmInizio::Command3_Click},
    {"Command4", "NUMERO MAX DA 1 A 99", 3405, 1500, 1, 99, 4, &FrmInizio::Command4_Click},
};

}  // namespace

FrmInizio::FrmInizio(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent)
    : FinestraConMenu(parent), stato_(stato), platform_(platform), finestre_(finestre) {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("area"));
    impostaSfondo(area, vbColor(0x00C0FFC0));
    area->setFixedSize(twips(11880), twips(8310));
    setCentralWidget(area);

    // The title band: two rounded shapes behind the title and the list of activities.
    QWidget* frmTitolo = nuovoPannello(area, QStringLiteral("frmTitolo"), vbColor(0x00C0FFC0));
    frmTitolo->setAccessibleName(QStringLiteral("Titolo"));
    posiziona(frmTitolo, 30, 90, 11745, 1845);
    posiziona(new FormaArrotondata(frmTitolo, QStringLiteral("Shape1"), vbColor(0x00C0C000)), 90,
              90, 11655, 1515);
    posiziona(new FormaArrotondata(frmTitolo, QStringLiteral("Shape2"), vbColor(0x00FFFF80)), 120,
              60, 11595, 1515);
    Label5_ = nuovaEtichetta(frmTitolo, QStringLiteral("Label5"), QString(),
                             carattere(QStringLiteral("Arial"), 44.25, true), Qt::AlignCenter);
    Label5_->setWordWrap(false);
    impostaSfondo(Label5_, vbColor(0x00FFFF00));
    impostaColoreTesto(Label5_, vbColor(0x000000C0));
    posiziona(Label5_, 285, 285, 8640, 1095);
    QLabel* Label9 = nuovaEtichetta(
        frmTitolo, QStringLiteral("Label9"),
        QStringLiteral("Attività di controllo     Stampa operazioni Stampa valutazione"),
        carattere(QStringLiteral("Arial"), 14.25));
    impostaColoreTesto(Label9, vbColor(0x000000C0));
    // Three lines beside the title: as high as three lines of its font, and as wide as the band
    // allows, for faces whose "Stampa valutazione" is wider than Arial's.
    posiziona(Label9, 9105, 390, 2610, 1020);

    // The mode list, on the window itself across its whole width.
    Combo1_ = new QComboBox(area);
    Combo1_->setObjectName(QStringLiteral("Combo1"));
    Combo1_->setAccessibleName(QStringLiteral("Modalità di calcolo"));
    Combo1_->setEditable(false);
    Combo1_->setFont(carattere(QStringLiteral("Arial"), 18));
    impostaSfondo(Combo1_, vbColor(0x00C0FFFF));
    posiziona(Combo1_, 195, 2070, 11385, 525);

    // The range panel, beneath the name panel. Its buttons take no focus and no key while the
    // name panel covers them: a pupil could otherwise start a practice without a name by
    // tabbing onto an unseen button.
    Frame1_ = nuovaCorniceSenzaTitolo(area, QStringLiteral("Frame1"), vbColor(0x00C0FFC0));
    Frame1_->setAccessibleName(QStringLiteral("Scelta dell'intervallo"));
    posiziona(Frame1_, 5010, 3030, 6750, 4530);
    Frame1_->setEnabled(false);
    const QFont fontIntervalli = carattere(QStringLiteral("Arial"), 9.75, true);
    for (std::size_t i = 0; i < std::size(kIntervalli); ++i) {
        const Intervallo& intervallo = kIntervalli[i];
        QPushButton* pulsante = nuovoPulsante(Frame1_, QString::fromLatin1(intervallo.nome),
                                              QString::fromLatin1(intervallo.didascalia),
                                              fontIntervalli, vbColor(0x0080FFFF));
        posiziona(pulsante, intervallo.left, intervallo.top, 3090, 705);
        connect(pulsante, &QPushButton::clicked, this, intervallo.click);
        Command_[i] = pulsante;
    }
    QPushButton* Command9 =
        nuovoPulsante(Frame1_, QStringLiteral("Command9"), QStringLiteral("E S C I"),
                      carattere(QStringLiteral("Arial"), 9.75, true), vbColor(0x00C0E0FF));
    posiziona(Command9, 90, 3660, 6435, 495);

    // The name panel, lying over the range panel.
    Frame2_ = nuovaCorniceSenzaTitolo(area, QStringLiteral("Frame2"), vbColor(0x00FFC0FF));
    Frame2_->setAccessibleName(QStringLiteral("Nome dell'alunno"));
    posiziona(Frame2_, 5010, 3135, 6720, 4500);
    QLabel* Label4 = nuovaEtichetta(
        Frame2_, QStringLiteral("Label4"), QStringLiteral("   IMMETTI   IL  TUO  NOME"),
        carattere(QStringLiteral("Arial"), 14.25, true), Qt::AlignHCenter);
    impostaColoreTesto(Label4, vbColor(0x000000C0));
    posiziona(Label4, 720, 195, 4950, 465);
    txtNome_ = new QLineEdit(Frame2_);
    txtNome_->setObjectName(QStringLiteral("txtNome"));
    txtNome_->setAccessibleName(QStringLiteral("Nome"));
    txtNome_->setMaxLength(15);
    txtNome_->setAlignment(Qt::AlignCenter);
    txtNome_->setFont(carattere(QStringLiteral("Arial"), 21.75, true));
    impostaSfondo(txtNome_, vbColor(0x00FFC0FF));
    impostaColoreTesto(txtNome_, vbColor(0x000000C0));
    txtNome_->setValidator(new SenzaCifre([this] { platform_.dialogs.beep(); }, txtNome_));
    txtNome_->installEventFilter(this);
    posiziona(txtNome_, 240, 855, 5940, 690);
    const QFont fontAvvisi = carattere(QStringLiteral("MS Sans Serif"), 8.25);
    posiziona(
        nuovaEtichetta(Frame2_, QStringLiteral("Label7"),
                       QStringLiteral("Il nome viene troncato automaticamente alla 15a lettera"),
                       fontAvvisi, Qt::AlignHCenter),
        255, 1530, 5925, 300);
    posiziona(nuovaEtichetta(Frame2_, QStringLiteral("Label3"),
                             QStringLiteral("Presta attenzione all'ortografia"), fontAvvisi,
                             Qt::AlignHCenter),
              270, 1740, 5925, 300);
    QLabel* Label8 =
        nuovaEtichetta(Frame2_, QStringLiteral("Label8"), QStringLiteral("Buon lavoro"),
                       carattere(QStringLiteral("Arial"), 24), Qt::AlignHCenter);
    impostaColoreTesto(Label8, vbColor(0x00800080));
    posiziona(Label8, 1395, 2040, 3825, 480);
    QPushButton* cmdAvanti =
        nuovoPulsante(Frame2_, QStringLiteral("cmdAvanti"), QStringLiteral("AVANTI"),
                      carattere(QStringLiteral("Arial"), 21.75, true), vbColor(0x0000FFFF));
    posiziona(cmdAvanti, 2010, 2700, 2700, 675);
    QPushButton* cmdFine =
        nuovoPulsante(Frame2_, QStringLiteral("cmdFine"), QStringLiteral("E S C I"),
                      carattere(QStringLiteral("Arial"), 21.75, true), vbColor(0x00FF80FF));
    posiziona(cmdFine, 300, 3825, 6210, 510);

    // The credit line along the bottom edge.
    const QFont fontCrediti = carattere(QStringLiteral("Arial"), 18, true);
    QLabel* Label6 = nuovaEtichetta(area, QStringLiteral("Label6"),
                                    QStringLiteral("Esercizi di moltiplicazione"), fontCrediti,
                                    Qt::AlignLeft | Qt::AlignVCenter);
    impostaSfondo(Label6, vbColor(0x00FFFF80));
    posiziona(Label6, 510, 7710, 11265, 495);
    QLabel* Label1 =
        nuovaEtichetta(area, QStringLiteral("Label1"), QStringLiteral("per la scuola primaria"),
                       fontCrediti, Qt::AlignLeft | Qt::AlignVCenter);
    impostaSfondo(Label1, vbColor(0x00FFFF80));
    posiziona(Label1, 7680, 7740, 3945, 435);

    QWidget::setTabOrder(txtNome_, Combo1_);
    QWidget::setTabOrder(Combo1_, Command_[0]);
    QWidget::setTabOrder(Command_[0], Command_[1]);
    QWidget::setTabOrder(Command_[1], Command_[2]);
    QWidget::setTabOrder(Command_[2], Command_[3]);
    QWidget::setTabOrder(Command_[3], Command9);
    QWidget::setTabOrder(Command9, cmdAvanti);
    QWidget::setTabOrder(cmdAvanti, cmdFine);
    txtNome_->setFocus();

    connect(cmdAvanti, &QPushButton::clicked, this, &FrmInizio::cmdAvanti_Click);
    connect(cmdFine, &QPushButton::clicked, this, &FrmInizio::cmdFine_Click);
    connect(Command9, &QPushButton::clicked, this, &FrmInizio::Command9_Click);

    // The menu bar: File drops down; the other entries act as soon as they are clicked.
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuEsci = mnuFile->addAction(QStringLiteral("Esci"));
    mnuEsci->setObjectName(QStringLiteral("mnuEsci"));
    connect(mnuEsci, &QAction::triggered, this, &FrmInizio::mnuEsci_Click);
    mnuFile->addAction(QString())->setObjectName(QStringLiteral("mnuVuoto"));
    QAction* mnuInfo = menuBar()->addAction(QStringLiteral("?"));
    mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
    connect(mnuInfo, &QAction::triggered, this, &FrmInizio::mnuInfo_Click);
    menuBar()->addAction(QString())->setObjectName(QStringLiteral("voce"));
    QAction* mnuValutazione = menuBar()->addAction(QStringLiteral("Scala di valutazione"));
    mnuValutazione->setObjectName(QStringLiteral("mnuValutazione"));
    connect(mnuValutazione, &QAction::triggered, this, &FrmInizio::mnuValutazione_Click);
}

void FrmInizio::Form_Load() {
    Combo1_->addItem(QStringLiteral("Calcolo del prodotto"));
    Combo1_->addItem(QStringLiteral("Calcolo del fattore"));
    Combo1_->addItem(QStringLiteral("Calcolo del prodotto o fattore senza casualità"));
    Combo1_->setCurrentText(Combo1_->itemText(0));
    setWindowTitle(kTitoloProgramma);
    Label5_->setText(kTitoloProgramma);
    // The title stays on one line: where it is wider than its band at the design size, its
    // size steps down by 0.75 points, not under 12, until the whole of it shows.
    QFont font = Label5_->font();
    font.setPointSizeF(puntiPerLarghezza(font, Label5_->text(), Label5_->width() * 0.96, 0.75, 12));
    Label5_->setFont(font);
}

bool FrmInizio::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == txtNome_ && evento->type() == QEvent::KeyPress) {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        int codice;
        if (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)
            codice = 13;
        else if (!tasto->text().isEmpty())
            codice = tasto->text().at(0).unicode();
        else
            return false;  // not a character: arrows, Home, Delete and the like
        TxtNome_KeyPress(codice);
        // A dropped character never reaches the box; Enter has been handled by the name check.
        return codice == 0 || codice == 13;
    }
    return FinestraConMenu::eventFilter(oggetto, evento);
}

void FrmInizio::TxtNome_KeyPress(int& codice) {
    if (codice >= '0' && codice <= '9') {
        platform_.dialogs.beep();
        codice = 0;
    }
    if (codice == 13)
        controlloNome();
}

void FrmInizio::cmdAvanti_Click() {
    controlloNome();
}

void FrmInizio::controlloNome() {
    if (txtNome_->text().isEmpty()) {
        mostraMessaggio(stato_, platform_.dialogs, QStringLiteral("Introduci il nome"),
                        QStringLiteral("distrazione"));
        txtNome_->setFocus();
        return;
    }
    stato_.nomeAlunno = txtNome_->text();
    Frame2_->hide();
    Frame1_->setEnabled(true);
    Command_[0]->setFocus();
}

void FrmInizio::Command1_Click() {
    scegliIntervallo(0);
}

void FrmInizio::Command2_Click() {
    scegliIntervallo(1);
}

void FrmInizio::Command3_Click() {
    scegliIntervallo(2);
}

void FrmInizio::Command4_Click() {
    scegliIntervallo(3);
}

void FrmInizio::scegliIntervallo(std::size_t quale) {
    const Intervallo& intervallo = kIntervalli[quale];
    stato_.numeroMinimo = intervallo.minimo;
    stato_.numeroMassimo = intervallo.massimo;
    stato_.livelloScelto = intervallo.livello;
    Smistamento();
}

void FrmInizio::Smistamento() {
    QString riga;
    switch (Combo1_->currentIndex()) {
        case 1:
            stato_.posizioneDa = 2;
            stato_.posizioneA = 3;
            propriet2();
            riga = QStringLiteral(" Calcola il fattore");
            break;
        case 2:
            stato_.posizioneDa = 1;
            stato_.posizioneA = 3;
            propriet3();
            riga = QStringLiteral(" Calcola il prodotto o il fattore esecondo casualità");
            break;
        default:  // the list always has a selection, entry 0 from the load step on
            stato_.posizioneDa = 1;
            stato_.posizioneA = 1;
            propriet1();
            riga = QStringLiteral(" Calcola il prodotto");
            break;
    }
    FrmOperativoMeno& operativo = finestre_.operativo();
    operativo.impostaRigaModalita(riga);
    // The certificate reads the mode line even after the exercise window has been closed.
    stato_.rigaModalita = riga;
    Finestre::mostra(operativo);
}

void FrmInizio::propriet1() {
    coloraOperativo(rgb(250, 250, 200), rgb(240, 220, 150));
}

void FrmInizio::propriet2() {
    coloraOperativo(rgb(200, 255, 255), rgb(200, 200, 255));
}

void FrmInizio::propriet3() {
    coloraOperativo(rgb(255, 215, 220), rgb(240, 180, 220));
}

void FrmInizio::coloraOperativo(quint32 sfondo, quint32 comandi) {
    // The first access loads the exercise window, whose load step starts the session from the
    // range and positions already stored; the colours set afterwards are the ones that stay.
    FrmOperativoMeno& operativo = finestre_.operativo();
    operativo.impostaSfondoFinestra(vbColor(sfondo));
    operativo.impostaSfondoNumero(vbColor(sfondo));
    operativo.impostaSfondoRisultato(vbColor(sfondo));
    operativo.impostaTestoRisultato(vbColor(0x00004080));
    stato_.coloreModalita = QString::number(comandi);
    coloraComandi();
}

void FrmInizio::coloraComandi() {
    finestre_.operativo().impostaColoreComandi(vbColor(stato_.coloreModalita.toUInt()));
}

void FrmInizio::mnuInfo_Click() {
    if (!platform_.launcher.startProgram(QStringLiteral("vetrina.exe")))
        platform_.dialogs.messageBox(QStringLiteral("File mancante"), Dialogs::OkOnly, QString());
}

void FrmInizio::mnuValutazione_Click() {
    Finestre::mostra(finestre_.valutazione());
}

void FrmInizio::mnuEsci_Click() {
    esci();
}

void FrmInizio::cmdFine_Click() {
    esci();
}

void FrmInizio::Command9_Click() {
    esci();
}

void FrmInizio::Form_QueryUnload() {
    esci();
}

void FrmInizio::Form_Unload() {
    esci();
}

void FrmInizio::esci() {
    // The background window goes first, then this window. The program ends by itself when
    // its last window has closed: the exercise and report windows may still be open.
    if (frmSfondo* sfondo = finestre_.sfondoSeCaricato(); sfondo && sfondo->isVisible())
        sfondo->close();
    if (!chiusuraInCorso_) {
        chiusuraInCorso_ = true;
        close();
    }
}

void FrmInizio::closeEvent(QCloseEvent* event) {
    // Whatever started the close (an exit, the close box), the exits run inside it and start
    // no second one.
    chiusuraInCorso_ = true;
    Form_QueryUnload();
    Form_Unload();
    event->accept();
}
