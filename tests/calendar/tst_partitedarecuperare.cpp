#include "aiuticalendario.h"
#include "calendar/finestreconsultazione.h"
#include "support/aiutigriglia.h"
#include "support/finestraditest.h"

#include "calendar/partitedarecuperarewindow.h"
#include "platform/griglia.h"

#include <QLabel>
#include <QPushButton>

// The postponed matches: which legs are listed, in which order, and what the commands hand over.
class TestPartiteDaRecuperare : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    DatiFixture dati_;
    PartiteDaRecuperareWindow* w_ = nullptr;

    Griglia* griglia() const { return w_->findChild<Griglia*>("Grid1"); }
    QPushButton* pulsante(const QString& nome) const { return w_->findChild<QPushButton*>(nome); }
    QString etichetta() const { return w_->findChild<QLabel*>("Label1")->text(); }
    // The grid's rows below the heading, one "leg|day|date|home|away" text each.
    QStringList righe() const
    {
        QStringList r;
        for (const QStringList& celle : RigheGriglia(griglia(), 1)) r << celle.join('|');
        return r;
    }
    QString riga(int giornata, int r, bool andata, const QString& data = QString()) const
    {
        const PartitaFixture* p = dati_.partita(giornata, r);
        return QStringList{andata ? "Andata" : "Ritorno", QString::number(giornata), data, p->casa(andata),
                           p->ospite(andata)}
            .join('|');
    }

    // Every first leg and the return legs of days 1..3 played, with three legs postponed.
    void apri(const QStringList& altre = {"Form3", "Form5"})
    {
        amb_ = std::make_unique<AmbienteTest>(RegistraFinestreConsultazione);
        for (const QString& id : altre) FinestraDiTest::registra(id);
        dati_ = amb_->apri(
            amb_->nuovo(6).giocaFinoA(3, false).rinviata(5, 3, true).rinviata(2, 1, true).rinviata(1, 2, false));
    }

private slots:
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        w_ = nullptr;
        amb_.reset();
    }

    // The unplayed legs of played days of both legs, first legs first, each leg by day; the home team
    // of the leg first. Unplayed days, and played legs, are left out.
    void elenco()
    {
        apri();
        // A flag left Null counts as not played; the match date is shown, else the day's date.
        const PartitaFixture* nulla = dati_.partita(3, 2);
        Esegui("UPDATE PARTITA SET DISPRIT = NULL WHERE CODPART = ?", {nulla->codPart});
        Esegui("UPDATE PARTITA SET DATAAND = '15/09/2024' WHERE CODPART = ?", {dati_.partita(2, 1)->codPart});
        Esegui("UPDATE GIORNATA SET DATARIT = '20/01/2025' WHERE NUMERO = 3");
        // A match of a day not registered as played is not postponed.
        QVERIFY(!dati_.partita(4, 1)->disputataRit);

        w_ = amb_->mostra<PartiteDaRecuperareWindow>("Form42");
        QVERIFY(w_);
        QCOMPARE(righe(), QStringList({riga(2, 1, true, "15/09/2024"), riga(5, 3, true), riga(1, 2, false),
                                       riga(3, 2, false, "20/01/2025")}));
        QVERIFY(etichetta().startsWith("4 partite da recuperare"));
        QCOMPARE(griglia()->rigaCorrente(), 1);
        QVERIFY(pulsante("Command1")->isEnabled() && pulsante("Command2")->isEnabled());

        // Every leg played: an empty list and nothing to hand over.
        Esegui("UPDATE PARTITA SET DISPAND = -1, DISPRIT = -1");
        w_ = amb_->mostra<PartiteDaRecuperareWindow>("Form42");
        QCOMPARE(griglia()->righe(), 1);
        QCOMPARE(etichetta(), QString("Non ci sono partite da recuperare."));
        QVERIFY(!pulsante("Command1")->isEnabled() && !pulsante("Command2")->isEnabled());
    }

    // Results entry opens on the day and leg of the chosen row; the match sheet also on its match.
    void comandi_data()
    {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("riga");
        QTest::addColumn<bool>("andata");
        // clang-format off
        QTest::newRow("risultati, andata") << "Command1" << "Form5" << 2 << true;
        QTest::newRow("risultati, ritorno") << "Command1" << "Form5" << 3 << false;
        QTest::newRow("scheda, ritorno") << "Command2" << "Form3" << 3 << false;
        // clang-format on
    }
    void comandi()
    {
        QFETCH(QString, pulsante);
        QFETCH(QString, finestra);
        QFETCH(int, riga);
        QFETCH(bool, andata);
        apri();
        w_ = amb_->mostra<PartiteDaRecuperareWindow>("Form42");
        const QVector<std::tuple<int, int, bool>> attese{{2, 1, true}, {5, 3, true}, {1, 2, false}};
        const auto [giornata, r, a] = attese[riga - 1];
        QCOMPARE(a, andata);
        stato().CodPartitaCorrente = -5;
        griglia()->impostaRigaCorrente(riga);
        QTest::mouseClick(this->pulsante(pulsante), Qt::LeftButton);

        QCOMPARE(Finestre::istanza().finestraAttiva()->id(), finestra);
        QCOMPARE(stato().GiornataCorrente, giornata);
        QCOMPARE(stato().Andata, andata);
        QCOMPARE(stato().CodPartitaCorrente, finestra == "Form3" ? dati_.partita(giornata, r)->codPart : -5);
    }

    // A command whose window is not available stays disabled until the window is registered.
    void comandiSenzaFinestre()
    {
        apri({});
        w_ = amb_->mostra<PartiteDaRecuperareWindow>("Form42");
        QVERIFY(!pulsante("Command1")->isEnabled() && !pulsante("Command2")->isEnabled());
        FinestraDiTest::registra("Form3");
        QVERIFY(!pulsante("Command1")->isEnabled() && pulsante("Command2")->isEnabled());
        FinestraDiTest::registra("Form5");
        QVERIFY(pulsante("Command1")->isEnabled());
    }

    // Back from results entry the list is read again: a match played meanwhile is gone, and the row
    // chosen stays chosen.
    void rilettoAllAttivazione()
    {
        apri();
        w_ = amb_->mostra<PartiteDaRecuperareWindow>("Form42");
        griglia()->impostaRigaCorrente(3);
        QTest::mouseClick(pulsante("Command1"), Qt::LeftButton);
        Esegui("UPDATE PARTITA SET DISPAND = -1, G1A = 1, G2A = 0 WHERE CODPART = ?", {dati_.partita(2, 1)->codPart});
        w_ = amb_->mostra<PartiteDaRecuperareWindow>("Form42");
        QCOMPARE(righe(), QStringList({riga(5, 3, true), riga(1, 2, false)}));
        QCOMPARE(griglia()->rigaCorrente(), 2);
        QVERIFY(etichetta().startsWith("2 partite"));
    }
};

QTEST_MAIN(TestPartiteDaRecuperare)
#include "tst_partitedarecuperare.moc"
