#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// What a fixture championship holds, as written into its file: tests compare the file and the
// windows against it.

struct PartitaFixture {
    int codPart = 0;
    int giornata = 0;
    int riga = 0;
    QString sq1;  // at home in the first leg
    QString sq2;  // at home in the return leg
    bool disputataAnd = false;
    bool disputataRit = false;
    int g1a = 0, g2a = 0;  // goals of SQ1 and SQ2 in the first leg (0 when not played)
    int g1r = 0, g2r = 0;  // goals of SQ1 and SQ2 in the return leg

    bool disputata(bool andata) const { return andata ? disputataAnd : disputataRit; }
    QString casa(bool andata) const { return andata ? sq1 : sq2; }
    QString ospite(bool andata) const { return andata ? sq2 : sq1; }
    int golCasa(bool andata) const { return andata ? g1a : g2r; }
    int golOspite(bool andata) const { return andata ? g2a : g1r; }
};

struct GiornataFixture {
    int numero = 0;
    bool disputataAnd = false;
    bool disputataRit = false;
    QString riposa;  // the resting team with an odd number of teams
};

struct GiocatoreFixture {
    int codice = 0;
    QString nome;
    QString cognome;
    QString ruolo;
    int numero = 0;
    int codSquadra = 0;
    QString squadra;
    int reti = 0;  // GIOCATORE.RETI: every goal he scored, own goals included
};

struct ReteFixture {
    int codice = 0;
    int codPart = 0;
    int codGiocatore = 0;
    QString squadra;  // the scorer's team, also for an own goal
    bool andata = true;
    int minuto = 0;  // minute code
    int tipo = 0;
};

struct DatiFixture {
    QString percorso;
    QString denominazione;
    QStringList squadre;         // in the order of the SQUADRA rows
    QHash<QString, int> codici;  // SQUADRA.CODICE by name
    QVector<GiornataFixture> giornate;
    QVector<PartitaFixture> partite;  // in stored order
    QVector<GiocatoreFixture> giocatori;
    QVector<ReteFixture> reti;

    // Counts of the PRESENZE rows written.
    int presenze = 0;
    int titolari = 0;
    int sostituzioni = 0;  // substitutes' rows
    int ammonizioni = 0;
    int espulsioni = 0;
    int senzaVoto = 0;  // VOTO 250

    int autoreti() const;
    int partiteGiocate() const;  // legs played, over both legs
    const PartitaFixture* partita(int giornata, int riga) const;
    const PartitaFixture* partitaDiCodice(int codPart) const;
    QVector<const GiocatoreFixture*> rosa(const QString& squadra) const;
};
