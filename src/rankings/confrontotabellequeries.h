#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// A round of the calendar as the comparison reads it: its number and the team resting in it.
struct GiornataConfronto {
    int numero = 0;
    QString testoNumero;  // the number as stored (empty when Null)
    QString riposa;
};

// A pairing of a round, with both legs: SQ1 is at home in the first leg, SQ2 in the return leg; the
// goals are always SQ1's (G1A, G1R) and SQ2's (G2A, G2R), Null when not written.
struct PartitaConfronto {
    int giornata = 0;
    QString sq1, sq2;
    bool disputataAnd = false, disputataRit = false;
    QVariant g1a, g2a, g1r, g2r;
};

// The result of a leg as the comparisons show it: the home team's goals first, joined by " - " (a goal not
// written shows empty), or "N.D." while the leg is not played.
QString TestoRisultato(bool disputata, const QVariant& golCasa, const QVariant& golOspite);

// One team's cells of a comparison row.
struct SquadraInRiga {
    enum class Esito { Nessuno, Vittoria, Pareggio, Sconfitta };
    QString casa;                  // the home team, or "Turno di riposo" on the team's rest day
    QString ospite;                // the away team
    QString risultato;             // home goals first, or "N.D." while the leg is not played
    bool inCasa = false;           // the team plays at home: its name is `casa`
    bool partita = false;          // the team has a pairing in this round
    Esito esito = Esito::Nessuno;  // the team's result in a played leg with both scores written
};

// One row of the comparison: the blank row that opens a leg (before round 1), or a round of a leg.
struct RigaConfronto {
    bool vuota = true;
    bool andata = true;
    int giornata = 0;
    QString testoGiornata;
    SquadraInRiga squadre[2];  // the first and the second team

    // The eleven cells of the grid: leg letter, round, then picture, home, away and result of each team,
    // with an empty gap between them.
    QStringList celle() const;
};

// The rows of the comparison of teams `a` and `b`: for each leg, first leg first, one row per round in the
// order given, with a blank row before each round numbered 1. A team's cells hold its rest day, or its
// first pairing of the round, or stay empty when the round has neither. Team names are compared ignoring
// case, as the file compares them. Without rounds: one blank row.
QVector<RigaConfronto> RigheConfronto(const QVector<GiornataConfronto>& giornate,
                                      const QVector<PartitaConfronto>& partite, const QString& a, const QString& b);

class ConfrontoTabelleQueries {
public:
    // The rounds in number order, and the pairings of `a` or `b` in round order; then RigheConfronto.
    // Throws ErroreDatabase when the file cannot be read.
    static QVector<RigaConfronto> confronto(const QString& a, const QString& b);
};
