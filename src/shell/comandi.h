#pragma once

#include <functional>
#include <QKeySequence>
#include <QString>
#include <QVector>

struct Stato;

// What a command does once the open-championship check (when it has one) has passed.
enum class Effetto {
    Menu,                  // a menu or submenu heading: no command of its own
    Mostra,                // sets the hand-over variables and shows the target window modeless
    RicaricaPrima,         // unloads the target when visible, sets the variables, shows it afresh
    ApriCampionato,        // the open dialog
    ConvertiFile,          // converts a file of the older version into a copy
    Esci,                  // ends the program as the main window's close box does
    CalendarioAutomatico,  // the automatic calendar dialog
    ProssimaDaInserire,    // results entry for the next round to play
    ProssimoTurno,         // calendar viewer on the next round to play
    UltimoTurno,           // calendar viewer on the last round played
    Tabellini,             // match sheets from the first match of round 1
    Guida,                 // the help file
    Versione,              // the version box
    PaginaWeb              // the program's web page
};

// One item of the main window's menu bar: the nine menus, their submenus and the commands.
struct Comando {
    QString nome;   // the item's name, also the objectName of its menu or action
    QString padre;  // the menu or submenu holding it; "" for the nine menus of the bar
    QString testo;  // caption with its access key
    QKeySequence tasto;
    bool guardia = false;  // asks for a championship first when none is open
    Effetto effetto = Effetto::Mostra;
    QString finestra;                     // the window the command shows; "" for none
    std::function<void(Stato&)> imposta;  // the hand-over variables it sets (may be empty)
};

// One button of the toolbar, left to right.
struct PulsanteBarra {
    int indice;  // highlight id is 140 + indice
    QString suggerimento;
    QString comando;  // the menu command it runs
    QString icona;
};

// The menu bar and toolbar in one place, and the running of their commands.
class Comandi {
public:
    // Menus, submenus and commands in menu order; a heading precedes the items it holds.
    static const QVector<Comando>& tabella();
    static const Comando* trova(const QString& nome);
    static const QVector<PulsanteBarra>& barra();

    // False while the command's window is not available in this build.
    static bool disponibile(const Comando& c);

    // Runs a command as its menu item does: the check for an open championship, the hand-over
    // variables, then the window or the command's own work. A database failure ends the command and
    // is reported to the user under the command's caption.
    static void esegui(const QString& nome);

    // The program's version, shown by the version box.
    static constexpr int VERSIONE_MAGGIORE = 1;
    static constexpr int VERSIONE_MINORE = 0;
    static constexpr int VERSIONE_REVISIONE = 11;
    static QString indirizzoWeb();
};
