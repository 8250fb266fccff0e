#include "players/finestregiocatori.h"
#include "standings/aiutigriglia.h"
#include "support/ambientetest.h"

#include "core/codici.h"
#include "players/squalificatiwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString ID = IdFinestra::Squalificati;
const QVector<QStringList> NESSUNO{{QString(), QString()}};

QVector<QStringList> Listati() { return RigheGriglia(AmbienteTest::parte<Griglia>(ID, "Grid1"), 1); }
void Ricalcola() { AmbienteTest::parte<QPushButton>(ID, "Command1")->click(); }

// An appearance row with a card, written straight into the file.
void Presenza(const QVariant& codice, const QString& nome, const QString& squadra, int giornata, bool andata,
              int cartellino)
{
    Esegui("INSERT INTO Presenze (CodGiocatore, Nome, Squadra, Giornata, Girone, Ammonito) VALUES (?, ?, ?, ?, ?, ?)",
           {codice, nome, squadra, giornata, GironePresenze(andata), cartellino});
}

// A squad player renamed `cognome`, booked `prima` times on match days 1 and 2, then given the card
// `ultimo` on match day 3 of the first leg, the last one played in these tests.
void Ammonizioni(const GiocatoreFixture& g, const QString& cognome, int prima, int ultimo)
{
    Esegui("UPDATE Giocatore SET Cognome = ? WHERE Codice = ?", {cognome, g.codice});
    for (int i = 0; i < prima; ++i) Presenza(g.codice, g.nome, g.squadra, 1 + i % 2, true, CARTELLINO_GIALLO);
    if (ultimo != NESSUN_CARTELLINO) Presenza(g.codice, g.nome, g.squadra, 3, true, ultimo);
}

DatiFixture Stagione(AmbienteTest& a) { return a.apri(a.nuovo(6).rose(25).giocaFinoA(3, true)); }

}  // namespace

// The players suspended after the last match day played.
class TestSqualificati : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }

    void ultimaGiornata_data()
    {
        QTest::addColumn<QList<int>>("andata");
        QTest::addColumn<QList<int>>("ritorno");
        QTest::addColumn<QString>("attesa");  // empty: nothing played
        QTest::newRow("solo ritorno") << QList<int>{} << QList<int>{2} << QString();
        QTest::newRow("andata 1-5 e 7") << QList<int>{1, 2, 3, 4, 5, 7} << QList<int>{} << "7 (Andata)";
        QTest::newRow("ritorno") << QList<int>{1, 2, 3, 4, 5, 6, 7} << QList<int>{1, 4} << "4 (Ritorno)";
    }

    void ultimaGiornata()
    {
        QFETCH(QList<int>, andata);
        QFETCH(QList<int>, ritorno);
        QFETCH(QString, attesa);
        AmbienteTest a(RegistraFinestreGiocatori);
        a.apri(a.nuovo(8).rose(12));
        // 1 is another engine's "true": no played flag here.
        Esegui("UPDATE Giornata SET DispAnd = 1, DispRit = 1");
        for (int g : andata) Esegui("UPDATE Giornata SET DispAnd = ? WHERE Numero = ?", {VERO, g});
        for (int g : ritorno) Esegui("UPDATE Giornata SET DispRit = ? WHERE Numero = ?", {VERO, g});
        if (attesa.isEmpty()) a.messaggi().ok();

        auto* w = a.mostra<SqualificatiWindow>(ID);
        if (attesa.isEmpty()) {
            QVERIFY(!w && !AmbienteTest::caricata(ID));
            return;
        }
        QCOMPARE(AmbienteTest::parte<QLabel>(ID, "Label2")->text(), attesa);
        QCOMPARE(Listati(), NESSUNO);  // nobody suspended: one empty line
    }

    void soglia_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("listati");  // the totals out of 1 to 24 that suspend
        QTest::newRow("ogni 3") << 3 << QList<int>{3, 6, 9, 12, 15, 18, 21};
        QTest::newRow("ogni 1") << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("ogni 5") << 5 << QList<int>{5, 10, 15, 20};
    }

    void soglia()
    {
        QFETCH(int, n);
        QFETCH(QList<int>, listati);
        AmbienteTest a(RegistraFinestreGiocatori);
        const DatiFixture d = Stagione(a);
        // Booked on the last day with totals 1 to 24, and two whose last booking came earlier.
        Transazione righe;
        for (int t = 1; t <= 24; ++t)
            Ammonizioni(d.giocatori[t], QStringLiteral("Tot%1").arg(t), t - 1, CARTELLINO_GIALLO);
        Ammonizioni(d.giocatori[30], "Prima3", 3, NESSUN_CARTELLINO);
        Ammonizioni(d.giocatori[31], "Prima6", 6, NESSUN_CARTELLINO);
        righe.commit();

        QVERIFY(a.mostra<SqualificatiWindow>(ID));
        auto* testo = AmbienteTest::parte<QLineEdit>(ID, "Text1");
        QCOMPARE(testo->text(), QStringLiteral("3"));
        testo->setText(QString::number(n));
        Ricalcola();
        QVector<QStringList> attese;
        for (int t : listati) attese << QStringList{QStringLiteral("Tot%1").arg(t), d.giocatori[t].squadra};
        QCOMPARE(Listati(), attese);
    }

    void espulsiENomi()
    {
        AmbienteTest a(RegistraFinestreGiocatori);
        const DatiFixture d = Stagione(a);
        const GiocatoreFixture &uno = d.giocatori[2], &due = d.giocatori[4], &tre = d.giocatori[6];
        const QString squadra = d.squadre[0], altra = d.squadre[1];
        Ammonizioni(uno, "Ammonito", 2, CARTELLINO_GIALLO);
        // Sent off with two bookings before: listed first, once.
        Ammonizioni(due, "Espulso", 2, CARTELLINO_ROSSO);
        // A sending-off is no booking: 1 + 1 bookings.
        Ammonizioni(tre, "ConRosso", 1, CARTELLINO_GIALLO);
        Presenza(tre.codice, QString(), tre.squadra, 2, true, CARTELLINO_ROSSO);
        // The same day number in the other leg does not count.
        Presenza(d.giocatori[8].codice, QString(), d.giocatori[8].squadra, 3, false, CARTELLINO_ROSSO);
        // Typed-in names count their own bookings, by name and team (together: 3 + 1 + 1, nobody listed).
        for (int g : {1, 2, 3}) Presenza(GIOCATORE_NON_IN_ROSA, "Mario Neri", squadra, g, true, CARTELLINO_GIALLO);
        Presenza(GIOCATORE_NON_IN_ROSA, "Mario Neri", altra, 3, true, CARTELLINO_GIALLO);
        Presenza(QVariant(), "Ugo Blu", squadra, 3, true, CARTELLINO_GIALLO);

        QVERIFY(a.mostra<SqualificatiWindow>(ID));
        const QVector<QStringList> attese{{"Espulso", due.squadra}, {"Ammonito", uno.squadra}, {"Mario Neri", squadra}};
        QCOMPARE(Listati(), attese);
    }
};

QTEST_MAIN(TestSqualificati)
#include "tst_squalificati.moc"
