#pragma once

#include "core/codici.h"
#include "match/schedapartitaqueries.h"

#include <array>
#include <optional>
#include <QString>
#include <QVariant>
#include <QVector>

// What the line-up editor reads and writes, as plain values. Team 1 is the home team of the leg
// (index 0 of every array of two), team 2 the away team. Only starters (TITOLARE -1, RIGA 1..11)
// are read and written here: the substitutes' rows belong to the substitution editor.

constexpr int RIGHE_TITOLARI = 11;

// A player of a squad as the pickers list him: the name in the chosen style, his shirt number
// (0 when none is stored).
struct GiocatoreInRosa {
    int codice = 0;
    QString nome;
    int numero = 0;
};

// A starter as stored.
struct TitolareSalvato {
    int codGiocatore = GIOCATORE_NON_IN_ROSA;
    QString nome;
    int ammonito = 0;    // Null reads 0
    QVariant voto;       // Null when no rating was typed
    QVariant numMaglia;  // NUMMAGLIA, Null when none
};

struct SquadraFormazione {
    QString nome;
    QVector<GiocatoreInRosa> rosa;  // by surname, then first name
    // Row i holds the starter of RIGA i + 1, when one is stored (the first by key when there are more).
    std::array<std::optional<TitolareSalvato>, RIGHE_TITOLARI> titolari;
};

// A row as the editor shows it, the way it is compared and written. Two rows that compare equal
// write the same values.
struct RigaFormazione {
    QString nome;                              // empty: no player in the row
    int codGiocatore = GIOCATORE_NON_IN_ROSA;  // the player's code, -1 for a name typed in
    std::optional<QVariant> numMaglia;         // the shirt number to write (Null included); none: left as stored
    int ammonito = 0;                          // the card code to write
    QString voto;                              // as shown

    bool vuota() const { return nome.isEmpty(); }
    bool operator==(const RigaFormazione&) const = default;
};

// The match and leg the rows belong to.
struct ChiaveFormazioni {
    int codPart = 0;
    int giornata = 0;
    bool andata = true;
    std::array<QString, 2> squadre;  // team 1, team 2 as written to SQUADRA
};

// A row to write: a filled row is added or updated, an empty one removes the stored starter.
struct ScritturaTitolare {
    int lato = 0;  // 0 team 1, 1 team 2
    int riga = 1;  // RIGA, 1..11
    RigaFormazione dati;
    std::optional<QVariant> voto;  // what VOTO becomes (Null included); nothing: left as stored
};

namespace FormazioniQueries {

// Both squads, with the display names of `formatoNome`, and the starters stored for the leg.
// The squads are found by name in the team list.
std::array<SquadraFormazione, 2> carica(const DatiPartita& partita, bool andata, int formatoNome);

// Writes the rows in one transaction. A starter is found by match, team, leg and RIGA (the first by
// key) and updated in place, keeping its key, its SOSTITUITO and the substitutes' links to it;
// otherwise a new row is added. VOTO is written only when the row says what it becomes.
// An empty row deletes its stored starter only while nothing refers to it (SOSTITUITO 0 and no
// substitute's CHIHASOST): the rows that stay are returned.
QVector<ScritturaTitolare> salva(const ChiaveFormazioni& chiave, const QVector<ScritturaTitolare>& righe);

}  // namespace FormazioniQueries
