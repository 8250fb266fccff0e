#include "rankings/confrontotabellequeries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"

namespace {

const QString RIPOSO = QStringLiteral("Turno di riposo");

bool StessaSquadra(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

SquadraInRiga::Esito Esito(const QVariant& propri, const QVariant& altrui)
{
    using E = SquadraInRiga::Esito;
    if (propri.isNull() || altrui.isNull()) return E::Nessuno;
    const int f = InteroDi(propri), s = InteroDi(altrui);
    return f > s ? E::Vittoria : f == s ? E::Pareggio : E::Sconfitta;
}

// The team's cells for one leg of its pairing.
SquadraInRiga Colonne(const PartitaConfronto& p, bool andata, const QString& squadra)
{
    SquadraInRiga c;
    c.partita = true;
    c.casa = andata ? p.sq1 : p.sq2;
    c.ospite = andata ? p.sq2 : p.sq1;
    c.inCasa = StessaSquadra(c.casa, squadra);
    const bool disputata = andata ? p.disputataAnd : p.disputataRit;
    const QVariant& gol1 = andata ? p.g1a : p.g1r;
    const QVariant& gol2 = andata ? p.g2a : p.g2r;
    c.risultato = andata ? TestoRisultato(disputata, gol1, gol2) : TestoRisultato(disputata, gol2, gol1);
    if (!disputata) return c;
    c.esito = StessaSquadra(p.sq1, squadra) ? Esito(gol1, gol2) : Esito(gol2, gol1);
    return c;
}

SquadraInRiga ColonneDellaGiornata(const GiornataConfronto& g, const QVector<PartitaConfronto>& partite, bool andata,
                                   const QString& squadra)
{
    if (StessaSquadra(g.riposa, squadra)) {
        SquadraInRiga c;
        c.casa = RIPOSO;
        return c;
    }
    for (const PartitaConfronto& p : partite)
        if (p.giornata == g.numero && (StessaSquadra(p.sq1, squadra) || StessaSquadra(p.sq2, squadra)))
            return Colonne(p, andata, squadra);
    return {};
}

}  // namespace

QString TestoRisultato(bool disputata, const QVariant& golCasa, const QVariant& golOspite)
{
    if (!disputata) return QStringLiteral("N.D.");
    return NullInVuoto(golCasa) + QStringLiteral(" - ") + NullInVuoto(golOspite);
}

QStringList RigaConfronto::celle() const
{
    if (vuota) return QStringList(11, QString());
    QStringList c{andata ? QStringLiteral("A") : QStringLiteral("R"), testoGiornata};
    for (int i = 0; i < 2; ++i) {
        if (i == 1) c << QString();
        c << QString() << squadre[i].casa << squadre[i].ospite << squadre[i].risultato;
    }
    return c;
}

QVector<RigaConfronto> RigheConfronto(const QVector<GiornataConfronto>& giornate,
                                      const QVector<PartitaConfronto>& partite, const QString& a, const QString& b)
{
    if (giornate.isEmpty()) return {RigaConfronto{}};
    QVector<RigaConfronto> righe;
    righe.reserve(2 * giornate.size() + 2);
    for (bool andata : {true, false}) {
        for (const GiornataConfronto& g : giornate) {
            if (g.numero == 1) righe << RigaConfronto{};
            RigaConfronto r;
            r.vuota = false;
            r.andata = andata;
            r.giornata = g.numero;
            r.testoGiornata = g.testoNumero;
            r.squadre[0] = ColonneDellaGiornata(g, partite, andata, a);
            r.squadre[1] = ColonneDellaGiornata(g, partite, andata, b);
            righe << r;
        }
    }
    return righe;
}

QVector<RigaConfronto> ConfrontoTabelleQueries::confronto(const QString& a, const QString& b)
{
    QVector<GiornataConfronto> giornate;
    {
        Query q(QStringLiteral("SELECT Numero, Riposa FROM Giornata ORDER BY Numero, rowid"));
        while (q.next()) giornate << GiornataConfronto{q.intero(0), NullInVuoto(q.valore(0)), q.testo(1)};
    }
    QVector<PartitaConfronto> partite;
    {
        Query q(QStringLiteral("SELECT GiornataNum, Sq1, Sq2, DispAnd, DispRit, G1A, G2A, G1R, G2R FROM Partita "
                               "WHERE Sq1 IN (?, ?) OR Sq2 IN (?, ?) ORDER BY GiornataNum, rowid"),
                {a, b, a, b});
        while (q.next())
            partite << PartitaConfronto{
                q.intero(0), q.testo(1),  q.testo(2), Disputata(q.valore(3)), Disputata(q.valore(4)), q.valore(5),
                q.valore(6), q.valore(7), q.valore(8)};
    }
    return RigheConfronto(giornate, partite, a, b);
}
