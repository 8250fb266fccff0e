#pragma once

#include <QString>

// The open command of the main window: the open dialog, then the chosen file becomes the
// championship in use. The dialog remembers the last file chosen, here or by the conversion command.
class AperturaCampionato {
public:
    // The menu item "Apri campionato", toolbar button 0, the open-championship check's Yes and the
    // start-up choice all come here.
    static void ApriCampionato_Click();

    // The file name the dialog starts from: the last one chosen in it (any use).
    static QString ultimoFile();
    static void impostaUltimoFile(const QString& percorso);

    // Shows the open dialog with `titolo` and the championship filter; remembers and returns the
    // chosen path, or "" when the user cancelled.
    static QString scegliFile(const QString& titolo);

    static QString filtro();
};
