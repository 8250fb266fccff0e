#include "rankings/finestreconfronti.h"
#include "support/ambientetest.h"

#include "core/idfinestre.h"
#include "platform/griglia.h"

#include <QListWidget>
#include <QTableView>
#include <QTest>

namespace {

const QString ID = IdFinestra::ClassificheCalcolate;
const QString ND = QStringLiteral("(Giocatore non disponibile)");
using Righe = QVector<QStringList>;

// What the window shows: the grid's rows, heading first, when the grid is in view; else the list's lines.
Righe Mostrato(Finestra* w)
{
    Righe r;
    auto* g = w->findChild<Griglia*>("Grid1");
    auto* l = w->findChild<QListWidget*>("List2");
    if (g->isVisibleTo(w) == l->isVisibleTo(w)) return {{"list e griglia insieme"}};
    for (int i = 0; l->isVisibleTo(w) && i < l->count(); ++i) r << QStringList{l->item(i)->text()};
    for (int i = 0; g->isVisibleTo(w) && i < g->righe(); ++i) {
        r << QStringList{};
        for (int c = 0; c < g->colonne(); ++c) r.last() << g->testo(i, c);
    }
    return r;
}

}  // namespace

// The nine rankings on a known file, and beyond a byte.
class TestClassificheCalcolate : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }

    void classifica_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("prima");  // run on the file first
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("attese");  // rows split by ";", cells by "|"; ND: not found; M0, M1: the matches
        // clang-format off
        QTest::newRow("rigori") << 1 << 1 << "" << "Classifica dei rigori segnati da ogni squadra"
            << "12   Ancona;1   Bari;0   Cagliari;0   Dolomiti;0   Empoli;0   Sant'Elia";
        QTest::newRow("fair play") << 2 << 1 << "" << "Classifica delle ammonizioni ed espulsioni subite da ogni squadra"
            << "3   Ancona;3   Bari;2   Sant'Elia;0   Cagliari;0   Dolomiti;0   Empoli";
        QTest::newRow("autogol") << 3 << 1 << "" << "Classifica delle autoreti commesse da ogni squadra"
            << "1   Cagliari;0   Ancona;0   Bari;0   Dolomiti;0   Empoli;0   Sant'Elia";
        QTest::newRow("presenze") << 4 << 1 << "" << "Classifica dei giocatori che hanno ottenuto più presenze"
            << "Pres.|Giocatore|Squadra;3|Bruni|Empoli;3|Neri|Dolomiti;3|Rossi|Ancona;2|Bianchi|Bari;2|verdi|Bari;1|ND|";
        QTest::newRow("ammonizioni") << 5 << 2 << "" << "Classifica dei giocatori che hanno ricevuto più ammonizioni"
            << "Amm.|Giocatore|Squadra;2|ND|;2|Andrea Rossi|Ancona;2|Carlo verdi|Bari";
        QTest::newRow("nessuna") << 5 << 1 << "UPDATE Presenze SET Ammonito = 0"
            << "Classifica dei giocatori che hanno ricevuto più ammonizioni" << "Amm.|Giocatore|Squadra;||";
        QTest::newRow("espulsioni") << 6 << 3 << "" << "Classifica dei giocatori che hanno subito più espulsioni"
            << "Esp.|Giocatore|Squadra;1| Bianchi|Bari;1|ND|";
        QTest::newRow("media voto") << 7 << 1 << "" << "Classifica dei giocatori per media dei voti ricevuti"
            << "Voto|Giocatore|Squadra;10|Rossi|Ancona;9,5|Bianchi|Bari;9,25|verdi|Bari;7,5|ND|;7,5|Neri|Dolomiti;"
               "6,3333|Bruni|Empoli";
        QTest::newRow("top ten") << 8 << 3 << "" << "I 10 voti più alti assegnati nel campionato"
            << "Voto|Giocatore|Partita;10|A Rossi|M0;10|D Neri|M0;9,5| Bianchi|M1;9,5| Bianchi|M1;9,5|C verdi|M0;"
               "9|C verdi|M0;8|ND|M0;7|ND|M0;6,5|D Neri|M0;6,5|E Bruni|M0;6,5|E Bruni|M0";
        QTest::newRow("dream team") << 9 << 1 << "" << "Dream Team del campionato. I migliori per ogni ruolo"
            << "|Giocatore|Squadra|Voto;|||;2|Bruni|Empoli|6,3333;3|ND||7,5;|||;|||;|||;7|Bianchi|Bari|9,5;|||;"
               "9|Rossi|Ancona|10;10|Neri|Dolomiti|6,5;11|Neri|Dolomiti|6";
        // clang-format on
    }

    void classifica()
    {
        QFETCH(int, tipo);
        QFETCH(int, formato);
        QFETCH(QString, prima);
        QFETCH(QString, titolo);
        QFETCH(QString, attese);
        AmbienteTest a(RegistraFinestreConfronti);
        const DatiFixture d =
            a.apri(a.nuovo().squadre({"Ancona", "Bari", "Cagliari", "Dolomiti", "Empoli", "Sant'Elia"}).rose(25));
        // Five players of known names; Neri has since moved from Cagliari to Dolomiti.
        QHash<QString, int> g;
        for (const QString x : {"Andrea Rossi Ancona 0", " Bianchi Bari 0", "Carlo verdi Bari 1",
                                "Dario Neri Cagliari 0", "Elio Bruni Empoli 0"}) {
            const QStringList n = x.split(' ');
            g[n[1]] = d.rosa(n[2])[n[3].toInt()]->codice;
            Esegui("UPDATE Giocatore SET Nome = ?, Cognome = ? WHERE Codice = ?", {n[0], n[1], g[n[1]]});
        }
        Esegui("UPDATE Giocatore SET CodSquadra = ? WHERE Codice = ?", {d.codici["Dolomiti"], g["Neri"]});
        // Appearances: player, team, card, rating, line-up row, starter, match 0 (first leg) or 1 (return leg).
        const QVariant n;
        const QList<QVariantList> presenze{
            {g["Rossi"], "Ancona", 1, 10, 9, -1, 0},  {g["Rossi"], "Ancona", 100, 250, 9, -1, 0},
            {g["Rossi"], "Ancona", n, 0, 7, -1, 0},   {g["Bianchi"], "Bari", 101, 9.5, 7, -1, 1},
            {g["Bianchi"], "Bari", 0, 9.5, 9, -1, 1}, {g["Bianchi"], "Bari", n, n, 1, n, 1},
            {g["verdi"], "Bari", 1, 9, 9, -1, 0},     {g["verdi"], "Bari", 1, 9.5, 9, -1, 0},
            {g["Neri"], "Cagliari", n, 6, 11, -1, 0}, {g["Neri"], "Cagliari", n, 6.5, 10, -1, 0},
            {g["Neri"], "Cagliari", n, 10, -1, 0, 0}, {g["Bruni"], "Empoli", n, 6, 2, -1, 0},
            {g["Bruni"], "Empoli", n, 6.5, 2, -1, 0}, {g["Bruni"], "Empoli", n, 6.5, 2, -1, 0},
            {-1, "Ancona", 1, 7, 3, -1, 0},           {-1, "Sant'Elia", 1, 8, 3, -1, 0},
            {9999, "Sant'Elia", 101, n, 4, -1, 0},
        };
        for (QVariantList p : presenze) {
            const PartitaFixture& m = d.partite[p.takeLast().toInt()];
            Esegui("INSERT INTO Presenze (CodGiocatore, Squadra, Ammonito, Voto, Riga, Titolare, CodPartita, Girone) "
                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                   p + QVariantList{m.codPart, &m == &d.partite[0] ? -1 : 0});
        }
        // Goals: twelve penalties of Ancona, one of Bari stored in small letters, an own goal and a goal of no kind.
        for (int i = 0; i < 12; ++i) Esegui("INSERT INTO Reti (Squadra, Tipo) VALUES ('Ancona', 5)");
        Esegui("INSERT INTO Reti (Squadra, Tipo) VALUES ('bari', 5), ('Cagliari', 7), ('Cagliari', 250)");
        if (!prima.isEmpty()) Esegui(prima);

        // Match 0 is of the first leg, match 1 of the return leg: the home team of the leg first.
        const PartitaFixture &m0 = d.partite[0], &m1 = d.partite[1];
        attese.replace("ND", ND).replace("M0", m0.sq1 + " - " + m0.sq2).replace("M1", m1.sq2 + " - " + m1.sq1);
        Righe righe;
        for (const QString& r : attese.split(';')) righe << r.split('|');
        stato().FormatoNome = formato;
        stato().TipoClassifica = tipo;
        Finestra* w = a.mostra<Finestra>(ID);
        QCOMPARE(Mostrato(w), righe);
        QCOMPARE(w->windowTitle(), titolo);
    }

    void limiti()
    {
        AmbienteTest a(RegistraFinestreConfronti);
        a.apri(a.nuovo(20).rose(25));
        // 500 players with one appearance each, and 300 booked rows of names typed in, for Ancona.
        Esegui("INSERT INTO Presenze (CodGiocatore, Titolare, Squadra) SELECT Codice, 0, 'Bari' FROM Giocatore");
        Esegui("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
               "INSERT INTO Presenze (CodGiocatore, Titolare, Ammonito, Squadra) SELECT -1, -1, 1, 'Ancona' FROM n");
        const QVector<QPair<int, QStringList>> casi{{2, {"300   Ancona"}}, {4, {"1"}}, {5, {"300", ND, ""}}};
        for (const auto& [tipo, primo] : casi) {
            stato().TipoClassifica = tipo;
            Finestre::istanza().scarica(ID);
            const Righe r = Mostrato(a.mostra<Finestra>(ID));
            QCOMPARE(r.value(tipo == 2 ? 0 : 1).mid(0, primo.size()), primo);
            if (tipo == 4) QCOMPARE(r.size(), 501);
        }

        // The top ten's column of pairings makes room for two everyday names and the separator.
        const QString incontro = "FC Internazionale Milano - Parma Calcio 1913";
        Esegui("UPDATE Partita SET Sq1 = ?, Sq2 = ? WHERE CodPart = (SELECT MIN(CodPart) FROM Partita)",
               {incontro.section(" - ", 0, 0), incontro.section(" - ", 1)});
        Esegui(
            "INSERT INTO Presenze (CodGiocatore, Voto, CodPartita, Girone) SELECT 1, 8, MIN(CodPart), -1 FROM Partita");
        stato().TipoClassifica = 8;
        Finestre::istanza().scarica(ID);
        const Griglia* g = a.mostra<Finestra>(ID)->findChild<Griglia*>("Grid1");
        QCOMPARE(g->testo(1, 2), incontro);
        QVERIFY(g->larghezzaColonnaPx(2) > QFontMetrics(g->vista()->font()).horizontalAdvance(incontro));

        // A file that cannot be read: one message, and no window.
        stato().TipoClassifica = 5;
        Esegui("DROP TABLE Presenze");
        Finestre::istanza().scarica(ID);
        a.messaggi().ok();
        QVERIFY(!a.mostra<Finestra>(ID));
        QCOMPARE(a.messaggi().ultimo().titolo, "Classifica dei giocatori che hanno ricevuto più ammonizioni");
        QVERIFY(!AmbienteTest::caricata(ID));
    }
};

QTEST_MAIN(TestClassificheCalcolate)
#include "tst_classifichecalcolate.moc"
