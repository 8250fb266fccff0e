#pragma once

#include <optional>

// A match day in one leg, as the match windows move through the calendar.
struct GiornataInGirone {
    int giornata = 0;
    bool andata = true;  // true: first leg; false: return leg
    bool operator==(const GiornataInGirone&) const = default;
};

// The match day before (avanti false) or after `g`, in season order: first legs 1..ultima, then return
// legs 1..ultima. None at either end of the season.
std::optional<GiornataInGirone> GiornataAccanto(GiornataInGirone g, bool avanti, int ultima);

// Tells the user that the arrow stopped at the first or last match day ("Calendario del campionato").
void AvvisaFineCalendario(bool avanti);
