#pragma once

#include <QString>

struct PartitaGirone;

// What the match report, postponed matches and result search windows share.

// Shows the match sheet (Form3) on that leg of that match: sets GiornataCorrente, Andata and
// CodPartitaCorrente, and GiornataCambiata so that a sheet already open refills its lists.
void ApriSchedaPartita(const PartitaGirone& partita);
