#include "players/finestregiocatori.h"
#include "standings/aiutigriglia.h"
#include "support/ambientetest.h"

#include "core/codici.h"
#include "platform/combocodici.h"
#include "platform/pannello.h"
#include "players/rosawindow.h"
#include "players/venditagiocatorewindow.h"
#include "support/finestraditest.h"

#include <algorithm>
#include <QLabel>
#include <QPushButton>

namespace {

const QString ID = IdFinestra::Rosa;
const QStringList INTESTAZIONE{"Maglia n°", "Cognome", "Nome",   "Ruolo",   "Naz.", "Pres.",
                               "Reti",      "Nato il", "Nato A", "Altezza", "Peso"};

Griglia* GrigliaRosa() { return AmbienteTest::parte<Griglia>(ID, "Grid1"); }
Pannello* Comando(const QString& id, int i)
{
    return AmbienteTest::parte<Pannello>(id, QStringLiteral("SSPanel1_%1").arg(i));
}

// The codes of a team's players as the file holds them, by the key.
QVector<int> Codici(int codSquadra)
{
    QVector<int> c;
    Query q("SELECT Codice FROM Giocatore WHERE CodSquadra = ? ORDER BY Codice", {codSquadra});
    while (q.next()) c << q.intero(0);
    return c;
}

int Conta(const QString& sql, std::initializer_list<QVariant> p = {}) { return Valore(sql, p).toInt(); }

// Six teams of 14 players, three match days played, in either numbering mode.
DatiFixture Stagione(AmbienteTest& a, bool tradizionale)
{
    return a.apri(a.nuovo(6)
                      .numerazione(tradizionale ? NUMERAZIONE_TRADIZIONALE : NUMERAZIONE_PERSONALE)
                      .rose(14)
                      .formazioni()
                      .giocaFinoA(3, true));
}

}  // namespace

// The squad window and the sale of a player.
class TestRosa : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }
    void riempimento_data();
    void riempimento();
    void rosaVuota();
    void elimina_data();
    void elimina();
    void comandi();
    void vendita_data();
    void vendita();
    void venditaSenzaRosa();
    void campionatoPiuGrande();
};

void TestRosa::riempimento_data()
{
    QTest::addColumn<bool>("tradizionale");
    QTest::newRow("numerazione personale") << false;
    QTest::newRow("numerazione tradizionale") << true;
}

void TestRosa::riempimento()
{
    QFETCH(bool, tradizionale);
    AmbienteTest a(RegistraFinestreGiocatori);
    const DatiFixture d = Stagione(a, tradizionale);
    const QString squadra = d.squadre[2];
    const int codSquadra = d.codici[squadra];
    const QVector<int> propri = Codici(codSquadra);
    // A player without a shirt number, one with 0, two with the same names; an own goal and a goal of
    // no given kind; a player bought from another team brings the rows he made there.
    Esegui("UPDATE Giocatore SET Numero = NULL WHERE Codice = ?", {propri[5]});
    Esegui("UPDATE Giocatore SET Numero = 0 WHERE Codice = ?", {propri[9]});
    Esegui("UPDATE Giocatore SET Cognome = 'Rossi', Nome = 'Luca' WHERE Codice IN (?, ?)", {propri[3], propri[7]});
    Esegui("INSERT INTO Reti (CodGiocatore, Squadra, Tipo) VALUES (?, ?, ?), (?, ?, ?)",
           {propri[3], squadra, TIPO_AUTORETE, propri[3], squadra, TIPO_NON_INDICATO});
    const int comprato = Codici(d.codici[d.squadre[4]]).first();
    QVERIFY(Conta("SELECT COUNT(*) FROM Presenze WHERE CodGiocatore = ?", {comprato}) > 0);
    Esegui("UPDATE Giocatore SET CodSquadra = ? WHERE Codice = ?", {codSquadra, comprato});

    auto* w = a.mostra<RosaWindow>(ID, squadra);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), "Rosa della squadra: " + squadra);
    auto* ordini = AmbienteTest::parte<ComboCodici>(ID, "Combo2");
    QStringList voci;
    for (int i = 0; i < ordini->count(); ++i) voci << ordini->itemText(i);
    const QStringList tutte{"Numero di maglia", "Cognome, nome", "Nome, cognome", "Ruolo", "Ordine di inserimento"};
    QCOMPARE(voci, tradizionale ? tutte.mid(1) : tutte);
    QCOMPARE(ordini->currentIndex(), 0);

    // What each order must give, sorted here from the file's rows.
    struct G {
        int codice;
        QVariant numero;
        QString cognome, nome, ruolo;
    };
    QVector<G> rosa;
    Query q("SELECT Codice, Numero, Cognome, Nome, Ruolo FROM Giocatore WHERE CodSquadra = ?", {codSquadra});
    while (q.next()) rosa << G{q.intero(0), q.valore(1), q.testo(2), q.testo(3), q.testo(4)};
    QCOMPARE(rosa.size(), propri.size() + 1);
    auto cmp = [](const QString& x, const QString& y) { return x.compare(y, Qt::CaseInsensitive); };
    using Criterio = std::function<int(const G&, const G&)>;
    const QHash<QString, Criterio> criteri{
        {"Numero di maglia",
         [&](const G& x, const G& y) {
             const int nx = x.numero.isNull() ? INT_MIN : x.numero.toInt(),
                       ny = y.numero.isNull() ? INT_MIN : y.numero.toInt();
             return nx != ny                    ? (nx < ny ? -1 : 1)
                    : cmp(x.cognome, y.cognome) ? cmp(x.cognome, y.cognome)
                                                : cmp(x.nome, y.nome);
         }},
        {"Cognome, nome",
         [&](const G& x, const G& y) {
             return cmp(x.cognome, y.cognome) ? cmp(x.cognome, y.cognome) : cmp(x.nome, y.nome);
         }},
        {"Nome, cognome",
         [&](const G& x, const G& y) { return cmp(x.nome, y.nome) ? cmp(x.nome, y.nome) : cmp(x.cognome, y.cognome); }},
        {"Ruolo",
         [&](const G& x, const G& y) {
             return cmp(x.ruolo, y.ruolo)       ? cmp(x.ruolo, y.ruolo)
                    : cmp(x.cognome, y.cognome) ? cmp(x.cognome, y.cognome)
                                                : cmp(x.nome, y.nome);
         }},
        {"Ordine di inserimento", [](const G&, const G&) { return 0; }},
    };
    const Griglia* g = GrigliaRosa();
    for (int o = 0; o < ordini->count(); ++o) {
        ordini->setCurrentIndex(o);
        const Criterio c = criteri[ordini->itemText(o)];
        QVector<G> attesi = rosa;
        std::sort(attesi.begin(), attesi.end(), [&](const G& x, const G& y) {
            const int r = c(x, y);
            return r ? r < 0 : x.codice < y.codice;
        });
        QCOMPARE(g->righe(), attesi.size() + 1);
        QCOMPARE(RigaGriglia(g, 0), INTESTAZIONE);
        for (int i = 0; i < attesi.size(); ++i) QCOMPARE(w->giocatori()[i].codice, attesi[i].codice);
        // After a fill the last player is the current one.
        QCOMPARE(g->rigaCorrente(), attesi.size());
    }

    // Cells: shirt number empty for none and 0, bold names, counts over every team and kind.
    for (int r = 1; r < g->righe(); ++r) {
        const int codice = w->giocatori()[r - 1].codice;
        const QVariant numero = Valore("SELECT Numero FROM Giocatore WHERE Codice = ?", {codice});
        QCOMPARE(g->testo(r, 0), numero.isNull() || numero.toInt() == 0 ? QString() : numero.toString());
        QVERIFY(g->grassetto(r, 1) && g->grassetto(r, 2) && !g->grassetto(r, 3));
        QCOMPARE(g->testo(r, 5).toInt(), Conta("SELECT COUNT(*) FROM Presenze WHERE CodGiocatore = ?", {codice}));
        QCOMPARE(g->testo(r, 6).toInt(), Conta("SELECT COUNT(*) FROM Reti WHERE CodGiocatore = ?", {codice}));
    }
    int totaleReti = 0;
    for (int r = 1; r < g->righe(); ++r) totaleReti += g->testo(r, 6).toInt();
    QVERIFY(totaleReti >= 2);
}

void TestRosa::rosaVuota()
{
    AmbienteTest a(RegistraFinestreGiocatori);
    const DatiFixture d = a.apri(a.nuovo(4).rose(3));
    Esegui("DELETE FROM Giocatore WHERE CodSquadra = ?", {d.codici["Bari"]});
    FinestraDiTest::registra(IdFinestra::SchedeGiocatori);
    FinestraDiTest::registra(IdFinestra::VenditaGiocatore);
    auto* w = a.mostra<RosaWindow>(ID, "Bari");
    Griglia* g = GrigliaRosa();
    QCOMPARE(g->righe(), 2);
    QCOMPARE(RigaGriglia(g, 0), INTESTAZIONE);
    QVERIFY(RigaGriglia(g, 1).join("").isEmpty());
    QCOMPARE(g->rigaCorrente(), 0);
    // On the heading and on the empty row the player commands do nothing.
    for (int riga : {0, 1}) {
        g->impostaRigaCorrente(riga);
        for (int i : {3, 4, 5}) Comando(ID, i)->clicked();
        DoppioClic(g, 1);
    }
    QVERIFY(!Finestre::istanza().caricata(IdFinestra::SchedeGiocatori));
    QVERIFY(!Finestre::istanza().caricata(IdFinestra::VenditaGiocatore));
    QCOMPARE(a.messaggi().quanti(), 0);
    QVERIFY(w->giocatori().isEmpty());
}

void TestRosa::elimina_data()
{
    QTest::addColumn<bool>("si");
    QTest::newRow("no") << false;
    QTest::newRow("si") << true;
}

void TestRosa::elimina()
{
    QFETCH(bool, si);
    AmbienteTest a(RegistraFinestreGiocatori);
    const DatiFixture d = Stagione(a, false);
    const QString squadra = d.squadre[1];
    auto* w = a.mostra<RosaWindow>(ID, squadra);
    Griglia* g = GrigliaRosa();
    g->impostaRigaCorrente(4);
    const GiocatoreRosa scelto = w->giocatori()[3];
    const int giocatori = Conta("SELECT COUNT(*) FROM Giocatore");
    const int presenze = Conta("SELECT COUNT(*) FROM Presenze WHERE CodGiocatore = ?", {scelto.codice});

    a.messaggi().risposta(si ? Messaggio::Risposta::Si : Messaggio::Risposta::No);
    Comando(ID, 4)->clicked();
    QCOMPARE(a.messaggi().ultimo().titolo, QStringLiteral("Eliminare giocatore"));
    QCOMPARE(a.messaggi().ultimo().testo,
             "Eliminare dalla rosa di " + squadra + "\r\r" + scelto.cognome + " " + scelto.nome + " ?");
    QCOMPARE(a.messaggi().ultimo().pulsanti, Messaggio::Pulsanti::SiNo);
    QCOMPARE(Conta("SELECT COUNT(*) FROM Giocatore"), giocatori - (si ? 1 : 0));
    QCOMPARE(Conta("SELECT COUNT(*) FROM Giocatore WHERE Codice = ?", {scelto.codice}), si ? 0 : 1);
    // His appearances stay in the file.
    QCOMPARE(Conta("SELECT COUNT(*) FROM Presenze WHERE CodGiocatore = ?", {scelto.codice}), presenze);
    QCOMPARE(g->righe(), 15 - (si ? 1 : 0));
    QCOMPARE(w->giocatori().size(), g->righe() - 1);
}

void TestRosa::comandi()
{
    AmbienteTest a(RegistraFinestreGiocatori);
    const DatiFixture d = Stagione(a, false);
    auto* w = a.mostra<RosaWindow>(ID, d.squadre[3]);
    const QString squadra = d.squadre[3];
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}) QCOMPARE(Comando(ID, i)->idEvidenzia(), 70 + i);

    // Windows of other folders and of later work: disabled until registered, then they open with
    // the team (and the player of the current row) handed over.
    const QVector<QPair<int, QString>> destinazioni{
        {0, IdFinestra::InformazioniSocietarie}, {2, IdFinestra::AcquistoGiocatore},
        {3, IdFinestra::SchedeGiocatori},        {6, IdFinestra::Marcatori},
        {7, IdFinestra::CalendarioSquadra},      {8, IdFinestra::AndamentoSquadra},
        {9, IdFinestra::GraficoAndamento},       {10, IdFinestra::RicercaRisultati}};
    Griglia* g = GrigliaRosa();
    g->impostaRigaCorrente(2);
    for (const auto& [indice, id] : destinazioni) {
        if (!Finestre::istanza().registrata(id)) QVERIFY2(!Comando(ID, indice)->isEnabled(), qPrintable(id));
        FinestraDiTest::registra(id);
        QVERIFY(Comando(ID, indice)->isEnabled());
        stato().SquadraCorrente.clear();
        stato().CodGiocatoreCorrente = -1;
        Comando(ID, indice)->clicked();
        QVERIFY2(Finestre::istanza().visibile(id), qPrintable(id));
        // The player card is handed its player only.
        if (indice == 3)
            QCOMPARE(stato().CodGiocatoreCorrente, w->giocatori()[1].codice);
        else
            QCOMPARE(stato().SquadraCorrente, squadra);
    }
    // A double click opens the card of that row.
    DoppioClic(g, 5);
    QCOMPARE(stato().CodGiocatoreCorrente, w->giocatori()[4].codice);

    // Each real activation lists the file again: a player added meanwhile shows.
    Esegui("INSERT INTO Giocatore (Cognome, Nome, CodSquadra) VALUES ('Zeta', 'Nuovo', ?)", {d.codici[squadra]});
    Finestre::istanza().mostra(IdFinestra::Marcatori);
    QCOMPARE(w->giocatori().size(), 14);
    Finestre::istanza().mostra(ID);
    QCOMPARE(w->giocatori().size(), 15);
    QCOMPARE(GrigliaRosa()->rigaCorrente(), 15);
}

void TestRosa::vendita_data()
{
    QTest::addColumn<bool>("si");
    QTest::newRow("no") << false;
    QTest::newRow("si") << true;
}

void TestRosa::vendita()
{
    QFETCH(bool, si);
    AmbienteTest a(RegistraFinestreGiocatori);
    const DatiFixture d = Stagione(a, true);
    const QString squadra = d.squadre[2];
    auto* w = a.mostra<RosaWindow>(ID, squadra);
    Griglia* g = GrigliaRosa();
    g->impostaRigaCorrente(6);
    const GiocatoreRosa venduto = w->giocatori()[5];
    const QByteArray prima = AmbienteTest::impronta(d.percorso);
    Comando(ID, 5)->clicked();

    auto* v = qobject_cast<VenditaGiocatoreWindow*>(Finestre::istanza().finestra(IdFinestra::VenditaGiocatore));
    QVERIFY(v && Finestre::istanza().visibile(IdFinestra::VenditaGiocatore));
    QCOMPARE(v->codiceGiocatore(), venduto.codice);
    QCOMPARE(AmbienteTest::parte<QLabel>(IdFinestra::VenditaGiocatore, "Label2")->text(),
             venduto.nome + " " + venduto.cognome);
    // The five other teams in name order, the first chosen.
    auto* squadre = AmbienteTest::parte<ComboCodici>(IdFinestra::VenditaGiocatore, "Combo1");
    QStringList altre = d.squadre;
    altre.removeAll(squadra);
    altre.sort();
    QStringList voci;
    for (int i = 0; i < squadre->count(); ++i) voci << squadre->itemText(i);
    QCOMPARE(voci, altre);
    QCOMPARE(squadre->currentIndex(), 0);
    squadre->setCurrentIndex(3);

    a.messaggi().risposta(si ? Messaggio::Risposta::Si : Messaggio::Risposta::No);
    if (si) a.messaggi().ok();
    AmbienteTest::parte<QPushButton>(IdFinestra::VenditaGiocatore, "Command1")->click();
    const Messaggio::Richiesta domanda = a.messaggi().mostrati().first();
    QCOMPARE(domanda.testo,
             "Confermare il passaggio di " + venduto.nome + " " + venduto.cognome + " a " + altre[3] + " ?");
    QCOMPARE(domanda.predefinito, 0);
    QVERIFY(!Finestre::istanza().caricata(IdFinestra::VenditaGiocatore));
    if (!si) {
        QCOMPARE(a.messaggi().quanti(), 1);
        QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
        QCOMPARE(w->giocatori()[5].codice, venduto.codice);
        return;
    }
    QCOMPARE(a.messaggi().ultimo().testo, QStringLiteral("La vendita del giocatore è stata effettuata!"));
    QCOMPARE(a.messaggi().ultimo().icona, Messaggio::Icona::Esclamazione);
    QCOMPARE(Conta("SELECT CodSquadra FROM Giocatore WHERE Codice = ?", {venduto.codice}), d.codici[altre[3]]);
    QCOMPARE(Conta("SELECT COUNT(*) FROM Giocatore WHERE CodSquadra = ?", {d.codici[squadra]}), 13);
    // The squad lists its team again without him, rows and players in step: the next command hits
    // the player of its row.
    QCOMPARE(g->righe(), 14);
    for (const GiocatoreRosa& x : w->giocatori()) QVERIFY(x.codice != venduto.codice);
    g->impostaRigaCorrente(6);
    const GiocatoreRosa prossimo = w->giocatori()[5];
    QCOMPARE(g->testo(6, 1), prossimo.cognome);
    a.messaggi().si();
    Comando(ID, 4)->clicked();
    QVERIFY(a.messaggi().ultimo().testo.endsWith(prossimo.cognome + " " + prossimo.nome + " ?"));
    QCOMPARE(Conta("SELECT COUNT(*) FROM Giocatore WHERE Codice IN (?, ?)", {venduto.codice, prossimo.codice}), 1);
}

void TestRosa::venditaSenzaRosa()
{
    AmbienteTest a(RegistraFinestreGiocatori);
    const DatiFixture d = a.apri(a.nuovo(4).rose(2));
    const GiocatoreFixture& p = d.giocatori[0];
    // A player who is no longer in the file: a message, and the window never opens.
    stato().CodGiocatoreCorrente = 99999;
    a.messaggi().ok();
    QVERIFY(!Finestre::istanza().mostra(IdFinestra::VenditaGiocatore));
    QCOMPARE(a.messaggi().ultimo().icona, Messaggio::Icona::Critica);
    QVERIFY(!Finestre::istanza().caricata(IdFinestra::VenditaGiocatore));

    // Sold with the squad window closed: it is not opened by the sale.
    stato().CodGiocatoreCorrente = p.codice;
    stato().SquadraCorrente = p.squadra;
    QVERIFY(Finestre::istanza().mostra(IdFinestra::VenditaGiocatore));
    a.messaggi().si().ok();
    AmbienteTest::parte<QPushButton>(IdFinestra::VenditaGiocatore, "Command1")->click();
    QVERIFY(Conta("SELECT CodSquadra FROM Giocatore WHERE Codice = ?", {p.codice}) != p.codSquadra);
    QVERIFY(!Finestre::istanza().caricata(ID));
}

void TestRosa::campionatoPiuGrande()
{
    AmbienteTest a(RegistraFinestreGiocatori);
    const DatiFixture d = a.apri(a.piuGrande());
    Esegui("UPDATE Giocatore SET Cognome = 'Abbondanzieri Bartolomucci Del' WHERE Codice = ?", {d.giocatori[0].codice});
    auto* w = a.mostra<RosaWindow>(ID, d.giocatori[0].squadra);
    QCOMPARE(w->giocatori().size(), 25);
    QVERIFY(!ScorreDiLato(w, "Form1"));
    stato().CodGiocatoreCorrente = d.giocatori[0].codice;
    stato().SquadraCorrente = d.giocatori[0].squadra;
    AmbienteTest::foto(Finestre::istanza().mostra(IdFinestra::VenditaGiocatore)->contenitore(), "Form15.png");
}

QTEST_MAIN(TestRosa)
#include "tst_rosa.moc"
