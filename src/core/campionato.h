#pragma once

#include <functional>
#include <QString>

// Opening a championship: checking and opening its file, loading it into the shared state.

// Loads the championship open in DbCampionato into the shared state: closes the visible windows when
// one was open before, reads the points, name, match days and numbering from CAMPIONATO and the teams
// (in name order) from SQUADRA, updates the main caption, then either offers to build the calendar of a
// file just created (CampionatoCreato = 1) or shows the championship card when the settings ask for it.
// A file without a CAMPIONATO row loads 0 points, no name, no match days and personal numbering.
// Throws ErroreDatabase when the file cannot be read.
void CaricaCampionato();

// Reads the CAMPIONATO row again (points, name, match days) and updates the main caption;
// run after the calendar builder. The teams, the numbering and the windows are left alone.
void RileggiCampionato();

// Closes every visible window except the main window; loaded hidden windows stay loaded.
// False when a window refused to close (its user cancelled): the caller must not replace the championship.
bool ChiudiFinestre();

// The main window's caption: the main window installs the hook; the loading routines call it with
// "Golvarno 2000 - " followed by the championship's name.
void ImpostaTitoloPrincipale(std::function<void(const QString&)> aggiorna);
QString TitoloPrincipale();

// Why `percorso` cannot be opened as a championship file, in Italian; empty when it can.
// The file must be readable, an SQLite database that passes "PRAGMA quick_check", and hold the
// eight tables of a championship; with `formatoAttuale` also every field of the current layout
// (a file of the previous version is pointed to the conversion command).
QString VerificaFileCampionato(const QString& percorso, bool formatoAttuale = true);

// Opens `percorso` as the championship in use, replacing DbCampionato and PercorsoCampionato.
// The file is checked first: when it fails, the user is told which file could not be opened and why
// (a message box titled `titolo`), the championship in use stays open and false is returned.
// The windows of the championship in use are closed before its file is replaced.
bool ApriComeCampionato(const QString& percorso, const QString& titolo = QStringLiteral("Golvarno"));

// The whole opening of a chosen file: ApriComeCampionato, then CampionatoAperto = True,
// CampionatoCreato = 0 and CaricaCampionato. Failures are reported to the user; returns success.
bool ApriFileComeCampionato(const QString& percorso);
