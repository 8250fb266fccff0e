#pragma once

#include <optional>
#include <QString>

// The shirt number typed in a player's box, as the player card and the new-player window store it, by the
// rule of every whole number typed (InteroScritto): an empty box (or one of blanks) is 0, no number; digits
// with blanks around them are the number, up to NUMERO_MAGLIA_MASSIMO. Nothing for any other text ("12abc",
// "7,5", "-5") or a larger number: the window refuses it with TestoNumeroMagliaErrato() and stores nothing,
// so a stored number is never changed by a typing slip.
constexpr int NUMERO_MAGLIA_MASSIMO = 32767;  // the largest the column holds
std::optional<int> NumeroMagliaDaTesto(const QString& testo);
QString TestoNumeroMagliaErrato();
