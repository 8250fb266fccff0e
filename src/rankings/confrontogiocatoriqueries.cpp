#include "rankings/confrontogiocatoriqueries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"
#include "rankings/classifichecalcolatequeries.h"

namespace {

const QString NON_DISPONIBILE = QStringLiteral("N.D.");

// The goal rows: label and kind; the total comes first.
struct VoceRete {
    const char* etichetta;
    int tipo;
};
constexpr VoceRete TIPI_RETE[] = {
    {"Tiri di destro", TIPO_DESTRO}, {"Tiri di sinistro", TIPO_SINISTRO},
    {"Colpi di testa", TIPO_TESTA},  {"Calci di punizione", TIPO_PUNIZIONE},
    {"Rigori", TIPO_RIGORE},         {"Rovesciate", TIPO_ROVESCIATA},
    {"Colpi di tacco", TIPO_TACCO},  {"[Non specificate]", TIPO_NON_INDICATO},
};

// Which sides a player code read from the file stands on (both when the same player was chosen twice).
template <typename F> void PerLato(const ConfrontoGiocatoriQueries::Coppia& giocatori, int codice, F f)
{
    for (int lato = 0; lato < 2; ++lato)
        if (giocatori[lato] == codice) f(lato);
}

// The row of a round of a leg among the season's rows, or -1 for a round beyond the leg.
int Riga(int giornata, bool andata, int giornatePerGirone)
{
    if (giornata < 1 || giornata > giornatePerGirone) return -1;
    return (andata ? 0 : giornatePerGirone) + giornata - 1;
}

}  // namespace

namespace ConfrontoGiocatoriQueries {

std::optional<QString> NomeGiocatore(int codice)
{
    Query q(QStringLiteral("SELECT Nome, Cognome FROM Giocatore WHERE Codice = ? ORDER BY Codice"), {codice});
    if (!q.primo()) return std::nullopt;
    return QLatin1Char(' ') + NullInVuoto(q.valore(0)) + QLatin1Char(' ') + NullInVuoto(q.valore(1));
}

QVector<QStringList> RigheVoti(const Coppia& giocatori)
{
    struct Statistica {
        int quanti = 0;
        double massimo = 0, minimo = 0, ultimo = 0, somma = 0;
    } s[2];
    // Rated appearances in the order of the season: the first leg (-1) before the return leg (0).
    Query q(QStringLiteral("SELECT CodGiocatore, Voto FROM Presenze WHERE CodGiocatore IN (?, ?) "
                           "AND Voto BETWEEN 1 AND 10 ORDER BY Girone, Giornata, Codice"),
            {giocatori[0], giocatori[1]});
    while (q.next()) {
        const double voto = q.numero(1);
        PerLato(giocatori, q.intero(0), [&](int lato) {
            Statistica& x = s[lato];
            x.massimo = x.quanti ? qMax(x.massimo, voto) : voto;
            x.minimo = x.quanti ? qMin(x.minimo, voto) : voto;
            x.ultimo = voto;
            x.somma += voto;
            ++x.quanti;
        });
    }
    const auto testo = [&](int lato, double valore) {
        return s[lato].quanti ? ClassificheCalcolate::TestoMedia(valore) : NON_DISPONIBILE;
    };
    return {{QStringLiteral("Voto più alto"), testo(0, s[0].massimo), testo(1, s[1].massimo)},
            {QStringLiteral("Voto più basso"), testo(0, s[0].minimo), testo(1, s[1].minimo)},
            {QStringLiteral("Ultimo voto"), testo(0, s[0].ultimo), testo(1, s[1].ultimo)},
            {QStringLiteral("Voto medio"), testo(0, s[0].somma / qMax(1, s[0].quanti)),
             testo(1, s[1].somma / qMax(1, s[1].quanti))}};
}

QVector<QStringList> RigheReti(const Coppia& giocatori)
{
    QHash<int, int> perTipo[2];
    int totale[2] = {0, 0};
    Query q(QStringLiteral("SELECT CodGiocatore, Tipo, COUNT(*) FROM Reti WHERE CodGiocatore IN (?, ?) "
                           "AND Tipo IS NOT NULL GROUP BY CodGiocatore, Tipo"),
            {giocatori[0], giocatori[1]});
    while (q.next()) {
        const int tipo = q.intero(1);
        const int quante = q.intero(2);
        PerLato(giocatori, q.intero(0), [&](int lato) {
            perTipo[lato][tipo] += quante;
            if (!Autorete(tipo)) totale[lato] += quante;
        });
    }
    QVector<QStringList> righe{{QStringLiteral("Totale reti"), QString::number(totale[0]), QString::number(totale[1])}};
    for (const VoceRete& v : TIPI_RETE)
        righe.append({QString::fromUtf8(v.etichetta), QString::number(perTipo[0].value(v.tipo)),
                      QString::number(perTipo[1].value(v.tipo))});
    return righe;
}

std::array<PerGiornata, 2> RetiPerGiornata(const Coppia& giocatori, int giornatePerGirone)
{
    std::array<PerGiornata, 2> reti{PerGiornata(2 * giornatePerGirone), PerGiornata(2 * giornatePerGirone)};
    Query q(QStringLiteral("SELECT r.CodGiocatore, p.GiornataNum, r.Girone, COUNT(*) FROM Reti r "
                           "INNER JOIN Partita p ON r.CodPart = p.CodPart "
                           "WHERE r.CodGiocatore IN (?, ?) AND r.Tipo <> ? AND r.Girone IN (?, ?) "
                           "GROUP BY r.CodGiocatore, p.GiornataNum, r.Girone"),
            {giocatori[0], giocatori[1], TIPO_AUTORETE, GIRONE_RETI_ANDATA, GIRONE_RETI_RITORNO});
    while (q.next()) {
        const int riga = Riga(q.intero(1), q.intero(2) == GIRONE_RETI_ANDATA, giornatePerGirone);
        if (riga >= 0) PerLato(giocatori, q.intero(0), [&](int lato) { reti[lato][riga] += q.intero(3); });
    }
    for (PerGiornata& r : reti)
        for (int i = 1; i < r.size(); ++i) r[i] += r[i - 1];
    return reti;
}

std::array<PerGiornata, 2> VotiPerGiornata(const Coppia& giocatori, int giornatePerGirone)
{
    std::array<PerGiornata, 2> voti{PerGiornata(2 * giornatePerGirone), PerGiornata(2 * giornatePerGirone)};
    std::array<QVector<bool>, 2> letto{QVector<bool>(2 * giornatePerGirone), QVector<bool>(2 * giornatePerGirone)};
    Query q(QStringLiteral("SELECT CodGiocatore, Giornata, Girone, Voto FROM Presenze "
                           "WHERE CodGiocatore IN (?, ?) AND Voto <> ? AND Girone IN (?, ?) ORDER BY Codice"),
            {giocatori[0], giocatori[1], SENZA_VOTO, GironePresenze(true), GironePresenze(false)});
    while (q.next()) {
        const int riga = Riga(q.intero(1), q.intero(2) == GironePresenze(true), giornatePerGirone);
        if (riga < 0) continue;
        PerLato(giocatori, q.intero(0), [&](int lato) {
            if (letto[lato][riga]) return;
            letto[lato][riga] = true;
            voti[lato][riga] = q.numero(3);
        });
    }
    return voti;
}

}  // namespace ConfrontoGiocatoriQueries
