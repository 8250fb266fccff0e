#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include "core/utilita.h"
#include "shell/finestrecampionato.h"
#include "shell/nuovocampionatowizard.h"
#include "support/fixturecampionato.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The new-championship wizard: the checks of both steps, the file it writes and how it ends.
class TestNuovoCampionato : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    NuovoCampionatoWizard* w_ = nullptr;

    QLineEdit* box(const QString& nome) const { return w_->findChild<QLineEdit*>(nome); }
    QLineEdit* nome(int riga) const { return box(QStringLiteral("Text8_%1").arg(riga - 1)); }
    QString fase() const { return w_->findChild<QLabel*>("Label11")->text(); }
    QPushButton* pulsante(const QString& nome) const { return w_->findChild<QPushButton*>(nome); }
    void avanti() const { QTest::mouseClick(pulsante("Command4"), Qt::LeftButton); }
    void indietro() const { QTest::mouseClick(pulsante("Command1"), Qt::LeftButton); }

    void compila(const QString& file, int squadre)
    {
        box("Text1")->setText(file);
        box("Text4")->setText(QString::number(squadre));
        box("Text3")->setText(QStringLiteral("Serie di prova"));
    }
    void nomina(int squadre, const QString& prefisso = QStringLiteral("Squadra "))
    {
        for (int i = 1; i <= squadre; ++i) nome(i)->setText(prefisso + QString::number(i));
    }
    void vaiAlPasso2(const QString& file, int squadre)
    {
        compila(file, squadre);
        avanti();
        QCOMPARE(fase(), QString("2"));
    }

private slots:
    void init()
    {
        amb_ = std::make_unique<AmbienteTest>(RegistraFinestreCampionato);
        w_ = amb_->mostra<NuovoCampionatoWizard>("Form9");
        QVERIFY(w_);
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        amb_.reset();
    }

    void controlliPasso1_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("squadre");
        QTest::addColumn<QString>("vittoria");
        QTest::addColumn<QString>("testo");  // "" : step 2 is reached
        QTest::addColumn<QString>("focus");

        const QString numero = "Attenzione: il numero di squadre partecipanti al campionato non è corretto. Si possono "
                               "iscrivere da 4 fino a 20 squadre.";
        const QString stelle = "Non si possono usare caratteri come * o ?  nell'indicare il nome del file.";
        const QString punto = "L'estensione del file va inserita nel riquadro a sinistra della dicitura 'Estensione'.";
        const QString esiste = "Attenzione: il file esiste.GVN\resiste già. Occorre cambiare il nome del file.";
        const QString punti = "Attenzione: i punti da assegnare per una vittoria, un pareggio o una sconfitta vanno "
                              "indicati con un numero da 0 a 255.";
        // clang-format off
        QTest::newRow("nome vuoto") << "" << "3" << "3" << "Attenzione: non è stato inserito il nome del file." << "Text1";
        QTest::newRow("punto") << "serie.a" << "16" << "3" << punto << "Text1";
        QTest::newRow("asterisco") << "se*rie" << "16" << "3" << stelle << "Text1";
        QTest::newRow("file esistente") << "esiste" << "16" << "3" << esiste << "Text1";
        // The first failing check is the only one reported.
        QTest::newRow("punto e 3 squadre") << "serie.a" << "3" << "300" << punto << "Text1";
        QTest::newRow("file esistente e 21 squadre") << "esiste" << "21" << "3" << esiste << "Text1";
        QTest::newRow("21 squadre e punti 300") << "serie" << "21" << "300" << numero << "Text4";
        QTest::newRow("3 squadre") << "serie" << "3" << "3" << numero << "Text4";
        QTest::newRow("squadre vuoto") << "serie" << "" << "3" << numero << "Text4";
        QTest::newRow("squadre lettere") << "serie" << "sedici" << "3" << numero << "Text4";
        QTest::newRow("4 squadre") << "serie" << "4" << "3" << "" << "";
        QTest::newRow("20 squadre") << "serie" << "20" << "3" << "" << "";
        QTest::newRow("numero e parole") << "serie" << "12 squadre" << "3" << numero << "Text4";
        QTest::newRow("punti 3,5") << "serie" << "16" << "3,5" << punti << "Text5";
        QTest::newRow("punti 256") << "serie" << "16" << "256" << punti << "Text5";
        QTest::newRow("punti 255") << "serie" << "16" << "255" << "" << "";
        // clang-format on
    }
    void controlliPasso1()
    {
        QFETCH(QString, file);
        QFETCH(QString, squadre);
        QFETCH(QString, vittoria);
        QFETCH(QString, testo);
        QFETCH(QString, focus);
        QFile esistente(amb_->percorso("esiste.GVN"));
        QVERIFY(esistente.open(QIODevice::WriteOnly));
        esistente.close();

        box("Text1")->setText(file);
        box("Text4")->setText(squadre);
        box("Text5")->setText(vittoria);
        if (!testo.isEmpty()) amb_->messaggi().ok();
        avanti();
        if (testo.isEmpty()) {
            QCOMPARE(amb_->messaggi().quanti(), 0);
            QCOMPARE(fase(), QString("2"));
            QVERIFY(pulsante("Command1")->isEnabled());
            const int n = Val(squadre);
            for (int i = 1; i <= 20; ++i) QCOMPARE(nome(i)->isVisibleTo(w_), i <= n);
            return;
        }
        QCOMPARE(amb_->messaggi().quanti(), 1);
        const auto m = amb_->messaggi().ultimo();
        QCOMPARE(m.testo, testo);
        QCOMPARE(m.icona, Messaggio::Icona::Critica);
        QCOMPARE(fase(), QString("1"));
        QCOMPARE(QApplication::focusWidget(), box(focus));
    }

    void controlliPasso2_data()
    {
        QTest::addColumn<QStringList>("nomi");  // rows 1 to 5; a sixth entry goes into the hidden row 6
        QTest::addColumn<QString>("testo");     // "" : accepted
        QTest::addColumn<int>("focus");         // 0: none checked
        QTest::addColumn<QString>("estensione");

        // The checks' messages start so; the file keeps one blank for "no team", so a name of blanks is refused.
        // clang-format off
        QTest::newRow("riga 3 vuota e apostrofo in 5") << QStringList{"A", "B", "", "D", "L'Aquila"} << "Attenzione: hai dimenticato di inserire il nome di una squadra, precisamente nella riga n.° 3" << 3 << "GVN";
        QTest::newRow("apostrofo") << QStringList{"A", "B", "C", "L'Aquila", "E"} << "Attenzione: bisogna cambiare il nome di: L'Aquila\rNon è possibile usare l'apostrofo" << 4 << "GVN";
        QTest::newRow("nome ripetuto") << QStringList{"Roma", "Lazio", "ROMA", "D", "E"} << "Attenzione: il nome ROMA è già usato da un'altra squadra." << 3 << "GVN";
        QTest::newRow("nome ripetuto con spazi") << QStringList{"Roma", "Lazio", "D", "Lazio ", "E"} << "Attenzione: il nome Lazio  è già usato da un'altra squadra." << 4 << "GVN";
        QTest::newRow("riga nascosta ignorata") << QStringList{"A", "B", "C", "D", "E", "L'intrusa"} << "" << 0 << "GVN";
        QTest::newRow("solo spazi") << QStringList{"A", "B", "   ", "D", "E"} << "Attenzione: il nome di una squadra non può essere fatto di soli spazi." << 3 << "GVN";
        QTest::newRow("file non creabile") << QStringList{"A", "B", "C", "D", "E"} << "Impossibile creare il file serie.GVN/dentro\r\r" << 0 << "GVN/dentro";
        // clang-format on
    }
    void controlliPasso2()
    {
        QFETCH(QStringList, nomi);
        QFETCH(QString, testo);
        QFETCH(int, focus);
        QFETCH(QString, estensione);
        box("Text2")->setText(estensione);  // a folder that does not exist cannot hold the file
        vaiAlPasso2("serie", 5);
        for (int i = 0; i < nomi.size(); ++i) nome(i + 1)->setText(nomi[i]);
        if (testo.isEmpty()) {
            amb_->messaggi().no();  // the calendar question
            avanti();
            QVERIFY(QFile::exists(amb_->percorso("serie.GVN")));
            QCOMPARE(Valore("SELECT COUNT(*) FROM SQUADRA").toInt(), 5);
            return;
        }
        amb_->messaggi().ok();
        avanti();
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QVERIFY(amb_->messaggi().ultimo().testo.startsWith(testo));
        QCOMPARE(fase(), QString("2"));
        if (focus) QCOMPARE(QApplication::focusWidget(), nome(focus));
        QVERIFY(AmbienteTest::caricata("Form9"));
        QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QVERIFY(!stato().CampionatoAperto);
        QVERIFY(stato().PercorsoCampionato.isEmpty());
    }

    void fattoScriveIlCampionato_data()
    {
        QTest::addColumn<QString>("estensione");
        QTest::addColumn<QString>("denominazione");
        QTest::addColumn<bool>("tradizionale");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("denomScritta");
        // clang-format off
        QTest::newRow("valori di progetto") << "GVN" << "Serie A" << true << "serie.GVN" << "Serie A";
        QTest::newRow("nome vuoto, numeri personali") << "GVN" << "" << false << "serie.GVN" << " ";
        QTest::newRow("estensione vuota") << "" << "Serie A" << true << "serie." << "Serie A";
        // clang-format on
    }
    void fattoScriveIlCampionato()
    {
        QFETCH(QString, estensione);
        QFETCH(QString, denominazione);
        QFETCH(bool, tradizionale);
        QFETCH(QString, file);
        QFETCH(QString, denomScritta);
        box("Text1")->setText("serie");
        box("Text2")->setText(estensione);
        box("Text3")->setText(denominazione);
        box("Text4")->setText("6");
        box("Text5")->setText("2");
        w_->findChild<QRadioButton*>(tradizionale ? "Option1" : "Option2")->setChecked(true);
        avanti();
        const QStringList nomi{"Torino", "Atalanta", "Milan", "Bologna", "Udinese", "Como"};
        for (int i = 0; i < 6; ++i) nome(i + 1)->setText(nomi[i]);
        amb_->messaggi().no();
        avanti();

        // The opening routine asked its calendar question once, naming the new file.
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QVERIFY(amb_->messaggi().ultimo().testo.startsWith("Il file " + file + "\rè stato creato"));
        QCOMPARE(amb_->messaggi().ultimo().pulsanti, Messaggio::Pulsanti::SiNo);

        QVERIFY(QFile::exists(amb_->percorso(file)));
        QCOMPARE(stato().PercorsoCampionato, file);
        QVERIFY(stato().CampionatoAperto);
        QCOMPARE(stato().CampionatoCreato, 0);
        QCOMPARE(stato().NumeroSquadre, 6);
        QCOMPARE(stato().Squadre[1].Nome, QString("Atalanta"));
        QVERIFY(!AmbienteTest::caricata("Form9"));

        QCOMPARE(Valore("SELECT GIORNATEINS || '|' || NUMSQUADRE || '|' || PUNTIVIT || '|' || PUNTIX || '|' || PUNTISC "
                        "|| '|' || DENOM || '|' || NUMERAZIONE || '|' || CODCAMP || '|' || COUNT(*) FROM CAMPIONATO")
                     .toString(),
                 QStringLiteral("0|6|2|1|0|%1|%2|1|1").arg(denomScritta).arg(tradizionale ? 1 : 2));
        QCOMPARE(Valore("SELECT GROUP_CONCAT(CODICE || NOME || IFNULL(CITTA, '') || IFNULL(PENALITA, ''), ',') "
                        "FROM (SELECT * FROM SQUADRA ORDER BY CODICE)")
                     .toString(),
                 "1Torino,2Atalanta,3Milan,4Bologna,5Udinese,6Como");
        for (const char* t : {"PARTITA", "GIORNATA", "GIOCATORE", "RETI", "PRESENZE", "PUNTISQUADRE"})
            QCOMPARE(Valore(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t)).toInt(), 0);
    }

    void sostituisceIlCampionatoAperto_data()
    {
        QTest::addColumn<bool>("rifiuta");
        QTest::newRow("le finestre si chiudono") << false;
        QTest::newRow("una finestra resta aperta") << true;
    }
    // With a championship open, its windows close first. One that stays open keeps the wizard open on its
    // step, with what was typed, and no file is made; once it closes, "Fatto" goes through.
    void sostituisceIlCampionatoAperto()
    {
        QFETCH(bool, rifiuta);
        const QString vecchio = amb_->percorso("vecchio.GVN");
        FixtureCampionato(vecchio).squadre(4).crea();
        QVERIFY(ApriFileComeCampionato(vecchio));
        FinestraDiTest::registra("Form5", [rifiuta](FinestraDiTest& f) { f.rifiutaScarico = rifiuta; });
        Finestre::istanza().mostra("Form5");
        w_ = amb_->mostra<NuovoCampionatoWizard>("Form9");
        QVERIFY(w_);
        vaiAlPasso2("nuovo", 4);
        nomina(4);
        if (rifiuta) {
            amb_->messaggi().ok();
            avanti();
            QCOMPARE(amb_->messaggi().quanti(), 1);
            QVERIFY(amb_->messaggi().ultimo().testo.startsWith("Il nuovo campionato non è stato creato."));
            QVERIFY(AmbienteTest::caricata("Form9"));
            QCOMPARE(fase(), QString("2"));
            QCOMPARE(nome(4)->text(), QString("Squadra 4"));
            QVERIFY(!QFile::exists(amb_->percorso("nuovo.GVN")));
            QCOMPARE(stato().PercorsoCampionato, vecchio);
            FinestraDiTest::di("Form5")->rifiutaScarico = false;
            amb_->messaggi().svuota();
        }
        amb_->messaggi().no();
        avanti();
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QVERIFY(!AmbienteTest::caricata("Form9"));
        QVERIFY(!AmbienteTest::caricata("Form5"));
        QCOMPARE(stato().PercorsoCampionato, QString("nuovo.GVN"));
        QCOMPARE(stato().Squadre[4].Nome, QString("Squadra 4"));
    }

    // The values a new wizard offers; back to step 1 by "Indietro" and by a new activation, the rows keep
    // their text. Annulla leaves no file.
    void ritornoAlPasso1()
    {
        QCOMPARE(fase(), QString("1"));
        QStringList valori;
        for (const char* nome : {"Text2", "Text4", "Text5", "Text6", "Text7"}) valori << box(nome)->text();
        QCOMPARE(valori, (QStringList{"GVN", "16", "3", "1", "0"}));
        QVERIFY(w_->findChild<QRadioButton*>("Option1")->isChecked());
        QVERIFY(!pulsante("Command1")->isEnabled());
        QCOMPARE(nome(1)->maxLength(), 30);
        vaiAlPasso2("serie", 10);
        nomina(12);
        QVERIFY(!nome(11)->isVisibleTo(w_));
        indietro();
        QCOMPARE(fase(), QString("1"));
        box("Text4")->setText("12");
        avanti();
        QVERIFY(nome(12)->isVisibleTo(w_));
        QCOMPARE(nome(11)->text(), QString("Squadra 11"));

        QCOMPARE(amb_->mostra<NuovoCampionatoWizard>("Form9"), w_);
        QCOMPARE(fase(), QString("1"));
        QCOMPARE(box("Text1")->text(), QString("serie"));
        QTest::mouseClick(pulsante("Command2"), Qt::LeftButton);
        QVERIFY(!AmbienteTest::caricata("Form9"));
        QVERIFY(!QFile::exists(amb_->percorso("serie.GVN")));
        QVERIFY(!stato().CampionatoAperto);
    }
};

QTEST_MAIN(TestNuovoCampionato)
#include "tst_nuovocampionato.moc"
