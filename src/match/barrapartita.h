#pragma once

#include <QString>

class ComboCodici;
class QWidget;

// The top bar of the match sheet and of the line-up editor: "Giornata" and its picker (items "1" ..
// GiornateInserite, filled by the window), "Partita" and the match picker, and the leg picker with
// "Andata" and "Ritorno". Each window names the controls as its own.
struct NomiBarraPartita {
    QString barra;
    QString etichettaGiornata, giornata;
    QString etichettaPartita, partita;
    QString etichettaGirone;  // empty: the leg picker has no caption
    QString girone;
};

struct BarraPartita {
    QWidget* barra = nullptr;
    ComboCodici* giornata = nullptr;
    ComboCodici* partita = nullptr;
    ComboCodici* girone = nullptr;
};

BarraPartita CreaBarraPartita(const NomiBarraPartita& nomi, QWidget* parent);
