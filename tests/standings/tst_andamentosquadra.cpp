#include "aiutigriglia.h"
#include "standings/finestresquadra.h"
#include "support/ambientetest.h"

#include "platform/combocodici.h"
#include "standings/andamentosquadrawindow.h"

#include <QPushButton>

namespace {

const QString ID = QStringLiteral("Form22");

using Quarto = QVector<qint64>;  // Giocate, Vinte, Pareggiate, Perse, Fatti, Subiti, Punti
using Quarti = QVector<Quarto>;  // AndataCasa, AndataFuori, RitornoCasa, RitornoFuori

Quarto DaQuarto(const QuartoAndamento& q)
{
    return {q.Giocate.valore(), q.Vinte.valore(),  q.Pareggiate.valore(), q.Perse.valore(),
            q.Fatti.valore(),   q.Subiti.valore(), q.Punti.valore()};
}
Quarti DaContatori(const ContatoriAndamento& c)
{
    return {DaQuarto(c.AndataCasa), DaQuarto(c.AndataFuori), DaQuarto(c.RitornoCasa), DaQuarto(c.RitornoFuori)};
}
QuartoAndamento AQuarto(const Quarto& v) { return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]}; }
ContatoriAndamento AContatori(const Quarti& q) { return {AQuarto(q[0]), AQuarto(q[1]), AQuarto(q[2]), AQuarto(q[3])}; }

const Quarto ZERO(7, 0);

// One leg played with its score (home team of the leg first).
struct Gara {
    int giornata, riga;
    bool andata;
    int casa, ospite;
};

// The quarters of a team worked out from what the fixture wrote (3, 1, 0 points).
Quarti Conta(const DatiFixture& d, const QString& squadra)
{
    Quarti q(4, ZERO);
    for (const PartitaFixture& p : d.partite)
        for (bool andata : {true, false}) {
            if (!p.disputata(andata) || (p.casa(andata) != squadra && p.ospite(andata) != squadra)) continue;
            const bool casa = p.casa(andata) == squadra;
            Quarto& x = q[(andata ? 0 : 2) + (casa ? 0 : 1)];
            const int f = casa ? p.golCasa(andata) : p.golOspite(andata);
            const int s = casa ? p.golOspite(andata) : p.golCasa(andata);
            x[0] += 1, x[4] += f, x[5] += s;
            x[f > s ? 1 : f == s ? 2 : 3] += 1;
            x[6] += f > s ? 3 : f == s ? 1 : 0;
        }
    return q;
}

}  // namespace

// The team trend statistics: the counting of each quarter, the table built from it and the window.
class TestAndamentoSquadra : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> a_;

    static Griglia* griglia(Finestra* w) { return w->findChild<Griglia*>(QStringLiteral("Grid1")); }
    static ComboCodici* squadre(Finestra* w) { return w->findChild<ComboCodici*>(QStringLiteral("Combo1")); }

    // The grid's figure rows 2 to 11.
    static QVector<QStringList> figure(const Griglia* g) { return RigheGriglia(g, 2); }

private slots:
    void init() { a_ = std::make_unique<AmbienteTest>(RegistraFinestreSquadra); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void tabella()
    {
        // No match played: counts and averages all 0, spacers empty.
        QVector<QStringList> t = AndamentoSquadraQueries::TabellaAndamento({});
        QCOMPARE(t.size(), 10);
        for (const QStringList& r : t)
            QCOMPARE(r.mid(1), (QStringList{"0", "0", "0", "", "0", "0", "0", "", "0", "0", "0"}));

        // Season averages divide by the matches of all four quarters: 10 goals in 12 matches.
        t = AndamentoSquadraQueries::TabellaAndamento(
            AContatori({{4, 2, 1, 1, 3, 2, 7}, {4, 1, 1, 2, 3, 5, 4}, {1, 0, 1, 0, 1, 1, 1}, {3, 0, 0, 3, 3, 9, 0}}));
        QCOMPARE(t[0], (QStringList{"Partite giocate ", "4", "4", "8", "", "1", "3", "4", "", "5", "7", "12"}));
        QCOMPARE(t[4], (QStringList{"Gol segnati ", "3", "3", "6", "", "1", "3", "4", "", "4", "6", "10"}));
        QCOMPARE(t[6], (QStringList{"Media gol segnati a partita ", "0,75", "0,75", "0,75", "", "1", "1", "1", "",
                                    "0,8", "0,8571", "0,8333"}));
        QCOMPARE(t[9][11], QStringLiteral("1"));  // 12 points in 12 matches

        // Each leg's "T" pairs its home and away figures: 3 points in 2 home matches, 1 in 2 away ones.
        t = AndamentoSquadraQueries::TabellaAndamento(
            AContatori({{2, 1, 0, 1, 4, 3, 3}, {2, 0, 1, 1, 1, 3, 1}, ZERO, ZERO}));
        QCOMPARE(t[9],
                 (QStringList{"Media punti a partita ", "1,5", "0,5", "1", "", "0", "0", "0", "", "1,5", "0,5", "1"}));
        QCOMPARE(t[7][3], QStringLiteral("1,5"));  // 6 goals conceded in 4 matches

        // Large figures are written in full.
        t = AndamentoSquadraQueries::TabellaAndamento(AContatori({{3, 3, 0, 0, 300, 0, 900}, ZERO, ZERO, ZERO}));
        QVERIFY(t[4][11] == "300" && t[8][11] == "900" && t[6][1] == "100");
    }

    void conteggio_data()
    {
        QTest::addColumn<QVector<Gara>>("gare");
        QTest::addColumn<bool>("sq1");  // the team counted is SQ1 of the first leg listed, or SQ2
        QTest::addColumn<int>("puntiSconfitta");
        QTest::addColumn<Quarti>("attesi");

        QTest::newRow("vinta 0-2 fuori all'andata")
            << QVector<Gara>{{1, 1, true, 0, 2}} << false << 0 << Quarti{ZERO, {1, 1, 0, 0, 2, 0, 3}, ZERO, ZERO};
        QTest::newRow("3-1 in casa, 1-1 fuori al ritorno")
            << QVector<Gara>{{1, 1, true, 3, 1}, {1, 1, false, 1, 1}} << true << 0
            << Quarti{{1, 1, 0, 0, 3, 1, 3}, ZERO, ZERO, {1, 0, 1, 0, 1, 1, 1}};
        QTest::newRow("un punto per la sconfitta")
            << QVector<Gara>{{1, 1, false, 0, 1}} << false << 1 << Quarti{ZERO, ZERO, {1, 0, 0, 1, 0, 1, 1}, ZERO};
        QTest::newRow("nessuna gara") << QVector<Gara>{} << true << 0 << Quarti(4, ZERO);
    }

    void conteggio()
    {
        QFETCH(QVector<Gara>, gare);
        QFETCH(bool, sq1);
        QFETCH(int, puntiSconfitta);
        QFETCH(Quarti, attesi);
        AmbienteTest& a = *a_;
        FixtureCampionato f = a.nuovo(4).punti(3, 1, puntiSconfitta);
        for (const Gara& g : gare) f.risultato(g.giornata, g.riga, g.andata, g.casa, g.ospite);
        const DatiFixture d = a.apri(f);
        const PartitaFixture* p = d.partita(gare.isEmpty() ? 1 : gare[0].giornata, gare.isEmpty() ? 1 : gare[0].riga);
        const QString squadra = sq1 ? p->sq1 : p->sq2;
        // Penalty points are not taken off the points earned on the field.
        Esegui("UPDATE Squadra SET Penalita = 5");

        auto* w = a.mostra<AndamentoSquadraWindow>(ID, squadra);
        QVERIFY(w && w->squadraAndamento() == squadra && w->contatori().has_value());
        QCOMPARE(DaContatori(*w->contatori()), attesi);
        QCOMPARE(figure(griglia(w)), AndamentoSquadraQueries::TabellaAndamento(AContatori(attesi)));
    }

    void stagioneNota()
    {
        AmbienteTest& a = *a_;
        // Five teams, one resting each match day; a postponed leg in a played match day; a penalty.
        const DatiFixture d = a.apri(
            a.nuovo(5).giocaFinoA(3, false).rinviata(2, 2, true).risultato(4, 1, true, 3, 3).penalita("Cagliari", 2));
        auto* w = a.mostra<AndamentoSquadraWindow>(ID);
        Griglia* g = griglia(w);
        QVERIFY(g->righeFisse() == 2 && g->unisciRiga0());

        // Every team, picked in the list: its own figures and nothing of the team before.
        for (int i = 0; i < d.squadre.size(); ++i) {
            squadre(w)->setCurrentIndex(i);
            const QString squadra = squadre(w)->currentText();
            QCOMPARE(w->windowTitle(), "Statistiche sull'andamento: " + squadra);
            const Quarti attesi = Conta(d, squadra);
            QCOMPARE(DaContatori(*w->contatori()), attesi);
            QCOMPARE(figure(g), AndamentoSquadraQueries::TabellaAndamento(AContatori(attesi)));
        }
    }

    void preselezione()
    {
        AmbienteTest& a = *a_;
        const DatiFixture d = a.apri(a.nuovo(4).giocaTutto());
        auto* w = a.mostra<AndamentoSquadraWindow>(ID, "Cagliari");
        QCOMPARE(DaContatori(*w->contatori()), Conta(d, "Cagliari"));
        // Shown again while open: it keeps its team.
        QCOMPARE(a.mostra<AndamentoSquadraWindow>(ID, "Bari"), w);
        QCOMPARE(w->squadraAndamento(), QStringLiteral("Cagliari"));

        // A name that is not in the list: no team chosen and a table of zeros.
        w->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Finestre::istanza().caricata(ID));
        w = a.mostra<AndamentoSquadraWindow>(ID, "cagliari");
        QCOMPARE(squadre(w)->currentIndex(), -1);
        QCOMPARE(figure(griglia(w)), AndamentoSquadraQueries::TabellaAndamento({}));
    }

    void legheIncomplete()
    {
        AmbienteTest& a = *a_;
        const DatiFixture d = a.apri(a.nuovo(4).risultato(1, 1, true, 2, 1));
        const PartitaFixture* p = d.partita(1, 1);
        // A played leg with a score missing counts it as 0 (a 0-1 home defeat), as the league table does;
        // scores of a leg not played are ignored.
        Esegui("UPDATE Partita SET G1A = NULL WHERE CodPart = ?", {p->codPart});
        Esegui("UPDATE Partita SET G1R = 4, G2R = 0 WHERE CodPart = ?", {p->codPart});
        auto* w = a.mostra<AndamentoSquadraWindow>(ID, p->sq1);
        QCOMPARE(DaQuarto(w->contatori()->AndataCasa), (Quarto{1, 0, 0, 1, 0, 1, 0}));
        QCOMPARE(DaQuarto(w->contatori()->RitornoFuori), ZERO);
    }

    void erroreDelFile()
    {
        AmbienteTest& a = *a_;
        a.apri(a.nuovo(4).giocaTutto());
        auto* w = a.mostra<AndamentoSquadraWindow>(ID);
        Esegui("DROP TABLE Partita");
        a.messaggi().ok();
        squadre(w)->setCurrentIndex(2);
        QCOMPARE(a.messaggi().quanti(), 1);
        QCOMPARE(a.messaggi().ultimo().titolo, QStringLiteral("Statistiche sull'andamento"));
        // No figures rather than zeros or the figures of the team shown before.
        QVERIFY(!w->contatori().has_value());
        const Griglia* g = griglia(w);
        QCOMPARE(g->righe(), 12);
        for (int r = 2; r < 12; ++r) QVERIFY(RigaGriglia(g, r).mid(1).join("").isEmpty());
    }

    void campionatoPiuGrande()
    {
        AmbienteTest& a = *a_;
        const DatiFixture d = a.apri(a.piuGrande());
        auto* w = a.mostra<AndamentoSquadraWindow>(ID, "Modena");
        QCOMPARE(griglia(w)->testo(2, 11), QStringLiteral("38"));
        QCOMPARE(DaContatori(*w->contatori()), Conta(d, "Modena"));
        QVERIFY(!ScorreDiLato(w, "Form22"));
    }
};

QTEST_MAIN(TestAndamentoSquadra)
#include "tst_andamentosquadra.moc"
