#include "players/colonnegriglia.h"

#include "platform/griglia.h"

#include <QFontMetrics>

void AllargaColonneAlTesto(Griglia* griglia)
{
    constexpr int MARGINE = 12;  // px around the text
    QFont nero = griglia->font();
    nero.setBold(true);
    const QFontMetrics normale(griglia->font());
    const QFontMetrics grassetto(nero);
    for (int c = 0; c < griglia->colonne(); ++c) {
        int serve = 0;
        for (int r = griglia->righeFisse(); r < griglia->righe(); ++r) {
            const QFontMetrics& m = griglia->grassetto(r, c) ? grassetto : normale;
            serve = qMax(serve, m.horizontalAdvance(griglia->testo(r, c)) + MARGINE);
        }
        if (serve > griglia->larghezzaColonnaPx(c)) griglia->impostaLarghezzaColonnaPx(c, serve);
    }
}
