#include "players/finestregiocatori.h"
#include "support/ambientetest.h"

#include "core/campionato.h"
#include "platform/combocodici.h"
#include "players/nuovogiocatorewindow.h"
#include "support/finestraditest.h"

#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString ID = IdFinestra::NuovoGiocatore;

QLineEdit* Casella(int n) { return AmbienteTest::parte<QLineEdit>(ID, QStringLiteral("Text%1").arg(n)); }
ComboCodici* Lista(int n) { return AmbienteTest::parte<ComboCodici>(ID, QStringLiteral("Combo%1").arg(n)); }
void Premi(int n) { AmbienteTest::parte<QPushButton>(ID, QStringLiteral("Command%1").arg(n))->click(); }
bool Attivo(int n) { return AmbienteTest::parte<QPushButton>(ID, QStringLiteral("Command%1").arg(n))->isEnabled(); }
int Giocatori() { return Valore("SELECT COUNT(*) FROM Giocatore").toInt(); }

// The stored fields of a player.
QStringList Riga(int codice)
{
    Query q("SELECT Nome, Cognome, Ruolo, Numero, DataNasc, Peso, Note, CodSquadra, Foto FROM Giocatore "
            "WHERE Codice = ?",
            {codice});
    QStringList r;
    if (q.next())
        for (int i = 0; i < 9; ++i) r << q.testo(i);
    return r;
}

}  // namespace

// The entry of new players.
class TestNuovoGiocatore : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }

    void salvataggi()
    {
        AmbienteTest a(RegistraFinestreGiocatori);
        const DatiFixture d = a.apri(a.nuovo(4).rose(2));
        auto* w = a.mostra<NuovoGiocatoreWindow>(ID, "Cagliari");
        QVERIFY(!Attivo(3));
        // No surname: refused, nothing written.
        Casella(1)->setText("Mario");
        a.messaggi().ok();
        Premi(2);
        QCOMPARE(Giocatori(), 8);

        // Saved twice with the team changed in between: one row, of the second team; a typed role is kept.
        Casella(2)->setText("Rossi");
        Lista(1)->setEditText("Mezzala");
        Premi(2);
        const int codice = w->codiceSalvato();
        QVERIFY(Attivo(3));
        QCOMPARE(Riga(codice), (QStringList{"Mario", "Rossi", "Mezzala", "0", "", "", "",
                                            QString::number(d.codici["Cagliari"]), ""}));
        Lista(2)->setCurrentIndex(0);
        AmbienteTest::parte<QPlainTextEdit>(ID, "Text9")->setPlainText(QString(250, 'n'));
        Premi(2);
        QCOMPARE(Giocatori(), 9);
        QCOMPARE(Riga(codice).mid(6, 2), (QStringList{QString(200, 'n'), QString::number(d.codici["Ancona"])}));

        // Nuovo clears the form and keeps the team; the next save adds a second player.
        Premi(3);
        QVERIFY(Casella(1)->text().isEmpty() && Casella(2)->text().isEmpty() && Lista(1)->currentText().isEmpty());
        QVERIFY(!Attivo(3));
        Casella(2)->setText("Bianchi");
        Premi(2);
        QCOMPARE(Giocatori(), 10);
        QCOMPARE(Riga(w->codiceSalvato())[7].toInt(), d.codici["Ancona"]);
        // The row deleted meanwhile from the squad window: the next save adds the player again.
        Esegui("DELETE FROM Giocatore WHERE Codice = ?", {w->codiceSalvato()});
        Premi(2);
        QCOMPARE(Giocatori(), 10);
        QCOMPARE(Riga(w->codiceSalvato())[1], QStringLiteral("Bianchi"));
    }

    // Codes are 32-bit: a counter at its end refuses the new player with a message, writes nothing, and the file
    // still opens. The engine numbers past the highest code the table gave or holds, either of them at the end.
    void contatoreAllaFine_data()
    {
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<bool>("unoLibero");  // the counter still gives 2147483647 to one player
        QTest::newRow("un codice libero")
            << QStringList{"INSERT INTO sqlite_sequence VALUES ('GIOCATORE', 2147483646)"} << true;
        QTest::newRow("contatore alla fine")
            << QStringList{"INSERT INTO sqlite_sequence VALUES ('GIOCATORE', 2147483647)"} << false;
        QTest::newRow("codice di una riga alla fine")
            << QStringList{"INSERT INTO GIOCATORE (CODICE, COGNOME) VALUES (2147483647, 'Ultimo')",
                           "DELETE FROM sqlite_sequence WHERE name = 'GIOCATORE'"}
            << false;
        // The engine itself would refuse it as a full disk.
        QTest::newRow("contatore alla fine dei 64 bit")
            << QStringList{"INSERT INTO sqlite_sequence VALUES ('GIOCATORE', 9223372036854775807)"} << false;
    }
    void contatoreAllaFine()
    {
        QFETCH(QStringList, sql);
        QFETCH(bool, unoLibero);
        AmbienteTest a(RegistraFinestreGiocatori);
        const DatiFixture d = a.apri(a.nuovo(4));
        for (const QString& s : sql) Esegui(s);
        const int prima = Giocatori();
        auto* w = a.mostra<NuovoGiocatoreWindow>(ID, "Bari");
        if (unoLibero) {
            Casella(2)->setText("Penultimo");
            Premi(2);
            QCOMPARE(w->codiceSalvato(), 2147483647);
            Premi(3);
        }
        Casella(2)->setText("Rossi");
        a.messaggi().ok();
        Premi(2);
        QVERIFY2(a.messaggi().ultimo().testo.endsWith(
                     "Il campo CODICE della tabella GIOCATORE, che numera le righe nuove, non ha abbastanza codici "
                     "per le righe che questo salvataggio aggiungerebbe: il codice più alto ammesso è 2147483647. Non "
                     "è stato salvato nulla."),
                 qPrintable(a.messaggi().ultimo().testo));
        QCOMPARE(Giocatori(), prima + (unoLibero ? 1 : 0));
        QCOMPARE(VerificaFileCampionato(d.percorso), QString());
    }

    void numeroDiMaglia_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("numero");  // -1: refused
        QTest::newRow("cifre tra spazi") << " 12 " << 12;
        QTest::newRow("vuota") << "  " << 0;
        // Refused, as on the player card: the stored number is never wiped by a typing slip.
        QTest::newRow("cifre e lettere") << " 1 2abc" << -1;
        QTest::newRow("virgola") << "7,5" << -1;
        QTest::newRow("lettera") << "a7" << -1;
        QTest::newRow("negativo") << "-5" << -1;
        QTest::newRow("massimo") << "32767" << 32767;
        QTest::newRow("troppo grande") << "32768" << -1;
        QTest::newRow("enorme") << "99999999999999999999" << -1;
    }

    void numeroDiMaglia()
    {
        QFETCH(QString, testo);
        QFETCH(int, numero);
        AmbienteTest a(RegistraFinestreGiocatori);
        a.apri(a.nuovo(4));
        auto* w = a.mostra<NuovoGiocatoreWindow>(ID, "Bari");
        Casella(2)->setText("Verdi");
        Casella(3)->setText(testo);
        if (numero < 0) a.messaggi().ok();
        Premi(2);
        QCOMPARE(Giocatori(), numero < 0 ? 0 : 1);
        if (numero >= 0) QCOMPARE(Riga(w->codiceSalvato())[3].toInt(), numero);
        if (numero < 0)
            QVERIFY(a.messaggi().ultimo().testo.startsWith(
                "Il numero di maglia va scritto in cifre, come numero intero da 0 a 32767."));
    }

    // What was typed after a save is not dropped unseen: closing (also through Esci) and "Nuovo" ask first.
    // Yes saves and goes on, a refused save stays, No goes on without saving, Cancel stays.
    void domandaPrimaDiLasciare_data()
    {
        QTest::addColumn<QString>("mossa");
        QTest::addColumn<QString>("maglia");  // typed with the new surname: "x" makes Yes a refused save
        QTest::addColumn<int>("risposta");
        QTest::addColumn<QString>("dopo");  // the surname stored | on screen, empty when the window closed
        using R = Messaggio::Risposta;
        QTest::newRow("chiudi, sì") << "chiudi"
                                    << "" << int(R::Si) << "Bianchi|";
        QTest::newRow("chiudi, sì rifiutato") << "chiudi"
                                              << "x" << int(R::Si) << "Rossi|Bianchi";
        QTest::newRow("esci, annulla") << "esci"
                                       << "" << int(R::Annulla) << "Rossi|Bianchi";
        QTest::newRow("nuovo, no") << "nuovo"
                                   << "" << int(R::No) << "Rossi|";
    }
    void domandaPrimaDiLasciare()
    {
        QFETCH(QString, mossa);
        QFETCH(QString, maglia);
        QFETCH(int, risposta);
        QFETCH(QString, dopo);
        AmbienteTest a(RegistraFinestreGiocatori);
        a.apri(a.nuovo(4));
        auto* w = a.mostra<NuovoGiocatoreWindow>(ID, "Bari");
        Casella(2)->setText("Rossi");
        Premi(2);
        Casella(2)->setText("Bianchi");
        Casella(3)->setText(maglia);
        a.messaggi().risposta(Messaggio::Risposta(risposta));
        if (!maglia.isEmpty()) a.messaggi().ok();
        mossa == "chiudi" ? w->chiudi() : mossa == "esci" ? void(Finestre::istanza().scaricaTutte()) : Premi(3);
        QVERIFY(a.messaggi().mostrati().value(0).testo.endsWith(
            mossa == "nuovo" ? "prima di inserire un nuovo giocatore?" : "prima di chiudere la finestra?"));
        const QString schermo = AmbienteTest::caricata(ID) ? Casella(2)->text() : QString();
        QCOMPARE(Valore("SELECT Cognome FROM Giocatore").toString() + '|' + schermo, dopo);
    }

    void foto()
    {
        AmbienteTest a(RegistraFinestreGiocatori);
        a.apri(a.nuovo(4));
        QImage immagine(40, 50, QImage::Format_RGB32);
        immagine.fill(Qt::darkGreen);
        const QString foto = a.percorso("foto.bmp"), rotta = a.percorso("rotta.bmp");
        immagine.save(foto, "BMP");
        QFile f(rotta);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("non un'immagine") > 0);
        f.close();

        // The photo command waits for the picker, which stands in here: it hands over `scelta` and closes.
        Finestre::istanza().registra(IdFinestra::SceltaImmagine, nullptr);
        auto* w = a.mostra<NuovoGiocatoreWindow>(ID, "Bari");
        QVERIFY(!Attivo(1));
        QString scelta = foto;
        FinestraDiTest::registra(IdFinestra::SceltaImmagine, [&scelta](FinestraDiTest& f) {
            f.durante_carica = [&scelta](FinestraDiTest& t) {
                stato().PercorsoImmagine = scelta;
                t.chiudi();
            };
        });
        Premi(1);
        QCOMPARE(w->foto(), foto);
        // Cancelled, then a file that is no picture: the photo chosen before stays, and is saved.
        scelta.clear();
        Premi(1);
        scelta = rotta;
        a.messaggi().ok();
        Premi(1);
        QCOMPARE(a.messaggi().ultimo().icona, Messaggio::Icona::Critica);
        Casella(2)->setText("Neri");
        Premi(2);
        QCOMPARE(Riga(w->codiceSalvato())[8], foto);
        // Saved again without choosing: the photo stays.
        scelta.clear();
        Premi(1);
        Premi(2);
        QCOMPARE(Riga(w->codiceSalvato())[8], foto);
    }
};

QTEST_MAIN(TestNuovoGiocatore)
#include "tst_nuovogiocatore.moc"
