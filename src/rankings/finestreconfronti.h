#pragma once

// Registers the windows of the rankings and comparisons: top scorers, the rankings window, the team
// comparisons, head-to-head records and the player comparison.
void RegistraFinestreConfronti();
