#include "players/colonnegriglia.h"

#include "platform/delegatogriglia.h"

#include <QHash>
#include <QHeaderView>
#include <QtMath>
#include <QTreeWidget>
#include <QVector>

// Each distinct text is measured once (names repeat across a list of hundreds), as the grid cells measure it; the
// view is asked only for the first cell of each text that comes within a few px of the widest.
int LarghezzaContenuto(const QTreeWidget* elenco, int c)
{
    const QFont carattere = elenco->font();
    QHash<QString, qreal> misure;
    QVector<int> prime;  // the first row of each distinct text
    qreal massimo = 0;
    for (int r = 0; r < elenco->topLevelItemCount(); ++r) {
        const QString testo = elenco->topLevelItem(r)->text(c);
        if (misure.contains(testo)) continue;
        const qreal larghezza = DelegatoGriglia::larghezzaTesto(carattere, testo);
        misure.insert(testo, larghezza);
        prime << r;
        massimo = qMax(massimo, larghezza);
    }
    constexpr qreal TOLLERANZA = 4;  // px: the view lays the text out on its own, to a rounding
    int serve = 0;
    for (int r : prime)
        if (misure.value(elenco->topLevelItem(r)->text(c)) >= massimo - TOLLERANZA)
            serve = qMax(serve, elenco->sizeHintForIndex(elenco->model()->index(r, c)).width());
    serve = qMin(serve, qCeil(DelegatoGriglia::larghezzaMassimaTesto(carattere)));
    return qMax(serve, elenco->header()->isHidden() ? 0 : elenco->header()->sectionSizeHint(c));
}
