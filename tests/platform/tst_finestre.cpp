#include "platform/finestre.h"
#include "platform/guida.h"
#include "platform/messaggio.h"
#include "support/finestraditest.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

Finestre& registro() { return Finestre::istanza(); }
QStringList& diario() { return FinestraDiTest::diario(); }

void eliminaRinviati() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Presses `pulsante` of the box that will be in front `ritardo` ms from now.
void rispondiAlBox(QMessageBox::StandardButton pulsante, int ritardo = 0)
{
    QTimer::singleShot(ritardo, [pulsante] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            if (QAbstractButton* b = box->button(pulsante)) b->click();
    });
}

// As a screen reader does while a modal box or window is up: its press action reaches `pulsante` past the
// modality. Once the click has come, what is in front is answered: a box with its first button, a test window
// with its own close button.
void premiDuranteIlModale(QAbstractButton* pulsante)
{
    QObject::connect(pulsante, &QAbstractButton::clicked, [] {
        QTimer::singleShot(0, [] {
            QWidget* davanti = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(davanti)) box->buttons().first()->click();
            if (auto* w = qobject_cast<FinestraDiTest*>(davanti)) w->pulsanteChiudi()->click();
        });
    });
    QTimer::singleShot(0, [pulsante] {
        QAccessible::queryAccessibleInterface(pulsante)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
    });
}

// Counts the paint events each widget gets in the first paint pass from its creation on (the pass ends at the
// first event that is not a paint).
class DisegniContati : public QObject {
public:
    DisegniContati() { qApp->installEventFilter(this); }
    ~DisegniContati() override { qApp->removeEventFilter(this); }
    int volte(QObject* o) const { return volte_.value(o); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !finito_)
            ++volte_[o];
        else if (!volte_.isEmpty())
            finito_ = true;
        return false;
    }

private:
    QHash<QObject*, int> volte_;
    bool finito_ = false;
};

// Counts the events of one type that the objects it filters get.
class ContaEventi : public QObject {
public:
    ContaEventi(QEvent::Type tipo, QHash<QObject*, int>* volte) : tipo_(tipo), volte_(volte) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == tipo_) ++(*volte_)[o];
        return false;
    }

private:
    QEvent::Type tipo_;
    QHash<QObject*, int>* volte_;
};

}  // namespace

class TestFinestre : public QObject {
    Q_OBJECT
private:
    QMainWindow* principale_ = nullptr;
    QMdiArea* area_ = nullptr;
    QTemporaryDir cartella_;

    QMdiSubWindow* cornice(const QString& id) const
    {
        Finestra* w = registro().finestra(id);
        return w ? qobject_cast<QMdiSubWindow*>(w->contenitore()) : nullptr;
    }

    // Clicks inside the child, as the user does to bring it to the front.
    void cliccaDentro(const QString& id)
    {
        Finestra* w = registro().finestra(id);
        QVERIFY(w);
        QTest::mouseClick(w->findChild<QLabel*>(), Qt::LeftButton);
    }

    QString scriviGuida()
    {
        const QString percorso = cartella_.filePath(QStringLiteral("golvarno.hlp"));
        QFile f(percorso);
        if (f.open(QIODevice::WriteOnly))
            f.write("<html><body><a name=\"ctx-31\"></a><p>Rosa</p><a name=\"ctx-42\"></a><p>Altro</p></body></html>");
        return percorso;
    }

private slots:
    void init()
    {
        diario().clear();
        principale_ = new QMainWindow;
        area_ = new QMdiArea(principale_);
        principale_->setCentralWidget(area_);
        principale_->resize(900, 650);
        registro().impostaArea(area_);
        principale_->show();
        QVERIFY(QTest::qWaitForWindowActive(principale_));
        for (const char* id : {"Form1", "Form2", "Form3"}) FinestraDiTest::registra(QString::fromLatin1(id));
    }

    void cleanup()
    {
        registro().azzera();
        delete principale_;
        principale_ = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Guida")) w->close();
        eliminaRinviati();
        Guida::imposta(QString());
    }

    void unaSolaIstanzaPerId()
    {
        Finestra* prima = registro().mostra("Form1");
        QVERIFY(prima);
        QCOMPARE(registro().mostra("Form1"), prima);
        QCOMPARE(registro().carica("Form1"), prima);
        QVERIFY(area_->subWindowList().size() == 1 && FinestraDiTest::di("Form1")->caricamenti == 1);
        prima->setWindowTitle("Rosa della squadra: Inter");  // captions set at run time reach the frame
        QCOMPARE(cornice("Form1")->windowTitle(), QString("Rosa della squadra: Inter"));
        FinestraDiTest::registra("Form6", [](FinestraDiTest& w) { w.resize(500, 300); });
        Finestra* w = registro().mostra("Form6");
        QCOMPARE(w->size(), QSize(500, 300));
        QVERIFY(cornice("Form6")->width() > 500);
    }

    void mostrareDiNuovoAttivaSenzaCaricare()
    {
        registro().mostra("Form1");
        registro().mostra("Form2");
        QCOMPARE(diario(), QStringList({"Form1 carica", "Form1 attiva", "Form2 carica", "Form2 attiva"}));
        diario().clear();

        registro().mostra("Form1");
        QCOMPARE(diario(), QStringList({"Form1 attiva"}));
        QCOMPARE(area_->activeSubWindow(), cornice("Form1"));
        // Shown again while already in front: the activation step runs once more (callers set
        // the hand-over variables first and rely on it).
        registro().mostra("Form1");
        QCOMPARE(diario(), QStringList({"Form1 attiva", "Form1 attiva"}));
        QCOMPARE(FinestraDiTest::di("Form1")->caricamenti, 1);
        // Closing one brings the next forward, as the user's doing: no command asked for it. Showing a hidden one
        // activates it.
        diario().clear();
        registro().scarica("Form1");
        QCOMPARE(registro().finestraAttiva(), registro().finestra("Form2"));
        registro().finestra("Form2")->nascondi();
        registro().mostra("Form2");
        QVERIFY(registro().visibile("Form2"));
        QCOMPARE(diario(), QStringList({"Form1 scarica", "Form2 attiva dall'utente", "Form2 attiva"}));
    }

    void interrogareNonCreaLaFinestra()
    {
        QVERIFY(!registro().caricata("Form1") && !registro().visibile("Form1") && !registro().finestra("Form1"));
        QVERIFY(!registro().finestraAttiva() && diario().isEmpty() && area_->subWindowList().isEmpty());

        QVERIFY(registro().carica("Form1") && registro().caricata("Form1") && !registro().visibile("Form1"));
        QCOMPARE(diario(), QStringList({"Form1 carica"}));  // loaded, not activated
    }

    void idSenzaFabbricaNonSiApre()
    {
        QSignalSpy spia(&registro(), &Finestre::registrazioneCambiata);
        QVERIFY(!registro().registrata("Form99") && !registro().mostra("Form99") && !registro().caricata("Form99"));

        FinestraDiTest::registra("Form99");
        QVERIFY(spia.size() == 1 && spia.at(0).at(0).toString() == "Form99");
        QVERIFY(registro().registrata("Form99") && registro().registrate().contains("Form99"));
        QVERIFY(registro().mostra("Form99"));
    }

    void chiusuraDalProprioPulsante()
    {
        registro().mostra("Form1");
        registro().mostra("Form2");
        QPointer<FinestraDiTest> w = FinestraDiTest::di("Form1");
        diario().clear();
        QTest::mouseClick(w->pulsanteChiudi(), Qt::LeftButton);
        // Forgotten at once; the handler that asked went on safely; the object goes later.
        QVERIFY(!registro().caricata("Form1"));
        // The click activates Form1 first; once it is gone the child left in front is activated.
        QCOMPARE(diario(), QStringList({"Form1 attiva dall'utente", "Form1 scarica", "Form2 attiva dall'utente",
                                        "Form1 dopo chiudi"}));
        QVERIFY(w);
        QCOMPARE(w->pulsanteChiudi()->text(), QString("Chiusa"));
        eliminaRinviati();
        QVERIFY(!w);
        QCOMPARE(area_->subWindowList().size(), 1);
    }

    void scaricareEMostrareCaricaDiNuovo()
    {
        // The commands that reload a window with a new mode: unload when visible, then show.
        QPointer<Finestra> vecchia = registro().mostra("Form3");
        diario().clear();
        if (registro().visibile("Form3")) registro().scarica("Form3");
        Finestra* nuova = registro().mostra("Form3");
        QVERIFY(nuova && nuova != vecchia.data());
        QCOMPARE(diario(), QStringList({"Form3 scarica", "Form3 carica", "Form3 attiva"}));
        eliminaRinviati();
        QVERIFY(!vecchia);
        QCOMPARE(area_->subWindowList().size(), 1);
        QCOMPARE(area_->activeSubWindow(), cornice("Form3"));
    }

    void rifiutoEChiusuraDallaCornice()
    {
        registro().mostra("Form1");
        FinestraDiTest* w = FinestraDiTest::di("Form1");
        w->rifiutaScarico = true;
        QSignalSpy scaricate(&registro(), &Finestre::finestraScaricata);

        QVERIFY(!registro().scaricaSubito("Form1"));
        cornice("Form1")->close();  // the close box of the MDI frame takes the same path
        QVERIFY(registro().visibile("Form1"));
        QCOMPARE(w->scaricamenti, 2);
        QVERIFY(scaricate.isEmpty());

        w->rifiutaScarico = false;
        cornice("Form1")->close();
        QVERIFY(!registro().caricata("Form1"));
        QCOMPARE(w->scaricamenti, 3);
        QVERIFY(scaricate.size() == 1 && scaricate.at(0).at(0).toString() == "Form1");
    }

    void chiudiVisibiliLasciaLeNascoste()
    {
        registro().mostra("Form1");
        registro().carica("Form2");
        registro().mostra("Form3");
        registro().finestra("Form3")->nascondi();
        QVERIFY(!registro().visibile("Form3"));
        diario().clear();

        registro().chiudiVisibili();
        QCOMPARE(diario(), QStringList({"Form1 scarica"}));
        QVERIFY(!registro().caricata("Form1") && registro().caricata("Form2") && registro().caricata("Form3"));
    }

    void scaricaTutteSiFermaAlRifiuto()
    {
        registro().mostra("Form1");
        registro().mostra("Form2");
        FinestraDiTest::di("Form2")->rifiutaScarico = true;
        QVERIFY(!registro().scaricaTutte());
        QVERIFY(registro().caricata("Form2"));

        FinestraDiTest::di("Form2")->rifiutaScarico = false;
        QVERIFY(registro().scaricaTutte() && !registro().caricata("Form1") && !registro().caricata("Form2"));
    }

    void chiusuraDuranteIlCaricamento()
    {
        // A window that finds nothing to show closes itself while loading and never appears.
        FinestraDiTest::registra("Form45",
                                 [](FinestraDiTest& w) { w.durante_carica = [](FinestraDiTest& f) { f.chiudi(); }; });
        QVERIFY(!registro().mostra("Form45") && !registro().caricata("Form45"));
        QCOMPARE(diario(), QStringList({"Form45 carica", "Form45 scarica"}));
        QVERIFY(area_->subWindowList().isEmpty());
    }

    void attivazioneSoloAlCambioVero()
    {
        registro().mostra("Form1");
        registro().mostra("Form2");
        diario().clear();

        // A click brings a window forward as the user's doing; a command shows it as its own.
        cliccaDentro("Form1");
        QCOMPARE(area_->activeSubWindow(), cornice("Form1"));
        cliccaDentro("Form1");
        registro().mostra("Form2");
        cliccaDentro("Form1");
        const QStringList attese{"Form1 attiva dall'utente", "Form2 attiva", "Form1 attiva dall'utente"};
        QCOMPARE(diario(), attese);

        // A real message box, and the focus coming back afterwards, is no activation.
        rispondiAlBox(QMessageBox::Ok, 50);
        Messaggio::informa("Prova", "Golvarno");
        principale_->activateWindow();  // the focus comes back to the main window
        QVERIFY(QTest::qWaitForWindowActive(principale_));
        QCoreApplication::processEvents();
        QCOMPARE(diario(), attese);

        // Neither is the round trip of the main window to another top-level window.
        QWidget altra;
        altra.show();
        altra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&altra));
        principale_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(principale_));
        QCOMPARE(diario(), attese);

        cliccaDentro("Form2");
        QCOMPARE(diario(), attese + QStringList({"Form2 attiva dall'utente"}));
    }

    void primoDisegnoSenzaRipetizioni()
    {
        // Opening a child paints its frame, the window and what it holds once each, also over another child
        // (windows with nothing to take the focus, which would ask for its own paint first).
        for (const char* id : {"Form4", "Form5"}) {
            FinestraDiTest::registra(QString::fromLatin1(id), [](FinestraDiTest& w) { w.pulsanteChiudi()->hide(); });
            QCoreApplication::processEvents();
            DisegniContati disegni;
            Finestra* w = registro().mostra(QString::fromLatin1(id));
            QVERIFY(w);
            QTRY_VERIFY(disegni.volte(w) > 0);
            QCOMPARE(disegni.volte(cornice(QString::fromLatin1(id))), 1);
            QCOMPARE(disegni.volte(w), 1);
            QCOMPARE(disegni.volte(w->findChild<QLabel*>()), 1);
        }
    }

    void modaleFinoAllaChiusura()
    {
        // The window closes itself from its own button while the modal showing waits.
        QTimer::singleShot(0, [] {
            auto* w = FinestraDiTest::di("Form2");
            QVERIFY(w && w->isWindow());
            QCOMPARE(registro().mostra("Form2"), w);  // shown again meanwhile: it stays modal
            QVERIFY(w->isWindow());
            QCOMPARE(QApplication::activeModalWidget(), w);
            w->pulsanteChiudi()->click();
        });
        registro().mostraModale("Form2");
        QVERIFY(!registro().caricata("Form2"));
        QCOMPARE(diario(), QStringList({"Form2 carica", "Form2 attiva", "Form2 scarica", "Form2 dopo chiudi"}));
        QVERIFY(area_->subWindowList().isEmpty());
    }

    void modaleNascostaRestaCaricata()
    {
        registro().mostra("Form1");  // first modeless, in the area
        QTimer::singleShot(0, [] { registro().finestra("Form1")->nascondi(); });
        registro().mostraModale("Form1");
        QVERIFY(registro().caricata("Form1") && !registro().visibile("Form1"));
        QVERIFY(area_->subWindowList().isEmpty() || !area_->subWindowList().first()->isVisible());
        QVERIFY(!QApplication::activeModalWidget());

        // Shown modeless again, it goes back into the area.
        registro().mostra("Form1");
        QVERIFY(cornice("Form1"));
        QCOMPARE(registro().finestra("Form1")->windowModality(), Qt::NonModal);
        QCOMPARE(FinestraDiTest::di("Form1")->caricamenti, 1);
    }

    // A window whose fixed controls need more height than the area scrolls as a whole from its opening: its controls
    // go into the scroll area before they are first shown (shown once, not laid out in the frame and moved after), and
    // its first control takes the focus as in any window.
    void finestraCheScorreMostrataUnaVolta()
    {
        const int altezza = area_->viewport()->height() + 200;
        QHash<QObject*, int> mostrati;
        ContaEventi conta(QEvent::Show, &mostrati);
        FinestraDiTest::registra("Form7", [&](FinestraDiTest& w) {
            w.pulsanteChiudi()->setMinimumHeight(altezza);
            w.pulsanteChiudi()->installEventFilter(&conta);
        });
        QVERIFY(registro().mostra("Form7"));
        auto* w = FinestraDiTest::di("Form7");
        QVERIFY(w->findChild<QScrollArea*>(QStringLiteral("ScorrimentoFinestra")));
        QVERIFY(area_->viewport()->rect().contains(cornice("Form7")->geometry()));
        QTRY_COMPARE(QApplication::focusWidget(), w->pulsanteChiudi());
        QCOMPARE(mostrati.value(w->pulsanteChiudi()), 1);
    }

    // However much a window asks for, at its opening or later (a name of any length in its caption or its
    // grid), its frame stays within the area, wholly in sight; a modal window within the screen.
    void finestreEntroLArea()
    {
        const QRect area = area_->viewport()->rect();
        FinestraDiTest::registra("Form7", [](FinestraDiTest& w) { w.resize(5000, 3000); });
        FinestraDiTest::registra("Form8", [](FinestraDiTest& w) { w.setWindowTitle(QString(2000, 'W')); });
        for (const char* id : {"Form7", "Form8", "Form1"}) {
            registro().mostra(QString::fromLatin1(id));
            if (QString(id) == "Form1") cornice(id)->setGeometry(area.width() - 100, 10, 4 * area.width(), 100);
            QVERIFY2(area.contains(cornice(id)->geometry()), id);
        }
        // A long caption asks for no more room than a caption of three long names: the frame cuts the rest.
        QVERIFY(cornice("Form8")->width() < area.width());
        // Restored from maximized after the area shrank (the main window made smaller meanwhile).
        cornice("Form7")->showMaximized();
        principale_->resize(principale_->size() - QSize(200, 150));
        cornice("Form7")->showNormal();
        QVERIFY(area_->viewport()->rect().contains(cornice("Form7")->geometry()));
        // A modal window that grew while hidden, shown again.
        FinestraDiTest::registra("Form9");
        QTimer::singleShot(0, [] { registro().finestra("Form9")->nascondi(); });
        registro().mostraModale("Form9");
        registro().finestra("Form9")->resize(40000, 200);
        // Whether the modal window `id` stands within the screen once shown.
        const auto sulloSchermo = [](const char* id) {
            bool dentro = false;
            QTimer::singleShot(0, [&dentro, id] {
                auto* w = FinestraDiTest::di(id);
                dentro = w->screen()->availableGeometry().contains(w->frameGeometry());
                w->pulsanteChiudi()->click();
            });
            registro().mostraModale(id);
            return dentro;
        };
        QVERIFY(sulloSchermo("Form9"));
        // A modal window laid out around a list far wider than the screen: the list scrolls.
        FinestraDiTest::registra("Form10", [](FinestraDiTest& w) {
            auto* elenco = new QTreeWidget;
            elenco->setMinimumWidth(5000);
            w.layout()->addWidget(elenco);
        });
        QVERIFY(sulloSchermo("Form10"));
    }

    // A window closed while a box or a modal window that its own code opened is up (a screen reader's press reaches
    // its close button): it is gone from the registry at once, and its code goes on safely after the box, whatever
    // it does there; the object goes once that code has returned.
    void chiusuraDuranteUnModale_data()
    {
        QTest::addColumn<int>("caso");
        QTest::newRow("domanda, poi si chiude") << 0;
        QTest::newRow("errore, poi svuota ciò che mostra") << 1;
        QTest::newRow("avviso, poi prosegue") << 2;
        QTest::newRow("finestra modale, poi prosegue") << 3;
    }
    void chiusuraDuranteUnModale()
    {
        QFETCH(int, caso);
        auto* w = qobject_cast<FinestraDiTest*>(registro().mostra("Form1"));
        const QPointer<FinestraDiTest> guardia(w);
        QString dopo;
        QEventLoop ciclo;
        // The window's own code, run from the event loop as a click runs it.
        QTimer::singleShot(0, w, [&] {
            premiDuranteIlModale(w->pulsanteChiudi());
            switch (caso) {
            case 0:
                Messaggio::conferma("Proseguire?", "Golvarno");
                w->chiudi();
                break;
            case 1:
                Messaggio::errore("Impossibile", "Golvarno");
                w->findChild<QLabel*>()->clear();
                break;
            case 2: Messaggio::avvisa("Prima partita", "Golvarno"); break;
            default: registro().mostraModale("Form2");
            }
            dopo = w->pulsanteChiudi()->text();
            ciclo.quit();
        });
        ciclo.exec();
        QCOMPARE(dopo, QString("Chiusa"));
        QVERIFY(!registro().caricata("Form1") && area_->subWindowList().isEmpty());
        QTRY_VERIFY(!guardia);
    }

    void tastoF1ApreLaGuidaAlContesto()
    {
        registro().mostra("Form1")->impostaContestoGuida(31);
        registro().mostra("Form2")->impostaContestoGuida(42);

        Guida::imposta(QString());  // no help file: nothing happens
        QTest::keyClick(registro().finestra("Form2")->findChild<QPushButton*>(), Qt::Key_F1);
        QCOMPARE(Guida::ultimoContesto(), -1);

        Guida::imposta(scriviGuida());
        QTest::keyClick(registro().finestra("Form2")->findChild<QPushButton*>(), Qt::Key_F1);
        QCOMPARE(Guida::ultimoContesto(), 42);
        principale_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(principale_));
        cliccaDentro("Form1");
        QTest::keyClick(principale_, Qt::Key_F1);  // pressed on the main window: the child in front
        QCOMPARE(Guida::ultimoContesto(), 31);
        registro().mostra("Form2");
        registro().apriGuida();  // the help command does what F1 does
        QCOMPARE(Guida::ultimoContesto(), 42);
    }

    void senzaAreaFinestraIndipendente()
    {
        registro().impostaArea(nullptr);
        Finestra* w = registro().mostra("Form1");
        QVERIFY(w && w->isWindow() && w->isVisible() && w->contenitore() == w);
        QCOMPARE(diario(), QStringList({"Form1 carica", "Form1 attiva"}));
        w->close();  // its close box unloads it
        QVERIFY(!registro().caricata("Form1"));
        registro().impostaArea(area_);
    }
};

QTEST_MAIN(TestFinestre)
#include "tst_finestre.moc"
