#include "shell/Controlli.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "platform/Twips.h"
#include "shell/Aspetto.h"

QFont carattere(const QString& famiglia, double punti, bool grassetto) {
    QFont font(famiglia);
    // "MS Sans Serif" is seldom installed, and fontconfig's default stand-in for it is a much
    // wider face, which breaks the labels' lines: a face with Arial's metrics stands in first.
    if (famiglia == QLatin1String("MS Sans Serif"))
        font.setFamilies({famiglia, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

void posiziona(QWidget* controllo, double left, double top, double width, double height) {
    controllo->setGeometry(twipsRect(left, top, width, height));
}

namespace {

// `colore` for `ruoli` of the control's palette, in every state of the control.
void colora(QWidget* controllo, std::initializer_list<QPalette::ColorRole> ruoli,
            const QColor& colore) {
    QPalette colori = controllo->palette();
    for (QPalette::ColorRole ruolo : ruoli)
        colori.setColor(ruolo, colore);
    controllo->setPalette(colori);
}

}  // namespace

void impostaSfondo(QWidget* controllo, const QColor& colore) {
    colora(controllo, {QPalette::Window, QPalette::Base, QPalette::Button}, colore);
    controllo->setAutoFillBackground(true);
}

void impostaColoreTesto(QWidget* controllo, const QColor& colore) {
    colora(controllo, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colore);
}

QLabel* nuovaEtichetta(QWidget* parent, const QString& nome, const QString& testo,
                       const QFont& font, Qt::Alignment allineamento) {
    auto* etichetta = new QLabel(parent);
    etichetta->setObjectName(nome);
    etichetta->setTextFormat(Qt::PlainText);
    etichetta->setText(testo);
    etichetta->setFont(font);
    etichetta->setAlignment(allineamento);
    etichetta->setWordWrap(true);
    return etichetta;
}

QPushButton* nuovoPulsante(QWidget* parent, const QString& nome, const QString& testo,
                           const QFont& font, const QColor& sfondo) {
    auto* pulsante = new QPushButton(testo, parent);
    pulsante->setObjectName(nome);
    pulsante->setFont(font);
    pulsante->setCursor(Qt::PointingHandCursor);
    pulsante->setProperty(kPulsanteGrafico, true);
    // Enter on a focused button presses it, as Space does, in every window.
    pulsante->setAutoDefault(true);
    coloraPulsante(pulsante, sfondo);
    return pulsante;
}

void coloraPulsante(QPushButton* pulsante, const QColor& colore) {
    colora(pulsante, {QPalette::Button}, colore);
}

QWidget* nuovoPannello(QWidget* parent, const QString& nome, const QColor& sfondo) {
    auto* pannello = new QWidget(parent);
    pannello->setObjectName(nome);
    impostaSfondo(pannello, sfondo);
    return pannello;
}

QFrame* nuovaCorniceSenzaTitolo(QWidget* parent, const QString& nome, const QColor& sfondo) {
    auto* cornice = new QFrame(parent);
    cornice->setObjectName(nome);
    cornice->setFrameStyle(QFrame::Box | QFrame::Sunken);
    impostaSfondo(cornice, sfondo);
    return cornice;
}

QGroupBox* nuovaCorniceConTitolo(QWidget* parent, const QString& nome, const QString& titolo,
                                 const QColor& sfondo) {
    auto* cornice = new QGroupBox(titolo, parent);
    cornice->setObjectName(nome);
    cornice->setFont(carattere(QStringLiteral("MS Sans Serif"), 8.25, true));
    impostaSfondo(cornice, sfondo);
    return cornice;
}

double puntiPerLarghezza(const QFont& font, const QString& testo, double larghezza, double passo,
                         double minimo) {
    QFont prova = font;
    const double propri = font.pointSizeF();
    if (propri <= minimo)
        return propri;
    const auto punti = [&](int passi) { return propri - passi * passo; };
    const auto entra = [&](int passi) {
        prova.setPointSizeF(punti(passi));
        return QFontMetricsF(prova).horizontalAdvance(testo) <= larghezza;
    };
    prova.setPointSizeF(propri);
    const double intera = QFontMetricsF(prova).horizontalAdvance(testo);
    if (intera <= larghezza)
        return propri;
    // The steps down to the least size: the last is the first at or under `minimo`.
    const int ultimo = std::max(1, int(std::ceil((propri - minimo) / passo - 1e-9)));
    // The estimate, in proportion; then up while the step above fits, down while it does not.
    int passi = std::clamp(int(std::ceil((propri - propri * larghezza / intera) / passo - 1e-9)), 1,
                           ultimo);
    while (passi > 1 && entra(passi - 1))
        --passi;
    while (passi < ultimo && !entra(passi))
        ++passi;
    return punti(passi);
}

bool incolonna(QLabel* etichetta, const std::vector<std::pair<double, double>>& colonne) {
    const QString testo = etichetta->text();
    // Each word as the span of text before its end: [inizio, fine).
    std::vector<std::pair<qsizetype, qsizetype>> parole;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo.at(i) == QLatin1Char(' '))
            continue;
        qsizetype fine = testo.indexOf(QLatin1Char(' '), i);
        if (fine < 0)
            fine = testo.size();
        parole.emplace_back(i, fine);
        i = fine;
    }
    if (parole.size() != colonne.size())
        return false;

    QFont font = etichetta->font();
    const auto bordi = [&](std::size_t k, const QFontMetricsF& misura) {
        return std::pair{misura.horizontalAdvance(testo.left(parole[k].first)),
                         misura.horizontalAdvance(testo.left(parole[k].second))};
    };
    // A word moves in proportion to the word spacing (by the runs of spaces before it), so the
    // spacings that fit form one interval, found from two measurements; its middle is tried.
    for (int stretch = 100; stretch >= 60; stretch -= 2) {
        font.setStretch(stretch);
        font.setWordSpacing(0);
        const QFontMetricsF senza(font);
        font.setWordSpacing(1);
        const QFontMetricsF conUno(font);
        // Spaces keep a little of their width.
        double minimo = -0.6 * senza.horizontalAdvance(QLatin1Char(' '));
        double massimo = std::numeric_limits<double>::max();
        for (std::size_t k = 0; k < parole.size(); ++k) {
            const auto [sinistra, destra] = bordi(k, senza);
            const double passo = bordi(k, conUno).first - sinistra;
            if (passo < 0.01) {  // no space before it: the word cannot move
                if (sinistra < colonne[k].first || destra > colonne[k].second)
                    massimo = -std::numeric_limits<double>::max();
                continue;
            }
            minimo = std::max(minimo, (colonne[k].first - sinistra) / passo);
            massimo = std::min(massimo, (colonne[k].second - destra) / passo);
        }
        if (minimo > massimo)
            continue;
        if (massimo == std::numeric_limits<double>::max())
            massimo = std::max(minimo, 0.0);
        font.setWordSpacing((minimo + massimo) / 2);
        const QFontMetricsF misura(font);
        bool dentro = true;
        for (std::size_t k = 0; k < parole.size(); ++k) {
            const auto [sinistra, destra] = bordi(k, misura);
            dentro =
                dentro && sinistra >= colonne[k].first - 0.01 && destra <= colonne[k].second + 0.01;
        }
        if (dentro) {
            // As wide as the text now is; no lower than the label was.
            const int altezza = etichetta->height();
            etichetta->setFont(font);
            etichetta->adjustSize();
            etichetta->resize(etichetta->width(), std::max(altezza, etichetta->height()));
            return true;
        }
    }
    return false;
}
