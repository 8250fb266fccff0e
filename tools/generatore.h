#pragma once

#include <QString>

// Writes into `cartella` (created when missing) every data file the program looks for in its
// own folder: the settings database "golvarno.def", the calendar templates "S6.DTA" ..
// "S20.DTA", the help file "golvarno.hlp" and the five bitmaps. Existing files are replaced.
// Returns false and fills `errore` on the first failure.
bool GeneraCartellaProgramma(const QString& cartella, QString* errore = nullptr);

// The settings database with its table Impostazioni and one row of defaults:
// VisualizzaPrimiPassi -1, ViewOption 1, VisualizzaVoti -1, VisualizzaScheda -1.
bool GeneraImpostazioni(const QString& percorso, QString* errore = nullptr);

// The names the program looks the settings database and the help file up by.
inline QString NomeFileImpostazioni() { return QStringLiteral("golvarno.def"); }
inline QString NomeFileGuida() { return QStringLiteral("golvarno.hlp"); }
