#pragma once

#include <QString>
#include <QVector>

// A team of the open championship, as listed in `Squadre`.
struct TipoSquadra {
    QString Nome;
    QString Codice;  // SQUADRA.CODICE as text
};

// Dates and times of one row of the match day being entered by hand.
struct TipoDataOrario {
    QString DataAnd;
    QString HAnd;
    QString DataRit;
    QString HRit;
};

// The shared state of the program: the open championship, the settings and the hand-over
// variables through which a window tells the next one what to show. Codes are 32-bit.
struct Stato {
    // --- Championship state
    QString PercorsoCampionato;
    bool CampionatoAperto = false;
    int CampionatoCreato = 0;  // 1: the next load is of a file just created
    QString Denominazione;
    int PuntiVittoria = 0;
    int PuntiPareggio = 0;
    int PuntiSconfitta = 0;
    int GiornateInserite = 0;
    bool NumerazioneTradizionale = false;
    int NumeroSquadre = 0;
    QVector<TipoSquadra> Squadre;  // index 0 unused: teams are numbered from 1
    QVector<QString> NomiSquadre;  // index 0 unused

    // --- Settings and start-up state
    int FormatoNome = 1;  // 1 surname, 2 first name and surname, 3 initial and surname
    bool MostraVoti = true;
    bool MostraPrimiPassi = true;
    bool MostraSchedaCampionato = true;
    QString PercorsoImpostazioni;
    QString PercorsoGuida;
    bool PrimaAttivazione = false;
    int AzioneIniziale = 0;  // 0 none, 1 open a championship, 2 create one
    bool BmpAmmonitoPresente = false;
    bool BmpEspulsoPresente = false;
    int IdEvidenziato = -1;

    // --- Hand-over variables
    int GiornataCorrente = 0;
    bool Andata = false;  // true: first leg; false: return leg
    int CodPartitaCorrente = 0;
    QString SquadraCorrente;
    int CodGiocatoreCorrente = 0;
    int CodGiocatoreScelto = 0;
    QString PercorsoImmagine;
    int CodSostituzione = 0;
    int CodRete = 0;
    bool GiornataCambiata = false;
    bool ClassificaCompleta = false;
    int ParzDaGiornata = 0;
    int ParzAGiornata = 0;
    int ParzDaGirone = 0;  // 1 first leg, 2 return leg
    int ParzAGirone = 0;
    bool StatGiornata = false;
    int TipoClassifica = 0;
    int TipoConfrontoGiocatori = 0;
    int TipoGraficoGiocatore = 0;
    bool GolFatti = false;
    bool ConfrontoDue = false;
    bool RicalcolaClassifica = false;
    int RigaSelezionata = 0;
    QVector<TipoDataOrario> DateOrariPartite;  // index 0 unused
};

// The one shared state of the run.
Stato& stato();

// Back to the start-of-run values (tests call it between cases).
void AzzeraStato();

// The index of a team in `Squadre` by name, ignoring case; 0 when absent.
int IndiceSquadra(const QString& nome);

// Hands a match day on show over to the other windows, whole: GiornataCorrente and Andata, and CodPartitaCorrente
// on the first of `partite` (the day's matches in the order shown), so that a window following the hand-over never
// takes a match of another day into this day and leg. With `tieniPartita` a match of the day handed over already
// stays. A day without matches leaves CodPartitaCorrente as it is.
void ConsegnaGiornata(int giornata, bool andata, const QVector<int>& partite, bool tieniPartita = false);
