#pragma once

#include <QString>

// The program folder: where the program looks for its settings, help file, bitmaps and
// calendar templates. By default the executable's folder; tests point it elsewhere.
QString CartellaProgramma();
void ImpostaCartellaProgramma(const QString& cartella);

// A file name inside the program folder.
QString FileProgramma(const QString& nome);
