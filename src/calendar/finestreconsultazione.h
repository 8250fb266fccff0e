#pragma once

// Registers the match report editor (Form11), the postponed matches (Form42) and the result
// search (Form13) with the window registry.
void RegistraFinestreConsultazione();
