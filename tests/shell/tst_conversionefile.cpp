#include "ambientemdi.h"
#include "shell/conversionefile.h"
#include "support/ambientetest.h"
#include "support/fixturecampionato.h"
#include "support/vecchioformato.h"

#include <memory>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString SUCCESSO = QStringLiteral("Il file è stato convertito con successo!\rSi desidera aprirlo adesso?");

}  // namespace

// The conversion of a file of the previous version into a copy in the current layout.
class TestConversioneFile : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteMdi> amb_;

    QString vecchio(const QString& nome)
    {
        const QString percorso = amb_->ambiente().percorso(nome);
        VecchioFormato::creaStagione(percorso, 6);
        return percorso;
    }

    QString aperto(const QString& nome = "in uso.GVN")
    {
        const QString percorso = amb_->ambiente().percorso(nome);
        FixtureCampionato(percorso).denominazione("In uso").squadre(6).crea();
        amb_->apri(percorso);
        amb_->messaggi().svuota();
        return percorso;
    }

    void converti(const QString& scelto)
    {
        amb_->messaggi().file(scelto);
        amb_->esegui("AggiornaFiles");
    }

    QStringList files() const { return QDir::current().entryList(QDir::Files, QDir::Name); }

private slots:
    void init() { amb_ = std::make_unique<AmbienteMdi>(); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        amb_.reset();
    }

    void nomeCopia_data()
    {
        QTest::addColumn<QString>("cartella");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("esistenti");
        QTest::addColumn<QString>("atteso");
        // clang-format off
        QTest::newRow("semplice") << "" << "Serie A.GVN" << QStringList{} << "Serie A 2000.GVN";
        QTest::newRow("2000 preso") << "" << "Serie A.GVN" << QStringList{"Serie A 2000.GVN"} << "Serie A 2001.GVN";
        QTest::newRow("due punti") << "" << "Serie A 98.99.GVN" << QStringList{} << "Serie A 98 2000.99.GVN";
        QTest::newRow("punto nella cartella") << "Dati.old" << "Serie A.GVN" << QStringList{} << "Serie A 2000.GVN";
        QTest::newRow("senza punto") << "" << "Serie A" << QStringList{} << "Serie A 2000";
        // clang-format on
    }
    void nomeCopia()
    {
        QFETCH(QString, cartella);
        QFETCH(QString, nome);
        QFETCH(QStringList, esistenti);
        QFETCH(QString, atteso);
        QDir base = QDir::current();
        QVERIFY(cartella.isEmpty() || base.mkpath(cartella));
        const QDir qui(base.filePath(cartella.isEmpty() ? "." : cartella));
        for (const QString& e : esistenti) {
            QFile f(qui.filePath(e));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QString originale = qui.absoluteFilePath(nome);
        QCOMPARE(ConversioneFile::nomeCopia(originale), qui.absoluteFilePath(atteso));
    }

    void convertiEApri()
    {
        const QString v = vecchio("Serie A.GVN");
        const QByteArray prima = AmbienteTest::impronta(v);
        const QString copia = amb_->ambiente().percorso("Serie A 2000.GVN");
        amb_->messaggi().si().si();
        converti(v);
        const auto& m = amb_->messaggi().mostrati();
        QCOMPARE(m.size(), 3);
        QVERIFY(m[1].testo.contains(copia));
        QCOMPARE(m[2].testo, SUCCESSO);

        QCOMPARE(AmbienteTest::impronta(v), prima);
        QCOMPARE(stato().PercorsoCampionato, copia);
        QVERIFY(stato().CampionatoAperto);
        QCOMPARE(DbCampionato().databaseName(), copia);
        QCOMPARE(stato().NumeroSquadre, 6);
        // The copy is in the current layout.
        QCOMPARE(Valore("SELECT COUNT(*) FROM Presenze WHERE Girone NOT IN (-1, 0)").toInt(), 0);

        // The open dialog starts from the file chosen for the conversion, with its own title.
        amb_->apri(QString());
        QCOMPARE(amb_->messaggi().ultimo().valoreIniziale, v);

        // Converting it again gives the next name.
        amb_->messaggi().si().no();
        converti(v);
        QVERIFY(QFile::exists(amb_->ambiente().percorso("Serie A 2001.GVN")));
        QCOMPARE(AmbienteTest::impronta(v), prima);
    }

    void nonAprireLaCopia_data()
    {
        QTest::addColumn<bool>("rifiuta");  // answered Yes, but a window of the championship in use stays open
        QTest::newRow("risposta no") << false;
        QTest::newRow("una finestra resta aperta") << true;
    }
    // Not opening the copy keeps the championship in use, with its windows; a copy made but not opened is
    // never left unsaid.
    void nonAprireLaCopia()
    {
        QFETCH(bool, rifiuta);
        const QString a = aperto();
        FinestraDiTest::registra("Form6", [rifiuta](FinestraDiTest& f) { f.rifiutaScarico = rifiuta; });
        Finestre::istanza().mostra("Form6");
        const QString v = vecchio("vecchio.GVN");
        const QString copia = amb_->ambiente().percorso("vecchio 2000.GVN");
        if (rifiuta)
            amb_->messaggi().si().si().ok();
        else
            amb_->messaggi().si().no();
        converti(v);
        if (rifiuta) {
            QCOMPARE(amb_->messaggi().ultimo().testo.section('\r', 0, 2),
                     "La copia convertita\r" + copia + "\rè stata creata ma non è stata aperta.");
            QCOMPARE(amb_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
        } else {
            QCOMPARE(amb_->messaggi().ultimo().testo, SUCCESSO);
        }
        QVERIFY(QFile::exists(copia));
        QCOMPARE(stato().PercorsoCampionato, a);
        QCOMPARE(DbCampionato().databaseName(), a);
        QVERIFY(Finestre::istanza().visibile("Form6"));
        FinestraDiTest::di("Form6")->rifiutaScarico = false;
    }

    // Nothing converted leaves no copy, never reports success and keeps the championship in use: the dialog
    // cancelled, the question answered No, the file in use under any form of its path, a file that is not
    // of the older version, a conversion that fails halfway.
    void nienteConvertito_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("titolo");  // of the last box
        // clang-format off
        QTest::newRow("annullato") << "annulla" << "Selezionare il file da aggiornare";
        QTest::newRow("risposta no") << "no" << "Conversione file";
        QTest::newRow("in uso") << "uguale" << "Conversione impossibile";
        QTest::newRow("in uso, con ./") << "punto" << "Conversione impossibile";
        QTest::newRow("in uso, collegamento") << "link" << "Conversione impossibile";
        QTest::newRow("non un database") << "testo" << "Conversione file";
        QTest::newRow("gia convertito") << "attuale" << "Conversione file";
        QTest::newRow("passaggio fallito") << "blocco" << "Conversione file";
        // clang-format on
    }
    void nienteConvertito()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, titolo);
        const QString a = aperto("in uso.GVN");
        QString scelto = amb_->ambiente().percorso("da convertire.GVN");
        if (tipo == "annulla") scelto.clear();
        if (tipo == "no" || tipo == "blocco") VecchioFormato::creaStagione(scelto, 6);
        if (tipo == "uguale") scelto = a;
        if (tipo == "punto") scelto = QDir::currentPath() + "/./in uso.GVN";
        if (tipo == "link") QVERIFY(QFile::link(a, scelto));
        if (tipo == "attuale") FixtureCampionato(scelto).squadre(4).crea();
        if (tipo == "blocco") {
            // It passes the check but its minutes cannot be rewritten: its own index refuses 50 -> 105 while
            // the row holding 105 is not converted yet.
            {
                QSqlDatabase db = ApriConnessione("blocco", scelto, false, false);
                Esegui("INSERT INTO Presenze (Girone, Giornata, Squadra, Titolare, Riga, Sostituito, Note) "
                       "VALUES (1, 1, 'Nessuna', -1, 1, 50, 'blocco'), (1, 1, 'Nessuna', -1, 2, 105, 'blocco')",
                       {}, db);
                Esegui("CREATE UNIQUE INDEX blocco ON Presenze (Sostituito) WHERE Note = 'blocco'", {}, db);
            }
            ChiudiConnessione("blocco");
        }
        if (tipo == "testo") {
            QFile f(scelto);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("non è un campionato");
        }
        const QStringList prima = files();
        // A file found unfit is refused before the confirmation; a pass that fails, after it.
        if (tipo == "no" || tipo == "blocco")
            amb_->messaggi().risposta(tipo == "no" ? Messaggio::Risposta::No : Messaggio::Risposta::Si);
        if (tipo != "annulla" && tipo != "no") amb_->messaggi().ok();
        converti(scelto);
        QCOMPARE(amb_->messaggi().ultimo().titolo, titolo);
        if (tipo != "annulla" && tipo != "no") {
            QCOMPARE(amb_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
            if (titolo == "Conversione file") QVERIFY(amb_->messaggi().ultimo().testo.contains(scelto));
        }
        for (const auto& m : amb_->messaggi().mostrati()) QVERIFY(m.testo != SUCCESSO);
        QCOMPARE(files(), prima);
        QCOMPARE(stato().PercorsoCampionato, a);
        QCOMPARE(DbCampionato().databaseName(), a);
    }
};

QTEST_MAIN(TestConversioneFile)
#include "tst_conversionefile.moc"
