#include "rankings/finestreconfronti.h"
#include "rankings/marcatoriwindow.h"
#include "support/aiutigriglia.h"
#include "support/ambientetest.h"

#include "core/codici.h"
#include "core/idfinestre.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"

#include <algorithm>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

const QString ID = IdFinestra::Marcatori;
const QStringList INTESTAZIONE{"Reti", "Giocatore", "Squadra", "Rigori", "Puniz.",
                               "Dx",   "Sx",        "Testa",   "Rov.",   "Tacco"};

// The players the list must show, worked out from what the fixture wrote: tally above 0, highest
// first, then team code and surname.
QVector<GiocatoreFixture> Marcatori(const DatiFixture& d, const QString& squadra)
{
    QVector<GiocatoreFixture> m;
    for (const GiocatoreFixture& g : d.giocatori)
        if (g.reti > 0 && (squadra.isEmpty() || g.squadra == squadra)) m << g;
    std::sort(m.begin(), m.end(), [](const GiocatoreFixture& a, const GiocatoreFixture& b) {
        if (a.reti != b.reti) return a.reti > b.reti;
        if (a.codSquadra != b.codSquadra) return a.codSquadra < b.codSquadra;
        const int c = a.cognome.compare(b.cognome, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.codice < b.codice;
    });
    return m;
}

}  // namespace

// The top scorers window: both lists against the file, its choices and its loading.
class TestMarcatori : public QObject {
    Q_OBJECT

    static Griglia* griglia(Finestra* w) { return w->findChild<Griglia*>(QStringLiteral("Grid1")); }
    static ComboCodici* combo(Finestra* w, int i)
    {
        return w->findChild<ComboCodici*>(QStringLiteral("Combo%1").arg(i));
    }
    static QToolButton* opzione(Finestra* w, int i)
    {
        return w->findChild<QToolButton*>(QStringLiteral("Option%1").arg(i));
    }

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }

    void elenco_data()
    {
        QTest::addColumn<QString>("squadra");
        QTest::addColumn<bool>("tutti");
        QTest::addColumn<bool>("dettagliata");
        QTest::addColumn<int>("formato");
        QTest::addColumn<QStringList>("nomi");  // the two scorers of known names, one without a first name
        QTest::newRow("primi 15, cognome") << "" << false << false << 1 << QStringList{"Rossi", "Bianchi"};
        QTest::newRow("tutti, nome e cognome") << "" << true << false << 2 << QStringList{"Andrea Rossi", " Bianchi"};
        QTest::newRow("dettagliata, tutti") << "" << true << true << 1 << QStringList{"Rossi", "Bianchi"};
        QTest::newRow("una squadra, tutti") << "Cagliari\tAssociazione Sportiva" << true << true << 1 << QStringList{};
        QTest::newRow("una squadra, primi 15") << "Bari" << false << false << 1 << QStringList{};
    }

    void elenco()
    {
        QFETCH(QString, squadra);
        QFETCH(bool, tutti);
        QFETCH(bool, dettagliata);
        QFETCH(int, formato);
        QFETCH(QStringList, nomi);
        AmbienteTest a(RegistraFinestreConfronti);
        QStringList squadre = FixtureCampionato::nomiPredefiniti().mid(0, 6);
        // A name read from a file may hold a tab: it stays in its cell.
        squadre[2] = "Cagliari\tAssociazione Sportiva";
        DatiFixture d =
            a.apri(FixtureCampionato(a.percorso("m.GVN")).squadre(squadre).rose(25).formazioni().giocaFinoA(5, false));
        // The two top scorers get known names; a player without goals gets an own goal and one of no kind.
        QVector<GiocatoreFixture> m = Marcatori(d, {});
        const auto rinomina = [&d](int codice, const QVariant& nome, const QString& cognome) {
            Esegui("UPDATE Giocatore SET Nome = ?, Cognome = ? WHERE Codice = ?", {nome, cognome, codice});
            for (GiocatoreFixture& g : d.giocatori)
                if (g.codice == codice) g.nome = nome.toString(), g.cognome = cognome;
        };
        rinomina(m[0].codice, "Andrea", "Rossi");
        rinomina(m[1].codice, QVariant(QMetaType(QMetaType::QString)), "Bianchi");
        const auto senzaTipo =
            std::find_if(d.giocatori.begin(), d.giocatori.end(), [](const GiocatoreFixture& g) { return g.reti == 0; });
        for (int tipo : {TIPO_AUTORETE, TIPO_NON_INDICATO})
            Esegui("INSERT INTO Reti (CodPart, CodGiocatore, Girone, Squadra, Tipo) VALUES (?, ?, 1, ?, ?)",
                   {d.partite[0].codPart, senzaTipo->codice, senzaTipo->squadra, tipo});
        Esegui("UPDATE Giocatore SET Reti = 2 WHERE Codice = ?", {senzaTipo->codice});
        senzaTipo->reti = 2;

        QVector<GiocatoreFixture> attesi = Marcatori(d, squadra);
        QVERIFY(attesi.size() > (squadra.isEmpty() ? 16 : 1));
        // Ties across the cut: the 16th scorer has the 15th one's tally, and is left out.
        if (!tutti && squadra.isEmpty()) QCOMPARE(attesi[15].reti, attesi[14].reti);
        if (!tutti && attesi.size() > 15) attesi.resize(15);

        stato().FormatoNome = formato;
        auto* w = a.mostra<MarcatoriWindow>(ID, squadra);
        combo(w, 2)->setCurrentIndex(tutti ? 1 : 0);
        opzione(w, dettagliata ? 2 : 1)->click();
        const Griglia* g = griglia(w);
        QCOMPARE(RigaGriglia(g, 0), INTESTAZIONE.mid(0, dettagliata ? 10 : 3));

        int r = 1, nonNeiTipi = 0;
        QStringList noti;
        for (int i = 0; i < attesi.size(); ++i) {
            const GiocatoreFixture& x = attesi[i];
            if (i == 0 || x.reti != attesi[i - 1].reti) QVERIFY(RigaGriglia(g, r++).join("").isEmpty());
            const QString nome = formato == 2   ? x.nome + " " + x.cognome
                                 : formato == 3 ? x.nome.left(1) + ". " + x.cognome
                                                : x.cognome;
            QStringList riga{QString::number(x.reti), nome, x.squadra};
            int neiTipi = 0;
            for (int tipo : {5, 4, 1, 2, 3, 6, 8}) {
                const int n = int(std::count_if(d.reti.begin(), d.reti.end(), [&](const ReteFixture& rete) {
                    return rete.codGiocatore == x.codice && rete.tipo == tipo;
                }));
                if (dettagliata) riga << QString::number(n);
                neiTipi += n;
            }
            nonNeiTipi += neiTipi < x.reti;
            if (x.codice == m[0].codice || x.codice == m[1].codice) noti << g->testo(r, 1);
            QCOMPARE(RigaGriglia(g, r), riga);
            ++r;
        }
        // No separator follows the last player; own goals and goals of no kind are in the tally only.
        QCOMPARE(g->righe(), r);
        if (!nomi.isEmpty()) QCOMPARE(noti, nomi);
        if (tutti && squadra.isEmpty()) QVERIFY(nonNeiTipi > 1);
    }

    void caricamento()
    {
        AmbienteTest a(RegistraFinestreConfronti);
        const DatiFixture d = a.apri(a.nuovo(6).rose(25).formazioni().giocaFinoA(3, true));
        auto* w = a.mostra<MarcatoriWindow>(ID, "Cagliari");
        QCOMPARE(w->riempimenti(), 1);
        QCOMPARE(combo(w, 1)->codiceCorrente(), d.codici["Cagliari"]);

        // Each choice refills once.
        combo(w, 1)->setCurrentIndex(0);
        opzione(w, 2)->click();
        combo(w, 2)->setCurrentIndex(1);
        QCOMPARE(w->riempimenti(), 4);
        // Shown again while open, with another team handed over: it keeps its choices and its list.
        QCOMPARE(a.mostra<MarcatoriWindow>(ID, "Bari"), w);
        QCOMPARE(w->riempimenti(), 4);
        QCOMPARE(combo(w, 1)->currentIndex(), 0);

        // A team handed over that is not in the list: all teams.
        Finestre::istanza().scarica(ID);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = a.mostra<MarcatoriWindow>(ID, "Inesistente");
        QCOMPARE(combo(w, 1)->currentIndex(), 0);

        // A file that cannot be read: one message and an empty list, never the list shown before.
        Esegui("DROP TABLE Reti");
        a.messaggi().ok();
        opzione(w, 2)->click();
        QCOMPARE(griglia(w)->righe(), 2);
    }

    // The window opens as its list needs: the grid no wider than its columns, every row of the first list
    // in sight where the area has room; the detailed list widens the window to show whole.
    void misure()
    {
        AmbienteTest a(RegistraFinestreConfronti);
        const DatiFixture d = a.apri(a.piuGrande());
        auto* w = a.mostra<MarcatoriWindow>(ID, d.squadre[0]);
        Griglia* g = griglia(w);
        QVERIFY(g->righe() > 20);
        QTableView* v = g->vista();
        QVERIFY(v->visualRect(v->model()->index(v->model()->rowCount() - 1, 0)).bottom() < v->viewport()->height());
        QCOMPARE(g->width(), g->sizeHint().width());
        AmbienteTest::foto(AmbienteTest::cornice(ID), "form20.png");
        const int larghezza = AmbienteTest::cornice(ID)->width();
        for (int i : {2, 1}) {
            opzione(w, i)->click();
            QCOMPARE(g->width(), g->sizeHint().width());
            QVERIFY(AmbienteTest::contenuta(ID));
            AmbienteTest::foto(AmbienteTest::cornice(ID), QStringLiteral("form20-%1.png").arg(i));
        }
        // Back to the simple list, back to the width it opened with.
        QCOMPARE(AmbienteTest::cornice(ID)->width(), larghezza);
        // A surname of 500 characters and a team name of 300: cut, and the window stays within the area.
        Esegui("UPDATE Giocatore SET Cognome = ? WHERE Reti > 0", {QString(500, 'x')});
        stato().Squadre[1].Nome = QString(300, 'y');
        for (int i : {2, 1}) {
            opzione(w, i)->click();
            QVERIFY(a.area()->viewport()->rect().contains(AmbienteTest::cornice(ID)->geometry()));
            QVERIFY(AmbienteTest::contenuta(ID));
        }
    }

    void limiti()
    {
        AmbienteTest a(RegistraFinestreConfronti);
        a.apri(a.nuovo(20).rose(25));
        // No scorer: the heading and one empty row.
        auto* w = a.mostra<MarcatoriWindow>(ID);
        QCOMPARE(griglia(w)->righe(), 2);
        QVERIFY(RigaGriglia(griglia(w), 1).join("").isEmpty());
        // 500 scorers of different tallies, up to 500 goals: 1001 rows.
        Esegui("UPDATE Giocatore SET Reti = Codice");
        const int massimo = Valore("SELECT MAX(Codice) FROM Giocatore").toInt();
        combo(w, 2)->setCurrentIndex(1);
        const Griglia* g = griglia(w);
        QCOMPARE(g->righe(), 1 + 2 * 500);
        QCOMPARE(g->testo(2, 0), QString::number(massimo));
        QCOMPARE(g->testo(1000, 0), QString::number(massimo - 499));
    }
};

QTEST_MAIN(TestMarcatori)
#include "tst_marcatori.moc"
