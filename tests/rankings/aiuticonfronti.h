#pragma once

#include "platform/combocodici.h"

#include <QPushButton>
#include <QWidget>

// What the tests of the comparison windows share: two teams chosen in the two lists, then `pulsante` pressed.
inline void ScegliDue(QWidget* w, const QString& a, const QString& b, const QString& pulsante)
{
    for (int i : {1, 2}) {
        auto* c = w->findChild<ComboCodici*>(QStringLiteral("Combo%1").arg(i));
        c->setCurrentIndex(c->findText(i == 1 ? a : b));
    }
    w->findChild<QPushButton*>(pulsante)->click();
}
