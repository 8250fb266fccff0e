#pragma once

#include <functional>
#include <QString>

// Runs one user command at the boundary between a window and the data: a failure of the
// database or of the file system becomes an Italian message box titled `titolo`, the
// command stops (its transaction has rolled back) and the program goes on.
// The box gives the reason in plain Italian only (ErroreDatabase::testo()); the statement and
// the engine's own words are in the log. Returns true when the command ran to its end.
bool EseguiComando(const QString& titolo, const std::function<void()>& comando);

// As above, for a command that says in its own words what could not be done: the box shows
// `spiegazione(motivo)`, where motivo is the reason in plain Italian ("Impossibile creare il file ...").
bool EseguiComando(const QString& titolo, const std::function<void()>& comando,
                   const std::function<QString(const QString& motivo)>& spiegazione);

// The text shown for a failure: what went wrong and the reason (ErroreDatabase::testo()).
QString TestoErroreDati(const QString& motivo);
