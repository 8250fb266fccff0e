#pragma once

#include <QString>

// Every window's id, named once. A window's objectName is its id; the registry, the commands and the
// windows that open each other use these names, so a typo fails to compile instead of silently
// disabling a command. A window class also offers its own id as `Id` (= the name here).
namespace IdFinestra {
// Championship and lifecycle
inline const QString NuovoCampionato = QStringLiteral("Form9");
inline const QString NuovaStagione = QStringLiteral("Form36");
inline const QString ProprietaCampionato = QStringLiteral("Form41");
inline const QString InformazioniSocietarie = QStringLiteral("Form43");
inline const QString Opzioni = QStringLiteral("Form46");
inline const QString Introduzione = QStringLiteral("Form49");
inline const QString SchedaCampionato = QStringLiteral("Form53");
// Calendar and results
inline const QString Calendario = QStringLiteral("Form2");
inline const QString InserimentoRisultati = QStringLiteral("Form5");
inline const QString RegistrazioneGiornate = QStringLiteral("Form10");
inline const QString Tabellino = QStringLiteral("Form11");
inline const QString RicercaRisultati = QStringLiteral("Form13");
inline const QString CalendarioAutomatico = QStringLiteral("Form37");
inline const QString DateGiornate = QStringLiteral("Form38");
inline const QString ControlloCalendario = QStringLiteral("Form39");
inline const QString PartiteDaRecuperare = QStringLiteral("Form42");
// Standings and team statistics
inline const QString Statistiche = QStringLiteral("Form4");
inline const QString Classifica = QStringLiteral("Form6");
inline const QString ClassificaParziale = QStringLiteral("Form7");
inline const QString CalendarioSquadra = QStringLiteral("Form21");
inline const QString AndamentoSquadra = QStringLiteral("Form22");
inline const QString Almanacco = QStringLiteral("Form40");
// Teams and players
inline const QString Rosa = QStringLiteral("Form1");
inline const QString SchedeGiocatori = QStringLiteral("Form14");
inline const QString VenditaGiocatore = QStringLiteral("Form15");
inline const QString NuovoGiocatore = QStringLiteral("Form16");
inline const QString AcquistoGiocatore = QStringLiteral("Form17");
inline const QString SceltaGiocatore = QStringLiteral("Form35");
inline const QString ElencoGiocatori = QStringLiteral("Form44");
inline const QString Squalificati = QStringLiteral("Form45");
inline const QString SceltaImmagine = QStringLiteral("Form50");
// Match details
inline const QString SchedaPartita = QStringLiteral("Form3");
inline const QString Formazioni = QStringLiteral("Form8");
inline const QString Sostituzioni = QStringLiteral("Form18");
inline const QString Reti = QStringLiteral("Form19");
// Rankings and comparisons
inline const QString Marcatori = QStringLiteral("Form20");
inline const QString ConfrontoTabelle = QStringLiteral("Form25");
inline const QString ScontriDiretti = QStringLiteral("Form32");
inline const QString ConfrontoStatistico = QStringLiteral("Form33");
inline const QString ConfrontoGiocatori = QStringLiteral("Form34");
inline const QString ClassificheCalcolate = QStringLiteral("Form47");
// Charts
inline const QString GraficoAndamento = QStringLiteral("Form23");
inline const QString GraficoClassifica = QStringLiteral("Form24");
inline const QString GraficoGolPerGiornata = QStringLiteral("Form26");
inline const QString GraficoRisultati = QStringLiteral("Form27");
inline const QString GraficoGol = QStringLiteral("Form28");
inline const QString GraficoConfrontoAndamento = QStringLiteral("Form29");
inline const QString GraficoCartellini = QStringLiteral("Form30");
inline const QString GraficoGiocatore = QStringLiteral("Form31");
}  // namespace IdFinestra
