#pragma once

#include "core/totale.h"

#include <QString>
#include <QVector>

// One team's line of the league table, as PUNTISQUADRE holds it.
struct RigaClassifica {
    QString nome;
    Totale giocate;
    Totale punti;
    Totale vinteInCasa;
    Totale xInCasa;
    Totale perseInCasa;
    Totale vinteFuori;
    Totale xFuori;
    Totale perseFuori;
    Totale gFattiCasa;
    Totale gSubitiCasa;
    Totale gFattiFuori;
    Totale gSubitiFuori;
    Totale diffReti;
    Totale totaleFatti;
    Totale totaleSubiti;
    Totale totaleVinte;
    Totale mediaInglese;

    Totale pareggi() const { return xInCasa + xFuori; }
    Totale perse() const { return perseInCasa + perseFuori; }
};

// The span of a partial table: first and last match day, each within its leg (1 first leg, 2 return leg).
struct ArcoGiornate {
    int daGiornata = 0;
    int daGirone = 1;
    int aGiornata = 0;
    int aGirone = 1;
};

// The league table's data: its sixteen sort orders, the rebuild and the reading of PUNTISQUADRE.
// Every query throws ErroreDatabase on failure; the window reports it.
class ClassificaQueries {
public:
    // Orders 1 to 16, best first; each ends with the keys of order 1 to break ties.
    static constexpr int NUMERO_ORDINI = 16;
    enum Ordine {
        Punti = 1,
        MediaInglese,
        DifferenzaReti,
        GolFatti,
        GolSubiti,
        Vittorie,
        VittorieInCasa,
        VittorieFuori,
        PareggiInCasa,
        PareggiFuori,
        SconfitteInCasa,
        SconfitteFuori,
        GolFattiInCasa,
        GolFattiFuori,
        GolSubitiInCasa,
        GolSubitiFuori,
    };

    // The name of an order as the order list shows it ("Punti", "Media inglese" ...); "" out of range.
    static QString nomeOrdine(int ordine);
    // The ORDER BY keys of an order ("PUNTI DESC, GIOCATE, ..."); an order out of range gives order 1's.
    static QString chiaviOrdine(int ordine);
    // The statement that reads the table in an order. Rows equal on every key keep their stored order.
    static QString istruzione(int ordine);

    // Rebuilds PUNTISQUADRE: the whole season, or the span in the Parz... variables of stato().
    static void ricalcola(bool completa);
    // The span held in the Parz... variables of stato().
    static ArcoGiornate arcoCorrente();
    // The caption of the table: "Classifica generale del campionato", or "Classifica parziale, dalla
    // giornata n° 1 (andata) alla giornata n° 5 (ritorno)".
    static QString titolo(bool completa, const ArcoGiornate& arco);

    // PUNTISQUADRE as it stands, in `ordine`.
    static QVector<RigaClassifica> leggi(int ordine = Punti);
};
