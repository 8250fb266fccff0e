#pragma once

#include <QString>
#include <QVariantMap>

// The settings database "golvarno.def" of the program folder: one table Impostazioni whose first
// row holds the four display settings (VisualizzaPrimiPassi, ViewOption, VisualizzaVoti,
// VisualizzaScheda). The program never creates the file nor adds or removes its row; it opens the
// file on a connection of its own for each use and closes it at once.
class Impostazioni {
public:
    // Reads the first row of the file at stato().PercorsoImpostazioni into the four settings of the
    // shared state. A missing or unreadable file, or a table without a row, gives the defaults.
    // Returns true when the values came from the file.
    static bool leggi();

    // Writes the given fields (name -> value; truth values as VERO/FALSO) into the first row.
    // Returns false, writing nothing, when the file is missing or its table has no row.
    // Throws ErroreDatabase when the file cannot be written.
    static bool scrivi(const QVariantMap& campi);
};

// The four settings at their defaults: introduction, championship card and ratings shown,
// players named by surname.
void ImpostazioniPredefinite();
