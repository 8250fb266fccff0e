#pragma once

#include <optional>
#include <QString>
#include <QVector>

// The last match day played, by its number and leg.
struct UltimaGiornataDisputata {
    int numero = 0;
    bool andata = true;

    // "7 (Andata)", "12 (Ritorno)".
    QString testo() const;
};

// One line of the suspended players: the name as the list shows it and the player's team.
struct Squalificato {
    QString nome;
    QString squadra;
};

class SqualificatiQueries {
public:
    // The highest match day whose return leg is flagged played; without one, the highest whose first
    // leg is. Nothing when no first leg is flagged played (the season has not started), whatever the
    // return-leg flags say.
    static std::optional<UltimaGiornataDisputata> ultimaGiornata();

    // Who misses the match day after `ultima`: every player sent off in it, then every player booked in
    // it whose bookings over the whole file come to 1 to 7 times `ammonizioniPerSqualifica` (a sending-off
    // is no booking). One line per appearance row, in the order the rows were written. A player of the
    // squads is named in the style `formatoNome`; a name typed into a line-up (no player code) keeps its
    // typed name and is counted by that name and its team. Throws ErroreDatabase.
    static QVector<Squalificato> squalificati(const UltimaGiornataDisputata& ultima, int ammonizioniPerSqualifica,
                                              int formatoNome);

    // Whether `ammonizioni` bookings bring a suspension at one every `soglia` (1 to 7 times it).
    static bool raggiungeSoglia(int ammonizioni, int soglia);
};
