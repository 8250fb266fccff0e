#pragma once

#include <optional>
#include <QString>
#include <QVector>

// One entry of the player list that the cards browse: the key and the surname it is searched by.
struct VoceElencoGiocatori {
    int codice = 0;
    QString cognome;
};

// The personal data of a player's card, as stored (Null fields read as empty text, NUMERO as 0).
struct DatiGiocatore {
    int codice = 0;
    int codSquadra = 0;
    QString nome;
    QString cognome;
    QString ruolo;
    int numero = 0;
    QString dataNascita;
    QString luogoNascita;
    QString nazione;
    QString altezza;
    QString peso;
    QString foto;
};

// A player's figures over the whole file: appearances, cards and ratings from PRESENZE, goals from RETI.
struct StatisticheGiocatore {
    int daTitolare = 0;    // TITOLARE -1
    int panchine = 0;      // TITOLARE 0: came on from the bench
    int sostituzioni = 0;  // SOSTITUITO > 0
    int ammonizioni = 0;   // AMMONITO 1..100
    int espulsioni = 0;    // AMMONITO above 100
    // Ratings of the rated appearances only (not 250, not 0, not Null), in ten-thousandths as stored. The sum is
    // exact as long as it is below 2^53 ten-thousandths, far beyond any sum of ratings that a box takes.
    int votati = 0;
    double sommaVoti = 0;
    qint64 votoMassimo = 0;
    qint64 votoMinimo = 0;
    int reti = 0;                // every kind, own goals included
    int retiPerTipo[9] = {};     // kinds 1..8 by index
    int retiNonSpecificate = 0;  // kind 250

    int presenze() const { return daTitolare + panchine; }
    int retiDiTipo(int tipo) const;
};

// The texts of the "Statistiche" tab, in the order of its boxes.
struct TestiStatistiche {
    QString daTitolare, panchine, sostituzioni, presenze, ammonizioni, espulsioni;
    QString reti, mediaGol, rigori, punizioni, destro, sinistro, testa, autogol, nonSpecificate;
    QString votoMedio, votoAlto, votoBasso;
};

class SchedeGiocatoriQueries {
public:
    // The players of a team (`codSquadra`), or of every team when it is empty, by surname, first name
    // and key.
    static QVector<VoceElencoGiocatori> elenco(std::optional<int> codSquadra);
    // A player's row; nothing when there is none with that key.
    static std::optional<DatiGiocatore> giocatore(int codice);
    // Two scans: one of the player's appearances, one of his goals.
    static StatisticheGiocatore statistiche(int codice);
    static TestiStatistiche testi(const StatisticheGiocatore& s);

    // The nine personal fields of the card (not the team, the photo, the notes or the goals), by key. Both
    // return false when no row has the key any more (deleted meanwhile): nothing was written.
    static bool salva(const DatiGiocatore& g);
    static bool salvaFoto(int codice, const QString& percorso);
    // Only the player's row: his appearances and goals stay recorded.
    static void elimina(int codice);

    // The first entry whose surname begins with `inizio` (literally, ignoring case), -1 when none.
    static int cerca(const QVector<VoceElencoGiocatori>& elenco, const QString& inizio);
    // The first surname that begins with `lettera`, else with the letters after it round to it (Z is
    // followed by A); -1 when no surname begins with any letter.
    static int cercaLettera(const QVector<VoceElencoGiocatori>& elenco, QChar lettera);

    // The average of ratings in ten-thousandths, rounded to four decimals (ties to even), as Italian text. A sum
    // that a double no longer holds whole (from ratings no box takes) gives the plain quotient.
    static QString testoVotoMedio(double somma, int quanti);
};
