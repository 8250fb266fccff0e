#include "ambientemdi.h"
#include "platform/guida.h"
#include "shell/comandi.h"
#include "support/fixturecampionato.h"

#include <functional>
#include <memory>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString DOMANDA_GUARDIA = QStringLiteral(
    "Occorre aprire un file con i dati di un campionato per poter lavorare!\r\rSi desidera aprire un file ora?");

// The hand-over variables the commands write, read back as text, and two sets of values that
// differ from anything a command writes (every truth value takes both values across the two).
struct Variabile {
    QString nome;
    std::function<QString()> leggi;
    std::function<void(bool)> sporca;
};

QString testo(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

const QVector<Variabile>& variabili()
{
    static const QVector<Variabile> v{
        {"GiornataCorrente", [] { return QString::number(stato().GiornataCorrente); },
         [](bool a) { stato().GiornataCorrente = a ? 77 : 88; }},
        {"Andata", [] { return testo(stato().Andata); }, [](bool a) { stato().Andata = a; }},
        {"CodPartitaCorrente", [] { return QString::number(stato().CodPartitaCorrente); },
         [](bool a) { stato().CodPartitaCorrente = a ? 777 : 888; }},
        {"ClassificaCompleta", [] { return testo(stato().ClassificaCompleta); },
         [](bool a) { stato().ClassificaCompleta = a; }},
        {"SquadraCorrente", [] { return stato().SquadraCorrente; },
         [](bool a) { stato().SquadraCorrente = a ? "Sporca" : "Altra"; }},
        {"CodGiocatoreCorrente", [] { return QString::number(stato().CodGiocatoreCorrente); },
         [](bool a) { stato().CodGiocatoreCorrente = a ? 77 : 88; }},
        {"RicalcolaClassifica", [] { return testo(stato().RicalcolaClassifica); },
         [](bool a) { stato().RicalcolaClassifica = a; }},
        {"GolFatti", [] { return testo(stato().GolFatti); }, [](bool a) { stato().GolFatti = a; }},
        {"ConfrontoDue", [] { return testo(stato().ConfrontoDue); }, [](bool a) { stato().ConfrontoDue = a; }},
        {"TipoGraficoGiocatore", [] { return QString::number(stato().TipoGraficoGiocatore); },
         [](bool a) { stato().TipoGraficoGiocatore = a ? 77 : 88; }},
        {"TipoConfrontoGiocatori", [] { return QString::number(stato().TipoConfrontoGiocatori); },
         [](bool a) { stato().TipoConfrontoGiocatori = a ? 77 : 88; }},
        {"TipoClassifica", [] { return QString::number(stato().TipoClassifica); },
         [](bool a) { stato().TipoClassifica = a ? 77 : 88; }},
    };
    return v;
}

QHash<QString, QString> istantanea()
{
    QHash<QString, QString> h;
    for (const Variabile& v : variabili()) h.insert(v.nome, v.leggi());
    return h;
}

// The menu path of an action ("&Partite/&Calendario/&Prossimo turno"), "" when it is in no menu.
QString percorsoMenu(const QList<QAction*>& azioni, const QString& nome, const QString& prefisso = {})
{
    for (QAction* a : azioni) {
        const QString qui = prefisso.isEmpty() ? a->text() : prefisso + '/' + a->text();
        if (a->menu()) {
            const QString trovato = percorsoMenu(a->menu()->actions(), nome, qui);
            if (!trovato.isEmpty()) return trovato;
        } else if (a->objectName() == nome) {
            return qui;
        }
    }
    return {};
}

QStringList finestreTarget()
{
    QStringList ids;
    for (const Comando& c : Comandi::tabella())
        if (!c.finestra.isEmpty() && !ids.contains(c.finestra)) ids << c.finestra;
    return ids;
}

}  // namespace

// The commands of the menu bar and toolbar.
class TestComandi : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteMdi> amb_;
    QTemporaryDir dir;
    int file = 0;

    // A championship of 6 teams (5 rounds) opened as DbCampionato; CampionatoAperto is up to the test.
    DatiFixture apri(const std::function<void(FixtureCampionato&)>& prepara = {})
    {
        FixtureCampionato f(dir.filePath(QStringLiteral("c%1.GVN").arg(++file)));
        f.squadre(6);
        if (prepara) prepara(f);
        DatiFixture d = f.creaEApri();
        stato().GiornateInserite = int(d.giornate.size());
        return d;
    }

    void registraTutte()
    {
        for (const QString& id : finestreTarget()) FinestraDiTest::registra(id);
    }

    QStringList visibili() const
    {
        QStringList v;
        for (const QString& id : finestreTarget())
            if (Finestre::istanza().visibile(id)) v << id;
        return v;
    }

    void scaricaTutte()
    {
        for (const QString& id : finestreTarget()) Finestre::istanza().scaricaSubito(id);
        FinestraDiTest::diario().clear();
    }

public slots:
    void apriPagina(const QUrl& url) { pagine << url; }

public:
    QList<QUrl> pagine;

private slots:
    void init() { amb_ = std::make_unique<AmbienteMdi>(); }
    void cleanup() { amb_.reset(); }

    // The menu bar: nine menus, each command once, 62 commands, 13 shortcuts.
    void menu()
    {
        QStringList titoli;
        for (QAction* a : amb_->mdi.menuBar()->actions()) titoli << a->text();
        QCOMPARE(titoli, (QStringList{"&File", "&Campionato", "&Partite", "Cl&assifiche", "&Squadre", "&Giocatori",
                                      "G&rafici", "C&onfronti", "&Help"}));
        int comandi = 0;
        QStringList tasti;
        for (const Comando& c : Comandi::tabella()) {
            if (c.effetto == Effetto::Menu) continue;
            ++comandi;
            QVERIFY2(!percorsoMenu(amb_->mdi.menuBar()->actions(), c.nome).isEmpty(), qPrintable(c.nome));
            QAction* a = amb_->mdi.azione(c.nome);
            QVERIFY(a);
            if (!a->shortcut().isEmpty()) tasti << a->shortcut().toString();
        }
        QCOMPARE(comandi, 62);
        tasti.sort();
        QStringList attesi{"F2",      "F3", "F4",       "F5",      "Shift+F5", "F6",    "Shift+F6",
                           "Ctrl+F6", "F7", "Shift+F7", "Ctrl+F7", "Ctrl+S",   "Ctrl+G"};
        attesi.sort();
        QCOMPARE(tasti, attesi);
    }

    void comando_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("percorso");
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<bool>("guardia");
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("imposta");  // "Variabile=valore;..." ("%1": the first match of round 1)

        auto riga = [](const char* nome, const char* percorso, const char* tasto, bool guardia, const char* finestra,
                       const char* imposta = "") {
            QTest::newRow(nome) << QString(nome) << QString(percorso) << QString(tasto) << guardia << QString(finestra)
                                << QString(imposta);
        };
        riga("ApriCampionato", "&File/&Apri campionato", "F3", false, "");
        riga("PartendoDaZero", "&File/&Nuovo campionato/&Partendo da zero", "", false, "Form9");
        riga("DaCampionatoAttuale", "&File/&Nuovo campionato/&Da campionato attuale", "", true, "Form36");
        riga("OpzioniVisualizzazione", "&File/&Opzioni di visualizzazione", "", false, "Form46");
        riga("AggiornaFiles", "&File/&Conversione files versione 4", "", false, "");
        riga("Esci", "&File/&Esci da Golvarno", "", false, "");
        riga("MenuRegistraIncontri", "&Campionato/&Giornate/&Registra incontri", "F2", true, "Form10",
             "GiornataCorrente=6");
        riga("CambiaIncontriGiornate", "&Campionato/&Giornate/&Cambia gli incontri", "", true, "Form10",
             "GiornataCorrente=1");
        riga("AutoCalendario", "&Campionato/&Creazione automatica del calendario", "", true, "Form37");
        riga("SchedaCampionato", "&Campionato/&Scheda del campionato", "", true, "Form53");
        riga("ProprietaCampionato", "&Campionato/&Proprietà del campionato", "", true, "Form41");
        riga("MenuAlmanacco", "&Campionato/&Almanacco del campionato", "", true, "Form40");
        riga("CalendarioIncontri", "&Partite/&Calendario/&Calendario del campionato", "F5", true, "Form2",
             "Andata=true;GiornataCorrente=1");
        riga("UltimoTurnoDisputato", "&Partite/&Calendario/&Ultimo turno disputato", "", true, "Form2",
             "Andata=true;GiornataCorrente=3");
        riga("ProssimoTurno", "&Partite/&Calendario/&Prossimo turno", "Shift+F5", true, "Form2",
             "Andata=true;GiornataCorrente=4");
        riga("IncontriNonDisputati", "&Partite/&Calendario/Partite da &recuperare", "", true, "Form42");
        riga("InserisciRisultati", "&Partite/&Risultati/&Inserisci prossima giornata", "F4", true, "Form5",
             "Andata=true;GiornataCorrente=4");
        riga("RicercaRisultati", "&Partite/&Risultati/&Ricerca risultati", "", true, "Form13",
             "Andata=true;GiornataCorrente=1");
        riga("VisualizzaFormazioni", "&Partite/&Tabellini completi", "", true, "Form3",
             "Andata=true;GiornataCorrente=1;CodPartitaCorrente=%1");
        riga("ClassificaGenerale", "Cl&assifiche/Classifica &generale", "F6", true, "Form6", "ClassificaCompleta=true");
        riga("ClassificaParziale", "Cl&assifiche/Classifica &parziale (da... a...)", "Shift+F6", true, "Form7");
        riga("MenuClassificaMarcatori", "Cl&assifiche/Classifica &marcatori", "Ctrl+F6", true, "Form20",
             "SquadraCorrente=");
        riga("MenuClassificaRigori", "Cl&assifiche/&Statistiche/Classifica &rigori", "", true, "Form47",
             "TipoClassifica=1");
        riga("ClassificaFairPlay", "Cl&assifiche/&Statistiche/Classifica &fair play", "", true, "Form47",
             "TipoClassifica=2");
        riga("ClassificaAutogol", "Cl&assifiche/&Statistiche/Classifica &autogol", "", true, "Form47",
             "TipoClassifica=3");
        riga("VisualizzaRosa", "&Squadre/&Gestione/Visualizza &rosa", "F7", true, "Form1");
        riga("InformazioniSocietarie", "&Squadre/&Gestione/&Informazioni societarie", "Shift+F7", true, "Form43",
             "SquadraCorrente=");
        riga("TabellaDiMarcia", "&Squadre/&Andamento/&Tabella di marcia", "Ctrl+F7", true, "Form21",
             "SquadraCorrente=");
        riga("StatisticheAndamentoSquadra", "&Squadre/&Andamento/&Statistiche andamento", "Ctrl+S", true, "Form22",
             "SquadraCorrente=");
        riga("GraficoAndamentoSquadra", "&Squadre/&Andamento/&Grafico andamento", "Ctrl+G", true, "Form23",
             "SquadraCorrente=");
        riga("RicercaXSquadra", "&Squadre/&Ricerca risultati", "", true, "Form13", "Andata=true;GiornataCorrente=1");
        riga("InformazioniPersonali", "&Giocatori/&Schede personali", "", true, "Form14", "CodGiocatoreCorrente=-1");
        riga("Elencogiocatori", "&Giocatori/&Elenco completo", "", true, "Form44");
        riga("ElencoSqualificati", "&Giocatori/Elenco &squalificati", "", true, "Form45");
        riga("ClassificaPresenze", "&Giocatori/&Classifiche/Classifica &presenze", "", true, "Form47",
             "TipoClassifica=4");
        riga("ClassificaAmmonizioni", "&Giocatori/&Classifiche/Classifica &ammonizioni", "", true, "Form47",
             "TipoClassifica=5");
        riga("ClassificaEspulsioni", "&Giocatori/&Classifiche/Classifica &espulsioni", "", true, "Form47",
             "TipoClassifica=6");
        riga("MediaVoto", "&Giocatori/&Pagelle/&Media voto", "", true, "Form47", "TipoClassifica=7");
        riga("DreamTeam", "&Giocatori/&Pagelle/&Dream Team", "", true, "Form47", "TipoClassifica=9");
        riga("TopTen", "&Giocatori/&Pagelle/&Top Ten", "", true, "Form47", "TipoClassifica=8");
        riga("GraficoClassifica", "G&rafici/&Campionato/&Classifica", "", true, "Form24", "RicalcolaClassifica=true");
        riga("GraficoGolPerGiornata", "G&rafici/&Campionato/&Gol per giornata", "", true, "Form26");
        riga("GraficoAmmonizioni", "G&rafici/&Campionato/&Ammonizioni ed espulsioni", "", true, "Form30");
        riga("GraficoAndamento", "G&rafici/&Squadra/&Andamento", "", true, "Form23", "SquadraCorrente=");
        riga("GraficoRisultati", "G&rafici/&Squadra/&Risultati", "", true, "Form27", "SquadraCorrente=");
        riga("GraficoGolFatti", "G&rafici/&Squadra/Gol &fatti", "", true, "Form28", "SquadraCorrente=;GolFatti=true");
        riga("GraficoGolSubiti", "G&rafici/&Squadra/Gol &subiti", "", true, "Form28",
             "SquadraCorrente=;GolFatti=false");
        riga("GraficoRetiGiocatore", "G&rafici/&Giocatore/&Reti", "", true, "Form31", "TipoGraficoGiocatore=1");
        riga("GrafAmmonizioniEspGiocatore", "G&rafici/&Giocatore/&Ammonizioni ed espulsioni", "", true, "Form31",
             "TipoGraficoGiocatore=2");
        riga("GraficoVotiGiocatore", "G&rafici/&Giocatore/&Voto", "", true, "Form31", "TipoGraficoGiocatore=3");
        riga("ConfrTabellino", "C&onfronti/&Squadre/&Tabelle di marcia", "", true, "Form25");
        riga("ScontriDiretti", "C&onfronti/&Squadre/&Scontri diretti", "", true, "Form32");
        riga("ConfrontoStatistico", "C&onfronti/&Squadre/&Confronto statistico", "", true, "Form33");
        riga("And2", "C&onfronti/&Squadre/Andamento di &2 squadre", "", true, "Form29", "ConfrontoDue=true");
        riga("Andamento4", "C&onfronti/&Squadre/Andamento di &4 squadre", "", true, "Form29", "ConfrontoDue=false");
        riga("ConfrontaVotiGioc", "C&onfronti/&Giocatori/Confronta &voti", "", true, "Form34",
             "TipoConfrontoGiocatori=1");
        riga("GraficoPagelle", "C&onfronti/&Giocatori/&Grafico pagelle", "", true, "Form34",
             "TipoConfrontoGiocatori=2");
        riga("ConfrontaRetiSegnate", "C&onfronti/&Giocatori/Confronta &reti segnate", "", true, "Form34",
             "TipoConfrontoGiocatori=3");
        riga("GraficiRetiGioc", "C&onfronti/&Giocatori/&Grafico reti", "", true, "Form34", "TipoConfrontoGiocatori=4");
        riga("RichiamaGuida", "&Help/&Guida di Golvarno", "", false, "");
        riga("Versione", "&Help/&Versione", "", false, "");
        riga("GolvarnoInternet", "&Help/Golvarno su &Internet...", "", false, "");
    }
    void comando()
    {
        QFETCH(QString, nome);
        QFETCH(QString, percorso);
        QFETCH(QString, tasto);
        QFETCH(bool, guardia);
        QFETCH(QString, finestra);
        QFETCH(QString, imposta);

        QCOMPARE(percorsoMenu(amb_->mdi.menuBar()->actions(), nome), percorso);
        QAction* azione = amb_->mdi.azione(nome);
        QCOMPARE(azione->shortcut().toString(), tasto);
        const Comando* c = Comandi::trova(nome);
        QCOMPARE(c->guardia, guardia);
        QCOMPARE(c->finestra, finestra);
        if (finestra.isEmpty()) return;  // the commands with work of their own have tests of their own

        const DatiFixture d = apri([](FixtureCampionato& f) { f.giocaFinoA(3, true); });
        imposta.replace("%1", QString::number(d.partita(1, 1)->codPart));
        QHash<QString, QString> attese;
        for (const QString& coppia : imposta.split(';', Qt::SkipEmptyParts))
            attese.insert(coppia.section('=', 0, 0), coppia.section('=', 1));

        // The window is not in this build: the command is not offered.
        QVERIFY(!azione->isEnabled());
        registraTutte();
        QVERIFY(azione->isEnabled());

        for (const bool sporco : {true, false}) {
            // No championship open: the guarded commands ask, and on No do nothing at all.
            stato().CampionatoAperto = false;
            for (const Variabile& v : variabili()) v.sporca(sporco);
            const QHash<QString, QString> prima = istantanea();
            if (guardia) amb_->messaggi().no();
            azione->trigger();
            if (guardia) {
                QCOMPARE(amb_->messaggi().quanti(), 1);
                QCOMPARE(amb_->messaggi().ultimo().testo, DOMANDA_GUARDIA);
                QCOMPARE(amb_->messaggi().ultimo().titolo, QStringLiteral("Golvarno"));
                QVERIFY(visibili().isEmpty());
                QVERIFY(FinestraDiTest::diario().isEmpty());
                QCOMPARE(istantanea(), prima);
                amb_->messaggi().svuota();

                // With a championship open the command goes through.
                stato().CampionatoAperto = true;
                azione->trigger();
            }
            VERIFICA_NESSUN_MESSAGGIO_INATTESO();
            QCOMPARE(visibili(), QStringList{finestra});
            const QHash<QString, QString> dopo = istantanea();
            for (auto it = prima.cbegin(); it != prima.cend(); ++it)
                QCOMPARE(dopo.value(it.key()), attese.value(it.key(), it.value()));
            scaricaTutte();
        }
    }

    // Showing a window that is already open only brings it to the front; the three windows that
    // serve several commands are closed first when open and loaded afresh with their new mode.
    void finestraGiaAperta_data()
    {
        QTest::addColumn<QString>("primo");
        QTest::addColumn<QString>("secondo");
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<bool>("ricarica");
        QTest::newRow("classifica") << "ClassificaGenerale"
                                    << "ClassificaGenerale"
                                    << "Form6" << false;
        QTest::newRow("grafico gol") << "GraficoGolFatti"
                                     << "GraficoGolSubiti"
                                     << "Form28" << false;
        QTest::newRow("classifiche") << "MenuClassificaRigori"
                                     << "ClassificaFairPlay"
                                     << "Form47" << true;
        QTest::newRow("confronto giocatori") << "ConfrontaVotiGioc"
                                             << "GraficiRetiGioc"
                                             << "Form34" << true;
        QTest::newRow("scheda") << "SchedaCampionato"
                                << "SchedaCampionato"
                                << "Form53" << true;
    }
    void finestraGiaAperta()
    {
        QFETCH(QString, primo);
        QFETCH(QString, secondo);
        QFETCH(QString, finestra);
        QFETCH(bool, ricarica);
        registraTutte();
        stato().CampionatoAperto = true;
        Comandi::esegui(primo);
        FinestraDiTest* prima = FinestraDiTest::di(finestra);
        QVERIFY(prima);
        QCOMPARE(prima->caricamenti, 1);
        Comandi::esegui(secondo);
        FinestraDiTest* dopo = FinestraDiTest::di(finestra);
        QVERIFY(dopo && Finestre::istanza().visibile(finestra));
        if (ricarica) {
            QVERIFY(dopo != prima);
            QCOMPARE(FinestraDiTest::diario(),
                     (QStringList{finestra + " carica", finestra + " attiva", finestra + " scarica",
                                  finestra + " carica", finestra + " attiva"}));
        } else {
            QCOMPARE(dopo, prima);
            QCOMPARE(dopo->caricamenti, 1);
        }
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // A window that serves several commands, loaded but hidden, is not unloaded: it is shown.
    void ricaricaSoloSeVisibile()
    {
        registraTutte();
        stato().CampionatoAperto = true;
        Finestre::istanza().carica("Form47");
        FinestraDiTest* w = FinestraDiTest::di("Form47");
        Comandi::esegui("TopTen");
        QCOMPARE(FinestraDiTest::di("Form47"), w);
        QVERIFY(Finestre::istanza().visibile("Form47"));
        QCOMPARE(stato().TipoClassifica, 8);
        QVERIFY(!FinestraDiTest::diario().contains("Form47 scarica"));
    }

    // The four round finders of the menu, on an empty calendar, a season half played and one
    // played to the end.
    void cercaGiornate_data()
    {
        QTest::addColumn<QString>("calendario");  // vuoto, nessuna, meta, tutto
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("risposta");  // answer to the message, "" none expected
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("andata");

        const QString ins = "Inserimento risultati", ult = "Ultimo turno disputato", vis = "Visualizzazione formazioni";
        QTest::newRow("A vuoto si") << "vuoto"
                                    << "InserisciRisultati"
                                    << "si" << ins << "Form2" << 1 << true;
        QTest::newRow("A vuoto no") << "vuoto"
                                    << "InserisciRisultati"
                                    << "no" << ins << "" << 77 << false;
        QTest::newRow("A meta") << "meta"
                                << "InserisciRisultati"
                                << ""
                                << ""
                                << "Form5" << 4 << false;
        QTest::newRow("A nessuna") << "nessuna"
                                   << "InserisciRisultati"
                                   << ""
                                   << ""
                                   << "Form5" << 1 << true;
        QTest::newRow("A tutto si") << "tutto"
                                    << "InserisciRisultati"
                                    << "si" << ins << "Form2" << 1 << true;
        QTest::newRow("A tutto no") << "tutto"
                                    << "InserisciRisultati"
                                    << "no" << ins << "" << 77 << false;
        QTest::newRow("B vuoto no") << "vuoto"
                                    << "ProssimoTurno"
                                    << "no" << ins << "" << 77 << false;
        QTest::newRow("B meta") << "meta"
                                << "ProssimoTurno"
                                << ""
                                << ""
                                << "Form2" << 4 << false;
        QTest::newRow("B tutto si") << "tutto"
                                    << "ProssimoTurno"
                                    << "si" << ins << "Form2" << 1 << true;
        QTest::newRow("C vuoto si") << "vuoto"
                                    << "UltimoTurnoDisputato"
                                    << "si" << ult << "Form10" << 1 << false;
        QTest::newRow("C vuoto no") << "vuoto"
                                    << "UltimoTurnoDisputato"
                                    << "no" << ult << "" << 77 << false;
        QTest::newRow("C nessuna") << "nessuna"
                                   << "UltimoTurnoDisputato"
                                   << "ok" << ult << "Form2" << 1 << true;
        QTest::newRow("C meta") << "meta"
                                << "UltimoTurnoDisputato"
                                << ""
                                << ""
                                << "Form2" << 3 << false;
        QTest::newRow("C andata") << "andata"
                                  << "UltimoTurnoDisputato"
                                  << ""
                                  << ""
                                  << "Form2" << 5 << true;
        QTest::newRow("C tutto") << "tutto"
                                 << "UltimoTurnoDisputato"
                                 << ""
                                 << ""
                                 << "Form2" << 5 << false;
        QTest::newRow("D vuoto") << "vuoto"
                                 << "VisualizzaFormazioni"
                                 << "ok" << vis << "" << 1 << true;
        QTest::newRow("D meta") << "meta"
                                << "VisualizzaFormazioni"
                                << ""
                                << ""
                                << "Form3" << 1 << true;
    }
    void cercaGiornate()
    {
        QFETCH(QString, calendario);
        QFETCH(QString, comando);
        QFETCH(QString, risposta);
        QFETCH(QString, titolo);
        QFETCH(QString, finestra);
        QFETCH(int, giornata);
        QFETCH(bool, andata);
        const DatiFixture d = apri([&](FixtureCampionato& f) {
            if (calendario == "vuoto") f.senzaCalendario();
            if (calendario == "meta") f.giocaFinoA(3, false);
            if (calendario == "andata") f.giocaFinoA(5, true);
            if (calendario == "tutto") f.giocaTutto();
        });
        registraTutte();
        stato().CampionatoAperto = true;
        stato().GiornataCorrente = 77;
        stato().Andata = false;
        stato().CodPartitaCorrente = 777;
        if (risposta == "si") amb_->messaggi().si();
        if (risposta == "no") amb_->messaggi().no();
        if (risposta == "ok") amb_->messaggi().ok();

        Comandi::esegui(comando);
        QCOMPARE(amb_->messaggi().quanti(), risposta.isEmpty() ? 0 : 1);
        if (!risposta.isEmpty()) QCOMPARE(amb_->messaggi().mostrati().first().titolo, titolo);
        QCOMPARE(visibili(), finestra.isEmpty() ? QStringList() : QStringList{finestra});
        QCOMPARE(stato().GiornataCorrente, giornata);
        QCOMPARE(stato().Andata, andata);
        if (finestra == "Form3") QCOMPARE(stato().CodPartitaCorrente, d.partita(1, 1)->codPart);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    void testiDeiCercatori_data()
    {
        QTest::addColumn<QString>("calendario");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("icona");
        QTest::addColumn<int>("pulsanti");
        QTest::newRow("A") << "tutto"
                           << "InserisciRisultati"
                           << "Attenzione. Tutte le giornate del campionato (o almeno quelle inserite) sono state "
                              "disputate. Non è quindi possibile inserire i risultati. Visualizzare il calendario del "
                              "campionato?"
                           << int(Messaggio::Icona::Domanda) << int(Messaggio::Pulsanti::SiNo);
        QTest::newRow("B") << "tutto"
                           << "ProssimoTurno"
                           << "Attenzione. Tutte le giornate del campionato (o almeno quelle inserite) sono state "
                              "disputate. Visualizzare il calendario del campionato dall'inizio?"
                           << int(Messaggio::Icona::Domanda) << int(Messaggio::Pulsanti::SiNo);
        QTest::newRow("C vuoto") << "vuoto"
                                 << "UltimoTurnoDisputato"
                                 << "Nessuna giornata del calendario è stata ancora registrata.\r\rSi desidera "
                                    "iniziare a registrare le giornate del calendario ora?"
                                 << int(Messaggio::Icona::Critica) << int(Messaggio::Pulsanti::SiNo);
        QTest::newRow("C nessuna") << "nessuna"
                                   << "UltimoTurnoDisputato"
                                   << "Non è ancora stato disputato nessun turno del campionato.\r\rVerrà "
                                      "visualizzata la prima giornata di campionato."
                                   << int(Messaggio::Icona::Critica) << int(Messaggio::Pulsanti::Ok);
        QTest::newRow("D") << "vuoto"
                           << "VisualizzaFormazioni"
                           << "Non ci sono partite registrate in questo campionato!" << int(Messaggio::Icona::Critica)
                           << int(Messaggio::Pulsanti::Ok);
    }
    void testiDeiCercatori()
    {
        QFETCH(QString, calendario);
        QFETCH(QString, comando);
        QFETCH(QString, testo);
        QFETCH(int, icona);
        QFETCH(int, pulsanti);
        apri([&](FixtureCampionato& f) {
            if (calendario == "vuoto") f.senzaCalendario();
            if (calendario == "tutto") f.giocaTutto();
        });
        stato().CampionatoAperto = true;
        amb_->messaggi().risposta(pulsanti == int(Messaggio::Pulsanti::Ok) ? Messaggio::Risposta::Ok
                                                                           : Messaggio::Risposta::No);
        Comandi::esegui(comando);
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QCOMPARE(amb_->messaggi().ultimo().testo, testo);
        QCOMPARE(int(amb_->messaggi().ultimo().icona), icona);
        QCOMPARE(int(amb_->messaggi().ultimo().pulsanti), pulsanti);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // A file that cannot be read ends the command with a message; nothing is shown.
    void erroreDelDatabase()
    {
        apri();
        registraTutte();
        stato().CampionatoAperto = true;
        Esegui("DROP TABLE Giornata");
        amb_->messaggi().ok();
        Comandi::esegui("InserisciRisultati");
        QCOMPARE(amb_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
        QVERIFY(visibili().isEmpty());
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    void versione()
    {
        amb_->messaggi().ok();
        amb_->mdi.azione("Versione")->trigger();
        QCOMPARE(amb_->messaggi().ultimo().testo, QStringLiteral("Versione: 1.0.11"));
        QCOMPARE(amb_->messaggi().ultimo().titolo, QStringLiteral("Informazioni su Golvarno"));
        QCOMPARE(amb_->messaggi().ultimo().icona, Messaggio::Icona::Informazione);
        QCOMPARE(amb_->messaggi().ultimo().pulsanti, Messaggio::Pulsanti::Ok);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    void paginaWeb()
    {
        pagine.clear();
        QDesktopServices::setUrlHandler("https", this, "apriPagina");
        amb_->mdi.azione("GolvarnoInternet")->trigger();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(pagine, QList<QUrl>{QUrl(Comandi::indirizzoWeb())});
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // Help opens at the topic of the window in front, from the menu and from the toolbar.
    void guida()
    {
        FinestraDiTest::registra("Form6", [](FinestraDiTest& w) { w.impostaContestoGuida(42); });
        amb_->mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&amb_->mdi));
        Finestre::istanza().mostra("Form6");
        amb_->mdi.azione("RichiamaGuida")->trigger();
        QCOMPARE(Guida::ultimoContesto(), 42);
        FinestraDiTest::di("Form6")->impostaContestoGuida(43);
        amb_->mdi.eseguiPulsante(18);
        QCOMPARE(Guida::ultimoContesto(), 43);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }
};

QTEST_MAIN(TestComandi)
#include "tst_comandi.moc"
