#include "shell/FinestraConMenu.h"

#include <QMenuBar>
#include <QVBoxLayout>

FinestraConMenu::FinestraConMenu(QWidget* parent)
    : QWidget(parent), impaginazione_(new QVBoxLayout(this)), barra_(new QMenuBar(this)) {
    impaginazione_->setContentsMargins(0, 0, 0, 0);
    impaginazione_->setSpacing(0);
    impaginazione_->setMenuBar(barra_);
}

void FinestraConMenu::setCentralWidget(QWidget* area) {
    area_ = area;
    impaginazione_->addWidget(area_);
}
