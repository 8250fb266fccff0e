#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Writing a new championship file next to the open one. Both functions build the whole file on a
// connection of their own, in one transaction, and leave no file behind when anything fails
// (ErroreDatabase is thrown). The open championship is not touched: the caller switches to the new
// file only once it is complete.

struct DatiNuovoCampionato {
    QString denominazione;
    int puntiVittoria = 3;
    int puntiPareggio = 1;
    int puntiSconfitta = 0;
    int numerazione = 1;  // 1 traditional, 2 personal shirt numbers
    QStringList squadre;  // in row order
};

// A championship from scratch: the eight empty tables, the CAMPIONATO row and one SQUADRA row per team.
void CreaFileNuovoCampionato(const QString& percorso, const DatiNuovoCampionato& dati);

struct DatiNuovaStagione {
    QString denominazione;
    QVector<int> codiciDaEliminare;  // SQUADRA.CODICE of the teams that leave
    QStringList squadreDaInserire;
};

// The next season of the open championship: a copy of it without the teams that leave and their
// players, with the new teams, the new name, and the calendar, results, line-ups, goals, standings and
// goal tallies emptied. The open file is only read.
void CreaFileNuovaStagione(const QString& percorso, const DatiNuovaStagione& dati);

// Makes the complete file at `percorso` the open championship and loads it as a file just created
// (the opening routine then offers the automatic calendar). When the file cannot be opened the user
// is told (a box titled `titolo`), the file is removed, the championship in use stays open and false
// is returned; a file that opened but could not be read is reported too.
bool ApriCampionatoCreato(const QString& percorso, const QString& titolo);
