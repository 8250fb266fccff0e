#pragma once

// Registers the windows that build the calendar: the automatic calendar (Form37), the calendar check
// (Form39), the dates of the match days (Form38) and the match days typed by hand (Form10).
// The main window calls it once at start-up.
void RegistraFinestreCostruzioneCalendario();
