#include "aiuticalendario.h"
#include "calendar/finestrecostruzionecalendario.h"
#include "support/ambientetest.h"

#include "calendar/controllocalendariodialog.h"
#include "platform/cursore.h"

#include <QLabel>
#include <QListWidget>

// The calendar check: the match days one at a time, and the rebuild that replaces the calendar only
// when the new one is written.
class TestControlloCalendario : public QObject {
    Q_OBJECT

    static constexpr int PRECEDENTE = 130;
    static constexpr int SUCCESSIVA = 131;
    static constexpr int RICREA = 132;

    static QStringList elenco()
    {
        QStringList r;
        auto* l = AmbienteTest::parte<QListWidget>(QStringLiteral("Form39"), QStringLiteral("List1"));
        for (int i = 0; l && i < l->count(); ++i) r << l->item(i)->text();
        return r;
    }
    static QString intestazione()
    {
        return AmbienteTest::parte<QLabel>(QStringLiteral("Form39"), QStringLiteral("Label1"))->text();
    }
    // The pairings of a match day as the file holds them now.
    static QStringList giornata(int numero)
    {
        QStringList r;
        Query q("SELECT SQ1, SQ2 FROM PARTITA WHERE GIORNATANUM = ? ORDER BY RIGA", {numero});
        while (q.next()) r << q.testo(0) + " - " + q.testo(1);
        return r;
    }

    std::unique_ptr<AmbienteTest> a_;

private slots:
    void init() { a_ = std::make_unique<AmbienteTest>(RegistraFinestreCostruzioneCalendario); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void navigazione()
    {
        a_->apri(a_->nuovo(6));
        auto* w = a_->mostra<ControlloCalendarioDialog>(QStringLiteral("Form39"));
        QCOMPARE(elenco(), giornata(1));
        a_->messaggi().ok().ok();  // before the first day, past the last
        Premi(PRECEDENTE);
        QCOMPARE(w->giornata(), 1);

        for (int g = 2; g <= 5; ++g) {
            Premi(SUCCESSIVA);
            QCOMPARE(w->giornata(), g);
            QCOMPARE(elenco(), giornata(g));
        }
        Premi(SUCCESSIVA);
        QCOMPARE(w->giornata(), 5);
        Premi(PRECEDENTE);
        QCOMPARE(intestazione(), QStringLiteral("Giornata n. 4"));
        QCOMPARE(a_->messaggi().quanti(), 2);
    }

    void ricrea_data()
    {
        QTest::addColumn<bool>("conferma");
        QTest::addColumn<QString>("modello");  // "" the template as installed, "-" none, else its bytes
        QTest::addColumn<bool>("ricreato");
        QTest::newRow("risposta no") << false << QString() << false;
        QTest::newRow("risposta sì") << true << QString() << true;
        QTest::newRow("modello mancante") << true << QStringLiteral("-") << false;
        QTest::newRow("modello illeggibile") << true << QStringLiteral("non è un database") << false;
    }
    void ricrea()
    {
        QFETCH(bool, conferma);
        QFETCH(QString, modello);
        QFETCH(bool, ricreato);
        const DatiFixture d = a_->apri(a_->nuovo(6));
        if (modello == QStringLiteral("-")) {
            QVERIFY(a_->cartella().rimuovi(QStringLiteral("S6.DTA")));
        } else if (!modello.isEmpty()) {
            QFile f(a_->cartella().file(QStringLiteral("S6.DTA")));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(modello.toUtf8());
        }
        const QStringList prima = Accoppiamenti();
        const int ultimoCodice = Valore("SELECT MAX(CODPART) FROM PARTITA").toInt();
        ChiudiDbCampionato();
        const QByteArray impronta = AmbienteTest::impronta(d.percorso);
        ApriDbCampionato(d.percorso);

        auto* w = a_->mostra<ControlloCalendarioDialog>(QStringLiteral("Form39"));
        Premi(SUCCESSIVA);
        Premi(SUCCESSIVA);
        QCOMPARE(w->giornata(), 3);
        stato().GiornateInserite = 0;
        stato().GiornataCorrente = 4;

        a_->messaggi().risposta(conferma ? Messaggio::Risposta::Si : Messaggio::Risposta::No);
        if (conferma) a_->messaggi().ok();  // the success report, or the builder's refusal
        Premi(RICREA);

        QCOMPARE(a_->messaggi().mostrati().first().pulsanti, Messaggio::Pulsanti::SiNo);
        QVERIFY(!Cursore::inAttesa());

        if (ricreato) {
            QVERIFY(a_->messaggi().ultimo().testo.startsWith(QStringLiteral("Queste sono le giornate")));
            QCOMPARE(Conta("GIORNATA"), 5);
            QCOMPARE(Conta("PARTITA"), 15);
            QCOMPARE(Valore("SELECT MIN(CODPART) FROM PARTITA").toInt(), ultimoCodice + 1);
            QCOMPARE(stato().GiornateInserite, 5);
            QCOMPARE(stato().GiornataCorrente, 1);
            QCOMPARE(w->giornata(), 1);
            QCOMPARE(elenco(), giornata(1));
        } else {
            // Nothing told of a success, the old calendar untouched, the day on show kept.
            for (const Messaggio::Richiesta& m : a_->messaggi().mostrati())
                QVERIFY(!m.testo.startsWith(QStringLiteral("Queste sono le giornate")));
            if (conferma) QCOMPARE(a_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
            QCOMPARE(Accoppiamenti(), prima);
            QCOMPARE(stato().GiornateInserite, 0);
            QCOMPARE(stato().GiornataCorrente, 4);
            QCOMPARE(w->giornata(), 3);
            ChiudiDbCampionato();
            QCOMPARE(AmbienteTest::impronta(d.percorso), impronta);
        }
    }
};

QTEST_MAIN(TestControlloCalendario)
#include "tst_controllocalendario.moc"
