#pragma once

#include <optional>
#include <QString>
#include <QStringList>
#include <QVariant>

// The value codes stored in the championship file, and how they are written and shown.
// Every window writes and reads the codes through these helpers.

// --- Played flags (PARTITA and GIORNATA DISPAND, DISPRIT): -1 played, 0 not played.
// A flag counts as played only when it is -1; Null, 0 or any other value is not played.
bool Disputata(const QVariant& flag);
bool Disputata(int flag);

// --- Leg of an appearance (PRESENZE.GIRONE): -1 first leg, 0 return leg.
int GironePresenze(bool andata);
// --- Leg of a goal (RETI.GIRONE): 1 first leg, 2 return leg.
int GironeReti(bool andata);
constexpr int GIRONE_RETI_ANDATA = 1;
constexpr int GIRONE_RETI_RITORNO = 2;

// --- Card (PRESENZE.AMMONITO): written as 0, 1 or 101; booked when 1..100, sent off above 100.
constexpr int NESSUN_CARTELLINO = 0;
constexpr int CARTELLINO_GIALLO = 1;
constexpr int CARTELLINO_ROSSO = 101;
bool Ammonito(int codice);
bool Espulso(int codice);
// The code to write for the two boxes of an editor: sent off wins over booked.
int CodiceCartellino(bool ammonito, bool espulso);

// --- Rating (PRESENZE.VOTO): 3 to 10 in halves; 250 = no rating.
constexpr int SENZA_VOTO = 250;
constexpr double VOTO_MINIMO = 3.0;
constexpr double VOTO_MASSIMO = 10.0;
enum class StileSenzaVoto { Maiuscolo, Minuscolo };  // "S.V." or "s.v."
// 250 as "S.V." / "s.v."; any other rating as an Italian number without trailing zeros ("6", "6,5").
QString TestoVoto(double voto, StileSenzaVoto stile = StileSenzaVoto::Maiuscolo);
// The 16 entries of a rating box: "S.V." (or "s.v."), then "3", "3,5", ... "9,5", "10".
QStringList VociVoto(StileSenzaVoto stile = StileSenzaVoto::Maiuscolo);
// A rating that the rating lists and averages count ("Voto between 1 and 10"): 250 is left out.
bool VotoValido(double voto);
// A rating typed in a rating box, read by the one rule of every editor: an empty box is no rating to write,
// "S.V." in any case is 250, a number from 3 to 10 in digits with a decimal comma or point is itself.
// Any other text ("11", "1e3", "250", "sei") is refused, with the reason to show.
struct VotoScritto {
    std::optional<double> voto;  // nothing for an empty box or a refused text
    QString rifiuto;             // empty when the text is a rating
    bool valido() const { return rifiuto.isEmpty(); }
};
VotoScritto LeggiVotoScritto(const QString& testo);

// --- Whole numbers typed in a box (shirt numbers, minutes, points, penalties, counts), read by one rule:
// digits only, blanks around them allowed; an empty box (or one of blanks) is 0. Nothing for any other text
// ("12abc", "7,5", "45+2", "1 2") or for a number outside minimo..massimo: the window refuses it with its own
// message. A sign right before the digits, minus or plus, is taken only where `minimo` is below 0 ("-5" and
// "+5" are refused elsewhere).
std::optional<int> InteroScritto(const QString& testo, int massimo, int minimo = 0);

// --- Minute code (RETI.MINUTO, PRESENZE.SOSTITUITO): the minute within its half, + 100 in the second half.
int CodiceMinuto(int minuto, bool secondoTempo);
bool SecondoTempo(int codice);
int MinutoNelTempo(int codice);  // the minute within its half: 110 -> 10, 45 -> 45
// "45 p.t." below 100, "10 s.t." from 100 (100 is "0 s.t.").
QString TestoMinuto(int codice);
// A goal's minute: as TestoMinuto, but Null, 0 or below (not given) is "N.s.".
QString TestoMinutoRete(const QVariant& codice);

// --- Goal kind (RETI.TIPO).
constexpr int TIPO_DESTRO = 1;
constexpr int TIPO_SINISTRO = 2;
constexpr int TIPO_TESTA = 3;
constexpr int TIPO_PUNIZIONE = 4;
constexpr int TIPO_RIGORE = 5;
constexpr int TIPO_ROVESCIATA = 6;
constexpr int TIPO_AUTORETE = 7;
constexpr int TIPO_TACCO = 8;
constexpr int TIPO_NON_INDICATO = 250;
// "Tiro di destro" ... "Colpo di tacco", 7 "Autorete"; empty for 250 and any other value.
QString TestoTipoRete(int tipo);
// The short texts of the match sheet: "Tiro dx", "Tiro sx", "Testa", ... "Tacco"; empty otherwise.
QString TestoTipoReteBreve(int tipo);
bool Autorete(int tipo);
// The team a goal counts for: its own team (RETI.SQUADRA), or for an own goal the other team of the match.
// `squadraA` and `squadraB` are the match's two teams; the comparison ignores case.
QString SquadraDelGol(int tipo, const QString& squadraRete, const QString& squadraA, const QString& squadraB);

// --- Team names (SQUADRA.NOME, and every field that names a team): one team for names equal ignoring case and the
// blanks at both ends, the rule for a name the user types as for the names a file holds. Orders names so that those
// of one team come together: below 0, 0 (one team) or above 0.
int ConfrontaNomiSquadra(const QString& a, const QString& b);

// --- Line-up (PRESENZE.TITOLARE -1 starter, 0 came on; PRESENZE.RIGA 1..11 starters, -1, -2, ... substitutes).
constexpr int GIOCATORE_NON_IN_ROSA = -1;  // PRESENZE.CODGIOCATORE of a name typed in

// --- Shirt numbering (CAMPIONATO.NUMERAZIONE): 1 traditional, 2 personal; 0 or empty reads as personal.
constexpr int NUMERAZIONE_TRADIZIONALE = 1;
constexpr int NUMERAZIONE_PERSONALE = 2;

// --- Player names by the style FormatoNome: 1 "Rossi", 2 "Andrea Rossi", 3 "A. Rossi".
// An empty first name in style 3 keeps ". " before the surname; any other style gives "".
QString NomeGiocatore(const QString& nome, const QString& cognome, int formatoNome);
// The joint of style 3 between the initial and the surname: "A. Rossi" or, in the rankings, "A Rossi".
enum class GiunturaIniziale { Punto, Spazio };
// The name in a list of players: as NomeGiocatore with the joint of style 3 chosen; any style outside
// 1..3 gives the default style 1 (the surname).
QString NomeGiocatoreElenco(const QString& nome, const QString& cognome, int formatoNome, GiunturaIniziale giuntura);
