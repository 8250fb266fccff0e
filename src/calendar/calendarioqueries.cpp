#include "calendar/calendarioqueries.h"

#include "core/codici.h"
#include "core/database.h"

namespace {

QString golLetto(const Query& q, const QString& campo)
{
    const QVariant v = q.valore(campo);
    return v.isNull() ? QString() : QString::number(InteroDi(v));
}

}  // namespace

QString IncontroGiornata::risultato() const
{
    return disputata ? golCasa + QStringLiteral(" - ") + golOspite : QStringLiteral("-");
}

GiornataCalendario CalendarioQueries::leggi(int giornata, bool andata)
{
    GiornataCalendario g;
    g.giornata = giornata;
    g.andata = andata;
    const QString sql =
        andata ? QStringLiteral("SELECT CodPart, Sq1 AS Casa, Sq2 AS Ospite, G1A AS GolCasa, G2A AS GolOspite, "
                                "DispAnd AS Disp, DataAnd AS Data, HAnd AS Ora FROM Partita "
                                "WHERE GiornataNum = ? ORDER BY Sq1, Sq2, rowid")
               : QStringLiteral("SELECT CodPart, Sq2 AS Casa, Sq1 AS Ospite, G2R AS GolCasa, G1R AS GolOspite, "
                                "DispRit AS Disp, DataRit AS Data, HRit AS Ora FROM Partita "
                                "WHERE GiornataNum = ? ORDER BY Sq2, Sq1, rowid");
    Query q(sql, {giornata});
    while (q.next()) {
        IncontroGiornata i;
        i.codPart = q.intero("CodPart");
        i.casa = q.testo("Casa");
        i.ospite = q.testo("Ospite");
        i.golCasa = golLetto(q, QStringLiteral("GolCasa"));
        i.golOspite = golLetto(q, QStringLiteral("GolOspite"));
        i.disputata = Disputata(q.valore("Disp"));
        i.data = q.testo("Data").trimmed();
        i.ora = q.testo("Ora").trimmed();
        g.incontri.append(i);
    }
    Query r(QStringLiteral("SELECT Riposa FROM Giornata WHERE Numero = ? ORDER BY rowid"), {giornata});
    if (r.next()) g.riposa = r.testo(0).trimmed();
    return g;
}
