#include "platform/elencoordinato.h"

#include <algorithm>

int ElencoOrdinato::aggiungi(const QString& chiave, qint32 codice)
{
    const auto dopo = std::upper_bound(voci_.begin(), voci_.end(), chiave, [](const QString& k, const Voce& v) {
        return k.compare(v.chiave, Qt::CaseInsensitive) < 0;
    });
    const int indice = int(dopo - voci_.begin());
    voci_.insert(indice, Voce{chiave, codice});
    return indice;
}

QList<ElencoOrdinato::Voce> ElencoOrdinato::dallaFine() const
{
    QList<Voce> inversa(voci_.crbegin(), voci_.crend());
    return inversa;
}
