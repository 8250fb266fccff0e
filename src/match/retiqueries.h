#pragma once

#include "match/editoripartita.h"

#include <array>
#include <optional>
#include <QString>
#include <QVariant>
#include <QVector>

// What the goal editor reads and writes. A goal is a RETI row kept under the scorer's own team, an
// own goal too. The tally GIOCATORE.RETI follows one rule on every step: each goal row whose scorer
// is found counts 1 for him, whatever its kind; a save or delete that takes a goal away from a
// scorer lowers his tally, never below 0.
namespace RetiQueries {

// The keys of both teams' goals in the match and leg (team 1 first), by minute code (no minute first).
std::array<QVector<int>, 2> reti(const PartitaEditore& p);

// A stored goal as the editor shows it.
struct Scheda {
    bool trovata = false;
    QString squadra;
    bool giocatoreTrovato = false;
    int codGiocatore = 0;
    QString nome, cognome;  // of the player found
    QVariant minuto;        // Null when none
    int tipo = 0;
    QString note;
};
Scheda scheda(int codice);

// What a save writes.
struct Dati {
    QString squadra;
    // The scorer, -1 for a name typed outside the squad; nothing: the one stored stays (edits only).
    std::optional<int> codGiocatore;
    int minuto = 0;  // minute code
    int tipo = TIPO_NON_INDICATO;
    QString note;
};

// Adds a goal and credits its scorer, in one transaction; returns its key.
int inserisci(const PartitaEditore& p, const Dati& d);
// Rewrites a stored goal in one transaction: when its scorer changes, the stored one loses it and the
// one saved gets it. False, writing nothing, when the goal is gone.
bool modifica(const PartitaEditore& p, int codice, const Dati& d);

}  // namespace RetiQueries
