#include "players/aiutigiocatori.h"
#include "players/finestregiocatori.h"
#include "standings/aiutigriglia.h"
#include "support/ambientetest.h"

#include "players/elencogiocatoriwindow.h"
#include "players/sceltagiocatoredialog.h"
#include "support/finestraditest.h"

#include <algorithm>
#include <QPushButton>
#include <QScreen>

namespace {

const QString ELENCO = IdFinestra::ElencoGiocatori;
const QString SCELTA = IdFinestra::SceltaGiocatore;
const QString SCHEDA = IdFinestra::SchedeGiocatori;

// The largest championship with a lower-case surname.
// Gives the rows (surname, first name, team, role) both windows must list, by surname, first name and key.
QVector<QStringList> Campionato(AmbienteTest& a, QVector<int>* codici)
{
    QVector<GiocatoreFixture> g = a.apri(a.piuGrande()).giocatori;
    g.append({NuovoGiocatore("nardi", "Pietro", g[0].codSquadra), "Pietro", "nardi", "Ala", 7, 0, g[0].squadra});
    std::sort(g.begin(), g.end(), [](const GiocatoreFixture& x, const GiocatoreFixture& y) {
        if (int c = x.cognome.compare(y.cognome, Qt::CaseInsensitive)) return c < 0;
        if (int c = x.nome.compare(y.nome, Qt::CaseInsensitive)) return c < 0;
        return x.codice < y.codice;
    });
    QVector<QStringList> righe;
    for (const GiocatoreFixture& x : g) {
        righe << QStringList{x.cognome, x.nome, x.squadra, x.ruolo};
        *codici << x.codice;
    }
    return righe;
}

// The picker shown modally, as the player comparison shows it; CodGiocatoreScelto after it closed.
int Scegli(const std::function<void(SceltaGiocatoreDialog*, QTreeWidget*)>& azioni)
{
    const bool chiusa = ConModale(SCELTA, [azioni](QWidget* f) {
        auto* w = qobject_cast<SceltaGiocatoreDialog*>(f);
        azioni(w, w->findChild<QTreeWidget*>("ListView1"));
    });
    return chiusa ? stato().CodGiocatoreScelto : -99;
}

void Premi(QWidget* w, const QString& nome) { w->findChild<QPushButton*>(nome)->click(); }

}  // namespace

// The complete player list and the player picker.
class TestElencoGiocatori : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }

    void elenco()
    {
        AmbienteTest a(RegistraFinestreGiocatori);
        QVector<int> codici;
        const QVector<QStringList> attese = Campionato(a, &codici);
        FinestraDiTest::registra(SCHEDA);
        auto* w = a.mostra<ElencoGiocatoriWindow>(ELENCO);
        QVERIFY(w);
        Griglia* g = w->findChild<Griglia*>("Grid1");
        QCOMPARE(RigheGriglia(g, 1), attese);
        // Right after filling the last row is current: "Scheda giocatore" opens its player.
        Premi(w, "Command1");
        QVERIFY(FinestraDiTest::di(SCHEDA));
        QCOMPARE(stato().CodGiocatoreCorrente, codici.last());
        DoppioClic(g, 40);
        QCOMPARE(stato().CodGiocatoreCorrente, codici[39]);
    }

    void scelta_data()
    {
        QTest::addColumn<QString>("modo");  // "Command1" Seleziona, "Command2" Annulla, or the close box
        QTest::addColumn<bool>("senzaCognome");
        QTest::newRow("seleziona") << "Command1" << false;
        QTest::newRow("cognome vuoto") << "Command1" << true;
        QTest::newRow("annulla") << "Command2" << false;
        QTest::newRow("chiusura") << QString() << false;
    }

    void scelta()
    {
        QFETCH(QString, modo);
        QFETCH(bool, senzaCognome);
        AmbienteTest a(RegistraFinestreGiocatori);
        const DatiFixture d = a.apri(a.nuovo(4).rose(12));
        const int codSquadra = stato().Squadre[2].Codice.toInt();
        const int codice = NuovoGiocatore(senzaCognome ? QString() : "Zoff", "Dino", codSquadra);
        stato().CodGiocatoreScelto = d.giocatori.first().codice;  // the pick of an earlier use

        const int scelto = Scegli([&](SceltaGiocatoreDialog* w, QTreeWidget* elenco) {
            // Every player at first; no row chosen yet: refused.
            QCOMPARE(elenco->topLevelItemCount(), d.giocatori.size() + 1);
            a.messaggi().ok();
            Premi(w, "Command1");
            // One team's players, in order, with the new player last.
            CliccaNodo(w->findChild<Albero*>("TreeView1"), stato().Squadre[2].Nome);
            QCOMPARE(elenco->topLevelItemCount(), 13);
            QTreeWidgetItem* dino = elenco->topLevelItem(senzaCognome ? 0 : 12);
            QCOMPARE(dino->text(1), QStringLiteral("Dino"));
            elenco->setCurrentItem(dino);
            if (senzaCognome) a.messaggi().ok();
            modo.isEmpty() ? void(w->close()) : Premi(w, modo);
            QCOMPARE(a.messaggi().quanti(), senzaCognome ? 2 : 1);
            if (senzaCognome) w->close();
        });
        QCOMPARE(scelto, modo == "Command1" && !senzaCognome ? codice : -1);
    }

    // Long names of teams and of a player: the picker stands within the screen with its buttons, its tree and list
    // giving up the width they would take to show every name whole.
    void sceltaNelloSchermo()
    {
        AmbienteTest a(RegistraFinestreGiocatori);
        QStringList nomi = FixtureCampionato::nomiPredefiniti();
        nomi[2] = QStringLiteral("Associazione Calcio Modena FC 1912");
        nomi[3] = QStringLiteral("Unione Sportiva Salernitana 1919");
        a.apri(a.piuGrande().squadre(nomi));
        NuovoGiocatore("Martínez Fernández de la Santísima Trinidad", "Juan Pablo María de los Ángeles",
                       stato().Squadre[3].Codice.toInt());
        QRect schermo, finestra, annulla;
        Scegli([&](SceltaGiocatoreDialog* w, QTreeWidget*) {
            schermo = w->screen()->availableGeometry();
            finestra = w->frameGeometry();
            annulla = w->findChild<QPushButton*>("Command2")->geometry();
            annulla.moveTopLeft(w->findChild<QPushButton*>("Command2")->mapTo(w, QPoint()));
            w->close();
        });
        QVERIFY2(schermo.contains(finestra), qPrintable(QString("%1 px").arg(finestra.width())));
        QVERIFY(QRect(QPoint(), finestra.size()).contains(annulla));
    }
};

QTEST_MAIN(TestElencoGiocatori)
#include "tst_elencogiocatori.moc"
