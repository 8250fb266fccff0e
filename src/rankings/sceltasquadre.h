#pragma once

#include <QString>

// The check before comparing two teams picked in two lists: a list left empty, or the same team in both.
// The windows differ in which of the two they test first, in their texts and in their title, so each
// says them; the texts are compared exactly, as the lists show them.
struct ControlloDueSquadre {
    enum class Ordine {
        UgualiPrima,  // two empty lists are "the same team" (round-by-round comparison)
        VuotePrima,   // two empty lists are "no team chosen" (statistical comparison, head-to-head records)
    };
    Ordine ordine = Ordine::VuotePrima;
    QString testoVuote;   // a list without a choice
    QString testoUguali;  // the same team twice
    QString titolo;

    enum class Esito { Valide, Vuote, Uguali };
    // Which refusal the two texts earn, in this check's order; Valide when there is none.
    Esito esito(const QString& a, const QString& b) const;
    // The same, telling the user of a refusal (critical icon, OK button, `titolo`): true for two valid teams.
    bool verifica(const QString& a, const QString& b) const;
};
