#pragma once

#include <functional>

// The automatic calendar: built from the calendar templates S<N>.DTA in the program folder.

// Shows the automatic calendar window.
void MostraCalendarioAutomatico();

// The draw of the team that takes position 1: a number r with 0 <= r < 1.
using SorgenteCasuale = std::function<double()>;

// Builds the whole calendar of the open championship (an empty one) from the template for its
// number of teams, the teams in name order rotated so that a team drawn at random takes position 1.
// Writes only the database, in one transaction, and leaves the hourglass set: callers restore the
// pointer and reread the championship. Returns true when the calendar was written; false after a
// refusal or a failure, which the user has already been told about, with the file unchanged.
bool CreaCalendarioAutomatico();
bool CreaCalendarioAutomatico(const SorgenteCasuale& casuale);

// The same over a calendar already written (the rebuild asked for in the calendar check): the template
// is checked first, then every GIORNATA and PARTITA row is deleted and the new calendar written in the
// same transaction. A refusal or a failure leaves the old calendar as it was and returns false.
bool RicreaCalendarioAutomatico();
bool RicreaCalendarioAutomatico(const SorgenteCasuale& casuale);
