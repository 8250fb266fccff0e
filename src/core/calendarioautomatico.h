#pragma once

#include <functional>
#include <QString>

// The automatic calendar: built from the calendar templates S<N>.DTA in the program folder.

// Shows the automatic calendar window.
void MostraCalendarioAutomatico();

// The draw of the team that takes position 1: a number r with 0 <= r < 1.
using SorgenteCasuale = std::function<double()>;

// What a build of the automatic calendar came to: built, or refused (or failed) for the reason in
// `testo`, which the caller shows the user under `titolo`, with the file unchanged.
struct EsitoCalendarioAutomatico {
    bool creato = false;
    QString titolo;
    QString testo;
};

// Builds the whole calendar of the open championship from the template for its number of teams (an even
// number from 6 to 20; any other count is refused with the way to enter the calendar by hand), the
// teams in name order rotated so that a team drawn at random takes position 1, and writes it in one
// transaction. Without `sostituisci` a calendar already begun is refused; with it, the template is
// checked first, then every GIORNATA and PARTITA row is deleted and the new calendar written in the
// same transaction. Shows nothing and asks nothing (the open-championship check is the caller's); a
// failure of the file comes back as a refusal. Callers reread the championship after a build.
EsitoCalendarioAutomatico CostruisciCalendarioAutomatico(const SorgenteCasuale& casuale, bool sostituisci);

// The draw of the program's random generator.
double EstrazioneCasuale();
