#include "platform/guida.h"
#include "platform/messaggio.h"
#include "support/seammessaggi.h"

#include <functional>
#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using P = Messaggio::Pulsanti;
using I = Messaggio::Icona;
using R = Messaggio::Risposta;

namespace {

// Runs `controlla` on the dialog that will be in front once the event loop turns.
void quandoAperto(std::function<void(QWidget*)> controlla)
{
    QTimer::singleShot(0, [controlla] {
        QWidget* dialogo = QApplication::activeModalWidget();
        QVERIFY(dialogo);
        controlla(dialogo);
    });
}

}  // namespace

class TestMessaggio : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        SeamMessaggi::disattiva();
        Guida::imposta(QString());
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Guida")) w->close();
    }

    void boxInattesoRegistrato_data()
    {
        QTest::addColumn<P>("pulsanti");
        QTest::addColumn<R>("risposta");
        QTest::newRow("OK") << P::Ok << R::Ok;
        QTest::newRow("Sì/No") << P::SiNo << R::No;
        QTest::newRow("Sì/No/Annulla") << P::SiNoAnnulla << R::Annulla;
    }
    void boxInattesoRegistrato()
    {
        QFETCH(P, pulsanti);
        QFETCH(R, risposta);
        MessaggiDiTest messaggi;
        // With nothing queued the box gets its cancelling answer and is reported as unexpected.
        QCOMPARE(Messaggio::mostra("Riga uno\rRiga due", pulsanti, I::Domanda, "Prova"), risposta);
        QCOMPARE(SeamMessaggi::inattesi().size(), 1);
        QVERIFY(SeamMessaggi::inattesi().first().contains("Prova"));
        QVERIFY(SeamMessaggi::inattesi().first().contains("Riga uno | Riga due"));
    }

    void risposteInOrdine()
    {
        MessaggiDiTest messaggi;
        messaggi.si().no().annulla();
        QCOMPARE(Messaggio::mostra("Primo", P::SiNo), R::Si);
        QCOMPARE(Messaggio::mostra("Secondo", P::SiNo, I::Critica, "Titolo", 1), R::No);
        QCOMPARE(Messaggio::mostra("Terzo\r\rfine", P::SiNoAnnulla, I::Domanda, "Creazione", 0, 50), R::Annulla);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();

        const Messaggio::Richiesta secondo = messaggi.mostrati().at(1), terzo = messaggi.ultimo();
        QVERIFY(secondo.titolo == "Titolo" && secondo.icona == I::Critica && secondo.predefinito == 1);
        QVERIFY(terzo.testo == "Terzo\r\rfine" && terzo.pulsanti == P::SiNoAnnulla && terzo.contestoGuida == 50);
        QCOMPARE(messaggi.mostrati().first().titolo, QString("Golvarno 2000"));  // the default title
    }

    void scorciatoie()
    {
        MessaggiDiTest messaggi;
        messaggi.si().no().ok().ok().ok();
        QVERIFY(Messaggio::conferma("Procedere?", "Conferma"));
        QVERIFY(!Messaggio::conferma("Procedere?", "Conferma"));
        Messaggio::informa("Fatto", "Info");
        Messaggio::errore("Errore", "Errore");
        Messaggio::avvisa("Attenzione", "Avviso");
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        const QList<Messaggio::Richiesta>& m = messaggi.mostrati();
        QCOMPARE(m.at(0).pulsanti, P::SiNo);
        QCOMPARE(QList<I>({m[0].icona, m[2].icona, m[3].icona, m[4].icona}),
                 QList<I>({I::Domanda, I::Informazione, I::Critica, I::Esclamazione}));
    }

    void inputEApriFile()
    {
        MessaggiDiTest messaggi;
        messaggi.testo("Serie A");
        SeamMessaggi::accodaAnnullaInput();
        messaggi.file("/tmp/campionato.GVN");
        bool annullato = true;
        QCOMPARE(Messaggio::input("Nome?", "Nuovo", "predefinito", &annullato), QString("Serie A"));
        QVERIFY(!annullato);
        QCOMPARE(Messaggio::input("Nome?", "Nuovo", QString(), &annullato), QString());
        QVERIFY(annullato);
        const QString filtro = "Files di Golvarno (*.GVN)|*.GVN|Tutti i files (*.*)|*.*|";
        QCOMPARE(Messaggio::apriFile("Apri un campionato", filtro, "vecchio.GVN"), QString("/tmp/campionato.GVN"));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        QCOMPARE(messaggi.mostrati().at(0).valoreIniziale, QString("predefinito"));
        QVERIFY(messaggi.ultimo().filtro == filtro && messaggi.ultimo().valoreIniziale == "vecchio.GVN");

        // Nothing queued: cancelled and reported.
        QCOMPARE(Messaggio::apriFile("Apri", filtro), QString());
        QCOMPARE(Messaggio::input("Nome?", "Nuovo", QString(), &annullato), QString());
        QVERIFY(annullato);
        QCOMPARE(SeamMessaggi::inattesi().size(), 2);
        // An answer of the wrong kind is not taken by a message box.
        messaggi.svuota();
        messaggi.testo("testo");
        QCOMPARE(Messaggio::mostra("Sì o no?", P::SiNo), R::No);
        QCOMPARE(SeamMessaggi::inattesi().size(), 1);
        QCOMPARE(SeamMessaggi::inCoda(), 1);
        messaggi.svuota();
    }

    void ritorniACapo()
    {
        QCOMPARE(Messaggio::perVisualizzare("a\rb|a\r\rb|a\r\nb|riga"), QString("a\nb|a\n\nb|a\nb|riga"));
    }

    void boxVeroConGuida()
    {
        QTemporaryDir cartella;
        const QString guida = cartella.filePath("golvarno.hlp");
        QFile f(guida);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><a name=\"ctx-50\"></a><p>Calendario</p></body></html>");
        f.close();
        Guida::imposta(guida);

        bool controllato = false;
        quandoAperto([&controllato](QWidget* dialogo) {
            auto* box = qobject_cast<QMessageBox*>(dialogo);
            QVERIFY(box);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->text(), QString("Il file <b>x</b>\nè stato creato\n\nSi desidera continuare?"));
            QVERIFY(box->button(QMessageBox::Yes) && !box->button(QMessageBox::Cancel));
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));

            // Help opens the help file at the box's context and leaves the box open.
            QAbstractButton* aiuto = box->button(QMessageBox::Help);
            QVERIFY(aiuto);
            QTest::mouseClick(aiuto, Qt::LeftButton);
            QCOMPARE(Guida::ultimoContesto(), 50);
            QCoreApplication::processEvents();
            QVERIFY(box->isVisible());
            controllato = true;
            box->button(QMessageBox::No)->click();
        });
        const R r = Messaggio::mostra("Il file <b>x</b>\rè stato creato\r\rSi desidera continuare?", P::SiNo,
                                      I::Domanda, "Creazione di un nuovo campionato", 1, 50);
        QVERIFY(controllato);
        QCOMPARE(r, R::No);
    }

    void boxVeroSenzaGuida()
    {
        quandoAperto([](QWidget* dialogo) {
            auto* box = qobject_cast<QMessageBox*>(dialogo);
            QVERIFY(box);
            QVERIFY(!box->button(QMessageBox::Help));
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
            box->button(QMessageBox::Cancel)->click();
        });
        QCOMPARE(Messaggio::mostra("Salvare?", P::SiNoAnnulla, I::Critica, "Golvarno"), R::Annulla);
    }

    void inputVero()
    {
        quandoAperto([](QWidget* dialogo) {
            auto* box = qobject_cast<QInputDialog*>(dialogo);
            QVERIFY(box);
            QCOMPARE(box->labelText(), QString("Nome della squadra:\n(massimo 30 lettere)"));
            QCOMPARE(box->textValue(), QString("Roma"));
            box->setTextValue("Lazio");
            box->accept();
        });
        bool annullato = true;
        QCOMPARE(Messaggio::input("Nome della squadra:\r(massimo 30 lettere)", "Squadra", "Roma", &annullato),
                 QString("Lazio"));
        QVERIFY(!annullato);
    }
};

QTEST_MAIN(TestMessaggio)
#include "tst_messaggio.moc"
