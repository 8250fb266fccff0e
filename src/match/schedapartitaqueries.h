#pragma once

#include <array>
#include <optional>
#include <QString>
#include <QStringList>
#include <QVector>

// What the match sheet reads and writes, as plain values. Team 1 is the home team of the leg shown
// (SQ1 in the first leg, SQ2 in the return leg), team 2 the away team; arrays of two hold team 1 first.

// An item of the match day's list: the pairing as the leg shows it, home team first.
struct VocePartita {
    int codPart = 0;
    QString testo;
};

// The header and the report of one leg of a match.
struct DatiPartita {
    bool trovata = false;
    int codPart = 0;
    int giornata = 0;
    QString casa, ospite;
    QString arbitro, data, ora;
    bool disputata = false;
    QString golCasa, golOspite;  // as stored; empty for Null
    QStringList note;            // linesmen, weather, pitch, spectators
    // Shots, shots on target, offsides, fouls, possession, corners: the home team's, then the away team's.
    std::array<QStringList, 2> statistiche;

    // "2 - 1" (home goals first) when the leg was played, else "Non disputata".
    QString risultato() const;
};

// A row of a starting line-up as shown: the row number or shirt number, the name, the rating, the card.
struct RigaTitolare {
    QString numero;
    QString nome;
    QString voto;
    int cartellino = 0;  // PRESENZE.AMMONITO
};

struct RigaSostituzione {
    int codice = 0;  // PRESENZE.CODICE of the entering player's row
    QString entra, voto, minuto, esce;
    int cartellino = 0;
    // The entering player was replaced himself later: the name of who came on for him, else empty.
    QString sostituitoDa;
};

struct RigaRete {
    int codice = 0;  // RETI.CODICE
    QString minuto, marcatore, tipo;
};

// One team's side of the leg.
struct SquadraInCampo {
    QString nome;
    bool formazionePresente = false;  // at least one starter recorded
    QVector<RigaTitolare> titolari;   // always 11 rows, row i for RIGA i + 1
    QVector<RigaSostituzione> sostituzioni;
    QVector<RigaRete> reti;
};

// How names, ratings and numbers are shown.
struct AspettoScheda {
    int formatoNome = 1;
    bool mostraVoti = true;
    bool numerazioneTradizionale = false;
};

namespace SchedaPartitaQueries {

// The 11 rows of a line-up that has none recorded: numbered 1 to 11 with traditional numbering, else blank.
QVector<RigaTitolare> titolariVuoti(bool numerazioneTradizionale);

// The pairings of a match day in a leg, sorted by the home team of that leg.
QVector<VocePartita> partite(int giornata, bool andata);

// The match by its key, in the leg; trovata is false when there is no such match.
DatiPartita partita(int codPart, bool andata);

// Line-ups, substitutions and goals of both teams of the leg (team 1 = partita.casa).
std::array<SquadraInCampo, 2> squadre(const DatiPartita& partita, bool andata, const AspettoScheda& aspetto);

// Deletes a goal and lowers its scorer's tally by one (never below 0), in one transaction.
// A goal no longer in the file changes nothing.
void eliminaRete(int codice);

// The join condition from a substitute's PRESENZE row (alias `entrato`) to the row of the player he
// replaced (alias `uscito`): the row his CHIHASOST names, unless it is his own (a row linked to itself, as
// older conversions left, replaced no one).
QString condizioneUscito(const QString& entrato, const QString& uscito);

// Who came on for the player of row `codice`: a row other than his own and than `tranne` linked to his,
// that his own links do not lead back to (a row linked to itself, or a loop of links as older conversions
// left, replaced no one). Nothing when no one did.
std::optional<int> entratoAlPostoDi(int codice, int tranne = -1);

// Whether the entering player of a substitution was replaced himself by a later substitution.
bool sostituitoDopo(int codice);

enum class EsitoSostituzione { Eliminata, Mancante, SostituitoDopo };
// Deletes the entering player's row of a substitution and gives the replaced player back his
// place (SOSTITUITO 0) unless another substitute is still linked to his row (older files may hold two
// links to one row: the minute is that one's too), in one transaction. Refused (SostituitoDopo) while the
// entering player was replaced himself by a later substitution, whose minute would be lost otherwise.
EsitoSostituzione eliminaSostituzione(int codice);

}  // namespace SchedaPartitaQueries
