#include "rankings/confrontogiocatoriwindow.h"
#include "rankings/finestreconfronti.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include "core/codici.h"
#include "platform/grafico.h"
#include "platform/griglia.h"

#include <algorithm>
#include <numeric>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPointF>
#include <QPushButton>
#include <QTest>

// What a test writes into the file: {side 1 or 2, "P" appearance or "R" goal, rating or kind of goal,
// first leg, round, team 0 or 1 of the player's two}.
using Fatti = QVector<QVariantList>;
using Righe = QVector<QStringList>;
Q_DECLARE_METATYPE(Fatti)

namespace {

const QString ID = IdFinestra::ConfrontoGiocatori;

// The player picker stood in: each showing hands back the next pick; none is the picker left with
// "Annulla", which leaves CodGiocatoreScelto as it finds it.
QList<std::optional<int>>& Scelte()
{
    static QList<std::optional<int>> s;
    return s;
}

void RegistraSceltaGiocatore()
{
    FinestraDiTest::registra(IdFinestra::SceltaGiocatore, [](FinestraDiTest& f) {
        f.durante_attiva = [](FinestraDiTest& f) {
            const std::optional<int> scelta = Scelte().isEmpty() ? std::nullopt : Scelte().takeFirst();
            if (scelta) stato().CodGiocatoreScelto = *scelta;
            f.chiudi();
        };
    });
}

QString Testo(Finestra* w, const QString& nome) { return w->findChild<QLabel*>(nome)->text(); }
void Premi(Finestra* w, const QString& nome) { w->findChild<QPushButton*>(nome)->click(); }

void Scegli(Finestra* w, int lato, std::optional<int> codice)
{
    Scelte() = {codice};
    Premi(w, lato == 1 ? "Command1" : "Command2");
}

// A window of mode `tipo` with both sides chosen, on a file of `squadre` teams holding `fatti` of two
// players named "  Rossi" (no first name) and " Carlo Bianchi" (the same player twice when `stesso`).
struct Prova {
    AmbienteTest a{RegistraFinestreConfronti};
    DatiFixture d;
    int codici[2] = {0, 0};
    ConfrontoGiocatoriWindow* w = nullptr;

    Prova(int tipo, int squadre, const Fatti& fatti, bool stesso = false)
    {
        RegistraSceltaGiocatore();
        d = a.apri(a.nuovo(squadre).rose(12));
        codici[0] = d.rosa(d.squadre[0])[0]->codice;
        codici[1] = stesso ? codici[0] : d.rosa(d.squadre[1])[0]->codice;
        Esegui("UPDATE Giocatore SET Nome = NULL, Cognome = 'Rossi' WHERE Codice = ?", {codici[0]});
        if (!stesso) Esegui("UPDATE Giocatore SET Nome = 'Carlo', Cognome = 'Bianchi' WHERE Codice = ?", {codici[1]});
        for (const QVariantList& f : fatti) {
            const int codice = codici[f[0].toInt() - 1];
            const bool andata = f[3].toBool();
            const QString squadra = d.squadre[f[5].toInt()];
            if (f[1] == "P")
                Esegui("INSERT INTO Presenze (CodGiocatore, Voto, Girone, Giornata, Squadra) VALUES (?, ?, ?, ?, ?)",
                       {codice, f[2], GironePresenze(andata), f[4], squadra});
            else
                Esegui("INSERT INTO Reti (CodGiocatore, Tipo, Girone, CodPart, Squadra) VALUES (?, ?, ?, ?, ?)",
                       {codice, f[2], GironeReti(andata), d.partita(f[4].toInt(), 1)->codPart, squadra});
        }
        stato().TipoConfrontoGiocatori = tipo;
        w = a.mostra<ConfrontoGiocatoriWindow>(ID);
        Scegli(w, 1, codici[0]);
        Scegli(w, 2, codici[1]);
    }
};

Righe Mostrato(const Griglia* g)
{
    Righe r;
    for (int i = 0; i < g->righe(); ++i) r << QStringList{g->testo(i, 0), g->testo(i, 1), g->testo(i, 2)};
    return r;
}

QVector<double> Serie(const Grafico* g, int serie)
{
    QVector<double> v;
    for (int r = 1; r <= g->righe(); ++r) v << g->valore(r, serie).value_or(-1);
    return v;
}

// The values expected in `righe` rows from points (row, value): a value only on its row, or, in a running
// total, from its row on.
QVector<double> Attesi(const QList<QPointF>& punti, int righe, bool cumulata)
{
    QVector<double> v(righe);
    for (const QPointF& p : punti)
        for (int r = int(p.x()); r <= (cumulata ? righe : int(p.x())); ++r) v[r - 1] = p.y();
    return v;
}

}  // namespace

class TestConfrontoGiocatori : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }
    void modiEScelte();
    void dati_data();
    void dati();
    void grafici_data();
    void grafici();
    void copiaEFileIllegibile();
    void campionatoPiuGrande();
};

void TestConfrontoGiocatori::modiEScelte()
{
    const QStringList pulsanti{"Visualizza dati sui voti", "Visualizza grafico sulle pagelle",
                               "Visualizza dati sulle reti segnate", "Visualizza grafico sulle reti segnate"};
    for (int tipo = 1; tipo <= 4; ++tipo) {
        Prova p(tipo, 6, {});
        Finestra* w = p.w;
        QCOMPARE(w->findChild<QPushButton*>("Command3")->text(), pulsanti[tipo - 1]);
        QCOMPARE(Testo(w, "Label5"), " Selezionare 2 giocatori e premere " + pulsanti[tipo - 1]);
        QCOMPARE(Testo(w, "Label1"), "  Rossi");
        QCOMPARE(Testo(w, "Label2"), " Carlo Bianchi");
        if (tipo > 1) continue;

        // "Annulla" or the close box, also after an earlier pick was left in CodGiocatoreScelto, and a
        // code that no player has, leave the side as it was.
        for (std::optional<int> scelta : {std::optional<int>(), std::optional<int>(999999)}) {
            stato().CodGiocatoreScelto = p.codici[1];
            Scegli(w, 1, scelta);
            QCOMPARE(Testo(w, "Label1"), "  Rossi");
        }
        Scegli(w, 1, p.codici[1]);
        QCOMPARE(Testo(w, "Label1"), " Carlo Bianchi");

        // A window opened afresh has no side chosen: the start is refused and nothing shows.
        Finestre::istanza().scarica(ID);
        w = p.a.mostra<Finestra>(ID);
        Scegli(w, 2, p.codici[0]);
        p.a.messaggi().ok();
        Premi(w, "Command3");
        QCOMPARE(p.a.messaggi().ultimo().testo, "Bisogna selezionare due giocatori!");
        QCOMPARE(p.a.messaggi().ultimo().titolo, "Confronti giocatori");
        QCOMPARE(p.a.messaggi().ultimo().icona, Messaggio::Icona::Critica);
        QCOMPARE(w->windowTitle(), "Confronti giocatori");
        QVERIFY(!w->findChild<QWidget*>("Frame2")->isVisibleTo(w));
    }
}

void TestConfrontoGiocatori::dati_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<Fatti>("fatti");
    QTest::addColumn<bool>("stesso");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<Righe>("attese");
    const QString voti = "Confronto dei voti assegnati:   Rossi vs  Carlo Bianchi";
    QTest::newRow("voti: ultimo nel ritorno, due squadre, solo S.V. e 0")
        << 1 << Fatti{{1, "P", 6, true, 4, 0},  {1, "P", 5.5, false, 2, 1}, {1, "P", 250, false, 3, 0},
                      {1, "P", 0, false, 5, 0}, {2, "P", 250, true, 1, 1},  {2, "P", 0, true, 2, 1}}
        << false << voti
        << Righe{{"", "  Rossi", " Carlo Bianchi"},
                 {"Voto più alto", "6", "N.D."},
                 {"Voto più basso", "5,5", "N.D."},
                 {"Ultimo voto", "5,5", "N.D."},
                 {"Voto medio", "5,75", "N.D."}};
    QTest::newRow("voti: uno solo, lo stesso giocatore")
        << 1 << Fatti{{1, "P", 6, true, 1, 0}} << true << "Confronto dei voti assegnati:   Rossi vs   Rossi"
        << Righe{{"", "  Rossi", "  Rossi"},
                 {"Voto più alto", "6", "6"},
                 {"Voto più basso", "6", "6"},
                 {"Ultimo voto", "6", "6"},
                 {"Voto medio", "6", "6"}};
    // The second right-foot goal in the return leg, for the other team.
    Fatti reti;
    const int tipi[] = {1, 2, 3, 4, 5, 6, 8, 250, 7, 1};
    for (int i = 0; i < 10; ++i) reti << QVariantList{1, "R", tipi[i], i < 9, 1, i == 9};
    reti << QVariantList{2, "R", 7, true, 1, 1};
    QTest::newRow("reti per tipo, autoreti in nessuna riga")
        << 3 << reti << false << "Confronto delle reti segnate:   Rossi vs  Carlo Bianchi"
        << Righe{{"", "  Rossi", " Carlo Bianchi"},
                 {"Totale reti", "9", "0"},
                 {"Tiri di destro", "2", "0"},
                 {"Tiri di sinistro", "1", "0"},
                 {"Colpi di testa", "1", "0"},
                 {"Calci di punizione", "1", "0"},
                 {"Rigori", "1", "0"},
                 {"Rovesciate", "1", "0"},
                 {"Colpi di tacco", "1", "0"},
                 {"[Non specificate]", "1", "0"}};
}

void TestConfrontoGiocatori::dati()
{
    QFETCH(int, tipo);
    QFETCH(Fatti, fatti);
    QFETCH(bool, stesso);
    QFETCH(QString, titolo);
    QFETCH(Righe, attese);
    Prova p(tipo, 6, fatti, stesso);
    // Run twice: the same rows, not more.
    for (int volta = 0; volta < 2; ++volta) {
        Premi(p.w, "Command3");
        QCOMPARE(Mostrato(p.w->griglia()), attese);
    }
    QCOMPARE(p.w->windowTitle(), titolo);
    const Griglia* g = p.w->griglia();
    QVERIFY(p.w->findChild<QWidget*>("Frame2")->isVisibleTo(p.w));
    QCOMPARE(g->righeFisse(), 1);
    QVERIFY(g->grassetto(0, 1) && g->grassetto(0, 2) && !g->grassetto(1, 1));
    QCOMPARE(g->allineamentoColonna(0), Griglia::Allineamento::Destra);
    QCOMPARE(g->allineamentoColonna(2), Griglia::Allineamento::Centro);
}

void TestConfrontoGiocatori::grafici_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("squadre");
    QTest::addColumn<Fatti>("fatti");
    QTest::addColumn<QList<QPointF>>("attese1");  // (row, value): see Attesi()
    QTest::addColumn<QList<QPointF>>("attese2");
    // No round is played in these files: the charts span the whole season all the same.
    QTest::newRow("reti: rounds 1 and 3, return round 5, own goal, kind 250")
        << 4 << 12
        << Fatti{{1, "R", 1, true, 1, 0},
                 {1, "R", 250, true, 3, 1},
                 {1, "R", 7, true, 4, 0},
                 {2, "R", 3, false, 5, 1},
                 {2, "R", 7, false, 9, 1}}
        << QList<QPointF>{{1, 1}, {3, 2}} << QList<QPointF>{{16, 1}};
    QTest::newRow("reti: odd number of teams, round N of each leg")
        << 4 << 5 << Fatti{{1, "R", 2, true, 5, 0}, {1, "R", 2, false, 5, 0}, {2, "R", 1, false, 1, 0}}
        << QList<QPointF>{{5, 1}, {10, 2}} << QList<QPointF>{{6, 1}};
    QTest::newRow("voti: 6,5, S.V., two records of a round, return leg")
        << 2 << 12 << Fatti{{1, "P", 6.5, true, 2, 0}, {1, "P", 250, true, 3, 0}, {1, "P", 7, false, 1, 0},
                            {1, "P", 4, false, 1, 1},  {2, "P", 250, true, 1, 1}, {2, "P", 5, true, 1, 1},
                            {2, "P", 10, false, 11, 1}}
        << QList<QPointF>{{2, 6.5}, {12, 7}} << QList<QPointF>{{1, 5}, {22, 10}};
}

void TestConfrontoGiocatori::grafici()
{
    QFETCH(int, tipo);
    QFETCH(int, squadre);
    QFETCH(Fatti, fatti);
    QFETCH(QList<QPointF>, attese1);
    QFETCH(QList<QPointF>, attese2);
    Prova p(tipo, squadre, fatti);
    Premi(p.w, "Command3");
    const Grafico* g = p.w->grafico();
    const bool reti = tipo == 4;
    const int righe = squadre % 2 ? 2 * squadre : 2 * (squadre - 1);
    QCOMPARE(g->righe(), righe);
    QCOMPARE(Serie(g, 1), Attesi(attese1, righe, reti));
    QCOMPARE(Serie(g, 2), Attesi(attese2, righe, reti));
    QCOMPARE(p.w->windowTitle(), QString(reti ? "Grafico dei gol segnati: " : "Grafico dei voti assegnati: ") +
                                     "  Rossi vs  Carlo Bianchi");
    QCOMPARE(g->tipo(), reti ? Grafico::Tipo::Linee : Grafico::Tipo::Barre);
    QVERIFY(!g->scalaAutomatica() && !g->legenda());
    QCOMPARE(g->minimoScala(), 0.0);
    QCOMPARE(g->massimoScala(), reti ? 30.0 : 10.0);
    QCOMPARE(g->divisioniScala(), reti ? 15 : 10);
    QCOMPARE(g->coloreSerie(1), QColor(Qt::red));
    QCOMPARE(g->coloreSerie(2), QColor(Qt::blue));
    for (int r = 1; r <= righe; ++r) QCOMPARE(g->etichettaRiga(r), r % 2 ? QString::number(r) : QString());
}

void TestConfrontoGiocatori::copiaEFileIllegibile()
{
    Prova p(4, 4, {{1, "R", 1, true, 2, 0}});
    Premi(p.w, "Command3");
    p.a.messaggi().ok();
    Premi(p.w, "Command4");
    const QMimeData* dati = QGuiApplication::clipboard()->mimeData();
    QVERIFY(dati && dati->hasImage() && !qvariant_cast<QImage>(dati->imageData()).isNull());
    QCOMPARE(dati->text(), "\tRossi\tCarlo Bianchi\n1\t0\t0\n\t1\t0\n3\t1\t0\n\t1\t0\n5\t1\t0\n\t1\t0\n");
    QCOMPARE(p.a.messaggi().ultimo().titolo, "Copia grafico");

    // A file that cannot be read: one message, and the chart and caption stay as they were.
    const QString titolo = p.w->windowTitle();
    Esegui("DROP TABLE Reti");
    p.a.messaggi().ok();
    Premi(p.w, "Command3");
    QCOMPARE(p.a.messaggi().quanti(), 2);
    QCOMPARE(p.w->windowTitle(), titolo);
    QCOMPARE(p.w->grafico()->valore(6, 1), 1.0);
}

void TestConfrontoGiocatori::campionatoPiuGrande()
{
    // The largest championship with long names, against a count of the goals written into it.
    AmbienteTest a(RegistraFinestreConfronti);
    RegistraSceltaGiocatore();
    QStringList squadre;
    for (const QString& s : FixtureCampionato::nomiPredefiniti()) squadre << ("Associazione Sportiva " + s).left(30);
    const DatiFixture d = a.apri(a.piuGrande().squadre(squadre));
    Esegui("UPDATE Giocatore SET Nome = 'Massimiliano', Cognome = Cognome || ' Della Valle Santangelo'");
    QHash<int, QVector<int>> perTipo;  // player -> goals by kind
    for (const ReteFixture& r : d.reti) {
        QVector<int>& reti = perTipo[r.codGiocatore];
        reti.resize(TIPO_NON_INDICATO + 1);
        ++reti[r.tipo];
    }
    QList<int> marcatori = perTipo.keys();
    std::sort(marcatori.begin(), marcatori.end());
    std::stable_sort(marcatori.begin(), marcatori.end(), [&](int x, int y) { return perTipo[x][7] < perTipo[y][7]; });
    const int codici[2] = {marcatori.first(), marcatori.last()};  // the second one has scored an own goal
    const int tipi[] = {1, 2, 3, 4, 5, 6, 8, 250};
    for (int tipo = 1; tipo <= 4; ++tipo) {
        stato().TipoConfrontoGiocatori = tipo;
        Finestre::istanza().scarica(ID);
        auto* w = a.mostra<ConfrontoGiocatoriWindow>(ID);
        AmbienteTest::foto(w->contenitore(), QString("Form34-%1-vuota.png").arg(tipo));
        Scegli(w, 1, codici[0]);
        Scegli(w, 2, codici[1]);
        Premi(w, "Command3");
        for (int lato = 0; lato < 2; ++lato) {
            const QVector<int>& reti = perTipo[codici[lato]];
            const int totale = std::accumulate(reti.begin(), reti.end(), 0) - reti[7];
            if (tipo == 3)
                for (int i = 0; i < 8; ++i)
                    QCOMPARE(w->griglia()->testo(i + 2, lato + 1), QString::number(reti[tipi[i]]));
            if (tipo == 3) QCOMPARE(w->griglia()->testo(1, lato + 1), QString::number(totale));
            if (tipo == 4) QCOMPARE(w->grafico()->valore(38, lato + 1), double(totale));
        }
        AmbienteTest::foto(w->contenitore(), QString("Form34-%1.png").arg(tipo));
    }
}

QTEST_MAIN(TestConfrontoGiocatori)
#include "tst_confrontogiocatori.moc"
