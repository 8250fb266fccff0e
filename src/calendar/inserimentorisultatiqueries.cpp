#include "calendar/inserimentorisultatiqueries.h"

#include "calendar/aggiornariga.h"
#include "core/database.h"
#include "core/utilita.h"

#include <QHash>

QVariant InserimentoRisultatiQueries::gol(const QString& testo)
{
    const QString t = testo.trimmed();
    return t.isEmpty() ? QVariant() : QVariant(Val(t));
}

namespace {

QString PartitaSuperata(const IncontroGiornata& i, int giornata)
{
    return QStringLiteral("La partita %1 - %2 non è più nel calendario della giornata n° %3, o le sue squadre sono "
                          "state cambiate in un'altra finestra: nessun risultato della giornata è stato salvato.\r\r"
                          "Chiudere e riaprire la finestra per vedere la giornata com'è ora.")
        .arg(i.casa, i.ospite)
        .arg(giornata);
}

}  // namespace

QString InserimentoRisultatiQueries::superata(int giornata, bool andata, const QVector<RigaRisultato>& righe)
{
    QHash<int, std::pair<QString, QString>> squadre;  // CODPART -> SQ1, SQ2
    Query q(QStringLiteral("SELECT CodPart, Sq1, Sq2 FROM Partita WHERE GiornataNum = ?"), {giornata});
    while (q.next()) squadre.insert(q.intero(0), {q.testo(1), q.testo(2)});
    for (const RigaRisultato& r : righe) {
        const IncontroGiornata& i = r.incontro;
        const std::pair<QString, QString> mostrate = andata ? std::pair(i.casa, i.ospite) : std::pair(i.ospite, i.casa);
        if (squadre.value(i.codPart) != mostrate) return PartitaSuperata(i, giornata);
    }
    return QString();
}

void InserimentoRisultatiQueries::scrivi(int giornata, bool andata, const QVector<RigaRisultato>& righe)
{
    const QString l = andata ? QStringLiteral("A") : QStringLiteral("R");
    const QString girone = andata ? QStringLiteral("And") : QStringLiteral("Rit");
    bool risultati = false;
    Transazione t;
    for (const RigaRisultato& r : righe) {
        const IncontroGiornata& i = r.incontro;
        QVector<CampoRiga> campi;
        if (r.risultato) {
            const QVariant casa = i.disputata ? gol(i.golCasa) : QVariant();
            const QVariant ospite = i.disputata ? gol(i.golOspite) : QVariant();
            // The goals are always SQ1's and SQ2's: in the return leg the home team is SQ2.
            campi << CampoRiga{QStringLiteral("G1") + l, andata ? casa : ospite}
                  << CampoRiga{QStringLiteral("G2") + l, andata ? ospite : casa}
                  << CampoRiga{QStringLiteral("Disp") + girone, Flag(i.disputata)};
            risultati = true;
        }
        if (r.data) campi << CampoRiga{QStringLiteral("Data") + girone, VuotoInSpazio(i.data)};
        if (r.ora) campi << CampoRiga{QStringLiteral("H") + girone, VuotoInSpazio(i.ora)};
        const QString sq1 = andata ? i.casa : i.ospite;
        const QString sq2 = andata ? i.ospite : i.casa;
        AggiornaRiga(QStringLiteral("Partita"), campi,
                     QStringLiteral("CodPart = ? AND GiornataNum = ? AND Sq1 = ? AND Sq2 = ?"),
                     {i.codPart, giornata, sq1, sq2}, PartitaSuperata(i, giornata));
    }
    if (risultati) {
        const Query flag(QStringLiteral("UPDATE Giornata SET Disp%1 = CASE WHEN EXISTS (SELECT 1 FROM Partita "
                                        "WHERE GiornataNum = ? AND Disp%1 = -1) THEN -1 ELSE 0 END WHERE Numero = ?")
                             .arg(girone),
                         {giornata, giornata});
        if (flag.righeToccate() == 0)
            throw ErroreDatabase(QStringLiteral("La giornata n° %1 non è più nel calendario: nessun risultato della "
                                                "giornata è stato salvato.")
                                     .arg(giornata));
    }
    t.commit();
}
