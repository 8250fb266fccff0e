#include "core/campionato.h"
#include "core/classifica.h"
#include "core/database.h"
#include "core/stato.h"
#include "shell/schedacampionatoqueries.h"
#include "shell/schedacampionatowindow.h"
#include "support/cartellatemporanea.h"
#include "support/finestraditest.h"
#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include <algorithm>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using Righe = QVector<QStringList>;

// The championship card: its five views on known championships, the action button and the check box.
class TestSchedaCampionato : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    CartellaTemporanea* cartella_ = nullptr;
    QMdiArea* area_ = nullptr;
    int file_ = 0;

    // Builds the championship, opens it and loads it into the shared state (without showing the card).
    DatiFixture apri(FixtureCampionato f)
    {
        DatiFixture d = f.creaEApri();
        const bool mostra = stato().MostraSchedaCampionato;
        stato().MostraSchedaCampionato = false;
        CaricaCampionato();
        stato().MostraSchedaCampionato = mostra;
        return d;
    }
    FixtureCampionato nuova() { return FixtureCampionato(dir_.filePath(QStringLiteral("c%1.GVN").arg(++file_))); }

    static SchedaCampionatoWindow* scheda()
    {
        return qobject_cast<SchedaCampionatoWindow*>(Finestre::istanza().mostra(QStringLiteral("Form53")));
    }
    template <typename T> static T* parte(const char* nome)
    {
        return Finestre::istanza().finestra(QStringLiteral("Form53"))->findChild<T*>(QLatin1String(nome));
    }
    static QTreeWidget* albero() { return parte<QTreeWidget>("TreeView1"); }
    static QTreeWidget* elenco() { return parte<QTreeWidget>("ListView1"); }
    static QPushButton* azione() { return parte<QPushButton>("Command1"); }

    static QTreeWidgetItem* nodo(const QString& chiave)
    {
        for (QTreeWidgetItemIterator it(albero()); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == chiave) return *it;
        return nullptr;
    }
    static void clicca(QTreeWidget* t, QTreeWidgetItem* i)
    {
        t->scrollToItem(i);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(i).center());
    }
    static void cliccaNodo(const QString& chiave) { clicca(albero(), nodo(chiave)); }

    static Righe righe()
    {
        Righe r;
        for (int i = 0; i < elenco()->topLevelItemCount(); ++i) {
            QStringList celle;
            for (int c = 0; c < elenco()->columnCount(); ++c) celle << elenco()->topLevelItem(i)->text(c);
            r << celle;
        }
        return r;
    }
    static QStringList intestazioni()
    {
        QStringList h;
        for (int c = 0; c < elenco()->columnCount(); ++c) h << elenco()->headerItem()->text(c);
        return h;
    }

    // The rows a round view must show for a match day, from what the fixture wrote.
    static Righe attese(const DatiFixture& d, int giornata, bool andata)
    {
        QVector<PartitaFixture> p;
        for (const PartitaFixture& x : d.partite)
            if (x.giornata == giornata) p << x;
        if (!andata)
            std::stable_sort(p.begin(), p.end(), [](const PartitaFixture& a, const PartitaFixture& b) {
                const int c = a.sq2.compare(b.sq2, Qt::CaseInsensitive);
                return c != 0 ? c < 0 : a.sq1.compare(b.sq1, Qt::CaseInsensitive) < 0;
            });
        Righe r;
        for (const PartitaFixture& x : p)
            r << QStringList{x.casa(andata) + " - " + x.ospite(andata),
                             x.disputata(andata)
                                 ? QStringLiteral("%1 - %2").arg(x.golCasa(andata)).arg(x.golOspite(andata))
                                 : QStringLiteral("n.d.")};
        return r;
    }

    // Adds `n` goals of the player `codice` (a code of no player stands for a deleted one).
    static void segna(int codice, int n)
    {
        Transazione t;
        for (int i = 0; i < n; ++i) Esegui("INSERT INTO RETI (CODPART, CODGIOCATORE, TIPO) VALUES (1, ?, 1)", {codice});
        t.commit();
    }

    static QVariant visualizzaScheda()
    {
        QSqlDatabase db = ApriConnessione("def", stato().PercorsoImpostazioni, true, false);
        QVariant v = Valore("SELECT VisualizzaScheda FROM Impostazioni", {}, db);
        db = QSqlDatabase();
        ChiudiConnessione("def");
        return v;
    }
    static void impostaVisualizzaScheda(int valore)
    {
        QSqlDatabase db = ApriConnessione("def", stato().PercorsoImpostazioni, false, false);
        Esegui("UPDATE Impostazioni SET VisualizzaScheda = ?", {valore}, db);
        db = QSqlDatabase();
        ChiudiConnessione("def");
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void init()
    {
        AzzeraStato();
        cartella_ = new CartellaTemporanea;
        stato().PercorsoImpostazioni = cartella_->file("golvarno.def");
        Finestre::istanza().azzera();
        area_ = new QMdiArea;
        area_->resize(1000, 700);
        area_->show();
        Finestre::istanza().impostaArea(area_);
        RegistraSchedaCampionato();
        for (const char* id : {"Form1", "Form2", "Form5", "Form6", "Form10", "Form20"}) FinestraDiTest::registra(id);
    }
    void cleanup()
    {
        Finestre::istanza().azzera();
        delete area_;
        ChiudiDbCampionato();
        delete cartella_;
    }

    void squadreAllApertura()
    {
        MessaggiDiTest m;
        apri(nuova().squadre({"Verona", "bari", "Ancona", "Cagliari"}));
        Esegui("UPDATE SQUADRA SET ALLENATORE = 'Rossi' WHERE NOME = 'bari'");
        Esegui("UPDATE SQUADRA SET ALLENATORE = 'Neri' WHERE NOME = 'Verona'");
        stato().MostraSchedaCampionato = true;
        CaricaCampionato();  // opening with the card wanted shows it on the teams view
        QVERIFY(Finestre::istanza().visibile("Form53"));
        QCOMPARE(albero()->currentItem(), nodo("S"));
        QCOMPARE(azione()->text(), QStringLiteral("Visualizza rosa"));
        QCOMPARE(parte<QLabel>("SSPanel1")->text(), QStringLiteral("Elenco delle squadre iscritte al campionato"));
        QCOMPARE(intestazioni(), (QStringList{"Squadra", "Allenatore"}));
        QCOMPARE(righe(), (Righe{{"Ancona", ""}, {"bari", "Rossi"}, {"Cagliari", ""}, {"Verona", "Neri"}}));
        QVERIFY(!parte<QCheckBox>("Check1")->isChecked());
        // A click on the node already selected reads the data afresh.
        Esegui("INSERT INTO SQUADRA (NOME) VALUES ('Empoli')");
        cliccaNodo("S");
        QCOMPARE(elenco()->topLevelItemCount(), 5);
        // The root shows nothing: the list keeps the view shown last.
        cliccaNodo("M");
        QCOMPARE(elenco()->topLevelItemCount(), 5);
        QCOMPARE(azione()->text(), QStringLiteral("Visualizza rosa"));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // The standings view rebuilds the whole season, also over a partial table made elsewhere.
    void classifica()
    {
        MessaggiDiTest m;
        const DatiFixture d = apri(nuova().squadre(6).giocaFinoA(2, false).penalita("Bari", 2));
        stato().ParzDaGiornata = 1, stato().ParzDaGirone = 1, stato().ParzAGiornata = 1, stato().ParzAGirone = 1;
        CalcolaClassificaParziale();
        scheda();
        cliccaNodo("C");

        struct Tally {
            QString nome;
            int punti = 0, giocate = 0, diff = 0, fatti = 0, vinte = 0;
        };
        QVector<Tally> t;
        for (const QString& n : d.squadre) t << Tally{n};
        std::sort(t.begin(), t.end(), [](const Tally& a, const Tally& b) { return a.nome < b.nome; });
        for (Tally& x : t) {
            x.punti = x.nome == "Bari" ? -2 : 0;
            for (const PartitaFixture& p : d.partite)
                for (bool andata : {true, false}) {
                    if (!p.disputata(andata) || (p.casa(andata) != x.nome && p.ospite(andata) != x.nome)) continue;
                    const bool casa = p.casa(andata) == x.nome;
                    const int f = casa ? p.golCasa(andata) : p.golOspite(andata);
                    const int a = casa ? p.golOspite(andata) : p.golCasa(andata);
                    x.punti += f > a ? 3 : f == a ? 1 : 0;
                    x.vinte += f > a;
                    x.giocate++, x.fatti += f, x.diff += f - a;
                }
        }
        std::stable_sort(t.begin(), t.end(), [](const Tally& a, const Tally& b) {
            if (a.punti != b.punti) return a.punti > b.punti;
            if (a.giocate != b.giocate) return a.giocate < b.giocate;
            if (a.diff != b.diff) return a.diff > b.diff;
            if (a.fatti != b.fatti) return a.fatti > b.fatti;
            return a.vinte > b.vinte;
        });
        Righe attese;
        for (const Tally& x : t) attese << QStringList{x.nome, QString::number(x.punti), QString::number(x.giocate)};
        QCOMPARE(intestazioni(), (QStringList{"Squadra", "Punti", "Giocate"}));
        QCOMPARE(righe(), attese);
        QCOMPARE(Valore("SELECT SUM(GIOCATE) FROM PUNTISQUADRE").toInt(), 2 * d.partiteGiocate());
        QCOMPARE(azione()->text(), QStringLiteral("Classifica dettagliata"));
        // Back to the teams: exactly its two columns again.
        cliccaNodo("S");
        QCOMPARE(intestazioni(), (QStringList{"Squadra", "Allenatore"}));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    void marcatori_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("caso");
        QTest::addColumn<Righe>("attese");
        // Players are numbered 1.. in squad order: Ancona's first, then Bari's (4 each).
        QTest::newRow("cognome") << 1 << "stili" << Righe{{"003", "Rossi", "Ancona"}, {"001", "Bianchi", "Bari"}};
        QTest::newRow("nome e cognome") << 2 << "stili"
                                        << Righe{{"003", "Andrea Rossi", "Ancona"}, {"001", " Bianchi", "Bari"}};
        QTest::newRow("iniziale") << 3 << "stili" << Righe{{"003", "A. Rossi", "Ancona"}, {"001", ". Bianchi", "Bari"}};
        QTest::newRow("stile sconosciuto") << 0 << "stili" << Righe{{"003", "", "Ancona"}, {"001", "", "Bari"}};
        QTest::newRow("giocatore cancellato")
            << 1 << "cancellato" << Righe{{"004", "", ""}, {"002", "Rossi", "Ancona"}};
        QTest::newRow("squadra sconosciuta") << 1 << "squadra" << Righe{{"001", "Rossi", ""}};
        QTest::newRow("oltre 255") << 1 << "tanti"
                                   << Righe{{"1000", "Rossi", "Ancona"},
                                            {"256", "Bianchi", "Bari"},
                                            {"009", "Verdi", "Ancona"}};
        QTest::newRow("nessuna rete") << 1 << "nessuna" << Righe{};
    }
    void marcatori()
    {
        QFETCH(int, formato);
        QFETCH(QString, caso);
        QFETCH(Righe, attese);
        MessaggiDiTest m;
        const DatiFixture d = apri(nuova().squadre(4).rose(4));
        const int rossi = d.giocatori[0].codice, verdi = d.giocatori[1].codice, bianchi = d.giocatori[4].codice;
        Esegui("UPDATE GIOCATORE SET NOME = 'Andrea', COGNOME = 'Rossi' WHERE CODICE = ?", {rossi});
        Esegui("UPDATE GIOCATORE SET NOME = NULL, COGNOME = 'Bianchi' WHERE CODICE = ?", {bianchi});
        Esegui("UPDATE GIOCATORE SET NOME = 'Luca', COGNOME = 'Verdi' WHERE CODICE = ?", {verdi});
        if (caso == "stili") segna(rossi, 3), segna(bianchi, 1);
        if (caso == "cancellato") segna(9999, 4), segna(rossi, 2);
        if (caso == "squadra")
            segna(rossi, 1), Esegui("UPDATE GIOCATORE SET CODSQUADRA = 777 WHERE CODICE = ?", {rossi});
        if (caso == "tanti") segna(bianchi, 256), segna(verdi, 9), segna(rossi, 1000);
        stato().FormatoNome = formato;
        scheda();
        cliccaNodo("G");
        QCOMPARE(intestazioni(), (QStringList{"Reti", "Giocatore", "Squadra"}));
        QCOMPARE(righe(), attese);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // Twenty scorers: exactly 15 rows; of the four sharing the 14th place only two are shown.
    void marcatoriPrimiQuindici()
    {
        const DatiFixture d = apri(nuova().squadre(5).rose(4));
        for (int i = 0; i < 20; ++i) segna(d.giocatori[i].codice, i < 13 ? 30 - i : i < 17 ? 10 : 20 - i);
        const Righe r = SchedaCampionatoQueries::marcatori(1);
        QCOMPARE(r.size(), 15);
        for (int i = 0; i < 13; ++i) {
            QCOMPARE(r[i][0], QStringLiteral("%1").arg(30 - i, 3, 10, QLatin1Char('0')));
            QCOMPARE(r[i][1], d.giocatori[i].cognome);
        }
        // Equal totals keep the rankings' order: the later player first.
        QCOMPARE(r[13], (QStringList{"010", d.giocatori[16].cognome, d.giocatori[16].squadra}));
        QCOMPARE(r[14], (QStringList{"010", d.giocatori[15].cognome, d.giocatori[15].squadra}));
    }

    void turni_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("andata");
        QTest::addColumn<bool>("finito");
        // 8 teams: 7 match days of 4 pairings.
        QTest::newRow("ultimo, andata") << "andata"
                                        << "U" << 3 << true << false;
        QTest::newRow("prossimo, andata") << "andata"
                                          << "P" << 4 << true << false;
        QTest::newRow("ultimo, ritorno") << "ritorno"
                                         << "U" << 2 << false << false;
        QTest::newRow("prossimo, ritorno") << "ritorno"
                                           << "P" << 3 << false << false;
        QTest::newRow("ultimo, niente giocato") << "parziale"
                                                << "U" << 1 << true << false;
        QTest::newRow("prossimo, niente giocato") << "parziale"
                                                  << "P" << 1 << true << false;
        QTest::newRow("prossimo, campionato finito") << "tutto"
                                                     << "P" << 7 << false << true;
        QTest::newRow("ultimo, campionato finito") << "tutto"
                                                   << "U" << 7 << false << false;
    }
    void turni()
    {
        QFETCH(QString, caso);
        QFETCH(QString, chiave);
        QFETCH(int, giornata);
        QFETCH(bool, andata);
        QFETCH(bool, finito);
        MessaggiDiTest m;
        FixtureCampionato f = nuova().squadre(8);
        if (caso == "andata") f.giocaFinoA(3, true).rinviata(3, 2, true);
        if (caso == "ritorno") f.giocaFinoA(2, false);
        // Two results of match day 1 typed in, the day itself not played yet.
        if (caso == "parziale") f.risultato(1, 1, true, 2, 0).risultato(1, 3, true, 1, 1);
        if (caso == "tutto") f.giocaTutto();
        const DatiFixture d = apri(f);
        scheda();
        if (finito) m.ok();
        cliccaNodo(chiave);
        if (finito) {
            QCOMPARE(m.quanti(), 1);
            QCOMPARE(m.ultimo().titolo, QStringLiteral("Campionato finito"));
            QCOMPARE(m.ultimo().icona, Messaggio::Icona::Informazione);
            QCOMPARE(m.ultimo().testo, QStringLiteral("Tutte le giornate registrate nel campionato sono state "
                                                      "disputate.\r\rVerrà visualizzata l'ultima giornata disputata."));
        }
        QCOMPARE(intestazioni(), (QStringList{"Partita", "Risultato"}));
        QCOMPARE(righe(), attese(d, giornata, andata));
        QCOMPARE(stato().GiornataCorrente, giornata);
        QCOMPARE(stato().Andata, andata);
        const bool prossimo = chiave == "P";
        QCOMPARE(parte<QLabel>("SSPanel1")->text(), prossimo
                                                        ? QStringLiteral("Il prossimo turno del campionato")
                                                        : QStringLiteral("Risultati dell'ultima giornata disputata"));
        QCOMPARE(azione()->text(), prossimo ? QStringLiteral("Inserire i risultati") : QStringLiteral("Calendario"));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // A played leg whose goals are Null shows that side empty.
    void turnoGolNulli()
    {
        apri(nuova().squadre(6).giocaFinoA(1, true));
        Esegui("UPDATE PARTITA SET G1A = NULL, G2A = 2 WHERE GIORNATANUM = 1 AND RIGA = 1");
        Esegui("UPDATE PARTITA SET DISPAND = 1 WHERE GIORNATANUM = 1 AND RIGA = 2");  // only -1 is played
        const Righe r = SchedaCampionatoQueries::turno(1, true);
        QCOMPARE(r[0][1], QStringLiteral(" - 2"));
        QCOMPARE(r[1][1], QStringLiteral("n.d."));
    }

    void senzaCalendario_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<bool>("si");
        QTest::newRow("ultimo, sì") << "U" << true;
        QTest::newRow("ultimo, no") << "U" << false;
        QTest::newRow("prossimo, sì") << "P" << true;
        QTest::newRow("prossimo, no") << "P" << false;
    }
    void senzaCalendario()
    {
        QFETCH(QString, chiave);
        QFETCH(bool, si);
        MessaggiDiTest m;
        apri(nuova().squadre(6).senzaCalendario());
        stato().GiornataCorrente = 5;
        scheda();
        if (si)
            m.si();
        else
            m.no();
        cliccaNodo(chiave);
        QCOMPARE(m.quanti(), 1);
        QCOMPARE(m.ultimo().titolo, QStringLiteral("Ultimo turno disputato"));
        QCOMPARE(m.ultimo().pulsanti, Messaggio::Pulsanti::SiNo);
        QCOMPARE(m.ultimo().icona, Messaggio::Icona::Critica);
        QCOMPARE(m.ultimo().testo, QStringLiteral("Nessuna giornata del calendario è stata ancora registrata.\r\r"
                                                  "Si desidera iniziare a registrare le giornate del calendario ora?"));
        QCOMPARE(Finestre::istanza().visibile("Form10"), si);
        QCOMPARE(stato().GiornataCorrente, si ? 1 : 5);
        QCOMPARE(intestazioni(), (QStringList{"Partita", "Risultato"}));
        QCOMPARE(elenco()->topLevelItemCount(), 0);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    void pulsanteAzione_data()
    {
        QTest::addColumn<QString>("caso");  // how the championship stands
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<int>("riga");        // the list row clicked first (-1: none)
        QTest::addColumn<QString>("aperta");  // the window opened ("": none)
        QTest::newRow("rosa") << "andata"
                              << "S" << 1 << "Form1";
        QTest::newRow("rosa senza riga scelta") << "andata"
                                                << "S" << -1 << "";
        QTest::newRow("classifica") << "andata"
                                    << "C" << -1 << "Form6";
        QTest::newRow("calendario") << "andata"
                                    << "U" << -1 << "Form2";
        QTest::newRow("calendario, niente giocato") << "niente"
                                                    << "U" << -1 << "";
        QTest::newRow("risultati") << "andata"
                                   << "P" << -1 << "Form5";
        QTest::newRow("risultati, campionato finito") << "tutto"
                                                      << "P" << -1 << "";
        QTest::newRow("marcatori") << "andata"
                                   << "G" << -1 << "Form20";
        QTest::newRow("radice") << "andata"
                                << "M" << -1 << "";
    }
    void pulsanteAzione()
    {
        QFETCH(QString, caso);
        QFETCH(QString, chiave);
        QFETCH(int, riga);
        QFETCH(QString, aperta);
        MessaggiDiTest m;
        FixtureCampionato f = nuova().squadre(6);
        if (caso == "andata") f.giocaFinoA(2, true);
        if (caso == "tutto") f.giocaTutto();
        apri(f);
        stato().SquadraCorrente = "Bari";
        scheda();
        if (caso == "tutto" && chiave == "P") m.ok();  // the view reports the completed season
        cliccaNodo(chiave);
        if (riga >= 0) clicca(elenco(), elenco()->topLevelItem(riga));
        stato().GiornataCorrente = 0;
        QTest::mouseClick(azione(), Qt::LeftButton);
        for (const char* id : {"Form1", "Form2", "Form5", "Form6", "Form20"})
            QCOMPARE(Finestre::istanza().visibile(id), aperta == id);
        if (aperta == "Form1") QCOMPARE(stato().SquadraCorrente, elenco()->topLevelItem(riga)->text(0));
        if (aperta == "Form6") QVERIFY(stato().ClassificaCompleta);
        if (aperta == "Form20") QCOMPARE(stato().SquadraCorrente, QString());
        if (aperta == "Form2" || aperta == "Form5") {
            // The finders ran again at the click: the last day played, or the next one to play.
            QCOMPARE(stato().GiornataCorrente, aperta == "Form2" ? 2 : 3);
            QVERIFY(stato().Andata);
        }
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // A node whose window is not built yet leaves the button disabled until it is registered.
    void pulsanteSenzaFinestra()
    {
        apri(nuova().squadre(6));
        Finestre::istanza().azzera();
        Finestre::istanza().impostaArea(area_);
        RegistraSchedaCampionato();
        scheda();
        QVERIFY(!azione()->isEnabled());
        FinestraDiTest::registra("Form1");
        QVERIFY(azione()->isEnabled());
        cliccaNodo("C");
        QVERIFY(!azione()->isEnabled());
    }

    void casella_data()
    {
        QTest::addColumn<bool>("mostra");  // MostraSchedaCampionato when the card opens
        QTest::addColumn<int>("clic");
        QTest::addColumn<int>("chiusura");  // 0 Chiudi, 1 close box, 2 unload by the menu command, 3 all closed
        QTest::addColumn<int>("salvato");   // VisualizzaScheda afterwards (it holds -1 before)
        QTest::addColumn<bool>("mostraDopo");
        QTest::newRow("non toccata") << true << 0 << 0 << -1 << true;
        QTest::newRow("spuntata, Chiudi") << true << 1 << 0 << 0 << false;
        QTest::newRow("spuntata, chiusura") << true << 1 << 1 << 0 << false;
        QTest::newRow("spuntata, ricarica") << true << 1 << 2 << 0 << false;
        QTest::newRow("spuntata, nuovo campionato") << true << 1 << 3 << 0 << false;
        QTest::newRow("tolta") << false << 1 << 0 << -1 << true;
        // Clicked back to where it was: the unchanged value is written all the same.
        QTest::newRow("due clic") << false << 2 << 0 << 0 << false;
        // Ticked by the card itself when it opens: not a click, nothing written.
        QTest::newRow("spuntata all'apertura") << false << 0 << 0 << -1 << false;
    }
    void casella()
    {
        QFETCH(bool, mostra);
        QFETCH(int, clic);
        QFETCH(int, chiusura);
        QFETCH(int, salvato);
        QFETCH(bool, mostraDopo);
        impostaVisualizzaScheda(-1);
        apri(nuova().squadre(4));
        stato().MostraSchedaCampionato = mostra;
        scheda();
        auto* c = parte<QCheckBox>("Check1");
        QCOMPARE(c->isChecked(), !mostra);
        for (int i = 0; i < clic; ++i) QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(5, c->height() / 2));
        if (chiusura == 0) QTest::mouseClick(parte<QPushButton>("Command3"), Qt::LeftButton);
        if (chiusura == 1) Finestre::istanza().finestra("Form53")->contenitore()->close();
        if (chiusura == 2) Finestre::istanza().scarica("Form53");
        if (chiusura == 3) ChiudiFinestre();
        QVERIFY(!Finestre::istanza().caricata("Form53"));
        QCOMPARE(visualizzaScheda().toInt(), salvato);
        QCOMPARE(stato().MostraSchedaCampionato, mostraDopo);
    }

    // Without a settings file a click is not saved and the setting stays as it was.
    void casellaSenzaFile()
    {
        MessaggiDiTest m;
        apri(nuova().squadre(4));
        QVERIFY(cartella_->rimuovi("golvarno.def"));
        stato().MostraSchedaCampionato = true;
        scheda();
        QTest::mouseClick(parte<QCheckBox>("Check1"), Qt::LeftButton, {}, QPoint(5, 5));
        Finestre::istanza().scarica("Form53");
        QVERIFY(stato().MostraSchedaCampionato);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // A settings file that cannot be written: the user is told, the setting stays as it was.
    void casellaFileGuasto()
    {
        MessaggiDiTest m;
        apri(nuova().squadre(4));
        QFile f(stato().PercorsoImpostazioni);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
        f.close();
        stato().MostraSchedaCampionato = true;
        scheda();
        QTest::mouseClick(parte<QCheckBox>("Check1"), Qt::LeftButton, {}, QPoint(5, 5));
        m.ok();
        Finestre::istanza().scarica("Form53");
        QCOMPARE(m.quanti(), 1);
        QCOMPARE(m.ultimo().icona, Messaggio::Icona::Critica);
        QVERIFY(m.ultimo().testo.contains(stato().PercorsoImpostazioni));
        QVERIFY(stato().MostraSchedaCampionato);
        QVERIFY(!Finestre::istanza().caricata("Form53"));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // A file that fails while a view is read: an Italian message, an empty list under the view's headers.
    void erroreDati()
    {
        MessaggiDiTest m;
        apri(nuova().squadre(4));
        scheda();
        Esegui("DROP TABLE RETI");
        m.ok();
        cliccaNodo("G");
        QCOMPARE(m.quanti(), 1);
        QCOMPARE(m.ultimo().titolo, QStringLiteral("Scheda del campionato"));
        QCOMPARE(m.ultimo().icona, Messaggio::Icona::Critica);
        QCOMPARE(intestazioni(), (QStringList{"Reti", "Giocatore", "Squadra"}));
        QCOMPARE(elenco()->topLevelItemCount(), 0);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // Every view of the largest championship fits the list's width: no sideways scrolling.
    void aspetto()
    {
        MessaggiDiTest m;
        m.ok();  // the next-match-day view of a completed season
        apri(FixtureCampionato::piuGrande(dir_.filePath("grande.GVN")));
        stato().FormatoNome = 2;
        scheda();
        for (const char* chiave : {"S", "C", "U", "P", "G"}) {
            cliccaNodo(chiave);
            QVERIFY(elenco()->topLevelItemCount() > 0);
            QVERIFY(elenco()->header()->length() <= elenco()->viewport()->width());
            QVERIFY(!elenco()->horizontalScrollBar()->isVisible());
            for (int c = 0; c < elenco()->columnCount(); ++c) {
                const int serve = qMax(static_cast<QAbstractItemView*>(elenco())->sizeHintForColumn(c),
                                       elenco()->header()->sectionSizeHint(c));
                QVERIFY2(elenco()->columnWidth(c) >= serve, qPrintable(elenco()->headerItem()->text(c)));
            }
            QVERIFY(static_cast<QAbstractItemView*>(albero())->sizeHintForColumn(0) <= albero()->viewport()->width());
            const QString png = qEnvironmentVariable("GOLVARNO_CATTURA");
            if (!png.isEmpty()) Finestre::istanza().finestra("Form53")->grab().save(png + chiave + ".png");
        }
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }
};

QTEST_MAIN(TestSchedaCampionato)
#include "tst_schedacampionato.moc"
