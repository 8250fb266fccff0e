#include "charts/finestregrafici.h"
#include "charts/graficoandamentowindow.h"
#include "charts/graficoclassificawindow.h"
#include "charts/graficogolpergiornatawindow.h"
#include "charts/graficorisultatiwindow.h"
#include "support/ambientetest.h"

#include "platform/combocodici.h"
#include "platform/grafico.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

using Valori = QVector<std::optional<double>>;

Valori ValoriDi(const Grafico* g, int serie = 1)
{
    Valori v;
    for (int r = 1; r <= g->righe(); ++r) v.append(g->valore(r, serie));
    return v;
}

// The goals of each round as the fixture wrote them (both legs), where the stop lets it be drawn.
Valori RetiAttese(const DatiFixture& d, const GiornataStop& stop, int perGirone)
{
    Valori v;
    for (bool andata : {true, false})
        for (int g = 1; g <= perGirone; ++g) {
            int reti = 0;
            for (const PartitaFixture& p : d.partite)
                if (p.giornata == g && p.disputata(andata)) reti += p.golCasa(andata) + p.golOspite(andata);
            v.append(stop.disegna(g, andata) ? std::optional<double>(reti) : std::nullopt);
        }
    return v;
}

// A played leg for the team: 1 won, 0 drawn, -1 lost; nothing when it is not played or not the team's.
std::optional<int> Esito(const PartitaFixture& p, const QString& squadra, bool andata)
{
    if (!p.disputata(andata) || (p.sq1 != squadra && p.sq2 != squadra)) return std::nullopt;
    const int scarto = (p.golCasa(andata) - p.golOspite(andata)) * (p.casa(andata) == squadra ? 1 : -1);
    return (scarto > 0) - (scarto < 0);
}

// A team's running points (3, 1, 0) after each of its matches, as the fixture wrote them (round order).
Valori AndamentoAtteso(const DatiFixture& d, const QString& squadra, const GiornataStop& stop, int righe)
{
    Valori v(righe);
    int riga = 0, punti = 0;
    for (bool andata : {true, false})
        for (const PartitaFixture& p : d.partite) {
            if (p.sq1 != squadra && p.sq2 != squadra) continue;
            if (!stop.disegna(p.giornata, andata)) break;
            if (const auto e = Esito(p, squadra, andata)) punti += *e > 0 ? 3 : *e == 0 ? 1 : 0;
            v[riga++] = punti;
        }
    return v;
}

// The six results of a team, as the fixture wrote them, in the chart's order.
Valori RisultatiAttesi(const DatiFixture& d, const QString& squadra)
{
    Valori v(6, 0.0);
    for (const PartitaFixture& p : d.partite)
        for (bool andata : {true, false})
            if (const auto e = Esito(p, squadra, andata)) *v[(1 - *e) * 2 + (p.casa(andata) == squadra ? 0 : 1)] += 1;
    return v;
}

}  // namespace

// The chart windows: the stop round, the values of each chart, the copy, and failures of the file.
class TestGrafici : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;

    AmbienteTest& ambiente() { return *(amb_ = std::make_unique<AmbienteTest>(RegistraFinestreGrafici)); }
    static Grafico* grafico(Finestra* w) { return w->findChild<Grafico*>(QStringLiteral("Chart1")); }
    static ComboCodici* squadre(Finestra* w) { return w->findChild<ComboCodici*>(QStringLiteral("Combo1")); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        amb_.reset();
    }

    void stopERetiPerGiornata_data()
    {
        // finoA: every round played up to this one of the leg below (0: none; -1: no calendar).
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("finoA");
        QTest::addColumn<bool>("finoAndata");
        QTest::addColumn<int>("giornataStop");
        QTest::addColumn<bool>("andataStop");
        QTest::newRow("nessun calendario") << 6 << -1 << true << 6 << false;
        QTest::newRow("nulla giocato") << 6 << 0 << true << 1 << true;
        QTest::newRow("giornate 1-5 giocate") << 8 << 5 << true << 6 << true;
        QTest::newRow("giocata la 5 ma non la 4") << 8 << 3 << true << 4 << true;
        QTest::newRow("andata completa, ritorno non iniziato") << 6 << 5 << true << 1 << false;
        QTest::newRow("andata completa e ritorno 1-2") << 6 << 2 << false << 3 << false;
        QTest::newRow("tutto giocato") << 6 << 5 << false << 6 << false;
        // Five teams: five rounds a leg, each with a team resting; the last round of each leg is drawn.
        QTest::newRow("tutto giocato, squadre dispari") << 5 << 5 << false << 6 << false;
        QTest::newRow("dispari, ritorno fino alla 4") << 5 << 4 << false << 5 << false;
    }

    void stopERetiPerGiornata()
    {
        QFETCH(int, numero);
        QFETCH(int, finoA);
        QFETCH(bool, finoAndata);
        QFETCH(int, giornataStop);
        QFETCH(bool, andataStop);
        AmbienteTest& a = ambiente();
        FixtureCampionato f = a.nuovo(numero);
        if (finoA < 0) f.senzaCalendario();
        // A postponed match of a played round adds nothing.
        if (finoA > 0) f.giocaFinoA(finoA, finoAndata).rinviata(2, 1, true);
        if (QByteArray(QTest::currentDataTag()).contains("la 5")) f.gioca(5, true);
        const DatiFixture d = a.apri(f);
        stato().GiornataCorrente = 99;
        stato().Andata = false;
        auto* w = a.mostra<GraficoGolPerGiornataWindow>(GraficoGolPerGiornataWindow::Id);
        const GiornataStop atteso{giornataStop, andataStop};
        QCOMPARE(w->stop(), atteso);
        // The search leaves the hand-over variables alone.
        QCOMPARE(stato().GiornataCorrente, 99);
        QCOMPARE(stato().Andata, false);

        const int perGirone = numero % 2 ? numero : numero - 1;
        const Grafico* g = grafico(w);
        QCOMPARE(g->righe(), 2 * perGirone);
        QCOMPARE(ValoriDi(g), RetiAttese(d, atteso, perGirone));
    }

    void andamento_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("finoA");
        QTest::addColumn<bool>("finoAndata");
        QTest::addColumn<QString>("sesta");  // the sixth team's name
        QTest::newRow("andata alla 3, una partita rinviata") << 6 << 3 << true << "Foggia";
        QTest::newRow("ritorno alla 2, una partita rinviata") << 6 << 2 << false << "Foggia";
        QTest::newRow("dispari, stagione finita") << 5 << 5 << false << "Foggia";
        QTest::newRow("nome da destra a sinistra") << 6 << 3 << true << QString::fromUtf8("מכבי חיפה");
    }

    void andamento()
    {
        QFETCH(int, numero);
        QFETCH(int, finoA);
        QFETCH(bool, finoAndata);
        QFETCH(QString, sesta);
        AmbienteTest& a = ambiente();
        // A name with an apostrophe among them.
        const QStringList nomi =
            QStringList{"Ancona", "Bari", "Cagliari", "Citta' di Castello", "Empoli", sesta}.mid(0, numero);
        const DatiFixture d = a.apri(a.nuovo(numero).squadre(nomi).giocaFinoA(finoA, finoAndata).rinviata(2, 1, true));
        auto* w = a.mostra<GraficoAndamentoWindow>(GraficoAndamentoWindow::Id);
        Grafico* g = grafico(w);
        // One row per match of a team, whatever the number of teams.
        QCOMPARE(g->righe(), 2 * (numero - 1));

        // Every team in turn: its own points, and nothing left of the team before.
        for (int i = squadre(w)->count() - 1; i >= 0; --i) {
            squadre(w)->setCurrentIndex(i);
            QCOMPARE(ValoriDi(g), AndamentoAtteso(d, squadre(w)->testo(), w->stop(), g->righe()));
            // The copy names the series by the team's name as stored.
            g->copia();
            QCOMPARE(QGuiApplication::clipboard()->text().section('\n', 0, 0), "\t" + squadre(w)->testo());
        }
        // The postponed match repeats the total before it.
        if (numero == 6) {
            squadre(w)->selezionaTesto(d.partita(2, 1)->sq1);
            QCOMPARE(g->valore(2, 1), g->valore(1, 1));
        } else {
            for (int r = 1; r <= g->righe(); ++r) QVERIFY(g->valore(r, 1).has_value());
        }
    }

    void classifica()
    {
        AmbienteTest& a = ambiente();
        const QStringList nomi{"Bar", "Castelfranco Veneto", "Dolomiti", "Empoli", "Foggia", "Genova"};
        a.apri(a.nuovo(6).squadre(nomi).giocaFinoA(2, true).penalita("Empoli", 20));
        Esegui("DELETE FROM PuntiSquadre");

        // From the main window's command: the whole season is rebuilt and the request cleared.
        stato().RicalcolaClassifica = true;
        auto* w = a.mostra<GraficoClassificaWindow>(GraficoClassificaWindow::Id);
        QVERIFY(!stato().RicalcolaClassifica);
        const Grafico* g = grafico(w);
        Query q("SELECT Nome, Punti FROM PuntiSquadre ORDER BY Punti DESC, Giocate, DiffReti DESC, TotaleFatti DESC, "
                "TotaleVinte DESC, rowid");
        for (int r = 1; q.next(); ++r) {
            QCOMPARE(g->etichettaRiga(r), q.testo(0).left(5));
            QCOMPARE(g->valore(r, 1), double(q.intero(1)));
        }
        QCOMPARE(g->etichettaRiga(6), QStringLiteral("Empol"));  // last, below zero
        QVERIFY(*g->valore(6, 1) < 0);
        w->chiudi();

        // A request that fails to rebuild is reported, the window does not stay, and the request is gone.
        Esegui("DROP TABLE Partita");
        stato().RicalcolaClassifica = true;
        a.messaggi().ok();
        QVERIFY(!a.mostra<GraficoClassificaWindow>(GraficoClassificaWindow::Id));
        QVERIFY(!AmbienteTest::caricata(GraficoClassificaWindow::Id));
        QVERIFY(!stato().RicalcolaClassifica);
    }

    void risultati()
    {
        AmbienteTest& a = ambiente();
        const QStringList nomi{"Ancona", "Bari", "Cagliari", "L'Aquila"};
        const DatiFixture d = a.apri(a.nuovo(4).squadre(nomi).giocaFinoA(2, false).rinviata(1, 2, true));
        // A return leg's score typed but not registered as played counts nothing.
        Esegui("UPDATE Partita SET G1R = 4, G2R = 0 WHERE DispRit = 0");
        auto* w = a.mostra<GraficoRisultatiWindow>(GraficoRisultatiWindow::Id);
        const Grafico* g = grafico(w);
        for (const QString& squadra : nomi) {
            squadre(w)->setCurrentText(squadra);
            const Valori attesi = RisultatiAttesi(d, squadra);
            for (int k = 1; k <= 6; ++k) QCOMPARE(g->valore(1, k), attesi[k - 1]);
        }
    }

    void erroriDelFile()
    {
        AmbienteTest& a = ambiente();
        a.apri(a.nuovo(6).giocaFinoA(3, true));
        auto* w = a.mostra<GraficoAndamentoWindow>(GraficoAndamentoWindow::Id, "Bari");
        const Valori prima = ValoriDi(grafico(w));
        // A drawing that cannot read leaves the chart as it was.
        Esegui("DROP TABLE Partita");
        a.messaggi().ok();
        squadre(w)->setCurrentText("Cagliari");
        QCOMPARE(a.messaggi().quanti(), 1);
        QCOMPARE(ValoriDi(grafico(w)), prima);
    }
};

QTEST_MAIN(TestGrafici)
#include "tst_grafici.moc"
