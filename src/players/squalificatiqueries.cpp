#include "players/squalificatiqueries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"

#include <QHash>

namespace {

// How many times the threshold can be reached and still suspend.
constexpr int VOLTE_SOGLIA = 7;

// The highest match day with the leg flag `campo` set to played.
std::optional<int> UltimaConFlag(const QString& campo)
{
    const QVariant v = Valore(QStringLiteral("SELECT MAX(Numero) FROM Giornata WHERE %1 = ?").arg(campo), {VERO});
    if (!v.isValid() || v.isNull()) return std::nullopt;
    return InteroDi(v);
}

// Whose bookings an appearance row counts towards: the player's code, or a typed-in name with its team.
QString Chiave(const QVariant& codice, const QString& nome, const QString& squadra)
{
    const int c = codice.isNull() ? GIOCATORE_NON_IN_ROSA : InteroDi(codice);
    if (c > 0) return QString::number(c);
    return QStringLiteral("-\t%1\t%2").arg(nome.trimmed().toLower(), squadra.trimmed().toLower());
}

struct Riga {
    QVariant codice;
    QString nome;
    QString squadra;
    int cartellino = 0;
    QString chiave() const { return Chiave(codice, nome, squadra); }
};

// The rows of an appearance query of the columns CodGiocatore, Nome, Squadra, Ammonito.
QVector<Riga> Righe(Query& q)
{
    QVector<Riga> r;
    while (q.next()) r.append({q.valore(0), NullInVuoto(q.valore(1)), NullInVuoto(q.valore(2)), q.intero(3)});
    return r;
}

}  // namespace

QString UltimaGiornataDisputata::testo() const
{
    return QString::number(numero) + (andata ? QStringLiteral(" (Andata)") : QStringLiteral(" (Ritorno)"));
}

std::optional<UltimaGiornataDisputata> SqualificatiQueries::ultimaGiornata()
{
    const std::optional<int> andata = UltimaConFlag(QStringLiteral("DispAnd"));
    if (!andata) return std::nullopt;
    if (const std::optional<int> ritorno = UltimaConFlag(QStringLiteral("DispRit")))
        return UltimaGiornataDisputata{*ritorno, false};
    return UltimaGiornataDisputata{*andata, true};
}

bool SqualificatiQueries::raggiungeSoglia(int ammonizioni, int soglia)
{
    return soglia >= 1 && ammonizioni > 0 && ammonizioni % soglia == 0 && ammonizioni / soglia <= VOLTE_SOGLIA;
}

QVector<Squalificato> SqualificatiQueries::squalificati(const UltimaGiornataDisputata& ultima,
                                                        int ammonizioniPerSqualifica, int formatoNome)
{
    // The cards of the match day, with the squad player's name where the row has one.
    Query q(
        QStringLiteral("SELECT p.CodGiocatore, p.Nome, p.Squadra, p.Ammonito, p.Ammonito BETWEEN 1 AND 100, "
                       "g.Codice, g.Nome, g.Cognome FROM Presenze p LEFT JOIN Giocatore g ON g.Codice = "
                       "p.CodGiocatore WHERE p.Giornata = ? AND p.Girone = ? AND p.Ammonito >= 1 ORDER BY p.Codice"),
        {ultima.numero, GironePresenze(ultima.andata)});
    QVector<Riga> delGiornoRighe;
    QHash<int, QString> nomi;
    QVariantList ammoniti;  // the players booked on the day, by code
    while (q.next()) {
        delGiornoRighe.append({q.valore(0), NullInVuoto(q.valore(1)), NullInVuoto(q.valore(2)), q.intero(3)});
        if (q.intero(4) == 1 && !q.valore(0).isNull()) ammoniti.append(q.valore(0));
        if (!q.valore(5).isNull())
            nomi.insert(q.intero(5), NomeGiocatoreElenco(NullInVuoto(q.valore(6)), NullInVuoto(q.valore(7)),
                                                         formatoNome, GiunturaIniziale::Punto));
    }

    // Every booking of whoever was booked on the match day, over the whole file: the total per player
    // and the row written last (its name and team are shown).
    QStringList segnaposti(ammoniti.size(), QStringLiteral("?"));
    Query s(QStringLiteral("SELECT CodGiocatore, Nome, Squadra, Ammonito FROM Presenze "
                           "WHERE Ammonito BETWEEN 1 AND 100 AND (CodGiocatore IS NULL OR CodGiocatore < 1 OR "
                           "CodGiocatore IN (%1)) ORDER BY Codice")
                .arg(segnaposti.join(QStringLiteral(", "))),
            ammoniti);
    QHash<QString, int> totali;
    QHash<QString, Riga> ultime;
    for (const Riga& r : Righe(s)) {
        ++totali[r.chiave()];
        ultime.insert(r.chiave(), r);
    }

    auto nome = [&nomi](const Riga& r) {
        const int c = InteroDi(r.codice);
        return !r.codice.isNull() && nomi.contains(c) ? nomi.value(c) : r.nome;
    };
    QVector<Squalificato> elenco;
    for (const Riga& r : delGiornoRighe)
        if (Espulso(r.cartellino)) elenco.append({nome(r), r.squadra});
    for (const Riga& r : delGiornoRighe) {
        if (!Ammonito(r.cartellino) || !raggiungeSoglia(totali.value(r.chiave()), ammonizioniPerSqualifica)) continue;
        const Riga ultimaRiga = ultime.value(r.chiave(), r);
        elenco.append({nome(ultimaRiga), ultimaRiga.squadra});
    }
    return elenco;
}
