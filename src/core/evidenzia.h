#pragma once

// The mouse-over highlight: at most one panel of the whole program is lit at a time.
//
// Each window with panels owns a range of ids; a panel's id is the range's base plus its index:
//   0-19 and 140-159 main window, 20-29 Form2 (its panels with the picture they show while lit),
//   1030-1049 Form2 Button, 40-49 Form3, 50-59 Form5, 60-69 Form8, 70-89 Form1, 90-99 Form14,
//   100-109 Form21, 110-119 Form6, 120-129 Form10, 130-139 Form39.
// A window makes its panels with their ids (Pannello(id, ...)); Evidenzia finds them by id and
// never touches a panel whose window has been closed.

// Moves the highlight to the panel `id` (-1: none): nothing when `id` is already lit; otherwise
// the panel lit so far gets its normal look back, `id` becomes stato().IdEvidenziato and its
// panel is lit. An id outside the ranges is remembered but lights nothing.
void Evidenzia(int id);

// Whether `id` falls in one of the ranges above.
bool IdEvidenziabile(int id);

// Makes every mouse movement over the program's windows call Evidenzia with the id of the
// panel (or tagged caption) under the mouse, -1 elsewhere. The main window calls it once.
void AttivaEvidenzia();
