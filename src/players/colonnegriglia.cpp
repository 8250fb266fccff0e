#include "players/colonnegriglia.h"

#include "platform/delegatogriglia.h"
#include "platform/griglia.h"

#include <QtMath>

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
