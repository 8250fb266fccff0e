#pragma once

// Registers the windows of the teams and players: squads, player cards, new, sold and bought
// players, the image picker, the suspended players, the player picker and the complete list.
void RegistraFinestreGiocatori();
