#pragma once

#include <QString>

// What the new-player form writes into a GIOCATORE row.
struct DatiNuovoGiocatore {
    QString nome, cognome, ruolo;
    int numero = 0;
    QString dataNascita, luogoNascita, nazione, altezza, peso, note;
    int codSquadra = 0;
    QString foto;  // written only when not empty
};

class NuovoGiocatoreQueries {
public:
    // Adds the player and returns his new key. Throws ErroreDatabase on failure.
    static int inserisci(const DatiNuovoGiocatore& d);
    // Rewrites the row of key `codice`; FOTO only when the photo is not empty. When the row is gone
    // (deleted meanwhile from another window) the player is added again, so that nothing typed is
    // lost: returns the key of the row written.
    static int aggiorna(int codice, const DatiNuovoGiocatore& d);
};
