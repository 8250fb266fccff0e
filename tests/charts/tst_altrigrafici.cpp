#include "charts/finestregrafici.h"
#include "charts/graficoandamentowindow.h"
#include "charts/graficocartelliniwindow.h"
#include "charts/graficoconfrontoandamentowindow.h"
#include "charts/graficogiocatorewindow.h"
#include "charts/graficogolwindow.h"
#include "support/ambientetest.h"

#include "core/codici.h"

#include "platform/albero.h"
#include "platform/combocodici.h"
#include "platform/grafico.h"

#include <QLabel>
#include <QPushButton>

namespace {

// A series (or, in a pie, row 1 across the series) as text: values in the locale's format, "-" where none.
QString Valori(const Grafico* g, int serie = 1)
{
    QStringList v;
    const bool torta = g->tipo() == Grafico::Tipo::Torta;
    for (int k = 1; k <= (torta ? g->serie() : g->righe()); ++k) {
        const auto x = torta ? g->valore(1, k) : g->valore(k, serie);
        v << (x ? QLocale().toString(*x) : QStringLiteral("-"));
    }
    return v.join(' ');
}

// The goals a team scored or conceded in each round's played match, as the fixture wrote them.
QString GolAttesi(const DatiFixture& d, const QString& squadra, bool fatti, const GiornataStop& stop, int perGirone)
{
    QStringList v;
    for (bool andata : {true, false})
        for (int g = 1; g <= perGirone; ++g) {
            v << QStringLiteral("-");
            for (const PartitaFixture& p : d.partite)
                if (p.giornata == g && p.disputata(andata) && stop.disegna(g, andata) &&
                    (p.sq1 == squadra || p.sq2 == squadra)) {
                    v.last() =
                        QString::number((p.casa(andata) == squadra) == fatti ? p.golCasa(andata) : p.golOspite(andata));
                    break;
                }
        }
    return v.join(' ');
}

template <typename T> T* Parte(QWidget* w, const QString& nome) { return w->findChild<T*>(nome); }

}  // namespace

// The goals, comparison, cards and player charts: the values drawn, read back from the chart.
class TestAltriGrafici : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    AmbienteTest& ambiente() { return *(amb_ = std::make_unique<AmbienteTest>(RegistraFinestreGrafici)); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        amb_.reset();
    }

    void golSquadra_data()
    {
        QTest::addColumn<bool>("fatti");
        QTest::addColumn<int>("finoA");
        QTest::addColumn<bool>("finoAndata");
        // Every team in turn plays at home and away in both legs; round 2 has a postponed match.
        QTest::newRow("segnate, andata in corso") << true << 4 << true;
        QTest::newRow("subite, ritorno in corso") << false << 3 << false;
    }

    void golSquadra()
    {
        QFETCH(bool, fatti);
        QFETCH(int, finoA);
        QFETCH(bool, finoAndata);
        AmbienteTest& a = ambiente();
        const DatiFixture d = a.apri(a.nuovo(6).giocaFinoA(finoA, finoAndata).rinviata(2, 1, true));
        stato().GolFatti = fatti;
        auto* w = a.mostra<GraficoGolWindow>(GraficoGolWindow::Id);
        auto* squadre = Parte<ComboCodici>(w, "Combo1");
        const Grafico* g = w->grafico();
        // Every team in turn: nothing of the team before stays in a row the new one leaves empty.
        for (int i = squadre->count() - 1; i >= 0; --i) {
            squadre->setCurrentIndex(i);
            QCOMPARE(Valori(g), GolAttesi(d, squadre->currentText(), fatti, w->stop(), 5));
        }
        // The postponed match leaves a gap; the later rounds keep their rows.
        const QString rinviata = d.partita(2, 1)->sq1;
        squadre->setCurrentText(rinviata);
        QCOMPARE(g->valore(2, 1), std::nullopt);
        QVERIFY(g->valore(3, 1).has_value());

        // The other figure: same team, other wording and values; the stop is not searched again.
        Esegui("UPDATE Giornata SET DispAnd = 0");
        Parte<ComboCodici>(w, "Combo2")->setCurrentIndex(fatti ? 1 : 0);
        QCOMPARE(w->windowTitle(), (fatti ? "Grafico reti subite: " : "Grafico reti segnate: ") + rinviata);
        QCOMPARE(Valori(g), GolAttesi(d, rinviata, !fatti, w->stop(), 5));
        // Brought forward, it keeps the figure picked; the command of a figure, while it is open, shows that one.
        auto* figura = Parte<ComboCodici>(w, "Combo2");
        for (const bool comando : {false, true}) {
            if (comando) stato().GolFatti = fatti;
            QCOMPARE(a.mostra<GraficoGolWindow>(GraficoGolWindow::Id), w);
            const bool segnate = comando ? fatti : !fatti;
            QCOMPARE(figura->currentIndex() == 0, segnate);
            QCOMPARE(Valori(g), GolAttesi(d, rinviata, segnate, w->stop(), 5));
        }
    }

    void confronto_data()
    {
        QTest::addColumn<bool>("due");
        QTest::addColumn<QList<int>>("scelte");  // the team chosen in each list (-1: none)
        QTest::newRow("due squadre") << true << QList<int>{3, 0};
        QTest::newRow("quattro, la seconda vuota") << false << QList<int>{1, -1, 5, 1};
        QTest::newRow("prima lista vuota") << false << QList<int>{-1, 2, 3, 4};
    }

    void confronto()
    {
        QFETCH(bool, due);
        QFETCH(QList<int>, scelte);
        AmbienteTest& a = ambiente();
        a.apri(a.nuovo(6).giocaFinoA(2, false).rinviata(2, 1, true));
        stato().ConfrontoDue = due;
        auto* w = a.mostra<GraficoConfrontoAndamentoWindow>(GraficoConfrontoAndamentoWindow::Id);
        QVERIFY(Parte<QLabel>(w, "Label2")->isVisible() && !w->graficoVisibile());
        const Grafico* g = w->grafico();
        QCOMPARE(g->serie(), scelte.size());

        // The mode stays the one of the load.
        stato().ConfrontoDue = !due;
        QCOMPARE(a.mostra<GraficoConfrontoAndamentoWindow>(GraficoConfrontoAndamentoWindow::Id), w);
        for (int c = 0; c < scelte.size(); ++c)
            Parte<ComboCodici>(w, QString("Combo%1").arg(c + 1))->setCurrentIndex(scelte[c]);
        if (scelte[0] < 0) a.messaggi().ok();
        Parte<QPushButton>(w, "Command1")->click();
        QVERIFY(w->graficoVisibile());
        if (scelte[0] < 0) {
            QCOMPARE(a.messaggi().ultimo().testo, GraficoConfrontoAndamentoWindow::TESTO_SCELTA);
            QCOMPARE(Valori(g, 2), QString("- - - - - - - - - -"));
            return;
        }
        // Each line is the team progress chart of its team; a list left empty leaves its line out.
        for (int c = 0; c < scelte.size(); ++c) {
            const QString nome = Parte<ComboCodici>(w, QString("Combo%1").arg(c + 1))->currentText();
            auto* andamento = a.mostra<GraficoAndamentoWindow>(GraficoAndamentoWindow::Id, nome);
            QCOMPARE(Valori(g, c + 1), nome.isEmpty() ? QString("- - - - - - - - - -") : Valori(andamento->grafico()));
            andamento->chiudi();
        }
    }

    void cartelliniPerGiornata()
    {
        AmbienteTest& a = ambiente();
        a.apri(a.nuovo(6).rose(1).giocaFinoA(2, false).rinviata(2, 1, true));
        // Round 2 of the first leg (one match of it not played): three booked, one sent off, no card, no code;
        // round 2 of the return leg in its own row; its round 3, the stop, not drawn.
        Esegui("INSERT INTO Presenze (Girone, Giornata, Ammonito) VALUES (-1, 2, 1), (-1, 2, 1), (-1, 2, 100), "
               "(-1, 2, 101), (-1, 2, 0), (-1, 2, NULL), (0, 2, 1), (0, 3, 101)");
        auto* w = a.mostra<GraficoCartelliniWindow>(GraficoCartelliniWindow::Id);
        const Grafico* g = w->grafico();
        QCOMPARE(Valori(g, 1), QString("0 3 0 0 0 0 1 - - -"));
        QCOMPARE(Valori(g, 2), QString("0 1 0 0 0 0 0 - - -"));
    }

    void giocatoriEAlbero()
    {
        AmbienteTest& a = ambiente();
        const DatiFixture d = a.apri(a.nuovo(4).rose(3));
        // A team code beyond 16 bits, a player without first name, a team without players.
        Esegui("UPDATE Giocatore SET CodSquadra = 70000 WHERE CodSquadra = ?", {d.codici["Bari"]});
        stato().Squadre[2].Codice = "70000";
        Esegui("UPDATE Giocatore SET Nome = NULL WHERE Codice = ?", {d.rosa("Bari")[0]->codice});
        Esegui("DELETE FROM Giocatore WHERE CodSquadra = ?", {d.codici["Cagliari"]});
        stato().Squadre[4].Nome += QString(300, 'x');  // cut in the tree, which stays narrow
        auto* w = a.mostra<GraficoGiocatoreWindow>(GraficoGiocatoreWindow::Id);
        auto* albero = Parte<Albero>(w, "TreeView1");
        QVERIFY(albero->minimumWidth() < albero->fontMetrics().horizontalAdvance(QString(60, 'n')));
        auto* lista = Parte<ComboCodici>(w, "Combo1");
        QTreeWidgetItem* radice = albero->topLevelItem(0);
        QCOMPARE(albero->selezionato(), radice);
        QCOMPARE(radice->childCount(), 4);
        QCOMPARE(Albero::chiave(radice->child(3)), QStringLiteral("S4"));

        QCOMPARE(lista->count(), 9);

        emit albero->nodoCliccato(radice->child(1));  // Bari, code 70000
        QCOMPARE(lista->count(), 3);
        QVERIFY(lista->findText(" " + d.rosa("Bari")[0]->cognome) >= 0);
        lista->setCurrentIndex(2);
        emit albero->nodoCliccato(radice->child(2));  // Cagliari: nobody, the list stays
        QCOMPARE(lista->count(), 3);
        QCOMPARE(lista->currentIndex(), 2);
        emit albero->nodoCliccato(radice);
        QCOMPARE(lista->count(), 9);
    }

    void graficiGiocatore_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("finoA");
        QTest::addColumn<bool>("finoAndata");
        QTest::addColumn<QString>("attesi");
        // One goal in round 2, two in round 5, stop at 7 in the first leg; for the ratings, at 4 in the return leg.
        QTest::newRow("reti") << 1 << 8 << 6 << true << "0 1 1 1 3 3 - - - - - - - -";
        QTest::newRow("cartellini") << 2 << 8 << 6 << true << "3 2 1";
        QTest::newRow("voti") << 3 << 10 << 3 << false << "6 0 7,5 0 0 0 0 0 0 5,5 0 0 - - - - - -";
        QTest::newRow("cartellini, nessuna presenza") << 2 << 4 << 1 << true << "0 0 0";
    }

    void graficiGiocatore()
    {
        QFETCH(int, tipo);
        QFETCH(int, numero);
        QFETCH(int, finoA);
        QFETCH(bool, finoAndata);
        QFETCH(QString, attesi);
        AmbienteTest& a = ambiente();
        const DatiFixture d = a.apri(a.nuovo(numero).rose(2).giocaFinoA(finoA, finoAndata));
        const int io = d.giocatori[1].codice;
        if (numero > 4) {
            // His goals (round, leg, kind): an own goal and a goal of no kind add nothing, one of unknown kind counts.
            const QList<std::tuple<int, bool, QVariant>> reti{
                {2, true, TIPO_TESTA},  {3, true, TIPO_AUTORETE}, {4, true, QVariant()},  {5, true, TIPO_NON_INDICATO},
                {5, true, TIPO_DESTRO}, {7, true, TIPO_DESTRO},   {1, false, TIPO_DESTRO}};
            for (const auto& [giornata, andata, tipo] : reti)
                Esegui("INSERT INTO Reti (CodPart, CodGiocatore, Girone, Tipo) VALUES (?, ?, ?, ?)",
                       {d.partita(giornata, 1)->codPart, io, GironeReti(andata), tipo});
            // His appearances (leg, round, rating, card): a second rating of round 1 comes later and does not count.
            Esegui("INSERT INTO Presenze (Girone, Giornata, Voto, Ammonito, CodGiocatore) VALUES (-1, 1, 6, 0, ?), "
                   "(-1, 1, 9, NULL, ?), (-1, 2, 250, 1, ?), (-1, 3, 7.5, 100, ?), (-1, 4, NULL, 0, ?), "
                   "(0, 1, 5.5, 101, ?), (0, 5, 8, 0, ?)",
                   QVariantList(7, io));
        }
        // Someone else's.
        Esegui("INSERT INTO Reti (CodPart, CodGiocatore, Girone, Tipo) VALUES (?, ?, 1, 1)",
               {d.partita(2, 1)->codPart, d.giocatori[0].codice});
        Esegui("INSERT INTO Presenze (Girone, Giornata, Voto, Ammonito, CodGiocatore) VALUES (-1, 2, 10, 101, ?)",
               {d.giocatori[0].codice});

        auto* w = a.mostra<GraficoGiocatoreWindow>(GraficoGiocatoreWindow::Id);
        auto* lista = Parte<ComboCodici>(w, "Combo1");
        QVERIFY(lista->selezionaCodice(io));
        // Another chart first: the mode is read at each drawing, and each drawing sets its own shape.
        stato().TipoGraficoGiocatore = tipo % 3 + 1;
        Parte<QPushButton>(w, "Command1")->click();
        stato().TipoGraficoGiocatore = tipo;
        Parte<QPushButton>(w, "Command1")->click();
        QVERIFY(w->windowTitle().endsWith(lista->currentText()));
        const Grafico* g = w->grafico();
        QCOMPARE(Valori(g), attesi);
    }
};

QTEST_MAIN(TestAltriGrafici)
#include "tst_altrigrafici.moc"
