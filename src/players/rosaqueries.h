#pragma once

#include <optional>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// One player of a squad as the squad window lists him: his record and the appearances and goals
// counted over the whole championship, whatever team he played or scored for.
struct GiocatoreRosa {
    int codice = 0;
    QVariant numero;  // NUMERO as stored (Null when never given)
    QString cognome, nome, ruolo, nazione, dataNascita, luogoNascita, altezza, peso;
    int presenze = 0;
    int reti = 0;  // own goals and goals of no given kind included

    // The eleven cells of the squad grid; a shirt number of 0 or none shows empty.
    QStringList celle() const;
};

// A player as the sale finds him by his key.
struct GiocatoreInVendita {
    int codice = 0;
    QString nome;
    QString cognome;
    int codSquadra = 0;
};

class RosaQueries {
public:
    // The orders the list offers, in the order of the list: with traditional numbering the shirt
    // number is the line-up row, so the order by shirt number is not offered.
    static QStringList ordini(bool numerazioneTradizionale);

    // The squad of the team `codSquadra` in order `ordine` (1 = the first of ordini()). Every order
    // ends with the player's key; a shirt number of none or 0 comes first. Appearances and goals are
    // counted with one grouped query per table. Throws ErroreDatabase when the file cannot be read.
    static QVector<GiocatoreRosa> rosa(int codSquadra, int ordine, bool numerazioneTradizionale);

    // Removes the player's GIOCATORE row only (his appearances and goals stay); false when there was none.
    static bool elimina(int codice);

    // The player of key `codice`, or nothing when he is no longer in the file.
    static std::optional<GiocatoreInVendita> giocatore(int codice);
    // Moves the player to the team `codSquadra`, writing CODSQUADRA alone; false when he is gone.
    static bool trasferisci(int codice, int codSquadra);
};
