#pragma once

#include <optional>
#include <QString>

// The shirt number typed in a player's box, as the player card and the new-player window store it: an
// empty box (or one of blanks) is 0, no number; otherwise the whole number the text starts with, blanks
// skipped ("10", "12abc" 12, "7,5" 7), up to NUMERO_MAGLIA_MASSIMO. Nothing for a text that does not start
// with a digit ("abc", "-5") or a number above the largest: the window refuses it with
// TestoNumeroMagliaErrato(), so a stored number is never wiped by a typing slip.
constexpr int NUMERO_MAGLIA_MASSIMO = 32767;  // the largest the column holds
std::optional<int> NumeroMagliaDaTesto(const QString& testo);
QString TestoNumeroMagliaErrato();
