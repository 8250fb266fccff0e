#include "calendar/ricercapartitequeries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"

#include <algorithm>
#include <tuple>

namespace {

// Season order: the first leg before the return leg, then match day, row and key.
auto Chiave(const PosizioneStagione& p) { return std::make_tuple(p.andata ? 0 : 1, p.giornata, p.riga, p.codPart); }

// A date as shown: the blank that stands for an empty text reads empty.
QString Data(const QVariant& partita, const QVariant& giornata)
{
    const QString d = NullInVuoto(partita).trimmed();
    return d.isEmpty() ? NullInVuoto(giornata).trimmed() : d;
}

// Both legs of the PARTITA rows that `filtro` selects, with the played flags of their match days.
struct Lettura {
    PartitaGirone andata;
    PartitaGirone ritorno;
    bool giornataGiocataAnd = false;
    bool giornataGiocataRit = false;
};

QVector<Lettura> Leggi(const QString& filtro, const QVariantList& parametri)
{
    Query q(QStringLiteral(
                "SELECT P.CODPART, P.GIORNATANUM, P.RIGA, P.SQ1, P.SQ2, P.DISPAND, P.DISPRIT, P.G1A, P.G2A, P.G1R, "
                "P.G2R, P.DATAAND, P.DATARIT, "
                "(SELECT G.DATAAND FROM GIORNATA G WHERE G.NUMERO = P.GIORNATANUM ORDER BY G.rowid LIMIT 1), "
                "(SELECT G.DATARIT FROM GIORNATA G WHERE G.NUMERO = P.GIORNATANUM ORDER BY G.rowid LIMIT 1), "
                "EXISTS (SELECT 1 FROM GIORNATA G WHERE G.NUMERO = P.GIORNATANUM AND G.DISPAND = ?), "
                "EXISTS (SELECT 1 FROM GIORNATA G WHERE G.NUMERO = P.GIORNATANUM AND G.DISPRIT = ?) "
                "FROM PARTITA P %1 ORDER BY P.GIORNATANUM, P.RIGA, P.CODPART")
                .arg(filtro),
            QVariantList{VERO, VERO} + parametri);
    // One leg of the row: in the first leg SQ1 is at home (G1A, G2A), in the return leg SQ2 (G2R, G1R).
    const auto gara = [&q](bool andata) {
        PartitaGirone p;
        p.codPart = q.intero(0);
        p.giornata = q.intero(1);
        p.riga = q.intero(2);
        p.andata = andata;
        p.casa = q.testo(andata ? 3 : 4);
        p.ospite = q.testo(andata ? 4 : 3);
        p.disputata = Disputata(q.valore(andata ? 5 : 6));
        p.golCasa = NullInVuoto(q.valore(andata ? 7 : 10));
        p.golOspite = NullInVuoto(q.valore(andata ? 8 : 9));
        p.data = Data(q.valore(andata ? 11 : 12), q.valore(andata ? 13 : 14));
        return p;
    };
    QVector<Lettura> righe;
    while (q.next()) righe.append({gara(true), gara(false), q.intero(15) != 0, q.intero(16) != 0});
    return righe;
}

}  // namespace

QString PartitaGirone::risultato() const
{
    return disputata ? golCasa + QStringLiteral(" - ") + golOspite : QStringLiteral("n.d.");
}

QString PartitaGirone::girone() const { return andata ? QStringLiteral("Andata") : QStringLiteral("Ritorno"); }

QVector<PartitaGirone> RicercaPartiteQueries::daRecuperare()
{
    QVector<PartitaGirone> andata;
    QVector<PartitaGirone> ritorno;
    for (const Lettura& r : Leggi(QString(), {})) {
        if (r.giornataGiocataAnd && !r.andata.disputata) andata.append(r.andata);
        if (r.giornataGiocataRit && !r.ritorno.disputata) ritorno.append(r.ritorno);
    }
    return andata + ritorno;
}

QVector<PartitaGirone> RicercaPartiteQueries::dellaSquadra(const QString& squadra, int ultimaGiornata)
{
    QVector<PartitaGirone> andata;
    QVector<PartitaGirone> ritorno;
    const QVector<Lettura> righe =
        Leggi(QStringLiteral("WHERE (P.SQ1 = ? OR P.SQ2 = ?) AND P.GIORNATANUM BETWEEN 1 AND ?"),
              {squadra, squadra, ultimaGiornata});
    for (const Lettura& r : righe) {
        andata.append(r.andata);
        ritorno.append(r.ritorno);
    }
    return andata + ritorno;
}

PosizioneStagione RicercaPartiteQueries::posizione(const PartitaGirone& p)
{
    return {p.andata, p.giornata, p.riga, p.codPart};
}

PosizioneStagione RicercaPartiteQueries::posizione(bool andata, int giornata) { return {andata, giornata, 0, 0}; }

std::optional<int> RicercaPartiteQueries::nellaGiornata(const QVector<PartitaGirone>& partite, bool andata,
                                                        int giornata)
{
    for (int i = 0; i < partite.size(); ++i)
        if (partite[i].andata == andata && partite[i].giornata == giornata) return i;
    return std::nullopt;
}

std::optional<int> RicercaPartiteQueries::successiva(const QVector<PartitaGirone>& partite, const PosizioneStagione& da)
{
    for (int i = 0; i < partite.size(); ++i)
        if (Chiave(posizione(partite[i])) > Chiave(da)) return i;
    return std::nullopt;
}

std::optional<int> RicercaPartiteQueries::precedente(const QVector<PartitaGirone>& partite, const PosizioneStagione& da)
{
    for (int i = int(partite.size()) - 1; i >= 0; --i)
        if (Chiave(posizione(partite[i])) < Chiave(da)) return i;
    return std::nullopt;
}
