#include "platform/delegatogriglia.h"
#include "platform/modellogriglia.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>
#include <QToolTip>

namespace {

constexpr int ALTEZZA = 22;
constexpr int SPOSTAMENTO = 7;  // the cell drawn away from the picture's corner, as in a grid

// A cell of `larghezza` x `altezza` px drawn by the grid's delegate.
QImage cella(const QString& testo, bool grassetto, Qt::Alignment allineamento, int larghezza, int altezza = ALTEZZA)
{
    QStandardItemModel modello(1, 1);
    const QModelIndex i = modello.index(0, 0);
    modello.setData(i, testo, Qt::DisplayRole);
    modello.setData(i, grassetto, ModelloGriglia::RuoloGrassetto);
    modello.setData(i, int(allineamento), Qt::TextAlignmentRole);
    QImage img(larghezza + 2 * SPOSTAMENTO, altezza + 2 * SPOSTAMENTO, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QStyleOptionViewItem o;
    o.rect = QRect(SPOSTAMENTO, SPOSTAMENTO, larghezza, altezza);
    o.font = QApplication::font();
    o.palette = QApplication::palette();
    QPainter p(&img);
    p.setLayoutDirection(Qt::LeftToRight);  // as a painter on a grid's view has it
    DelegatoGriglia().paint(&p, o, i);
    return img;
}

// The same cell as the grid has always drawn it: the text cut by elidedText on the width it has, whatever it is.
QImage cellaAttesa(const QString& testo, bool grassetto, Qt::Alignment allineamento, int larghezza,
                   int altezza = ALTEZZA)
{
    QFont f = QApplication::font();
    f.setBold(grassetto);
    QImage img(larghezza + 2 * SPOSTAMENTO, altezza + 2 * SPOSTAMENTO, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setLayoutDirection(Qt::LeftToRight);
    p.setFont(f);
    p.setPen(QApplication::palette().color(QPalette::Text));
    const QRect cella(SPOSTAMENTO, SPOSTAMENTO, larghezza, altezza);
    p.setClipRect(cella);
    const QRect area = cella.adjusted(DelegatoGriglia::Margine, 0, -DelegatoGriglia::Margine, 0);
    p.drawText(area, int(allineamento | Qt::AlignVCenter) | Qt::TextSingleLine,
               QFontMetrics(f).elidedText(testo, Qt::ElideRight, area.width()));
    return img;
}

}  // namespace

// A grid cell is drawn as drawText draws it, cut with an ellipsis exactly when its text does not fit, however
// often the text was drawn.
class TestDelegatoGriglia : public QObject {
    Q_OBJECT

private slots:
    void taglio_data();
    void taglio();
};

void TestDelegatoGriglia::taglio_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("grassetto");
    QTest::addColumn<int>("allineamento");
    QTest::addColumn<int>("scarto");  // px of the cell's text area beyond (or short of) the text's width
    QTest::addColumn<int>("altezza");
    const QString nome = QStringLiteral("Pierluigi Bartolomeo Castellani");
    const int destra = int(Qt::AlignRight), sinistra = int(Qt::AlignLeft), centro = int(Qt::AlignHCenter);
    QTest::newRow("ampia") << nome << false << sinistra << 40 << ALTEZZA;
    QTest::newRow("giusta") << nome << false << sinistra << 0 << ALTEZZA;
    QTest::newRow("un pixel in meno") << nome << false << sinistra << -1 << ALTEZZA;
    QTest::newRow("stretta") << nome << false << destra << -120 << ALTEZZA;
    QTest::newRow("grassetto giusta") << nome << true << centro << 0 << ALTEZZA;
    QTest::newRow("grassetto un pixel in meno") << nome << true << centro << -1 << ALTEZZA;
    QTest::newRow("cifre") << QStringLiteral("38") << false << centro << -3 << ALTEZZA;
    // Placed as drawText places it: every alignment, odd room left over, rows taller and shorter than the text.
    QTest::newRow("cifre a destra") << QStringLiteral("105") << false << destra << 9 << ALTEZZA;
    QTest::newRow("centro, avanzo dispari") << QStringLiteral("Città di Castello") << false << centro << 7 << 23;
    QTest::newRow("grassetto a destra") << QStringLiteral("S.V.") << true << destra << 5 << 31;
    QTest::newRow("riga bassa") << nome << false << sinistra << 10 << 9;
    QTest::newRow("riga bassa al centro") << QStringLiteral("6,5") << true << centro << 4 << 12;
    QTest::newRow("spazi attorno") << QStringLiteral("  12  ") << false << destra << 6 << ALTEZZA;
    QTest::newRow("spazi al centro") << QStringLiteral(" - ") << false << centro << 3 << ALTEZZA;
    // Texts that drawText changes before laying them out.
    QTest::newRow("a capo") << QStringLiteral("Andata\nRitorno") << false << sinistra << 20 << ALTEZZA;
    QTest::newRow("tabulazione") << QStringLiteral("1\t2") << false << destra << 20 << ALTEZZA;
}

void TestDelegatoGriglia::taglio()
{
    QFETCH(QString, testo);
    QFETCH(bool, grassetto);
    QFETCH(int, allineamento);
    QFETCH(int, scarto);
    QFETCH(int, altezza);
    QFont f = QApplication::font();
    f.setBold(grassetto);
    const int serve = qCeil(QFontMetricsF(f).horizontalAdvance(testo));
    const int larghezza = serve + scarto + 2 * DelegatoGriglia::Margine;
    const auto a = Qt::Alignment(allineamento);
    // Twice: the second time the width comes from what was kept.
    for (int volta = 0; volta < 2; ++volta)
        QCOMPARE(cella(testo, grassetto, a, larghezza, altezza), cellaAttesa(testo, grassetto, a, larghezza, altezza));
    QCOMPARE(DelegatoGriglia::larghezzaTesto(f, testo), QFontMetricsF(f).horizontalAdvance(testo));

    // A cut text is shown whole in the cell's tooltip, and only a cut one.
    QStandardItemModel modello(1, 1);
    modello.setData(modello.index(0, 0), testo, Qt::DisplayRole);
    modello.setData(modello.index(0, 0), grassetto, ModelloGriglia::RuoloGrassetto);
    QTableView vista;
    vista.setModel(&modello);
    QStyleOptionViewItem o;
    o.rect = QRect(0, 0, larghezza, altezza);
    o.font = QApplication::font();
    QHelpEvent domanda(QEvent::ToolTip, QPoint(1, 1), vista.viewport()->mapToGlobal(QPoint(1, 1)));
    QCOMPARE(DelegatoGriglia().helpEvent(&domanda, &vista, o, modello.index(0, 0)), scarto < 0);
    QCOMPARE(QToolTip::text().contains(testo.toHtmlEscaped()), scarto < 0);
    QToolTip::hideText();
}

QTEST_MAIN(TestDelegatoGriglia)
#include "tst_delegatogriglia.moc"
