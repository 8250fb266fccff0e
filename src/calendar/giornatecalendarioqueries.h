#pragma once

#include "core/stato.h"

#include <QString>
#include <QVector>

// One pairing of a match day as the calendar windows edit it. Dates and times read as typed, a stored
// blank (the file's empty text) as "".
struct DatiIncontro {
    int codPart = 0;  // PARTITA.CODPART; 0 while the pairing is not stored
    QString sq1;      // at home in the first leg
    QString sq2;      // at home in the return leg
    TipoDataOrario date;
    bool giocato = false;  // a leg of it is played, or line-ups or goals are recorded for it
};

// One match day of the calendar: its GIORNATA row and its pairings in stored order.
struct DatiGiornata {
    int numero = 0;
    bool registrata = false;  // it has a GIORNATA row
    QString dataAnd;          // the day's dates
    QString dataRit;
    QString riposa;        // the resting team with an odd number of teams
    bool giocata = false;  // a leg of the day, or of one of its pairings, is played
    QVector<DatiIncontro> incontri;
};

// The SQL of the calendar windows: reading a match day, saving its dates, saving its pairings typed by
// hand, deleting the last day. Every function throws ErroreDatabase on failure; writes of more than one
// row run in one transaction, so a failure leaves the file as it was.
class GiornateCalendarioQueries {
public:
    // The numbers of the stored match days, ascending.
    static QVector<int> numeri();

    // The match day `numero` (an empty day with registrata false when the file has none of it).
    // Pairings come in the order of their RIGA, then in the order they were stored.
    static DatiGiornata leggi(int numero);

    // Whether the page `digitata` holds anything the user changed from `mostrata`, the page as shown:
    // a team, a date or time, the resting team.
    static bool modificata(const DatiGiornata& digitata, const DatiGiornata& mostrata);

    // The day to save: the day as stored now, `memorizzata`, with what the user changed on the page on
    // top of it (each field of `digitata` that differs from `mostrata`), so that nothing saved since
    // the page was shown is written over. Pairings are matched by code; rows that had no pairing are
    // taken as typed. Into `risultato`; the refusal, in Italian, when the page no longer fits the file
    // (a pairing shown has left the day, a day shown as new has been registered since); "" otherwise.
    static QString conModifiche(const DatiGiornata& memorizzata, const DatiGiornata& mostrata,
                                const DatiGiornata& digitata, DatiGiornata& risultato);

    // The dates of the day and the dates and times of its pairings that differ from the file, an empty
    // text as one blank; nothing else. A pairing or day no longer stored stops the save.
    static void salvaDate(const DatiGiornata& g);

    // Why the pairings typed for a day cannot be saved with `numeroSquadre` teams, in Italian; "" when
    // they can: every row complete, no team against itself, with an odd number of teams a resting team
    // that plays no pairing, and no team twice in the day. Rows are numbered from 1 in the messages.
    static QString problema(const DatiGiornata& g, int numeroSquadre);

    // The teams of the pairings already played that the typed day would change, as a refusal; "" when
    // none. `salvata` is the day as stored; pairings are matched by code.
    static QString cambioGiocate(const DatiGiornata& g, const DatiGiornata& salvata);

    // Saves a day typed by hand: a day not stored yet gets its GIORNATA row and its PARTITA rows (RIGA
    // 1, 2, ..., flags 0, a blank for an empty date or time, goals left empty) and raises GIORNATEINS to
    // its number; in a stored day only the teams, dates and times that differ from the file are
    // written, so each pairing keeps its CODPART, and a row without a pairing gets a new one. The
    // resting team is written only when `numeroSquadre` is odd. A pairing no longer in the day stops the
    // save. Fills the codes of the new pairings into `g`.
    static void salvaIncontri(DatiGiornata& g, int numeroSquadre);

    // Deletes the match day `numero`, its pairings, and lowers GIORNATEINS to `numero` - 1.
    static void elimina(int numero);

    // A stored date or time as shown: blanks around it go, so the stored blank reads "".
    static QString testoDataOrario(const QVariant& memorizzato);

private:
    // The rowid of the CAMPIONATO row that holds GIORNATEINS; throws when the file has none.
    static QVariant rigaCampionato();
};
