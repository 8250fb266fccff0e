#include "standings/calendariosquadraqueries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"

#include <QHash>
#include <QStringList>

namespace {

struct Giornata {
    int numero = 0;
    QString testoNumero;
    QString riposa;
    QString dataAnd;
    QString dataRit;
};

// One leg of a pairing: its date and time, whether it was played, and the goals of SQ1 and SQ2.
struct Gara {
    QString data, ora;
    bool disputata = false;
    QVariant golSq1, golSq2;
};

struct Accoppiamento {
    int codPart = -1;
    QString giornata;
    QString sq1, sq2;
    Gara andata, ritorno;
};

bool StessaSquadra(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The team's result from its goals and the opponent's; a missing score gives none.
RigaTabellaDiMarcia::Esito Esito(const QVariant& propri, const QVariant& altrui)
{
    using E = RigaTabellaDiMarcia::Esito;
    if (propri.isNull() || altrui.isNull()) return E::Nessuno;
    const int a = InteroDi(propri), b = InteroDi(altrui);
    return a > b ? E::Vittoria : a == b ? E::Pareggio : E::Sconfitta;
}

RigaTabellaDiMarcia RigaPartita(const Accoppiamento& p, bool andata, const QString& squadra)
{
    // SQ1 is at home in the first leg, SQ2 in the return leg; the result puts the home goals first.
    const Gara& gara = andata ? p.andata : p.ritorno;
    const QVariant& golCasa = andata ? gara.golSq1 : gara.golSq2;
    const QVariant& golOspite = andata ? gara.golSq2 : gara.golSq1;
    RigaTabellaDiMarcia r;
    r.tipo = RigaTabellaDiMarcia::Tipo::Partita;
    r.andata = andata;
    r.giornata = p.giornata;
    r.codPart = p.codPart;
    r.data = gara.data;
    r.ora = gara.ora;
    r.casa = andata ? p.sq1 : p.sq2;
    r.ospite = andata ? p.sq2 : p.sq1;
    if (!gara.disputata) {
        r.risultato = QStringLiteral("N.D.");
        return r;
    }
    r.risultato = NullInVuoto(golCasa) + QStringLiteral(" - ") + NullInVuoto(golOspite);
    r.esito = StessaSquadra(p.sq1, squadra) ? Esito(gara.golSq1, gara.golSq2) : Esito(gara.golSq2, gara.golSq1);
    return r;
}

}  // namespace

QStringList RigaTabellaDiMarcia::celle() const
{
    switch (tipo) {
    case Tipo::Vuota: return {};
    case Tipo::Riposo:
        return {andata ? QStringLiteral("Andata") : QStringLiteral("Ritorno"),
                giornata,
                data,
                QString(),
                QString(),
                QStringLiteral("Turno di riposo")};
    case Tipo::Partita: break;
    }
    return {andata ? QStringLiteral("Andata") : QStringLiteral("Ritorno"),
            giornata,
            data,
            ora,
            QString(),
            casa,
            ospite,
            risultato};
}

QVector<RigaTabellaDiMarcia> CalendarioSquadraQueries::tabellaDiMarcia(const QString& squadra)
{
    QVector<Giornata> giornate;
    {
        Query q(QStringLiteral("SELECT Numero, Riposa, DataAnd, DataRit FROM Giornata ORDER BY Numero, rowid"));
        while (q.next())
            giornate << Giornata{q.intero(0), NullInVuoto(q.valore(0)), q.testo(1), q.testo(2), q.testo(3)};
    }
    if (giornate.isEmpty()) return {RigaTabellaDiMarcia{}};

    // The team's first pairing of each match day, in stored order.
    QHash<int, Accoppiamento> partite;
    {
        Query q(QStringLiteral("SELECT CodPart, GiornataNum, Sq1, Sq2, DataAnd, DataRit, HAnd, HRit, DispAnd, "
                               "DispRit, G1A, G2A, G1R, G2R FROM Partita WHERE Sq1 = ? OR Sq2 = ? "
                               "ORDER BY GiornataNum, rowid"),
                {squadra, squadra});
        while (q.next()) {
            const int giornata = q.intero(1);
            if (partite.contains(giornata)) continue;
            partite.insert(
                giornata,
                Accoppiamento{q.intero(0), NullInVuoto(q.valore(1)), q.testo(2), q.testo(3),
                              Gara{q.testo(4), q.testo(6), Disputata(q.valore(8)), q.valore(10), q.valore(11)},
                              Gara{q.testo(5), q.testo(7), Disputata(q.valore(9)), q.valore(12), q.valore(13)}});
        }
    }

    QVector<RigaTabellaDiMarcia> righe;
    for (bool andata : {true, false}) {
        for (const Giornata& g : giornate) {
            if (StessaSquadra(g.riposa, squadra) && !squadra.isEmpty()) {
                RigaTabellaDiMarcia r;
                r.tipo = RigaTabellaDiMarcia::Tipo::Riposo;
                r.andata = andata;
                r.giornata = g.testoNumero;
                r.data = andata ? g.dataAnd : g.dataRit;
                righe << r;
                continue;
            }
            const auto p = partite.constFind(g.numero);
            if (p == partite.cend()) continue;
            if (g.numero == 1) righe << RigaTabellaDiMarcia{};
            righe << RigaPartita(*p, andata, squadra);
        }
    }
    return righe;
}
