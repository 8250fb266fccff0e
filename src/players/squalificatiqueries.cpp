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
    return v.toInt();
}

// Whose bookings an appearance row counts towards: the player's code, or a typed-in name with its team.
QString Chiave(const QVariant& codice, const QString& nome, const QString& squadra)
{
    const int c = codice.isNull() ? GIOCATORE_NON_IN_ROSA : codice.toInt();
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
    const QVariantList giornata{ultima.numero, GironePresenze(ultima.andata)};
    const QString delGiorno =
        QStringLiteral("FROM Presenze WHERE Giornata = ? AND Girone = ? AND Ammonito >= 1 ORDER BY Codice");

    // The cards of the match day, and the names of the squad players among them.
    Query q(QStringLiteral("SELECT CodGiocatore, Nome, Squadra, Ammonito ") + delGiorno, giornata);
    const QVector<Riga> delGiornoRighe = Righe(q);
    QHash<int, QString> nomi;
    Query g(QStringLiteral("SELECT Codice, Nome, Cognome FROM Giocatore WHERE Codice IN "
                           "(SELECT CodGiocatore FROM Presenze WHERE Giornata = ? AND Girone = ? AND Ammonito >= 1)"),
            giornata);
    while (g.next())
        nomi.insert(g.intero(0), NomeGiocatoreElenco(NullInVuoto(g.valore(1)), NullInVuoto(g.valore(2)), formatoNome,
                                                     GiunturaIniziale::Punto));

    // Every booking of whoever was booked on the match day, over the whole file: the total per player
    // and the row written last (its name and team are shown).
    Query s(QStringLiteral("SELECT CodGiocatore, Nome, Squadra, Ammonito FROM Presenze "
                           "WHERE Ammonito BETWEEN 1 AND 100 AND (CodGiocatore IS NULL OR CodGiocatore < 1 OR "
                           "CodGiocatore IN (SELECT CodGiocatore FROM Presenze WHERE Giornata = ? AND Girone = ? "
                           "AND Ammonito BETWEEN 1 AND 100)) ORDER BY Codice"),
            giornata);
    QHash<QString, int> totali;
    QHash<QString, Riga> ultime;
    for (const Riga& r : Righe(s)) {
        ++totali[r.chiave()];
        ultime.insert(r.chiave(), r);
    }

    auto nome = [&nomi](const Riga& r) {
        const int c = r.codice.toInt();
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
