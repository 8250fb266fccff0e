#include "support/ambientetest.h"

#include "platform/combocodici.h"
#include "shell/finestrecampionato.h"
#include "shell/informazionisocietariewindow.h"
#include "support/fixturecampionato.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The club information window: one team's club data read, edited and saved.
class TestInformazioniSocieta : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    InformazioniSocietarieWindow* w_ = nullptr;
    DatiFixture dati_;

    static const QStringList& nomi()
    {
        static const QStringList n{"Genoa", "Lazio", "Napoli", "Roma"};
        return n;
    }
    // The boxes in the order of their SQUADRA columns below.
    static const QStringList& caselle()
    {
        static const QStringList c{"Text1", "Text2", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"};
        return c;
    }
    static const QStringList& colonne()
    {
        static const QStringList c{"ALLENATORE", "PRESIDENTE", "CITTA", "SEDE", "CAMPO", "COLORI", "TEL", "FAX"};
        return c;
    }
    QLineEdit* box(const QString& nome) const { return w_->findChild<QLineEdit*>(nome); }
    QPlainTextEdit* note() const { return w_->findChild<QPlainTextEdit*>("Text10"); }
    ComboCodici* combo() const { return w_->findChild<ComboCodici*>("Combo1"); }
    void salva() const { QTest::mouseClick(w_->findChild<QPushButton*>("Command4"), Qt::LeftButton); }
    void scegli(const QString& squadra) const { combo()->setCurrentIndex(combo()->trovaTesto(squadra)); }

    InformazioniSocietarieWindow* apri(const QString& squadraCorrente)
    {
        stato().SquadraCorrente = squadraCorrente;
        return amb_->mostra<InformazioniSocietarieWindow>("Form43");
    }

private slots:
    void init()
    {
        amb_ = std::make_unique<AmbienteTest>(RegistraFinestreCampionato);
        dati_ = amb_->apri(amb_->nuovo().squadre(nomi()).penalita("Lazio", 3));
        Esegui("UPDATE SQUADRA SET ALLENATORE = 'Sarri', CITTA = 'Roma', NOTE = 'Biancocelesti' WHERE NOME = 'Lazio'");
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        w_ = nullptr;
        amb_.reset();
    }

    void squadraMostrata_data()
    {
        QTest::addColumn<QString>("corrente");
        QTest::addColumn<QString>("mostrata");
        QTest::newRow("nessuna") << "" << QString("Genoa");
        QTest::newRow("Lazio") << "Lazio" << QString("Lazio");
        QTest::newRow("assente") << "Inesistente" << QString("Genoa");
    }
    void squadraMostrata()
    {
        QFETCH(QString, corrente);
        QFETCH(QString, mostrata);
        w_ = apri(corrente);
        QVERIFY(w_);
        QCOMPARE(combo()->count(), 4);
        QCOMPARE(combo()->testo(), mostrata);
        QCOMPARE(w_->windowTitle(), "Informazioni societarie: " + mostrata);
        if (corrente.isEmpty()) QCOMPARE(stato().SquadraCorrente, QString("Genoa"));
    }

    // Null columns show empty boxes, the penalty box included; stored values show as they are.
    void campiLetti()
    {
        w_ = apri("");
        for (const QString& c : caselle()) QCOMPARE(box(c)->text(), QString());
        QCOMPARE(box("Text3")->text(), QString());
        QCOMPARE(note()->toPlainText(), QString());
        scegli("Lazio");
        QCOMPARE(box("Text1")->text(), QString("Sarri"));
        QCOMPARE(box("Text4")->text(), QString("Roma"));
        QCOMPARE(box("Text3")->text(), QString("3"));
        QCOMPARE(note()->toPlainText(), QString("Biancocelesti"));
        QCOMPARE(box("Text2")->text(), QString());
        scegli("Roma");
        scegli("Lazio");
        QCOMPARE(box("Text1")->text(), QString("Sarri"));
    }

    void cambioSquadra_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<QString>("penalita");
        using R = Messaggio::Risposta;
        QTest::newRow("sì") << int(R::Si) << "3";
        QTest::newRow("sì, penalità rifiutata") << int(R::Si) << "tre";
        QTest::newRow("no") << int(R::No) << "3";
        QTest::newRow("annulla") << int(R::Annulla) << "3";
    }
    // Another team picked with data typed asks once first, as closing does: Yes saves and moves, No drops and
    // moves, Cancel or a save refused stays on the team with what was typed, the list back on it.
    void cambioSquadra()
    {
        QFETCH(int, risposta);
        QFETCH(QString, penalita);
        w_ = apri("Lazio");
        box("Text1")->setText("Coach X");
        box("Text3")->setText(penalita);
        amb_->messaggi().risposta(Messaggio::Risposta(risposta));
        const bool rifiutata = penalita != "3", si = risposta == int(Messaggio::Risposta::Si) && !rifiutata;
        const bool resta = rifiutata || risposta == int(Messaggio::Risposta::Annulla);
        if (rifiutata) amb_->messaggi().ok();
        combo()->showPopup();
        QAbstractItemView* lista = combo()->view();
        QVERIFY(QTest::qWaitForWindowExposed(lista->window()));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualRect(lista->model()->index(combo()->trovaTesto("Roma"), 0)).center());
        QCOMPARE(amb_->messaggi().quanti(), rifiutata ? 2 : 1);
        QVERIFY(amb_->messaggi().mostrati()[0].testo.endsWith("prima di passare a un'altra squadra?"));
        QCOMPARE(QStringList({combo()->testo(), box("Text1")->text()}),
                 QStringList({resta ? "Lazio" : "Roma", resta ? "Coach X" : ""}));
        QCOMPARE(Valore("SELECT ALLENATORE FROM SQUADRA WHERE NOME = 'Lazio'").toString(), si ? "Coach X" : "Sarri");
    }

    void salvaERilegge()
    {
        w_ = apri("Napoli");
        for (int i = 0; i < caselle().size(); ++i) box(caselle()[i])->setText(colonne()[i].toLower());
        box("Text9")->clear();  // an empty fax is stored as one blank
        box("Text3")->setText("-4");
        note()->setPlainText("Azzurri");
        salva();
        QCOMPARE(amb_->messaggi().quanti(), 0);

        Query q("SELECT ALLENATORE, PRESIDENTE, CITTA, SEDE, CAMPO, COLORI, TEL, FAX, PENALITA, NOTE, NOME "
                "FROM SQUADRA WHERE CODICE = ?",
                {dati_.codici.value("Napoli")});
        QVERIFY(q.next());
        for (int i = 0; i < 7; ++i) QCOMPARE(q.testo(i), colonne()[i].toLower());
        QCOMPARE(q.testo(7), QString(" "));
        QCOMPARE(q.intero(8), -4);
        QCOMPARE(q.testo(9), QString("Azzurri"));
        QCOMPARE(q.testo(10), QString("Napoli"));
        // The other teams are untouched.
        QCOMPARE(Valore("SELECT COUNT(*) FROM SQUADRA WHERE ALLENATORE IS NOT NULL").toInt(), 2);

        scegli("Genoa");
        scegli("Napoli");
        QCOMPARE(box("Text9")->text(), QString(" "));
        QCOMPARE(box("Text3")->text(), QString("-4"));
    }

    void penalitaFuoriLimiti_data()
    {
        QTest::addColumn<QString>("penalita");
        QTest::addColumn<bool>("accettata");
        QTest::newRow("vuota: 0") << "" << true;
        QTest::newRow("999") << "999" << true;
        QTest::newRow("-999") << "-999" << true;
        QTest::newRow("+3") << "+3" << true;
        QTest::newRow("1000") << "1000" << false;
        QTest::newRow("-1000") << "-1000" << false;
        QTest::newRow("3abc") << "3abc" << false;
        QTest::newRow("- 3") << "- 3" << false;
    }
    void penalitaFuoriLimiti()
    {
        QFETCH(QString, penalita);
        QFETCH(bool, accettata);
        w_ = apri("Lazio");
        box("Text3")->setText(penalita);
        box("Text1")->setText("Nuovo");
        if (!accettata) amb_->messaggi().ok();
        salva();
        const int scritta = Valore("SELECT PENALITA FROM SQUADRA WHERE NOME = 'Lazio'").toInt();
        if (accettata) {
            QCOMPARE(scritta, penalita.toInt());
            QVERIFY(!Valore("SELECT PENALITA FROM SQUADRA WHERE NOME = 'Lazio'").isNull());
            return;
        }
        QVERIFY(amb_->messaggi().ultimo().testo.startsWith("Attenzione: i punti di penalità"));
        QCOMPARE(scritta, 3);
        QCOMPARE(Valore("SELECT ALLENATORE FROM SQUADRA WHERE NOME = 'Lazio'").toString(), QString("Sarri"));
        QCOMPARE(QApplication::focusWidget(), box("Text3"));
    }

    // A team gone from the file since the list was read: the save says so, and what was typed stays on screen.
    void squadraNonPiuNelFile()
    {
        w_ = apri("Lazio");
        Esegui("DELETE FROM SQUADRA WHERE NOME = 'Lazio'");
        box("Text1")->setText("Nuovo");
        amb_->messaggi().ok();
        salva();
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QVERIFY(amb_->messaggi().ultimo().testo.startsWith("Impossibile salvare i dati della squadra Lazio"));
        QCOMPARE(box("Text1")->text(), QString("Nuovo"));
    }

    // The notes hold no more than their column.
    void lunghezze()
    {
        w_ = apri("");
        note()->setPlainText(QString(250, 'n'));
        QCOMPARE(note()->toPlainText().size(), 200);
    }

    void senzaSquadre()
    {
        const QString vuoto = amb_->percorso("vuoto.GVN");
        FixtureCampionato(vuoto).squadre(QStringList{}).senzaCalendario().crea();
        QVERIFY(ApriFileComeCampionato(vuoto));
        w_ = apri("");
        QVERIFY(w_);
        QCOMPARE(combo()->count(), 0);
        box("Text1")->setText("Nessuno");
        salva();
        QCOMPARE(Valore("SELECT COUNT(*) FROM SQUADRA").toInt(), 0);
    }
};

QTEST_MAIN(TestInformazioniSocieta)
#include "tst_informazionisocieta.moc"
