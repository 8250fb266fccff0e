#include "shell/comandi.h"

#include "core/calendarioautomatico.h"
#include "core/cercagiornate.h"
#include "core/comando.h"
#include "core/database.h"
#include "core/guardia.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "platform/messaggio.h"
#include "shell/aperturacampionato.h"
#include "shell/conversionefile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QHash>
#include <QMdiArea>
#include <QUrl>

namespace {

using E = Effetto;

Comando menu(const QString& nome, const QString& padre, const QString& testo)
{
    return Comando{nome, padre, testo, {}, false, E::Menu, {}, {}};
}

Comando voce(const QString& nome, const QString& padre, const QString& testo, QKeySequence tasto, bool guardia,
             E effetto, const QString& finestra = {}, std::function<void(Stato&)> imposta = {})
{
    return Comando{nome, padre, testo, tasto, guardia, effetto, finestra, std::move(imposta)};
}

// The usual command: check, hand-over variables, window.
Comando mostra(const QString& nome, const QString& padre, const QString& testo, const QString& finestra,
               std::function<void(Stato&)> imposta = {}, QKeySequence tasto = {}, bool guardia = true)
{
    return voce(nome, padre, testo, tasto, guardia, E::Mostra, finestra, std::move(imposta));
}

// Windows that serve several commands are reloaded for each.
Comando ricarica(const QString& nome, const QString& padre, const QString& testo, const QString& finestra,
                 std::function<void(Stato&)> imposta = {})
{
    return voce(nome, padre, testo, {}, true, E::RicaricaPrima, finestra, std::move(imposta));
}

std::function<void(Stato&)> nessunaSquadra()
{
    return [](Stato& s) { s.SquadraCorrente.clear(); };
}

std::function<void(Stato&)> classifica(int tipo)
{
    return [tipo](Stato& s) { s.TipoClassifica = tipo; };
}

std::function<void(Stato&)> confrontoGiocatori(int tipo)
{
    return [tipo](Stato& s) { s.TipoConfrontoGiocatori = tipo; };
}

std::function<void(Stato&)> graficoGiocatore(int tipo)
{
    return [tipo](Stato& s) { s.TipoGraficoGiocatore = tipo; };
}

// Match day 1 of the first leg, handed over whole: with its first stored match, so that a window following the
// hand-over never shows a match of another day in that leg. False when the file has no match on that day.
bool consegnaPrimaGiornata()
{
    Query q(QStringLiteral("SELECT CodPart FROM Partita WHERE GiornataNum = 1 ORDER BY rowid"));
    QVector<int> partite;
    if (q.primo()) partite << q.intero(0);
    ConsegnaGiornata(1, true, partite);
    return !partite.isEmpty();
}

std::function<void(Stato&)> primaGiornataAndata()
{
    return [](Stato&) { consegnaPrimaGiornata(); };
}

QVector<Comando> costruisciTabella()
{
    const QKeySequence nessuno;
    return {
        menu("File", "", "&File"),
        voce("ApriCampionato", "File", "&Apri campionato", Qt::Key_F3, false, E::ApriCampionato),
        menu("NuovoCampionato", "File", "&Nuovo campionato"),
        mostra("PartendoDaZero", "NuovoCampionato", "&Partendo da zero", IdFinestra::NuovoCampionato, {}, nessuno,
               false),
        mostra("DaCampionatoAttuale", "NuovoCampionato", "&Da campionato attuale", IdFinestra::NuovaStagione),
        mostra("OpzioniVisualizzazione", "File", "&Opzioni di visualizzazione", IdFinestra::Opzioni, {}, nessuno,
               false),
        voce("AggiornaFiles", "File", "&Conversione files versione 4", nessuno, false, E::ConvertiFile),
        voce("Esci", "File", "&Esci da Golvarno", nessuno, false, E::Esci),

        menu("MenuCampionato", "", "&Campionato"),
        menu("MGiornate", "MenuCampionato", "&Giornate"),
        mostra(
            "MenuRegistraIncontri", "MGiornate", "&Registra incontri", IdFinestra::RegistrazioneGiornate,
            [](Stato& s) { s.GiornataCorrente = s.GiornateInserite + 1; }, Qt::Key_F2),
        mostra("CambiaIncontriGiornate", "MGiornate", "&Cambia gli incontri", IdFinestra::RegistrazioneGiornate,
               [](Stato& s) { s.GiornataCorrente = 1; }),
        voce("AutoCalendario", "MenuCampionato", "&Creazione automatica del calendario", nessuno, true,
             E::CalendarioAutomatico, IdFinestra::CalendarioAutomatico),
        ricarica("SchedaCampionato", "MenuCampionato", "&Scheda del campionato", IdFinestra::SchedaCampionato),
        mostra("ProprietaCampionato", "MenuCampionato", "&Proprietà del campionato", IdFinestra::ProprietaCampionato),
        mostra("MenuAlmanacco", "MenuCampionato", "&Almanacco del campionato", IdFinestra::Almanacco),

        menu("MenuPartite", "", "&Partite"),
        menu("MCalendario", "MenuPartite", "&Calendario"),
        mostra("CalendarioIncontri", "MCalendario", "&Calendario del campionato", IdFinestra::Calendario,
               primaGiornataAndata(), Qt::Key_F5),
        voce("UltimoTurnoDisputato", "MCalendario", "&Ultimo turno disputato", nessuno, true, E::UltimoTurno,
             IdFinestra::Calendario),
        voce("ProssimoTurno", "MCalendario", "&Prossimo turno", Qt::SHIFT | Qt::Key_F5, true, E::ProssimoTurno,
             IdFinestra::Calendario),
        mostra("IncontriNonDisputati", "MCalendario", "Partite da &recuperare", IdFinestra::PartiteDaRecuperare),
        menu("MRisultati", "MenuPartite", "&Risultati"),
        voce("InserisciRisultati", "MRisultati", "&Inserisci prossima giornata", Qt::Key_F4, true,
             E::ProssimaDaInserire, IdFinestra::InserimentoRisultati),
        mostra("RicercaRisultati", "MRisultati", "&Ricerca risultati", IdFinestra::RicercaRisultati,
               primaGiornataAndata()),
        voce("VisualizzaFormazioni", "MenuPartite", "&Tabellini completi", nessuno, true, E::Tabellini,
             IdFinestra::SchedaPartita),

        menu("Classifiche", "", "Cl&assifiche"),
        mostra(
            "ClassificaGenerale", "Classifiche", "Classifica &generale", IdFinestra::Classifica,
            [](Stato& s) { s.ClassificaCompleta = true; }, Qt::Key_F6),
        mostra("ClassificaParziale", "Classifiche", "Classifica &parziale (da... a...)", IdFinestra::ClassificaParziale,
               {}, Qt::SHIFT | Qt::Key_F6),
        mostra("MenuClassificaMarcatori", "Classifiche", "Classifica &marcatori", IdFinestra::Marcatori,
               nessunaSquadra(), Qt::CTRL | Qt::Key_F6),
        menu("ClassStatistiche", "Classifiche", "&Statistiche"),
        ricarica("MenuClassificaRigori", "ClassStatistiche", "Classifica &rigori", IdFinestra::ClassificheCalcolate,
                 classifica(1)),
        ricarica("ClassificaFairPlay", "ClassStatistiche", "Classifica &fair play", IdFinestra::ClassificheCalcolate,
                 classifica(2)),
        ricarica("ClassificaAutogol", "ClassStatistiche", "Classifica &autogol", IdFinestra::ClassificheCalcolate,
                 classifica(3)),

        menu("MenuSquadre", "", "&Squadre"),
        menu("GestioneSquadra", "MenuSquadre", "&Gestione"),
        mostra("VisualizzaRosa", "GestioneSquadra", "Visualizza &rosa", IdFinestra::Rosa, {}, Qt::Key_F7),
        mostra("InformazioniSocietarie", "GestioneSquadra", "&Informazioni societarie",
               IdFinestra::InformazioniSocietarie, nessunaSquadra(), Qt::SHIFT | Qt::Key_F7),
        menu("AndamentoSquadra", "MenuSquadre", "&Andamento"),
        mostra("TabellaDiMarcia", "AndamentoSquadra", "&Tabella di marcia", IdFinestra::CalendarioSquadra,
               nessunaSquadra(), Qt::CTRL | Qt::Key_F7),
        mostra("StatisticheAndamentoSquadra", "AndamentoSquadra", "&Statistiche andamento",
               IdFinestra::AndamentoSquadra, nessunaSquadra(), Qt::CTRL | Qt::Key_S),
        mostra("GraficoAndamentoSquadra", "AndamentoSquadra", "&Grafico andamento", IdFinestra::GraficoAndamento,
               nessunaSquadra(), Qt::CTRL | Qt::Key_G),
        mostra("RicercaXSquadra", "MenuSquadre", "&Ricerca risultati", IdFinestra::RicercaRisultati,
               primaGiornataAndata()),

        menu("GIocatori", "", "&Giocatori"),
        mostra("InformazioniPersonali", "GIocatori", "&Schede personali", IdFinestra::SchedeGiocatori,
               [](Stato& s) { s.CodGiocatoreCorrente = -1; }),
        mostra("Elencogiocatori", "GIocatori", "&Elenco completo", IdFinestra::ElencoGiocatori),
        mostra("ElencoSqualificati", "GIocatori", "Elenco &squalificati", IdFinestra::Squalificati),
        menu("ClassificheGioc", "GIocatori", "&Classifiche"),
        ricarica("ClassificaPresenze", "ClassificheGioc", "Classifica &presenze", IdFinestra::ClassificheCalcolate,
                 classifica(4)),
        ricarica("ClassificaAmmonizioni", "ClassificheGioc", "Classifica &ammonizioni",
                 IdFinestra::ClassificheCalcolate, classifica(5)),
        ricarica("ClassificaEspulsioni", "ClassificheGioc", "Classifica &espulsioni", IdFinestra::ClassificheCalcolate,
                 classifica(6)),
        menu("Pagelle", "GIocatori", "&Pagelle"),
        ricarica("MediaVoto", "Pagelle", "&Media voto", IdFinestra::ClassificheCalcolate, classifica(7)),
        ricarica("DreamTeam", "Pagelle", "&Dream Team", IdFinestra::ClassificheCalcolate, classifica(9)),
        ricarica("TopTen", "Pagelle", "&Top Ten", IdFinestra::ClassificheCalcolate, classifica(8)),

        menu("Grafici", "", "G&rafici"),
        menu("GraficoCampionato", "Grafici", "&Campionato"),
        mostra("GraficoClassifica", "GraficoCampionato", "&Classifica", IdFinestra::GraficoClassifica,
               [](Stato& s) { s.RicalcolaClassifica = true; }),
        mostra("GraficoGolPerGiornata", "GraficoCampionato", "&Gol per giornata", IdFinestra::GraficoGolPerGiornata),
        mostra("GraficoAmmonizioni", "GraficoCampionato", "&Ammonizioni ed espulsioni", IdFinestra::GraficoCartellini),
        menu("GraficiSquadra", "Grafici", "&Squadra"),
        mostra("GraficoAndamento", "GraficiSquadra", "&Andamento", IdFinestra::GraficoAndamento, nessunaSquadra()),
        mostra("GraficoRisultati", "GraficiSquadra", "&Risultati", IdFinestra::GraficoRisultati, nessunaSquadra()),
        mostra("GraficoGolFatti", "GraficiSquadra", "Gol &fatti", IdFinestra::GraficoGol,
               [](Stato& s) {
                   s.SquadraCorrente.clear();
                   s.GolFatti = true;
               }),
        mostra("GraficoGolSubiti", "GraficiSquadra", "Gol &subiti", IdFinestra::GraficoGol,
               [](Stato& s) {
                   s.SquadraCorrente.clear();
                   s.GolFatti = false;
               }),
        menu("GraficoGiocatore", "Grafici", "&Giocatore"),
        mostra("GraficoRetiGiocatore", "GraficoGiocatore", "&Reti", IdFinestra::GraficoGiocatore, graficoGiocatore(1)),
        mostra("GrafAmmonizioniEspGiocatore", "GraficoGiocatore", "&Ammonizioni ed espulsioni",
               IdFinestra::GraficoGiocatore, graficoGiocatore(2)),
        mostra("GraficoVotiGiocatore", "GraficoGiocatore", "&Voto", IdFinestra::GraficoGiocatore, graficoGiocatore(3)),

        menu("MenuConfronti", "", "C&onfronti"),
        menu("ConfrSquadre", "MenuConfronti", "&Squadre"),
        mostra("ConfrTabellino", "ConfrSquadre", "&Tabelle di marcia", IdFinestra::ConfrontoTabelle),
        mostra("ScontriDiretti", "ConfrSquadre", "&Scontri diretti", IdFinestra::ScontriDiretti),
        mostra("ConfrontoStatistico", "ConfrSquadre", "&Confronto statistico", IdFinestra::ConfrontoStatistico),
        mostra("And2", "ConfrSquadre", "Andamento di &2 squadre", IdFinestra::GraficoConfrontoAndamento,
               [](Stato& s) { s.ConfrontoDue = true; }),
        mostra("Andamento4", "ConfrSquadre", "Andamento di &4 squadre", IdFinestra::GraficoConfrontoAndamento,
               [](Stato& s) { s.ConfrontoDue = false; }),
        menu("ConfrGiocatori", "MenuConfronti", "&Giocatori"),
        ricarica("ConfrontaVotiGioc", "ConfrGiocatori", "Confronta &voti", IdFinestra::ConfrontoGiocatori,
                 confrontoGiocatori(1)),
        ricarica("GraficoPagelle", "ConfrGiocatori", "&Grafico pagelle", IdFinestra::ConfrontoGiocatori,
                 confrontoGiocatori(2)),
        ricarica("ConfrontaRetiSegnate", "ConfrGiocatori", "Confronta &reti segnate", IdFinestra::ConfrontoGiocatori,
                 confrontoGiocatori(3)),
        ricarica("GraficiRetiGioc", "ConfrGiocatori", "&Grafico reti", IdFinestra::ConfrontoGiocatori,
                 confrontoGiocatori(4)),

        menu("HelpMenu", "", "&Help"),
        voce("RichiamaGuida", "HelpMenu", "&Guida di Golvarno", nessuno, false, E::Guida),
        voce("Versione", "HelpMenu", "&Versione", nessuno, false, E::Versione),
        voce("GolvarnoInternet", "HelpMenu", "Golvarno su &Internet...", nessuno, false, E::PaginaWeb),
    };
}

// ---------------------------------------------------------------- running

void mostraFinestra(const QString& id)
{
    if (Finestre::istanza().registrata(id)) Finestre::istanza().mostra(id);
}

const QString TITOLO_INSERIMENTO = QStringLiteral("Inserimento risultati");
const QString TITOLO_ULTIMO = QStringLiteral("Ultimo turno disputato");

// Results entry, or the calendar viewer, on the next round to play; when every round is played
// (or there is none) the user may look at the calendar from the start instead.
void prossimaGiornata(const QString& finestra, const QString& domanda)
{
    if (GiornataDaGiocare() == 1) {
        mostraFinestra(finestra);
        return;
    }
    if (Messaggio::mostra(domanda, Messaggio::Pulsanti::SiNo, Messaggio::Icona::Domanda, TITOLO_INSERIMENTO) ==
        Messaggio::Risposta::Si)
        Comandi::esegui(QStringLiteral("CalendarioIncontri"));
}

void ultimoTurno()
{
    switch (UltimaGiornataGiocata()) {
    case 3:
        if (Messaggio::mostra(QStringLiteral("Nessuna giornata del calendario è stata ancora registrata.\r\r"
                                             "Si desidera iniziare a registrare le giornate del calendario ora?"),
                              Messaggio::Pulsanti::SiNo, Messaggio::Icona::Critica,
                              TITOLO_ULTIMO) == Messaggio::Risposta::Si) {
            stato().GiornataCorrente = 1;
            mostraFinestra(IdFinestra::RegistrazioneGiornate);
        }
        return;
    case 2:
        // The first round of the first leg, after telling the user why.
        Messaggio::errore(QStringLiteral("Non è ancora stato disputato nessun turno del campionato.\r\r"
                                         "Verrà visualizzata la prima giornata di campionato."),
                          TITOLO_ULTIMO);
        break;
    default: break;
    }
    mostraFinestra(IdFinestra::Calendario);
}

void tabellini()
{
    if (!consegnaPrimaGiornata()) {
        Messaggio::errore(QStringLiteral("Non ci sono partite registrate in questo campionato!"),
                          QStringLiteral("Visualizzazione formazioni"));
        return;
    }
    mostraFinestra(IdFinestra::SchedaPartita);
}

// As the main window's close box: every window unloads through its own unload step, so that what they
// hold unsaved is saved or asked about; one that refuses keeps the program open.
void esci()
{
    QMdiArea* area = Finestre::istanza().area();
    QWidget* principale = area ? area->window() : nullptr;
    if (!principale) {
        if (Finestre::istanza().scaricaTutte()) QCoreApplication::exit(0);
        return;
    }
    if (principale->close()) QCoreApplication::quit();
}

void versione()
{
    Messaggio::informa(QStringLiteral("Versione: %1.%2.%3")
                           .arg(Comandi::VERSIONE_MAGGIORE)
                           .arg(Comandi::VERSIONE_MINORE)
                           .arg(Comandi::VERSIONE_REVISIONE),
                       QStringLiteral("Informazioni su Golvarno"));
}

void svolgi(const Comando& c)
{
    if (c.guardia && !VerificaCampionatoAperto()) return;
    switch (c.effetto) {
    case E::Menu: return;
    case E::Mostra:
        if (c.imposta) c.imposta(stato());
        mostraFinestra(c.finestra);
        return;
    case E::RicaricaPrima:
        // A window that serves several commands reads its mode when it loads.
        if (Finestre::istanza().visibile(c.finestra)) Finestre::istanza().scaricaSubito(c.finestra);
        if (c.imposta) c.imposta(stato());
        mostraFinestra(c.finestra);
        return;
    case E::ApriCampionato: AperturaCampionato::ApriCampionato_Click(); return;
    case E::ConvertiFile: ConversioneFile::ConvertiFileVersione4(); return;
    case E::Esci: esci(); return;
    case E::CalendarioAutomatico: MostraCalendarioAutomatico(); return;
    case E::ProssimaDaInserire:
        prossimaGiornata(IdFinestra::InserimentoRisultati,
                         QStringLiteral("Attenzione. Tutte le giornate del campionato (o almeno quelle inserite) sono "
                                        "state disputate. Non è quindi possibile inserire i risultati. Visualizzare il "
                                        "calendario del campionato?"));
        return;
    case E::ProssimoTurno:
        prossimaGiornata(IdFinestra::Calendario,
                         QStringLiteral("Attenzione. Tutte le giornate del campionato (o almeno quelle inserite) sono "
                                        "state disputate. Visualizzare il calendario del campionato dall'inizio?"));
        return;
    case E::UltimoTurno: ultimoTurno(); return;
    case E::Tabellini: tabellini(); return;
    case E::Guida: Finestre::istanza().apriGuida(); return;
    case E::Versione: versione(); return;
    case E::PaginaWeb: QDesktopServices::openUrl(QUrl(Comandi::indirizzoWeb())); return;
    }
}

}  // namespace

const QVector<Comando>& Comandi::tabella()
{
    static const QVector<Comando> t = costruisciTabella();
    return t;
}

const Comando* Comandi::trova(const QString& nome)
{
    static const QHash<QString, int> indici = [] {
        QHash<QString, int> h;
        for (int i = 0; i < tabella().size(); ++i) h.insert(tabella()[i].nome, i);
        return h;
    }();
    const auto it = indici.constFind(nome);
    return it == indici.cend() ? nullptr : &tabella()[*it];
}

const QVector<PulsanteBarra>& Comandi::barra()
{
    static const QVector<PulsanteBarra> b{
        {0, "Aprire un campionato", "ApriCampionato", "apri"},
        {1, "Crea un nuovo campionato", "PartendoDaZero", "nuovo"},
        {15, "Scheda del campionato", "SchedaCampionato", "scheda"},
        {2, "Registra le giornate di campionato", "MenuRegistraIncontri", "giornate"},
        {3, "Calendario del campionato", "CalendarioIncontri", "calendario"},
        {4, "Classifica del campionato", "ClassificaGenerale", "classifica"},
        {5, "Inserisci i risultati del prossimo turno", "InserisciRisultati", "risultati"},
        {10, "Prossimo turno da disputare", "ProssimoTurno", "prossimo"},
        {7, "Rosa di una squadra", "VisualizzaRosa", "squadra"},
        {6, "Tabella di marcia di una squadra", "TabellaDiMarcia", "tabella"},
        {9, "Grafico dell'andamento di una squadra", "GraficoAndamentoSquadra", "grafico"},
        {11, "Formazioni e marcatori", "VisualizzaFormazioni", "formazioni"},
        {13, "Statistiche sul campionato", "MenuAlmanacco", "almanacco"},
        {16, "Confronta tabelle di marcia", "ConfrTabellino", "confronto"},
        {17, "Confronta grafici di andamento", "ConfrontoStatistico", "statistiche"},
        {18, "Richiama guida di Golvarno", "RichiamaGuida", "guida"},
    };
    return b;
}

bool Comandi::disponibile(const Comando& c)
{
    if (c.effetto == E::Menu || c.finestra.isEmpty()) return true;
    return Finestre::istanza().registrata(c.finestra);
}

QString Comandi::indirizzoWeb() { return QStringLiteral("https://golvarno.example.org/"); }

void Comandi::esegui(const QString& nome)
{
    const Comando* c = trova(nome);
    if (!c) return;
    // A failure of the data is told under the command's own caption: what the user was doing.
    EseguiComando(QString(c->testo).remove(QLatin1Char('&')), [c] { svolgi(*c); });
}
