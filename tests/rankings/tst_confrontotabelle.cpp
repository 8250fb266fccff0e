#include "rankings/confrontotabellequeries.h"
#include "rankings/confrontotabellewindow.h"
#include "rankings/finestreconfronti.h"
#include "rankings/sceltasquadre.h"
#include "support/aiutigriglia.h"
#include "support/ambientetest.h"

#include "aiuticonfronti.h"
#include "support/finestraditest.h"

#include "core/idfinestre.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"

#include <fcntl.h>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using Giornate = QVector<GiornataConfronto>;
using Partite = QVector<PartitaConfronto>;
Q_DECLARE_METATYPE(Giornate)
Q_DECLARE_METATYPE(Partite)

namespace {

const QString ID = IdFinestra::ConfrontoTabelle;

Giornate G(std::initializer_list<std::pair<int, const char*>> giornate)
{
    Giornate g;
    for (const auto& [numero, riposa] : giornate) g << GiornataConfronto{numero, QString::number(numero), riposa};
    return g;
}

// A pairing; each leg's score as "2-1" (played), "" (not played) or "2-" (played, a score missing).
PartitaConfronto P(int giornata, const QString& sq1, const QString& sq2, const QString& andata = {},
                   const QString& ritorno = {})
{
    PartitaConfronto p{giornata, sq1, sq2, !andata.isEmpty(), !ritorno.isEmpty(), {}, {}, {}, {}};
    const auto gol = [](const QString& testo, int i) {
        const QString n = testo.section('-', i, i);
        return n.isEmpty() ? QVariant() : QVariant(n.toInt());
    };
    p.g1a = gol(andata, 0), p.g2a = gol(andata, 1), p.g1r = gol(ritorno, 0), p.g2r = gol(ritorno, 1);
    return p;
}

// A row as its cells joined by "|", then for each team its outcome (V, P, S or -) and the side it plays on
// (C home, O away, - no pairing).
QString Descrivi(const RigaConfronto& r)
{
    QString s = r.celle().join('|') + ' ';
    for (const SquadraInRiga& c : r.squadre)
        s += QString("-VPS").at(int(c.esito)) + QString(c.partita ? (c.inCasa ? "C" : "O") : "-");
    return s;
}

const QString VUOTA = QStringLiteral("|||||||||| ----");

}  // namespace

// The round-by-round comparison: its rows from rounds and pairings, the check before it, and its window.
class TestConfrontoTabelle : public QObject {
    Q_OBJECT

    static Griglia* griglia(Finestra* w) { return w->findChild<Griglia*>(QStringLiteral("Grid1")); }
    static ComboCodici* combo(Finestra* w, int i)
    {
        return w->findChild<ComboCodici*>(QStringLiteral("Combo%1").arg(i));
    }
    static void confronta(Finestra* w, const QString& a, const QString& b) { ScegliDue(w, a, b, "Command5"); }
    static void clic(Griglia* g, int r)
    {
        QTableView* v = g->vista();
        const QModelIndex i = v->model()->index(r - g->righeFisse(), 3);
        v->scrollTo(i);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
    }

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }

    void righe_data()
    {
        QTest::addColumn<Giornate>("giornate");
        QTest::addColumn<Partite>("partite");
        QTest::addColumn<QStringList>("attese");

        // Teams "Bari" (first) and "Como" (second) throughout.
        // clang-format off
        QTest::newRow("squadre pari") << G({{1, ""}, {2, ""}, {3, ""}})
            << Partite{P(1, "Bari", "Como", "2-1", "0-0"), P(2, "Asti", "Bari", "0-3"), P(2, "Como", "Doria", "1-1"),
                       P(3, "Bari", "Doria", "", "2-0"), P(3, "Asti", "Como", "", "1-2")}
            << QStringList{VUOTA, "A|1||Bari|Como|2 - 1|||Bari|Como|2 - 1 VCSO", "A|2||Asti|Bari|0 - 3|||Como|Doria|1 - 1 VOPC",
                           "A|3||Bari|Doria|N.D.|||Asti|Como|N.D. -C-O", VUOTA, "R|1||Como|Bari|0 - 0|||Como|Bari|0 - 0 POPC",
                           "R|2||Bari|Asti|N.D.|||Doria|Como|N.D. -C-O",
                           // Return leg: SQ2 at home, its goals first; Bari wins away.
                           "R|3||Doria|Bari|0 - 2|||Como|Asti|2 - 1 VOVC"};
        QTest::newRow("squadre dispari, riposo alla prima") << G({{1, "Bari"}, {2, "Como"}})
            << Partite{P(1, "Como", "Asti", "0-2", "1-1"), P(2, "Asti", "Bari", "1-1")}
            << QStringList{VUOTA, "A|1||Turno di riposo|||||Como|Asti|0 - 2 --SC", "A|2||Asti|Bari|1 - 1|||Turno di riposo|| PO--",
                           VUOTA, "R|1||Turno di riposo|||||Asti|Como|1 - 1 --PO", "R|2||Bari|Asti|N.D.|||Turno di riposo|| -C--"};
        QTest::newRow("senza giornata 1") << G({{2, ""}, {3, ""}}) << Partite{P(2, "Bari", "Como", "1-0")}
            << QStringList{"A|2||Bari|Como|1 - 0|||Bari|Como|1 - 0 VCSO", "A|3||||||||| ----",
                           "R|2||Como|Bari|N.D.|||Como|Bari|N.D. -O-C", "R|3||||||||| ----"};
        QTest::newRow("senza giornate") << Giornate{} << Partite{P(1, "Bari", "Como")} << QStringList{VUOTA};
        // A score missing from a played leg shows what is there and gives no outcome.
        QTest::newRow("gol mancanti") << G({{1, ""}}) << Partite{P(1, "Bari", "Como", "2-", "-1")}
            << QStringList{VUOTA, "A|1||Bari|Como|2 - |||Bari|Como|2 -  -C-O", VUOTA, "R|1||Como|Bari|1 - |||Como|Bari|1 -  -O-C"};
        // Names are the file's: a pairing or a rest written in other letter case is the team's.
        QTest::newRow("maiuscole") << G({{1, "COMO"}, {2, ""}}) << Partite{P(2, "bari", "Asti", "0-1")}
            << QStringList{VUOTA, "A|1|||||||Turno di riposo|| ----", "A|2||bari|Asti|0 - 1||||| SC--",
                           VUOTA, "R|1|||||||Turno di riposo|| ----", "R|2||Asti|bari|N.D.||||| -O--"};
        // Only the first pairing of a round counts.
        QTest::newRow("due partite nella giornata") << G({{1, ""}}) << Partite{P(1, "Asti", "Bari", "1-0"), P(1, "Bari", "Como", "3-3")}
            << QStringList{VUOTA, "A|1||Asti|Bari|1 - 0|||Bari|Como|3 - 3 SOPO", VUOTA, "R|1||Bari|Asti|N.D.|||Como|Bari|N.D. -C-C"};
        // clang-format on
    }

    void righe()
    {
        QFETCH(Giornate, giornate);
        QFETCH(Partite, partite);
        QFETCH(QStringList, attese);
        QStringList ottenute;
        for (const RigaConfronto& r : RigheConfronto(giornate, partite, "Bari", "Como")) ottenute << Descrivi(r);
        QCOMPARE(ottenute, attese);
    }

    void rifiuti()
    {
        AmbienteTest a(RegistraFinestreConfronti);
        // A name read from a file may hold a tab: it stays in its cell.
        const DatiFixture d = a.apri(FixtureCampionato(a.percorso("t.GVN"))
                                         .squadre({"Ancona", "Bari", "Cagliari\tCalcio", "Dolomiti"})
                                         .giocaTutto());
        // The win picture is a pipe in the program folder, with a picture in it: never opened. (Its writer lets go
        // after a while, so that a window that did open it goes on, showing that picture.)
        QFile disegno(a.cartella().file("MicroP.Bmp"));
        QVERIFY(a.cartella().rimuovi("MicroV.Bmp") && disegno.open(QIODevice::ReadOnly));
        const QByteArray tubo = QFile::encodeName(a.cartella().file("MicroV.Bmp"));
        QCOMPARE(::mkfifo(tubo.constData(), 0600), 0);
        const int fd = ::open(tubo.constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(fd >= 0 && ::write(fd, disegno.readAll().constData(), disegno.size()) == disegno.size());
        std::thread scrittore([fd] { std::this_thread::sleep_for(std::chrono::seconds(1)), ::close(fd); });
        auto* w = a.mostra<ConfrontoTabelleWindow>(ID);
        scrittore.join();
        QVERIFY(!griglia(w)->isVisible());

        struct Caso {
            QString a, b, testo;
        };
        const Caso casi[] = {{"", "", "Il confronto va effettuato tra 2 squadre diverse!"},
                             {"Bari", "", "Bisogna selezionare 2 squadre!"},
                             {"Bari", "Bari", "Il confronto va effettuato tra 2 squadre diverse!"}};
        for (const Caso& c : casi) {
            a.messaggi().ok();
            confronta(w, c.a, c.b);
            QCOMPARE(a.messaggi().ultimo().testo, c.testo);
            QVERIFY(!griglia(w)->isVisible());
        }
        // A refusal after a comparison keeps it on show.
        confronta(w, "Bari", "Ancona");
        // Its rows are the rules' rows from the file's rounds and pairings.
        Giornate giornate;
        for (const GiornataFixture& x : d.giornate)
            giornate << GiornataConfronto{x.numero, QString::number(x.numero), ""};
        Partite partite;
        for (const PartitaFixture& x : d.partite) {
            partite << PartitaConfronto{x.giornata, x.sq1, x.sq2, x.disputataAnd, x.disputataRit, {}, {}, {}, {}};
            partite.last().g1a = x.g1a, partite.last().g2a = x.g2a, partite.last().g1r = x.g1r,
            partite.last().g2r = x.g2r;
        }
        const QVector<RigaConfronto> attese = RigheConfronto(giornate, partite, "Bari", "Ancona");
        for (int r = 2; r < griglia(w)->righe(); ++r) {
            QCOMPARE(RigaGriglia(griglia(w), r), attese[r - 2].celle());
            for (int k = 0; k < 2; ++k) {
                const SquadraInRiga::Esito e = attese[r - 2].squadre[k].esito;
                const bool disegnata = e == SquadraInRiga::Esito::Pareggio || e == SquadraInRiga::Esito::Sconfitta;
                QCOMPARE(!griglia(w)->immagine(r, k == 0 ? 2 : 7).isNull(), disegnata);
            }
        }
        a.messaggi().ok();
        confronta(w, "Bari", "Bari");
        QCOMPARE(w->windowTitle(), QStringLiteral("Confronti: Bari vs Ancona"));
        QCOMPARE(griglia(w)->righe(), 2 + 2 * (3 + 1));
        // A file that cannot be read: one message, and the comparison shown stays.
        Esegui("DROP TABLE Partita");
        a.messaggi().ok();
        confronta(w, "Dolomiti", "Ancona");
        QCOMPARE(w->windowTitle(), QStringLiteral("Confronti: Bari vs Ancona"));
        QCOMPARE(griglia(w)->testo(0, 2), QStringLiteral("Bari"));
    }

    void vediGiornata()
    {
        AmbienteTest a(RegistraFinestreConfronti);
        a.apri(a.nuovo(5).giocaFinoA(2, true));
        auto* w = a.mostra<ConfrontoTabelleWindow>(ID);
        auto* vedi = w->findChild<QPushButton*>(QStringLiteral("Command1"));
        // Without the calendar viewer the command waits for it.
        QVERIFY(!vedi->isEnabled());
        FinestraDiTest::registra(IdFinestra::Calendario);
        QVERIFY(vedi->isEnabled());

        confronta(w, "Ancona", "Cagliari");
        Griglia* g = griglia(w);
        QCOMPARE(g->righe(), 2 + 2 * (5 + 1));
        // Right after the comparison: the last round of the return leg.
        vedi->click();
        QVERIFY(Finestre::istanza().visibile(IdFinestra::Calendario));
        QCOMPARE(stato().Andata, false);
        QCOMPARE(stato().GiornataCorrente, 5);

        // The blank rows open nothing; a round of either leg opens that round (rest rows too).
        const int casi[][3] = {{2, -1, 0}, {3, 1, 1}, {6, 4, 1}, {8, -1, 0}, {9, 1, 0}, {11, 3, 0}};  // row, round, leg
        for (const auto& c : casi) {
            stato().GiornataCorrente = -1;
            stato().Andata = !c[2];
            clic(g, c[0]);
            QCOMPARE(g->rigaCorrente(), c[0]);
            vedi->click();
            QCOMPARE(stato().GiornataCorrente, c[1]);
            if (c[1] > 0) QCOMPARE(stato().Andata, bool(c[2]));
        }
    }
};

QTEST_MAIN(TestConfrontoTabelle)
#include "tst_confrontotabelle.moc"
