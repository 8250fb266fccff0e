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
#include <QPushButton>

namespace {

const QString ID = IdFinestra::Rosa;
const QString VENDITA = IdFinestra::VenditaGiocatore;

Griglia* GrigliaRosa() { return AmbienteTest::parte<Griglia>(ID, "Grid1"); }
void Premi(int i) { AmbienteTest::parte<Pannello>(ID, QStringLiteral("SSPanel1_%1").arg(i))->clicked(); }
int Conta(const QString& sql, std::initializer_list<QVariant> p = {}) { return Valore(sql, p).toInt(); }
int Giocate(const QString& tabella, int codice)
{
    return Conta(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE CodGiocatore = ?").arg(tabella), {codice});
}

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

    void riempimento_data()
    {
        QTest::addColumn<bool>("tradizionale");
        QTest::newRow("numerazione personale") << false;
        QTest::newRow("numerazione tradizionale") << true;
    }

    void riempimento()
    {
        QFETCH(bool, tradizionale);
        AmbienteTest a(RegistraFinestreGiocatori);
        const DatiFixture d = Stagione(a, tradizionale);
        const QString squadra = d.squadre[2];
        const QVector<const GiocatoreFixture*> propri = d.rosa(squadra);
        // No shirt number, a 0, two players of the same names, an own goal and a goal of no given kind,
        // and a player bought from another team, who brings the rows he made there.
        Esegui("UPDATE Giocatore SET Numero = NULL WHERE Codice = ?", {propri[5]->codice});
        Esegui("UPDATE Giocatore SET Numero = 0 WHERE Codice = ?", {propri[9]->codice});
        Esegui("UPDATE Giocatore SET Cognome = 'Rossi', Nome = 'Luca' WHERE Codice IN (?, ?)",
               {propri[3]->codice, propri[7]->codice});
        Esegui("INSERT INTO Reti (CodGiocatore, Squadra, Tipo) VALUES (?, ?, ?), (?, ?, ?)",
               {propri[3]->codice, squadra, TIPO_AUTORETE, propri[3]->codice, squadra, TIPO_NON_INDICATO});
        const int comprato = d.rosa(d.squadre[4]).first()->codice;
        QVERIFY(Giocate("Presenze", comprato) > 0);
        Esegui("UPDATE Giocatore SET CodSquadra = ? WHERE Codice = ?", {d.codici[squadra], comprato});

        auto* w = a.mostra<RosaWindow>(ID, squadra);
        auto* ordini = AmbienteTest::parte<ComboCodici>(ID, "Combo2");

        // Each order as sorted here from the file's rows, ties broken by the key.
        struct G {
            int codice;
            QString chiave[4];  // shirt number (none first), surname, first name, role
        };
        QVector<G> rosa;
        Query q("SELECT Codice, Numero, Cognome, Nome, Ruolo FROM Giocatore WHERE CodSquadra = ?", {d.codici[squadra]});
        while (q.next())
            rosa << G{
                q.intero(0),
                {q.nullo("Numero") ? "" : QString::number(q.intero(1) + 100000), q.testo(2), q.testo(3), q.testo(4)}};
        const QHash<QString, QVector<int>> campi{{"Numero di maglia", {0, 1, 2}},
                                                 {"Cognome, nome", {1, 2}},
                                                 {"Nome, cognome", {2, 1}},
                                                 {"Ruolo", {3, 1, 2}}};
        const Griglia* g = GrigliaRosa();
        for (int o = 0; o < ordini->count(); ++o) {
            ordini->setCurrentIndex(o);
            auto chiave = [&](const G& x) {
                QStringList k;
                for (int c : campi[ordini->itemText(o)]) k << x.chiave[c];
                return k.join(QChar(1));
            };
            std::sort(rosa.begin(), rosa.end(), [&](const G& x, const G& y) {
                const int r = chiave(x).compare(chiave(y), Qt::CaseInsensitive);
                return r ? r < 0 : x.codice < y.codice;
            });
            QCOMPARE(w->giocatori().size(), propri.size() + 1);
            for (int i = 0; i < rosa.size(); ++i) QCOMPARE(w->giocatori()[i].codice, rosa[i].codice);
            QCOMPARE(g->rigaCorrente(), rosa.size());
        }
        // Cells: no shirt number for none and 0, bold names, counts over every team and kind of goal.
        int reti = 0;
        for (int r = 1; r < g->righe(); ++r) {
            const int codice = w->giocatori()[r - 1].codice;
            const int numero = Conta("SELECT Numero FROM Giocatore WHERE Codice = ?", {codice});
            QCOMPARE(g->testo(r, 0), numero ? QString::number(numero) : QString());
            QCOMPARE(g->testo(r, 5).toInt(), Giocate("Presenze", codice));
            QCOMPARE(g->testo(r, 6).toInt(), Giocate("Reti", codice));
            reti += g->testo(r, 6).toInt();
        }
        QVERIFY(reti >= 2);
    }

    void elimina()
    {
        AmbienteTest a(RegistraFinestreGiocatori);
        const DatiFixture d = Stagione(a, false);
        auto* w = a.mostra<RosaWindow>(ID, d.squadre[1]);
        GrigliaRosa()->impostaRigaCorrente(4);
        const GiocatoreRosa scelto = w->giocatori()[3];
        const int presenze = Giocate("Presenze", scelto.codice);
        for (bool si : {false, true}) {
            a.messaggi().risposta(si ? Messaggio::Risposta::Si : Messaggio::Risposta::No);
            Premi(4);
            QCOMPARE(Conta("SELECT COUNT(*) FROM Giocatore"), d.giocatori.size() - si);
            QCOMPARE(GrigliaRosa()->righe(), 15 - si);
        }
        QCOMPARE(Conta("SELECT COUNT(*) FROM Giocatore WHERE Codice = ?", {scelto.codice}), 0);
        QCOMPARE(Giocate("Presenze", scelto.codice), presenze);  // his appearances stay
    }

    void comandi()
    {
        AmbienteTest a(RegistraFinestreGiocatori);
        const DatiFixture d = Stagione(a, false);
        const QString squadra = d.squadre[3];
        auto* w = a.mostra<RosaWindow>(ID, squadra);

        // The player card opens on the player of the row.
        FinestraDiTest::registra(IdFinestra::SchedeGiocatori);
        DoppioClic(GrigliaRosa(), 5);
        QCOMPARE(stato().CodGiocatoreCorrente, w->giocatori()[4].codice);

        // Each real activation lists the file again.
        Esegui("INSERT INTO Giocatore (Cognome, Nome, CodSquadra) VALUES ('Zeta', 'Nuovo', ?)", {d.codici[squadra]});
        QCOMPARE(w->giocatori().size(), 14);
        Finestre::istanza().mostra(ID);
        QCOMPARE(w->giocatori().size(), 15);
        QCOMPARE(GrigliaRosa()->rigaCorrente(), 15);
    }

    void vendita()
    {
        AmbienteTest a(RegistraFinestreGiocatori);
        const DatiFixture d = Stagione(a, true);
        const QString squadra = d.squadre[2];
        auto* w = a.mostra<RosaWindow>(ID, squadra);
        Griglia* g = GrigliaRosa();
        const QByteArray prima = AmbienteTest::impronta(d.percorso);
        QStringList altre = d.squadre;
        altre.removeAll(squadra);
        altre.sort();
        for (bool si : {false, true}) {
            g->impostaRigaCorrente(6);
            const GiocatoreRosa venduto = w->giocatori()[5];
            Premi(5);
            auto* squadre = AmbienteTest::parte<ComboCodici>(VENDITA, "Combo1");
            squadre->setCurrentIndex(3);
            a.messaggi().svuota();
            a.messaggi().risposta(si ? Messaggio::Risposta::Si : Messaggio::Risposta::No);
            if (si) a.messaggi().ok();
            AmbienteTest::parte<QPushButton>(VENDITA, "Command1")->click();
            QVERIFY(a.messaggi().mostrati().first().testo.endsWith(venduto.cognome + " a " + altre[3] + " ?"));
            QVERIFY(!Finestre::istanza().caricata(VENDITA));
            if (!si) {
                QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
                continue;
            }
            QCOMPARE(Conta("SELECT CodSquadra FROM Giocatore WHERE Codice = ?", {venduto.codice}), d.codici[altre[3]]);
            QCOMPARE(Conta("SELECT COUNT(*) FROM Giocatore WHERE CodSquadra = ?", {d.codici[squadra]}), 13);
        }
        // The squad lists its team again without him, rows and players in step: the next command hits
        // the player of its row.
        QCOMPARE(g->righe(), 14);
        g->impostaRigaCorrente(6);
        const GiocatoreRosa prossimo = w->giocatori()[5];
        QCOMPARE(g->testo(6, 1), prossimo.cognome);
        a.messaggi().si();
        Premi(4);
        QVERIFY(a.messaggi().ultimo().testo.endsWith("\r\r" + prossimo.cognome + " " + prossimo.nome + " ?"));
        QCOMPARE(Conta("SELECT COUNT(*) FROM Giocatore WHERE Codice = ?", {prossimo.codice}), 0);
    }

    void venditaSenzaRosa()
    {
        AmbienteTest a(RegistraFinestreGiocatori);
        const DatiFixture d = a.apri(a.piuGrande());
        const GiocatoreFixture& p = d.giocatori[0];
        // A player who is no longer in the file: a message, and the window never opens.
        stato().CodGiocatoreCorrente = 99999;
        a.messaggi().ok();
        QVERIFY(!Finestre::istanza().mostra(VENDITA));
        QCOMPARE(a.messaggi().ultimo().icona, Messaggio::Icona::Critica);

        // Sold with the squad window closed: the sale does not open it.
        stato().CodGiocatoreCorrente = p.codice;
        Esegui(
            "UPDATE Giocatore SET Nome = 'Massimiliano', Cognome = 'Abbondanzieri Bartolomucci Del' WHERE Codice = ?",
            {p.codice});
        Finestre::istanza().mostra(VENDITA);
        a.messaggi().si().ok();
        AmbienteTest::parte<QPushButton>(VENDITA, "Command1")->click();
        QVERIFY(Conta("SELECT CodSquadra FROM Giocatore WHERE Codice = ?", {p.codice}) != p.codSquadra);
        QVERIFY(!Finestre::istanza().caricata(ID));
    }
};

QTEST_MAIN(TestRosa)
#include "tst_rosa.moc"
