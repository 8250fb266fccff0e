#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/pannello.h"
#include "standings/classificawindow.h"
#include "standings/finestreclassifica.h"
#include "support/aiutigriglia.h"
#include "support/finestraditest.h"

#include <memory>
#include <QScrollBar>
#include <QTableView>

// A played first-leg match: home side, away side, their goals.
struct Gara {
    QString casa;
    QString ospite;
    int golCasa = 0;
    int golOspite = 0;
};
using Gare = QVector<Gara>;
using Penalita = QHash<QString, int>;
Q_DECLARE_METATYPE(Gara)

// The league table on real championship files: rebuilds, captions, orders, ties, failures.
class TestClassificaWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> a_;

    DatiFixture apri(FixtureCampionato f) { return a_->apri(std::move(f)); }
    FixtureCampionato nuova() { return a_->nuovo(); }

    // A championship of these teams whose only matches are `gare`, one a match day, all first legs.
    void apriConGare(const QStringList& squadre, const Gare& gare, const Penalita& penalita = {})
    {
        apri(nuova().squadre(squadre).senzaCalendario());
        Transazione t;
        int giornata = 0;
        for (const Gara& g : gare)
            Esegui("INSERT INTO PARTITA (GIORNATANUM, RIGA, SQ1, SQ2, G1A, G2A, DISPAND, DISPRIT) "
                   "VALUES (?, 1, ?, ?, ?, ?, -1, 0)",
                   {++giornata, g.casa, g.ospite, g.golCasa, g.golOspite});
        for (auto it = penalita.begin(); it != penalita.end(); ++it)
            Esegui("UPDATE SQUADRA SET PENALITA = ? WHERE NOME = ?", {it.value(), it.key()});
        t.commit();
    }

    // The table of the order tests: every team distinct on the keys of order 1.
    void apriTabellaNota()
    {
        apriConGare({"Alfa", "Beta", "Gamma", "Delta"},
                    {{"Alfa", "Beta", 3, 0},
                     {"Gamma", "Delta", 1, 1},
                     {"Beta", "Gamma", 2, 1},
                     {"Delta", "Alfa", 0, 2},
                     {"Gamma", "Alfa", 4, 0},
                     {"Delta", "Beta", 1, 3}},
                    {{"Delta", 3}});
    }

    static ClassificaWindow* mostra()
    {
        return qobject_cast<ClassificaWindow*>(Finestre::istanza().mostra(QStringLiteral("Form6")));
    }
    static ClassificaWindow* finestra()
    {
        return qobject_cast<ClassificaWindow*>(Finestre::istanza().finestra(QStringLiteral("Form6")));
    }
    static Griglia* griglia() { return finestra()->findChild<Griglia*>(QStringLiteral("Grid1")); }
    static ComboCodici* combo() { return finestra()->findChild<ComboCodici*>(QStringLiteral("Combo1")); }
    static Pannello* pannello(int i) { return finestra()->findChild<Pannello*>(QStringLiteral("SSPanel1_%1").arg(i)); }

    // The teams as listed, top to bottom.
    static QStringList squadre()
    {
        QStringList s;
        for (int r = 2; r < griglia()->righe(); ++r) s << griglia()->testo(r, ClassificaWindow::ColSquadra);
        return s;
    }
    static int colonna(const QString& squadra, int c)
    {
        for (int r = 2; r < griglia()->righe(); ++r)
            if (griglia()->testo(r, ClassificaWindow::ColSquadra) == squadra) return griglia()->testo(r, c).toInt();
        return -1000;
    }
    static void scegliOrdine(int ordine) { combo()->setCurrentIndex(combo()->trovaCodice(ordine)); }

    // Makes every rebuild leave a mark in REGISTRO, and keeps the table out of date so that each
    // rebuild has to write it again.
    static void contaRicostruzioni(const QString& ultima, const QString& prima)
    {
        Esegui("CREATE TABLE REGISTRO (N INTEGER)");
        Esegui(QStringLiteral("CREATE TRIGGER CONTA AFTER INSERT ON PUNTISQUADRE WHEN NEW.NOME = '%1' BEGIN "
                              "INSERT INTO REGISTRO VALUES (1); "
                              "UPDATE PUNTISQUADRE SET MEDIAINGLESE = MEDIAINGLESE + 100 WHERE NOME = '%2'; END")
                   .arg(ultima, prima));
    }
    static int ricostruzioni() { return Valore("SELECT COUNT(*) FROM REGISTRO").toInt(); }

private slots:
    void init() { a_ = std::make_unique<AmbienteTest>(RegistraFinestreClassifica); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    // The whole season or a span: caption and the legs counted.
    void stagioneEArco_data()
    {
        QTest::addColumn<bool>("completa");
        QTest::addColumn<QList<int>>("arco");  // da, girone, a, girone
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<int>("giocate");
        QTest::newRow("stagione") << true << QList<int>{1, 1, 1, 1} << "Classifica generale del campionato" << 10;
        QTest::newRow("1 andata - 5 ritorno")
            << false << QList<int>{1, 1, 5, 2}
            << "Classifica parziale, dalla giornata n° 1 (andata) alla giornata n° 5 (ritorno)" << 10;
        QTest::newRow("4 andata - 2 ritorno")
            << false << QList<int>{4, 1, 2, 2}
            << "Classifica parziale, dalla giornata n° 4 (andata) alla giornata n° 2 (ritorno)" << 4;
    }
    void stagioneEArco()
    {
        QFETCH(bool, completa);
        QFETCH(QList<int>, arco);
        QFETCH(QString, titolo);
        QFETCH(int, giocate);
        apri(nuova().squadre(6).giocaTutto());
        Stato& s = stato();
        s.ClassificaCompleta = completa;
        s.ParzDaGiornata = arco[0], s.ParzDaGirone = arco[1], s.ParzAGiornata = arco[2], s.ParzAGirone = arco[3];
        QVERIFY(mostra());
        QCOMPARE(finestra()->windowTitle(), titolo);
        QCOMPARE(squadre().size(), 6);
        for (const QString& n : squadre()) QCOMPARE(colonna(n, ClassificaWindow::ColGiocate), giocate);
        // Points fall from top to bottom.
        for (int r = 3; r < griglia()->righe(); ++r)
            QVERIFY(griglia()->testo(r, ClassificaWindow::ColPunti).toInt() <=
                    griglia()->testo(r - 1, ClassificaWindow::ColPunti).toInt());
        QCOMPARE(Valore("SELECT SUM(GIOCATE) FROM PUNTISQUADRE").toInt(), 6 * giocate);
    }

    // Equal points: fewer games first, then goal difference, goals scored, wins; then the stored order.
    void spareggi_data()
    {
        QTest::addColumn<Gare>("gare");
        QTest::addColumn<Penalita>("penalita");
        QTest::addColumn<QStringList>("primi");
        QTest::newRow("meno partite") << Gare{{"Beta", "Zeta", 1, 0}, {"Alfa", "Zeta", 5, 0}, {"Alfa", "Omega", 5, 0}}
                                      << Penalita{{"Alfa", 3}} << QStringList{"Beta", "Alfa"};
        QTest::newRow("differenza reti") << Gare{{"Beta", "Zeta", 3, 0}, {"Alfa", "Omega", 4, 2}} << Penalita{}
                                         << QStringList{"Beta", "Alfa"};
        QTest::newRow("vittorie") << Gare{{"Beta", "Zeta", 1, 0},
                                          {"Beta", "Omega", 1, 0},
                                          {"Alfa", "Zeta", 2, 0},
                                          {"Alfa", "Omega", 0, 0}}
                                  << Penalita{{"Beta", 3}, {"Alfa", 1}} << QStringList{"Beta", "Alfa"};
        QTest::newRow("tutto pari") << Gare{{"Beta", "Zeta", 1, 0}, {"Alfa", "Omega", 1, 0}} << Penalita{}
                                    << QStringList{"Alfa", "Beta"};
    }
    void spareggi()
    {
        QFETCH(Gare, gare);
        QFETCH(Penalita, penalita);
        QFETCH(QStringList, primi);
        apriConGare({"Alfa", "Beta", "Omega", "Zeta"}, gare, penalita);
        stato().ClassificaCompleta = true;
        mostra();
        QCOMPARE(squadre().mid(0, 2), primi);
        QCOMPARE(colonna(primi[0], ClassificaWindow::ColPunti), colonna(primi[1], ClassificaWindow::ColPunti));
    }

    void ordini_data()
    {
        QTest::addColumn<int>("ordine");
        QTest::addColumn<QStringList>("attese");
        const QStringList base{"Alfa", "Beta", "Gamma", "Delta"};
        QTest::newRow("punti") << 1 << base;
        QTest::newRow("differenza reti") << 3 << QStringList{"Gamma", "Alfa", "Beta", "Delta"};
        QTest::newRow("gol fatti") << 4 << QStringList{"Gamma", "Alfa", "Beta", "Delta"};
        QTest::newRow("gol subiti") << 5 << QStringList{"Gamma", "Alfa", "Beta", "Delta"};
        QTest::newRow("pareggi fuori casa") << 10 << QStringList{"Delta", "Alfa", "Beta", "Gamma"};
        QTest::newRow("sconfitte in casa") << 11 << base;
        QTest::newRow("gol fatti fuori casa") << 14 << QStringList{"Beta", "Alfa", "Gamma", "Delta"};
        QTest::newRow("gol subiti fuori casa") << 16 << QStringList{"Delta", "Gamma", "Alfa", "Beta"};
    }
    void ordini()
    {
        QFETCH(int, ordine);
        QFETCH(QStringList, attese);
        apriTabellaNota();
        stato().ClassificaCompleta = true;
        mostra();
        scegliOrdine(ordine);
        QCOMPARE(squadre(), attese);
        QCOMPARE(griglia()->testo(5, ClassificaWindow::ColPosizione), QStringLiteral("4"));
    }

    // Every column of a line, and points below zero as they are.
    void colonne()
    {
        apriTabellaNota();
        stato().ClassificaCompleta = true;
        mostra();
        QCOMPARE(RigaGriglia(griglia(), 2), (QStringList{"1", "Alfa", "6", "3", "2", "0", "1", "5", "4", "1", "0",
                                                         "1", "0",    "0", "3", "0", "1", "0", "1", "2", "4"}));
        QCOMPARE(RigaGriglia(griglia(), 5), (QStringList{"4", "Delta", "-2", "3", "0", "1", "2", "2", "6", "-4", "-4",
                                                         "0", "0",     "2",  "1", "5", "0", "1", "0", "1", "1"}));
    }

    // One rebuild per activation and per change of order; none while the window loads; results written
    // meanwhile and a span handed over later show at the next activation.
    void unaRicostruzionePerAttivazione()
    {
        apriTabellaNota();
        contaRicostruzioni("Gamma", "Alfa");
        FinestraDiTest::registra("Form99");
        stato().ClassificaCompleta = true;
        mostra();
        QCOMPARE(ricostruzioni(), 1);
        scegliOrdine(ClassificaQueries::GolFatti);
        QCOMPARE(ricostruzioni(), 2);
        scegliOrdine(ClassificaQueries::GolFatti);  // the same order again: nothing changes
        QCOMPARE(ricostruzioni(), 2);
        Finestre::istanza().mostra("Form99");
        QCOMPARE(ricostruzioni(), 2);
        mostra();
        QCOMPARE(ricostruzioni(), 3);
        QCOMPARE(finestra()->ordine(), int(ClassificaQueries::GolFatti));  // the order stays chosen
        mostra();  // shown again while in front: activated again
        QCOMPARE(ricostruzioni(), 4);

        // A result written while the table is open shows when it is activated again.
        scegliOrdine(ClassificaQueries::Punti);
        QCOMPARE(colonna("Delta", ClassificaWindow::ColGiocate), 3);
        Finestre::istanza().mostra("Form99");
        Esegui("INSERT INTO PARTITA (GIORNATANUM, RIGA, SQ1, SQ2, G1A, G2A, DISPAND, DISPRIT) "
               "VALUES (7, 1, 'Delta', 'Gamma', 5, 0, -1, 0)");
        QCOMPARE(colonna("Delta", ClassificaWindow::ColGiocate), 3);
        mostra();
        QCOMPARE(colonna("Delta", ClassificaWindow::ColGiocate), 4);
        Finestre::istanza().mostra("Form99");
        Stato& s = stato();
        s.ClassificaCompleta = false;
        s.ParzDaGiornata = 7, s.ParzDaGirone = 1, s.ParzAGiornata = 7, s.ParzAGirone = 1;
        mostra();
        QCOMPARE(squadre(), (QStringList{"Alfa", "Beta", "Delta", "Gamma"}));
        QCOMPARE(colonna("Delta", ClassificaWindow::ColPunti), 0);  // 3 for the win, 3 of penalty
        QCOMPARE(colonna("Delta", ClassificaWindow::ColGiocate), 1);
    }

    // A rebuild that fails is reported in Italian; the grid keeps only its headings; the next
    // activation on a sound file works again.
    void ricostruzioneFallita()
    {
        MessaggiDiTest& m = a_->messaggi();
        apriTabellaNota();
        FinestraDiTest::registra("Form99");
        stato().ClassificaCompleta = true;
        Esegui("ALTER TABLE PUNTISQUADRE RENAME TO VECCHIA");
        m.ok();
        QVERIFY(mostra());
        QCOMPARE(m.quanti(), 1);
        QCOMPARE(m.ultimo().titolo, QStringLiteral("Classifica generale del campionato"));
        QCOMPARE(griglia()->righe(), 2);
        Esegui("ALTER TABLE VECCHIA RENAME TO PUNTISQUADRE");
        Finestre::istanza().mostra("Form99");
        mostra();
        QCOMPARE(squadre().size(), 4);
    }

    // The chart and the statistics: hand-over, enabling, highlight ids.
    void comandi()
    {
        apriTabellaNota();
        stato().ClassificaCompleta = true;
        mostra();
        QVERIFY(!pannello(0)->isEnabled() && pannello(1)->isEnabled());  // no standings chart yet
        FinestraDiTest::registra("Form24");
        QVERIFY(pannello(0)->isEnabled());
        for (bool ricalcola : {true, false}) {
            stato().RicalcolaClassifica = ricalcola;
            QTest::mouseClick(pannello(0), Qt::LeftButton);
            QVERIFY(Finestre::istanza().visibile("Form24"));
            QCOMPARE(stato().RicalcolaClassifica, ricalcola);
            mostra();
        }
        stato().StatGiornata = true;
        QTest::mouseClick(pannello(1), Qt::LeftButton);
        QVERIFY(Finestre::istanza().visibile("Form4"));
        QVERIFY(!stato().StatGiornata);
        mostra();
        QTest::mouseClick(pannello(2), Qt::LeftButton);
        QVERIFY(!Finestre::istanza().caricata("Form6"));
    }

    // The largest championship at the window's natural size: every team and column in sight. In an area narrower
    // than the table (a small screen) it scrolls sideways, and the scroll bar covers no team.
    void aspetto_data()
    {
        QTest::addColumn<int>("larghezza");  // of the main window
        QTest::newRow("naturale") << 1100;
        QTest::newRow("area stretta") << 700;
    }
    void aspetto()
    {
        QFETCH(int, larghezza);
        a_->area()->window()->resize(larghezza, 760);
        apri(a_->piuGrande());
        stato().ClassificaCompleta = true;
        mostra();
        QVERIFY(QTest::qWaitForWindowExposed(AmbienteTest::cornice("Form6")));
        const QTableView* v = griglia()->vista();
        QCOMPARE(v->horizontalScrollBar()->maximum() > 0, larghezza < 1100);
        QVERIFY(squadre().size() == 20 && v->verticalScrollBar()->maximum() == 0);
        const QModelIndex ultima = v->model()->index(v->model()->rowCount() - 1, 0);
        QVERIFY(v->visualRect(ultima).bottom() < v->viewport()->height());
        if (larghezza < 1100) return;
        QVERIFY(AmbienteTest::contenuta("Form6"));
        AmbienteTest::foto(AmbienteTest::cornice("Form6"), "form6.png");
        scegliOrdine(ClassificaQueries::GolSubitiFuori);
        AmbienteTest::foto(AmbienteTest::cornice("Form6"), "form6-ordine16.png");
    }
};

QTEST_MAIN(TestClassificaWindow)
#include "tst_classificawindow.moc"
