#include "rankings/confrontogiocatoriwindow.h"
#include "rankings/finestreconfronti.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include "core/codici.h"
#include "platform/grafico.h"
#include "platform/griglia.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString ID = IdFinestra::ConfrontoGiocatori;

// The player picker stood in: it hands back this pick, or, when none, is left with "Annulla" and leaves
// CodGiocatoreScelto as it finds it.
std::optional<int> scelta;

void Premi(Finestra* w, const QString& nome) { w->findChild<QPushButton*>(nome)->click(); }
QString Testo(Finestra* w, const QString& nome) { return w->findChild<QLabel*>(nome)->text(); }
// The two sides as a screen reader names them.
QString NomiLetti(Finestra* w)
{
    QStringList n;
    for (const char* l : {"Label1", "Label2"})
        n << QAccessible::queryAccessibleInterface(w->findChild<QLabel*>(l))->text(QAccessible::Name);
    return n.join("; ");
}
void Scegli(Finestra* w, int lato, std::optional<int> codice)
{
    scelta = codice;
    Premi(w, lato == 1 ? "Command1" : "Command2");
}

// A window of mode `tipo` with both sides chosen, on a file of `squadre` teams holding `fatti` of two
// players named "  Rossi" (no first name) and " Carlo Bianchi" (the same player twice when `stesso`).
struct Prova {
    AmbienteTest a{RegistraFinestreConfronti};
    DatiFixture d;
    int codici[2] = {0, 0};
    ConfrontoGiocatoriWindow* w = nullptr;

    // `fatti`: appearances and goals, each "<side 1 or 2><P appearance or R goal><rating or kind>/<a first leg
    // or r return leg><round>", with "*" when for his other team: "1P6,5/a2 2R7/r9*".
    Prova(int tipo, int squadre, const QString& fatti = {}, bool stesso = false)
    {
        FinestraDiTest::registra(IdFinestra::SceltaGiocatore, [](FinestraDiTest& f) {
            f.durante_attiva = [](FinestraDiTest& f) {
                if (scelta) stato().CodGiocatoreScelto = *scelta;
                f.chiudi();
            };
        });
        d = a.apri(squadre == 20 ? a.piuGrande() : a.nuovo(squadre).rose(12));
        codici[0] = d.rosa(d.squadre[0])[0]->codice;
        codici[1] = stesso ? codici[0] : d.rosa(d.squadre[1])[0]->codice;
        Esegui("UPDATE Giocatore SET Nome = NULL, Cognome = 'Rossi' WHERE Codice = ?", {codici[0]});
        if (!stesso) Esegui("UPDATE Giocatore SET Nome = 'Carlo', Cognome = 'Bianchi' WHERE Codice = ?", {codici[1]});
        const QRegularExpression fatto(R"((\d)([PR])([\d,]+)/([ar])(\d+)(\*?))");
        for (auto m = fatto.globalMatch(fatti); m.hasNext();) {
            const QStringList f = m.next().capturedTexts();
            const bool andata = f[4] == "a";
            const QVariantList valori{codici[f[1].toInt() - 1], QString(f[3]).replace(',', '.').toDouble(),
                                      d.squadre[f[6].isEmpty() ? 0 : 1], f[5].toInt()};
            if (f[2] == "P")
                Esegui("INSERT INTO Presenze (CodGiocatore, Voto, Squadra, Giornata, Girone) VALUES (?, ?, ?, ?, ?)",
                       valori + QVariantList{GironePresenze(andata)});
            else
                Esegui("INSERT INTO Reti (CodGiocatore, Tipo, Squadra, CodPart, Girone) VALUES (?, ?, ?, ?, ?)",
                       valori.mid(0, 3) + QVariantList{d.partita(f[5].toInt(), 1)->codPart, GironeReti(andata)});
        }
        apri(tipo);
    }
    void apri(int tipo)
    {
        stato().TipoConfrontoGiocatori = tipo;
        Finestre::istanza().scarica(ID);
        w = a.mostra<ConfrontoGiocatoriWindow>(ID);
        Scegli(w, 1, codici[0]);
        Scegli(w, 2, codici[1]);
    }
};

// What the window shows, after its caption: the grid as rows joined by ";", cells by "|"; or each series of
// the chart as "row:value" where its value changes from the row before (from 0 before row 1).
QString Mostrato(ConfrontoGiocatoriWindow* w)
{
    QStringList r{w->windowTitle()};
    const Griglia* g = w->griglia();
    for (int i = 0; g->isVisibleTo(w) && i < g->righe(); ++i)
        r << g->testo(i, 0) + '|' + g->testo(i, 1) + '|' + g->testo(i, 2);
    for (int s = 1; w->grafico()->isVisibleTo(w) && s <= 2; ++s) {
        QStringList cambi;
        for (int riga = 1; riga <= w->grafico()->righe(); ++riga) {
            const double v = w->grafico()->valore(riga, s).value_or(-1);
            if (v != (riga > 1 ? w->grafico()->valore(riga - 1, s).value_or(-1) : 0))
                cambi << QString::number(riga) + ':' + QLocale(QLocale::Italian).toString(v);
        }
        r << cambi.join(' ');
    }
    return r.join(';');
}

}  // namespace

class TestConfrontoGiocatori : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }
    void modiEScelte();
    void confronto_data();
    void confronto();
};

void TestConfrontoGiocatori::modiEScelte()
{
    Prova p(1, 6);
    QCOMPARE(Testo(p.w, "Label1") + Testo(p.w, "Label2"), "  Rossi Carlo Bianchi");
    QCOMPARE(NomiLetti(p.w), "Giocatore 1: Rossi; Giocatore 2: Carlo Bianchi");
    // "Annulla" or the close box, also with an earlier pick left in CodGiocatoreScelto, and a code that no
    // player has, leave the side as it was.
    for (std::optional<int> codice : {std::optional<int>(), std::optional<int>(999999)}) {
        stato().CodGiocatoreScelto = p.codici[1];
        Scegli(p.w, 1, codice);
        QCOMPARE(Testo(p.w, "Label1"), "  Rossi");
    }
    // A window opened afresh has no side chosen: the start is refused and nothing shows.
    Finestre::istanza().scarica(ID);
    Finestra* w = p.a.mostra<Finestra>(ID);
    Scegli(w, 2, p.codici[0]);
    QCOMPARE(NomiLetti(w), "Giocatore 1; Giocatore 2: Rossi");
    p.a.messaggi().ok();
    Premi(w, "Command3");
    const Messaggio::Richiesta m = p.a.messaggi().ultimo();
    QCOMPARE(m.testo + m.titolo, "Bisogna selezionare due giocatori!Confronti giocatori");
    QVERIFY(!w->findChild<QWidget*>("Frame3")->isVisibleTo(w));
}

void TestConfrontoGiocatori::confronto_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("squadre");
    QTest::addColumn<QString>("fatti");
    QTest::addColumn<bool>("stesso");
    QTest::addColumn<QString>("attese");
    const QString rossiBianchi = "  Rossi vs  Carlo Bianchi;";
    QTest::newRow("voti: ultimo nel ritorno, due squadre, solo S.V. e 0")
        << 1 << 6 << "1P6/a4 1P5,5/r2* 1P250/r3 1P0/r5 2P250/a1* 2P0/a2*" << false
        << "Confronto dei voti assegnati: " + rossiBianchi +
               "|  Rossi| Carlo Bianchi;Voto più alto|6|N.D.;Voto più basso|5,5|N.D.;Ultimo voto|5,5|N.D.;"
               "Voto medio|5,75|N.D.";
    QTest::newRow("voti: uno solo, lo stesso giocatore")
        << 1 << 6 << "1P6/a1" << true
        << "Confronto dei voti assegnati:   Rossi vs   Rossi;|  Rossi|  Rossi;Voto più alto|6|6;Voto più basso|6|6;"
           "Ultimo voto|6|6;Voto medio|6|6";
    QTest::newRow("reti per tipo, autoreti in nessuna riga")
        << 3 << 6 << "1R1/a1 1R2/a1 1R3/a1 1R4/a1 1R5/a1 1R6/a1 1R8/a1 1R250/a1 1R7/a1 1R1/r1* 2R7/a1*" << false
        << "Confronto delle reti segnate: " + rossiBianchi +
               "|  Rossi| Carlo Bianchi;Totale reti|9|0;Tiri di destro|2|0;Tiri di sinistro|1|0;Colpi di testa|1|0;"
               "Calci di punizione|1|0;Rigori|1|0;Rovesciate|1|0;Colpi di tacco|1|0;[Non specificate]|1|0";
    // No round is played in these files: the charts span the whole season all the same.
    QTest::newRow("grafico reti: rounds 1 and 3, return round 5, own goal, kind 250")
        << 4 << 12 << "1R1/a1 1R250/a3* 1R7/a4 2R3/r5* 2R7/r9*" << false
        << "Grafico dei gol segnati: " + rossiBianchi + "1:1 3:2;16:1";
    QTest::newRow("grafico reti: odd number of teams, round N of each leg")
        << 4 << 5 << "1R2/a5 1R2/r5 2R1/r1" << false << "Grafico dei gol segnati: " + rossiBianchi + "5:1 10:2;6:1";
    QTest::newRow("grafico voti: 6,5, S.V., two records of a round, return leg")
        << 2 << 12 << "1P6,5/a2 1P250/a3 1P7/r1 1P4/r1* 2P250/a1* 2P5/a1* 2P10/r11*" << false
        << "Grafico dei voti assegnati: " + rossiBianchi + "2:6,5 3:0 12:7 13:0;1:5 2:0 22:10";
}

void TestConfrontoGiocatori::confronto()
{
    QFETCH(int, tipo);
    QFETCH(int, squadre);
    QFETCH(QString, fatti);
    QFETCH(bool, stesso);
    QFETCH(QString, attese);
    Prova p(tipo, squadre, fatti, stesso);
    // Run twice: the same, not more.
    for (int volta = 0; volta < 2; ++volta) {
        Premi(p.w, "Command3");
        QCOMPARE(Mostrato(p.w), attese);
    }
    if (tipo % 2 == 0) QCOMPARE(p.w->grafico()->righe(), squadre % 2 ? 2 * squadre : 2 * (squadre - 1));
}

QTEST_MAIN(TestConfrontoGiocatori)
#include "tst_confrontogiocatori.moc"
