#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A command button of the match report, postponed matches and result search windows: caption, icon
// of the program's set and tooltip, named `nome` so that the window and its tests find it.
QPushButton* PulsanteConsultazione(const QString& nome, const QString& testo, const QString& icona,
                                   const QString& suggerimento, QWidget* parent);
