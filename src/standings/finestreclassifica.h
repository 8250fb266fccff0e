#pragma once

// Registers the league table (Form6), the partial-table dialog (Form7) and the statistics window
// (Form4). The main window calls it once at start-up.
void RegistraFinestreClassifica();
