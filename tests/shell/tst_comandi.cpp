#include "ambientemdi.h"
#include "platform/guida.h"
#include "shell/comandi.h"

#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

// The hand-over variables the commands write, as one text, and values that no command writes.
QString consegna()
{
    const Stato& s = stato();
    return QStringList{QString::number(s.GiornataCorrente),
                       QString::number(s.Andata),
                       QString::number(s.CodPartitaCorrente),
                       QString::number(s.ClassificaCompleta),
                       s.SquadraCorrente,
                       QString::number(s.CodGiocatoreCorrente),
                       QString::number(s.RicalcolaClassifica),
                       QString::number(s.GolFatti),
                       QString::number(s.ConfrontoDue),
                       QString::number(s.TipoGraficoGiocatore),
                       QString::number(s.TipoConfrontoGiocatori),
                       QString::number(s.TipoClassifica)}
        .join('|');
}
void sporca(bool a)
{
    Stato& s = stato();
    s.GiornataCorrente = s.CodPartitaCorrente = s.CodGiocatoreCorrente = a ? 77 : 88;
    s.TipoGraficoGiocatore = s.TipoConfrontoGiocatori = s.TipoClassifica = a ? 77 : 88;
    s.Andata = s.ClassificaCompleta = s.RicalcolaClassifica = s.GolFatti = s.ConfrontoDue = a;
    s.SquadraCorrente = a ? "Sporca" : "Altra";
}

// The objectNames of the menu bar's commands, every menu walked.
void vociDeiMenu(const QList<QAction*>& azioni, QStringList& voci)
{
    for (QAction* a : azioni) a->menu() ? vociDeiMenu(a->menu()->actions(), voci) : void(voci << a->objectName());
}

QStringList finestreTarget()
{
    QStringList ids;
    for (const Comando& c : Comandi::tabella())
        if (!c.finestra.isEmpty() && !ids.contains(c.finestra)) ids << c.finestra;
    return ids;
}
void registraTutte()
{
    for (const QString& id : finestreTarget()) FinestraDiTest::registra(id);
}
QStringList visibili()
{
    QStringList v;
    for (const QString& id : finestreTarget())
        if (Finestre::istanza().visibile(id)) v << id;
    return v;
}

}  // namespace

// The commands of the menu bar and toolbar.
class TestComandi : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteMdi> amb_;

public slots:
    void apriPagina(const QUrl& url) { pagine << url; }

public:
    QList<QUrl> pagine;

private slots:
    void init() { amb_ = std::make_unique<AmbienteMdi>(); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        amb_.reset();
    }

    // Every command sits once in the menus, no two share a shortcut, and each command of a window is
    // disabled until its window is registered. A guarded command asks for a championship and on No does
    // nothing at all; with one open it shows its window and nothing else. Two commands of one window leave
    // it different hand-over values (but for the two that repeat a command under another menu).
    void ogniComando()
    {
        QStringList voci, tasti;
        vociDeiMenu(amb_->mdi.menuBar()->actions(), voci);
        amb_->ambiente().apri(amb_->ambiente().nuovo(6).giocaFinoA(3, true));
        QHash<QString, QStringList> modi;
        for (const Comando& c : Comandi::tabella()) {
            if (c.effetto == Effetto::Menu) continue;
            QCOMPARE(voci.count(c.nome), 1);
            QAction* azione = amb_->mdi.azione(c.nome);
            if (!azione->shortcut().isEmpty()) {
                QVERIFY2(!tasti.contains(azione->shortcut().toString()), qPrintable(c.nome));
                tasti << azione->shortcut().toString();
            }
            if (c.finestra.isEmpty()) continue;
            Finestre::istanza().azzera();
            QVERIFY2(!azione->isEnabled(), qPrintable(c.nome));
            registraTutte();
            QVERIFY(azione->isEnabled());
            for (const bool sporco : {true, false}) {
                stato().CampionatoAperto = false;
                sporca(sporco);
                const QString prima = consegna();
                if (c.guardia) {
                    amb_->messaggi().no();
                    azione->trigger();
                    QVERIFY2(amb_->messaggi().ultimo().testo.startsWith("Occorre aprire un file"), qPrintable(c.nome));
                    QVERIFY(visibili().isEmpty() && FinestraDiTest::diario().isEmpty());
                    QCOMPARE(consegna(), prima);
                    stato().CampionatoAperto = true;
                }
                azione->trigger();
                QCOMPARE(amb_->messaggi().quanti(), c.guardia ? 1 : 0);
                amb_->messaggi().svuota();
                QCOMPARE(visibili(), QStringList{c.finestra});
                if (!sporco && !QStringList{"RicercaXSquadra", "GraficoAndamento"}.contains(c.nome)) {
                    QVERIFY2(!modi[c.finestra].contains(consegna()), qPrintable(c.nome));
                    modi[c.finestra] << consegna();
                }
                for (const QString& id : finestreTarget()) Finestre::istanza().scaricaSubito(id);
                FinestraDiTest::diario().clear();
            }
        }
        QVERIFY(tasti.size() >= 10);
    }

    // Showing a window already open only brings it to the front; a window that serves several commands
    // is closed first and loaded afresh with its new mode.
    void finestraGiaAperta_data()
    {
        QTest::addColumn<QString>("primo");
        QTest::addColumn<QString>("secondo");
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<bool>("ricarica");
        // clang-format off
        QTest::newRow("classifica") << "ClassificaGenerale" << "ClassificaGenerale" << "Form6" << false;
        QTest::newRow("grafico gol") << "GraficoGolFatti" << "GraficoGolSubiti" << "Form28" << false;
        QTest::newRow("classifiche") << "MenuClassificaRigori" << "ClassificaFairPlay" << "Form47" << true;
        QTest::newRow("confronto giocatori") << "ConfrontaVotiGioc" << "GraficiRetiGioc" << "Form34" << true;
        QTest::newRow("scheda") << "SchedaCampionato" << "SchedaCampionato" << "Form53" << true;
        // clang-format on
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
        QVERIFY(prima && prima->caricamenti == 1);
        Comandi::esegui(secondo);
        FinestraDiTest* dopo = FinestraDiTest::di(finestra);
        QVERIFY(dopo && Finestre::istanza().visibile(finestra));
        QCOMPARE(dopo != prima, ricarica);
        QCOMPARE(FinestraDiTest::diario().count(finestra + " carica"), ricarica ? 2 : 1);
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
        QVERIFY(!FinestraDiTest::diario().contains("Form47 scarica"));
    }

    // The round-finding commands hand their finder's day to their window, or ask first (the finders'
    // own rules are tested where they live).
    void cercaGiornate_data()
    {
        QTest::addColumn<QString>("calendario");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("risposta");   // to the message; "" none expected
        QTest::addColumn<QString>("messaggio");  // its start
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("andata");
        const QString tutte = "Attenzione. Tutte le giornate", nessuna = "Nessuna giornata del calendario";
        // clang-format off
        QTest::newRow("A vuoto si") << "vuoto" << "InserisciRisultati" << "si" << tutte << "Form2" << 1 << true;
        QTest::newRow("A meta") << "meta" << "InserisciRisultati" << "" << "" << "Form5" << 4 << false;
        QTest::newRow("A tutto si") << "tutto" << "InserisciRisultati" << "si" << tutte << "Form2" << 1 << true;
        QTest::newRow("B meta") << "meta" << "ProssimoTurno" << "" << "" << "Form2" << 4 << false;
        QTest::newRow("B tutto si") << "tutto" << "ProssimoTurno" << "si" << tutte << "Form2" << 1 << true;
        QTest::newRow("C vuoto si") << "vuoto" << "UltimoTurnoDisputato" << "si" << nessuna << "Form10" << 1 << false;
        QTest::newRow("C nessuna") << "nessuna" << "UltimoTurnoDisputato" << "ok" << "Non è ancora stato disputato" << "Form2" << 1 << true;
        QTest::newRow("C meta") << "meta" << "UltimoTurnoDisputato" << "" << "" << "Form2" << 3 << false;
        QTest::newRow("C tutto") << "tutto" << "UltimoTurnoDisputato" << "" << "" << "Form2" << 5 << false;
        QTest::newRow("D vuoto") << "vuoto" << "VisualizzaFormazioni" << "ok" << "Non ci sono partite registrate" << "" << 1 << true;
        QTest::newRow("D meta") << "meta" << "VisualizzaFormazioni" << "" << "" << "Form3" << 1 << true;
        QTest::newRow("E meta") << "meta" << "RicercaRisultati" << "" << "" << "Form13" << 1 << true;
        // clang-format on
    }
    void cercaGiornate()
    {
        QFETCH(QString, calendario);
        QFETCH(QString, comando);
        QFETCH(QString, risposta);
        QFETCH(QString, messaggio);
        QFETCH(QString, finestra);
        QFETCH(int, giornata);
        QFETCH(bool, andata);
        FixtureCampionato f = amb_->ambiente().nuovo(6);
        if (calendario == "vuoto") f.senzaCalendario();
        if (calendario == "meta") f.giocaFinoA(3, false);
        if (calendario == "andata") f.giocaFinoA(5, true);
        if (calendario == "tutto") f.giocaTutto();
        const DatiFixture d = amb_->ambiente().apri(f);
        registraTutte();
        stato().GiornataCorrente = 77;
        stato().Andata = false;
        stato().CodPartitaCorrente = 777;
        if (!risposta.isEmpty())
            amb_->messaggi().risposta(risposta == "si"   ? Messaggio::Risposta::Si
                                      : risposta == "no" ? Messaggio::Risposta::No
                                                         : Messaggio::Risposta::Ok);

        Comandi::esegui(comando);
        QCOMPARE(amb_->messaggi().quanti(), risposta.isEmpty() ? 0 : 1);
        if (!risposta.isEmpty()) QVERIFY(amb_->messaggi().mostrati().first().testo.startsWith(messaggio));
        QCOMPARE(visibili(), finestra.isEmpty() ? QStringList() : QStringList{finestra});
        QCOMPARE(stato().GiornataCorrente, giornata);
        QCOMPARE(stato().Andata, andata);
        // The match sheet and the result search get day 1 with one of its matches.
        if (finestra == "Form3" || finestra == "Form13") QCOMPARE(stato().CodPartitaCorrente, d.partita(1, 1)->codPart);
    }

    // A file that cannot be read ends the command with a message; nothing is shown.
    void erroreDelDatabase()
    {
        amb_->ambiente().apri(amb_->ambiente().nuovo(6));
        registraTutte();
        Esegui("DROP TABLE Giornata");
        amb_->messaggi().ok();
        Comandi::esegui("InserisciRisultati");
        QCOMPARE(amb_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
        QVERIFY(visibili().isEmpty());
    }

    // The version box, the web page, and help at the topic of the window in front (menu and toolbar).
    void aiuto()
    {
        amb_->messaggi().ok();
        amb_->esegui("Versione");
        pagine.clear();
        QDesktopServices::setUrlHandler("https", this, "apriPagina");
        amb_->esegui("GolvarnoInternet");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(pagine, QList<QUrl>{QUrl(Comandi::indirizzoWeb())});

        FinestraDiTest::registra("Form6", [](FinestraDiTest& w) { w.impostaContestoGuida(42); });
        amb_->mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&amb_->mdi));
        Finestre::istanza().mostra("Form6");
        amb_->esegui("RichiamaGuida");
        QCOMPARE(Guida::ultimoContesto(), 42);
        FinestraDiTest::di("Form6")->impostaContestoGuida(43);
        amb_->mdi.eseguiPulsante(18);
        QCOMPARE(Guida::ultimoContesto(), 43);
    }
};

QTEST_MAIN(TestComandi)
#include "tst_comandi.moc"
