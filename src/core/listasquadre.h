#pragma once

#include <QString>

class ComboCodici;

// Fills a team list with the teams of the open championship in name order, each item carrying the
// team's code, and selects the team named `scelta`, compared exactly (letter case included): the first
// team when `scelta` is empty or names none of the list. The list's click() stays quiet meanwhile.
void RiempiListaSquadre(ComboCodici* lista, const QString& scelta);
