#include "support/ambientetest.h"

#include "core/campionato.h"
#include "shell/finestrecampionato.h"
#include "shell/informazionisocietariewindow.h"
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
        dati_ = amb_->apri(amb_->nuovo()
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
        QCOMPARE(box("Text4")->text(), QString("Serie A"));
        QVERIFY(w_->findChild<QRadioButton*>("Option2")->isChecked());
        QCOMPARE(box("Text1")->text(), QString("2"));
        QCOMPARE(box("Text2")->text(), QString("1"));
        QCOMPARE(box("Text3")->text(), QString("0"));
        QCOMPARE(lista()->count(), 5);
        for (int i = 0; i < 5; ++i) QCOMPARE(lista()->item(i)->text(), nomi()[i]);
    }

    void salva_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("vittoria");
        QTest::addColumn<bool>("tradizionale");
        QTest::addColumn<QString>("nomeScritto");
        QTest::addColumn<int>("puntiScritti");  // -1: refused; -2: a file without its CAMPIONATO row
        // clang-format off
        QTest::newRow("tradizionale") << "Serie B" << "3" << true << "Serie B" << 3;
        QTest::newRow("personale") << "Serie B" << "3" << false << "Serie B" << 3;
        QTest::newRow("lettere") << "Serie B" << "tre" << true << "" << -1;
        QTest::newRow("numero e lettere") << "Serie B" << "3abc" << true << "" << -1;
        QTest::newRow("spazi attorno") << "Serie B" << " 3 " << true << "Serie B" << 3;
        QTest::newRow("nome vuoto") << "" << "3" << true << " " << 3;
        QTest::newRow("255") << "Serie B" << "255" << true << "Serie B" << 255;
        QTest::newRow("256") << "Serie B" << "256" << true << "" << -1;
        QTest::newRow("senza riga CAMPIONATO") << "Serie B" << "3" << true << "" << -2;
        // clang-format on
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
            QVERIFY(amb_->messaggi().ultimo().testo.startsWith("Attenzione: i punti da assegnare"));
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
        QCOMPARE(c.intero(4), tradizionale ? 1 : 2);
        // The reload applied the new settings.
        QCOMPARE(stato().Denominazione, nomeScritto);
        QCOMPARE(TitoloPrincipale(), "Golvarno 2000 - " + nomeScritto);
        QCOMPARE(stato().PuntiVittoria, puntiScritti);
        QCOMPARE(stato().NumerazioneTradizionale, tradizionale);

        w_ = amb_->mostra<ProprietaCampionatoWindow>("Form41");
        QVERIFY(w_->findChild<QRadioButton*>(tradizionale ? "Option1" : "Option2")->isChecked());
    }

    // Every column that holds the old name takes the new one, in a pairing only on the team's side; the team
    // whose name starts the same stays. A change of case only is the same team.
    void rinomina_data()
    {
        QTest::addColumn<QString>("squadra");
        QTest::addColumn<QString>("nuovo");
        // clang-format off
        QTest::newRow("Roma") << "Roma" << "AS Roma";
        QTest::newRow("solo maiuscole") << "Roma" << "ROMA";
        // clang-format on
    }
    void rinomina()
    {
        QFETCH(QString, squadra);
        QFETCH(QString, nuovo);
        const QList<int> prima = occorrenze(squadra), romaNord = occorrenze("Roma Nord");
        QVERIFY(prima[0] == 1 && prima[1] > 0 && prima[2] > 0 && prima[3] > 0 && prima[4] > 0);
        const int codice = dati_.codici.value(squadra), i = int(nomi().indexOf(squadra));
        seleziona(squadra);
        amb_->messaggi().si().testo(nuovo).si();
        clic("Command1");
        QCOMPARE(occorrenze(nuovo), prima);
        if (nuovo.compare(squadra, Qt::CaseInsensitive) != 0)
            QCOMPARE(occorrenze(squadra), (QList<int>{0, 0, 0, 0, 0, 0}));
        QCOMPARE(occorrenze("Roma Nord"), romaNord);
        QCOMPARE(Valore("SELECT NOME FROM SQUADRA WHERE CODICE = ?", {codice}).toString(), nuovo);
        QCOMPARE(lista()->item(i)->text(), nuovo);
        QCOMPARE(stato().Squadre[i + 1].Nome, nuovo);
        QCOMPARE(stato().Squadre[i + 1].Codice.toInt(), codice);
        QVERIFY(AmbienteTest::caricata("Form41"));
    }

    // A rename refused, cancelled or failing halfway (in the last table, or for a team gone from the file
    // since the list was read) leaves the file byte for byte as it was.
    void rinominaRifiutata_data()
    {
        QTest::addColumn<QString>("prepara");       // SQL run first
        QTest::addColumn<QStringList>("risposte");  // "si", "no", "annulla" (input), or the typed text
        QTest::addColumn<QString>("rifiuto");       // the start of the last message, a refusal; "" : none
        const QString nessuna = "UPDATE CAMPIONATO SET DENOM = DENOM";
        // clang-format off
        QTest::newRow("nessuna selezione") << "" << QStringList{} << "Selezionare una squadra da rinominare!";
        QTest::newRow("no alla prima domanda") << nessuna << QStringList{"no"} << "";
        QTest::newRow("input annullato") << nessuna << QStringList{"si", "annulla"} << "";
        QTest::newRow("apostrofo") << nessuna << QStringList{"si", "L'Urbe"} << "Attenzione: bisogna cambiare il nome di: L'Urbe\rNon è possibile usare l'apostrofo";
        QTest::newRow("solo spazi") << nessuna << QStringList{"si", "   "} << "Attenzione: il nome di una squadra non può essere fatto di soli spazi.";
        QTest::newRow("troppo lungo") << nessuna << QStringList{"si", QString(31, 'x')} << "Attenzione: il nome di una squadra può contenere al massimo 30 caratteri.";
        QTest::newRow("nome di un'altra squadra") << nessuna << QStringList{"si", "lazio"} << "Attenzione: il nome lazio è già usato da un'altra squadra.";
        QTest::newRow("nome di un'altra squadra con spazi") << nessuna << QStringList{"si", "Lazio "} << "Attenzione: il nome Lazio  è già usato da un'altra squadra.";
        QTest::newRow("no alla conferma") << nessuna << QStringList{"si", "AS Roma", "no"} << "";
        QTest::newRow("errore nell'ultima tabella") << "CREATE TRIGGER blocca BEFORE UPDATE ON RETI BEGIN SELECT RAISE(FAIL, 'no'); END" << QStringList{"si", "AS Roma", "si"} << "Impossibile rinominare la squadra Roma\r\r";
        QTest::newRow("squadra non più nel file") << "DELETE FROM SQUADRA WHERE NOME = 'Roma'" << QStringList{"si", "AS Roma", "si"} << "Impossibile rinominare la squadra Roma\r\r";
        // Another copy of the program on the same file renamed it, or took the new name, since the list was read.
        QTest::newRow("rinominata altrove") << "UPDATE SQUADRA SET NOME = 'Torino' WHERE NOME = 'Roma'" << QStringList{"si", "AS Roma", "si"} << "Impossibile rinominare la squadra Roma\r\rNel file la squadra Roma ora si chiama Torino";
        QTest::newRow("nome preso altrove") << "UPDATE SQUADRA SET NOME = 'AS Roma' WHERE NOME = 'Genoa'" << QStringList{"si", "AS Roma"} << "Attenzione: il nome AS Roma è già usato da un'altra squadra.";
        // clang-format on
    }
    void rinominaRifiutata()
    {
        QFETCH(QString, prepara);
        QFETCH(QStringList, risposte);
        QFETCH(QString, rifiuto);
        if (!prepara.isEmpty()) {
            Esegui(prepara);
            seleziona("Roma");
        }
        const QByteArray prima = AmbienteTest::impronta(dati_.percorso);
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
            QVERIFY2(amb_->messaggi().ultimo().testo.startsWith(rifiuto), qPrintable(amb_->messaggi().ultimo().testo));
            QCOMPARE(amb_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
        }
        QCOMPARE(AmbienteTest::impronta(dati_.percorso), prima);
        QCOMPARE(stato().Squadre[4].Nome, QString("Roma"));
        QCOMPARE(lista()->item(3)->text(), QString("Roma"));
    }

    // Typed settings or club data are never dropped without a question: the window's button, its close box, the
    // exit and the opening of another championship ask once (Yes saves, No drops, Cancel keeps what was typed).
    void chiusura_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("modo");
        QTest::addColumn<int>("risposta");
        QTest::newRow("proprietà, Chiudi, no") << "Form41"
                                               << "Command3" << int(Messaggio::Risposta::No);
        QTest::newRow("proprietà, casella, sì") << "Form41"
                                                << "casella" << int(Messaggio::Risposta::Si);
        QTest::newRow("proprietà, Esci, annulla") << "Form41"
                                                  << "esci" << int(Messaggio::Risposta::Annulla);
        QTest::newRow("proprietà, apertura, annulla") << "Form41"
                                                      << "apri" << int(Messaggio::Risposta::Annulla);
        QTest::newRow("società, Chiudi, sì") << "Form43"
                                             << "Command2" << int(Messaggio::Risposta::Si);
        QTest::newRow("società, casella, no") << "Form43"
                                              << "casella" << int(Messaggio::Risposta::No);
    }
    void chiusura()
    {
        QFETCH(QString, finestra);
        QFETCH(QString, modo);
        QFETCH(int, risposta);
        const bool si = risposta == int(Messaggio::Risposta::Si), resta = risposta == int(Messaggio::Risposta::Annulla);
        Finestra* f =
            finestra == "Form41" ? static_cast<Finestra*>(w_) : amb_->mostra<InformazioniSocietarieWindow>("Form43");
        auto* casella = f->findChild<QLineEdit*>(finestra == "Form41" ? "Text4" : "Text1");  // name, or coach
        const QString sql = finestra == "Form41" ? "SELECT DENOM FROM CAMPIONATO"
                                                 : "SELECT ALLENATORE FROM SQUADRA WHERE NOME = 'Genoa'";
        const QString prima = Valore(sql).toString();
        casella->setText("Altro");
        amb_->messaggi().risposta(Messaggio::Risposta(risposta));
        if (modo.startsWith("Command")) QTest::mouseClick(f->findChild<QPushButton*>(modo), Qt::LeftButton);
        if (modo == "casella") f->contenitore()->close();
        if (modo == "esci" || modo == "apri")
            QCOMPARE(modo == "esci" ? Finestre::istanza().scaricaTutte() : ChiudiFinestre(), !resta);
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QVERIFY(amb_->messaggi().ultimo().testo.endsWith("Salvare le modifiche prima di chiudere la finestra?"));
        QVERIFY(AmbienteTest::caricata(finestra) == resta && (!resta || casella->text() == "Altro"));
        QCOMPARE(Valore(sql).toString(), si ? "Altro" : prima);
        if (finestra == "Form41")
            QCOMPARE(TitoloPrincipale(), si ? "Golvarno 2000 - Altro" : "Golvarno 2000 - Serie A");
    }
};

QTEST_MAIN(TestProprieta)
#include "tst_proprieta.moc"
