#include "support/ambientetest.h"

#include "core/utilita.h"
#include "shell/finestrecampionato.h"
#include "shell/nuovastagionewizard.h"
#include "support/fixturecampionato.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
// A window of the championship in use that saves on closing, or refuses to close.
class FinestraCheSalva : public Finestra {
public:
    FinestraCheSalva() : Finestra(QStringLiteral("Form5")) {}
    bool rifiuta = false;
    bool scarica() override
    {
        if (rifiuta) return false;
        Esegui("UPDATE SQUADRA SET CITTA = 'Salvata' WHERE NOME = 'Genoa'");
        return true;
    }
};
}  // namespace

// The new-season wizard: its four steps, its checks, and the new file it makes from the open one.
class TestNuovaStagione : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    NuovaStagioneWizard* w_ = nullptr;
    DatiFixture dati_;
    QByteArray impronta_;  // of the old file before the wizard ran

    static const QStringList& nomi()
    {
        // "&" would mark an access key in a check box's caption.
        static const QStringList n{"Genoa", "Lazio", "Napoli", "Roma", "Roma Nord", "Torino & C."};
        return n;
    }
    QLineEdit* box(const QString& nome) const { return w_->findChild<QLineEdit*>(nome); }
    QLineEdit* nuova(int i) const { return box(QStringLiteral("Text4_%1").arg(i - 1)); }
    QCheckBox* spunta(const QString& squadra) const
    {
        return w_->findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(nomi().indexOf(squadra)));
    }
    QString fase() const { return w_->findChild<QLabel*>("Label7")->text(); }
    QPushButton* pulsante(const QString& nome) const { return w_->findChild<QPushButton*>(nome); }
    void avanti() const { QTest::mouseClick(pulsante("Command2"), Qt::LeftButton); }
    void indietro() const { QTest::mouseClick(pulsante("Command1"), Qt::LeftButton); }
    int caselleVisibili() const
    {
        int n = 0;
        for (int i = 1; i <= 12; ++i) n += nuova(i)->isVisibleTo(w_) ? 1 : 0;
        return n;
    }

    // Steps 1 to 3 with the new file "stagione.GVN": ticks `via`, types `nuove`, ends on step 4.
    void finoAlRiepilogo(const QStringList& via, const QStringList& nuove, const QString& file = "stagione")
    {
        box("Text1")->setText(file);
        box("Text3")->setText("Serie 2001");
        avanti();
        QCOMPARE(fase(), QString("2"));
        for (const QString& s : via) spunta(s)->setChecked(true);
        avanti();
        QCOMPARE(fase(), QString("3"));
        box("Text5")->setText(QString::number(nuove.size()));
        for (int i = 0; i < nuove.size(); ++i) nuova(i + 1)->setText(nuove[i]);
        avanti();
        QCOMPARE(fase(), QString("4"));
    }

    QString percorsoNuovo() const { return amb_->percorso("stagione.GVN"); }

private slots:
    void init()
    {
        amb_ = std::make_unique<AmbienteTest>(RegistraFinestreCampionato);
        dati_ = amb_->apri(FixtureCampionato(amb_->percorso("serie2000.GVN"))
                               .squadre(nomi())
                               .penalita("Lazio", 2)
                               .giocaFinoA(3, true)
                               .rose(15)
                               .formazioni());
        Esegui("UPDATE SQUADRA SET CITTA = 'Roma', ALLENATORE = 'Mister', NOTE = NULL WHERE NOME = 'Lazio'");
        Esegui("INSERT INTO PUNTISQUADRE (NOME, PUNTI) VALUES ('Lazio', 7)");
        impronta_ = AmbienteTest::impronta(dati_.percorso);
        w_ = amb_->mostra<NuovaStagioneWizard>("Form36");
        QVERIFY(w_);
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        amb_.reset();
    }

    void caricamento()
    {
        for (int i = 0; i < 20; ++i) {
            auto* c = w_->findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(i));
            QCOMPARE(!c->isHidden(), i < 6);
            if (i < 6) QCOMPARE(c->text(), QString(nomi()[i]).replace("&", "&&"));
            QVERIFY(!c->isChecked());
        }
    }

    void controlliNomeFile_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("estensione");
        QTest::addColumn<QString>("testo");
        const QString stelle = "Attenzione: il nome del file non può contenere caratteri come * o ?";
        // clang-format off
        QTest::newRow("punto nel nome") << "Roma.GVN" << "GVN" << "Attenzione: l'estensione del nuovo file va inserita nel riquadro Estensione.";
        QTest::newRow("punto nell'estensione") << "Roma" << "G.VN" << "Attenzione: nell'estensione del nuovo file non va inserito il punto (.)";
        QTest::newRow("asterisco") << "Ro*ma" << "GVN" << stelle;
        QTest::newRow("barra rovescia") << "Ro\\ma" << "GVN" << stelle + " o \\";
        QTest::newRow("file esistente") << "serie2000" << "GVN" << "Attenzione: il file serie2000.GVN\resiste già. Occorre cambiare il nome del file.";
        // clang-format on
    }
    void controlliNomeFile()
    {
        QFETCH(QString, nome);
        QFETCH(QString, estensione);
        QFETCH(QString, testo);
        box("Text1")->setText(nome);
        box("Text2")->setText(estensione);
        amb_->messaggi().ok();
        avanti();
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QCOMPARE(amb_->messaggi().ultimo().testo, testo);
        QCOMPARE(fase(), QString("1"));
    }

    void controlliNuoveSquadre_data()
    {
        QTest::addColumn<QStringList>("via");
        QTest::addColumn<QString>("conteggio");
        QTest::addColumn<QStringList>("nuove");
        QTest::addColumn<QString>("testo");  // "" : step 4
        QTest::addColumn<int>("caselle");    // the name boxes shown for the count
        const QString doppio = " è già usato da un'altra squadra.\rOgni squadra deve avere un nome diverso.";
        // clang-format off
        QTest::newRow("seconda vuota") << QStringList{"Roma"} << "3" << QStringList{"Empoli", "", "Parma"} << "Hai dimenticato di inserire il nome della 2a squadra da inserire!" << 3;
        QTest::newRow("apostrofo") << QStringList{} << "1" << QStringList{"L'Aquila"} << "Attenzione: bisogna cambiare il nome di: L'Aquila\rNon è possibile usare l'apostrofo ' per indicare il nome di una squadra" << 1;
        QTest::newRow("come una squadra che resta") << QStringList{"Roma"} << "1" << QStringList{"LAZIO"} << "Attenzione: il nome LAZIO" + doppio << 1;
        QTest::newRow("due nuove uguali") << QStringList{} << "2" << QStringList{"Empoli", "empoli"} << "Attenzione: il nome empoli" + doppio << 2;
        QTest::newRow("come una squadra che resta, con spazi") << QStringList{} << "1" << QStringList{" Lazio  "} << "Attenzione: il nome  Lazio  " + doppio << 1;
        QTest::newRow("come una squadra che esce") << QStringList{"Roma"} << "1" << QStringList{"Roma"} << "" << 1;
        QTest::newRow("solo spazi") << QStringList{} << "1" << QStringList{"  "} << "Attenzione: il nome di una squadra non può essere fatto di soli spazi." << 1;
        QTest::newRow("oltre 12") << QStringList{} << "13" << QStringList{} << "Attenzione: si possono inserire da 0 a 12 nuove squadre." << 12;
        QTest::newRow("1 spazio 2") << QStringList{} << "1 2" << QStringList{} << "Attenzione: si possono inserire da 0 a 12 nuove squadre." << 0;
        QTest::newRow("1 e lettere") << QStringList{} << "1a" << QStringList{"Empoli"} << "Attenzione: si possono inserire da 0 a 12 nuove squadre." << 0;
        QTest::newRow("troppo poche") << QStringList{"Roma", "Lazio", "Genoa"} << "0" << QStringList{} << "Attenzione: il nuovo campionato avrebbe 3 squadre. Si possono iscrivere da 4 fino a 20 squadre." << 0;
        QTest::newRow("quattro") << QStringList{"Roma", "Lazio"} << "0" << QStringList{} << "" << 0;
        // clang-format on
    }
    void controlliNuoveSquadre()
    {
        QFETCH(QStringList, via);
        QFETCH(QString, conteggio);
        QFETCH(QStringList, nuove);
        QFETCH(QString, testo);
        QFETCH(int, caselle);
        box("Text1")->setText("stagione");
        avanti();
        for (const QString& s : via) spunta(s)->setChecked(true);
        avanti();
        // Entering step 3 puts the number of ticked teams in the count; the boxes follow it, within twelve.
        QCOMPARE(box("Text5")->text(), QString::number(via.size()));
        QCOMPARE(caselleVisibili(), via.size());
        box("Text5")->setText(conteggio);
        QCOMPARE(caselleVisibili(), caselle);
        for (int i = 0; i < nuove.size(); ++i) nuova(i + 1)->setText(nuove[i]);
        if (!testo.isEmpty()) amb_->messaggi().ok();
        avanti();
        if (testo.isEmpty()) {
            QCOMPARE(fase(), QString("4"));
            return;
        }
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QCOMPARE(amb_->messaggi().ultimo().testo, testo);
        QCOMPARE(fase(), QString("3"));
    }

    void piuDiVentiSquadre()
    {
        const QString grande = amb_->percorso("grande.GVN");
        FixtureCampionato(grande).squadre(10).crea();
        QVERIFY(ApriFileComeCampionato(grande));
        QVERIFY(!AmbienteTest::caricata("Form36"));
        w_ = amb_->mostra<NuovaStagioneWizard>("Form36");
        box("Text1")->setText("stagione");
        avanti();
        avanti();
        box("Text5")->setText("11");
        for (int i = 1; i <= 11; ++i) nuova(i)->setText(QStringLiteral("Nuova %1").arg(i));
        amb_->messaggi().ok();
        avanti();
        QCOMPARE(amb_->messaggi().ultimo().testo, QString("Attenzione: il nuovo campionato avrebbe 21 squadre. Si "
                                                          "possono iscrivere da 4 fino a 20 squadre."));
        QCOMPARE(fase(), QString("3"));
    }

    // A championship of more than twenty teams (a file from elsewhere) is refused when the wizard loads.
    void campionatoDiPiuDiVentiSquadre()
    {
        const QString grande = amb_->percorso("ventuno.GVN");
        QStringList ventuno;
        for (int i = 1; i <= 21; ++i) ventuno << QStringLiteral("Squadra %1").arg(i, 2, 10, QLatin1Char('0'));
        FixtureCampionato(grande).squadre(ventuno).senzaCalendario().crea();
        QVERIFY(ApriFileComeCampionato(grande));
        amb_->messaggi().ok();
        QVERIFY(!amb_->mostra<NuovaStagioneWizard>("Form36"));
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QVERIFY(amb_->messaggi().ultimo().testo.startsWith("Attenzione: il campionato in uso ha 21 squadre."));
        QVERIFY(!AmbienteTest::caricata("Form36"));
    }

    // "Fatto" closes the windows of the championship in use before copying it, so that what they save on
    // closing is in the new season; one that stays open keeps the wizard on its last step and no file is made.
    void finestreChiusePrimaDellaCopia()
    {
        Finestre::istanza().registra("Form5", [] { return new FinestraCheSalva; });
        auto* salva = static_cast<FinestraCheSalva*>(Finestre::istanza().mostra("Form5"));
        QVERIFY(salva);
        salva->rifiuta = true;
        finoAlRiepilogo({"Roma"}, {"Empoli"});
        amb_->messaggi().ok();
        avanti();
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QVERIFY(amb_->messaggi().ultimo().testo.startsWith("Il nuovo campionato non è stato creato."));
        QCOMPARE(fase(), QString("4"));
        QVERIFY(AmbienteTest::caricata("Form5"));
        QVERIFY(!QFile::exists(percorsoNuovo()));
        QCOMPARE(stato().PercorsoCampionato, dati_.percorso);

        salva->rifiuta = false;
        amb_->messaggi().svuota();
        amb_->messaggi().no();
        avanti();
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QVERIFY(!AmbienteTest::caricata("Form36"));
        QCOMPARE(stato().PercorsoCampionato, percorsoNuovo());
        QCOMPARE(Valore("SELECT CITTA FROM SQUADRA WHERE NOME = 'Genoa'").toString(), QString("Salvata"));
    }

    // Back and forward keep ticks and typed names; each entry into step 3 counts the ticks again.
    void avantiEIndietro()
    {
        finoAlRiepilogo({"Roma"}, {"Empoli", "Parma"});
        QCOMPARE(box("Text6")->text(), QString("stagione.GVN"));
        const auto voci = [this](const char* elenco) {
            QStringList v;
            for (auto* i : w_->findChild<QListWidget*>(elenco)->findItems("*", Qt::MatchWildcard)) v << i->text();
            return v;
        };
        QCOMPARE(voci("List1"), QStringList{"Roma"});
        QCOMPARE(voci("List2"), (QStringList{"Empoli", "Parma"}));

        indietro();
        QCOMPARE(fase(), QString("3"));
        QCOMPARE(box("Text5")->text(), QString("1"));
        QCOMPARE(nuova(2)->text(), QString("Parma"));
        indietro();  // step 3 back to 2 checks the file name again
        QCOMPARE(fase(), QString("2"));
        QVERIFY(spunta("Roma")->isChecked());
        indietro();
        QCOMPARE(fase(), QString("1"));
        QVERIFY(!pulsante("Command1")->isEnabled());
        avanti();
        avanti();
        box("Text5")->setText("2");
        avanti();
        QCOMPARE(fase(), QString("4"));
        QCOMPARE(voci("List2"), (QStringList{"Empoli", "Parma"}));
    }

    // A statement left open on the championship does not stop the copy.
    void nuovaStagioneCompleta()
    {
        Query aperta("SELECT NOME FROM SQUADRA");
        QVERIFY(aperta.next());
        const QString vecchio = dati_.percorso;
        // The club rows of the teams that stay, as they were.
        const auto restantiOra = [] {
            QVector<QVariantList> v;
            Query q("SELECT * FROM SQUADRA WHERE NOME IN ('Genoa', 'Lazio', 'Napoli', 'Roma Nord') ORDER BY CODICE");
            while (q.next()) {
                v << QVariantList();
                for (int i = 0; i < 12; ++i) v.last() << q.valore(i);
            }
            return v;
        };
        const QVector<QVariantList> restanti = restantiOra();
        QCOMPARE(restanti.size(), 4);
        const int giocatoriRestanti = int(dati_.rosa("Genoa").size() + dati_.rosa("Lazio").size() +
                                          dati_.rosa("Napoli").size() + dati_.rosa("Roma Nord").size());
        QVERIFY(Valore("SELECT COUNT(*) FROM GIOCATORE WHERE RETI > 0").toInt() > 0);

        finoAlRiepilogo({"Roma", "Torino & C."}, {"Empoli", "Parma", "Bari"});
        amb_->messaggi().no();
        avanti();

        QCOMPARE(amb_->messaggi().quanti(), 1);
        QVERIFY(amb_->messaggi().ultimo().testo.startsWith("Il file " + percorsoNuovo() + "\rè stato creato"));
        QVERIFY(!AmbienteTest::caricata("Form36"));
        QCOMPARE(AmbienteTest::impronta(vecchio), impronta_);

        // The new file is the open championship.
        QCOMPARE(stato().PercorsoCampionato, percorsoNuovo());
        QCOMPARE(QFileInfo(DbCampionato().databaseName()).canonicalFilePath(),
                 QFileInfo(percorsoNuovo()).canonicalFilePath());
        QCOMPARE(stato().NumeroSquadre, 7);
        QCOMPARE(stato().Denominazione, QString("Serie 2001"));
        QStringList caricate;
        for (int i = 1; i <= 7; ++i) caricate << stato().Squadre[i].Nome;
        QCOMPARE(caricate, (QStringList{"Bari", "Empoli", "Genoa", "Lazio", "Napoli", "Parma", "Roma Nord"}));

        QCOMPARE(Valore("SELECT DENOM || '|' || NUMSQUADRE || '|' || GIORNATEINS || '|' || PUNTIVIT || '|' || "
                        "NUMERAZIONE FROM CAMPIONATO")
                     .toString(),
                 "Serie 2001|7|0|3|1");
        QCOMPARE(restantiOra(), restanti);
        QCOMPARE(Valore("SELECT COUNT(*) FROM SQUADRA WHERE NOME IN ('Roma', 'Torino & C.')").toInt(), 0);
        QCOMPARE(Valore("SELECT GROUP_CONCAT(NOME || IFNULL(CITTA, '') || IFNULL(PENALITA, ''), ',') FROM "
                        "(SELECT * FROM SQUADRA WHERE CODICE > ? ORDER BY CODICE)",
                        {dati_.codici.value("Torino & C.")})
                     .toString(),
                 "Empoli,Parma,Bari");
        QCOMPARE(Valore("SELECT COUNT(*) FROM GIOCATORE").toInt(), giocatoriRestanti);
        QCOMPARE(Valore("SELECT COUNT(*) FROM GIOCATORE WHERE RETI <> 0 OR RETI IS NULL").toInt(), 0);
        for (const char* t : {"PARTITA", "GIORNATA", "PRESENZE", "RETI", "PUNTISQUADRE"})
            QCOMPARE(Valore(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t)).toInt(), 0);
    }

    // Cancelled, a copy that cannot be written, or a failure while emptying the copy: no file is left, the
    // championship in use stays open byte for byte as it was; on a failure the wizard stays open.
    void nienteCreato_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("messaggio");  // its start; "" : none
        // clang-format off
        QTest::newRow("annulla") << "annulla" << "";
        QTest::newRow("cartella mancante") << "cartella" << "Impossibile creare il nuovo campionato manca/stagione.GVN";
        QTest::newRow("errore nei dati della copia") << "dati" << "";
        // clang-format on
    }
    void nienteCreato()
    {
        QFETCH(QString, caso);
        QFETCH(QString, messaggio);
        if (caso == "dati") {
            Esegui("CREATE TRIGGER blocca BEFORE DELETE ON RETI BEGIN SELECT RAISE(FAIL, 'reti bloccate'); END");
            impronta_ = AmbienteTest::impronta(dati_.percorso);
        }
        finoAlRiepilogo({"Roma"}, {"Empoli"}, caso == "cartella" ? "manca/stagione" : "stagione");
        if (caso == "annulla") {
            QTest::mouseClick(pulsante("Command3"), Qt::LeftButton);
        } else {
            amb_->messaggi().ok();
            avanti();
            QVERIFY(amb_->messaggi().ultimo().testo.startsWith(messaggio));
            if (caso == "cartella")
                QVERIFY(amb_->messaggi().ultimo().testo.endsWith("Il campionato in uso resta aperto."));
        }
        QCOMPARE(AmbienteTest::caricata("Form36"), caso != "annulla");
        QCOMPARE(QDir::current().entryList({"*stagione*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(stato().PercorsoCampionato, dati_.percorso);
        QCOMPARE(Valore("SELECT COUNT(*) FROM RETI").toInt(), int(dati_.reti.size()));
        QCOMPARE(AmbienteTest::impronta(dati_.percorso), impronta_);
    }
};

QTEST_MAIN(TestNuovaStagione)
#include "tst_nuovastagione.moc"
