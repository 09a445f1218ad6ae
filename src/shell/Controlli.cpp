#include "shell/Controlli.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "platform/Twips.h"

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

void impostaSfondo(QWidget* controllo, const QColor& colore) {
    QPalette colori = controllo->palette();
    colori.setColor(QPalette::Window, colore);
    colori.setColor(QPalette::Base, colore);
    colori.setColor(QPalette::Button, colore);
    controllo->setPalette(colori);
    controllo->setAutoFillBackground(true);
}

void impostaColoreTesto(QWidget* controllo, const QColor& colore) {
    QPalette colori = controllo->palette();
    colori.setColor(QPalette::WindowText, colore);
    colori.setColor(QPalette::Text, colore);
    colori.setColor(QPalette::ButtonText, colore);
    controllo->setPalette(colori);
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
    // Enter on a focused button presses it, as Space does, in every window.
    pulsante->setAutoDefault(true);
    QPalette colori = pulsante->palette();
    colori.setColor(QPalette::Button, sfondo);
    pulsante->setPalette(colori);
    return pulsante;
}

QWidget* nuovoPannello(QWidget* parent, const QString& nome, const QColor& sfondo) {
    auto* pannello = new QWidget(parent);
    pannello->setObjectName(nome);
    impostaSfondo(pannello, sfondo);
    return pannello;
}
