#pragma once

#include <QVector>

// One match of a single round robin: in round `giornata` the team on position `casa`
// plays at home against the team on position `ospite` (positions numbered from 1).
struct Accoppiamento {
    int giornata = 0;
    int casa = 0;
    int ospite = 0;

    friend bool operator==(const Accoppiamento&, const Accoppiamento&) = default;
};

// The single round robin of `n` positions, round by round (rounds 1 .. n-1, n/2 matches each,
// in the order the rounds are played).
//
// Built by the circle method: position n stays still, the others turn one step per round.
// Home and away are given so that in each round robin, and in the whole season where the
// return leg repeats it with home and away swapped, no position plays three home or three
// away games in a row, and each position is at home (n-1)/2 or n/2 times.
//
// For an odd `n` the schedule of n+1 positions is built and the matches of position n+1 left
// out: n rounds, (n-1)/2 matches each, one position resting in every round.
// `n` below 2 gives an empty list.
QVector<Accoppiamento> GironeAllItaliana(int n);

// The position that rests in `giornata` of GironeAllItaliana(n) for an odd `n`; 0 for an even `n`
// or a round outside 1 .. n.
int RiposaNelGirone(int n, int giornata);
