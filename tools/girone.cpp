#include "tools/girone.h"

namespace {

// The round robin of an even number of positions `m`.
//
// Round g uses the rotation r = (g + 1) mod (m - 1) of the m - 1 moving positions: starting
// the rotation two steps in puts the schedule's unavoidable home-home and away-away pairs
// where they cannot meet a third at the turn from the first leg to the return leg.
// In rotation r, position m meets position r + 1, and the moving positions r + k and r - k
// (k = 1 .. m/2 - 1, modulo m - 1) meet each other. The still position alternates home and
// away; in the other pairs the home side alternates with k.
QVector<Accoppiamento> GironePari(int m)
{
    QVector<Accoppiamento> partite;
    const int giri = m - 1;
    partite.reserve(giri * (m / 2));
    auto posizione = [giri](int i) { return ((i % giri) + giri) % giri + 1; };
    for (int g = 1; g <= giri; ++g) {
        const int r = (g + 1) % giri;
        if (r % 2 == 0)
            partite.append({g, r + 1, m});
        else
            partite.append({g, m, r + 1});
        for (int k = 1; k < m / 2; ++k) {
            const int a = posizione(r + k);
            const int b = posizione(r - k);
            if (k % 2 == 1)
                partite.append({g, a, b});
            else
                partite.append({g, b, a});
        }
    }
    return partite;
}

}  // namespace

QVector<Accoppiamento> GironeAllItaliana(int n)
{
    if (n < 2) return {};
    if (n % 2 == 0) return GironePari(n);
    QVector<Accoppiamento> partite;
    for (const Accoppiamento& p : GironePari(n + 1))
        if (p.casa != n + 1 && p.ospite != n + 1) partite.append(p);
    return partite;
}

int RiposaNelGirone(int n, int giornata)
{
    if (n < 2 || n % 2 == 0 || giornata < 1 || giornata > n) return 0;
    for (const Accoppiamento& p : GironePari(n + 1)) {
        if (p.giornata != giornata) continue;
        if (p.casa == n + 1) return p.ospite;
        if (p.ospite == n + 1) return p.casa;
    }
    return 0;
}
