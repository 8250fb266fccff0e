#include "platform/grafico.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMimeData>
#include <QPieSeries>
#include <QPieSlice>
#include <QScreen>
#include <QTest>
#include <QTextDocumentFragment>
#include <QValueAxis>

namespace {

using Valori = QList<std::optional<double>>;

// The labels under the category axis as the user reads them, one per row (empty where the axis has none);
// a label standing anywhere but under a row of its own gives a list naming it.
QStringList etichetteAsse(const Grafico& g)
{
    auto* asse = qobject_cast<QCategoryAxis*>(g.chart()->axes(Qt::Horizontal).value(0));
    if (!asse) return {};
    QStringList etichette(g.righe());
    for (const QString& e : asse->categoriesLabels()) {
        const double x = asse->endValue(e);
        const auto r = qsizetype(x);
        if (r != x || r < 0 || r >= etichette.size() || !etichette[r].isEmpty())
            return {QStringLiteral("fuori posto: ") + e};
        // Qt Charts lays a label out as markup.
        etichette[r] = QTextDocumentFragment::fromHtml(e).toPlainText().remove(QChar(0x200B));
    }
    return etichette;
}

// The per-round layout: odd rows carry their number, even rows an empty label.
void righePerGiornata(Grafico& g, int righe)
{
    g.impostaRighe(righe);
    for (int r = 1; r <= righe; ++r) g.impostaEtichettaRiga(r, r % 2 ? QString::number(r) : QString());
}

QValueAxis* asseValori(const Grafico& g) { return qobject_cast<QValueAxis*>(g.chart()->axes(Qt::Vertical).value(0)); }

// A round-by-round chart of the kind `tipo`, its values and title shaped by `n`; the even rows unlabelled, or
// labelled with an invisible character.
void giornate(Grafico& g, Grafico::Tipo tipo, int righe, int n = 1, bool pariInvisibili = false)
{
    g.impostaTipo(tipo);
    g.impostaLegenda(tipo == Grafico::Tipo::Linee);
    g.impostaTitoliAssi(QStringLiteral("Giornate"), QStringLiteral("Reti %1").arg(n));
    g.impostaRighe(righe);
    for (int r = 1; r <= righe; ++r) {
        g.impostaEtichettaRiga(r, r % 2 ? QString::number(r) : pariInvisibili ? QString(QChar(0x200B)) : QString());
        g.impostaValore(r, 1, (r * n) % (7 * n));
    }
}

// What the screen holds of a shown widget (its window's backing store), not a fresh rendering of it.
QImage sulloSchermo(QWidget& w)
{
    QTest::qWait(50);  // the chart lays itself out, then the window paints what changed
    QCoreApplication::processEvents();
    const QPoint origine = w.mapTo(w.window(), QPoint());
    return w.screen()
        ->grabWindow(w.window()->winId(), origine.x(), origine.y(), w.width(), w.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestGrafico : public QObject {
    Q_OBJECT

private slots:

    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void etichetteRipetuteOVuoteRestano_data()
    {
        QTest::addColumn<Grafico::Tipo>("tipo");
        QTest::addColumn<QStringList>("etichette");

        QStringList giornate;
        for (int r = 1; r <= 38; ++r) giornate.append(r % 2 ? QString::number(r) : QString());
        const QStringList squadre{"Juven", "Milan", "Juven", "", "Inter", ""};
        QTest::newRow("38 giornate, linee") << Grafico::Tipo::Linee << giornate;
        QTest::newRow("nomi ripetuti e vuoti") << Grafico::Tipo::Barre << squadre;
        QTest::newRow("nomi con tag") << Grafico::Tipo::Barre << QStringList{"<b>Juve</b>", "A & B", "&lt;", "<br>"};
    }

    void etichetteRipetuteOVuoteRestano()
    {
        QFETCH(Grafico::Tipo, tipo);
        QFETCH(QStringList, etichette);
        Grafico g;
        g.impostaTipo(tipo);
        g.impostaRighe(etichette.size());
        for (int r = 1; r <= etichette.size(); ++r) {
            g.impostaEtichettaRiga(r, etichette[r - 1]);
            g.impostaValore(r, 1, r);
        }
        g.aggiorna();
        QCOMPARE(etichetteAsse(g), etichette);
    }

    void lineaInterrottaDoveMancaIlValore_data()
    {
        QTest::addColumn<Valori>("valori");
        QTest::addColumn<QList<QList<int>>>("tratti");  // rows (from 0) of each drawn segment

        const auto n = std::nullopt;
        QTest::newRow("completa") << Valori{1, 2, 3} << QList<QList<int>>{{0, 1, 2}};
        QTest::newRow("buco in mezzo") << Valori{1, 3, n, n, 7, 8} << QList<QList<int>>{{0, 1}, {4, 5}};
        QTest::newRow("punto isolato e fine vuota") << Valori{n, 4, n, 6, 6, n, n} << QList<QList<int>>{{1}, {3, 4}};
        QTest::newRow("valori negativi") << Valori{-2, -1, n, 0} << QList<QList<int>>{{0, 1}, {3}};
    }

    void lineaInterrottaDoveMancaIlValore()
    {
        QFETCH(Valori, valori);
        QFETCH(QList<QList<int>>, tratti);
        Grafico g;
        g.impostaTipo(Grafico::Tipo::Linee);
        g.impostaSerie(2);
        g.impostaEtichettaSerie(1, QStringLiteral("Juventus"));
        g.impostaEtichettaSerie(2, QStringLiteral("Milan"));
        g.impostaLegenda(true);
        righePerGiornata(g, valori.size());
        for (int r = 1; r <= valori.size(); ++r) {
            g.impostaValore(r, 1, valori[r - 1]);
            g.impostaValore(r, 2, 1.5);
        }
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.aggiorna();
        QCoreApplication::processEvents();  // the legend lays its markers out

        QList<QList<int>> disegnati;
        for (QAbstractSeries* s : g.chart()->series()) {
            auto* linea = qobject_cast<QLineSeries*>(s);
            QVERIFY(linea);
            if (linea->name() != QLatin1String("Juventus") || linea->count() == 0) continue;
            QList<int> righe;
            for (const QPointF& p : linea->points()) {
                righe.append(int(p.x()));
                QCOMPARE(p.y(), *valori[int(p.x())]);
            }
            disegnati.append(righe);
        }
        QCOMPARE(disegnati, tratti);

        // One legend entry per series, however many pieces its line is in.
        QStringList legenda;
        for (QLegendMarker* m : g.chart()->legend()->markers())
            if (m->isVisible()) legenda.append(m->label());
        QCOMPARE(legenda, (QStringList{"Juventus", "Milan"}));
        QVERIFY(g.chart()->legend()->isVisible());
    }

    void barreAssentiDoveMancaIlValore()
    {
        Grafico g;
        g.impostaSerie(2);
        g.impostaRighe(4);
        g.impostaValore(1, 1, 3);
        g.impostaValore(2, 1, -4);  // a club with more penalty points than points
        g.impostaValore(4, 2, 2.5);
        g.aggiorna();

        QCOMPARE(g.chart()->series().size(), 1);
        auto* serie = qobject_cast<QBarSeries*>(g.chart()->series()[0]);
        QVERIFY(serie && serie->count() == 2);
        QList<qreal> altezze;
        for (QBarSet* b : serie->barSets())
            for (int i = 0; i < b->count(); ++i) altezze << b->at(i);
        QCOMPARE(altezze, (QList<qreal>{3, -4, 0, 0, 0, 0, 0, 2.5}));
        QVERIFY(asseValori(g)->min() <= -4 && !g.chart()->legend()->isVisible());  // no legend unless asked
    }

    void scalaDeiValori()
    {
        Grafico g;
        righePerGiornata(g, 38);
        for (int r = 1; r <= 20; ++r) g.impostaValore(r, 1, 5.5 + (r % 3));

        // Ratings: fixed from 0 to 10, a division per half point.
        g.impostaScalaFissa(0, 10, 20);
        g.aggiorna();
        QValueAxis* asse = asseValori(g);
        QVERIFY(asse->min() == 0 && asse->max() == 10 && asse->tickCount() == 21 && !g.scalaAutomatica());

        // An invalid scale is refused and the axis stays.
        g.impostaScalaFissa(10, 0, 5);
        g.aggiorna();
        QCOMPARE(asseValori(g)->max(), 10.0);

        // Automatic: takes in 0 and the largest value; whole counts get whole steps.
        g.impostaScalaAutomatica();
        g.svuotaValori();
        for (int r = 1; r <= 10; ++r) g.impostaValore(r, 1, r % 4);
        g.aggiorna();
        asse = asseValori(g);
        QVERIFY(asse->min() == 0 && asse->max() >= 3);
        const double passo = (asse->max() - asse->min()) / (asse->tickCount() - 1);
        QCOMPARE(passo, std::round(passo));

        g.impostaValore(11, 1, 114);
        g.impostaValore(12, 1, -3);
        g.aggiorna();
        QVERIFY(asseValori(g)->max() >= 114 && asseValori(g)->min() <= -3);
    }

    void torta()
    {
        Grafico g;
        g.impostaTipo(Grafico::Tipo::Torta);
        g.impostaSerie(3);
        g.impostaRighe(1);
        g.impostaEtichettaRiga(1, QString());
        const QStringList nomi{"Presenze ok: 20", "Ammonizioni: 5", "Espulsioni: 0"};
        for (int s = 1; s <= 3; ++s) g.impostaEtichettaSerie(s, nomi[s - 1]);
        g.impostaValore(1, 1, 20);
        g.impostaValore(1, 2, 5);
        g.aggiorna();

        auto* torta = qobject_cast<QPieSeries*>(g.chart()->series().value(0));
        QVERIFY(torta && g.chart()->series().size() == 1);
        QStringList etichette;
        QList<double> valori;
        for (QPieSlice* f : torta->slices()) {
            etichette.append(f->label());
            valori.append(f->value());
        }
        QCOMPARE(etichette, nomi);
        QCOMPARE(valori, (QList<double>{20, 5, 0}));
        for (QAbstractAxis* a : g.chart()->axes()) QVERIFY(!a->isVisible());

        // Back to bars: the axes return.
        g.impostaTipo(Grafico::Tipo::Barre);
        g.aggiorna();
        QVERIFY(asseValori(g)->isVisible());
        QCOMPARE(etichetteAsse(g), QStringList{QString()});
    }

    void tabellaConservataFraDisegni()
    {
        // A window writes only the points it reaches: what it does not write stays.
        Grafico g;
        g.impostaSerie(2);
        righePerGiornata(g, 6);
        for (int r = 1; r <= 6; ++r) g.impostaValore(r, 1, r);
        g.impostaValore(2, 2, 9);
        g.impostaEtichettaSerie(2, QStringLiteral("Milan"));

        g.impostaRighe(4);
        QCOMPARE(g.valore(4, 1), std::optional<double>(4));
        QCOMPARE(g.valore(5, 1), std::nullopt);
        g.impostaRighe(6);
        QCOMPARE(g.valore(5, 1), std::nullopt);
        QVERIFY(g.etichettaRiga(5) == "R5" && g.etichettaRiga(3) == "3");

        g.impostaSerie(1);
        g.impostaSerie(3);
        QVERIFY(g.valore(2, 2) == std::nullopt && g.etichettaSerie(2) == "C2");
        QCOMPARE(g.valore(2, 1), std::optional<double>(2));

        // Outside the table: nothing is written and nothing is read.
        g.impostaValore(7, 1, 1);
        g.impostaValore(1, 4, 1);
        QVERIFY(g.valore(7, 1) == std::nullopt && g.righe() == 6 && g.serie() == 3);
    }

    void ridisegnoSenzaResti_data()
    {
        QTest::addColumn<Grafico::Tipo>("prima");
        QTest::addColumn<Grafico::Tipo>("dopo");
        QTest::newRow("linee, altri valori") << Grafico::Tipo::Linee << Grafico::Tipo::Linee;
        QTest::newRow("barre, poi linee") << Grafico::Tipo::Barre << Grafico::Tipo::Linee;
    }

    void ridisegnoSenzaResti()
    {
        // A chart drawn again shows on screen exactly what a chart drawn afresh shows, nothing of the previous
        // drawing left behind; a chart given its drawing while out of sight draws it when it shows.
        QFETCH(Grafico::Tipo, prima);
        QFETCH(Grafico::Tipo, dopo);
        Grafico ridisegnato;
        Grafico nuovo;
        giornate(ridisegnato, prima, 38);
        giornate(nuovo, dopo, 6, 2);
        QCoreApplication::processEvents();
        for (Grafico* g : {&ridisegnato, &nuovo}) {
            g->resize(700, 420);
            g->show();
            QVERIFY(QTest::qWaitForWindowExposed(g));
        }
        sulloSchermo(ridisegnato);
        giornate(ridisegnato, dopo, 6, 2);
        ridisegnato.aggiorna();
        QCOMPARE(sulloSchermo(ridisegnato), sulloSchermo(nuovo));
    }

    void tacchePariComeQuelleDellAsse_data()
    {
        QTest::addColumn<Grafico::Tipo>("tipo");
        QTest::addColumn<int>("righe");
        QTest::addColumn<QSize>("dimensione");
        QTest::addColumn<int>("angolo");  // of the row labels
        QTest::newRow("38 giornate, barre") << Grafico::Tipo::Barre << 38 << QSize(700, 420) << 0;
        QTest::newRow("38 giornate, linee, etichette verticali")
            << Grafico::Tipo::Linee << 38 << QSize(360, 300) << -90;
    }

    void tacchePariComeQuelleDellAsse()
    {
        // A row without a label keeps its tick, just as the axis draws the tick of a labelled row: unlabelled even
        // rows look exactly like even rows labelled with an invisible character.
        QFETCH(Grafico::Tipo, tipo);
        QFETCH(int, righe);
        QFETCH(QSize, dimensione);
        QFETCH(int, angolo);
        QImage immagini[2];
        for (const bool invisibili : {false, true}) {
            Grafico g;
            giornate(g, tipo, righe, 1, invisibili);
            g.resize(dimensione);
            g.show();
            QVERIFY(QTest::qWaitForWindowExposed(&g));
            immagini[invisibili] = sulloSchermo(g);
            QCOMPARE(g.chart()->axes(Qt::Horizontal).value(0)->labelsAngle(), angolo);
        }
        QCOMPARE(immagini[false], immagini[true]);
    }

    void copiaNegliAppunti()
    {
        Grafico g;
        g.impostaSerie(2);
        g.impostaEtichettaSerie(1, QStringLiteral("Juventus"));
        g.impostaEtichettaSerie(2, QStringLiteral("Mi\tlan"));  // a tab would break the table up
        righePerGiornata(g, 4);
        g.impostaValore(1, 1, 6.5);
        g.impostaValore(2, 1, 7);
        g.impostaValore(1, 2, 1234);
        g.impostaValore(3, 2, -2);
        g.impostaTitolo(QStringLiteral("Voti"));

        g.copia();
        const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
        QVERIFY(dati && dati->hasImage());
        const QImage immagine = qvariant_cast<QImage>(dati->imageData());
        QVERIFY(immagine.width() >= 300 && immagine.height() >= 200);
        QCOMPARE(dati->text(), QStringLiteral("\tJuventus\tMi lan\n"
                                              "1\t6,5\t1234\n"
                                              "\t7\t\n"
                                              "3\t\t-2\n"
                                              "\t\t\n"));
    }
};

QTEST_MAIN(TestGrafico)
#include "tst_grafico.moc"
