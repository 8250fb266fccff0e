#pragma once

#include <optional>
#include <QString>
#include <QVector>

// One player that a team can buy, as the purchase list shows him.
struct GiocatoreAcquistabile {
    int codice = 0;
    int codSquadra = 0;
    QString cognome;
    QString nome;
    QString ruolo;
};

class AcquistoGiocatoreQueries {
public:
    // The players of every team but `acquirente`, by surname, first name and key.
    static QVector<GiocatoreAcquistabile> esclusaSquadra(int acquirente);
    // The players of one team, in the same order.
    static QVector<GiocatoreAcquistabile> diSquadra(int squadra);
    // A player by key; nothing when he is gone.
    static std::optional<GiocatoreAcquistabile> giocatore(int codice);
    // Moves the player into the buying team; nothing else of his changes. False when no row has the key any
    // more (deleted meanwhile): nothing was written.
    static bool trasferisci(int codice, int acquirente);
};
