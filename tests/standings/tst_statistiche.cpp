#include "core/classifica.h"
#include "platform/griglia.h"
#include "standings/finestreclassifica.h"
#include "support/aiutigriglia.h"

#include <memory>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>

using namespace Qt::StringLiterals;

using Righe = QVector<QStringList>;

// The statistics window: a match day's figures, and the championship as the table was last rebuilt.
class TestStatistiche : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> a_;

    void apri(FixtureCampionato f) { a_->apri(std::move(f)); }
    FixtureCampionato nuova() { return a_->nuovo(); }

    // One PARTITA row: both legs with their flags (-1 played, 0 not) and scores (SQ1's goals first).
    static void partita(int giornata, const QString& sq1, const QString& sq2, int dispAnd, int g1a, int g2a,
                        int dispRit = 0, int g1r = 0, int g2r = 0)
    {
        Esegui("INSERT INTO PARTITA (GIORNATANUM, RIGA, SQ1, SQ2, DISPAND, G1A, G2A, DISPRIT, G1R, G2R) "
               "VALUES (?, 1, ?, ?, ?, ?, ?, ?, ?, ?)",
               {giornata, sq1, sq2, dispAnd, g1a, g2a, dispRit, g1r, g2r});
    }
    static void cartellino(int giornata, int girone, int codice)
    {
        Esegui("INSERT INTO PRESENZE (GIORNATA, GIRONE, CODPARTITA, CODGIOCATORE, AMMONITO, TITOLARE) "
               "VALUES (?, ?, 1, 1, ?, -1)",
               {giornata, girone, codice});
    }

    // Four teams and six first-leg matches, one a match day.
    void apriTabellaNota()
    {
        apri(nuova().squadre({"Alfa", "Beta", "Gamma", "Delta"}).senzaCalendario());
        Transazione t;
        partita(1, "Alfa", "Beta", -1, 3, 0);
        partita(1, "Gamma", "Delta", -1, 1, 1);
        partita(2, "Beta", "Gamma", -1, 2, 1);
        partita(2, "Delta", "Alfa", -1, 0, 2);
        partita(3, "Gamma", "Alfa", -1, 4, 0);
        partita(3, "Delta", "Beta", -1, 1, 3);
        t.commit();
    }

    static Finestra* mostra(bool giornata)
    {
        stato().StatGiornata = giornata;
        return Finestre::istanza().mostra(QStringLiteral("Form4"));
    }
    static Finestra* finestra() { return Finestre::istanza().finestra(QStringLiteral("Form4")); }
    static Righe righe(const char* griglia)
    {
        return RigheGriglia(finestra()->findChild<Griglia*>(QLatin1String(griglia)), 1);
    }
    static bool primatiVisibili() { return finestra()->findChild<QGroupBox*>("Frame2")->isVisible(); }

private slots:
    void init() { a_ = std::make_unique<AmbienteTest>(RegistraFinestreClassifica); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void giornata_data()
    {
        QTest::addColumn<bool>("andata");
        QTest::addColumn<QString>("intestazione");
        QTest::addColumn<QString>("attese");  // figure and share of each line, labels as in the championship test
        QTest::newRow("andata") << true << "Giornata n° 2 del girone di andata"
                                << "2| 1|50,0 % 0|0,0 % 1|50,0 % 7|3,5 3|1,5 4|2 3|1,5 2|1";
        QTest::newRow("ritorno") << false << "Giornata n° 2 del girone di ritorno"
                                 << "1| 0|0,0 % 0|0,0 % 1|100,0 % 3|3 1|1 2|2 1|1 0|0";
    }
    // Only the played matches and the cards of that match day and leg count.
    void giornata()
    {
        QFETCH(bool, andata);
        QFETCH(QString, intestazione);
        QFETCH(QString, attese);
        apri(nuova().squadre({"Alfa", "Beta", "Gamma", "Delta"}).senzaCalendario());
        Transazione t;
        partita(2, "Alfa", "Beta", -1, 3, 1, -1, 2, 1);   // return leg: Beta at home loses 1-2
        partita(2, "Gamma", "Delta", -1, 0, 3, 0, 5, 5);  // return leg not played: its score is ignored
        partita(2, "Alfa", "Gamma", 0, 4, 4);             // postponed
        partita(1, "Beta", "Delta", -1, 1, 1, -1, 2, 2);  // another match day
        for (int codice : {1, 1, 50, 101, 150, 0}) cartellino(2, -1, codice);
        cartellino(2, 0, 1);
        cartellino(1, -1, 101);
        cartellino(1, 0, 1);
        t.commit();
        stato().GiornataCorrente = 2;
        stato().Andata = andata;
        QVERIFY(mostra(true));
        QCOMPARE(finestra()->findChild<QLabel*>("Label1")->text(), intestazione);
        QVERIFY(!primatiVisibili());
        QStringList valori;
        for (const QStringList& r : righe("Grid1")) valori << r.mid(1).join('|');
        QCOMPARE(valori.join(' '), attese);
    }

    // The championship as last rebuilt: a partial table stays partial, results entered since do not
    // show, a new rebuild does; every activation reads the hand-over variables again.
    void campionatoDallUltimaClassifica()
    {
        apriTabellaNota();
        Stato& s = stato();
        s.ParzDaGiornata = 1, s.ParzDaGirone = 1, s.ParzAGiornata = 2, s.ParzAGirone = 1;
        CalcolaClassificaParziale();
        QVERIFY(mostra(false));
        QVERIFY(primatiVisibili());
        QCOMPARE(righe("Grid1")[4], (QStringList{"Gol segnati", "10", "2,5"}));

        Esegui("UPDATE PARTITA SET G1A = 9 WHERE GIORNATANUM = 1 AND SQ1 = 'Alfa'");
        s.GiornataCorrente = 3, s.Andata = true;
        mostra(true);
        QCOMPARE(righe("Grid1").first(), (QStringList{"Partite disputate", "2", ""}));
        mostra(false);  // not rebuilt here: still the partial table as it was
        QCOMPARE(righe("Grid1")[4], (QStringList{"Gol segnati", "10", "2,5"}));

        Esegui("UPDATE PARTITA SET G1A = 3 WHERE GIORNATANUM = 1 AND SQ1 = 'Alfa'");
        CalcolaClassifica();
        mostra(false);
        QCOMPARE(righe("Grid1"), (Righe{{"Partite disputate", "6", ""},
                                        {"Vittorie in casa", "3", "50,0 %"},
                                        {"Pareggi", "1", "16,7 %"},
                                        {"Vittorie fuori casa", "2", "33,3 %"},
                                        {"Gol segnati", "18", "3"},
                                        {"Gol in casa", "11", "1,8333"},
                                        {"Gol fuori casa", "7", "1,1667"}}));
        QCOMPARE(righe("Grid2"), (Righe{{"Miglior attacco", "Gamma", "6 gol"},
                                        {"Peggior attacco", "Delta", "2 gol"},
                                        {"Miglior difesa", "Gamma", "3 gol subiti"},
                                        {"Peggior difesa", "Delta", "6 gol subiti"},
                                        {"Più vittorie", "Alfa, Beta", "2 vittorie"},
                                        {"Più pareggi", "Gamma, Delta", "1 pareggio"},
                                        {"Più sconfitte", "Delta", "2 sconfitte"},
                                        {"Miglior rendimento in casa", "Gamma", "4 punti"},
                                        {"Miglior rendimento fuori casa", "Alfa, Beta", "3 punti"}}));
    }

    // Nothing played: zeros and no records; teams that played no match hold none.
    void senzaPartite()
    {
        apri(nuova().squadre(6));
        CalcolaClassifica();
        mostra(false);
        QVERIFY(righe("Grid1")[4] == (QStringList{"Gol segnati", "0", "0"}) && righe("Grid2").isEmpty());

        // One match: the four teams that did not play hold no record.
        Esegui("UPDATE PARTITA SET DISPAND = -1, G1A = 0, G2A = 0 WHERE rowid = (SELECT MIN(rowid) FROM PARTITA)");
        CalcolaClassifica();
        mostra(false);
        const QStringList giocato{Valore("SELECT SQ1 FROM PARTITA ORDER BY rowid").toString(),
                                  Valore("SELECT SQ2 FROM PARTITA ORDER BY rowid").toString()};
        const Righe p = righe("Grid2");
        QCOMPARE(p.size(), 9);
        for (const QStringList& r : p)
            if (r[1] != "-")
                for (const QString& n : r[1].split(", ")) QVERIFY2(giocato.contains(n), qPrintable(r.join('|')));
        QVERIFY(p[1][1] == giocato.join(", ") && p[0][1] == "-");  // fewest goals: both, 0; most: nobody
    }

    void erroreDati()
    {
        MessaggiDiTest& m = a_->messaggi();
        apriTabellaNota();
        Esegui("ALTER TABLE PRESENZE RENAME TO ALTRO");
        stato().GiornataCorrente = 1;
        stato().Andata = true;
        m.ok();
        QVERIFY(mostra(true));
        QCOMPARE(m.quanti(), 1);
        QCOMPARE(m.ultimo().titolo, QStringLiteral("Statistiche della giornata"));
        QVERIFY(righe("Grid1").isEmpty());
    }

    void aspetto()
    {
        apri(a_->piuGrande());
        CalcolaClassifica();
        stato().GiornataCorrente = 7;
        stato().Andata = false;
        for (bool giornata : {true, false}) {
            mostra(giornata);
            QVERIFY(QTest::qWaitForWindowExposed(AmbienteTest::cornice("Form4")));
            // Opened on a match day, then on the championship: the frame holds the whole window.
            QVERIFY(AmbienteTest::contenuta("Form4"));
            for (const char* g : {"Grid1", "Grid2"}) {
                const Griglia* griglia = finestra()->findChild<Griglia*>(QLatin1String(g));
                if (!griglia->isVisible()) continue;
                const QTableView* v = griglia->vista();
                QVERIFY(v->horizontalScrollBar()->maximum() == 0 && v->verticalScrollBar()->maximum() == 0);
            }
            QCOMPARE(righe("Grid1").first().at(1), giornata ? QStringLiteral("10") : QStringLiteral("380"));
            AmbienteTest::foto(AmbienteTest::cornice("Form4"), giornata ? "form4g.png" : "form4c.png");
        }
    }
};

QTEST_MAIN(TestStatistiche)
#include "tst_statistiche.moc"
