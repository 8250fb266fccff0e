#include "core/classifica.h"
#include "core/database.h"
#include "core/schema.h"
#include "core/stato.h"
#include "support/classificaattesa.h"

#include <algorithm>
#include <limits>
#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// One PARTITA row as the test writes it: an invalid QVariant is stored as Null.
struct Riga {
    int giornata = 1;
    QString sq1;
    QString sq2;
    QVariant dispAnd;
    QVariant dispRit;
    QVariant g1a;
    QVariant g2a;
    QVariant g1r;
    QVariant g2r;
};

const QVariant NUL;

// A championship file with the given teams, open as the championship, and the state as the
// opening routine leaves it (teams in name order).
class Campionato {
public:
    explicit Campionato(const QStringList& squadre, const QList<QVariant>& penalita = {}, int vit = 3, int x = 1,
                        int sc = 0)
    {
        AzzeraStato();
        const QString percorso = dir_.filePath("prova.gvn");
        CreaFileCampionato(percorso);
        ApriDbCampionato(percorso);
        Esegui(
            "INSERT INTO CAMPIONATO (GIORNATEINS, NUMSQUADRE, PUNTIVIT, PUNTIX, PUNTISC, DENOM) VALUES (0, ?, ?, ?, ?, "
            "'Prova')",
            {int(squadre.size()), vit, x, sc});
        for (int i = 0; i < squadre.size(); ++i)
            Esegui("INSERT INTO SQUADRA (NOME, PENALITA) VALUES (?, ?)",
                   {squadre[i], i < penalita.size() ? penalita[i] : QVariant(0)});
        QStringList ordinate = squadre;
        std::sort(ordinate.begin(), ordinate.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        Stato& s = stato();
        s.CampionatoAperto = true;
        s.PercorsoCampionato = percorso;
        s.PuntiVittoria = vit;
        s.PuntiPareggio = x;
        s.PuntiSconfitta = sc;
        s.NumeroSquadre = int(ordinate.size());
        s.Squadre = QVector<TipoSquadra>(1);
        for (const QString& n : ordinate) s.Squadre.append(TipoSquadra{n, QString()});
    }
    ~Campionato() { ChiudiDbCampionato(); }

    static void partita(const Riga& r)
    {
        Esegui("INSERT INTO PARTITA (GIORNATANUM, SQ1, SQ2, DISPAND, DISPRIT, G1A, G2A, G1R, G2R) "
               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
               {r.giornata, r.sq1, r.sq2, r.dispAnd, r.dispRit, r.g1a, r.g2a, r.g1r, r.g2r});
    }

private:
    QTemporaryDir dir_;
};

const char* const CAMPI = "GIOCATE, PUNTI, VINTEINCASA, PERSEINCASA, XINCASA, VINTEFUORI, PERSEFUORI, XFUORI, "
                          "GFATTICASA, GSUBITICASA, GFATTIFUORI, GSUBITIFUORI, DIFFRETI, TOTALEFATTI, TOTALEVINTE, "
                          "TOTALESUBITI, MEDIAINGLESE";

// A team's row as its 17 numbers in field order, separated by blanks; "assente" without a row.
QString rigaDi(const QString& nome)
{
    Query q(QStringLiteral("SELECT %1 FROM PUNTISQUADRE WHERE NOME = ?").arg(CAMPI), {nome});
    if (!q.next()) return QStringLiteral("assente");
    QStringList v;
    for (int i = 0; i < 17; ++i) v << QString::number(q.intero64(i));
    return v.join(' ');
}

// The whole table, one line per team in name order.
QStringList tabella()
{
    QStringList righe;
    Query q("SELECT NOME FROM PUNTISQUADRE ORDER BY NOME");
    while (q.next()) righe << q.testo(0) + ": " + rigaDi(q.testo(0));
    return righe;
}

QByteArray impronta(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                       : QByteArray();
}

int righeTabella() { return Valore("SELECT COUNT(*) FROM PUNTISQUADRE").toInt(); }

}  // namespace

Q_DECLARE_METATYPE(QList<Riga>)

class TstClassifica : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { AzzeraStato(); }

    void conteggio_data();
    void conteggio();
    void arco_data();
    void arco();
    void arcoCompletoUgualeStagione();
    void unaRigaPerSquadra();
    void confrontoConCalcoloIndipendente_data();
    void confrontoConCalcoloIndipendente();
    void erroreLasciaTabellaComEra();
};

// Field order: GIOCATE PUNTI VC PC XC VF PF XF GFC GSC GFF GSF DIFF TF TV TS MI
void TstClassifica::conteggio_data()
{
    QTest::addColumn<QList<Riga>>("righe");
    QTest::addColumn<QVariant>("penalita");
    QTest::addColumn<int>("puntiVittoria");
    QTest::addColumn<int>("puntiSconfitta");
    QTest::addColumn<QString>("atteso");  // Alba's row

    // The random seasons below are checked against an independent count; these rows pin the cases by hand.
    // Return leg: Bari at home scores G2R = 3, Alba G1R = 1.
    QTest::newRow("andata e ritorno di una riga") << QList<Riga>{{1, "Alba", "Bari", -1, -1, 2, 1, 1, 3}} << QVariant(0)
                                                  << 3 << 0 << "2 3 1 0 0 0 1 0 2 1 1 3 -1 3 1 4 -1";
    QTest::newRow("flag 0, vuoto e 1 non contano") << QList<Riga>{{1, "Alba", "Bari", 0, 0, 2, 0, 0, 2},
                                                                  {2, "Alba", "Bari", NUL, NUL, 2, 0, 0, 2},
                                                                  {3, "Bari", "Alba", 1, 1, 0, 2, 2, 0}}
                                                   << QVariant(0) << 3 << 0 << "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
    QTest::newRow("penalità 3 con 1 punto") << QList<Riga>{{1, "Alba", "Bari", -1, 0, 1, 1, NUL, NUL}} << QVariant(3)
                                            << 3 << 0 << "1 -2 0 0 1 0 0 0 1 1 0 0 0 1 0 1 -1";
    QTest::newRow("media inglese: vinte in casa e pari fuori")
        << QList<Riga>{{1, "Alba", "Bari", -1, -1, 1, 0, 2, 2}, {2, "Como", "Alba", -1, -1, 1, 1, 0, 3}} << QVariant(0)
        << 3 << 0 << "4 8 2 0 0 0 0 2 4 0 3 3 4 7 2 3 0";
    QTest::newRow("nome con altre maiuscole") << QList<Riga>{{1, "ALBA", "Bari", -1, 0, 1, 0, NUL, NUL}} << QVariant(0)
                                              << 3 << 0 << "1 3 1 0 0 0 0 0 1 0 0 0 1 1 1 0 0";
    // Numbers past a whole number read as its bound; the figures made of them are exact, 64 bits wide.
    const QVariant massimo64 = std::numeric_limits<qint64>::max(), minimo64 = std::numeric_limits<qint64>::min();
    QTest::newRow("gol oltre i limiti") << QList<Riga>{{1, "Alba", "Bari", -1, -1, massimo64, 0, 1e300, 2147483647}}
                                        << QVariant(0) << 3 << 0
                                        << "2 4 1 0 0 0 0 1 2147483647 0 2147483647 2147483647 2147483647 4294967294 1 "
                                           "2147483647 0";
    QTest::newRow("punti e penalità oltre i limiti")
        << QList<Riga>{{1, "Alba", "Bari", -1, -1, 0, 1, 0, 1}} << minimo64 << 3 << 2147483647
        << "2 6442450942 0 1 0 0 1 0 0 1 0 1 -2 0 0 2 -3";
    // A season of 38 wins by 32767 goals to none, each worth 2147483647 points, and the lowest penalty.
    QList<Riga> vittorie;
    for (int g = 1; g <= 19; ++g) vittorie.append({g, "Alba", g % 2 ? "Bari" : "Como", -1, -1, 32767, 0, 32767, 0});
    QTest::newRow("stagione di vittorie ai limiti dei campi")
        << vittorie << QVariant(-32768) << 2147483647 << 0
        << "38 81604411354 19 0 0 19 0 0 622573 0 622573 0 1245146 1245146 38 0 19";
}

void TstClassifica::conteggio()
{
    QFETCH(QList<Riga>, righe);
    QFETCH(QVariant, penalita);
    QFETCH(int, puntiVittoria);
    QFETCH(int, puntiSconfitta);
    QFETCH(QString, atteso);

    Campionato c({"Bari", "Alba", "Como"}, {0, penalita, 0}, puntiVittoria, 1, puntiSconfitta);
    for (const Riga& r : righe) Campionato::partita(r);
    CalcolaClassifica();
    QCOMPARE(rigaDi("Alba"), atteso);
    QCOMPARE(righeTabella(), 3);
}

// Alba meets Bari at home in every round g of 1..8 and wins each leg by 2^(g-1) goals, so the goals
// scored at home and away spell out, bit by bit, which first and which return legs were counted.
// The return leg of round 8 is not played. Alba has a penalty of 1.
void TstClassifica::arco_data()
{
    QTest::addColumn<int>("daGiornata");
    QTest::addColumn<int>("daGirone");
    QTest::addColumn<int>("aGiornata");
    QTest::addColumn<int>("aGirone");
    QTest::addColumn<int>("andate");
    QTest::addColumn<int>("ritorni");

    QTest::newRow("andata 3 - ritorno 2") << 3 << 1 << 2 << 2 << 0b11111100 << 0b11;
    QTest::newRow("tutta la stagione") << 1 << 1 << 8 << 2 << 0xFF << 0x7F;
    QTest::newRow("ritorno alla rovescia") << 6 << 2 << 2 << 2 << 0 << 0;
    QTest::newRow("ritorno 7 fino alla fine") << 7 << 2 << 8 << 2 << 0 << 0b1000000;
}

void TstClassifica::arco()
{
    QFETCH(int, daGiornata);
    QFETCH(int, daGirone);
    QFETCH(int, aGiornata);
    QFETCH(int, aGirone);
    QFETCH(int, andate);
    QFETCH(int, ritorni);

    Campionato c({"Alba", "Bari"}, {1, 0});
    for (int g = 1; g <= 8; ++g)
        Campionato::partita({g, "Alba", "Bari", -1, g < 8 ? -1 : 0, 1 << (g - 1), 0, 1 << (g - 1), 0});
    Stato& s = stato();
    s.ParzDaGiornata = daGiornata, s.ParzDaGirone = daGirone, s.ParzAGiornata = aGiornata, s.ParzAGirone = aGirone;
    CalcolaClassificaParziale();

    Query q("SELECT GFATTICASA, GFATTIFUORI, GIOCATE, PUNTI FROM PUNTISQUADRE WHERE NOME = 'Alba'");
    QVERIFY(q.next());
    const int vinte = qPopulationCount(quint32(andate)) + qPopulationCount(quint32(ritorni));
    QCOMPARE(QList<int>({q.intero(0), q.intero(1), q.intero(2), q.intero(3)}),
             QList<int>({andate, ritorni, vinte, 3 * vinte - 1}));
}

void TstClassifica::arcoCompletoUgualeStagione()
{
    Campionato c({"Alba", "Bari", "Como", "Dora"}, {2, 0, -1, 0});
    Campionato::partita({1, "Alba", "Bari", -1, -1, 2, 1, 0, 0});
    Campionato::partita({1, "Como", "Dora", -1, 0, 1, 3, NUL, NUL});
    Campionato::partita({2, "Bari", "Como", -1, -1, 1, 1, 2, 4});
    Campionato::partita({2, "Dora", "Alba", 0, -1, NUL, NUL, 2, 2});
    CalcolaClassifica();
    const QStringList stagione = tabella();
    QCOMPARE(stagione.size(), 4);

    Stato& s = stato();
    s.ParzDaGiornata = 1, s.ParzDaGirone = 1, s.ParzAGiornata = 2, s.ParzAGirone = 2;
    CalcolaClassificaParziale();
    QCOMPARE(tabella(), stagione);
}

void TstClassifica::unaRigaPerSquadra()
{
    Campionato c({"Alba", "Bari", "Como"});
    Campionato::partita({1, "Alba", "Bari", -1, -1, 1, 0, 0, 1});
    Stato& s = stato();
    s.ParzDaGiornata = 1, s.ParzDaGirone = 1, s.ParzAGiornata = 1, s.ParzAGirone = 1;

    CalcolaClassifica();
    CalcolaClassificaParziale();
    QCOMPARE(righeTabella(), 3);
    QCOMPARE(rigaDi("Alba"), QString("1 3 1 0 0 0 0 0 1 0 0 0 1 1 1 0 0"));
    CalcolaClassifica();
    QCOMPARE(righeTabella(), 3);
    QCOMPARE(rigaDi("Alba"), QString("2 3 1 0 0 0 1 0 1 0 0 1 0 1 1 1 -1"));

    // Rows changed or added by anything else are replaced; a table already up to date is not rewritten.
    Esegui("UPDATE PUNTISQUADRE SET PUNTI = 99 WHERE NOME = 'Alba'");
    Esegui("INSERT INTO PUNTISQUADRE (NOME, PUNTI) VALUES ('Dora', 4)");
    CalcolaClassifica();
    QCOMPARE(righeTabella(), 3);
    QCOMPARE(rigaDi("Alba"), QString("2 3 1 0 0 0 1 0 1 0 0 1 0 1 1 1 -1"));
    const QByteArray file = impronta(stato().PercorsoCampionato);
    CalcolaClassifica();
    QCOMPARE(impronta(stato().PercorsoCampionato), file);

    // A championship without teams leaves the table empty, whatever an earlier rebuild wrote.
    stato().NumeroSquadre = 0;
    stato().Squadre.resize(1);
    CalcolaClassifica();
    QCOMPARE(righeTabella(), 0);
}

void TstClassifica::confrontoConCalcoloIndipendente_data()
{
    QTest::addColumn<quint32>("seme");
    for (quint32 seme = 1; seme <= 12; ++seme) QTest::addRow("seme %u", seme) << seme;
}

// A random season, flags and scores sometimes empty or out of code, checked against a
// straightforward count written here from the leg and result tables, leg by leg and team by team.
void TstClassifica::confrontoConCalcoloIndipendente()
{
    QFETCH(quint32, seme);
    QRandomGenerator caso(seme);
    const QStringList nomi{"Ancona", "Bari", "Cesena", "Empoli", "Genoa", "Lecce", "Parma", "Torino"};
    QList<QVariant> penalita;
    for (int i = 0; i < nomi.size(); ++i)
        penalita << (caso.bounded(4) == 0 ? QVariant() : QVariant(caso.bounded(-3, 4)));
    const int vit = caso.bounded(2, 4), x = caso.bounded(0, 2), sc = caso.bounded(0, 2);
    Campionato c(nomi, penalita, vit, x, sc);

    auto flag = [&]() -> QVariant {
        const int v = caso.bounded(6);
        return v <= 2 ? QVariant(-1) : v == 3 ? QVariant(0) : v == 4 ? QVariant(1) : QVariant();
    };
    auto gol = [&]() -> QVariant { return caso.bounded(8) == 0 ? QVariant() : QVariant(caso.bounded(5)); };
    QList<Riga> righe;
    for (int i = 0; i < nomi.size(); ++i)
        for (int j = i + 1; j < nomi.size(); ++j) {
            const bool scambia = caso.bounded(2);
            righe << Riga{int(caso.bounded(1, 8)),
                          nomi[scambia ? j : i],
                          nomi[scambia ? i : j],
                          flag(),
                          flag(),
                          gol(),
                          gol(),
                          gol(),
                          gol()};
        }
    righe << Riga{3, "Lecce", "Lecce", -1, -1, gol(), gol(), gol(), gol()};
    for (const Riga& r : righe) Campionato::partita(r);

    // Season order of a leg: first legs by round, then return legs by round.
    const int da = int(caso.bounded(1, 3)) * 100 + int(caso.bounded(1, 8));
    const int a = int(caso.bounded(1, 3)) * 100 + int(caso.bounded(1, 8));
    for (const bool parziale : {false, true}) {
        if (parziale) {
            stato().ParzDaGirone = da / 100;
            stato().ParzDaGiornata = da % 100;
            stato().ParzAGirone = a / 100;
            stato().ParzAGiornata = a % 100;
            CalcolaClassificaParziale();
        } else {
            CalcolaClassifica();
        }
        QCOMPARE(righeTabella(), int(nomi.size()));
        for (const SquadraAttesa& t : ClassificaAttesa(parziale ? da : 0, parziale ? a : 0))
            QVERIFY2(rigaDi(t.nome) == t.campi(),
                     qPrintable(QString("%1 %2: %3 invece di %4")
                                    .arg(parziale ? "arco" : "stagione", t.nome, rigaDi(t.nome), t.campi())));
    }
}

void TstClassifica::erroreLasciaTabellaComEra()
{
    {
        Campionato c({"Alba", "Bari", "Como"});
        Campionato::partita({1, "Alba", "Bari", -1, 0, 1, 0, NUL, NUL});
        CalcolaClassifica();
        const QStringList prima = tabella();

        Campionato::partita({2, "Como", "Alba", -1, 0, 4, 0, NUL, NUL});
        Esegui("CREATE TRIGGER blocca BEFORE INSERT ON PUNTISQUADRE WHEN NEW.NOME = 'Como' "
               "BEGIN SELECT RAISE(ABORT, 'tabella bloccata'); END");
        try {
            CalcolaClassifica();
            QFAIL("nessun errore");
        } catch (const ErroreDatabase& e) {
            QVERIFY(e.testo().startsWith("Impossibile aggiornare la classifica"));
            QVERIFY(!e.testo().contains("INSERT"));  // the statement goes to the log, never to the user
        }
        QCOMPARE(tabella(), prima);
    }
    // No championship open: a message for the user, not a crash.
    QVERIFY_THROWS_EXCEPTION(ErroreDatabase, CalcolaClassifica());
}

QTEST_GUILESS_MAIN(TstClassifica)
#include "tst_classifica.moc"
