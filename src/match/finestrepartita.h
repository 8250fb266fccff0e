#pragma once

// Registers the windows of the match details: the match sheet, the line-up editor, the substitution
// editor and the goal editor.
void RegistraFinestrePartita();
