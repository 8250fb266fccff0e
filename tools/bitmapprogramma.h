#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The small pictures of the program folder, drawn here and saved as BMP on a white ground:
// the booking and sending-off cards of the match sheets, and the win, draw and loss marks
// of the team tables.

// The file names, spelled as the program looks them up:
// "Ammonito!.Bmp", "Espulso!.Bmp", "MicroV.Bmp", "MicroP.Bmp", "MicroS.Bmp".
QStringList NomiBitmapProgramma();

// The picture saved under `nome` (one of the names above), `lato` pixels square;
// a null image for any other name.
QImage DisegnaBitmapProgramma(const QString& nome, int lato = 16);

// Writes all five into `cartella`, replacing files of the same names.
bool GeneraBitmapProgramma(const QString& cartella, QString* errore = nullptr);
