#pragma once

// Registers the team schedule (Form21), the team trend statistics (Form22) and the season almanac
// (Form40) with the window registry.
void RegistraFinestreSquadra();
