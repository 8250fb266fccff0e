#pragma once

#include <QString>

// Writes into `cartella` every data file the program looks for in its own folder:
// the settings database, the calendar templates, the help file and the bitmaps.
// Existing files are replaced. Returns false and fills `errore` on the first failure.
bool GeneraCartellaProgramma(const QString& cartella, QString* errore = nullptr);

// The settings database with its one row of defaults.
bool GeneraImpostazioni(const QString& percorso, QString* errore = nullptr);
