#include "rankings/finestreconfronti.h"
#include "rankings/scontridirettiwindow.h"
#include "support/ambientetest.h"

#include "aiuticonfronti.h"
#include "support/finestraditest.h"

#include "core/idfinestre.h"
#include "platform/combocodici.h"

#include <algorithm>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

const QString ID = IdFinestra::ScontriDiretti;

}  // namespace

// The head-to-head records of two teams and the match sheet of either leg.
class TestScontriDiretti : public QObject {
    Q_OBJECT

    static void cerca(Finestra* w, const QString& a, const QString& b) { ScegliDue(w, a, b, "Command3"); }
    static bool cornici(Finestra* w)
    {
        const bool f1 = w->findChild<QGroupBox*>(QStringLiteral("Frame1"))->isVisible();
        const bool f2 = w->findChild<QGroupBox*>(QStringLiteral("Frame2"))->isVisible();
        return f1 && f2 && !w->findChild<QLabel*>(QStringLiteral("Label15"))->isVisible();
    }
    // Date, time, teams and result of the first leg, then of the return leg, as laid out.
    static QStringList mostrato(Finestra* w)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QStringList t;
        for (int i : {3, 4, 5, 6, 10, 9, 8, 7}) t << w->findChild<QLabel*>(QStringLiteral("Label%1").arg(i))->text();
        return t;
    }
    // The label holds one line with `nome` whole and, laid out as a selectable label lays out its text, shows
    // `nome` and the " - " beside it left to right.
    static bool inOrdine(const QLabel* l, const QString& nome)
    {
        const QString t = l->text();
        const qsizetype n = t.indexOf(nome), s = t.indexOf(QStringLiteral(" - "));
        if (n < 0 || s < 0 ||
            std::any_of(t.begin(), t.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
            return false;
        QTextDocument documento(t);
        documento.setDefaultFont(l->font());
        documento.size();
        const QTextLine riga = documento.firstBlock().layout()->lineAt(0);
        for (qsizetype i = qMin(n, s) + 1; i < qMax(n + nome.size(), s + 3); ++i)
            if (riga.cursorToX(int(i)) <= riga.cursorToX(int(i - 1))) return false;
        return true;
    }

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }
    void ricerca();
    void nomiSuUnaRiga();
    void schedaPartita();
};

void TestScontriDiretti::ricerca()
{
    AmbienteTest a(RegistraFinestreConfronti);
    const QStringList nomi{"Bari", "Como", "D'Alfa", "Empoli"};
    const DatiFixture d =
        a.apri(FixtureCampionato(a.percorso("h2h.GVN")).squadre(nomi).giocaFinoA(3, true).risultato(1, 1, true, 0, 0));
    auto* w = a.mostra<ScontriDirettiWindow>(ID);
    QVERIFY(!cornici(w));

    // Every pairing, with each team in either list, against the fixture: first leg played, return leg not.
    for (const PartitaFixture& m : d.partite) {
        cerca(w, m.sq2, m.sq1);
        QVERIFY(cornici(w));
        const QStringList t = mostrato(w);
        QCOMPARE(t, (cerca(w, m.sq1, m.sq2), mostrato(w)));
        QCOMPARE(t[2], m.sq1 + " - " + m.sq2);
        QCOMPARE(t[3], QString("%1 - %2").arg(m.g1a).arg(m.g2a));
        QCOMPARE(t[6], m.sq2 + " - " + m.sq1);
        QCOMPARE(t[7], QStringLiteral("N.D."));
    }

    // The return leg: SQ2 at home, its goals first.
    const PartitaFixture* p = d.partita(2, 1);
    Esegui("UPDATE PARTITA SET DISPRIT = -1, G1R = 1, G2R = 3 WHERE CODPART = ?", {p->codPart});
    // A second row of the same pairing: the first one written shows.
    Esegui("INSERT INTO PARTITA (GIORNATANUM, SQ1, SQ2, DISPAND, G1A, G2A) VALUES (3, ?, ?, -1, 9, 9)",
           {p->sq2, p->sq1});
    cerca(w, p->sq2, p->sq1);
    QCOMPARE(mostrato(w)[2], p->sq1 + " - " + p->sq2);
    QCOMPARE(mostrato(w)[7], QStringLiteral("3 - 1"));
    // A goal value left empty in a played leg counts 0, as in the statistical comparison.
    Esegui("UPDATE PARTITA SET DISPAND = -1, G1A = NULL, G2A = 0, G2R = '' WHERE CODPART = ?", {p->codPart});
    cerca(w, p->sq1, p->sq2);
    QCOMPARE(mostrato(w)[3], QStringLiteral("0 - 0"));
    QCOMPARE(mostrato(w)[7], QStringLiteral("0 - 1"));

    // Refusals change nothing on show; a pairing not in the calendar hides the frames.
    struct Caso {
        QString a, b, testo;
    };
    const Caso casi[] = {
        {"", "", "Bisogna selezionare due squadre!"},
        {"Bari", "Bari", "Bisogna selezionare due squadre diverse!"},
        {"D'Alfa", "Bari",
         "La giornata con l'incontro tra: \rD'Alfa e Bari\rnon è ancora stata registrata in questo campionato."},
    };
    Esegui("DELETE FROM PARTITA WHERE SQ1 IN (?, ?) AND SQ2 IN (?, ?)", {"Bari", "D'Alfa", "Bari", "D'Alfa"});
    for (const Caso& c : casi) {
        a.messaggi().ok();
        cerca(w, c.a, c.b);
        QCOMPARE(a.messaggi().ultimo().testo, c.testo);
        QCOMPARE(cornici(w), c.a != "D'Alfa");
    }
}

// A name that turns the text around, reads from the right or breaks the line stays within itself: the other name
// reads as it is, in its place.
void TestScontriDiretti::nomiSuUnaRiga()
{
    AmbienteTest a(RegistraFinestreConfronti);
    const QString aCapo = QStringLiteral("Como\nFC");
    const QStringList altri{QStringLiteral("Bari\u202Eocsid"), QStringLiteral("\u05D1\u05D9\u05EA\u05E8 10")};
    a.apri(
        FixtureCampionato(a.percorso("righe.GVN")).squadre(altri + QStringList{aCapo, "Empoli"}).giocaFinoA(3, true));
    auto* w = a.mostra<ScontriDirettiWindow>(ID);
    for (const QString& altro : altri) {
        cerca(w, altro, aCapo);
        QVERIFY(cornici(w));
        for (const char* l : {"Label5", "Label8"}) {
            const QLabel* squadre = w->findChild<QLabel*>(QLatin1String(l));
            QVERIFY2(inOrdine(squadre, QStringLiteral("Como FC")), qPrintable(squadre->text()));
            QVERIFY(squadre->text().contains(altro));
        }
    }
}

void TestScontriDiretti::schedaPartita()
{
    AmbienteTest a(RegistraFinestreConfronti);
    const DatiFixture d = a.apri(a.nuovo(4).giocaFinoA(1, false));
    auto* w = a.mostra<ScontriDirettiWindow>(ID);
    FinestraDiTest::registra(IdFinestra::SchedaPartita);

    // A code beyond 16 bits reaches the match sheet whole.
    const PartitaFixture* p = d.partita(2, 2);
    Esegui("UPDATE PARTITA SET CODPART = 40000 WHERE CODPART = ?", {p->codPart});
    cerca(w, p->sq1, p->sq2);
    for (bool andata : {false, true}) {
        stato().Andata = !andata;
        stato().GiornataCorrente = stato().CodPartitaCorrente = 0;
        stato().GiornataCambiata = false;
        w->findChild<QPushButton*>(andata ? QStringLiteral("Command1") : QStringLiteral("Command2"))->click();
        QVERIFY(Finestre::istanza().visibile(IdFinestra::SchedaPartita));
        QCOMPARE(stato().Andata, andata);
        QCOMPARE(stato().GiornataCorrente, 2);
        QCOMPARE(stato().CodPartitaCorrente, 40000);
        QVERIFY(stato().GiornataCambiata);
    }
}

QTEST_MAIN(TestScontriDiretti)
#include "tst_scontridiretti.moc"
