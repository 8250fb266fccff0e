#pragma once

#include <optional>
#include <QString>
#include <QVector>

// One leg of a pairing: the home team of the leg first, with its goals first.
struct PartitaGirone {
    int codPart = 0;
    int giornata = 0;
    bool andata = true;  // true: first leg; false: return leg
    int riga = 0;
    QString data;  // the match's date of that leg, else the match day's; "" when neither is given
    QString casa;
    QString ospite;
    bool disputata = false;
    QString golCasa;  // "" when the field is Null
    QString golOspite;

    // Home goals " - " away goals when played, "n.d." otherwise.
    QString risultato() const;
    // "Andata" or "Ritorno".
    QString girone() const;
};

// A place in the season: the leg, the match day and, on a match, its row and key (0 between matches).
struct PosizioneStagione {
    bool andata = true;
    int giornata = 0;
    int riga = 0;
    int codPart = 0;
};

// The reads of the postponed matches and of the result search, and the steps through a team's season.
class RicercaPartiteQueries {
public:
    // Every leg not played in a match day registered as played in that leg (its GIORNATA flag True):
    // the first legs by match day, then the return legs by match day, each day in row order.
    // Throws ErroreDatabase.
    static QVector<PartitaGirone> daRecuperare();

    // Both legs of every pairing of `squadra` in match days 1..ultimaGiornata, in season order: the first
    // legs of match days 1..n, then the return legs of match days 1..n. Throws ErroreDatabase.
    static QVector<PartitaGirone> dellaSquadra(const QString& squadra, int ultimaGiornata);

    // The place of a match, and the place of a match day with no match of the team shown.
    static PosizioneStagione posizione(const PartitaGirone& p);
    static PosizioneStagione posizione(bool andata, int giornata);

    // The index in `partite` (season order) of the first match of that leg and match day, of the first
    // match after `da` and of the last match before it; nullopt when there is none.
    static std::optional<int> nellaGiornata(const QVector<PartitaGirone>& partite, bool andata, int giornata);
    static std::optional<int> successiva(const QVector<PartitaGirone>& partite, const PosizioneStagione& da);
    static std::optional<int> precedente(const QVector<PartitaGirone>& partite, const PosizioneStagione& da);
};
