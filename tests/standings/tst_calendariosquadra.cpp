#include "aiutigriglia.h"
#include "standings/finestresquadra.h"
#include "support/ambientetest.h"

#include "core/utilita.h"
#include "platform/cartellaprogramma.h"
#include "platform/combocodici.h"
#include "platform/pannello.h"
#include "standings/calendariosquadrawindow.h"
#include "support/finestraditest.h"

#include <QGroupBox>
#include <QImage>

namespace {

const QString ID = QStringLiteral("Form21");
const QStringList INTESTAZIONE{"Girone", "Giornata", "Data", "Ora", " ", "Locali", "Ospiti", "Risultato"};

// One row the schedule must show, worked out from what the fixture wrote.
struct Attesa {
    QStringList celle;
    char esito = 0;  // 'V', 'P', 'S' or none
};

// Dates and times that tell the match day's own date from the pairing's.
void ScriviDate()
{
    Esegui("UPDATE Giornata SET DataAnd = 'g' || Numero || 'a', DataRit = 'g' || Numero || 'r'");
    Esegui("UPDATE Partita SET DataAnd = 'p' || CodPart || 'a', DataRit = 'p' || CodPart || 'r', "
           "HAnd = 'h' || CodPart || 'a', HRit = 'h' || CodPart || 'r'");
}

QVector<Attesa> Attese(const DatiFixture& d, const QString& squadra)
{
    QVector<Attesa> r;
    for (bool andata : {true, false}) {
        const QString girone = andata ? "Andata" : "Ritorno";
        const QString suffisso = andata ? "a" : "r";
        for (const GiornataFixture& g : d.giornate) {
            if (g.riposa == squadra) {
                r << Attesa{{girone, QString::number(g.numero), QStringLiteral("g%1%2").arg(g.numero).arg(suffisso), "",
                             "", "Turno di riposo", "", ""}};
                continue;
            }
            for (const PartitaFixture& p : d.partite) {
                if (p.giornata != g.numero || (p.sq1 != squadra && p.sq2 != squadra)) continue;
                if (g.numero == 1) r << Attesa{QStringList(8, QString())};
                Attesa a{{girone, QString::number(g.numero), QStringLiteral("p%1%2").arg(p.codPart).arg(suffisso),
                          QStringLiteral("h%1%2").arg(p.codPart).arg(suffisso), "", p.casa(andata), p.ospite(andata),
                          "N.D."}};
                if (p.disputata(andata)) {
                    a.celle[7] = QStringLiteral("%1 - %2").arg(p.golCasa(andata)).arg(p.golOspite(andata));
                    const bool casa = p.casa(andata) == squadra;
                    const int f = casa ? p.golCasa(andata) : p.golOspite(andata);
                    const int s = casa ? p.golOspite(andata) : p.golCasa(andata);
                    a.esito = f > s ? 'V' : f == s ? 'P' : 'S';
                }
                r << a;
            }
        }
    }
    return r;
}

QImage Bitmap(char esito)
{
    const char* nome = esito == 'V' ? "MicroV.Bmp" : esito == 'P' ? "MicroP.Bmp" : "MicroS.Bmp";
    return QPixmap(FileProgramma(QLatin1String(nome))).toImage();
}

// Five teams (one rests each match day), the whole first leg and two return match days played, a
// postponed leg, chosen draws and an away win, and penalty points that the schedule ignores.
FixtureCampionato Stagione(AmbienteTest& a)
{
    return a.nuovo(5)
        .giocaFinoA(2, false)
        .rinviata(3, 1, true)
        .risultato(2, 1, true, 1, 1)
        .risultato(1, 2, false, 0, 3)
        .penalita("Bari", 4);
}

}  // namespace

// The team schedule: its rows on a known season, the commands it opens and how it looks.
class TestCalendarioSquadra : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> a_;

    static Griglia* griglia(Finestra* w) { return w->findChild<Griglia*>(QStringLiteral("Grid1")); }
    static ComboCodici* squadre(Finestra* w) { return w->findChild<ComboCodici*>(QStringLiteral("Combo1")); }
    static Pannello* pannello(Finestra* w, int i)
    {
        return w->findChild<Pannello*>(QStringLiteral("SSPanel1_%1").arg(i));
    }

private slots:
    void init() { a_ = std::make_unique<AmbienteTest>(RegistraFinestreSquadra); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void tabellaDiMarcia_data()
    {
        QTest::addColumn<QString>("squadra");
        for (const QString& s : FixtureCampionato::nomiPredefiniti().mid(0, 5)) QTest::newRow(qPrintable(s)) << s;
    }

    void tabellaDiMarcia()
    {
        QFETCH(QString, squadra);
        AmbienteTest& a = *a_;
        const DatiFixture d = a.apri(Stagione(a));
        ScriviDate();
        auto* w = a.mostra<CalendarioSquadraWindow>(ID, squadra);
        QCOMPARE(w->windowTitle(), "Tabella di marcia: " + squadra);
        const Griglia* g = griglia(w);
        const QVector<Attesa> attese = Attese(d, squadra);
        QCOMPARE(RigaGriglia(g, 0), INTESTAZIONE);
        QCOMPARE(g->righe(), attese.size() + 1);
        for (int i = 0; i < attese.size(); ++i) {
            const int r = i + 1;
            QCOMPARE(RigaGriglia(g, r), attese[i].celle);
            for (int c : {5, 6}) QCOMPARE(g->grassetto(r, c), g->testo(r, c) == squadra);
            if (attese[i].esito)
                QCOMPARE(g->immagine(r, 4).toImage(), Bitmap(attese[i].esito));
            else
                QVERIFY(g->immagine(r, 4).isNull());
        }
    }

    void sceltaSquadra()
    {
        AmbienteTest& a = *a_;
        const DatiFixture d = a.apri(Stagione(a));
        ScriviDate();
        // The menu hands over no team: the first team of the list.
        auto* w = a.mostra<CalendarioSquadraWindow>(ID);
        QCOMPARE(w->squadra(), QStringLiteral("Ancona"));

        // Picking another team refills rows, bold cells and caption.
        squadre(w)->setCurrentIndex(3);
        QCOMPARE(w->windowTitle(), QStringLiteral("Tabella di marcia: Dolomiti"));
        const QVector<Attesa> attese = Attese(d, "Dolomiti");
        const Griglia* g = griglia(w);
        QCOMPARE(g->righe(), attese.size() + 1);
        for (int i = 0; i < attese.size(); ++i) QCOMPARE(RigaGriglia(g, i + 1), attese[i].celle);

        // Shown again while open, from a window that hands over another team: it keeps its own.
        QCOMPARE(a.mostra<CalendarioSquadraWindow>(ID, "Bari"), w);
        QCOMPARE(w->squadra(), QStringLiteral("Dolomiti"));
        QCOMPARE(g->righe(), attese.size() + 1);

        // A team that is not in the list: the first team, never an empty schedule.
        Finestre::istanza().scarica(ID);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = a.mostra<CalendarioSquadraWindow>(ID, "Inesistente");
        QCOMPARE(w->squadra(), QStringLiteral("Ancona"));
        QCOMPARE(griglia(w)->righe(), Attese(d, "Ancona").size() + 1);
        // Names are matched exactly: "bari" is not preselected as "Bari".
        Finestre::istanza().scarica(ID);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(a.mostra<CalendarioSquadraWindow>(ID, "bari")->squadra(), QStringLiteral("Ancona"));
    }

    void risultatoSenzaGol()
    {
        AmbienteTest& a = *a_;
        const DatiFixture d = a.apri(a.nuovo(4).giocaFinoA(1, true).risultato(1, 1, true, 2, 0));
        const PartitaFixture* p = d.partita(1, 1);
        // A played leg with a score missing shows what is there and no picture.
        Esegui("UPDATE Partita SET G2A = NULL WHERE CodPart = ?", {p->codPart});
        const Griglia* g = griglia(a.mostra<CalendarioSquadraWindow>(ID, p->sq1));
        QCOMPARE(g->testo(2, 7), QStringLiteral("2 - "));
        QVERIFY(g->immagine(2, 4).isNull());

        // A championship without match days: the heading and one blank row.
        a.apri(a.nuovo(4).senzaCalendario());
        g = griglia(a.mostra<CalendarioSquadraWindow>(ID));
        QCOMPARE(RigheGriglia(g, 0), (QVector<QStringList>{INTESTAZIONE, QStringList(8, QString())}));
    }

    void senzaBitmap()
    {
        a_ = std::make_unique<AmbienteTest>(RegistraFinestreSquadra, CartellaTemporanea::SenzaBitmap);
        AmbienteTest& a = *a_;
        const DatiFixture d = a.apri(a.nuovo(4).giocaTutto());
        auto* w = a.mostra<CalendarioSquadraWindow>(ID);
        const Griglia* g = griglia(w);
        QCOMPARE(g->righe(), 1 + 2 * (3 + 1));
        for (int r = 1; r < g->righe(); ++r) QVERIFY(g->immagine(r, 4).isNull());
        QVERIFY(g->testo(2, 7).contains(" - "));
    }

    void schedaPartita()
    {
        AmbienteTest& a = *a_;
        const DatiFixture d = a.apri(Stagione(a));
        const QString squadra = d.giornate[0].riposa;  // rests on match day 1: row 1 is a rest row
        auto* w = a.mostra<CalendarioSquadraWindow>(ID, squadra);
        Griglia* g = griglia(w);

        // No match sheet yet: its command waits for it.
        QVERIFY(!pannello(w, 0)->isEnabled());
        FinestraDiTest::registra("Form3");
        QVERIFY(pannello(w, 0)->isEnabled());

        // A rest row opens nothing.
        stato().CodPartitaCorrente = 0;
        DoppioClic(g, 1);
        QVERIFY(!Finestre::istanza().caricata("Form3"));

        // A return-leg pairing: return leg, its match day and its match.
        int riga = 0;
        for (int r = g->righe() - 1; r > 0 && !riga; --r)
            if (g->testo(r, 0) == "Ritorno" && g->testo(r, 5) != "Turno di riposo") riga = r;
        QVERIFY(riga > 0);
        stato().Andata = true;
        DoppioClic(g, riga);
        QVERIFY(Finestre::istanza().visibile("Form3"));
        QCOMPARE(stato().Andata, false);
        QCOMPARE(stato().GiornataCorrente, g->testo(riga, 1).toInt());
        const PartitaFixture* p = d.partitaDiCodice(stato().CodPartitaCorrente);
        QVERIFY(p && p->giornata == stato().GiornataCorrente && p->casa(false) == g->testo(riga, 5));

        // The panel opens the first-leg pairing of the current row.
        g->impostaRigaCorrente(2);
        QCOMPARE(g->testo(2, 0), QStringLiteral("Andata"));
        pannello(w, 0)->clicked();
        QCOMPARE(stato().Andata, true);
        QCOMPARE(stato().GiornataCorrente, g->testo(2, 1).toInt());
        QCOMPARE(d.partitaDiCodice(stato().CodPartitaCorrente)->casa(true), g->testo(2, 5));
    }

    void comandiDellaSquadra()
    {
        AmbienteTest& a = *a_;
        a.apri(a.nuovo(6).giocaFinoA(2, true));
        auto* w = a.mostra<CalendarioSquadraWindow>(ID, "Cagliari");
        QVERIFY(!pannello(w, 1)->isEnabled() && !pannello(w, 3)->isEnabled() && pannello(w, 2)->isEnabled());
        FinestraDiTest::registra("Form23");
        FinestraDiTest::registra("Form13");

        stato().SquadraCorrente.clear();
        pannello(w, 1)->clicked();
        QVERIFY(Finestre::istanza().visibile("Form23"));
        QCOMPARE(stato().SquadraCorrente, QStringLiteral("Cagliari"));

        stato().SquadraCorrente.clear();
        stato().Andata = false;
        stato().GiornataCorrente = 4;
        pannello(w, 3)->clicked();
        QVERIFY(Finestre::istanza().visibile("Form13"));
        QVERIFY(stato().SquadraCorrente == "Cagliari" && stato().Andata && stato().GiornataCorrente == 1);

        // The trend statistics open on the schedule's team.
        stato().SquadraCorrente.clear();
        pannello(w, 2)->clicked();
        Finestra* andamento = Finestre::istanza().finestra("Form22");
        QVERIFY(andamento && Finestre::istanza().visibile("Form22"));
        QCOMPARE(andamento->windowTitle(), QStringLiteral("Statistiche sull'andamento: Cagliari"));
        QVERIFY(Finestre::istanza().visibile(ID));  // the schedule stays open
    }

    void erroreDelFile()
    {
        AmbienteTest& a = *a_;
        a.apri(a.nuovo(4).giocaTutto());
        auto* w = a.mostra<CalendarioSquadraWindow>(ID);
        Esegui("DROP TABLE Partita");
        a.messaggi().ok();
        squadre(w)->setCurrentIndex(1);
        QCOMPARE(a.messaggi().quanti(), 1);
        QCOMPARE(a.messaggi().ultimo().titolo, QStringLiteral("Tabella di marcia"));
        // The failed fill shows only the heading: no rows of the team shown before.
        QCOMPARE(griglia(w)->righe(), 1);
        QCOMPARE(w->windowTitle(), QStringLiteral("Tabella di marcia: Bari"));
    }

    void campionatoPiuGrande()
    {
        AmbienteTest& a = *a_;
        const DatiFixture d = a.apri(a.piuGrande());
        auto* w = a.mostra<CalendarioSquadraWindow>(ID, "Verona");
        QCOMPARE(griglia(w)->righe(), 1 + 2 * (19 + 1));
        QVERIFY(!ScorreDiLato(w, "Form21"));
    }
};

QTEST_MAIN(TestCalendarioSquadra)
#include "tst_calendariosquadra.moc"
