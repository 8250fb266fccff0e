#pragma once

#include <optional>
#include <QChar>
#include <QString>
#include <QVector>

// One player of the complete list and of the player picker.
struct GiocatoreElenco {
    int codice = 0;
    QString cognome;
    QString nome;
    QString squadra;  // his team's name; empty when his team is none of the championship's
    QString ruolo;
};

class ElencoGiocatoriQueries {
public:
    // Every player, or the players of the team `codSquadra`, by surname, first name and key.
    // Throws ErroreDatabase.
    static QVector<GiocatoreElenco> giocatori(std::optional<int> codSquadra = std::nullopt);
    // The key of the first player in that order whose surname begins with `lettera`, in either case;
    // nothing when no surname does. Throws ErroreDatabase.
    static std::optional<int> primoConIniziale(QChar lettera);
};
