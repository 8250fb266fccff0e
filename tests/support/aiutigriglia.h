#pragma once

// What the tests of windows with a grid share besides their environment (support/ambientetest.h):
// reading and double-clicking grid rows, and whether a window's grid fits at its natural size.

#include "platform/finestre.h"
#include "platform/griglia.h"
#include "support/ambientetest.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

// The cells of a grid row.
inline QStringList RigaGriglia(const Griglia* g, int r)
{
    QStringList celle;
    for (int c = 0; c < g->colonne(); ++c) celle << g->testo(r, c);
    return celle;
}

// The cells of the grid's rows from `da` to the last.
inline QVector<QStringList> RigheGriglia(const Griglia* g, int da)
{
    QVector<QStringList> righe;
    for (int r = da; r < g->righe(); ++r) righe << RigaGriglia(g, r);
    return righe;
}

// Double-clicks row `r` of a grid as the user does, scrolling to it first.
inline void DoppioClic(Griglia* g, int r)
{
    QTableView* v = g->vista();
    const QModelIndex i = v->model()->index(r - g->righeFisse(), 1);
    v->scrollTo(i);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
}

// Shows the window at its natural size, as the MDI area first places it, and tells whether its grid
// would scroll sideways. The window's picture is saved as <nome>.png (see AmbienteTest::foto).
inline bool ScorreDiLato(Finestra* w, const QString& nome)
{
    QWidget* c = w->contenitore();
    c->resize(c->sizeHint());
    QTest::qWait(50);
    QApplication::processEvents();
    AmbienteTest::foto(c, nome + QStringLiteral(".png"));
    const Griglia* g = w->findChild<Griglia*>(QStringLiteral("Grid1"));
    return g && g->vista()->horizontalScrollBar()->isVisible();
}
