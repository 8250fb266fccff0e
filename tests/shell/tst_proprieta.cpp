#include "support/ambientetest.h"

#include "platform/spinner.h"
#include "shell/finestrecampionato.h"
#include "shell/proprietacampionatowindow.h"
#include "support/fixturecampionato.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The properties window: the settings saved with a reload, and the rename of a team in every table.
class TestProprieta : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    ProprietaCampionatoWindow* w_ = nullptr;
    DatiFixture dati_;

    static const QStringList& nomi()
    {
        static const QStringList n{"Genoa", "Lazio", "Napoli", "Roma", "Roma Nord"};
        return n;
    }
    QLineEdit* box(const QString& nome) const { return w_->findChild<QLineEdit*>(nome); }
    QListWidget* lista() const { return w_->findChild<QListWidget*>("List1"); }
    void clic(const QString& nome) const { QTest::mouseClick(w_->findChild<QPushButton*>(nome), Qt::LeftButton); }
    void seleziona(const QString& squadra) const { lista()->setCurrentRow(int(nomi().indexOf(squadra))); }

    // Where a team's name is stored: SQUADRA, SQ1, SQ2, RIPOSA, PRESENZE and RETI rows that hold it.
    static QList<int> occorrenze(const QString& nome)
    {
        QList<int> n;
        for (const char* sql :
             {"SELECT COUNT(*) FROM SQUADRA WHERE NOME = ?", "SELECT COUNT(*) FROM PARTITA WHERE SQ1 = ?",
              "SELECT COUNT(*) FROM PARTITA WHERE SQ2 = ?", "SELECT COUNT(*) FROM GIORNATA WHERE RIPOSA = ?",
              "SELECT COUNT(*) FROM PRESENZE WHERE SQUADRA = ?", "SELECT COUNT(*) FROM RETI WHERE SQUADRA = ?"})
            n << Valore(QString::fromLatin1(sql), {nome}).toInt();
        return n;
    }

private slots:
    void init()
    {
        amb_ = std::make_unique<AmbienteTest>(RegistraFinestreCampionato);
        dati_ = amb_->apri(FixtureCampionato(amb_->percorso("serie.GVN"))
                               .denominazione("Serie A")
                               .squadre(nomi())
                               .punti(2, 1, 0)
                               .numerazione(2)
                               .giocaFinoA(4, true)
                               .rose(15)
                               .formazioni());
        w_ = amb_->mostra<ProprietaCampionatoWindow>("Form41");
        QVERIFY(w_);
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        amb_.reset();
    }

    void caricamento()
    {
        QCOMPARE(w_->windowTitle(), QString("Proprietà del campionato"));
        QCOMPARE(box("Text4")->text(), QString("Serie A"));
        QVERIFY(w_->findChild<QRadioButton*>("Option2")->isChecked());
        QCOMPARE(box("Text1")->text(), QString("2"));
        QCOMPARE(box("Text2")->text(), QString("1"));
        QCOMPARE(box("Text3")->text(), QString("0"));
        QCOMPARE(lista()->count(), 5);
        for (int i = 0; i < 5; ++i) QCOMPARE(lista()->item(i)->text(), nomi()[i]);
        QCOMPARE(box("Text4")->maxLength(), 200);
    }

    void spinner_data()
    {
        QTest::addColumn<QString>("prima");
        QTest::addColumn<int>("verso");
        QTest::addColumn<QString>("dopo");
        QTest::newRow("giu su 0") << "0" << -1 << "0";
        QTest::newRow("su 3") << "3" << 1 << "4";
        QTest::newRow("giu su 3") << "3" << -1 << "2";
        QTest::newRow("su senza limite") << "255" << 1 << "256";
    }
    void spinner()
    {
        QFETCH(QString, prima);
        QFETCH(int, verso);
        QFETCH(QString, dopo);
        for (const char* nome : {"UpDown1", "UpDown2", "UpDown3"}) {
            auto* s = w_->findChild<Spinner*>(nome);
            s->compagno()->setText(prima);
            verso > 0 ? s->su() : s->giu();
            QCOMPARE(s->compagno()->text(), dopo);
        }
    }

    void salva_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("vittoria");
        QTest::addColumn<bool>("tradizionale");
        QTest::addColumn<QString>("nomeScritto");
        QTest::addColumn<int>("puntiScritti");  // -1: refused; -2: a file without its CAMPIONATO row
        QTest::newRow("tradizionale") << "Serie B"
                                      << "3" << true << "Serie B" << 3;
        QTest::newRow("personale") << "Serie B"
                                   << "3" << false << "Serie B" << 3;
        QTest::newRow("lettere") << "Serie B"
                                 << "tre" << true << "Serie B" << 0;
        QTest::newRow("nome vuoto") << ""
                                    << "3" << true << " " << 3;
        QTest::newRow("255") << "Serie B"
                             << "255" << true << "Serie B" << 255;
        QTest::newRow("256") << "Serie B"
                             << "256" << true << "" << -1;
        QTest::newRow("negativo") << "Serie B"
                                  << "-2" << true << "" << -1;
        QTest::newRow("senza riga CAMPIONATO") << "Serie B"
                                               << "3" << true << "" << -2;
    }
    void salva()
    {
        QFETCH(QString, nome);
        QFETCH(QString, vittoria);
        QFETCH(bool, tradizionale);
        QFETCH(QString, nomeScritto);
        QFETCH(int, puntiScritti);
        if (puntiScritti == -2) Esegui("DELETE FROM CAMPIONATO");
        const QByteArray prima = AmbienteTest::impronta(dati_.percorso);
        box("Text4")->setText(nome);
        box("Text1")->setText(vittoria);
        box("Text3")->setText("1");
        w_->findChild<QRadioButton*>(tradizionale ? "Option1" : "Option2")->setChecked(true);
        if (puntiScritti < 0) amb_->messaggi().ok();
        clic("Command2");
        if (puntiScritti == -2) {
            // Nothing to write into: the user is told, and the edits stay on screen.
            QVERIFY(amb_->messaggi().ultimo().testo.startsWith("Impossibile salvare le proprietà del campionato."));
            QVERIFY(AmbienteTest::caricata("Form41"));
            QCOMPARE(box("Text4")->text(), nome);
            QCOMPARE(AmbienteTest::impronta(dati_.percorso), prima);
            return;
        }
        if (puntiScritti < 0) {
            QCOMPARE(amb_->messaggi().ultimo().testo,
                     QString("Attenzione: i punti da assegnare per una vittoria, un pareggio o una sconfitta vanno "
                             "indicati con un numero da 0 a 255."));
            QCOMPARE(amb_->messaggi().ultimo().titolo, QString("Proprietà del campionato"));
            QCOMPARE(QApplication::focusWidget(), box("Text1"));
            QVERIFY(AmbienteTest::caricata("Form41"));
            QCOMPARE(AmbienteTest::impronta(dati_.percorso), prima);
            return;
        }
        QVERIFY(!AmbienteTest::caricata("Form41"));
        Query c("SELECT DENOM, PUNTIVIT, PUNTIX, PUNTISC, NUMERAZIONE FROM CAMPIONATO");
        QVERIFY(c.next());
        QCOMPARE(c.testo(0), nomeScritto);
        QCOMPARE(c.intero(1), puntiScritti);
        QCOMPARE(c.intero(2), 1);
        QCOMPARE(c.intero(3), 1);
        QCOMPARE(c.intero(4), tradizionale ? 1 : 2);
        // The reload applied the new settings.
        QCOMPARE(stato().Denominazione, nomeScritto);
        QCOMPARE(TitoloPrincipale(), "Golvarno 2000 - " + nomeScritto);
        QCOMPARE(stato().PuntiVittoria, puntiScritti);
        QCOMPARE(stato().NumerazioneTradizionale, tradizionale);

        w_ = amb_->mostra<ProprietaCampionatoWindow>("Form41");
        QVERIFY(w_->findChild<QRadioButton*>(tradizionale ? "Option1" : "Option2")->isChecked());
    }

    // Every column that holds the old name takes the new one; the team whose name starts the same stays.
    void rinomina()
    {
        const QList<int> roma = occorrenze("Roma");
        const QList<int> romaNord = occorrenze("Roma Nord");
        QVERIFY(roma[1] > 0 && roma[2] > 0 && roma[3] > 0 && roma[4] > 0 && roma[5] > 0);
        QVERIFY(romaNord[1] + romaNord[2] > 0);
        const int codice = dati_.codici.value("Roma");

        seleziona("Roma");
        amb_->messaggi().si().testo("AS Roma").si();
        clic("Command1");
        QCOMPARE(amb_->messaggi().quanti(), 3);
        QCOMPARE(amb_->messaggi().mostrati()[0].testo, QString("Cambiare il nome della squadra Roma ?"));
        QCOMPARE(amb_->messaggi().mostrati()[0].icona, Messaggio::Icona::Domanda);
        QCOMPARE(amb_->messaggi().mostrati()[1].testo, QString("Inserire il nuovo nome per Roma"));
        QCOMPARE(amb_->messaggi().mostrati()[1].titolo, QString("Rinominare una squadra"));
        QCOMPARE(amb_->messaggi().mostrati()[2].testo, QString("Confermi di cambiare il nome\rRoma con AS Roma ?"));

        QCOMPARE(occorrenze("AS Roma"), roma);
        QCOMPARE(occorrenze("Roma"), (QList<int>{0, 0, 0, 0, 0, 0}));
        QCOMPARE(occorrenze("Roma Nord"), romaNord);
        QCOMPARE(Valore("SELECT NOME FROM SQUADRA WHERE CODICE = ?", {codice}).toString(), QString("AS Roma"));
        QCOMPARE(lista()->item(3)->text(), QString("AS Roma"));
        QCOMPARE(stato().Squadre[4].Nome, QString("AS Roma"));
        QCOMPARE(stato().Squadre[4].Codice.toInt(), codice);
        QVERIFY(AmbienteTest::caricata("Form41"));
    }

    // In a pairing only the side that the team plays changes.
    void rinominaUnaPartita()
    {
        const PartitaFixture* p = nullptr;
        for (const PartitaFixture& x : dati_.partite)
            if (x.sq1 == "Lazio" || x.sq2 == "Lazio") {
                p = &x;
                break;
            }
        QVERIFY(p);
        seleziona("Lazio");
        amb_->messaggi().si().testo("SS Lazio").si();
        clic("Command1");
        Query q("SELECT SQ1, SQ2 FROM PARTITA WHERE CODPART = ?", {p->codPart});
        QVERIFY(q.next());
        QCOMPARE(q.testo(0), p->sq1 == "Lazio" ? QString("SS Lazio") : p->sq1);
        QCOMPARE(q.testo(1), p->sq2 == "Lazio" ? QString("SS Lazio") : p->sq2);
    }

    void rinominaRifiutata_data()
    {
        QTest::addColumn<bool>("selezione");
        QTest::addColumn<QStringList>("risposte");  // "si", "no", "annulla" (input), or the typed text
        QTest::addColumn<QString>("rifiuto");       // the last message, a refusal; "" : none
        QTest::newRow("nessuna selezione") << false << QStringList{} << "Selezionare una squadra da rinominare!";
        QTest::newRow("no alla prima domanda") << true << QStringList{"no"} << "";
        QTest::newRow("input annullato") << true << QStringList{"si", "annulla"} << "";
        QTest::newRow("input vuoto") << true << QStringList{"si", ""} << "";
        QTest::newRow("apostrofo") << true << QStringList{"si", "L'Urbe"}
                                   << "Attenzione: bisogna cambiare il nome di: L'Urbe\rNon è possibile usare "
                                      "l'apostrofo ' per indicare il nome di una squadra";
        QTest::newRow("solo spazi") << true << QStringList{"si", "   "}
                                    << "Attenzione: il nome di una squadra non può essere fatto di soli spazi.";
        QTest::newRow("troppo lungo") << true << QStringList{"si", QString(31, 'x')}
                                      << "Attenzione: il nome di una squadra può contenere al massimo 30 caratteri.";
        QTest::newRow("nome di un'altra squadra")
            << true << QStringList{"si", "lazio"}
            << "Attenzione: il nome lazio è già usato da un'altra squadra.\rOgni squadra deve avere un nome diverso.";
        QTest::newRow("no alla conferma") << true << QStringList{"si", "AS Roma", "no"} << "";
    }
    void rinominaRifiutata()
    {
        QFETCH(bool, selezione);
        QFETCH(QStringList, risposte);
        QFETCH(QString, rifiuto);
        const QByteArray prima = AmbienteTest::impronta(dati_.percorso);
        if (selezione) seleziona("Roma");
        for (const QString& r : risposte) {
            if (r == "si")
                amb_->messaggi().si();
            else if (r == "no")
                amb_->messaggi().no();
            else if (r == "annulla")
                SeamMessaggi::accodaAnnullaInput();
            else
                amb_->messaggi().testo(r);
        }
        if (!rifiuto.isEmpty()) amb_->messaggi().ok();
        clic("Command1");
        if (!rifiuto.isEmpty()) {
            QCOMPARE(amb_->messaggi().ultimo().testo, rifiuto);
            QCOMPARE(amb_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
        }
        QCOMPARE(AmbienteTest::impronta(dati_.percorso), prima);
        QCOMPARE(stato().Squadre[4].Nome, QString("Roma"));
        QCOMPARE(lista()->item(3)->text(), QString("Roma"));
    }

    // A change of case only is the same team: accepted.
    void cambioDiMaiuscole()
    {
        seleziona("Roma");
        amb_->messaggi().si().testo("ROMA").si();
        clic("Command1");
        QCOMPARE(Valore("SELECT NOME FROM SQUADRA WHERE CODICE = ?", {dati_.codici.value("Roma")}).toString(),
                 QString("ROMA"));
        QCOMPARE(lista()->item(3)->text(), QString("ROMA"));
    }

    void rinominaFallita_data()
    {
        QTest::addColumn<bool>("squadraSparita");
        QTest::newRow("errore nell'ultima tabella") << false;
        QTest::newRow("squadra non più nel file") << true;
    }
    // A failure in the last table, or a team gone from the file since the list was read, leaves every
    // table with the old name.
    void rinominaFallita()
    {
        QFETCH(bool, squadraSparita);
        if (squadraSparita)
            Esegui("DELETE FROM SQUADRA WHERE NOME = 'Roma'");
        else
            Esegui("CREATE TRIGGER blocca BEFORE UPDATE ON RETI BEGIN SELECT RAISE(FAIL, 'reti bloccate'); END");
        const QList<int> roma = occorrenze("Roma");
        seleziona("Roma");
        amb_->messaggi().si().testo("AS Roma").si().ok();
        clic("Command1");
        QVERIFY(amb_->messaggi().ultimo().testo.startsWith("Impossibile rinominare la squadra Roma\r\r"));
        QCOMPARE(occorrenze("Roma"), roma);
        QCOMPARE(occorrenze("AS Roma"), (QList<int>{0, 0, 0, 0, 0, 0}));
        QCOMPARE(stato().Squadre[4].Nome, QString("Roma"));
        QCOMPARE(lista()->item(3)->text(), QString("Roma"));
    }

    void chiudiNonScrive()
    {
        const QByteArray prima = AmbienteTest::impronta(dati_.percorso);
        box("Text4")->setText("Altro");
        clic("Command3");
        QVERIFY(!AmbienteTest::caricata("Form41"));
        QCOMPARE(AmbienteTest::impronta(dati_.percorso), prima);
        QCOMPARE(stato().Denominazione, QString("Serie A"));
    }
};

QTEST_MAIN(TestProprieta)
#include "tst_proprieta.moc"
