#pragma once

#include <QString>
#include <QStringList>

class QPainter;

// The drawings behind the icon set (icone.h). Each draws on a 32 x 32 grid: the caller scales
// the painter to the size it wants.

// Draws the icon `nome`; false, drawing nothing, for a name that is not in the set.
bool DisegnaIcona(QPainter& p, const QString& nome);

// The names that DisegnaIcona knows, in a stable order.
QStringList NomiDisegniIcone();
