#include "platform/griglia.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

// What the two views show, row by row, cells joined by "|": the fixed rows first, then the scrolling ones.
QStringList mostrato(const Griglia& g)
{
    QStringList righe;
    for (QAbstractItemModel* m : {g.vistaFissa()->model(), g.vista()->model()})
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList celle;
            for (int c = 0; c < m->columnCount(); ++c) celle.append(m->index(r, c).data().toString());
            righe.append(celle.join(QLatin1Char('|')));
        }
    return righe;
}

// The grid's own contents in the same form.
QStringList contenuto(const Griglia& g)
{
    QStringList righe;
    for (int r = 0; r < g.righe(); ++r) {
        QStringList celle;
        for (int c = 0; c < g.colonne(); ++c) celle.append(g.testo(r, c));
        righe.append(celle.join(QLatin1Char('|')));
    }
    return righe;
}

QPixmap quadrato(const QColor& colore)
{
    QPixmap p(16, 16);
    p.fill(colore);
    return p;
}

// A grid laid out on screen, like a window's.
struct GrigliaMostrata {
    Griglia g;
    GrigliaMostrata(int colonne, int larghezza = 500, int altezza = 240)
    {
        g.impostaColonne(colonne);
        g.resize(larghezza, altezza);
        g.show();
        if (!QTest::qWaitForWindowExposed(&g)) qWarning("griglia non esposta");
    }
};

}  // namespace

class TestGriglia : public QObject {
    Q_OBJECT

private slots:

    void righeFisseRestanoInAlto_data()
    {
        QTest::addColumn<int>("fisse");
        QTest::addColumn<bool>("unisci");
        QTest::newRow("una riga d'intestazione") << 1 << false;
        QTest::newRow("due righe, la prima unita") << 2 << true;
    }

    void righeFisseRestanoInAlto()
    {
        QFETCH(int, fisse);
        QFETCH(bool, unisci);
        GrigliaMostrata m(7);
        Griglia& g = m.g;

        g.impostaRidisegno(false);
        for (int i = 1; i <= 400; ++i) g.aggiungiRiga({QStringLiteral("riga %1").arg(i), QString::number(i)});
        g.aggiungiRiga({"Squadra", "Andata", "Andata", "Andata", "", "Ritorno", "Ritorno"}, 0);
        if (fisse == 2) g.aggiungiRiga({"", "C", "F", "T", "", "C", "F"}, 1);
        g.impostaUnisciRiga0(unisci);
        g.impostaRigheFisse(fisse);
        g.impostaRidisegno(true);

        g.impostaRigaInAlto(g.righe() - 1);
        QTest::qWait(10);
        QVERIFY2(g.rigaInAlto() > 300, qPrintable(QString::number(g.rigaInAlto())));

        // The scrolling view starts after the fixed rows and has been scrolled to its last rows:
        // its top row (maybe partly hidden) is a data row.
        QTableView* vista = g.vista();
        const int primaVisibile = vista->rowAt(0);
        QVERIFY(g.rigaInAlto() - fisse == primaVisibile || g.rigaInAlto() - fisse == primaVisibile + 1);
        QVERIFY(vista->model()->index(primaVisibile, 0).data().toString().startsWith(QLatin1String("riga")));
        QCOMPARE(vista->rowAt(vista->viewport()->height() - 1), vista->model()->rowCount() - 1);

        // The fixed rows are shown above the scrolling rows, whole, whatever the scroll.
        QTableView* fissa = g.vistaFissa();
        QVERIFY(fissa->isVisible());
        QCOMPARE(fissa->model()->rowCount(), fisse);
        const int altoFisse = fissa->mapTo(&g, QPoint(0, 0)).y();
        const int altoScorrevoli = vista->viewport()->mapTo(&g, QPoint(0, 0)).y();
        QCOMPARE(altoFisse + fissa->height(), altoScorrevoli);
        QCOMPARE(fissa->height(), fisse * vista->verticalHeader()->defaultSectionSize());
        for (int r = 0; r < fisse; ++r) {
            const QModelIndex i = fissa->indexAt(QPoint(5, r * fissa->rowHeight(0) + 2));
            QCOMPARE(i.row(), r);
            QCOMPARE(i.data().toString(), g.testo(r, 0));
        }

        // Equal headings of row 0 are one cell when merging, separate cells otherwise.
        QCOMPARE(fissa->columnSpan(0, 1), unisci ? 3 : 1);
        QCOMPARE(fissa->columnSpan(0, 5), unisci ? 2 : 1);
        QCOMPARE(fissa->columnSpan(0, 4), 1);
        if (fisse == 2) QCOMPARE(fissa->columnSpan(1, 1), 1);
    }

    void righeDaCelle_data()
    {
        QTest::addColumn<QList<QStringList>>("righe");
        QTest::addColumn<QList<int>>("indici");
        QTest::addColumn<QStringList>("atteso");

        QTest::newRow("celle mancanti restano vuote")
            << QList<QStringList>{{"a", "b", "c"}, {"d"}, {}, {"", "", "e"}} << QList<int>{-1, -1, -1, -1}
            << QStringList{"a|b|c", "d||", "||", "||e"};
        QTest::newRow("celle in più scartate")
            << QList<QStringList>{{"a", "b", "c", "d", "e"}} << QList<int>{-1} << QStringList{"a|b|c"};
        // A name read from a file may hold tabs: it stays in its own cell and moves no other.
        QTest::newRow("tabulazione dentro una cella")
            << QList<QStringList>{{"7", "Rossi\tMario", "Milan"}, {"\t", "", "\tInter\t"}} << QList<int>{-1, 0}
            << QStringList{"\t||\tInter\t", "7|Rossi\tMario|Milan"};
        QTest::newRow("inserite in testa, in mezzo, in coda")
            << QList<QStringList>{{"1"}, {"3"}, {"0"}, {"2"}, {"4"}} << QList<int>{-1, -1, 0, 2, 4}
            << QStringList{"0||", "1||", "2||", "3||", "4||"};
        QTest::newRow("indice oltre la fine aggiunge in coda")
            << QList<QStringList>{{"1"}, {"2"}} << QList<int>{-1, 9} << QStringList{"1||", "2||"};
    }

    void righeDaCelle()
    {
        QFETCH(QList<QStringList>, righe);
        QFETCH(QList<int>, indici);
        QFETCH(QStringList, atteso);
        Griglia g;
        g.impostaColonne(3);
        for (int i = 0; i < righe.size(); ++i) g.aggiungiRiga(righe[i], indici[i]);
        QCOMPARE(contenuto(g), atteso);
        QCOMPARE(mostrato(g), atteso);
    }

    void vistaSegueOgniModifica_data()
    {
        QTest::addColumn<bool>("ridisegno");
        QTest::addColumn<bool>("visibile");
        QTest::newRow("ridisegno attivo") << true << true;
        QTest::newRow("ridisegno spento") << false << true;
        QTest::newRow("nascosta") << true << false;
    }

    // The windows' own sequences: both views must show exactly the grid's rows after each step,
    // with the models' notifications checked by Qt's model tester.
    void vistaSegueOgniModifica()
    {
        QFETCH(bool, ridisegno);
        QFETCH(bool, visibile);
        GrigliaMostrata m(4);
        Griglia& g = m.g;
        g.setVisible(visibile);
        QAbstractItemModelTester t1(g.vista()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester t2(g.vistaFissa()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

        const QList<std::function<void()>> passi = {
            // a list with a heading inserted at 0 after the fill
            [&] { g.impostaRigheFisse(0); },
            [&] { g.impostaRighe(0); },
            [&] {
                g.aggiungiRiga({"a", "1"});
            },
            [&] {
                g.aggiungiRiga({"b", "2"});
            },
            [&] {
                g.aggiungiRiga({"Nome", "N."}, 0);
            },
            [&] { g.impostaRigheFisse(1); },
            // a row removed inside the scrolling rows, then the fixed one
            [&] { g.rimuoviRiga(2); },
            [&] { g.rimuoviRiga(0); },
            // the table cut back to row 0, rows added, a second heading inserted at 1 under fixed rows
            [&] { g.impostaRighe(1); },
            [&] { g.impostaRigheFisse(2); },
            [&] {
                g.aggiungiRiga({"x", "9"});
            },
            [&] {
                g.aggiungiRiga({"y", "8"});
            },
            [&] {
                g.aggiungiRiga({"", "C"}, 1);
            },
            [&] { g.impostaTesto(0, 1, QStringLiteral("Andata")); },
            [&] { g.impostaTesto(3, 0, QStringLiteral("z")); },
            [&] { g.rimuoviRiga(1); },
            [&] { g.impostaRighe(6); },
            [&] { g.impostaRighe(3); },
            [&] { g.impostaRighe(1); },
            [&] { g.impostaRighe(0); },
            [&] { g.aggiungiRiga({"ultima"}); },
        };
        for (int i = 0; i < passi.size(); ++i) {
            g.impostaRidisegno(ridisegno);
            passi[i]();
            g.impostaRidisegno(true);
            QVERIFY2(mostrato(g) == contenuto(g),
                     qPrintable(QStringLiteral("passo %1: %2 / %3")
                                    .arg(i)
                                    .arg(mostrato(g).join(QLatin1Char(' ')), contenuto(g).join(QLatin1Char(' ')))));
            QCOMPARE(g.vistaFissa()->model()->rowCount(), qMin(g.righeFisse(), g.righe()));
        }
        QCOMPARE(contenuto(g), QStringList{"ultima|||"});
    }

    void aspettoDelleCelle()
    {
        Griglia g;
        g.impostaColonne(3);
        g.impostaRighe(3);
        g.impostaRigheFisse(1);
        const QPixmap vittoria = quadrato(Qt::green);

        g.impostaAllineamento(2, 1, Griglia::Allineamento::Centro);
        g.impostaGrassetto(2, 0, true);
        g.impostaColoreTesto(1, 0, QColor(0, 0, 255));
        g.impostaColoreSfondo(2, 2, QColor(255, 255, 0));
        g.impostaImmagine(1, 1, vittoria);
        g.impostaGrassetto(0, 2, true);

        // What the views draw from.
        QAbstractItemModel* sotto = g.vista()->model();  // rows 1 and 2
        QAbstractItemModel* sopra = g.vistaFissa()->model();
        QCOMPARE(Qt::Alignment(sotto->index(1, 1).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QCOMPARE(sotto->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
        QCOMPARE(sotto->index(1, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
        QVERIFY(!sotto->index(0, 1).data(Qt::DecorationRole).value<QPixmap>().isNull());
        QVERIFY(sopra->index(0, 2).data(Qt::UserRole + 1).toBool());
        QVERIFY(!sotto->index(1, 0).data(Qt::ForegroundRole).isValid() &&
                !sotto->index(1, 1).data(Qt::UserRole + 1).toBool());

        // The look belongs to the cell: a row inserted above carries it down.
        g.aggiungiRiga({"nuova"}, 1);
        QVERIFY(g.grassetto(3, 0));
        QCOMPARE(g.immagine(2, 1).toImage(), vittoria.toImage());
        QVERIFY(g.immagine(1, 1).isNull());

        // A null picture and an invalid colour take them away.
        g.impostaImmagine(2, 1, QPixmap());
        g.impostaColoreSfondo(3, 2, QColor());
        QVERIFY(g.immagine(2, 1).isNull() && !g.coloreSfondo(3, 2).isValid());

        // Out of range: nothing happens and reads are empty.
        g.impostaTesto(9, 0, QStringLiteral("x"));
        g.impostaGrassetto(0, 7, true);
        QVERIFY(g.righe() == 4 && g.testo(9, 0).isEmpty() && !g.grassetto(0, 7));
    }

    void allineamentoGenerale_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<Griglia::Allineamento>("colonna");
        QTest::addColumn<Griglia::Allineamento>("cella");
        QTest::addColumn<int>("atteso");
        using A = Griglia::Allineamento;
        QTest::newRow("testo a sinistra") << "Juventus" << A::Generale << A::Colonna << int(Qt::AlignLeft);
        QTest::newRow("intero a destra") << "12" << A::Generale << A::Colonna << int(Qt::AlignRight);
        QTest::newRow("decimale con virgola a destra") << "1,3333" << A::Generale << A::Colonna << int(Qt::AlignRight);
        QTest::newRow("la cella vince sulla colonna") << "12" << A::Centro << A::Sinistra << int(Qt::AlignLeft);
        QTest::newRow("cella a destra") << "Vittorie " << A::Generale << A::Destra << int(Qt::AlignRight);
    }

    void allineamentoGenerale()
    {
        QFETCH(QString, testo);
        QFETCH(Griglia::Allineamento, colonna);
        QFETCH(Griglia::Allineamento, cella);
        QFETCH(int, atteso);
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        Griglia g;
        g.impostaColonne(1);
        g.aggiungiRiga({testo});
        g.impostaAllineamentoColonna(0, colonna);
        g.impostaAllineamento(0, 0, cella);
        const int a = g.vista()->model()->index(0, 0).data(Qt::TextAlignmentRole).toInt();
        QCOMPARE(a & Qt::AlignHorizontal_Mask, atteso);
        QCOMPARE(a & Qt::AlignVertical_Mask, int(Qt::AlignVCenter));
    }

    void svuotaTogliTestoEAspetto()
    {
        Griglia g;
        g.impostaColonne(2);
        g.aggiungiRiga({"a", "b"});
        g.aggiungiRiga({"c", "d"});
        g.impostaGrassetto(1, 1, true);
        g.impostaImmagine(0, 0, quadrato(Qt::red));
        g.impostaAllineamentoColonna(1, Griglia::Allineamento::Destra);
        g.impostaLarghezzaColonna(1, 1500);

        g.svuota();
        QCOMPARE(g.righe(), 2);
        QCOMPARE(contenuto(g), (QStringList{"|", "|"}));
        QVERIFY(!g.grassetto(1, 1) && g.immagine(0, 0).isNull());
        QVERIFY(g.allineamentoColonna(1) == Griglia::Allineamento::Destra && g.larghezzaColonna(1) == 1500);
    }

    void colonneCambiano()
    {
        Griglia g;
        g.impostaColonne(3);
        g.aggiungiRiga({"Pres.", "Giocatore", "Squadra"});
        g.impostaRigheFisse(1);
        g.aggiungiRiga({"12", "Rossi", "Milan"});
        g.impostaLarghezzaColonna(0, 600);

        g.impostaColonne(4);
        QCOMPARE(mostrato(g), (QStringList{"Pres.|Giocatore|Squadra|", "12|Rossi|Milan|"}));
        QCOMPARE(g.larghezzaColonna(0), 600);
        g.impostaTesto(1, 3, QStringLiteral("7,5"));
        g.impostaColonne(2);
        QCOMPARE(mostrato(g), (QStringList{"Pres.|Giocatore", "12|Rossi"}));
        g.aggiungiRiga({"3", "Bianchi", "Inter"});
        QCOMPARE(contenuto(g).last(), QStringLiteral("3|Bianchi"));
    }

    void larghezzeUgualiNelleDueViste()
    {
        GrigliaMostrata m(3);
        Griglia& g = m.g;
        g.impostaRighe(5);
        g.impostaRigheFisse(1);
        g.impostaLarghezzaColonna(0, 1500);
        g.impostaLarghezzaColonna(1, 0);
        g.impostaLarghezzaColonnaPx(2, 40);

        QVERIFY(g.larghezzaColonna(0) == 1500 && g.larghezzaColonnaPx(2) == 40 && g.larghezzaColonnaPx(1) == 0);
        QVERIFY(g.larghezzaColonnaPx(0) >= 100);  // at least 1 px per 15 twips
        // Sized to its texts: the longest in its font, up to about 32 characters; never narrower than it was.
        QFont grassetto = g.vista()->font();
        grassetto.setBold(true);
        const QFontMetrics fm(grassetto);
        g.adattaColonnaAlTesto(1, {"Rossi", "Bianchi"}, true);
        QVERIFY(g.larghezzaColonnaPx(1) > fm.horizontalAdvance("Bianchi"));
        g.adattaColonnaAlTesto(1, {QString(500, 'W')}, true);
        const int massima = g.larghezzaColonnaPx(1);
        QVERIFY(massima > fm.horizontalAdvance(QString(30, 'n')) && massima < fm.horizontalAdvance(QString(40, 'n')));
        g.adattaColonnaAlTesto(2, {"1"});
        QCOMPARE(g.larghezzaColonnaPx(2), 40);
        // A column of pairings makes room for two names and the separator: an everyday pairing shows whole.
        const QString incontro = "FC Internazionale Milano - Parma Calcio 1913";
        const QFontMetrics normale(g.vista()->font());
        g.adattaColonnaAlTesto(2, {incontro}, false, 2);
        QVERIFY(g.larghezzaColonnaPx(2) > normale.horizontalAdvance(incontro));
        g.adattaColonnaAlTesto(2, {QString(500, 'W')}, false, 2);
        const int coppia = g.larghezzaColonnaPx(2);
        QVERIFY(coppia > normale.horizontalAdvance(QString(64, 'n')) &&
                coppia < normale.horizontalAdvance(QString(74, 'n')));
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(g.vista()->columnWidth(c), g.larghezzaColonnaPx(c));
            QCOMPARE(g.vistaFissa()->columnWidth(c), g.larghezzaColonnaPx(c));
        }
        // Sized to its own texts below the fixed rows, a bold cell in bold.
        g.impostaLarghezzaColonnaPx(2, 10);
        g.impostaTesto(0, 2, QString(20, 'W'));
        g.impostaTesto(1, 2, "81604378586");
        g.impostaTesto(2, 2, "Bianchi");
        g.impostaGrassetto(2, 2, true);
        g.allargaColonneAlTesto(2);
        QVERIFY(g.larghezzaColonnaPx(2) > fm.horizontalAdvance("Bianchi"));
        QVERIFY(g.larghezzaColonnaPx(2) > normale.horizontalAdvance("81604378586"));
        QVERIFY(g.larghezzaColonnaPx(2) < normale.horizontalAdvance(QString(20, 'W')));
        // A refill with the redraw off keeps them (the views are rebuilt then).
        g.impostaRidisegno(false);
        g.impostaRighe(0);
        g.aggiungiRiga({"a"});
        g.aggiungiRiga({"b"});
        g.impostaRidisegno(true);
        for (int c = 0; c < 3; ++c) QCOMPARE(g.vistaFissa()->columnWidth(c), g.vista()->columnWidth(c));
        QCOMPARE(g.vista()->columnWidth(0), g.larghezzaColonnaPx(0));

        // Scrolled sideways, the fixed rows follow the columns below them.
        g.resize(120, 200);
        QTest::qWait(10);
        g.vista()->horizontalScrollBar()->setValue(g.vista()->horizontalScrollBar()->maximum());
        QVERIFY(g.vista()->horizontalScrollBar()->value() > 0);
        QCOMPARE(g.vistaFissa()->columnViewportPosition(2), g.vista()->columnViewportPosition(2));

        // A column that takes the grid's room beyond the others, within its bounds, as the grid is resized.
        const int altre = g.sizeHint().width() - g.larghezzaColonnaPx(1);
        g.impostaColonnaElastica(1, 60, 300);
        for (const auto& [larghezza, attesa] : {std::pair{altre + 150, 150}, {altre + 20, 60}, {altre + 900, 300}}) {
            g.resize(larghezza, 200);
            QCOMPARE(g.larghezzaColonnaPx(1), attesa);
        }
    }

    void cellaCorrente()
    {
        GrigliaMostrata m(3);
        Griglia& g = m.g;
        QSignalSpy scelte(&g, &Griglia::rigaSelezionata);

        g.impostaRidisegno(false);
        for (int i = 0; i < 50; ++i) g.aggiungiRiga({QStringLiteral("r%1").arg(i)});
        g.aggiungiRiga({"Titolo"}, 0);
        g.impostaRigheFisse(1);
        g.impostaRidisegno(true);
        QCOMPARE(g.rigaCorrente(), 0);  // fills leave it alone

        // Setting it selects that row without scrolling the grid.
        g.impostaCellaCorrente(45, 2);
        QVERIFY(g.rigaCorrente() == 45 && g.colonnaCorrente() == 2 && g.rigaInAlto() == 1);
        QCOMPARE(g.vista()->selectionModel()->selectedRows().value(0).row(), 44);

        // Parked on the heading: nothing selected below.
        g.impostaRigaCorrente(0);
        QVERIFY(g.vista()->selectionModel()->selectedRows().isEmpty());

        // Rows cut back: the current row follows the last one; removing leaves the number as it was.
        g.impostaRigaCorrente(40);
        g.impostaRighe(30);
        QCOMPARE(g.rigaCorrente(), 29);
        g.rimuoviRiga(3);
        QCOMPARE(g.rigaCorrente(), 28);
        g.impostaRigaCorrente(10);
        g.rimuoviRiga(3);
        QCOMPARE(g.rigaCorrente(), 10);
        QCOMPARE(g.vista()->selectionModel()->selectedRows().value(0).row(), 9);
        QCOMPARE(g.vista()->selectionModel()->currentIndex().row(), 9);

        // A table grid shows no highlight.
        g.impostaSelezioneRiga(false);
        g.impostaRigaCorrente(5);
        QVERIFY(g.vista()->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(g.rigaCorrente(), 5);

        QCOMPARE(scelte.count(), 0);  // none of it came from the user
    }

    void sceltaDellUtente()
    {
        GrigliaMostrata m(2);
        Griglia& g = m.g;
        for (int i = 0; i < 6; ++i) g.aggiungiRiga({QStringLiteral("r%1").arg(i), QString::number(i)});
        g.impostaRigheFisse(1);
        QSignalSpy scelte(&g, &Griglia::rigaSelezionata);
        QSignalSpy doppi(&g, &Griglia::doppioClic);

        QTableView* vista = g.vista();
        const QPoint riga3 = vista->visualRect(vista->model()->index(2, 1)).center();
        QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, riga3);
        QCOMPARE(g.rigaCorrente(), 3);
        QCOMPARE(g.colonnaCorrente(), 1);
        QCOMPARE(scelte.count(), 1);
        QCOMPARE(scelte.at(0).at(0).toInt(), 3);

        QTest::mouseDClick(vista->viewport(), Qt::LeftButton, {}, riga3);
        QCOMPARE(doppi.count(), 1);
        QCOMPARE(doppi.at(0).at(0).toInt(), 3);

        vista->setFocus();
        QTest::keyClick(vista, Qt::Key_Down);
        QCOMPARE(g.rigaCorrente(), 4);
        QCOMPARE(scelte.last().at(0).toInt(), 4);

        // A double click on the heading or below the last row is nobody's row.
        QTest::mouseDClick(g.vistaFissa()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(vista->viewport(), Qt::LeftButton, {}, QPoint(5, vista->viewport()->height() - 2));
        QCOMPARE(doppi.count(), 1);
        QCOMPARE(g.rigaCorrente(), 4);
    }

    void rigaInAltoNonSeleziona()
    {
        GrigliaMostrata m(2, 300, 150);
        Griglia& g = m.g;
        g.impostaRidisegno(false);
        g.aggiungiRiga({"Giocatore", "Squadra"});
        for (int i = 1; i <= 60; ++i) g.aggiungiRiga({QStringLiteral("g%1").arg(i), "s"});
        g.impostaRigheFisse(1);
        g.impostaRigaInAlto(20);  // asked while the redraw is off: done when it is back on
        g.impostaRidisegno(true);
        QCOMPARE(g.rigaInAlto(), 20);
        QCOMPARE(g.rigaCorrente(), 0);

        g.impostaRigaCorrente(3);
        g.impostaRigaInAlto(35);
        QCOMPARE(g.rigaInAlto(), 35);
        QCOMPARE(g.rigaCorrente(), 3);
        QCOMPARE(g.vista()->rowAt(0), 34);

        g.impostaRigaInAlto(0);  // a fixed row: back to the top
        QCOMPARE(g.rigaInAlto(), 1);
    }

    void intestazioniLeggibili_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QStringList>("nomi");
        QTest::newRow("due righe, la prima unita")
            << "due" << QStringList{"Squadra", "Andata, V", "Andata, P", "", "Ritorno, V"};
        QTest::newRow("riga d'intestazione aggiunta in testa")
            << "aggiunta" << QStringList{"Pos.", "Squadra", "Punti", "", ""};
        QTest::newRow("nessuna riga fissa") << "nessuna" << QStringList{"", "", "", "", ""};
    }

    // Accessibility tools read the fixed rows as the headings of the columns, not as numbers.
    void intestazioniLeggibili()
    {
        QFETCH(QString, caso);
        QFETCH(QStringList, nomi);
        GrigliaMostrata m(5);
        Griglia& g = m.g;
        for (int i = 1; i <= 3; ++i) g.aggiungiRiga({QString::number(i), QStringLiteral("riga %1").arg(i)});
        if (caso == "due") {
            g.impostaRidisegno(false);
            g.aggiungiRiga({"Squadra", "Andata", "Andata", "", "Ritorno"}, 0);
            g.aggiungiRiga({"", "V", "P", "", "V"}, 1);
            g.impostaUnisciRiga0(true);
            g.impostaRigheFisse(2);
            g.impostaRidisegno(true);
        } else if (caso == "aggiunta") {
            g.impostaRigheFisse(1);
            g.aggiungiRiga({"Pos.", "Squadra", "Punti"}, 0);
        }
        const QStringList prima = mostrato(g);

        QAccessibleInterface* tabella = QAccessible::queryAccessibleInterface(g.vista());
        QVERIFY(tabella);
        QStringList letti;
        for (int i = 0; i < tabella->childCount(); ++i) {
            QAccessibleInterface* figlio = tabella->child(i);
            if (figlio->role() == QAccessible::ColumnHeader) letti << figlio->text(QAccessible::Name);
            if (figlio->role() == QAccessible::RowHeader) QCOMPARE(figlio->text(QAccessible::Name), QString());
        }
        QCOMPARE(letti, nomi);
        QCOMPARE(mostrato(g), prima);
    }
};

QTEST_MAIN(TestGriglia)
#include "tst_griglia.moc"
