#pragma once

#include <QString>
#include <functional>

// Runs one user command at the boundary between a window and the data: a failure of the
// database or of the file system becomes an Italian message box titled `titolo`, the
// command stops (its transaction has rolled back) and the program goes on.
// Returns true when the command ran to its end.
bool EseguiComando(const QString& titolo, const std::function<void()>& comando);

// The text shown for a failure: what went wrong and the engine's own words.
QString TestoErroreDati(const QString& dettaglio);
