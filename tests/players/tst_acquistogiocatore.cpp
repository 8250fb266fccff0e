#include "aiutigiocatori.h"
#include "players/acquistogiocatorequeries.h"
#include "players/acquistogiocatorewindow.h"
#include "players/finestregiocatori.h"
#include "players/schedegiocatoriwindow.h"
#include "support/ambientetest.h"

#include "platform/combocodici.h"

#include <QPushButton>
#include <QScrollBar>

namespace {
const QString ID = IdFinestra::AcquistoGiocatore;
}

// The purchase of a player: who is listed, who can be bought, and what a purchase writes.
class TestAcquistoGiocatore : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> a_;
    DatiFixture d_;
    QHash<QString, int> cod_;

    AcquistoGiocatoreWindow* apri(const QString& acquirente = "Ancona")
    {
        return a_->mostra<AcquistoGiocatoreWindow>(ID, acquirente);
    }
    static QTreeWidget* elenco(QWidget* w) { return w->findChild<QTreeWidget*>("ListView1"); }
    static QStringList righe(QWidget* w)
    {
        QStringList r;
        for (int i = 0; i < elenco(w)->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* t = elenco(w)->topLevelItem(i);
            r << QStringList{t->text(0), t->text(1), t->text(2), t->text(3)}.join('|');
        }
        return r;
    }
    static void seleziona(QWidget* w, const QString& cognome)
    {
        const QList<QTreeWidgetItem*> t = elenco(w)->findItems(cognome, Qt::MatchExactly);
        QVERIFY(!t.isEmpty());
        elenco(w)->setCurrentItem(t.first());
    }
    static QPushButton* pulsante(QWidget* w, int n)
    {
        return w->findChild<QPushButton*>(QStringLiteral("Command%1").arg(n));
    }
    int squadraDi(const QString& cognome) const
    {
        return Valore("SELECT CodSquadra FROM Giocatore WHERE Codice = ?", {cod_[cognome]}).toInt();
    }

private slots:
    void init()
    {
        a_ = std::make_unique<AmbienteTest>(RegistraFinestreGiocatori);
        d_ = a_->apri(a_->nuovo(4));
        for (const QString g : {"Rossi|Mario|Ancona", "Verdi|Luca|Ancona", "Bianchi|Carlo|Bari", "Abate||Bari",
                                "Zola|Gianfranco|Dolomiti"}) {
            const QStringList c = g.split('|');
            cod_[c[0]] = NuovoGiocatore(c[0], c[1], d_.codici.value(c[2]));
        }
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void acquisto_data()
    {
        QTest::addColumn<bool>("conferma");
        QTest::newRow("sì") << true;
        QTest::newRow("no") << false;
    }
    void acquisto()
    {
        QFETCH(bool, conferma);
        AcquistoGiocatoreWindow* w = apri();
        seleziona(w, "Abate");
        a_->messaggi().risposta(conferma ? Messaggio::Risposta::Si : Messaggio::Risposta::No);
        if (conferma) a_->messaggi().ok();
        pulsante(w, 1)->click();
        const int domanda = conferma ? a_->messaggi().quanti() - 2 : a_->messaggi().quanti() - 1;
        QCOMPARE(a_->messaggi().mostrati()[domanda].testo, QString("Confermare il passaggio di  Abate a Ancona ?"));
        QCOMPARE(squadraDi("Abate"), d_.codici.value(conferma ? "Ancona" : "Bari"));
        QCOMPARE(righe(w).size(), conferma ? 2 : 3);
        // Nothing else of the player changes.
        QCOMPARE(Valore("SELECT Reti FROM Giocatore WHERE Codice = ?", {cod_["Abate"]}).toInt(), 3);
    }

    // Every column is wide enough for its longest text, names of thirty characters included; the team tree
    // shows every team.
    void tuttoInVista()
    {
        NuovoGiocatore("Castellamonte Delle Grazie Xy", "Pierfrancesco Massimilianoabc", d_.codici.value("Bari"));
        AcquistoGiocatoreWindow* w = apri();
        QTest::qWait(1);  // laid out
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < elenco(w)->topLevelItemCount(); ++r)
                QVERIFY(elenco(w)->columnWidth(c) >=
                        elenco(w)->sizeHintForIndex(elenco(w)->model()->index(r, c)).width());
        QCOMPARE(w->findChild<QTreeWidget*>("TreeView1")->verticalScrollBar()->maximum(), 0);
    }

    void acquirenteCambiato()
    {
        AcquistoGiocatoreWindow* w = apri();
        w->findChild<ComboCodici*>("Combo1")->selezionaTesto("Bari");
        seleziona(w, "Bianchi");
        a_->messaggi().ok();
        pulsante(w, 1)->click();
        QVERIFY(a_->messaggi().ultimo().testo.startsWith("Bari non può"));
        QCOMPARE(squadraDi("Bianchi"), d_.codici.value("Bari"));
        // A player deleted meanwhile: said, and he leaves the list; the transfer itself tells a row it did not find.
        seleziona(w, "Zola");
        Esegui("DELETE FROM Giocatore WHERE Codice = ?", {cod_["Zola"]});
        a_->messaggi().ok();
        pulsante(w, 1)->click();
        QCOMPARE(a_->messaggi().ultimo().testo,
                 QString("Il giocatore non è più nel file del campionato: l'acquisto non è stato effettuato."));
        QVERIFY(elenco(w)->findItems("Zola", Qt::MatchExactly).isEmpty());
        QVERIFY(!AcquistoGiocatoreQueries::trasferisci(cod_["Zola"], d_.codici.value("Ancona")));
    }
};

QTEST_MAIN(TestAcquistoGiocatore)
#include "tst_acquistogiocatore.moc"
