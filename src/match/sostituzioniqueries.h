#pragma once

#include "match/editoripartita.h"

#include <optional>
#include <QString>
#include <QVariant>
#include <QVector>

// What the substitution editor reads and writes. A substitution is two PRESENZE rows of one team in
// one match and leg: the entering player's row (TITOLARE 0, RIGA -1, -2, ... in order of entry, its
// CHIHASOST the key of the other row), which is the substitution's own row and key, and the replaced
// player's row (a starter's or an earlier substitute's), whose SOSTITUITO holds the minute code.
namespace SostituzioniQueries {

// One team's side of the match and leg.
struct Lato {
    int codPart = 0;
    int giornata = 0;
    bool andata = true;
    QString squadra;
};
Lato LatoDi(const PartitaEditore& p, int lato);

// The pickers and the keys of a team, by surname then first name (names in style `formatoNome`):
//  - esce: the players with a row in this match and leg, starters and players who came on alike
//    (names typed in the line-up left out);
//  - entra: the team's squad less its starters of this match and leg;
//  - chiavi: the keys of the team's substitutions in order of entry.
struct Elenchi {
    QVector<VoceGiocatore> esce, entra;
    QVector<int> chiavi;
};
Elenchi elenchi(const Lato& lato, int formatoNome);

// A stored substitution as the editor shows it.
struct Scheda {
    bool trovata = false;
    QString squadra;  // PRESENZE.SQUADRA
    int cartellino = 0;
    int codGiocatore = 0;    // the entering player
    QString nome;            // the name stored with his row
    QVariant voto;           // Null when none
    bool collegata = false;  // CHIHASOST leads to a row other than its own
    int codGiocatoreEsce = 0;
    QString nomeEsce;
    QVariant sostituito;  // the replaced row's SOSTITUITO
};
Scheda scheda(int codice);

// A player as the editor names him: the one picked (his GIOCATORE.CODICE), or a name typed (-1).
struct Giocatore {
    int codGiocatore = -1;
    QString nome;
};

// What a save writes.
struct Dati {
    // Who came on, a name typed outside the squad stored as it is; nothing: the one stored stays,
    // code and name (edits only).
    std::optional<Giocatore> entrato;
    bool ammonito = false, espulso = false;
    std::optional<QVariant> voto;  // what VOTO becomes (Null included); nothing: left as it is
    // Who went off: the row of the player picked, else the row whose stored name is the name typed
    // (ignoring case), among the team's rows of this match and leg. Nothing: the stored link stays
    // (edits only), also no link.
    std::optional<Giocatore> uscito;
    // The minute code for the replaced player's row; nothing when there is none to write (a link
    // kept that leads to no row).
    std::optional<int> minuto;
    // How a refusal names the players (FormatoNome).
    int formatoNome = 1;
};

enum class Esito {
    Salvata,
    Mancante,        // the substitution is no longer in the file
    UscitoMancante,  // no row of the match for who went off, or the row linked is gone
    GiaUscito,       // who went off had gone off already, in another substitution
};

// The substitution that took a player off already: who came on for him, named as the pickers name him,
// and the minute code of the change (0 when none was given).
struct UscitaPrecedente {
    int codice = 0;  // the key of that substitution
    QString entrato;
    int minuto = 0;
};

// Adds a substitution in one transaction and sets `codice` to its key. Its RIGA is one below the team's
// lowest substitute's (-1 for the first). Anything but Salvata writes nothing; GiaUscito fills `prima`.
Esito inserisci(const Lato& lato, const Dati& d, int& codice, UscitaPrecedente* prima = nullptr);
// Rewrites a stored substitution in one transaction; anything but Salvata writes nothing. The replaced
// row is linked and gets the minute; an earlier replaced row gets its place back, unless another
// substitute is still linked to it. The entering player's own SOSTITUITO (the minute he went off himself
// later) is kept.
Esito modifica(const Lato& lato, int codice, const Dati& d, UscitaPrecedente* prima = nullptr);

// Whether the entering player of a substitution was replaced himself later.
bool sostituitoPiuTardi(int codice);

}  // namespace SostituzioniQueries
