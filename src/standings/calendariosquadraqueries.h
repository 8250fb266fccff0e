#pragma once

#include <QString>
#include <QVector>

// The rows of a team's schedule: every match day of the first leg, then every match day of the
// return leg, each holding the team's pairing or its rest day, with a blank row before a pairing of
// match day 1 in each leg.
struct RigaTabellaDiMarcia {
    enum class Tipo { Vuota, Riposo, Partita };
    enum class Esito { Nessuno, Vittoria, Pareggio, Sconfitta };

    Tipo tipo = Tipo::Vuota;
    bool andata = true;
    QString giornata;  // the match day number as stored
    QString data;
    QString ora;
    QString casa;
    QString ospite;
    QString risultato;             // home goals first, "N.D." while not played
    int codPart = -1;              // PARTITA.CODPART of a pairing row, -1 otherwise
    Esito esito = Esito::Nessuno;  // the team's result in a played leg with both scores

    // The eight cells of the grid row; a blank row is empty and a rest row stops after the teams.
    QStringList celle() const;
};

class CalendarioSquadraQueries {
public:
    // The schedule of `squadra` (names compared ignoring case, as the file compares them). A match
    // day in which the team neither plays nor rests is left out. No match day at all gives one
    // blank row. Throws ErroreDatabase when the file cannot be read.
    static QVector<RigaTabellaDiMarcia> tabellaDiMarcia(const QString& squadra);
};
