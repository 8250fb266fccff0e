#include "fixturedati.h"

#include "core/codici.h"

int DatiFixture::autoreti() const
{
    int n = 0;
    for (const ReteFixture& r : reti)
        if (Autorete(r.tipo)) ++n;
    return n;
}

int DatiFixture::partiteGiocate() const
{
    int n = 0;
    for (const PartitaFixture& p : partite) n += int(p.disputataAnd) + int(p.disputataRit);
    return n;
}

const PartitaFixture* DatiFixture::partita(int giornata, int riga) const
{
    for (const PartitaFixture& p : partite)
        if (p.giornata == giornata && p.riga == riga) return &p;
    return nullptr;
}

const PartitaFixture* DatiFixture::partitaDiCodice(int codPart) const
{
    for (const PartitaFixture& p : partite)
        if (p.codPart == codPart) return &p;
    return nullptr;
}

QVector<const GiocatoreFixture*> DatiFixture::rosa(const QString& squadra) const
{
    QVector<const GiocatoreFixture*> r;
    for (const GiocatoreFixture& g : giocatori)
        if (g.squadra == squadra) r << &g;
    return r;
}
