#pragma once

#include <QString>

class QPushButton;
class QWidget;
struct PartitaGirone;

// What the match report, postponed matches and result search windows share.

// A command button: caption, icon of the program's set and tooltip, named `nome` so that the window
// and its tests find it.
QPushButton* PulsanteConsultazione(const QString& nome, const QString& testo, const QString& icona,
                                   const QString& suggerimento, QWidget* parent);

// Shows the match sheet (Form3) on that leg of that match: sets GiornataCorrente, Andata and
// CodPartitaCorrente, and GiornataCambiata so that a sheet already open refills its lists.
void ApriSchedaPartita(const PartitaGirone& partita);
