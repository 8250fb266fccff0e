#pragma once

#include "core/database.h"

#include <QString>

// Conversion of championship files of the previous version. Those files hold the eight tables
// without CAMPIONATO.NUMERAZIONE, GIOCATORE.FOTO, PRESENZE.VOTO and PRESENZE.CHIHASOST, with
// PRESENZE.GIRONE coded 1 first leg / other return leg, and minutes counted over the whole match.

// `s` with `t` inserted before its first "." (folders included); "" when `s` is empty or has no dot.
QString InserisciPrimaDelPunto(const QString& s, const QString& t);

// Checks that `percorso` is a championship file of the previous version that the passes can
// convert: an SQLite database with the eight tables, each with row numbers, and the fields the passes read, none of
// the four fields added since, in every number field a number of that field's kind or nothing
// (a number written as text, or an empty text, included), in every counter a code of each row's own,
// and nothing that the opening of its copy would refuse (VerificaDatiCampionato). Only reads the file.
// Throws ErroreDatabase with an Italian text that names the table, the field and the row of a value that
// is no number, of a code that is empty or shared, or the opening's reason.
void VerificaFileDaConvertire(const QString& percorso);

// Copies the old file `vecchio` into the new file `copia` (which must not exist) and converts the
// copy: AggiornaStruttura, every number field's value stored as a number (a number written as text
// becomes that number, an empty text an empty value), the four data passes, then every counter that
// the old file declares as a plain number made the table's INTEGER PRIMARY KEY AUTOINCREMENT (the
// table made again with its other columns, values and indexes), all in one transaction on a connection
// of its own. Refuses a file that VerificaFileDaConvertire refuses before writing anything.
// The old file is only read and the open championship is not touched. On any failure the copy is
// deleted and ErroreDatabase is thrown with an Italian text. Returns `copia`.
QString ConvertiFile(const QString& vecchio, const QString& copia);

// Adds the four fields to the file at `percorso`, on a connection of its own (one transaction).
void AggiornaStruttura(const QString& percorso);

// The data passes, each in one transaction on `db`, in the order ConvertiFile runs them. They compare and order
// the numbers they read (rounds, legs, minutes, rows, starter flags) by their numeric value, also where the
// file holds them as text; an empty or blank text, in a number or a team name, is an empty value.

// Links each PRESENZE row to the first PARTITA row of its round that names its team, when there
// is one, and turns GIRONE 1 into -1 and any other value, an empty one included, into 0.
void CollegaPresenze(QSqlDatabase db = DbCampionato());

// Pairs, within one team, round and leg, the substitutes (TITOLARE 0) in ascending RIGA with the
// replaced players (SOSTITUITO not 0) in ascending SOSTITUITO: the substitute's CHIHASOST gets the
// replaced row's CODICE, the replaced row's CHIHASOST -1. Surplus rows keep an empty CHIHASOST.
void CollegaSostituzioni(QSqlDatabase db = DbCampionato());

// Second-half minutes (above 45) become 100 + the minute of the half: 46 -> 101, 90 -> 145.
void ConvertiMinutiSostituzioni(QSqlDatabase db = DbCampionato());
void ConvertiMinutiReti(QSqlDatabase db = DbCampionato());
