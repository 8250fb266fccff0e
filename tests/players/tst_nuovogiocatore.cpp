#include "players/finestregiocatori.h"
#include "support/ambientetest.h"

#include "platform/combocodici.h"
#include "players/nuovogiocatorewindow.h"
#include "support/finestraditest.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString ID = IdFinestra::NuovoGiocatore;
const QString TITOLO = QStringLiteral("Inserimento di un nuovo giocatore");

QLineEdit* Casella(int n) { return AmbienteTest::parte<QLineEdit>(ID, QStringLiteral("Text%1").arg(n)); }
ComboCodici* Lista(int n) { return AmbienteTest::parte<ComboCodici>(ID, QStringLiteral("Combo%1").arg(n)); }
QPushButton* Pulsante(int n) { return AmbienteTest::parte<QPushButton>(ID, QStringLiteral("Command%1").arg(n)); }

// The stored fields of a player, in a fixed order.
QStringList Riga(int codice)
{
    Query q("SELECT Nome, Cognome, Ruolo, Numero, DataNasc, LuogoNasc, Nazione, Altezza, Peso, Note, CodSquadra, "
            "Foto FROM Giocatore WHERE Codice = ?",
            {codice});
    QStringList r;
    if (q.next())
        for (int i = 0; i < 12; ++i) r << q.testo(i);
    return r;
}

int Giocatori() { return Valore("SELECT COUNT(*) FROM Giocatore").toInt(); }

// The image picker stands in: it hands over `*percorso` and closes.
void RegistraScelta(const QString* percorso)
{
    FinestraDiTest::registra(IdFinestra::SceltaImmagine, [percorso](FinestraDiTest& f) {
        f.durante_carica = [percorso](FinestraDiTest& t) {
            stato().PercorsoImmagine = *percorso;
            t.chiudi();
        };
    });
}

}  // namespace

// The entry of new players.
class TestNuovoGiocatore : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }
    void salvataggi();
    void numeroDiMaglia_data();
    void numeroDiMaglia();
    void foto();
};

void TestNuovoGiocatore::salvataggi()
{
    AmbienteTest a(RegistraFinestreGiocatori);
    const DatiFixture d = a.apri(a.nuovo(4).rose(2));
    a.mostra<NuovoGiocatoreWindow>(ID, "Cagliari");
    auto* w = qobject_cast<NuovoGiocatoreWindow*>(Finestre::istanza().finestra(ID));
    QCOMPARE(Lista(2)->currentText(), QStringLiteral("Cagliari"));
    QVERIFY(!Pulsante(3)->isEnabled());
    const int prima = Giocatori();

    // No surname, even with everything else: refused, nothing written.
    Casella(1)->setText("Mario");
    a.messaggi().ok();
    Pulsante(2)->click();
    QCOMPARE(a.messaggi().ultimo().titolo, TITOLO + ".");
    QCOMPARE(a.messaggi().ultimo().testo, QStringLiteral("E' necessario inserire almeno il cognome del giocatore!\r"
                                                         "Gli altri dati possono essere facoltativi."));
    QCOMPARE(Giocatori(), prima);

    // Saved twice with the team changed in between: one row, of the second team; a typed role is kept.
    Casella(2)->setText("Rossi");
    Lista(1)->setEditText("Mezzala");
    Pulsante(2)->click();
    const int codice = w->codiceSalvato();
    QVERIFY(codice > 0);
    QVERIFY(Pulsante(3)->isEnabled());
    QCOMPARE(Riga(codice), (QStringList{"Mario", "Rossi", "Mezzala", "0", "", "", "", "", "", "",
                                        QString::number(d.codici["Cagliari"]), ""}));
    Lista(2)->setCurrentIndex(Lista(2)->findText("Ancona"));
    Casella(8)->setText("75 kg");
    AmbienteTest::parte<QPlainTextEdit>(ID, "Text9")->setPlainText(QString(250, 'n'));
    Pulsante(2)->click();
    QCOMPARE(Giocatori(), prima + 1);
    QCOMPARE(Riga(codice)[8], QStringLiteral("75 kg"));
    QCOMPARE(Riga(codice)[9], QString(200, 'n'));
    QCOMPARE(Riga(codice)[10].toInt(), d.codici["Ancona"]);

    // Nuovo clears the form and keeps the team; the next save adds a second player.
    Pulsante(3)->click();
    QVERIFY(Casella(1)->text().isEmpty() && Casella(2)->text().isEmpty() && Lista(1)->currentText().isEmpty());
    QVERIFY(!Pulsante(3)->isEnabled());
    QCOMPARE(w->codiceSalvato(), 0);
    Casella(2)->setText("Bianchi");
    Pulsante(2)->click();
    QCOMPARE(Giocatori(), prima + 2);
    QVERIFY(w->codiceSalvato() != codice);
    QCOMPARE(Riga(w->codiceSalvato())[10].toInt(), d.codici["Ancona"]);

    // The row deleted meanwhile from the squad window: the next save adds the player again.
    Esegui("DELETE FROM Giocatore WHERE Codice = ?", {w->codiceSalvato()});
    Pulsante(2)->click();
    QCOMPARE(Giocatori(), prima + 2);
    QCOMPARE(Riga(w->codiceSalvato())[1], QStringLiteral("Bianchi"));
    // Text boxes are bounded by their columns.
    QCOMPARE(Casella(2)->maxLength(), 30);
    QCOMPARE(Lista(1)->lineEdit()->maxLength(), 20);
}

void TestNuovoGiocatore::numeroDiMaglia_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("numero");  // -1: refused
    QTest::newRow("cifre e lettere") << "12abc" << 12;
    QTest::newRow("spazi") << " 1 0" << 10;
    QTest::newRow("lettera") << "a7" << 0;
    QTest::newRow("vuoto") << "" << 0;
    QTest::newRow("massimo") << "32767" << 32767;
    QTest::newRow("troppo grande") << "32768" << -1;
    QTest::newRow("enorme") << "99999999999999999999" << -1;
    QTest::newRow("troppo piccolo") << "-40000" << -1;
}

void TestNuovoGiocatore::numeroDiMaglia()
{
    QFETCH(QString, testo);
    QFETCH(int, numero);
    AmbienteTest a(RegistraFinestreGiocatori);
    a.apri(a.nuovo(4));
    auto* w = a.mostra<NuovoGiocatoreWindow>(ID, "Bari");
    Casella(2)->setText("Verdi");
    Casella(3)->setText(testo);
    if (numero < 0) a.messaggi().ok();
    Pulsante(2)->click();
    if (numero < 0) {
        QCOMPARE(a.messaggi().ultimo().icona, Messaggio::Icona::Critica);
        QCOMPARE(Giocatori(), 0);
    } else {
        QCOMPARE(Riga(w->codiceSalvato())[3].toInt(), numero);
    }
}

void TestNuovoGiocatore::foto()
{
    AmbienteTest a(RegistraFinestreGiocatori);
    a.apri(a.nuovo(4));
    const QString foto = a.percorso("foto.bmp");
    QImage immagine(40, 50, QImage::Format_RGB32);
    immagine.fill(Qt::darkGreen);
    immagine.save(foto, "BMP");
    const QString rotta = a.percorso("rotta.bmp");
    QFile f(rotta);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("non un'immagine") > 0);
    f.close();

    // The photo command waits for the picker.
    Finestre::istanza().registra(IdFinestra::SceltaImmagine, nullptr);
    auto* w = a.mostra<NuovoGiocatoreWindow>(ID, "Bari");
    QVERIFY(!Pulsante(1)->isEnabled());
    QString scelta = foto;
    RegistraScelta(&scelta);
    QVERIFY(Pulsante(1)->isEnabled());
    Pulsante(1)->click();
    QCOMPARE(w->foto(), foto);
    QVERIFY(!AmbienteTest::parte<QLabel>(ID, "Image1")->pixmap().isNull());
    // Cancelled, then a file that is no picture: the photo chosen before stays.
    scelta.clear();
    Pulsante(1)->click();
    scelta = rotta;
    a.messaggi().ok();
    Pulsante(1)->click();
    QCOMPARE(a.messaggi().ultimo().icona, Messaggio::Icona::Critica);
    QCOMPARE(w->foto(), foto);
    Casella(2)->setText("Neri");
    Pulsante(2)->click();
    QCOMPARE(Riga(w->codiceSalvato())[11], foto);
    // Saved again without choosing: the photo stays.
    scelta.clear();
    Pulsante(1)->click();
    Pulsante(2)->click();
    QCOMPARE(Riga(w->codiceSalvato())[11], foto);
    AmbienteTest::foto(w->contenitore(), "Form16.png");
}

QTEST_MAIN(TestNuovoGiocatore)
#include "tst_nuovogiocatore.moc"
