#pragma once

#include <QString>
#include <QStringList>

// Rules shared by every place where the user types a team name. A team is identified by its name in
// every table, and names compare ignoring case, so two teams may never share a name; nor may two names
// that differ only by blanks at their ends, which every list would show alike. A name is stored as typed.

// SQUADRA.NOME and the other team-name columns hold at most this many characters.
constexpr int LunghezzaNomeSquadra = 30;

// CAMPIONATO.DENOM holds at most this many characters.
constexpr int LunghezzaDenominazione = 200;

// Points per result are kept in 0..255.
constexpr int PuntiMassimi = 255;

// Why `nome`, typed for a team, cannot be used; empty when it can. Refused, in this order: an apostrophe,
// a name made only of blanks (the file stores one blank for "no team", so such a team would read back as
// nobody), more than LunghezzaNomeSquadra characters, a name already in `altri`. The empty name is left to
// each window, which asks for it in words of its own.
QString ProblemaNomeSquadra(const QString& nome, const QStringList& altri);

// The refusal of a name holding an apostrophe.
QString MessaggioApostrofo(const QString& nome);

// The refusal of a name that is already in use.
QString MessaggioNomeDoppio(const QString& nome);

// The index in `nomi` of the first name that repeats an earlier one (as NomeGiaUsato), or -1.
int PrimoNomeDoppio(const QStringList& nomi);

// True when `nome` equals one of `altri`, ignoring case and the blanks at both ends.
bool NomeGiaUsato(const QString& nome, const QStringList& altri);

// The names of the teams in the file other than team `codice`.
QStringList NomiAltreSquadre(int codice);

// Gives team `codice` the name `nuovo` in place of `vecchio` wherever the file names it: the team
// itself, both sides of the pairings, the resting team of the match days, the appearances and the
// goals, in one transaction. Only while the file still names the team `vecchio` (exactly), and only a
// name that ProblemaNomeSquadra accepts against the other names in the file. Returns why it renamed
// nothing (the team is no longer in the file, it was renamed elsewhere, the name is refused), or ""
// when done. Throws ErroreDatabase when the file fails, having changed nothing.
QString RinominaSquadra(int codice, const QString& vecchio, const QString& nuovo);
