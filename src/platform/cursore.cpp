#include "platform/cursore.h"

#include <QApplication>
#include <QCursor>

namespace {
bool attivo = false;
}

void Cursore::attesa()
{
    if (attivo) return;
    attivo = true;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void Cursore::normale()
{
    if (!attivo) return;
    attivo = false;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

bool Cursore::inAttesa() { return attivo; }
