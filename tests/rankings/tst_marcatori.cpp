#include "rankings/finestreconfronti.h"
#include "rankings/marcatoriwindow.h"
#include "support/ambientetest.h"

#include "core/codici.h"
#include "core/idfinestre.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"

#include <algorithm>
#include <QElapsedTimer>
#include <QGroupBox>
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

QStringList Riga(const Griglia* g, int r)
{
    QStringList celle;
    for (int c = 0; c < g->colonne(); ++c) celle << g->testo(r, c);
    return celle;
}

// Two scorers of known names at the top of the list: one without a first name.
void NomiNoti(const QVector<GiocatoreFixture>& m)
{
    Esegui("UPDATE Giocatore SET Nome = 'Andrea', Cognome = 'Rossi' WHERE Codice = ?", {m[0].codice});
    Esegui("UPDATE Giocatore SET Nome = NULL, Cognome = 'Bianchi' WHERE Codice = ?", {m[1].codice});
}

}  // namespace

// The top scorers window: the simple and the detailed list against the file, its choices and its loading.
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
    void semplice_data();
    void semplice();
    void dettagliata();
    void caricamento();
    void senzaMarcatori();
    void oltreIlimiti();
    void campionatoPiuGrande();
};

void TestMarcatori::semplice_data()
{
    QTest::addColumn<QString>("squadra");
    QTest::addColumn<bool>("tutti");
    QTest::addColumn<int>("formato");
    QTest::addColumn<QStringList>("nomi");  // the names of the two known scorers
    QTest::newRow("tutte, primi 15, cognome") << "" << false << 1 << QStringList{"Rossi", "Bianchi"};
    QTest::newRow("tutte, tutti, nome e cognome") << "" << true << 2 << QStringList{"Andrea Rossi", " Bianchi"};
    QTest::newRow("tutte, primi 15, iniziale") << "" << false << 3 << QStringList{"A. Rossi", ". Bianchi"};
    QTest::newRow("stile sconosciuto") << "" << false << 7 << QStringList{"Rossi", "Bianchi"};
    QTest::newRow("una squadra, tutti") << "Cagliari" << true << 3 << QStringList{};
    QTest::newRow("una squadra, primi 15") << "Bari" << false << 2 << QStringList{};
}

void TestMarcatori::semplice()
{
    QFETCH(QString, squadra);
    QFETCH(bool, tutti);
    QFETCH(int, formato);
    QFETCH(QStringList, nomi);
    AmbienteTest a(RegistraFinestreConfronti);
    DatiFixture d = a.apri(a.nuovo(6).rose(25).formazioni().giocaFinoA(5, false));
    stato().FormatoNome = formato;
    QVector<GiocatoreFixture> attesi = Marcatori(d, squadra);
    QVERIFY(attesi.size() > (squadra.isEmpty() ? 16 : 1));
    if (!nomi.isEmpty()) {
        NomiNoti(attesi);
        attesi = Marcatori(d, squadra);  // codes and order unchanged: the names only
        attesi[0].nome = "Andrea", attesi[0].cognome = "Rossi";
        attesi[1].nome = "", attesi[1].cognome = "Bianchi";
    }
    // Ties across the cut: the 16th scorer has the 15th one's tally.
    if (!tutti && squadra.isEmpty()) QCOMPARE(attesi[15].reti, attesi[14].reti);
    if (!tutti && attesi.size() > 15) attesi.resize(15);

    auto* w = a.mostra<MarcatoriWindow>(ID, squadra);
    combo(w, 2)->setCurrentIndex(tutti ? 1 : 0);
    QCOMPARE(w->windowTitle(),
             squadra.isEmpty() ? QString("Classifica marcatori") : "Classifica marcatori: " + squadra);
    QCOMPARE(w->findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("Classifica dei marcatori (Semplice)"));

    const Griglia* g = griglia(w);
    QCOMPARE(g->colonne(), 3);
    QCOMPARE(g->righeFisse(), 1);
    QCOMPARE(Riga(g, 0), INTESTAZIONE.mid(0, 3));
    QCOMPARE(g->coloreTesto(0, 1), QColor(0, 0, 255));
    QCOMPARE(g->coloreSfondo(0, 1), QColor(192, 192, 192));
    int r = 1;
    QVector<int> righeNote;
    for (int i = 0; i < attesi.size(); ++i) {
        const GiocatoreFixture& m = attesi[i];
        if (i == 0 || m.reti != attesi[i - 1].reti) {
            QVERIFY2(Riga(g, r).join("").isEmpty(), qPrintable(QString("riga %1").arg(r)));
            ++r;
        }
        const QString nome = formato == 2   ? m.nome + " " + m.cognome
                             : formato == 3 ? m.nome.left(1) + ". " + m.cognome
                                            : m.cognome;
        QCOMPARE(Riga(g, r), (QStringList{QString::number(m.reti), nome, m.squadra}));
        QVERIFY(g->grassetto(r, 1) && !g->grassetto(r, 0));
        if (i < 2) righeNote << r;
        ++r;
    }
    // No separator follows the last player.
    QCOMPARE(g->righe(), r);
    QVERIFY(!g->grassetto(0, 1));
    for (int k = 0; k < nomi.size(); ++k) QCOMPARE(g->testo(righeNote[k], 1), nomi[k]);
}

void TestMarcatori::dettagliata()
{
    AmbienteTest a(RegistraFinestreConfronti);
    DatiFixture d = a.apri(a.nuovo(6).rose(25).formazioni().giocaFinoA(5, false));
    // A player whose only goals are an own goal and one of no stated kind.
    const auto trovato =
        std::find_if(d.giocatori.begin(), d.giocatori.end(), [](const GiocatoreFixture& g) { return g.reti == 0; });
    QVERIFY(trovato != d.giocatori.end());
    GiocatoreFixture& senzaTipo = *trovato;
    const int codPart = d.partite[0].codPart;
    for (int tipo : {TIPO_AUTORETE, TIPO_NON_INDICATO})
        Esegui("INSERT INTO Reti (CodPart, CodGiocatore, Minuto, Girone, Squadra, Tipo) VALUES (?, ?, 10, 1, ?, ?)",
               {codPart, senzaTipo.codice, senzaTipo.squadra, tipo});
    Esegui("UPDATE Giocatore SET Reti = 2 WHERE Codice = ?", {senzaTipo.codice});
    senzaTipo.reti = 2;

    auto* w = a.mostra<MarcatoriWindow>(ID);
    combo(w, 2)->setCurrentIndex(1);
    opzione(w, 2)->click();
    QCOMPARE(w->findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("Classifica dei marcatori (Dettagliata)"));
    const Griglia* g = griglia(w);
    QCOMPARE(g->colonne(), 10);
    QCOMPARE(Riga(g, 0), INTESTAZIONE);

    const int tipi[] = {5, 4, 1, 2, 3, 6, 8};
    const QVector<GiocatoreFixture> attesi = Marcatori(d, {});
    int r = 0, conAutoreti = 0;
    for (int i = 0; i < attesi.size(); ++i) {
        const GiocatoreFixture& m = attesi[i];
        r += (i == 0 || m.reti != attesi[i - 1].reti) ? 2 : 1;
        QStringList riga{QString::number(m.reti), m.cognome, m.squadra};
        int nelleColonne = 0, autoreti = 0;
        for (int tipo : tipi) {
            int n = 0;
            for (const ReteFixture& x : d.reti) n += x.codGiocatore == m.codice && x.tipo == tipo;
            riga << QString::number(n);
            nelleColonne += n;
        }
        for (const ReteFixture& x : d.reti) autoreti += x.codGiocatore == m.codice && x.tipo == TIPO_AUTORETE;
        if (m.codice == senzaTipo.codice) {
            QCOMPARE(Riga(g, r).mid(3), QStringList(7, "0"));
            QCOMPARE(g->testo(r, 0), QStringLiteral("2"));
        }
        QCOMPARE(Riga(g, r), riga);
        conAutoreti += autoreti > 0 && nelleColonne < m.reti;
    }
    QCOMPARE(g->righe(), r + 1);
    QVERIFY(conAutoreti > 0);
    for (int c : {0, 3, 9}) QCOMPARE(g->allineamentoColonna(c), Griglia::Allineamento::Centro);

    // Back to the simple list: three columns again.
    opzione(w, 1)->click();
    QCOMPARE(g->colonne(), 3);
}

void TestMarcatori::caricamento()
{
    AmbienteTest a(RegistraFinestreConfronti);
    const DatiFixture d = a.apri(a.nuovo(6).rose(25).formazioni().giocaFinoA(3, true));
    auto* w = a.mostra<MarcatoriWindow>(ID, "Cagliari");
    QCOMPARE(w->riempimenti(), 1);
    QCOMPARE(combo(w, 1)->currentText(), QStringLiteral("Cagliari"));
    QCOMPARE(combo(w, 1)->count(), 7);
    QCOMPARE(combo(w, 1)->itemText(0), QStringLiteral("(Tutte le squadre)"));
    QCOMPARE(combo(w, 1)->codiceCorrente(), d.codici["Cagliari"]);
    QCOMPARE(combo(w, 2)->currentText(), QStringLiteral("Primi 15"));
    QVERIFY(opzione(w, 1)->isChecked());
    QCOMPARE(w->windowTitle(), QStringLiteral("Classifica marcatori: Cagliari"));

    // Each choice refills once.
    combo(w, 1)->setCurrentIndex(0);
    QCOMPARE(w->riempimenti(), 2);
    QCOMPARE(w->windowTitle(), QStringLiteral("Classifica marcatori"));
    opzione(w, 2)->click();
    QCOMPARE(w->riempimenti(), 3);
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
    QCOMPARE(w->windowTitle(), QStringLiteral("Classifica marcatori"));
    QCOMPARE(w->riempimenti(), 1);

    // A file that cannot be read: one message and an empty list, never the list shown before.
    Esegui("DROP TABLE Reti");
    a.messaggi().ok();
    opzione(w, 2)->click();
    QCOMPARE(a.messaggi().quanti(), 1);
    QCOMPARE(a.messaggi().ultimo().titolo, QStringLiteral("Classifica marcatori"));
    QCOMPARE(griglia(w)->righe(), 2);
}

void TestMarcatori::senzaMarcatori()
{
    AmbienteTest a(RegistraFinestreConfronti);
    a.apri(a.nuovo(4).rose(15).giocaTutto());
    auto* w = a.mostra<MarcatoriWindow>(ID);
    for (int opz : {1, 2}) {
        opzione(w, opz)->click();
        const Griglia* g = griglia(w);
        QCOMPARE(g->righe(), 2);
        QCOMPARE(g->righeFisse(), 1);
        QVERIFY(Riga(g, 1).join("").isEmpty());
    }
}

void TestMarcatori::oltreIlimiti()
{
    AmbienteTest a(RegistraFinestreConfronti);
    a.apri(a.nuovo(20).rose(25));
    // 500 scorers of different tallies, up to 500 goals: 1001 rows.
    Esegui("UPDATE Giocatore SET Reti = Codice");
    const int massimo = Valore("SELECT MAX(Codice) FROM Giocatore").toInt();
    auto* w = a.mostra<MarcatoriWindow>(ID);
    combo(w, 2)->setCurrentIndex(1);
    const Griglia* g = griglia(w);
    QCOMPARE(g->righe(), 1 + 2 * 500);
    QCOMPARE(g->testo(2, 0), QString::number(massimo));
    QCOMPARE(g->testo(1000, 0), QString::number(massimo - 499));
    QVERIFY(g->grassetto(1000, 1));
}

void TestMarcatori::campionatoPiuGrande()
{
    AmbienteTest a(RegistraFinestreConfronti);
    QStringList nomi;
    for (const QString& n : FixtureCampionato::nomiPredefiniti())
        nomi << (n + QStringLiteral(" Associazione Sportiva Calcio")).left(30);
    const DatiFixture d =
        a.apri(FixtureCampionato(a.percorso("lunghi.GVN")).squadre(nomi).giocaTutto().rose(25).formazioni());
    Esegui("UPDATE Giocatore SET Nome = 'Massimiliano', Cognome = Cognome || ' Della Valle Santangelo'");
    stato().FormatoNome = 2;
    auto* w = a.mostra<MarcatoriWindow>(ID);
    combo(w, 2)->setCurrentIndex(1);
    QElapsedTimer t;
    t.start();
    opzione(w, 2)->click();
    QVERIFY2(t.elapsed() < 100, qPrintable(QString::number(t.elapsed())));
    const Griglia* g = griglia(w);
    QCOMPARE(g->righe() - 1 - w->righe().size(), 0);
    QWidget* c = w->contenitore();
    c->resize(c->sizeHint());
    QTest::qWait(50);
    AmbienteTest::foto(c, "Form20-dettagliata.png");
    opzione(w, 1)->click();
    QTest::qWait(50);
    AmbienteTest::foto(c, "Form20-semplice.png");
}

QTEST_MAIN(TestMarcatori)
#include "tst_marcatori.moc"
