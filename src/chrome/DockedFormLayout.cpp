#include "DockedFormLayout.h"

#include "Docks.h"

#include <QBoxLayout>

void LayoutDockedForm(QWidget* form, TDock* top, TDock* bottom, TDock* left, TDock* right,
                      QWidget* client) {
    auto* column = new QVBoxLayout(form);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(left);
    middle->addWidget(client, 1);
    middle->addWidget(right);
    column->addWidget(top);
    column->addLayout(middle, 1);
    column->addWidget(bottom);
}
