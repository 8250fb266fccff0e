#pragma once

// The automatic calendar: built from the calendar templates S<N>.DTA in the program folder.

// Shows the automatic calendar window.
void MostraCalendarioAutomatico();

// Builds the whole calendar of the open championship from the template for its number of teams.
// Returns true when the calendar was written; false after a refusal or a failure (the user has
// already been told and the file is unchanged).
bool CreaCalendarioAutomatico();
