#include "core/calendarioautomatico.h"
#include "core/database.h"
#include "core/guardia.h"
#include "core/schema.h"
#include "core/stato.h"
#include "support/cartellatemporanea.h"
#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include <algorithm>
#include <QCryptographicHash>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString TESTO_PRESENTE = "In questo campionato sono già state registrate alcune giornate del calendario. E' "
                               "impossibile quindi creare il calendario automaticamente.";
const QString TESTO_MANCA = "Attenzione: manca il file contenente i dati per creare automaticamente il calendario del "
                            "campionato. Impossibile creare il calendario: contattare l'autore del programma o "
                            "installare tutti i files del programma";

// A draw that gives team k as position 1 of n.
SorgenteCasuale estrai(int k, int n)
{
    return [k, n] { return (k - 0.5) / n; };
}

QStringList nomiSquadre(int n)
{
    QStringList nomi;
    for (int i = 1; i <= n; ++i) nomi << QStringLiteral("Squadra %1").arg(i, 2, 10, QLatin1Char('0'));
    return nomi;
}

// An open championship of the given teams without calendar, in the state the opening routine leaves.
class Campionato {
public:
    explicit Campionato(const QStringList& squadre) : percorso_(dir_.filePath("calendario.gvn"))
    {
        AzzeraStato();
        FixtureCampionato(percorso_).squadre(squadre).denominazione("Prova").senzaCalendario().creaECarica();
    }
    ~Campionato() { ChiudiDbCampionato(); }

    const QString& percorso() const { return percorso_; }
    QByteArray impronta() const
    {
        QFile f(percorso_);
        return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                           : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QString percorso_;
};

// Writes a template file of its own: each row (round, home position, away position).
void scriviModello(const QString& percorso, const QList<QVariantList>& righe, const QString& tabella = "PARTITE")
{
    QFile::remove(percorso);
    {
        QSqlDatabase db = ApriConnessione("modello", percorso);
        Esegui(QStringLiteral("CREATE TABLE %1 (GIORNATA INTEGER, SQ1, SQ2)").arg(tabella), {}, db);
        for (const QVariantList& r : righe)
            Esegui(QStringLiteral("INSERT INTO %1 VALUES (?, ?, ?)").arg(tabella), r, db);
    }
    ChiudiConnessione("modello");
}

// A template for 6 teams: the circle method, round by round.
QList<QVariantList> modelloSei()
{
    QList<QVariantList> righe;
    const int giri[5][3][2] = {{{1, 2}, {3, 4}, {5, 6}},
                               {{1, 3}, {2, 5}, {4, 6}},
                               {{1, 4}, {3, 6}, {2, 5}},
                               {{1, 5}, {2, 6}, {3, 4}},
                               {{1, 6}, {2, 4}, {3, 5}}};
    for (int g = 0; g < 5; ++g)
        for (const auto& c : giri[g]) righe << QVariantList{g + 1, c[0], c[1]};
    return righe;
}

}  // namespace

class TstCalendarioAutomatico : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        AzzeraStato();
        ImpostaComandoApri({});
    }

    void calendarioCompleto_data();
    void calendarioCompleto();
    void rotazione_data();
    void rotazione();
    void ordineBinario();
    void rifiuti_data();
    void rifiuti();
    void erroreInScritturaNonLasciaNulla();
};

void TstCalendarioAutomatico::calendarioCompleto_data()
{
    QTest::addColumn<int>("n");
    for (int n : {6, 20}) QTest::addRow("%d squadre", n) << n;
}

void TstCalendarioAutomatico::calendarioCompleto()
{
    QFETCH(int, n);
    CartellaTemporanea cartella;
    Campionato c(nomiSquadre(n));
    MessaggiDiTest messaggi;

    QVERIFY(CostruisciCalendarioAutomatico(EstrazioneCasuale, false).creato);
    VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    QCOMPARE(stato().GiornateInserite, 0);  // the callers reread the championship
    QCOMPARE(Valore("SELECT GIORNATEINS FROM CAMPIONATO").toInt(), n - 1);

    QCOMPARE(Valore("SELECT COUNT(*) FROM GIORNATA").toInt(), n - 1);
    QCOMPARE(Valore("SELECT COUNT(*) FROM GIORNATA WHERE NUMERO = rowid AND DISPAND = 0 AND DISPRIT = 0 AND DATAAND = "
                    "' ' AND DATARIT = ' ' AND RIPOSA IS NULL")
                 .toInt(),
             n - 1);

    QCOMPARE(Valore("SELECT COUNT(*) FROM PARTITA").toInt(), n * (n - 1) / 2);
    QCOMPARE(Valore("SELECT COUNT(*) FROM PARTITA WHERE DISPAND = 0 AND DISPRIT = 0 AND DATAAND = ' ' AND DATARIT = "
                    "' ' AND HAND = ' ' AND HRIT = ' ' AND G1A IS NULL AND G2A IS NULL AND G1R IS NULL AND G2R IS NULL "
                    "AND NOTE IS NULL AND ARBITROA IS NULL")
                 .toInt(),
             n * (n - 1) / 2);

    // Each team once per round, each pair once in the season, rows numbered 1..n/2 in home name order.
    QSet<QString> coppie;
    for (int giornata = 1; giornata < n; ++giornata) {
        Query q("SELECT SQ1, SQ2, RIGA FROM PARTITA WHERE GIORNATANUM = ? ORDER BY rowid", {giornata});
        QSet<QString> inCampo;
        QStringList case_;
        int riga = 0;
        while (q.next()) {
            QCOMPARE(q.intero(2), ++riga);
            inCampo << q.testo(0) << q.testo(1);
            case_ << q.testo(0);
            coppie << std::min(q.testo(0), q.testo(1)) + "-" + std::max(q.testo(0), q.testo(1));
        }
        QCOMPARE(riga, n / 2);
        QCOMPARE(inCampo.size(), n);
        QStringList ordinate = case_;
        std::sort(ordinate.begin(), ordinate.end());
        QCOMPARE(case_, ordinate);
    }
    QCOMPARE(coppie.size(), n * (n - 1) / 2);
}

void TstCalendarioAutomatico::rotazione_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QStringList>("posizioni");
    QTest::newRow("k = 3") << 3 << QStringList{"Como", "Dora", "Enna", "Fano", "Alba", "Bari"};
    QTest::newRow("k = 6") << 6 << QStringList{"Fano", "Alba", "Bari", "Como", "Dora", "Enna"};
}

void TstCalendarioAutomatico::rotazione()
{
    QFETCH(int, k);
    QFETCH(QStringList, posizioni);
    CartellaTemporanea cartella;
    Campionato c({"Enna", "Bari", "Fano", "Alba", "Dora", "Como"});
    MessaggiDiTest messaggi;
    QVERIFY(CostruisciCalendarioAutomatico(estrai(k, 6), false).creato);
    VERIFICA_NESSUN_MESSAGGIO_INATTESO();

    // Every pairing of the template, with positions replaced by teams, is in its round.
    QSqlDatabase modello = ApriConnessione("modello", cartella.file("S6.DTA"), true, false);
    int righe = 0;
    {
        Query m("SELECT GIORNATA, SQ1, SQ2 FROM PARTITE", {}, modello);
        while (m.next()) {
            const QString casa = posizioni[m.intero(1) - 1], ospite = posizioni[m.intero(2) - 1];
            QVERIFY2(Valore("SELECT COUNT(*) FROM PARTITA WHERE GIORNATANUM = ? AND SQ1 = ? AND SQ2 = ?",
                            {m.intero(0), casa, ospite})
                             .toInt() == 1,
                     qPrintable(QStringLiteral("giornata %1: %2 - %3").arg(m.intero(0)).arg(casa, ospite)));
            ++righe;
        }
    }
    modello = QSqlDatabase();
    ChiudiConnessione("modello");
    QCOMPARE(righe, 15);
}

// Home teams are sorted by character code: capitals before small letters, accented letters last.
void TstCalendarioAutomatico::ordineBinario()
{
    CartellaTemporanea cartella;
    // Name order, as the opening routine lists them: alfa, Bari, Roma, Rovigo, Zeta, Ètna.
    Campionato c({"Zeta", "Rovigo", "Ètna", "alfa", "Roma", "Bari"});
    QList<QVariantList> righe{{1, 6, 2}, {1, 1, 3}, {1, 5, 4}, {2, 4, 1}, {2, 3, 5}, {2, 2, 6}};
    for (int g = 3; g <= 5; ++g) righe << QVariantList{g, 1, 2} << QVariantList{g, 3, 4} << QVariantList{g, 5, 6};
    scriviModello(cartella.file("S6.DTA"), righe);
    MessaggiDiTest messaggi;
    QVERIFY(CostruisciCalendarioAutomatico(estrai(1, 6), false).creato);

    auto giornata = [](int g) {
        QStringList r;
        Query q("SELECT RIGA, SQ1, SQ2 FROM PARTITA WHERE GIORNATANUM = ? ORDER BY RIGA", {g});
        while (q.next()) r << QStringLiteral("%1 %2-%3").arg(q.intero(0)).arg(q.testo(1), q.testo(2));
        return r;
    };
    QCOMPARE(giornata(1), (QStringList{"1 Zeta-Rovigo", "2 alfa-Roma", "3 Ètna-Bari"}));
    QCOMPARE(giornata(2), (QStringList{"1 Bari-Ètna", "2 Roma-Zeta", "3 Rovigo-alfa"}));
    VERIFICA_NESSUN_MESSAGGIO_INATTESO();
}

void TstCalendarioAutomatico::rifiuti_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("testo");  // the message, or the start of it

    const QString impossibile = "Golvarno - Operazione non possibile";
    const QString nonValido = "Attenzione: il file S6.DTA, che contiene i dati per creare automaticamente il "
                              "calendario del campionato, non è valido (";
    // clang-format off
    QTest::newRow("giornata già registrata") << 6 << u"giornata"_s << "Calendario già presente" << TESTO_PRESENTE;
    const QString dispari = "Il calendario automatico si può creare solo per un numero pari di squadre, da 6 a 20, e "
                            "questo campionato ne ha %1.\rIl calendario si può inserire giornata per giornata";
    QTest::newRow("4 squadre") << 4 << "" << impossibile << dispari.arg(4);
    QTest::newRow("7 squadre") << 7 << "" << impossibile << dispari.arg(7);
    QTest::newRow("22 squadre") << 22 << "" << impossibile << dispari.arg(22);
    QTest::newRow("modello cancellato") << 6 << "cancellato" << impossibile << TESTO_MANCA;
    QTest::newRow("modello non database") << 6 << "testo" << impossibile << nonValido + "il file non è leggibile o non contiene la tabella PARTITE";
    QTest::newRow("modello senza PARTITE") << 6 << "tabella" << impossibile << nonValido + "il file non è leggibile o non contiene la tabella PARTITE";
    QTest::newRow("giornata corta") << 6 << "corta" << impossibile << nonValido + "la giornata 4 ha 2 partite invece di 3";
    QTest::newRow("giornata mancante") << 6 << "mancante" << impossibile << nonValido + "la giornata 5 ha 0 partite invece di 3";
    QTest::newRow("posizione 7") << 6 << "posizione" << impossibile << nonValido + "una partita della giornata 2 indica una squadra inesistente";
    QTest::newRow("posizione vuota") << 6 << "vuota" << impossibile << nonValido + "una partita della giornata 3 indica una squadra inesistente";
    QTest::newRow("contro se stessa") << 6 << "se stessa" << impossibile << nonValido + "nella giornata 2 una squadra gioca contro se stessa";
    QTest::newRow("due volte nella giornata") << 6 << "due volte" << impossibile << nonValido + "nella giornata 2 una squadra gioca due volte";
    QTest::newRow("contatore delle partite alla fine") << 6 << u"contatore"_s << u"Creazione automatica del calendario"_s << "Impossibile creare il calendario: il file del campionato non è stato modificato.\rIl campo CODPART della tabella PARTITA, che numera le righe nuove, non ha abbastanza codici per le righe che questo salvataggio aggiungerebbe";
    QTest::newRow("senza riga CAMPIONATO") << 6 << u"campionato"_s << u"Creazione automatica del calendario"_s << "Impossibile creare il calendario: il file del campionato non contiene i dati generali";
    // clang-format on
}

void TstCalendarioAutomatico::rifiuti()
{
    QFETCH(int, n);
    QFETCH(QString, caso);
    QFETCH(QString, titolo);
    QFETCH(QString, testo);

    CartellaTemporanea cartella;
    Campionato c(nomiSquadre(n));
    const QString modello = cartella.file("S6.DTA");
    QList<QVariantList> righe = modelloSei();
    if (caso == "giornata") Esegui("INSERT INTO GIORNATA (NUMERO, DATAAND, DATARIT) VALUES (1, ' ', ' ')");
    if (caso == "campionato") Esegui("DELETE FROM CAMPIONATO");
    // Codes for 14 matches left, and the calendar has 15.
    if (caso == "contatore") Esegui("INSERT INTO sqlite_sequence VALUES ('PARTITA', 2147483633)");
    if (caso == "cancellato") QVERIFY(cartella.rimuovi("S6.DTA"));
    if (caso == "testo") {
        QFile f(modello);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("1;2;3\n").repeated(100));
    }
    if (caso == "tabella") scriviModello(modello, righe, "INCONTRI");
    if (caso == "corta") righe.removeAt(10);
    if (caso == "mancante") righe = righe.mid(0, 12) << QVariantList{6, 1, 2} << QVariantList{0, 1, 2};
    if (caso == "posizione") righe[4] = QVariantList{2, 1, 7};
    if (caso == "vuota") righe[7] = QVariantList{3, 2, QVariant()};
    if (caso == "se stessa") righe[4] = QVariantList{2, 4, 4};
    if (caso == "due volte") righe[4] = righe[3];
    if (QStringList{"corta", "mancante", "posizione", "vuota", "se stessa", "due volte"}.contains(caso))
        scriviModello(modello, righe);

    const QByteArray prima = c.impronta();
    const EsitoCalendarioAutomatico esito = CostruisciCalendarioAutomatico(estrai(1, n), false);
    QVERIFY(!esito.creato);
    QCOMPARE(esito.titolo, titolo);
    QVERIFY2(esito.testo.startsWith(testo), qPrintable(esito.testo));
    QCOMPARE(c.impronta(), prima);
    QCOMPARE(Valore("SELECT COUNT(*) FROM PARTITA").toInt(), 0);
}

void TstCalendarioAutomatico::erroreInScritturaNonLasciaNulla()
{
    CartellaTemporanea cartella;
    Campionato c(nomiSquadre(8));
    Esegui("CREATE TRIGGER blocca BEFORE INSERT ON PARTITA WHEN NEW.GIORNATANUM = 5 "
           "BEGIN SELECT RAISE(ABORT, 'disco pieno'); END");
    const QByteArray prima = c.impronta();
    const EsitoCalendarioAutomatico esito = CostruisciCalendarioAutomatico(estrai(2, 8), false);
    QVERIFY(!esito.creato);
    QCOMPARE(esito.titolo, QString("Creazione automatica del calendario"));
    QVERIFY2(esito.testo.startsWith("Impossibile creare il calendario: il file del campionato non è stato "
                                    "modificato.\r"),
             qPrintable(esito.testo));
    QCOMPARE(c.impronta(), prima);

    // Once the cause is gone the same file takes the calendar.
    Esegui("DROP TRIGGER blocca");
    QVERIFY(CostruisciCalendarioAutomatico(estrai(2, 8), false).creato);
    QCOMPARE(Valore("SELECT COUNT(*) FROM PARTITA").toInt(), 28);
}

QTEST_MAIN(TstCalendarioAutomatico)
#include "tst_calendarioautomatico.moc"
