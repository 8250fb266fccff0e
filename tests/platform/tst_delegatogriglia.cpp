#include "platform/delegatogriglia.h"
#include "platform/modellogriglia.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTest>

namespace {

constexpr int ALTEZZA = 22;

// A cell of `larghezza` px drawn by the grid's delegate.
QImage cella(const QString& testo, bool grassetto, Qt::Alignment allineamento, int larghezza)
{
    QStandardItemModel modello(1, 1);
    const QModelIndex i = modello.index(0, 0);
    modello.setData(i, testo, Qt::DisplayRole);
    modello.setData(i, grassetto, ModelloGriglia::RuoloGrassetto);
    modello.setData(i, int(allineamento), Qt::TextAlignmentRole);
    QImage img(larghezza, ALTEZZA, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QStyleOptionViewItem o;
    o.rect = img.rect();
    o.font = QApplication::font();
    o.palette = QApplication::palette();
    QPainter p(&img);
    DelegatoGriglia().paint(&p, o, i);
    return img;
}

// The same cell as the grid has always drawn it: the text cut by elidedText on the width it has, whatever it is.
QImage cellaAttesa(const QString& testo, bool grassetto, Qt::Alignment allineamento, int larghezza)
{
    QFont f = QApplication::font();
    f.setBold(grassetto);
    QImage img(larghezza, ALTEZZA, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(f);
    p.setPen(QApplication::palette().color(QPalette::Text));
    const QRect area = img.rect().adjusted(DelegatoGriglia::Margine, 0, -DelegatoGriglia::Margine, 0);
    p.drawText(area, int(allineamento | Qt::AlignVCenter) | Qt::TextSingleLine,
               QFontMetrics(f).elidedText(testo, Qt::ElideRight, area.width()));
    return img;
}

}  // namespace

// A grid cell is cut with an ellipsis exactly when its text does not fit, however often the text was drawn.
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
    const QString nome = QStringLiteral("Pierluigi Bartolomeo Castellani");
    const int destra = int(Qt::AlignRight), sinistra = int(Qt::AlignLeft), centro = int(Qt::AlignHCenter);
    QTest::newRow("ampia") << nome << false << sinistra << 40;
    QTest::newRow("giusta") << nome << false << sinistra << 0;
    QTest::newRow("un pixel in meno") << nome << false << sinistra << -1;
    QTest::newRow("stretta") << nome << false << destra << -120;
    QTest::newRow("grassetto giusta") << nome << true << centro << 0;
    QTest::newRow("grassetto un pixel in meno") << nome << true << centro << -1;
    QTest::newRow("cifre") << QStringLiteral("38") << false << centro << -3;
}

void TestDelegatoGriglia::taglio()
{
    QFETCH(QString, testo);
    QFETCH(bool, grassetto);
    QFETCH(int, allineamento);
    QFETCH(int, scarto);
    QFont f = QApplication::font();
    f.setBold(grassetto);
    const int serve = qCeil(QFontMetricsF(f).horizontalAdvance(testo));
    const int larghezza = serve + scarto + 2 * DelegatoGriglia::Margine;
    const auto a = Qt::Alignment(allineamento);
    // Twice: the second time the width comes from what was kept.
    for (int volta = 0; volta < 2; ++volta)
        QCOMPARE(cella(testo, grassetto, a, larghezza), cellaAttesa(testo, grassetto, a, larghezza));
    QCOMPARE(DelegatoGriglia::larghezzaTesto(f, testo), QFontMetricsF(f).horizontalAdvance(testo));
}

QTEST_MAIN(TestDelegatoGriglia)
#include "tst_delegatogriglia.moc"
