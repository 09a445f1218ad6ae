#include "reports/FrmAttestato.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cmath>
#include <numbers>

#include "exercise/FrmOperativoMeno.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "reports/Attestato.h"
#include "reports/PaginaOperazioni.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Modulo1.h"

namespace {

// The decorative drawing of the sheet: a double border with flowers in the corners, a crown
// of stars above the title, small multiplication signs along the sides and a medal between
// two laurel branches at the foot. Drawn as shapes in its own units (twips of the design
// size) and stretched to the widget, so it is sharp on any screen and on paper.
class Decorazione final : public QWidget {
  public:
    explicit Decorazione(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Image1"));
        setAccessibleName(QStringLiteral("Decorazione"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setWindow(0, 0, kLarghezza, kAltezza);
        p.setViewport(rect());
        bordi(p);
        stelle(p);
        segniPer(p);
        alloro(p);
        medaglia(p);
    }

  private:
    static constexpr int kLarghezza = 4890;
    static constexpr int kAltezza = 6390;
    static constexpr QPointF kCentroMedaglia{kLarghezza / 2.0, 5600};

    const QColor blu_{31, 60, 136};
    const QColor oro_{205, 155, 30};
    const QColor rosso_{200, 40, 45};
    const QColor verde_{45, 135, 65};
    const QColor celeste_{110, 150, 215};

    static double radianti(double gradi) { return gradi * std::numbers::pi / 180.0; }

    void bordi(QPainter& p) const {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(blu_, 45));
        p.drawRoundedRect(QRectF(60, 60, kLarghezza - 120, kAltezza - 120), 120, 120);
        p.setPen(QPen(oro_, 18));
        p.drawRoundedRect(QRectF(150, 150, kLarghezza - 300, kAltezza - 300), 80, 80);

        const QPointF angoli[] = {{150, 150},
                                  {kLarghezza - 150.0, 150},
                                  {150, kAltezza - 150.0},
                                  {kLarghezza - 150.0, kAltezza - 150.0}};
        for (const QPointF& angolo : angoli)
            fiore(p, angolo);
    }

    void fiore(QPainter& p, const QPointF& centro) const {
        p.save();
        p.translate(centro);
        p.setPen(QPen(oro_.darker(130), 6));
        p.setBrush(oro_);
        for (int petalo = 0; petalo < 4; ++petalo) {
            p.drawEllipse(QRectF(20, -32, 110, 64));
            p.rotate(90);
        }
        p.rotate(45);
        p.setBrush(rosso_);
        for (int petalo = 0; petalo < 4; ++petalo) {
            p.drawEllipse(QRectF(20, -18, 70, 36));
            p.rotate(90);
        }
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 26, 26);
        p.restore();
    }

    static QPainterPath stella(const QPointF& centro, double raggio) {
        QPainterPath path;
        for (int punta = 0; punta < 10; ++punta) {
            const double r = punta % 2 == 0 ? raggio : raggio * 0.42;
            const double a = radianti(-90 + 36 * punta);
            const QPointF punto = centro + QPointF(r * std::cos(a), r * std::sin(a));
            if (punta == 0)
                path.moveTo(punto);
            else
                path.lineTo(punto);
        }
        path.closeSubpath();
        return path;
    }

    // Five stars on an arc above the title.
    void stelle(QPainter& p) const {
        const QColor colori[] = {oro_, rosso_, blu_, rosso_, oro_};
        for (int i = 0; i < 5; ++i) {
            const int passo = i - 2;
            const QPointF centro(kLarghezza / 2.0 + passo * 520, 340 + 40 * passo * passo);
            p.setPen(QPen(colori[i].darker(140), 8));
            p.setBrush(colori[i]);
            p.drawPath(stella(centro, passo == 0 ? 130 : 105));
        }
    }

    // A column of light multiplication signs in each side margin.
    void segniPer(QPainter& p) const {
        p.setPen(QPen(celeste_, 22, Qt::SolidLine, Qt::RoundCap));
        for (double y = 1100; y <= 4900; y += 760) {
            for (double x : {330.0, kLarghezza - 330.0}) {
                p.drawLine(QPointF(x - 55, y - 55), QPointF(x + 55, y + 55));
                p.drawLine(QPointF(x - 55, y + 55), QPointF(x + 55, y - 55));
            }
        }
    }

    // Two laurel branches curving up from under the medal.
    void alloro(QPainter& p) const {
        constexpr double raggio = 520;
        for (int lato : {-1, 1}) {
            QPainterPath ramo;
            for (int gradi = 110; gradi <= 200; gradi += 2) {
                const double a = radianti(lato < 0 ? gradi : 180 - gradi);
                const QPointF punto =
                    kCentroMedaglia + QPointF(raggio * std::cos(a), raggio * std::sin(a));
                if (gradi == 110)
                    ramo.moveTo(punto);
                else
                    ramo.lineTo(punto);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(verde_.darker(130), 16, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(ramo);

            p.setPen(QPen(verde_.darker(140), 5));
            p.setBrush(verde_);
            for (int gradi = 118; gradi <= 196; gradi += 13) {
                const double g = lato < 0 ? gradi : 180 - gradi;
                const double a = radianti(g);
                const QPointF punto =
                    kCentroMedaglia + QPointF(raggio * std::cos(a), raggio * std::sin(a));
                // The tangent of the branch, pointing up along it.
                const double tangente = g + (lato < 0 ? 90 : -90);
                for (int verso : {-1, 1}) {
                    p.save();
                    p.translate(punto);
                    p.rotate(tangente + 180 + verso * 35);
                    p.drawEllipse(QRectF(0, -26, 150, 52));
                    p.restore();
                }
            }
        }
    }

    // A gold rosette with a multiplication sign, on two red ribbons.
    void medaglia(QPainter& p) const {
        p.save();
        p.translate(kCentroMedaglia);

        const QPolygonF nastro({{-55, 0}, {55, 0}, {55, 420}, {0, 360}, {-55, 420}});
        p.setPen(QPen(rosso_.darker(140), 6));
        p.setBrush(rosso_);
        for (double rotazione : {25.0, -25.0}) {
            p.save();
            p.translate(0, 80);
            p.rotate(rotazione);
            p.drawPolygon(nastro);
            p.restore();
        }

        QPolygonF rosetta;
        for (int punta = 0; punta < 48; ++punta) {
            const double r = punta % 2 == 0 ? 300 : 268;
            const double a = radianti(punta * 7.5);
            rosetta << QPointF(r * std::cos(a), r * std::sin(a));
        }
        p.setPen(QPen(oro_.darker(140), 8));
        p.setBrush(oro_);
        p.drawPolygon(rosetta);
        p.setBrush(blu_);
        p.drawEllipse(QPointF(0, 0), 205, 205);
        p.setPen(QPen(Qt::white, 48, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-95, -95), QPointF(95, 95));
        p.drawLine(QPointF(-95, 95), QPointF(95, -95));
        p.restore();
    }
};

const QString kArial = QStringLiteral("Arial");
const QString kMsSansSerif = QStringLiteral("MS Sans Serif");

}  // namespace

FrmAttestato::FrmAttestato(Modulo1& stato, Platform& platform, Finestre& finestre, QWidget* parent)
    : QWidget(parent), stato_(stato), platform_(platform), finestre_(finestre) {
    setObjectName(QStringLiteral("FrmAttestato"));
    setWindowTitle(QStringLiteral("Form1"));
    impostaSfondo(this, vbColor(0x00C0C0FF));
    resize(twips(12000), twips(9000));

    frame2_ = nuovoPannello(this, QStringLiteral("Frame2"), vbColor(0x00C0C0FF));
    posiziona(frame2_, 1830, 465, 6090, 8460);

    // The sheet.
    auto* frame1 = new QFrame(frame2_);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1->setAccessibleName(QStringLiteral("Attestato"));
    impostaSfondo(frame1, vbColor(0x00FFFFC0));
    posiziona(frame1, 465, 150, 5205, 6840);

    auto* image1 = new Decorazione(frame1);
    posiziona(image1, 75, 345, 4890, 6390);

    const Qt::Alignment centrato = Qt::AlignHCenter | Qt::AlignTop;
    const QColor blu = vbColor(0x00FF0000);
    const QColor rosso = vbColor(0x000000FF);

    QLabel* label1 = nuovaEtichetta(frame1, QStringLiteral("Label1"), QStringLiteral("ATTESTATO"),
                                    carattere(kArial, 18, true), centrato);
    posiziona(label1, 1080, 1020, 2175, 390);
    impostaSfondo(label1, vbColor(0x80000005));
    impostaColoreTesto(label1, blu);

    QLabel* label2 =
        nuovaEtichetta(frame1, QStringLiteral("Label2"), QStringLiteral("rilasciato a"),
                       carattere(kArial, 9.75, true), centrato);
    posiziona(label2, 1290, 1425, 1695, 255);

    lblNome_ = nuovaEtichetta(frame1, QStringLiteral("lblNome"), QString(),
                              carattere(kArial, 20.25, true), centrato);
    posiziona(lblNome_, 600, 1695, 3450, 555);
    impostaColoreTesto(lblNome_, blu);
    lblNome_->setAccessibleDescription(QStringLiteral("Nome"));

    lblMotivo_ = nuovaEtichetta(frame1, QStringLiteral("lblMotivo"),
                                QStringLiteral("per aver  conseguito l'obiettivo "),
                                carattere(kArial, 9.75, true), centrato);
    posiziona(lblMotivo_, 1005, 2190, 3030, 360);

    lblObiettivo1_ = nuovaEtichetta(frame1, QStringLiteral("lblObiettivo1"), QStringLiteral("???"),
                                    carattere(kArial, 8.25, true));
    posiziona(lblObiettivo1_, 1245, 2580, 2535, 330);
    impostaColoreTesto(lblObiettivo1_, rosso);

    lblObiettivo3_ = nuovaEtichetta(frame1, QStringLiteral("lblObiettivo3"), QStringLiteral("???"),
                                    carattere(kMsSansSerif, 8.25, true));
    posiziona(lblObiettivo3_, 1260, 2910, 2910, 405);
    impostaColoreTesto(lblObiettivo3_, rosso);

    lblObiettivo2_ = nuovaEtichetta(frame1, QStringLiteral("lblObiettivo2"), QStringLiteral("???"),
                                    carattere(kMsSansSerif, 8.25, true));
    posiziona(lblObiettivo2_, 1230, 3360, 2535, 315);
    impostaColoreTesto(lblObiettivo2_, rosso);

    QLabel* label3 =
        nuovaEtichetta(frame1, QStringLiteral("Label3"), QStringLiteral("con la valutazione"),
                       carattere(kArial, 9.75, true), centrato);
    posiziona(label3, 1395, 3600, 2505, 195);

    lblRapporto_ = nuovaEtichetta(frame1, QStringLiteral("lblRapporto"), QStringLiteral("???"),
                                  carattere(kArial, 14.25, true), centrato);
    posiziona(lblRapporto_, 1110, 3945, 3315, 375);
    impostaColoreTesto(lblRapporto_, blu);

    lblPerche_ = nuovaEtichetta(frame1, QStringLiteral("lblPerche"), QStringLiteral("???"),
                                carattere(kArial, 8.25, true), centrato);
    posiziona(lblPerche_, 1395, 4500, 2385, 375);

    lblData_ = nuovaEtichetta(frame1, QStringLiteral("lblData"), QStringLiteral("Data"),
                              carattere(kArial, 8.25, true));
    posiziona(lblData_, 1680, 5100, 2475, 255);

    const QFont carattereComandi = carattere(kArial, 8.25, true);
    const QColor sfondoComandi = vbColor(0x00FFC0FF);
    command2_ =
        nuovoPulsante(frame2_, QStringLiteral("Command2"), QStringLiteral("STAMPA  L'ATTESTATO "),
                      carattereComandi, sfondoComandi);
    posiziona(command2_, 465, 7050, 5205, 450);
    connect(command2_, &QPushButton::clicked, this, &FrmAttestato::Command2_Click);

    command1_ = nuovoPulsante(frame2_, QStringLiteral("Command1"), QStringLiteral("FINE SESSIONE"),
                              carattereComandi, sfondoComandi);
    posiziona(command1_, 450, 7590, 2550, 450);
    connect(command1_, &QPushButton::clicked, this, &FrmAttestato::Command1_Click);

    cmdFine_ = nuovoPulsante(frame2_, QStringLiteral("CmdFine"), QStringLiteral("ESCI"),
                             carattereComandi, sfondoComandi);
    posiziona(cmdFine_, 3045, 7605, 2580, 450);
    connect(cmdFine_, &QPushButton::clicked, this, &FrmAttestato::cmdFine_Click);

    setTabOrder(command2_, command1_);
    setTabOrder(command1_, cmdFine_);
}

void FrmAttestato::Form_Activate() {
    // The sheet and its buttons stay in the middle of the window, whatever its width.
    frame2_->move((width() - frame2_->width()) / 2, frame2_->y());

    // While the exercise window is open its mode line is the one to certify; once it is
    // closed, the copy the session keeps of it.
    const FrmOperativoMeno* operativo = finestre_.operativoSeCaricato();
    const QString rigaModalita = operativo ? operativo->rigaModalita() : stato_.rigaModalita;
    const Attestato attestato = compilaAttestato(stato_, rigaModalita, platform_.clock);

    lblData_->setText(attestato.rigaData);
    lblNome_->setText(attestato.nome);
    lblMotivo_->setText(attestato.rigaMotivo);
    lblObiettivo1_->setText(attestato.rigaObiettivo1);
    lblObiettivo3_->setText(attestato.rigaModalita);
    lblObiettivo2_->setText(attestato.rigaNumeri);
    lblRapporto_->setText(attestato.giudizio);
    // A certificate once found not printable stays so while the window is open.
    if (!attestato.stampabile) {
        command2_->setText(QStringLiteral("ATTESTATO NON STAMPABILE"));
        command2_->setEnabled(false);
    }
    lblPerche_->setText(attestato.rigaPerche);
}

void FrmAttestato::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void FrmAttestato::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Filled before the first paint, also where showing does not activate the window.
    Form_Activate();
}

void FrmAttestato::Command2_Click() {
    // The page shows the sheet, not the buttons.
    QWidget* fuoco = focusWidget();
    command2_->hide();
    command1_->hide();
    cmdFine_->hide();

    platform_.printer.setDocName(QStringLiteral("ATTESTATO"));
    platform_.printer.printForm(*this);
    const Printer::Result esito = platform_.printer.endDoc();

    command2_->show();
    command1_->show();
    cmdFine_->show();
    if (fuoco && fuoco->isVisible() && fuoco->isEnabled())
        fuoco->setFocus(Qt::OtherFocusReason);

    mostraEsitoStampa(esito, platform_.dialogs);
}

void FrmAttestato::Command1_Click() {
    finestre_.terminaProgramma();
}

void FrmAttestato::cmdFine_Click() {
    close();
}
