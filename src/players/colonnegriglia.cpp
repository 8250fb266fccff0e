#include "players/colonnegriglia.h"

#include "platform/delegatogriglia.h"
#include "platform/griglia.h"

#include <QHeaderView>
#include <QtMath>
#include <QTreeWidget>
#include <QVector>

void AllargaColonneAlTesto(Griglia* griglia)
{
    constexpr int MARGINE = 12;  // px around the text
    QFont nero = griglia->font();
    nero.setBold(true);
    const QFont normale = griglia->font();
    for (int c = 0; c < griglia->colonne(); ++c) {
        int serve = 0;
        for (int r = griglia->righeFisse(); r < griglia->righe(); ++r) {
            // Measured as the cells draw them, so that each text is measured once for both.
            const qreal testo =
                DelegatoGriglia::larghezzaTesto(griglia->grassetto(r, c) ? nero : normale, griglia->testo(r, c));
            serve = qMax(serve, qRound(testo) + MARGINE);
        }
        if (serve > griglia->larghezzaColonnaPx(c)) griglia->impostaLarghezzaColonnaPx(c, serve);
    }
}

// The view is asked only for the cells whose text comes within a few px of the widest (each text measured once, as
// the grid cells measure it), not for every row of a list of hundreds.
int LarghezzaContenuto(const QTreeWidget* elenco, int c)
{
    const QFont carattere = elenco->font();
    const int righe = elenco->topLevelItemCount();
    QVector<qreal> testi(righe);
    qreal massimo = 0;
    for (int r = 0; r < righe; ++r) {
        testi[r] = DelegatoGriglia::larghezzaTesto(carattere, elenco->topLevelItem(r)->text(c));
        massimo = qMax(massimo, testi[r]);
    }
    constexpr qreal TOLLERANZA = 4;  // px: the view lays the text out on its own, to a rounding
    int serve = 0;
    for (int r = 0; r < righe; ++r)
        if (testi[r] >= massimo - TOLLERANZA)
            serve = qMax(serve, elenco->sizeHintForIndex(elenco->model()->index(r, c)).width());
    return qMax(serve, elenco->header()->isHidden() ? 0 : elenco->header()->sectionSizeHint(c));
}
