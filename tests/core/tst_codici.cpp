#include "core/codici.h"
#include "core/database.h"
#include "core/schema.h"
#include "core/stato.h"

#include <QTemporaryDir>
#include <QTest>

// The stored codes: what is written and how it reads back. Label texts are not repeated here.
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
        Esegui("INSERT INTO PRESENZE (GIRONE, TITOLARE) VALUES (?, ?), (?, ?)",
               {GironePresenze(true), Flag(true), GironePresenze(false), Flag(false)});
        Esegui("INSERT INTO RETI (GIRONE) VALUES (?), (?)", {GironeReti(true), GironeReti(false)});
        QCOMPARE(Valore("SELECT DISPAND || ',' || DISPRIT FROM GIORNATA").toString(), QStringLiteral("-1,0"));
        QCOMPARE(Valore("SELECT GROUP_CONCAT(GIRONE || TITOLARE) FROM PRESENZE").toString(), QStringLiteral("-1-1,00"));
        QCOMPARE(Valore("SELECT GROUP_CONCAT(GIRONE) FROM (SELECT GIRONE FROM RETI ORDER BY CODICE)").toString(),
                 QStringLiteral("1,2"));
        QVERIFY(Disputata(Valore("SELECT DISPAND FROM GIORNATA")));
        for (const QVariant& v : {QVariant(0), QVariant(1), QVariant()}) QVERIFY(!Disputata(v));
        QVERIFY(Disputata(-1));
        ChiudiDbCampionato();
    }

    void cartellini()
    {
        for (int c : {0, -1}) QVERIFY(!Ammonito(c) && !Espulso(c));
        for (int c : {1, 100}) QVERIFY(Ammonito(c) && !Espulso(c));
        QVERIFY(!Ammonito(101) && Espulso(101));
        QCOMPARE(QList<int>({CodiceCartellino(false, false), CodiceCartellino(true, false),
                             CodiceCartellino(true, true), CodiceCartellino(false, true)}),
                 QList<int>({0, 1, 101, 101}));
    }

    void voti()
    {
        QCOMPARE(TestoVoto(250), QStringLiteral("S.V."));
        QCOMPARE(TestoVoto(250, StileSenzaVoto::Minuscolo), QStringLiteral("s.v."));
        QCOMPARE(TestoVoto(6.5), QStringLiteral("6,5"));
        QCOMPARE(TestoVoto(10), QStringLiteral("10"));
        QVERIFY(!VotoValido(250) && VotoValido(3) && VotoValido(10));
        QCOMPARE(VociVoto().size(), 16);
        QCOMPARE(VociVoto().mid(0, 3), (QStringList{"S.V.", "3", "3,5"}));
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
        QTest::newRow("99 p.t.") << 99 << false << 99 << "99 p.t.";
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
        for (const QVariant& v : {QVariant(0), QVariant(), QVariant(-5)})
            QCOMPARE(TestoMinutoRete(v), QStringLiteral("N.s."));
    }

    // Whole numbers typed: digits with blanks around them, nothing else, never above the largest.
    void interiScritti()
    {
        for (const auto& [testo, atteso] : {std::pair{" 12 ", 12}, {"", 0}, {"\t", 0}, {"99", 99}, {"007", 7}})
            QCOMPARE(InteroScritto(testo, 99).value_or(-1), atteso);
        for (const char* testo : {"12abc", "7,5", "45+2", "1 2", "-5", "+3", "100", "99999999999999999999", "٣"})
            QVERIFY2(!InteroScritto(testo, 99), testo);
        // A sign only where the range goes below 0.
        for (const auto& [testo, atteso] :
             {std::pair{" -5 ", -5}, {"-999", -999}, {"999", 999}, {"-0", 0}, {" +3", 3}, {"+999", 999}})
            QCOMPARE(InteroScritto(testo, 999, -999).value_or(1), atteso);
        for (const char* testo : {"-", "- 5", "--5", "-1000", "5-", "+", "+ 3", "+-3", "-+3", "++3", "+1000"})
            QVERIFY2(!InteroScritto(testo, 999, -999), testo);
    }

    void reti()
    {
        for (int t = 0; t <= 9; ++t) QCOMPARE(Autorete(t), t == TIPO_AUTORETE);
        QCOMPARE(TestoTipoRete(250), QString());
        QCOMPARE(SquadraDelGol(TIPO_TESTA, "Roma", "Roma", "Lazio"), QStringLiteral("Roma"));
        QCOMPARE(SquadraDelGol(TIPO_AUTORETE, "Roma", "Roma", "Lazio"), QStringLiteral("Lazio"));
        QCOMPARE(SquadraDelGol(TIPO_AUTORETE, "LAZIO", "Roma", "Lazio"), QStringLiteral("Roma"));
        QCOMPARE(SquadraDelGol(TIPO_AUTORETE, "Como", "Roma", "Lazio"), QString());
    }

    void nomiGiocatori()
    {
        QCOMPARE(NomeGiocatore("Andrea", "Rossi", 1), QStringLiteral("Rossi"));
        QCOMPARE(NomeGiocatore("Andrea", "Rossi", 2), QStringLiteral("Andrea Rossi"));
        QCOMPARE(NomeGiocatore("Andrea", "Rossi", 3), QStringLiteral("A. Rossi"));
        QCOMPARE(NomeGiocatore("", "Rossi", 3), QStringLiteral(". Rossi"));
        for (int formato : {0, 4}) QCOMPARE(NomeGiocatore("Andrea", "Rossi", formato), QString());
    }

    // Teams are looked up by name without regard to case.
    void squadraPerNome()
    {
        AzzeraStato();
        stato().Squadre = {TipoSquadra{}, TipoSquadra{"alfa", "7"}, TipoSquadra{"Zeta", "3"}};
        stato().NumeroSquadre = 2;
        QCOMPARE(QList<int>({IndiceSquadra("ZETA"), IndiceSquadra("Alfa"), IndiceSquadra("Beta"), IndiceSquadra("")}),
                 QList<int>({2, 1, 0, 0}));
        AzzeraStato();
    }
};

QTEST_GUILESS_MAIN(TestCodici)
#include "tst_codici.moc"
