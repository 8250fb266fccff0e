#pragma once

#include <QString>

// The conversion command: a championship file of the older version is copied into the current
// layout beside itself (the old file is only read), and the user may open the copy.
class ConversioneFile {
public:
    // The menu item "Conversione files versione 4".
    static void ConvertiFileVersione4();

    // The name of the copy of `originale`: a blank and the first number from 2000 up for which no
    // file exists, inserted before the first dot of the file name (appended when it has none).
    // The folder is the original's. "" when every number is taken.
    static QString nomeCopia(const QString& originale);
};
