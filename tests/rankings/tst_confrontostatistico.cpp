#include "rankings/confrontostatisticoqueries.h"
#include "rankings/confrontostatisticowindow.h"
#include "rankings/finestreconfronti.h"
#include "support/ambientetest.h"

#include "aiuticonfronti.h"

#include "core/idfinestre.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"

#include <QPushButton>
#include <QTest>

using Partite = QVector<PartitaTotali>;
Q_DECLARE_METATYPE(Partite)
Q_DECLARE_METATYPE(PuntiPerRisultato)

namespace {

const QString ID = IdFinestra::ConfrontoStatistico;
const QString TITOLO = QStringLiteral("Confronto statistico");
constexpr int N = -1;  // played

// A pairing; its legs as "2-1" when played, "" when not.
PartitaTotali P(const QString& sq1, const QString& sq2, const QString& andata, const QString& ritorno = {})
{
    PartitaTotali p{sq1, sq2, andata.isEmpty() ? 0 : N, ritorno.isEmpty() ? 0 : N};
    p.g1a = andata.section('-', 0, 0).toInt(), p.g2a = andata.section('-', 1, 1).toInt();
    p.g1r = ritorno.section('-', 0, 0).toInt(), p.g2r = ritorno.section('-', 1, 1).toInt();
    return p;
}

// The four legs and venues as "played won drawn lost scored conceded points", first leg at home first.
QString Descrivi(const TotaliSquadra& t)
{
    QStringList s;
    for (const Parziale& p : t.settori) {
        QStringList n;
        for (Totale v : {p.giocate, p.vinte, p.pareggiate, p.perse, p.gFatti, p.gSubiti, p.punti})
            n << QString::number(v.valore());
        s << n.join(' ');
    }
    return s.join(" | ");
}

const QString ZERO = QStringLiteral("0 0 0 0 0 0 0");

}  // namespace

// The statistical comparison: one team's totals by leg and venue, the cells of its rows, and the window.
class TestConfrontoStatistico : public QObject {
    Q_OBJECT

    static Griglia* griglia(Finestra* w) { return w->findChild<Griglia*>(QStringLiteral("Grid1")); }
    static void confronta(Finestra* w, const QString& a, const QString& b) { ScegliDue(w, a, b, "Command1"); }

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }
    void totali_data();
    void totali();
    void celle();
    void confrontoSulFile();
};

void TestConfrontoStatistico::totali_data()
{
    QTest::addColumn<Partite>("partite");
    QTest::addColumn<PuntiPerRisultato>("punti");
    QTest::addColumn<QString>("atteso");
    const PuntiPerRisultato p310{3, 1, 0};

    // The team is "Bari" throughout.
    PartitaTotali nonGiocata = P("Bari", "Como", "5-0", "0-5");
    nonGiocata.dispAnd = nonGiocata.dispRit = 1;  // only -1 is played
    QTest::newRow("non giocate") << Partite{P("Bari", "Como", "", ""), nonGiocata} << p310
                                 << QStringList(4, ZERO).join(" | ");
    QTest::newRow("0-0 in casa") << Partite{P("Bari", "Como", "0-0")} << p310
                                 << "1 0 1 0 0 0 1 | " + QStringList(3, ZERO).join(" | ");
    // Return leg at home of SQ2, its goals G2R: 1-2 lost.
    QTest::newRow("ritorno perso in casa") << Partite{P("Como", "Bari", "", "2-1")} << PuntiPerRisultato{3, 1, 1}
                                           << ZERO + " | " + ZERO + " | 1 0 0 1 1 2 1 | " + ZERO;
    QTest::newRow("andata fuori") << Partite{P("Como", "Bari", "1-3")} << p310
                                  << ZERO + " | 1 1 0 0 3 1 3 | " + ZERO + " | " + ZERO;
    QTest::newRow("ritorno fuori, maiuscole")
        << Partite{P("BARI", "Como", "", "2-2")} << p310 << ZERO + " | " + ZERO + " | " + ZERO + " | 1 0 1 0 2 2 1";
    QTest::newRow("2 vinte, 1 pari, 1 persa")
        << Partite{P("Bari", "Asti", "2-1"), P("Bari", "Como", "1-1"), P("Bari", "Doria", "3-0"),
                   P("Bari", "Empoli", "0-1"), P("Asti", "Como", "4-4")}
        << p310 << "4 2 1 1 6 3 7 | " + QStringList(3, ZERO).join(" | ");
    // 10 points a win over 30 legs and 9 goals a leg: far beyond a byte.
    QTest::newRow("oltre 255") << Partite(30, P("Bari", "Como", "9-0")) << PuntiPerRisultato{10, 1, 0}
                               << "30 30 0 0 270 0 300 | " + QStringList(3, ZERO).join(" | ");
}

void TestConfrontoStatistico::totali()
{
    QFETCH(Partite, partite);
    QFETCH(PuntiPerRisultato, punti);
    QFETCH(QString, atteso);
    const TotaliSquadra t = AccumulaSquadra("Bari", partite, punti);
    QCOMPARE(t.squadra, QStringLiteral("Bari"));
    QCOMPARE(Descrivi(t), atteso);
}

void TestConfrontoStatistico::celle()
{
    TotaliSquadra t;
    // First leg: 2 games at home with 3 goals, 3 away with 4; return leg: 2 away with 1 goal, none at home.
    t.settori[TotaliSquadra::AndataCasa] = Parziale{2, 1, 1, 0, 3, 1, 4};
    t.settori[TotaliSquadra::AndataFuori] = Parziale{3, 1, 0, 2, 4, 6, 3};
    t.settori[TotaliSquadra::RitornoFuori] = Parziale{2, 0, 2, 0, 1, 1, 2};
    const QStringList attese[STATISTICHE] = {
        {"2", "3", "5", "", "0", "2", "2", "", "2", "5", "7"},
        {"1", "1", "2", "", "0", "0", "0", "", "1", "1", "2"},
        {"1", "0", "1", "", "0", "2", "2", "", "1", "2", "3"},
        {"0", "2", "2", "", "0", "0", "0", "", "0", "2", "2"},
        {"3", "4", "7", "", "0", "1", "1", "", "3", "5", "8"},
        {"1", "6", "7", "", "0", "1", "1", "", "1", "7", "8"},
        // The total divides all goals by all games (8 / 7), not the mean of the other cells.
        {"1,5", "1,3333", "1,4", "", "0", "0,5", "0,5", "", "1,5", "1", "1,1429"},
        {"0,5", "2", "1,4", "", "0", "0,5", "0,5", "", "0,5", "1,4", "1,1429"},
        {"4", "3", "7", "", "0", "2", "2", "", "4", "5", "9"},
        {"2", "1", "1,4", "", "0", "1", "1", "", "2", "1", "1,2857"},
    };
    for (int k = 0; k < STATISTICHE; ++k) QCOMPARE(CelleStatistica(t, Statistica(k)), attese[k]);
}

void TestConfrontoStatistico::confrontoSulFile()
{
    AmbienteTest a(RegistraFinestreConfronti);
    // Long names and one with an apostrophe; the first leg played, the return leg up to round 2.
    QStringList nomi{"D'Alfa"};
    for (const QString& n : FixtureCampionato::nomiPredefiniti().mid(0, 5))
        nomi << (n + QStringLiteral(" Associazione Sportiva Calcio")).left(30);
    const DatiFixture d = a.apri(
        FixtureCampionato(a.percorso("lunghi.GVN")).squadre(nomi).giocaFinoA(2, false).risultato(1, 1, true, 0, 0));
    auto* w = a.mostra<ConfrontoStatisticoWindow>(ID);
    Griglia* g = griglia(w);
    const QString sqA = d.partita(1, 1)->sq1, sqB = QStringLiteral("D'Alfa");

    // Each team's row of each statistic from its totals in the file, the first team chosen on top.
    confronta(w, sqA, sqB);
    QCOMPARE(w->windowTitle(), TITOLO + ": " + sqA + " vs " + sqB);
    const TotaliSquadra totali[] = {ConfrontoStatisticoQueries::totali(sqA), ConfrontoStatisticoQueries::totali(sqB)};
    for (int k = 0; k < STATISTICHE; ++k)
        for (int i = 0; i < 2; ++i) {
            QStringList riga;
            for (int c = 0; c < 12; ++c) riga << g->testo(3 + 3 * k + i, c);
            QCOMPARE(riga, QStringList{i == 0 ? sqA : sqB} + CelleStatistica(totali[i], Statistica(k)));
        }
    // Every first leg is played: 5 games, the draw of round 1 among them.
    QCOMPARE(g->testo(3, 3), QStringLiteral("5"));
    QVERIFY(g->testo(9, 1).toInt() >= 1);

    // A Null goal reads 0: the draw becomes a home loss; a first leg whose played flag is Null counts nothing.
    const int perse = g->testo(12, 1).toInt(), giocate = g->testo(3, 3).toInt();
    int altra = 0;
    for (const PartitaFixture& m : d.partite)
        if (m.giornata > 1 && (m.sq1 == sqA || m.sq2 == sqA)) altra = m.codPart;
    Esegui("UPDATE PARTITA SET G1A = NULL, G2A = 1 WHERE CODPART = ?", {d.partita(1, 1)->codPart});
    Esegui("UPDATE PARTITA SET DISPAND = NULL WHERE CODPART = ?", {altra});
    confronta(w, sqA, sqB);
    QCOMPARE(g->testo(12, 1).toInt(), perse + 1);
    QCOMPARE(g->testo(3, 3).toInt(), giocate - 1);

    // Refusals after a comparison keep it on show, and so does a file that cannot be read.
    const QString mostrato = w->windowTitle();
    Esegui("DROP TABLE Partita");
    const QStringList rifiuti[] = {{"", "", "Bisogna selezionare due squadre!"},
                                   {sqA, "", "Bisogna selezionare due squadre!"},
                                   {sqB, sqB, "Bisogna selezionare due squadre diverse!"},
                                   {sqB, sqA, ""}};
    for (const QStringList& c : rifiuti) {
        a.messaggi().ok();
        confronta(w, c[0], c[1]);
        QVERIFY(a.messaggi().ultimo().testo.startsWith(c[2]));
        QCOMPARE(w->windowTitle(), mostrato);
        QCOMPARE(g->testo(3, 0), sqA);
    }
}

QTEST_MAIN(TestConfrontoStatistico)
#include "tst_confrontostatistico.moc"
