#pragma once

#include <QString>
#include <QVector>

// The calendar templates of the program folder: for each even number of teams from 6 to 20,
// an SQLite file "S<n>.DTA" with the table PARTITE (GIORNATA, SQ1, SQ2) of team positions,
// one row per match of the single round robin (GironeAllItaliana).

// The team counts that have a template: 6, 8, ..., 20.
QVector<int> SquadreConModello();

// "S<n>.DTA".
QString NomeModelloCalendario(int n);

// Writes the template for `n` teams at `percorso`, replacing any file there.
bool GeneraModelloCalendario(const QString& percorso, int n, QString* errore = nullptr);
