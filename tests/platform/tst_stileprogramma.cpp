#include "platform/stileprogramma.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// The threads of this process; the raster engine's pool adds its own the first time it shares a fill.
int threadDelProcesso()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

// A main window with what the program's windows hold: a tool bar, tabs, group boxes around a grid with its scroll
// bars (a child that paints itself, leaving a hole in the box's clip) and around a line, all taller or wider than a
// fill the engine keeps on the window's thread.
struct Finestra {
    QMainWindow w;
    Finestra()
    {
        w.resize(900, 700);
        QToolBar* barra = w.addToolBar(QStringLiteral("Barra"));
        barra->addAction(QStringLiteral("Apri"));
        auto* schede = new QTabWidget;
        auto* pagina = new QWidget;
        auto* colonna = new QVBoxLayout(pagina);
        auto* riquadro = new QGroupBox;
        auto* interno = new QVBoxLayout(riquadro);
        auto* griglia = new QTableWidget(40, 4);
        // Headings are drawn by the base style on a picture of its own, kept for the next paint: narrow here.
        griglia->horizontalHeader()->setDefaultSectionSize(80);
        interno->addWidget(griglia);
        auto* titolato = new QGroupBox(QStringLiteral("Dati della squadra"));
        (new QVBoxLayout(titolato))->addWidget(new QLineEdit(QStringLiteral("Nome della squadra")));
        colonna->addWidget(riquadro, 3);
        colonna->addWidget(titolato, 1);
        schede->addTab(pagina, QStringLiteral("Prima"));
        schede->addTab(new QWidget, QStringLiteral("Seconda"));
        w.setCentralWidget(schede);
    }
    // What the screen shows once every paint is done.
    QImage schermo()
    {
        w.show();
        w.update();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        return w.screen()->grabWindow(w.winId()).toImage();
    }
};

}  // namespace

class TestStileProgramma : public QObject {
    Q_OBJECT
private slots:
    // The program's style paints the frames, boxes and bars pixel for pixel as its base style, without handing a
    // fill to the raster engine's threads, which the base style does on the same window.
    void stessiPixelSenzaThread()
    {
        StileProgramma::installa();
        auto* stile = qobject_cast<StileProgramma*>(QApplication::style());
        QVERIFY(stile);
        StileProgramma::installa();
        QCOMPARE(QApplication::style(), stile);

        Finestra f;
        const int prima = threadDelProcesso();
        const QImage nostro = f.schermo();
        QCOMPARE(threadDelProcesso(), prima);

        QApplication::setStyle(QStyleFactory::create(stile->baseStyle()->name()));
        const QImage base = f.schermo();
        QVERIFY2(threadDelProcesso() > prima, "la finestra di prova non usa i thread del motore di disegno");
        QCOMPARE(nostro.size(), base.size());
        QVERIFY(nostro == base);
    }

    // The wheel over a drop-down on a page the program has disabled scrolls the window around it: a disabled control
    // handles no event, and hands it on as it found it. The choice stays.
    void rotellinaSuPaginaDisattivata()
    {
        StileProgramma::installa();
        QScrollArea area;
        area.resize(300, 200);
        auto* contenuto = new QWidget;
        auto* colonna = new QVBoxLayout(contenuto);
        auto* pagina = new QWidget;
        auto* lista = new QComboBox(pagina);
        lista->addItems({QStringLiteral("Ancona"), QStringLiteral("Bari")});
        pagina->setEnabled(false);
        colonna->addWidget(pagina);
        colonna->addSpacing(1000);
        area.setWidget(contenuto);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const QPoint centro = lista->rect().center();
        QWheelEvent e(centro, lista->mapToGlobal(centro), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(lista, &e);
        QVERIFY(area.verticalScrollBar()->value() > 0);
        QCOMPARE(lista->currentIndex(), 0);
    }
};

QTEST_MAIN(TestStileProgramma)
#include "tst_stileprogramma.moc"
