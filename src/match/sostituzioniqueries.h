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
    bool collegata = false;  // CHIHASOST leads to a row
    int codGiocatoreEsce = 0;
    QString nomeEsce;
    QVariant sostituito;  // the replaced row's SOSTITUITO
};
Scheda scheda(int codice);

// What a save writes.
struct Dati {
    int codGiocatore = -1;  // -1: a name typed outside the squad
    QString nome;
    bool ammonito = false, espulso = false;
    std::optional<double> voto;  // nothing: VOTO left as it is
    // The replaced player picked (his GIOCATORE.CODICE); nothing: typed, no new link.
    std::optional<int> codGiocatoreEsce;
    int minuto = 0;  // minute code
};

// Adds a substitution in one transaction and returns its key. Its RIGA is one below the team's lowest
// substitute's (-1 for the first).
int inserisci(const Lato& lato, const Dati& d);
// Rewrites a stored substitution in one transaction; false, writing nothing, when its row is gone.
// The replaced row picked is linked and gets the minute; an earlier replaced row gets its place back.
// Typed rather than picked, the earlier link stays and gets the minute. The entering player's own
// SOSTITUITO (the minute he went off himself later) is kept.
bool modifica(const Lato& lato, int codice, const Dati& d);

// Whether the entering player of a substitution was replaced himself later.
bool sostituitoPiuTardi(int codice);

}  // namespace SostituzioniQueries
