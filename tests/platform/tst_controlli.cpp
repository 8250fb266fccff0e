#include "core/utilita.h"
#include "platform/albero.h"
#include "platform/combocodici.h"
#include "platform/elencoordinato.h"
#include "platform/pannello.h"
#include "platform/spinner.h"
#include "platform/testoinriga.h"

#include <optional>
#include <QAbstractItemView>
#include <QAccessible>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>

namespace {

struct Limiti {
    std::optional<int> minimo;
    std::optional<int> massimo;
    bool riporta = false;
};

}  // namespace

Q_DECLARE_METATYPE(Limiti)

class TestControlli : public QObject {
    Q_OBJECT
private:
    // A text box with its spinner, as the windows lay them out.
    struct Casella {
        QWidget finestra;
        QLineEdit* testo;
        Spinner* spinner;
        Casella()
        {
            auto* riga = new QHBoxLayout(&finestra);
            testo = new QLineEdit(&finestra);
            spinner = new Spinner(testo, &finestra);
            riga->addWidget(testo);
            riga->addWidget(spinner);
            finestra.show();
        }
        void clicca(int verso)
        {
            QTest::mouseClick(spinner->findChild<QToolButton*>(verso > 0 ? "Su" : "Giu"), Qt::LeftButton);
        }
    };

private slots:
    void testoInRiga_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        // clang-format off
        QTest::newRow("inversione nel nome") << QStringLiteral("Bari\u202Eocsid") << QStringLiteral("\u200E\u2068Bari\u202Eocsid\u2069");
        QTest::newRow("a capo") << "Inter\r\nMilano" << "Inter  Milano";
        QTest::newRow("tabulazione") << "Roma\tFC" << "Roma FC";
        QTest::newRow("altri controlli") << QStringLiteral("A\u0001B\u007FC\u0085D\u009FE\u2028F\u2029") << "A B C D E F ";
        QTest::newRow("lettere da destra") << QStringLiteral("\u05D1\u05D9\u05EA\u05E8 10") << QStringLiteral("\u200E\u2068\u05D1\u05D9\u05EA\u05E8 10\u2069");
        QTest::newRow("fuori dal piano base") << QStringLiteral("\U00010900 \U0001F600") << QStringLiteral("\u200E\u2068\U00010900 \U0001F600\u2069");
        QTest::newRow("chiusura che esce dal nome") << QStringLiteral("A\u2069\u202EB") << QStringLiteral("\u200E\u2068A\u202EB\u2069");
        QTest::newRow("isolato lasciato aperto") << QStringLiteral("\u2067AB") << QStringLiteral("\u200E\u2068\u2067AB\u2069\u2069");
        QTest::newRow("nome pulito") << QStringLiteral("Società Sportiva \U0001F600") << QStringLiteral("Società Sportiva \U0001F600");
        QTest::newRow("vuoto") << "" << "";
        // clang-format on
    }
    void testoInRiga()
    {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        QCOMPARE(TestoInRiga(testo), atteso);
    }

    // A name far longer than a window is laid out for is cut with "…" before it is set apart; a list of such names
    // asks for no more room than one of about 32 characters.
    void nomiTagliati()
    {
        const QFontMetrics fm(QApplication::font());
        bool tagliato = true;
        QCOMPARE(NomeInRiga(fm, "Como\nFC", &tagliato), QString("Como FC"));
        QVERIFY(!tagliato);
        const QString corto = NomeInRiga(fm, QStringLiteral("\u202E") + QString(300, 'm'), &tagliato);
        QVERIFY(tagliato && corto.contains(QChar(0x2026)) && corto.endsWith(QChar(0x2069)));
        QVERIFY(fm.horizontalAdvance(corto) <= LarghezzaMassimaNome(fm));
        ComboCodici combo;
        combo.aggiungi(QString(300, 'm'));
        QVERIFY(combo.sizeHint().width() < LarghezzaMassimaNome(combo.fontMetrics()) + 60);

        // A pairing within its room: each name cut on its own, so that both show; a pairing that fits stays whole.
        const QString lungo(300, 'm'), bari = "Bari";
        const int stanza = fm.horizontalAdvance(QString(40, 'n'));
        const QList<std::tuple<QString, QString, QString>> casi{
            {lungo, bari, "^m+… - Bari$"}, {bari, lungo, "^Bari - m+…$"}, {lungo, lungo, "^m+… - m+…$"}};
        for (const auto& [casa, ospite, atteso] : casi) {
            const QString incontro = IncontroInRiga(fm, casa, ospite, &tagliato, stanza);
            QVERIFY(tagliato && fm.horizontalAdvance(incontro) <= stanza);
            QVERIFY2(incontro.contains(QRegularExpression(atteso)), qPrintable(incontro));
        }
        QCOMPARE(IncontroInRiga(fm, "Bari", "Como\nFC", &tagliato, stanza), QString("Bari - Como FC"));
        QVERIFY(!tagliato);

        // In a list of rows the tooltip of a cut entry holds its whole text; a whole entry has none.
        QTreeWidget elenco;
        ImpostaElencoARighe(&elenco, {"Squadra"});
        elenco.addTopLevelItems({new QTreeWidgetItem({"Bari"}), new QTreeWidgetItem({QString(300, 'm')})});
        elenco.resize(200, 200);
        elenco.show();
        for (int i = 0; i < 2; ++i) {
            const QPoint punto = elenco.visualItemRect(elenco.topLevelItem(i)).center();
            QHelpEvent domanda(QEvent::ToolTip, punto, elenco.viewport()->mapToGlobal(punto));
            QCoreApplication::sendEvent(elenco.viewport(), &domanda);
            QCOMPARE(QToolTip::text(), i == 1 ? QString(300, 'm') : QString());
            QToolTip::hideText();
        }
    }

    // A list shows each name on one line and keeps it as stored: chosen, looked for and read back.
    void comboNomiSuUnaRiga()
    {
        const QString inverso = QStringLiteral("Bari\u202Eocsid"), aCapo = QStringLiteral("Como\nFC");
        for (const bool modificabile : {false, true}) {
            ComboCodici combo;
            combo.setModificabile(modificabile);
            combo.aggiungiTutti({{inverso, 1}});
            combo.aggiungi(aCapo, 2);
            QCOMPARE(combo.view()->model()->index(0, 0).data().toString(),
                     QStringLiteral("\u200E\u2068Bari\u202Eocsid\u2069"));
            QVERIFY(combo.selezionaTesto(QStringLiteral("COMO\nfc")));
            QCOMPARE(combo.currentText(), modificabile ? aCapo : QStringLiteral("Como FC"));
            QCOMPARE(combo.testo(), aCapo);
            QCOMPARE(combo.findText(inverso), 0);
            QVERIFY(combo.impostaTesto(inverso) && combo.testo() == inverso);
        }
    }

    void spinnerInteri_data()
    {
        QTest::addColumn<Limiti>("limiti");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("verso");
        QTest::addColumn<QString>("atteso");
        const Limiti libero;
        QTest::newRow("libero su") << libero << "16" << 1 << "17";
        QTest::newRow("libero lettere giu") << libero << "abc" << -1 << "-1";
        QTest::newRow("libero vuoto su") << libero << "" << 1 << "1";
        QTest::newRow("libero numero e testo") << libero << " 3 squadre" << 1 << "4";
        const Limiti dozzina{0, 12};
        QTest::newRow("0-12 al massimo") << dozzina << "12" << 1 << "12";
        QTest::newRow("0-12 sotto il massimo") << dozzina << "11" << 1 << "12";
        QTest::newRow("0-12 al minimo") << dozzina << "0" << -1 << "0";
        QTest::newRow("0-12 oltre, giu") << dozzina << "15" << -1 << "14";
        const Limiti positivo{0, {}};
        QTest::newRow("sopra 0, negativo resta") << positivo << "-3" << -1 << "-3";
        QTest::newRow("sopra 0, lettere restano") << positivo << "x" << -1 << "x";
        const Limiti riporta{0, {}, true};
        QTest::newRow("riporta a 0 un negativo") << riporta << "-3" << -1 << "0";
        QTest::newRow("riporta: lettere vanno a 0") << riporta << "abc" << -1 << "0";
        const Limiti almenoUno{1, {}};
        QTest::newRow("minimo 1 fermo") << almenoUno << "1" << -1 << "1";
    }
    void spinnerInteri()
    {
        QFETCH(Limiti, limiti);
        QFETCH(QString, testo);
        QFETCH(int, verso);
        QFETCH(QString, atteso);
        Casella c;
        c.spinner->impostaMinimo(limiti.minimo);
        c.spinner->impostaMassimo(limiti.massimo);
        c.spinner->impostaRiportaAlMinimo(limiti.riporta);
        c.testo->setText(testo);
        QSignalSpy clic(c.spinner, &Spinner::cliccato);
        c.clicca(verso);
        QCOMPARE(c.testo->text(), atteso);
        QCOMPARE(clic.size(), 1);  // every click is reported, changed or not
        QCOMPARE(clic.at(0).at(0).toInt(), verso);
    }

    void spinnerVoti_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("senzaVoto");
        QTest::addColumn<int>("verso");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("vuoto giu") << "" << false << -1 << "5";
        QTest::newRow("S.V. su") << "S.V." << true << 1 << "6";
        QTest::newRow("mezzo punto su") << "6,5" << false << 1 << "7";
        QTest::newRow("intero giu") << "5" << false << -1 << "4,5";
        QTest::newRow("punto decimale") << "7.5" << false << -1 << "7";
        QTest::newRow("fermo a 10") << "10" << false << 1 << "10";
        QTest::newRow("verso il 10") << "9,5" << false << 1 << "10";
        QTest::newRow("fermo a 3") << "3" << false << -1 << "3";
        QTest::newRow("fuori griglia") << "4,2" << false << -1 << "3,7";
    }
    void spinnerVoti()
    {
        QFETCH(QString, testo);
        QFETCH(bool, senzaVoto);
        QFETCH(int, verso);
        QFETCH(QString, atteso);
        // The rating box is an editable list whose first item means "no rating".
        QWidget finestra;
        auto* voto = new ComboCodici(&finestra);
        voto->setModificabile(true);
        for (const char* v : {"S.V.", "3", "3,5", "4"}) voto->aggiungi(QString::fromLatin1(v));
        auto* spinner = new Spinner(voto->lineEdit(), &finestra);
        spinner->impostaPasso([voto](const QString& t, int v) {
            return Spinner::passoVoto(t, v, voto->currentIndex() == 0 && t == voto->itemText(0));
        });
        voto->setCurrentIndex(senzaVoto ? 0 : -1);
        if (!senzaVoto) voto->setEditText(testo);
        QTest::mouseClick(spinner->findChild<QToolButton*>(verso > 0 ? "Su" : "Giu"), Qt::LeftButton);
        QCOMPARE(voto->currentText(), atteso);
        QCOMPARE(voto->count(), 4);  // the value written is not added to the list
    }

    // The spinner reads a box as the rest of the program does, and writes decimals with a comma.
    void letturaComeVal()
    {
        for (const char* c : {"12abc", " 7", "abc", "-3", "1 2", "+5", "4,5", "6.5", "", "  - 8x", "5,", ".5", "-2,25x",
                              "1,2,3", "99999999999", "\t9", "0012"}) {
            const QString t = QString::fromLatin1(c);
            QVERIFY2(Spinner::leggiIntero(t) == Val(t) && Spinner::leggiDecimale(t) == ValDecimale(t), c);
        }
        QCOMPARE(Spinner::scriviDecimale(5.5) + Spinner::scriviDecimale(6.0) + Spinner::scriviDecimale(0.1 + 0.2),
                 QString("5,560,3"));
    }

    void comboClickAncheDaCodice()
    {
        ComboCodici combo;
        QSignalSpy clic(&combo, &ComboCodici::click);
        {
            ComboCodici::SenzaClick caricamento(&combo);
            combo.aggiungi("Inter", 70000);  // the first item becomes current: no click while loading
            combo.aggiungi("Juventus", -1);
            combo.aggiungi("Milan", 3);
            QVERIFY(combo.selezionaCodice(3));
            QVERIFY(combo.clickSospeso());
        }
        QCOMPARE(clic.size(), 0);
        QCOMPARE(combo.codiceCorrente(), 3);

        QVERIFY(combo.selezionaCodice(70000) && combo.selezionaTesto("juventus"));
        QCOMPARE(combo.codiceCorrente(), -1);
        combo.setCurrentIndex(1);  // no change of index, no click
        QVERIFY(!combo.selezionaCodice(12) && !combo.selezionaTesto("Roma"));
        QCOMPARE(combo.currentIndex(), 1);
        QCOMPARE(clic.size(), 2);

        {
            ComboCodici::SenzaClick esterno(&combo);
            {
                ComboCodici::SenzaClick interno(&combo);
            }
            combo.setCurrentIndex(0);  // still guarded by the outer guard
        }
        QCOMPARE(clic.size(), 2);
        combo.setCurrentIndex(-1);
        QCOMPARE(clic.size(), 3);
        QCOMPARE(combo.codiceCorrente(), 0);

        // Items added all at once: as added one by one (texts, codes, the first one current, one click, the limit).
        ComboCodici uno, tutti;
        for (ComboCodici* c : {&uno, &tutti}) c->setMaxCount(3);
        QSignalSpy clicUno(&uno, &ComboCodici::click), clicTutti(&tutti, &ComboCodici::click);
        const QVector<std::pair<QString, qint32>> voci{{"Inter", 70000}, {"Juventus", -1}, {"Milan", 3}, {"Roma", 4}};
        for (const auto& [testo, codice] : voci) uno.aggiungi(testo, codice);
        tutti.aggiungiTutti(voci);
        for (ComboCodici* c : {&uno, &tutti}) c->aggiungiTutti({{"Lazio", 5}});
        QCOMPARE(tutti.count(), uno.count());
        for (int i = 0; i < uno.count(); ++i)
            QVERIFY(tutti.itemText(i) == uno.itemText(i) && tutti.codice(i) == uno.codice(i));
        QCOMPARE(tutti.currentIndex(), uno.currentIndex());
        QCOMPARE(clicTutti.size(), clicUno.size());
    }

    void comboClickDellUtente()
    {
        ComboCodici combo;
        for (const char* s : {"Atalanta", "Bologna", "Cagliari"}) combo.aggiungi(QString::fromLatin1(s), 10);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        QSignalSpy clic(&combo, &ComboCodici::click);

        QTest::keyClick(&combo, Qt::Key_Down);
        QCOMPARE(combo.currentIndex(), 1);
        QCOMPARE(clic.size(), 1);

        // Picking from the list the item already chosen is a click too.
        combo.showPopup();
        QAbstractItemView* lista = combo.view();
        QVERIFY(QTest::qWaitForWindowExposed(lista->window()));
        const QRect voce = lista->visualRect(lista->model()->index(1, 0));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, voce.center());
        QCOMPARE(combo.currentIndex(), 1);
        QCOMPARE(clic.size(), 2);
        // A list that its click puts back on the item shown was picked once, not picked again.
        connect(&combo, &ComboCodici::click, &combo, [&combo] {
            ComboCodici::SenzaClick guardia(&combo);
            combo.setCurrentIndex(1);
        });
        combo.showPopup();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualRect(lista->model()->index(2, 0)).center());
        QCOMPARE(QList<int>({combo.currentIndex(), int(clic.size())}), QList<int>({1, 3}));
    }

    void comboModificabile()
    {
        ComboCodici combo;
        combo.setModificabile(true);
        combo.aggiungi("(Non specificato)", 0);
        combo.aggiungi("Rossi", 41);
        QSignalSpy clic(&combo, &ComboCodici::click);
        QVERIFY(combo.impostaTesto("Bianchi"));  // a name outside the list is kept as typed
        QCOMPARE(combo.testo(), QString("Bianchi"));
        QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
        QCOMPARE(combo.count(), 2);  // never added to the list
        QCOMPARE(clic.size(), 0);
        QVERIFY(combo.trovaTesto("ROSSI") == 1 && combo.trovaCodice(41) == 1 && combo.trovaCodice(7) == -1);

        ComboCodici fissa;
        fissa.aggiungi("Andata", 1);
        fissa.aggiungi("Ritorno", 2);
        QVERIFY(fissa.impostaTesto("ritorno") && !fissa.impostaTesto("Spareggio"));
        QCOMPARE(fissa.currentIndex(), 1);
    }

    void elencoOrdinato_data()
    {
        QTest::addColumn<QStringList>("chiavi");
        QTest::addColumn<QList<int>>("codiciDallaFine");
        QTest::newRow("totali") << QStringList{"007", "012", "255", "000"} << QList<int>{2, 1, 0, 3};
        // Equal keys: the later entry is read first.
        QTest::newRow("pari merito") << QStringList{"007", "012", "007", "007"} << QList<int>{1, 3, 2, 0};
        QTest::newRow("maiuscole") << QStringList{"b", "A", "a", "C"} << QList<int>{3, 0, 2, 1};
        QTest::newRow("testo, non numero") << QStringList{"9", "10", "100"} << QList<int>{0, 2, 1};
        QTest::newRow("vuoto") << QStringList{} << QList<int>{};
    }
    void elencoOrdinato()
    {
        QFETCH(QStringList, chiavi);
        QFETCH(QList<int>, codiciDallaFine);
        ElencoOrdinato elenco;
        for (int i = 0; i < chiavi.size(); ++i) elenco.aggiungi(chiavi[i], i);
        QList<int> letti;
        for (const ElencoOrdinato::Voce& v : elenco.dallaFine()) letti << v.codice;
        QCOMPARE(letti, codiciDallaFine);
        QCOMPARE(elenco.conta(), chiavi.size());
        for (int i = 1; i < elenco.conta(); ++i)
            QVERIFY(elenco.chiave(i - 1).compare(elenco.chiave(i), Qt::CaseInsensitive) <= 0);
    }

    void pannelloClic()
    {
        QWidget finestra;
        auto* riga = new QHBoxLayout(&finestra);
        QPixmap figura(24, 24);
        figura.fill(Qt::darkGreen);
        auto* p = new Pannello(QIcon(figura), "Aggiungi giocatore", 70, &finestra);
        riga->addWidget(p);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QSignalSpy clic(p, &Pannello::clicked);

        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(10, p->height() / 2));               // the picture
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(p->width() - 10, p->height() / 2));  // the caption
        QCOMPARE(clic.size(), 2);

        // Pressed on the panel, released elsewhere: no click.
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(p->width() + 30, 10));
        QCOMPARE(clic.size(), 2);

        p->setEnabled(false);
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clic.size(), 2);
        QCOMPARE(Pannello::perId(70), p);
        p->impostaId(71);
        QVERIFY(!Pannello::perId(70));
        QCOMPARE(Pannello::perId(71), p);
    }

    void pannelloAccessibile_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("suggerimento");
        QTest::addColumn<QString>("nome");
        // clang-format off
        QTest::newRow("didascalia su due righe") << "Classifica\nparziale" << "Mostra la classifica" << "Classifica parziale";
        QTest::newRow("solo figura") << "" << "Apri un campionato" << "Apri un campionato";
        QTest::newRow("e commerciale") << "Rose & giocatori" << "" << "Rose & giocatori";
        // clang-format on
    }
    // Accessibility tools see a panel as a button named by its caption (else its tooltip) that they
    // can press; a caption makes no keyboard shortcut.
    void pannelloAccessibile()
    {
        QFETCH(QString, testo);
        QFETCH(QString, suggerimento);
        QFETCH(QString, nome);
        QWidget finestra;
        auto* p = new Pannello(QIcon(), testo, -1, &finestra);
        p->setToolTip(suggerimento);
        QSignalSpy clic(p, &Pannello::clicked);

        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(p);
        QVERIFY(a && a->actionInterface());
        QCOMPARE(a->role(), QAccessible::Button);
        QCOMPARE(a->text(QAccessible::Name), nome);
        QVERIFY(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clic.size(), 1);
        QVERIFY(p->shortcut().isEmpty());

        p->setEnabled(false);
        QVERIFY(!a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clic.size(), 1);
    }
};

QTEST_MAIN(TestControlli)
#include "tst_controlli.moc"
