#pragma once

#include "core/totale.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Results and goals of a set of matches.
struct RisultatiPartite {
    Totale partite;
    Totale vittorieCasa;
    Totale pareggi;
    Totale vittorieFuori;
    Totale golCasa;
    Totale golFuori;

    Totale gol() const { return golCasa + golFuori; }
};

// One match day in one leg.
struct StatisticheGiornata {
    RisultatiPartite risultati;
    Totale ammonizioni;
    Totale espulsioni;
};

// A championship record: the teams that hold it (all of them on a tie) and its value.
struct Primato {
    QString nome;  // "Miglior attacco" ...
    QStringList squadre;
    qint64 valore = 0;
    QString unita;     // "gol", "vittorie", "punti" ...
    QString unitaUno;  // for a value of 1: "gol", "vittoria", "punto" ...

    // "19 vittorie", "1 vittoria".
    QString testoValore() const
    {
        return QString::number(valore) + QLatin1Char(' ') + (valore == 1 ? unitaUno : unita);
    }
};

// The championship as PUNTISQUADRE holds it after its last rebuild (whole season or a span).
struct StatisticheCampionato {
    RisultatiPartite risultati;
    QVector<Primato> primati;
};

// The statistics window's queries. Every query throws ErroreDatabase on failure.
class StatisticheQueries {
public:
    // The played matches of match day `giornata` in one leg (PARTITA played flags and scores), and
    // the bookings and sendings-off recorded for that match day and leg (PRESENZE).
    static StatisticheGiornata giornata(int giornata, bool andata);

    // The championship from PUNTISQUADRE as last rebuilt, which it never rebuilds. Home and away
    // records are counted in points by the championship's points for a win, a draw and a loss.
    // With no match played there are no records.
    static StatisticheCampionato campionato(int puntiVittoria, int puntiPareggio, int puntiSconfitta);
};
