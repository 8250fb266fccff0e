#pragma once

// Registers the results entry window (Form5) and the calendar viewer (Form2).
// The main window calls it once at start-up.
void RegistraFinestreRisultati();
