#include "core/codici.h"
#include "core/database.h"
#include "core/schema.h"
#include "core/stato.h"

#include <QTemporaryDir>
#include <QTest>

class TestCodici : public QObject {
    Q_OBJECT
private slots:
    // Stored truth values are -1: a C++ true (1) is not "played" and is never written.
    void flagsSalvatiComeMenoUno()
    {
        QTemporaryDir dir;
        ChiudiDbCampionato();
        AzzeraStato();
        stato().PercorsoCampionato = dir.filePath("flag.GVN");
        CreaDatabase();
        Esegui("INSERT INTO GIORNATA (NUMERO, DISPAND, DISPRIT) VALUES (1, ?, ?)", {Flag(true), Flag(false)});
        Esegui("INSERT INTO PRESENZE (GIRONE, TITOLARE) VALUES (?, ?)", {GironePresenze(true), Flag(true)});
        Esegui("INSERT INTO PRESENZE (GIRONE, TITOLARE) VALUES (?, ?)", {GironePresenze(false), Flag(false)});
        Esegui("INSERT INTO RETI (GIRONE) VALUES (?), (?)", {GironeReti(true), GironeReti(false)});
        QCOMPARE(Valore("SELECT DISPAND FROM GIORNATA").toInt(), -1);
        QCOMPARE(Valore("SELECT DISPRIT FROM GIORNATA").toInt(), 0);
        QCOMPARE(Valore("SELECT COUNT(*) FROM PRESENZE WHERE GIRONE = -1 AND TITOLARE = -1").toInt(), 1);
        QCOMPARE(Valore("SELECT COUNT(*) FROM PRESENZE WHERE GIRONE = 0 AND TITOLARE = 0").toInt(), 1);
        QCOMPARE(Valore("SELECT GROUP_CONCAT(GIRONE) FROM (SELECT GIRONE FROM RETI ORDER BY CODICE)").toString(),
                 QStringLiteral("1,2"));
        QVERIFY(Disputata(Valore("SELECT DISPAND FROM GIORNATA")));
        QVERIFY(!Disputata(Valore("SELECT DISPRIT FROM GIORNATA")));
        QVERIFY(!Disputata(QVariant(1)));
        QVERIFY(!Disputata(QVariant()));
        QVERIFY(!Disputata(1));
        QVERIFY(Disputata(-1));
        ChiudiDbCampionato();
    }

    void cartellini_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<bool>("ammonito");
        QTest::addColumn<bool>("espulso");
        QTest::newRow("nessuno") << 0 << false << false;
        QTest::newRow("ammonito") << 1 << true << false;
        QTest::newRow("100") << 100 << true << false;
        QTest::newRow("espulso") << 101 << false << true;
        QTest::newRow("negativo") << -1 << false << false;
    }
    void cartellini()
    {
        QFETCH(int, codice);
        QFETCH(bool, ammonito);
        QFETCH(bool, espulso);
        QCOMPARE(Ammonito(codice), ammonito);
        QCOMPARE(Espulso(codice), espulso);
    }

    void codiceCartellino()
    {
        QCOMPARE(CodiceCartellino(false, false), 0);
        QCOMPARE(CodiceCartellino(true, false), 1);
        QCOMPARE(CodiceCartellino(true, true), 101);
        QCOMPARE(CodiceCartellino(false, true), 101);
    }

    void voti_data()
    {
        QTest::addColumn<double>("voto");
        QTest::addColumn<QString>("maiuscolo");
        QTest::addColumn<QString>("minuscolo");
        QTest::addColumn<bool>("valido");
        QTest::newRow("250") << 250.0 << "S.V."
                             << "s.v." << false;
        QTest::newRow("6") << 6.0 << "6"
                           << "6" << true;
        QTest::newRow("6,5") << 6.5 << "6,5"
                             << "6,5" << true;
        QTest::newRow("3") << 3.0 << "3"
                           << "3" << true;
        QTest::newRow("10") << 10.0 << "10"
                            << "10" << true;
    }
    void voti()
    {
        QFETCH(double, voto);
        QFETCH(QString, maiuscolo);
        QFETCH(QString, minuscolo);
        QFETCH(bool, valido);
        QCOMPARE(TestoVoto(voto), maiuscolo);
        QCOMPARE(TestoVoto(voto, StileSenzaVoto::Minuscolo), minuscolo);
        QCOMPARE(VotoValido(voto), valido);
    }

    void vociVoto()
    {
        const QStringList voci = VociVoto();
        QCOMPARE(voci.size(), 16);
        QCOMPARE(voci.first(), QStringLiteral("S.V."));
        QCOMPARE(voci.mid(1, 3), (QStringList{"3", "3,5", "4"}));
        QCOMPARE(voci.mid(13), (QStringList{"9", "9,5", "10"}));
        QCOMPARE(VociVoto(StileSenzaVoto::Minuscolo).first(), QStringLiteral("s.v."));
    }

    void minuti_data()
    {
        QTest::addColumn<int>("minuto");
        QTest::addColumn<bool>("secondoTempo");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("testo");
        QTest::newRow("45 p.t.") << 45 << false << 45 << "45 p.t.";
        QTest::newRow("10 s.t.") << 10 << true << 110 << "10 s.t.";
        QTest::newRow("0 s.t.") << 0 << true << 100 << "0 s.t.";
        QTest::newRow("99") << 99 << false << 99 << "99 p.t.";
        QTest::newRow("47 s.t.") << 47 << true << 147 << "47 s.t.";
    }
    void minuti()
    {
        QFETCH(int, minuto);
        QFETCH(bool, secondoTempo);
        QFETCH(int, codice);
        QFETCH(QString, testo);
        QCOMPARE(CodiceMinuto(minuto, secondoTempo), codice);
        QCOMPARE(TestoMinuto(codice), testo);
        QCOMPARE(TestoMinutoRete(codice), testo);
        QCOMPARE(SecondoTempo(codice), secondoTempo);
        QCOMPARE(MinutoNelTempo(codice), minuto);
    }

    void minutoReteNonIndicato()
    {
        QCOMPARE(TestoMinutoRete(0), QStringLiteral("N.s."));
        QCOMPARE(TestoMinutoRete(QVariant()), QStringLiteral("N.s."));
        QCOMPARE(TestoMinutoRete(-5), QStringLiteral("N.s."));
    }

    void tipiDiRete_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("breve");
        QTest::newRow("1") << 1 << "Tiro di destro"
                           << "Tiro dx";
        QTest::newRow("2") << 2 << "Tiro di sinistro"
                           << "Tiro sx";
        QTest::newRow("3") << 3 << "Colpo di testa"
                           << "Testa";
        QTest::newRow("4") << 4 << "Calcio di punizione"
                           << "Punizione";
        QTest::newRow("5") << 5 << "Calcio di rigore"
                           << "Rigore";
        QTest::newRow("6") << 6 << "Rovesciata"
                           << "Rovesciata";
        QTest::newRow("7") << 7 << "Autorete"
                           << "Autorete";
        QTest::newRow("8") << 8 << "Colpo di tacco"
                           << "Tacco";
        QTest::newRow("250") << 250 << ""
                             << "";
        QTest::newRow("0") << 0 << ""
                           << "";
    }
    void tipiDiRete()
    {
        QFETCH(int, tipo);
        QFETCH(QString, testo);
        QFETCH(QString, breve);
        QCOMPARE(TestoTipoRete(tipo), testo);
        QCOMPARE(TestoTipoReteBreve(tipo), breve);
        QCOMPARE(Autorete(tipo), tipo == 7);
    }

    void autoreteContaPerLAltraSquadra()
    {
        QCOMPARE(SquadraDelGol(TIPO_TESTA, "Roma", "Roma", "Lazio"), QStringLiteral("Roma"));
        QCOMPARE(SquadraDelGol(TIPO_AUTORETE, "Roma", "Roma", "Lazio"), QStringLiteral("Lazio"));
        QCOMPARE(SquadraDelGol(TIPO_AUTORETE, "LAZIO", "Roma", "Lazio"), QStringLiteral("Roma"));
        QCOMPARE(SquadraDelGol(TIPO_AUTORETE, "Como", "Roma", "Lazio"), QString());
    }

    void nomiGiocatori_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("cognome");
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("cognome") << "Andrea"
                                 << "Rossi" << 1 << "Rossi";
        QTest::newRow("nome e cognome") << "Andrea"
                                        << "Rossi" << 2 << "Andrea Rossi";
        QTest::newRow("iniziale") << "Andrea"
                                  << "Rossi" << 3 << "A. Rossi";
        QTest::newRow("iniziale, nome vuoto") << ""
                                              << "Rossi" << 3 << ". Rossi";
        QTest::newRow("stile 0") << "Andrea"
                                 << "Rossi" << 0 << "";
        QTest::newRow("stile 4") << "Andrea"
                                 << "Rossi" << 4 << "";
    }
    void nomiGiocatori()
    {
        QFETCH(QString, nome);
        QFETCH(QString, cognome);
        QFETCH(int, formato);
        QFETCH(QString, atteso);
        QCOMPARE(NomeGiocatore(nome, cognome, formato), atteso);
    }

    // Teams are looked up by name without regard to case.
    void squadraPerNome()
    {
        AzzeraStato();
        Stato& s = stato();
        s.Squadre = {TipoSquadra{}, TipoSquadra{"alfa", "7"}, TipoSquadra{"Zeta", "3"}};
        s.NumeroSquadre = 2;
        QCOMPARE(IndiceSquadra("ZETA"), 2);
        QCOMPARE(IndiceSquadra("Alfa"), 1);
        QCOMPARE(IndiceSquadra("Beta"), 0);
        QCOMPARE(IndiceSquadra(""), 0);
        AzzeraStato();
    }
};

QTEST_GUILESS_MAIN(TestCodici)
#include "tst_codici.moc"
