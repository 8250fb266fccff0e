#include "support/fixturecampionato.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/stato.h"

#include <QElapsedTimer>
#include <QSet>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {

int conta(const QString& sql, std::initializer_list<QVariant> p = {}) { return Valore(sql, p).toInt(); }

// Every row of every table, as text: two files with the same content give the same text.
QString contenuto()
{
    QString s;
    for (const char* t : {"CAMPIONATO", "SQUADRA", "GIORNATA", "PARTITA", "GIOCATORE", "PRESENZE", "RETI"}) {
        Query q(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(t)));
        while (q.next())
            for (int i = 0; i < q.sql().record().count(); ++i) s += q.testo(i) + '|';
    }
    return s;
}

}  // namespace

class TestFixture : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    DatiFixture grande_;

private slots:
    void initTestCase()
    {
        AzzeraStato();
        QElapsedTimer t;
        t.start();
        grande_ = FixtureCampionato::piuGrande(dir_.filePath("grande.GVN")).creaEApri();
        qInfo("Il campionato più grande: %lld ms", t.elapsed());
        QVERIFY2(t.elapsed() < 1500, "the largest championship must build fast");
    }
    void cleanupTestCase() { ChiudiDbCampionato(); }

    void contiDelPiuGrande()
    {
        QCOMPARE(conta("SELECT COUNT(*) FROM SQUADRA"), 20);
        QCOMPARE(conta("SELECT COUNT(*) FROM GIORNATA"), 19);
        QCOMPARE(conta("SELECT COUNT(*) FROM PARTITA"), 190);
        QCOMPARE(conta("SELECT COUNT(*) FROM PARTITA WHERE DISPAND = -1 AND DISPRIT = -1"), 190);
        QCOMPARE(conta("SELECT COUNT(*) FROM GIORNATA WHERE DISPAND = -1 AND DISPRIT = -1"), 19);
        QCOMPARE(conta("SELECT GIORNATEINS FROM CAMPIONATO"), 19);
        QCOMPARE(conta("SELECT NUMSQUADRE FROM CAMPIONATO"), 20);
        QCOMPARE(conta("SELECT COUNT(*) FROM GIOCATORE"), 500);
        QCOMPARE(
            conta("SELECT COUNT(*) FROM (SELECT CODSQUADRA FROM GIOCATORE GROUP BY CODSQUADRA HAVING COUNT(*) = 25) "
                  "WHERE CODSQUADRA IN (SELECT CODICE FROM SQUADRA)"),
            20);
        // 380 legs, two teams each, 11 starters and 3 substitutes a team.
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE"), 380 * 2 * 14);
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE WHERE TITOLARE = -1"), 380 * 2 * 11);
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE WHERE TITOLARE = 0"), 380 * 2 * 3);
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE WHERE SOSTITUITO > 0"), 380 * 2 * 3);
        QCOMPARE(grande_.presenze, 380 * 2 * 14);
        QCOMPARE(grande_.partiteGiocate(), 380);
        const int gol = conta("SELECT SUM(G1A + G2A + G1R + G2R) FROM PARTITA");
        QCOMPARE(conta("SELECT COUNT(*) FROM RETI"), gol);
        QCOMPARE(int(grande_.reti.size()), gol);
        QVERIFY2(gol > 380 * 2.3 && gol < 380 * 3.1, qPrintable(QString::number(gol)));
        qInfo("%d gol, %d autoreti, %d ammonizioni, %d espulsioni, %d senza voto", gol, grande_.autoreti(),
              grande_.ammonizioni, grande_.espulsioni, grande_.senzaVoto);
        QVERIFY(grande_.autoreti() > 0);
        QVERIFY(grande_.ammonizioni > 0 && grande_.espulsioni > 0 && grande_.senzaVoto > 0);
    }

    // Each match day: every team once, RIGA 1.., home teams in binary order; every two teams meet once.
    void calendarioDelPiuGrande()
    {
        QSet<QString> incontri;
        for (int g = 1; g <= 19; ++g) {
            Query q("SELECT SQ1, SQ2, RIGA FROM PARTITA WHERE GIORNATANUM = ? ORDER BY rowid", {g});
            QSet<QString> inCampo;
            QString casaPrecedente;
            int riga = 0;
            while (q.next()) {
                QCOMPARE(q.intero(2), ++riga);
                QVERIFY(casaPrecedente.compare(q.testo(0), Qt::CaseSensitive) < 0);
                casaPrecedente = q.testo(0);
                inCampo << q.testo(0) << q.testo(1);
                incontri << (q.testo(0) < q.testo(1) ? q.testo(0) + '-' + q.testo(1) : q.testo(1) + '-' + q.testo(0));
            }
            QCOMPARE(riga, 10);
            QCOMPARE(inCampo.size(), 20);
        }
        QCOMPARE(incontri.size(), 190);
        QCOMPARE(conta("SELECT COUNT(*) FROM GIORNATA WHERE NUMERO <> rowid"), 0);
    }

    void codiciDellePresenze()
    {
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE WHERE GIRONE NOT IN (-1, 0) OR TITOLARE NOT IN (-1, 0)"), 0);
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE WHERE TITOLARE = -1 AND RIGA NOT BETWEEN 1 AND 11"), 0);
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE WHERE TITOLARE = 0 AND RIGA NOT IN (-1, -2, -3)"), 0);
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE WHERE AMMONITO IS NOT NULL AND AMMONITO NOT IN (0, 1, 101)"), 0);
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE WHERE VOTO <> 250 AND (VOTO NOT BETWEEN 3 AND 10 "
                       "OR VOTO * 2 <> CAST(VOTO * 2 AS INTEGER))"),
                 0);
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE WHERE SOSTITUITO NOT BETWEEN 0 AND 45 "
                       "AND SOSTITUITO NOT BETWEEN 100 AND 145"),
                 0);
        // Each team's line-up of a leg: 11 starters on rows 1..11, 3 substitutes on -1..-3.
        QCOMPARE(conta("SELECT COUNT(*) FROM (SELECT 1 FROM PRESENZE GROUP BY CODPARTITA, GIRONE, SQUADRA "
                       "HAVING COUNT(*) <> 14 OR COUNT(DISTINCT RIGA) <> 14 OR SUM(TITOLARE) <> -11)"),
                 0);
        // Round and leg agree with the match; the team is one of the match's two.
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE p JOIN PARTITA m ON m.CODPART = p.CODPARTITA "
                       "WHERE p.GIORNATA <> m.GIORNATANUM OR p.SQUADRA NOT IN (m.SQ1, m.SQ2)"),
                 0);
        // A substitute points to a replaced starter of the same match, leg and team.
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE s JOIN PRESENZE u ON u.CODICE = s.CHIHASOST "
                       "WHERE s.TITOLARE = 0 AND u.TITOLARE = -1 AND u.SOSTITUITO > 0 AND u.CODPARTITA = s.CODPARTITA "
                       "AND u.GIRONE = s.GIRONE AND u.SQUADRA = s.SQUADRA"),
                 380 * 2 * 3);
        // The players are the team's own.
        QCOMPARE(conta("SELECT COUNT(*) FROM PRESENZE p JOIN GIOCATORE g ON g.CODICE = p.CODGIOCATORE "
                       "JOIN SQUADRA t ON t.CODICE = g.CODSQUADRA WHERE t.NOME = p.SQUADRA"),
                 380 * 2 * 14);
    }

    // The goals of each leg add up to its score, an own goal counting for the other team.
    void retiCoerentiConIRisultati()
    {
        QCOMPARE(conta("SELECT COUNT(*) FROM RETI WHERE GIRONE NOT IN (1, 2)"), 0);
        QCOMPARE(conta("SELECT COUNT(*) FROM RETI WHERE TIPO NOT BETWEEN 1 AND 8 AND TIPO <> 250"), 0);
        QCOMPARE(conta("SELECT COUNT(*) FROM RETI WHERE MINUTO <> 0 AND MINUTO NOT BETWEEN 1 AND 45 "
                       "AND MINUTO NOT BETWEEN 101 AND 145"),
                 0);
        for (const PartitaFixture& p : grande_.partite) {
            for (bool andata : {true, false}) {
                for (const QString& squadra : {p.casa(andata), p.ospite(andata)}) {
                    const QString altra = squadra == p.casa(andata) ? p.ospite(andata) : p.casa(andata);
                    int contati = 0;
                    for (const ReteFixture& r : grande_.reti)
                        if (r.codPart == p.codPart && r.andata == andata &&
                            SquadraDelGol(r.tipo, r.squadra, squadra, altra) == squadra)
                            ++contati;
                    const int attesi = squadra == p.casa(andata) ? p.golCasa(andata) : p.golOspite(andata);
                    QCOMPARE(contati, attesi);
                    QCOMPARE(conta("SELECT COUNT(*) FROM RETI WHERE CODPART = ? AND GIRONE = ? AND "
                                   "((SQUADRA = ? AND TIPO <> 7) OR (SQUADRA = ? AND TIPO = 7))",
                                   {p.codPart, GironeReti(andata), squadra, altra}),
                             attesi);
                }
            }
        }
        // The scorer played in that leg for the team the goal is stored with.
        QCOMPARE(conta("SELECT COUNT(*) FROM RETI r WHERE NOT EXISTS (SELECT 1 FROM PRESENZE p WHERE "
                       "p.CODPARTITA = r.CODPART AND p.CODGIOCATORE = r.CODGIOCATORE AND p.SQUADRA = r.SQUADRA AND "
                       "p.GIRONE = CASE r.GIRONE WHEN 1 THEN -1 ELSE 0 END)"),
                 0);
        // GIOCATORE.RETI is each player's tally, own goals included.
        QCOMPARE(conta("SELECT COUNT(*) FROM GIOCATORE g WHERE g.RETI <> "
                       "(SELECT COUNT(*) FROM RETI r WHERE r.CODGIOCATORE = g.CODICE)"),
                 0);
    }

    void stessoSemeStessoFile()
    {
        const QString a = contenuto();
        FixtureCampionato::piuGrande(dir_.filePath("bis.GVN")).creaEApri();
        QCOMPARE(contenuto(), a);
        FixtureCampionato::piuGrande(dir_.filePath("altro.GVN")).seme(7).creaEApri();
        QVERIFY(contenuto() != a);
        ApriDbCampionato(grande_.percorso);
    }

    void opzioni()
    {
        const DatiFixture d = FixtureCampionato(dir_.filePath("dispari.GVN"))
                                  .denominazione("")
                                  .squadre({"Zeta", "alfa", "Beta", "delta", "Gamma"})
                                  .punti(2, 1, 0)
                                  .numerazione(-1)
                                  .penalita("Beta", 3)
                                  .gioca(2, true)
                                  .rinviata(2, 1, true)
                                  .risultato(4, 2, false, 3, 1)
                                  .creaEApri();
        QCOMPARE(conta("SELECT COUNT(*) FROM GIORNATA"), 5);
        QCOMPARE(conta("SELECT COUNT(*) FROM PARTITA"), 10);
        QCOMPARE(conta("SELECT COUNT(DISTINCT RIPOSA) FROM GIORNATA"), 5);
        QCOMPARE(Valore("SELECT DENOM FROM CAMPIONATO").toString(), QStringLiteral(" "));
        QVERIFY(Valore("SELECT NUMERAZIONE FROM CAMPIONATO").isNull());
        QCOMPARE(conta("SELECT PUNTIVIT * 100 + PUNTIX * 10 + PUNTISC FROM CAMPIONATO"), 210);
        QCOMPARE(conta("SELECT PENALITA FROM SQUADRA WHERE NOME = 'Beta'"), 3);
        QVERIFY(Valore("SELECT PENALITA FROM SQUADRA WHERE NOME = 'Zeta'").isNull());
        // Match day 2's first leg played but its first match postponed.
        QCOMPARE(conta("SELECT DISPAND FROM GIORNATA WHERE NUMERO = 2"), -1);
        QCOMPARE(conta("SELECT COUNT(*) FROM PARTITA WHERE GIORNATANUM = 2 AND DISPAND = -1"), 1);
        QVERIFY(Valore("SELECT G1A FROM PARTITA WHERE GIORNATANUM = 2 AND RIGA = 1").isNull());
        // A single result: the return leg's home team is SQ2.
        const PartitaFixture* p = d.partita(4, 2);
        QVERIFY(p);
        QCOMPARE(conta("SELECT G2R * 10 + G1R FROM PARTITA WHERE CODPART = ? AND DISPRIT = -1", {p->codPart}), 31);
        QCOMPARE(conta("SELECT DISPRIT FROM GIORNATA WHERE NUMERO = 4"), 0);
        QCOMPARE(conta("SELECT COUNT(*) FROM PARTITA WHERE DISPRIT = -1"), 1);
        QCOMPARE(conta("SELECT COUNT(*) FROM PARTITA WHERE DATAAND = ' ' AND HRIT = ' '"), 10);
        ApriDbCampionato(grande_.percorso);
    }

    void senzaRigaNeCalendario()
    {
        FixtureCampionato(dir_.filePath("nudo.GVN")).squadre(4).senzaRigaCampionato().senzaCalendario().creaEApri();
        QCOMPARE(conta("SELECT COUNT(*) FROM CAMPIONATO"), 0);
        QCOMPARE(conta("SELECT COUNT(*) FROM GIORNATA"), 0);
        QCOMPARE(conta("SELECT COUNT(*) FROM SQUADRA"), 4);
        ApriDbCampionato(grande_.percorso);
    }
};

QTEST_GUILESS_MAIN(TestFixture)
#include "tst_fixture.moc"
