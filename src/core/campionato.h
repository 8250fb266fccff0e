#pragma once

#include <functional>
#include <QSqlDatabase>
#include <QString>

// Opening a championship: checking and opening its file, loading it into the shared state.

// Loads the championship open in DbCampionato into the shared state: closes the visible windows when
// one was open before, reads the points, name, match days and numbering from CAMPIONATO and the teams
// (in name order) from SQUADRA, updates the main caption, then either offers to build the calendar of a
// file just created (CampionatoCreato = 1) or shows the championship card when the settings ask for it.
// A file without a CAMPIONATO row (refused by the opening) would load 0 points, no name, no match days and
// personal numbering.
// Throws ErroreDatabase when the file cannot be read: the whole file is read before anything of the
// state changes, so the state is then left as it was.
void CaricaCampionato();

// Reads the CAMPIONATO row again (points, name, match days) and updates the main caption;
// run after the calendar builder. The teams, the numbering and the windows are left alone.
void RileggiCampionato();

// Closes every visible window except the main window and `eccetto` (a window that goes on working,
// such as a wizard that is about to open its new file); loaded hidden windows stay loaded.
// False when a window refused to close (its user cancelled): the windows after it stay as they are, and the
// caller must not replace the championship.
bool ChiudiFinestre(const QString& eccetto = QString());

// The main window's caption: the main window installs the hook; the loading routines call it with
// "Golvarno 2000 - " followed by the championship's name.
void ImpostaTitoloPrincipale(std::function<void(const QString&)> aggiorna);
QString TitoloPrincipale();

// Why `percorso` cannot be opened as a championship file, in Italian; empty when it can.
// The file must be a regular, readable file, an SQLite database with a rollback journal (a file in
// write-ahead-log mode is refused by its header, before it is opened) that passes "PRAGMA quick_check",
// hold the eight tables of a championship and no trigger, and pass VerificaDatiCampionato.
// The check never writes to the file, except for rolling back a transaction that a crash left unfinished.
QString VerificaFileCampionato(const QString& percorso, bool formatoAttuale = true);

// Why the championship in `db` (the eight tables present) cannot be opened, judged on its fields and rows; empty
// when it can. Every table of the layout must have row numbers (TabelleSenzaNumeriDiRiga). With `formatoAttuale`
// the file must have every field of the current layout (a file of the previous version is pointed to the
// conversion command) and counters that number new rows; without it, every field of the previous version, whose
// copy gets counters from the conversion. Then it needs its CAMPIONATO row and counts the
// windows can trust: the match days registered (GIORNATEINS) no more than the match days present, and no match
// day with more pairings than half the teams, numbers read by their value; and no two teams whose names the program
// cannot tell apart (ConfrontaNomiSquadra), since every other table finds its teams by name. Only reads.
QString VerificaDatiCampionato(QSqlDatabase db, bool formatoAttuale);

// Opens `percorso` as the championship in use, replacing DbCampionato and PercorsoCampionato.
// The file is checked first: when it fails, the user is told which file could not be opened and why
// (a message box titled `titolo`), the championship in use stays open and false is returned.
// The windows of the championship in use are closed before its file is replaced.
bool ApriComeCampionato(const QString& percorso, const QString& titolo = QStringLiteral("Golvarno"));

// The whole opening of a file: it is checked, the visible windows other than `eccetto` close, then the
// whole championship is read; only then does it replace the championship in use (CampionatoAperto =
// True, CampionatoCreato = 1 with `creato`, else 0, and the steps of CaricaCampionato that follow the
// reading). A file that cannot be checked, opened or read is reported to the user (a box titled
// `titolo`) and leaves the championship in use whole, its file open; returns success.
bool ApriECaricaCampionato(const QString& percorso, const QString& titolo, bool creato,
                           const QString& eccetto = QString());

// The open command's opening: ApriECaricaCampionato of a file that was not just created.
bool ApriFileComeCampionato(const QString& percorso);
