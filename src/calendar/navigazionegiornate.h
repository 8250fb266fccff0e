#pragma once

#include <optional>
#include <QString>

struct GiornataCalendario;

// A match day in one leg.
struct GiornataGirone {
    int giornata = 0;
    bool andata = true;  // true: first leg; false: return leg
    bool operator==(const GiornataGirone&) const = default;
};

// Moving through the calendar in season order, as the calendar viewer and results entry do: the
// first legs of match days 1..N, then the return legs of match days 1..N.
class NavigazioneGiornate {
public:
    // The highest match day of the calendar, 0 when there is none. Throws ErroreDatabase.
    static int ultimaGiornata();

    // The match day before and after `g` in season order, within a calendar of `ultima` match days;
    // nullopt at the ends. A day beyond the calendar steps back to its last day of the same leg.
    static std::optional<GiornataGirone> precedente(GiornataGirone g, int ultima);
    static std::optional<GiornataGirone> successiva(GiornataGirone g, int ultima);

    // The heading of a page: "Giornata n° 3 - girone di andata".
    static QString titolo(GiornataGirone g);
    // The caption of the leg switch on a page of that leg: "Passa al\nritorno" or "Passa\nall'andata".
    static QString testoCambioGirone(bool andata);

    // Hands a page over to the other windows: its match day and leg, with its first match (ConsegnaGiornata);
    // with `tieniPartita` a match of the page handed over already stays.
    static void consegna(const GiornataCalendario& pagina, bool tieniPartita = false);

    // Hands the partial table its span, from match day 1 of the first leg to `g` (ParzDaGiornata,
    // ParzDaGirone, ParzAGiornata, ParzAGirone; legs 1 first, 2 return), and ClassificaCompleta False.
    static void impostaArcoFinoA(GiornataGirone g);
};
