#pragma once

// Registers the windows that create and describe a championship: the new-championship and
// new-season wizards, the properties, the club information, the display options and the introduction.
// The main window calls it once at start-up.
void RegistraFinestreCampionato();
