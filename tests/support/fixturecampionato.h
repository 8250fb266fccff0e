#pragma once

#include "fixturedati.h"

#include <QHash>
#include <QPair>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Builds a real championship file through the program's own CreaFileCampionato, filled in one
// transaction: teams, calendar, results, squads, line-ups with ratings and cards, substitutions and
// goals, all with the system's codes. The same options and seed always give the same file.
//
//     DatiFixture d = FixtureCampionato(dir.filePath("a.GVN")).squadre(6).giocaFinoA(3, true).crea();
//     DatiFixture g = FixtureCampionato::piuGrande(dir.filePath("serie.GVN")).crea();
//
// The calendar follows the rules of the calendar builder: teams on the positions of the round robin in
// name order, each match day's pairings in binary order of the home team, RIGA 1, 2, ... in that order.
// With an odd number of teams each match day has a resting team (GIORNATA.RIPOSA).
class FixtureCampionato {
public:
    explicit FixtureCampionato(const QString& percorso);

    // 20 teams, the whole season played, 25 players a team, line-ups of 11 starters and 3 substitutes
    // per team and leg, 3 substitutions, about 2.7 goals a match.
    static FixtureCampionato piuGrande(const QString& percorso);

    FixtureCampionato& denominazione(const QString& nome);
    FixtureCampionato& squadre(int n);  // n teams with the default names
    FixtureCampionato& squadre(const QStringList& nomi);
    FixtureCampionato& punti(int vittoria, int pareggio, int sconfitta);
    FixtureCampionato& numerazione(int codice);  // CAMPIONATO.NUMERAZIONE; a negative value leaves it Null
    FixtureCampionato& penalita(const QString& squadra, int punti);
    FixtureCampionato& seme(quint32 seme);
    FixtureCampionato& senzaRigaCampionato();  // no CAMPIONATO row
    FixtureCampionato& senzaCalendario();      // no GIORNATA and PARTITA rows

    // Legs played (flags set in GIORNATA and PARTITA, random scores unless given by risultato()).
    FixtureCampionato& giocaTutto();
    FixtureCampionato& giocaFinoA(int giornata, bool andata);  // every leg up to this one, first leg first
    FixtureCampionato& gioca(int giornata, bool andata);
    // One match leg played with this score (`golCasa` for the home team of that leg); its match day's
    // flag is set only when the match day is played as a whole by the calls above.
    FixtureCampionato& risultato(int giornata, int riga, bool andata, int golCasa, int golOspite);
    // A match of a played match day left unplayed (postponed).
    FixtureCampionato& rinviata(int giornata, int riga, bool andata);

    // Squads of `n` players a team (GIOCATORE).
    FixtureCampionato& rose(int giocatoriPerSquadra);
    // Line-ups (11 starters and `panchina` substitutes a team, `cambi` of them coming on), ratings,
    // cards and goals for every leg played. Needs squads of at least 11 + panchina players.
    FixtureCampionato& formazioni(int panchina = 3, int cambi = 3);

    // Writes the file (which must not exist). Throws ErroreDatabase on failure.
    DatiFixture crea();
    // crea(), then opens the file as DbCampionato and sets PercorsoCampionato (the state is not loaded).
    DatiFixture creaEApri();
    // crea(), then opens and loads it as the open command does (ApriFileComeCampionato): the visible
    // windows close, the state is loaded, and the championship card shows when the settings ask for it.
    DatiFixture creaECarica();

    // The default team names (20 of them).
    static QStringList nomiPredefiniti();

private:
    struct Opzioni {
        QString percorso;
        QString denominazione = QStringLiteral("Campionato di prova");
        QStringList squadre;
        int puntiVittoria = 3, puntiPareggio = 1, puntiSconfitta = 0;
        int numerazione = 1;
        QHash<QString, int> penalita;
        quint32 seme = 2000;
        bool rigaCampionato = true;
        bool calendario = true;
        bool tutto = false;
        int finoAGiornata = 0;
        bool finoAndata = true;
        QSet<QPair<int, bool>> giornate;
        QHash<QString, QPair<int, int>> risultati;  // "g/r/a" -> score of the leg's home and away team
        QSet<QString> rinvii;
        int giocatoriPerSquadra = 0;
        bool formazioni = false;
        int panchina = 3;
        int cambi = 3;
    };
    friend class ScritturaFixture;
    Opzioni o_;
};

// Makes `tabella` of the file open on `db` again without row numbers (WITHOUT ROWID), as another program may store
// it: its fields with their declared types, its first field the key, its rows kept.
void SenzaNumeriDiRiga(QSqlDatabase db, const QString& tabella);
