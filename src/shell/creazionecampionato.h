#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Writing a new championship file next to the open one. Both functions build the whole file under a
// temporary name, on a connection of their own, in one transaction, and give it its name only once it is
// committed: a failure (ErroreDatabase is thrown) or a crash leaves no file under that name. The open
// championship is not touched: the caller switches to the new file only once it is complete.

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

// Before a new file takes the place of the championship in use: that championship's windows close
// (`eccetto`, the window that asks, excepted), so that what they save on closing is saved in its file,
// and in a new season's copy of it. When one stays open (its user cancelled), the user is told, with
// `testo` in front, in a box titled `titolo`, and false is returned: nothing may replace the championship.
bool ChiudiFinestreDelCampionato(const QString& eccetto, const QString& testo, const QString& titolo);

// Makes the complete file at `percorso` the open championship and loads it as a file just created (the
// opening routine then offers the automatic calendar); the window `eccetto` stays open. When the file
// cannot be opened or read the user is told (a box titled `titolo`), the file stays where it is, the
// championship in use stays open and false is returned.
bool ApriCampionatoCreato(const QString& percorso, const QString& titolo, const QString& eccetto);
