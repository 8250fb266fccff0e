#include "standings/almanaccoqueries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"

namespace {

// The two legs of columns `colonna` and `colonna + 1` of a one-row aggregate: Null (a sum over no row) is 0.
FiguraAlmanacco Figura(const Query& q, int colonna) { return {q.intero64(colonna), q.intero64(colonna + 1)}; }

QStringList Riga(const QString& etichetta, const FiguraAlmanacco& f)
{
    return {etichetta, QString::number(f.andata.valore()), QString::number(f.ritorno.valore()),
            QString::number(f.totale().valore())};
}

QString TestoMedia(Totale reti, Totale partite)
{
    return NullInVuoto(QVariant(Media(reti.valore(), partite.valore())));
}

}  // namespace

DatiAlmanacco AlmanaccoQueries::CalcolaAlmanacco()
{
    // One pass over each table, every figure a sum of the rows that meet its condition. A comparison with
    // a Null field meets none; goals of a played leg with a Null score count as none. Goals are summed by
    // TOTAL, which never fails: SUM stops with an error when the scores of the file add up past 64 bits.
    DatiAlmanacco d;
    {
        Query q(QStringLiteral("SELECT SUM(CASE WHEN DispAnd = ? THEN 1 ELSE 0 END), "
                               "SUM(CASE WHEN DispRit = ? THEN 1 ELSE 0 END) FROM Giornata"),
                {VERO, VERO});
        if (q.next()) d.turni = Figura(q, 0);
    }
    {
        Query q(QStringLiteral("SELECT SUM(CASE WHEN DispAnd = ? THEN 1 ELSE 0 END), "
                               "SUM(CASE WHEN DispRit = ? THEN 1 ELSE 0 END), "
                               "SUM(CASE WHEN DispAnd = ? AND G1A > G2A THEN 1 ELSE 0 END), "
                               "SUM(CASE WHEN DispRit = ? AND G2R > G1R THEN 1 ELSE 0 END), "
                               "SUM(CASE WHEN DispAnd = ? AND G1A = G2A THEN 1 ELSE 0 END), "
                               "SUM(CASE WHEN DispRit = ? AND G2R = G1R THEN 1 ELSE 0 END), "
                               "TOTAL(CASE WHEN DispAnd = ? THEN G1A + G2A END), "
                               "TOTAL(CASE WHEN DispRit = ? THEN G1R + G2R END) FROM Partita"),
                {VERO, VERO, VERO, VERO, VERO, VERO, VERO, VERO});
        if (q.next()) {
            d.partite = Figura(q, 0);
            d.vittorie = Figura(q, 2);
            d.pareggi = Figura(q, 4);
            d.reti = Figura(q, 6);
        }
    }
    {
        // Penalties by the leg of their goal record, whether or not the leg was played.
        Query q(QStringLiteral("SELECT SUM(CASE WHEN Girone = ? THEN 1 ELSE 0 END), "
                               "SUM(CASE WHEN Girone = ? THEN 1 ELSE 0 END) FROM Reti WHERE Tipo = ?"),
                {GIRONE_RETI_ANDATA, GIRONE_RETI_RITORNO, TIPO_RIGORE});
        if (q.next()) d.rigori = Figura(q, 0);
    }
    {
        // Booked: a card code from 1 to 100; sent off: above 100. The rows without a card (nearly all of them) are
        // passed over by the one comparison of the WHERE clause.
        const int andata = GironePresenze(true), ritorno = GironePresenze(false);
        Query q(QStringLiteral("SELECT SUM(CASE WHEN Girone = ? AND Ammonito BETWEEN ? AND ? THEN 1 ELSE 0 END), "
                               "SUM(CASE WHEN Girone = ? AND Ammonito BETWEEN ? AND ? THEN 1 ELSE 0 END), "
                               "SUM(CASE WHEN Girone = ? AND Ammonito > ? THEN 1 ELSE 0 END), "
                               "SUM(CASE WHEN Girone = ? AND Ammonito > ? THEN 1 ELSE 0 END) FROM Presenze "
                               "WHERE Ammonito >= ?"),
                {andata, CARTELLINO_GIALLO, CARTELLINO_ROSSO - 1, ritorno, CARTELLINO_GIALLO, CARTELLINO_ROSSO - 1,
                 andata, CARTELLINO_ROSSO - 1, ritorno, CARTELLINO_ROSSO - 1, CARTELLINO_GIALLO});
        if (q.next()) {
            d.ammonizioni = Figura(q, 0);
            d.espulsioni = Figura(q, 2);
        }
    }
    return d;
}

QStringList AlmanaccoQueries::EtichetteAlmanacco()
{
    return {
        QStringLiteral("Turni disputati"), QStringLiteral("Partite disputate"), QStringLiteral("Vittorie"),
        QStringLiteral("Pareggi"),         QStringLiteral("Reti segnate"),      QStringLiteral("Media gol per partita"),
        QStringLiteral("Rigori"),          QStringLiteral("Ammonizioni"),       QStringLiteral("Espulsioni")};
}

QVector<QStringList> AlmanaccoQueries::TabellaAlmanacco(const DatiAlmanacco& d)
{
    const QStringList e = EtichetteAlmanacco();
    return {
        Riga(e[0], d.turni),
        Riga(e[1], d.partite),
        Riga(e[2], d.vittorie),
        Riga(e[3], d.pareggi),
        Riga(e[4], d.reti),
        {e[5], TestoMedia(d.reti.andata, d.partite.andata), TestoMedia(d.reti.ritorno, d.partite.ritorno),
         TestoMedia(d.reti.totale(), d.partite.totale())},
        Riga(e[6], d.rigori),
        Riga(e[7], d.ammonizioni),
        Riga(e[8], d.espulsioni),
    };
}
