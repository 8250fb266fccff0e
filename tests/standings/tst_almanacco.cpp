#include "aiutigriglia.h"
#include "standings/finestresquadra.h"
#include "support/ambientetest.h"

#include "core/codici.h"
#include "standings/almanaccoqueries.h"
#include "standings/almanaccowindow.h"
#include "support/finestraditest.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QString ID = QStringLiteral("Form40");

// The figures of rows "Turni disputati" to "Reti segnate" worked out from what the fixture wrote.
DatiAlmanacco DaFixture(const DatiFixture& d)
{
    DatiAlmanacco a;
    for (const GiornataFixture& g : d.giornate) {
        a.turni.andata += int(g.disputataAnd);
        a.turni.ritorno += int(g.disputataRit);
    }
    for (const PartitaFixture& p : d.partite)
        for (bool andata : {true, false}) {
            if (!p.disputata(andata)) continue;
            Totale& partite = andata ? a.partite.andata : a.partite.ritorno;
            Totale& vittorie = andata ? a.vittorie.andata : a.vittorie.ritorno;
            Totale& pareggi = andata ? a.pareggi.andata : a.pareggi.ritorno;
            Totale& reti = andata ? a.reti.andata : a.reti.ritorno;
            ++partite;
            vittorie += int(p.golCasa(andata) > p.golOspite(andata));
            pareggi += int(p.golCasa(andata) == p.golOspite(andata));
            reti += p.golCasa(andata) + p.golOspite(andata);
        }
    for (const ReteFixture& r : d.reti)
        if (r.tipo == TIPO_RIGORE) ++(r.andata ? a.rigori.andata : a.rigori.ritorno);
    return a;
}

DatiAlmanacco Reti(int andata, int partiteAndata, int ritorno, int partiteRitorno)
{
    DatiAlmanacco d;
    d.reti = {andata, ritorno};
    d.partite = {partiteAndata, partiteRitorno};
    return d;
}

void Presenza(bool andata, const QVariant& cartellino)
{
    Esegui("INSERT INTO PRESENZE (GIRONE, GIORNATA, CODPARTITA, AMMONITO) VALUES (?, 1, 1, ?)",
           {GironePresenze(andata), cartellino});
}

void Rete(int codPart, bool andata, int tipo)
{
    Esegui("INSERT INTO RETI (CODPART, GIRONE, TIPO) VALUES (?, ?, ?)", {codPart, GironeReti(andata), tipo});
}

// The figures as one count per figure and leg reads them: what the almanac showed before its queries were
// merged into one per table.
DatiAlmanacco FigureUnaPerUna()
{
    const auto n = [](const QString& sql, const QVariantList& p) {
        Query q(sql, p);
        return q.next() ? int(q.valore(0).toLongLong()) : 0;
    };
    const auto legs = [&](const QString& sqlAndata, const QString& sqlRitorno, const QVariantList& pa,
                          const QVariantList& pr) {
        return FiguraAlmanacco{n(sqlAndata, pa), n(sqlRitorno, pr)};
    };
    const QVariantList vero{VERO};
    DatiAlmanacco d;
    d.turni = legs("SELECT COUNT(*) FROM Giornata WHERE DispAnd = ?", "SELECT COUNT(*) FROM Giornata WHERE DispRit = ?",
                   vero, vero);
    d.partite = legs("SELECT COUNT(*) FROM Partita WHERE DispAnd = ?", "SELECT COUNT(*) FROM Partita WHERE DispRit = ?",
                     vero, vero);
    d.vittorie = legs("SELECT COUNT(*) FROM Partita WHERE DispAnd = ? AND G1A > G2A",
                      "SELECT COUNT(*) FROM Partita WHERE DispRit = ? AND G2R > G1R", vero, vero);
    d.pareggi = legs("SELECT COUNT(*) FROM Partita WHERE DispAnd = ? AND G1A = G2A",
                     "SELECT COUNT(*) FROM Partita WHERE DispRit = ? AND G2R = G1R", vero, vero);
    d.reti = legs("SELECT SUM(G1A + G2A) FROM Partita WHERE DispAnd = ?",
                  "SELECT SUM(G1R + G2R) FROM Partita WHERE DispRit = ?", vero, vero);
    const QString rigori = "SELECT COUNT(*) FROM Reti WHERE Girone = ? AND Tipo = ?";
    d.rigori = legs(rigori, rigori, {GIRONE_RETI_ANDATA, TIPO_RIGORE}, {GIRONE_RETI_RITORNO, TIPO_RIGORE});
    const QString gialli = "SELECT COUNT(*) FROM Presenze WHERE Girone = ? AND Ammonito BETWEEN 1 AND 100";
    const QString rossi = "SELECT COUNT(*) FROM Presenze WHERE Girone = ? AND Ammonito > 100";
    d.ammonizioni = legs(gialli, gialli, {GironePresenze(true)}, {GironePresenze(false)});
    d.espulsioni = legs(rossi, rossi, {GironePresenze(true)}, {GironePresenze(false)});
    return d;
}

}  // namespace

// The season almanac: its figures on known seasons, goals per match, and the window's life.
class TestAlmanacco : public QObject {
    Q_OBJECT

    static Griglia* griglia(Finestra* w) { return w->findChild<Griglia*>(QStringLiteral("Grid1")); }
    static QVector<QStringList> figure(const Griglia* g) { return RigheGriglia(g, 1); }

private slots:
    void mediaGol_data();
    void mediaGol();
    void stagioneNota();
    void riapertura();
    void proprieta();
    void erroreDelFile();
    void campionatoPiuGrande();
    void figureComeUnaPerUna();
};

void TestAlmanacco::mediaGol_data()
{
    QTest::addColumn<DatiAlmanacco>("dati");
    QTest::addColumn<QStringList>("attesa");
    QTest::newRow("nessuna partita") << DatiAlmanacco{} << QStringList{"0", "0", "0"};
    QTest::newRow("2,5 in entrambi") << Reti(25, 10, 15, 6) << QStringList{"2,5", "2,5", "2,5"};
    QTest::newRow("periodiche") << Reti(20, 6, 81, 32) << QStringList{"3,3333", "2,5312", "2,6579"};
    QTest::newRow("solo andata") << Reti(7, 3, 0, 0) << QStringList{"2,3333", "0", "2,3333"};
    QTest::newRow("partite senza gol") << Reti(0, 4, 0, 0) << QStringList{"0", "0", "0"};
}

void TestAlmanacco::mediaGol()
{
    QFETCH(DatiAlmanacco, dati);
    QFETCH(QStringList, attesa);
    const QVector<QStringList> t = AlmanaccoQueries::TabellaAlmanacco(dati);
    QCOMPARE(t.size(), 9);
    QCOMPARE(t[5], QStringList{"Media gol per partita"} + attesa);
    QCOMPARE(t[4],
             (QStringList{"Reti segnate", QString::number(dati.reti.andata.valore()),
                          QString::number(dati.reti.ritorno.valore()), QString::number(dati.reti.totale().valore())}));
}

void TestAlmanacco::stagioneNota()
{
    AmbienteTest a(RegistraFinestreSquadra);
    // Five teams: the first leg played; in the return leg match day 1 played but one match postponed,
    // one match of match day 2 won away, and match day 4 flagged played with none of its matches.
    const DatiFixture d = a.apri(a.nuovo(5)
                                     .denominazione("Torneo d'autunno")
                                     .giocaFinoA(5, true)
                                     .gioca(1, false)
                                     .rinviata(1, 2, false)
                                     .risultato(2, 1, false, 0, 2)
                                     .risultato(3, 1, false, 1, 1)
                                     .penalita("Bari", 3));
    Esegui("UPDATE Giornata SET DispRit = -1 WHERE Numero = 4");
    // Bookings and sendings-off by their codes: 100 still a booking, no card or Null neither.
    for (const QVariant& c : {QVariant(0), QVariant(1), QVariant(1), QVariant(100), QVariant(101), QVariant()})
        Presenza(true, c);
    for (int c : {1, 101, 101, 250}) Presenza(false, c);
    // Penalties by the leg of their goal record, played or not; an own goal is no penalty.
    const int rinviata = d.partita(1, 2)->codPart;
    Rete(rinviata, true, TIPO_RIGORE);
    Rete(rinviata, true, TIPO_AUTORETE);
    Rete(rinviata, false, TIPO_RIGORE);
    Rete(rinviata, false, TIPO_RIGORE);

    DatiAlmanacco attesi = DaFixture(d);
    attesi.turni.ritorno += 1;
    attesi.rigori = {1, 2};
    attesi.ammonizioni = {3, 1};
    attesi.espulsioni = {1, 3};
    // What the fixture wrote, as far as the rows that read the matches are concerned.
    QCOMPARE(attesi.partite.andata, 10);
    QCOMPARE(attesi.partite.ritorno, 3);
    QCOMPARE(attesi.turni.ritorno, 2);

    auto* w = a.mostra<AlmanaccoWindow>(ID);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Almanacco del campionato"));
    QCOMPARE(w->findChild<QLabel*>("Label2")->text(), QStringLiteral("Torneo d'autunno"));
    QCOMPARE(w->findChild<QLabel*>("Label4")->text(), QStringLiteral("5"));
    const Griglia* g = griglia(w);
    QCOMPARE(g->righe(), 10);
    QCOMPARE(g->righeFisse(), 1);
    QCOMPARE(RigaGriglia(g, 0), (QStringList{"", "Andata", "Ritorno", "Totale"}));
    QCOMPARE(figure(g), AlmanaccoQueries::TabellaAlmanacco(attesi));
    // The away win of the return leg counts as a played match, not as a (home) win.
    QCOMPARE(g->testo(3, 2), QString::number(DaFixture(d).vittorie.ritorno.valore()));
    for (int r = 0; r < g->righe(); ++r) {
        QVERIFY(g->grassetto(r, 0));
        QCOMPARE(g->coloreSfondo(r, 3) == QColor(255, 255, 0), r > 0);
    }
    VERIFICA_NESSUN_MESSAGGIO_INATTESO();
}

void TestAlmanacco::riapertura()
{
    AmbienteTest a(RegistraFinestreSquadra);
    const DatiFixture d = a.apri(a.nuovo(4).giocaFinoA(3, true));
    auto* w = a.mostra<AlmanaccoWindow>(ID);
    QCOMPARE(griglia(w)->testo(2, 1), QStringLiteral("6"));
    // Results entered meanwhile: the open almanac keeps its figures, even when shown again.
    Esegui("UPDATE Partita SET DispRit = -1, G1R = 1, G2R = 2 WHERE CodPart = ?", {d.partite[0].codPart});
    QCOMPARE(a.mostra<AlmanaccoWindow>(ID), w);
    QCOMPARE(griglia(w)->testo(2, 2), QStringLiteral("0"));
    // Closed and opened again, it counts them.
    w->findChild<QPushButton*>("Command3")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Finestre::istanza().caricata(ID));
    w = a.mostra<AlmanaccoWindow>(ID);
    QCOMPARE(RigaGriglia(griglia(w), 2), (QStringList{"Partite disputate", "6", "1", "7"}));
    QCOMPARE(RigaGriglia(griglia(w), 3).mid(2),
             (QStringList{"1", QString::number((DaFixture(d).vittorie.andata + 1).valore())}));
    VERIFICA_NESSUN_MESSAGGIO_INATTESO();
}

void TestAlmanacco::proprieta()
{
    AmbienteTest a(RegistraFinestreSquadra);
    a.apri(a.nuovo(4));
    auto* w = a.mostra<AlmanaccoWindow>(ID);
    const QVector<QStringList> righe = figure(griglia(w));  // nothing played: every figure 0
    QCOMPARE(righe.size(), 9);
    for (const QStringList& r : righe) QCOMPARE(r.mid(1), (QStringList{"0", "0", "0"}));
    auto* pulsante = w->findChild<QPushButton*>("Command2");
    QCOMPARE(pulsante->text(), QStringLiteral("Proprietà campionato"));
    QVERIFY(!pulsante->isEnabled());
    FinestraDiTest::registra("Form41");
    QVERIFY(pulsante->isEnabled());
    pulsante->click();
    QVERIFY(Finestre::istanza().visibile("Form41"));
    QVERIFY(Finestre::istanza().visibile(ID));
    VERIFICA_NESSUN_MESSAGGIO_INATTESO();
}

void TestAlmanacco::erroreDelFile()
{
    AmbienteTest a(RegistraFinestreSquadra);
    a.apri(a.nuovo(4).giocaTutto());
    Esegui("DROP TABLE Reti");
    a.messaggi().ok();
    auto* w = a.mostra<AlmanaccoWindow>(ID);
    QVERIFY(w);
    QCOMPARE(a.messaggi().quanti(), 1);
    QCOMPARE(a.messaggi().ultimo().titolo, QStringLiteral("Almanacco del campionato"));
    // Labels without figures: nothing that could be taken for a count.
    const QVector<QStringList> righe = figure(griglia(w));
    QCOMPARE(righe.size(), 9);
    QCOMPARE(righe[0][0], QStringLiteral("Turni disputati"));
    for (const QStringList& r : righe) QVERIFY(r.mid(1).join("").isEmpty());
    VERIFICA_NESSUN_MESSAGGIO_INATTESO();
}

void TestAlmanacco::campionatoPiuGrande()
{
    AmbienteTest a(RegistraFinestreSquadra);
    const DatiFixture d = a.apri(a.piuGrande());
    auto* w = a.mostra<AlmanaccoWindow>(ID);
    const Griglia* g = griglia(w);
    DatiAlmanacco attesi = DaFixture(d);
    attesi.ammonizioni.andata = g->testo(8, 1).toInt();
    attesi.ammonizioni.ritorno = d.ammonizioni - attesi.ammonizioni.andata;
    attesi.espulsioni.andata = g->testo(9, 1).toInt();
    attesi.espulsioni.ritorno = d.espulsioni - attesi.espulsioni.andata;
    QCOMPARE(figure(g), AlmanaccoQueries::TabellaAlmanacco(attesi));
    QCOMPARE(g->testo(2, 3), QStringLiteral("380"));
    QVERIFY(!ScorreDiLato(w, "Form40"));
    VERIFICA_NESSUN_MESSAGGIO_INATTESO();
}

void TestAlmanacco::figureComeUnaPerUna()
{
    AmbienteTest a(RegistraFinestreSquadra);
    a.apri(a.piuGrande());
    QCOMPARE(AlmanaccoQueries::TabellaAlmanacco(AlmanaccoQueries::CalcolaAlmanacco()),
             AlmanaccoQueries::TabellaAlmanacco(FigureUnaPerUna()));

    // Seven teams (a resting team each match day) halfway through, with what hand-typed files hold:
    // played legs without a score, legs with a score but not played, Null and out-of-range codes.
    const DatiFixture d = a.apri(a.nuovo(7).rose(14).formazioni().giocaFinoA(4, false).rinviata(2, 1, false));
    Esegui("UPDATE Partita SET G1A = NULL, G2A = 2 WHERE CodPart = ?", {d.partita(1, 1)->codPart});
    Esegui("UPDATE Partita SET G2R = NULL, G1R = NULL WHERE CodPart = ?", {d.partita(2, 2)->codPart});
    Esegui("UPDATE Partita SET G1R = 3, G2R = 3 WHERE CodPart = ?", {d.partita(6, 1)->codPart});
    Esegui("UPDATE Giornata SET DispAnd = NULL WHERE Numero = 3");
    for (const QVariant& c : {QVariant(), QVariant(-1), QVariant(0), QVariant(100), QVariant(101), QVariant(250)})
        Presenza(false, c);
    Rete(d.partita(5, 2)->codPart, false, TIPO_RIGORE);
    Rete(d.partita(5, 2)->codPart, true, TIPO_AUTORETE);
    QCOMPARE(AlmanaccoQueries::TabellaAlmanacco(AlmanaccoQueries::CalcolaAlmanacco()),
             AlmanaccoQueries::TabellaAlmanacco(FigureUnaPerUna()));
    VERIFICA_NESSUN_MESSAGGIO_INATTESO();
}

QTEST_MAIN(TestAlmanacco)
#include "tst_almanacco.moc"
