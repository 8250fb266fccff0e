#include "core/evidenzia.h"
#include "core/stato.h"
#include "platform/evidenziatore.h"
#include "platform/finestre.h"
#include "platform/pannello.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QTest>

namespace {

// A window with a strip of panels: each id given gets a panel "P<id>".
class FinestraConPannelli : public Finestra {
public:
    FinestraConPannelli(const QString& id, const QList<int>& ids) : Finestra(id)
    {
        auto* riga = new QHBoxLayout(this);
        for (int n : ids) {
            auto* p = new Pannello(QIcon(), QStringLiteral("Comando %1").arg(n), n, this);
            p->setObjectName(QStringLiteral("P%1").arg(n));
            riga->addWidget(p);
        }
        didascalia = new QLabel(QStringLiteral("Didascalia"), this);
        riga->addWidget(didascalia);
        riga->addStretch();
    }
    Pannello* pannello(int id) const { return findChild<Pannello*>(QStringLiteral("P%1").arg(id)); }
    QLabel* didascalia;
};

QList<int> accesi(const QWidget* w)
{
    QList<int> ids;
    for (const Pannello* p : w->findChildren<Pannello*>())
        if (p->acceso()) ids << p->idEvidenzia();
    return ids;
}

}  // namespace

class TestEvidenzia : public QObject {
    Q_OBJECT
private:
    FinestraConPannelli* finestra_ = nullptr;

private slots:
    void init()
    {
        AzzeraStato();
        stato().IdEvidenziato = -1;
        // Main window, Form3, Form5, Form2 second look and Form2 Button ranges; 35 lies in a gap.
        finestra_ = new FinestraConPannelli("Prova", {140, 141, 40, 41, 50, 22, 1031, 35});
        finestra_->resize(900, 60);
        finestra_->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra_));
    }

    void cleanup()
    {
        delete finestra_;
        finestra_ = nullptr;
        Evidenziatore::disinstalla();
    }

    void sequenze_data()
    {
        QTest::addColumn<QList<int>>("chiamate");
        QTest::addColumn<int>("idFinale");
        QTest::addColumn<QList<int>>("accesiAttesi");
        QTest::newRow("un pannello") << QList<int>{41} << 41 << QList<int>{41};
        QTest::newRow("da una finestra a un'altra") << QList<int>{41, 50} << 50 << QList<int>{50};
        QTest::newRow("sullo sfondo") << QList<int>{141, -1} << -1 << QList<int>{};
        QTest::newRow("id in un buco") << QList<int>{41, 35} << 35 << QList<int>{};
        QTest::newRow("seconda veste") << QList<int>{22} << 22 << QList<int>{22};
        QTest::newRow("pulsanti di Form2") << QList<int>{22, 1031} << 1031 << QList<int>{1031};
        QTest::newRow("id senza pannello") << QList<int>{40, 45} << 45 << QList<int>{};
        QTest::newRow("fuori da ogni intervallo") << QList<int>{2000} << 2000 << QList<int>{};
    }
    void sequenze()
    {
        QFETCH(QList<int>, chiamate);
        QFETCH(int, idFinale);
        QFETCH(QList<int>, accesiAttesi);
        for (int id : chiamate) Evidenzia(id);
        QCOMPARE(stato().IdEvidenziato, idFinale);
        QList<int> ids = accesi(finestra_);
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids, accesiAttesi);
    }

    // The same id again touches nothing; the second look shows the panel's picture while lit.
    void stessoIdEFigura()
    {
        auto* figura = new QLabel(QStringLiteral("figura"), finestra_);
        finestra_->pannello(22)->impostaCompagno(figura);
        Evidenzia(22);
        QVERIFY(figura->isVisible());
        finestra_->pannello(22)->impostaAcceso(false);  // a look the routine must not touch again
        Evidenzia(22);
        QVERIFY(!finestra_->pannello(22)->acceso());
        Evidenzia(41);
        QVERIFY(figura->isHidden());
    }

    void pannelloDiFinestraChiusaMaiToccato()
    {
        Finestre::istanza().registra("Form3", [] { return new FinestraConPannelli("Form3", {42, 43}); });
        auto* form3 = static_cast<FinestraConPannelli*>(Finestre::istanza().mostra("Form3"));
        Evidenzia(42);
        QVERIFY(form3->pannello(42)->acceso());
        const QPointer<QWidget> guardia(form3);
        Finestre::istanza().scarica("Form3");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guardia);

        QCOMPARE(stato().IdEvidenziato, 42);  // closing a window leaves the id as it was
        QVERIFY(!Pannello::perId(42));
        Evidenzia(41);
        QVERIFY(!Finestre::istanza().caricata("Form3"));
        QCOMPARE(accesi(finestra_), QList<int>{41});

        // Loaded again, its panels are found anew.
        form3 = static_cast<FinestraConPannelli*>(Finestre::istanza().mostra("Form3"));
        Evidenzia(43);
        QVERIFY(form3->pannello(43)->acceso());
        Finestre::istanza().azzera();
    }

    void ilMouseAccendeESpegne()
    {
        QList<int> chiamate;
        Evidenziatore::installa([&chiamate](int id) {
            chiamate << id;
            Evidenzia(id);
        });
        Pannello* p41 = finestra_->pannello(41);
        p41->impostaIcona(QIcon(QPixmap(24, 24)));
        Evidenziatore::assegnaId(finestra_->didascalia, 40);  // a caption that lights panel 40

        // Across the picture and the caption of one panel: lit once, never switched off between.
        for (int x = 4; x < p41->width() - 4; x += 7) QTest::mouseMove(p41, QPoint(x, p41->height() / 2));
        QVERIFY(p41->acceso());
        QVERIFY(!chiamate.isEmpty());
        QVERIFY(std::all_of(chiamate.cbegin(), chiamate.cend(), [](int id) { return id == 41; }));

        QTest::mouseMove(finestra_->didascalia, QPoint(3, 3));
        QCOMPARE(stato().IdEvidenziato, 40);
        QCOMPARE(accesi(finestra_), QList<int>{40});

        QTest::mouseMove(finestra_, QPoint(finestra_->width() - 3, finestra_->height() - 3));
        QCOMPARE(stato().IdEvidenziato, -1);
        QVERIFY(accesi(finestra_).isEmpty());

        // A disabled panel does not light.
        finestra_->pannello(50)->setEnabled(false);
        QTest::mouseMove(finestra_->pannello(50), QPoint(5, 5));
        QCOMPARE(stato().IdEvidenziato, -1);
    }

    void idEvidenziabili()
    {
        for (int id : {0, 19, 20, 29, 40, 49, 89, 139, 140, 159, 1030, 1049})
            QVERIFY2(IdEvidenziabile(id), qPrintable(QString::number(id)));
        for (int id : {-1, 30, 39, 160, 1029, 1050}) QVERIFY2(!IdEvidenziabile(id), qPrintable(QString::number(id)));
    }
};

QTEST_MAIN(TestEvidenzia)
#include "tst_evidenzia.moc"
