#include "support/finestraditest.h"
#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include "core/campionato.h"
#include "core/database.h"
#include "core/guardia.h"
#include "core/intervalli.h"
#include "core/schema.h"
#include "core/stato.h"
#include "platform/finestre.h"

#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A window that notes which championship file was open while it unloaded.
class FinestraCheSalva : public Finestra {
public:
    explicit FinestraCheSalva(const QString& id) : Finestra(id) {}
    bool scarica() override
    {
        fileAlloScarico() << DbCampionato().databaseName();
        return true;
    }
    static QStringList& fileAlloScarico()
    {
        static QStringList f;
        return f;
    }
};

const QString TESTO_CREAZIONE = QStringLiteral("Il file %1\rè stato creato con successo!\r\r"
                                               "Si desidera creare automaticamente il calendario del campionato?\r"
                                               "(Premere F1 per ulteriori informazioni)");

}  // namespace

class TestCampionato : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QMainWindow principale_;
    QMdiArea* area_ = nullptr;
    QStringList titoli_;
    int file_ = 0;

    QString percorso(const QString& nome = QString())
    {
        return dir_.filePath(nome.isEmpty() ? QStringLiteral("c%1.GVN").arg(++file_) : nome);
    }

    // Opens a fixture file as the open command does, and loads it.
    static DatiFixture apri(FixtureCampionato f)
    {
        MessaggiDiTest messaggi;
        return f.creaECarica();
    }

    static QStringList nomiSquadre()
    {
        QStringList nomi;
        for (int i = 1; i <= stato().NumeroSquadre; ++i) nomi << stato().Squadre[i].Nome;
        return nomi;
    }

private slots:
    void initTestCase()
    {
        area_ = new QMdiArea(&principale_);
        principale_.setCentralWidget(area_);
        principale_.show();
        Finestre::istanza().impostaArea(area_);
        ImpostaTitoloPrincipale([this](const QString& t) { titoli_ << t; });
    }

    void init()
    {
        Finestre::istanza().azzera();
        Finestre::istanza().impostaArea(area_);
        ChiudiDbCampionato();
        AzzeraStato();
        titoli_.clear();
    }

    // Teams come in name order regardless of case, numbered from 1, with their keys as text. The hand-over
    // variables survive an opening; only the selected team is emptied.
    void squadreInOrdineDiNome()
    {
        Stato& s = stato();
        s.GiornataCorrente = 5, s.Andata = true, s.CodPartitaCorrente = 40000, s.CodGiocatoreCorrente = 12;
        s.CodRete = -2, s.ClassificaCompleta = true, s.TipoClassifica = 9, s.SquadraCorrente = "Bari";
        const DatiFixture d =
            apri(FixtureCampionato(percorso()).squadre({"Zeta", "alfa", "Beta", "delta"}).denominazione("Serie A"));
        QCOMPARE(s.SquadraCorrente, QString());
        QCOMPARE(QList<int>({s.GiornataCorrente, s.Andata, s.CodPartitaCorrente, s.CodGiocatoreCorrente, s.CodRete,
                             s.ClassificaCompleta, s.TipoClassifica}),
                 QList<int>({5, 1, 40000, 12, -2, 1, 9}));
        QCOMPARE(s.NumeroSquadre, 4);
        QCOMPARE(nomiSquadre(), (QStringList{"alfa", "Beta", "delta", "Zeta"}));
        QCOMPARE(s.NomiSquadre, (QVector<QString>{QString(), "alfa", "Beta", "delta", "Zeta"}));
        for (int i = 1; i <= 4; ++i) QCOMPARE(s.Squadre[i].Codice.toInt(), d.codici.value(s.Squadre[i].Nome));
        QCOMPARE(QList<int>({s.PuntiVittoria, s.PuntiPareggio, s.PuntiSconfitta, s.GiornateInserite}),
                 QList<int>({3, 1, 0, 3}));
        QVERIFY(s.CampionatoAperto && s.PercorsoCampionato == d.percorso);
        QCOMPARE(titoli_.last(), QStringLiteral("Golvarno 2000 - Serie A"));
    }

    void numerazione_data()
    {
        QTest::addColumn<int>("codice");  // -1: Null
        QTest::addColumn<bool>("prima");
        QTest::addColumn<bool>("tradizionale");
        QTest::newRow("vuoto") << -1 << true << false;
        QTest::newRow("0") << 0 << true << false;
        QTest::newRow("1") << 1 << false << true;
        QTest::newRow("2") << 2 << true << false;
        QTest::newRow("altro, era vera") << 7 << true << true;
        QTest::newRow("altro, era falsa") << 7 << false << false;
    }
    void numerazione()
    {
        QFETCH(int, codice);
        QFETCH(bool, prima);
        QFETCH(bool, tradizionale);
        stato().NumerazioneTradizionale = prima;
        apri(FixtureCampionato(percorso()).numerazione(codice));
        QCOMPARE(stato().NumerazioneTradizionale, tradizionale);
    }

    // A file without its CAMPIONATO row has no name and no points to give: it is refused with the reason, and the
    // championship opened before stays whole.
    void senzaRigaCampionato()
    {
        apri(FixtureCampionato(percorso()).denominazione("Serie A").numerazione(1));
        QVERIFY(stato().NumerazioneTradizionale);
        const QString file =
            FixtureCampionato(percorso()).squadre({"Roma", "Lazio"}).senzaRigaCampionato().crea().percorso;
        MessaggiDiTest messaggi;
        messaggi.ok();
        QVERIFY(!ApriFileComeCampionato(file));
        QVERIFY(messaggi.ultimo().testo.startsWith("Impossibile aprire il file\r" + file +
                                                   "\r\rNel file mancano i dati generali del campionato"));
        const Stato& s = stato();
        QVERIFY(s.PuntiVittoria == 3 && s.NumerazioneTradizionale && s.PercorsoCampionato != file);
        QCOMPARE(titoli_.last(), QStringLiteral("Golvarno 2000 - Serie A"));
    }

    // After the calendar builder: points, name and match days follow the file; teams and numbering do not.
    void rileggiCampionato()
    {
        apri(FixtureCampionato(percorso()).squadre(4).senzaCalendario().numerazione(1));
        QCOMPARE(stato().GiornateInserite, 0);
        Esegui("UPDATE Campionato SET GiornateIns = 3, Denom = 'Nuovo nome', PuntiVit = 2, Numerazione = 2");
        Esegui("INSERT INTO Squadra (Nome) VALUES ('Aggiunta')");
        titoli_.clear();
        RileggiCampionato();
        QCOMPARE(QList<int>({stato().GiornateInserite, stato().PuntiVittoria, stato().NumeroSquadre}),
                 QList<int>({3, 2, 4}));
        QVERIFY(stato().NumerazioneTradizionale);
        QCOMPARE(titoli_, QStringList{"Golvarno 2000 - Nuovo nome"});
    }

    void domandaDiCreazione_data()
    {
        QTest::addColumn<bool>("guida");
        QTest::addColumn<bool>("si");
        QTest::newRow("con guida, sì") << true << true;
        QTest::newRow("senza guida, no") << false << false;
    }
    // A file just created asks once about the calendar; the championship card is not shown then.
    void domandaDiCreazione()
    {
        QFETCH(bool, guida);
        QFETCH(bool, si);
        FinestraDiTest::registra("Form37");
        FinestraDiTest::registra("Form53");
        stato().PercorsoGuida = guida ? dir_.filePath("golvarno.hlp") : QString();
        stato().MostraSchedaCampionato = true;
        const QString file = percorso();
        FixtureCampionato(file).senzaCalendario().crea();
        QVERIFY(ApriComeCampionato(file));
        stato().CampionatoCreato = 1;
        {
            MessaggiDiTest messaggi;
            si ? messaggi.si() : messaggi.no();
            CaricaCampionato();
            QCOMPARE(messaggi.quanti(), 1);
            QCOMPARE(messaggi.ultimo().testo, TESTO_CREAZIONE.arg(file));
            QCOMPARE(messaggi.ultimo().contestoGuida, guida ? 50 : -1);
            VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        }
        QVERIFY(stato().CampionatoCreato == 0 && !Finestre::istanza().caricata("Form53"));
        QCOMPARE(Finestre::istanza().visibile("Form37"), si);

        // Loaded again (after a change of properties): no question, the card instead.
        {
            MessaggiDiTest messaggi;
            CaricaCampionato();
            VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        }
        QVERIFY(Finestre::istanza().visibile("Form53"));
        QVERIFY(!Finestre::istanza().caricata("Form37"));
    }

    // Opening another championship closes the visible windows, before the file is replaced;
    // hidden loaded windows stay loaded.
    void riaperturaChiudeSoloLeVisibili()
    {
        const DatiFixture primo = apri(FixtureCampionato(percorso()));
        FinestraDiTest::registra("Form1");
        FinestraDiTest::registra("Form2");
        Finestre::istanza().registra("Form5", [] { return new FinestraCheSalva("Form5"); });
        Finestre::istanza().mostra("Form1");
        Finestre::istanza().mostra("Form5");
        Finestre::istanza().carica("Form2");
        QVERIFY(!Finestre::istanza().visibile("Form2"));
        FinestraCheSalva::fileAlloScarico().clear();

        const DatiFixture secondo = apri(FixtureCampionato(percorso()).squadre({"Como", "Lecco"}));
        QVERIFY(!Finestre::istanza().caricata("Form1") && !Finestre::istanza().caricata("Form5"));
        QVERIFY(Finestre::istanza().caricata("Form2"));
        QCOMPARE(FinestraCheSalva::fileAlloScarico(), QStringList{primo.percorso});
        QCOMPARE(DbCampionato().databaseName(), secondo.percorso);
        QCOMPARE(nomiSquadre(), (QStringList{"Como", "Lecco"}));
    }

    // A window whose user cancels its closing keeps the championship in use: nothing is replaced, and the windows
    // after it are not asked to close.
    void finestraCheNonSiChiudeTrattieneIlCampionato()
    {
        const DatiFixture primo = apri(FixtureCampionato(percorso()));
        FinestraDiTest::registra("Form5", [](FinestraDiTest& f) { f.rifiutaScarico = true; });
        FinestraDiTest::registra("Form6");
        Finestre::istanza().mostra("Form5");
        Finestre::istanza().mostra("Form6");
        const QString secondo = FixtureCampionato(percorso()).squadre({"Como", "Lecco"}).crea().percorso;

        MessaggiDiTest messaggi;
        QVERIFY(!ApriFileComeCampionato(secondo));
        QVERIFY(Finestre::istanza().visibile("Form5"));
        QVERIFY(Finestre::istanza().visibile("Form6") && FinestraDiTest::di("Form6")->scaricamenti == 0);
        QVERIFY(DbCampionato().databaseName() == primo.percorso && stato().PercorsoCampionato == primo.percorso);
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList{DbCampionato().connectionName()});  // nothing left open
        QCOMPARE(stato().NumeroSquadre, int(primo.squadre.size()));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        FinestraDiTest::di("Form5")->rifiutaScarico = false;
    }

    void fileRifiutati_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("inesistente") << u"inesistente"_s << "Il file non esiste o non può essere letto.";
        QTest::newRow("testo") << u"testo"_s << "Il file non è un archivio di Golvarno 2000.";
        QTest::newRow("vuoto") << u"vuoto"_s << "Il file non contiene i dati di un campionato.";
        QTest::newRow("troncato") << u"troncato"_s << "Il file è danneggiato";
        QTest::newRow("senza tabella") << u"senza tabella"_s << "Nel file mancano le tabelle RETI.";
        QTest::newRow("versione 4") << u"versione 4"_s << "Il file è nel formato della versione 4";
        QTest::newRow("senza un campo") << u"senza un campo"_s << "Nel file mancano i campi PARTITA.RIGA.";
        // Files written by other programs: refused before the engine can change them or the program trusts them.
        QTest::newRow("modalità WAL") << u"wal"_s << "Il file è stato scritto da un altro programma in modalità WAL";
        QTest::newRow("con un trigger") << u"trigger"_s << "Il file contiene comandi automatici (trigger)";
        QTest::newRow("una pipe") << u"fifo"_s << "Il file non esiste o non può essere letto.";
        QTest::newRow("giornate") << u"giornate"_s
                                  << "Il file indica 2147483647 giornate registrate, ma ne contiene 5.";
        QTest::newRow("codici senza contatore")
            << u"contatore"_s << "Nel file il campo GIOCATORE.CODICE non è un contatore: non numera da sé";
        // Rows are found and named by their number: a table without one is refused before any is read, a table
        // that only the standings rebuild and one with a counter alike.
        QTest::newRow("squadre e classifica senza numeri di riga")
            << u"senza rowid PUNTISQUADRE SQUADRA"_s
            << "Nel file le tabelle SQUADRA, PUNTISQUADRE sono registrate senza i numeri di riga con cui Golvarno "
               "2000 ritrova le righe: sono state scritte da un altro programma.";
        QTest::newRow("partite") << u"partite"_s
                                 << "La giornata 2 del file ha 4 partite, ma con 6 squadre se ne giocano";
        QTest::newRow("partite senza giornata")
            << u"senza giornata"_s
            << "Nel file 15 partite sono senza il numero della loro giornata (il campo "
               "GIORNATANUM della tabella PARTITA è vuoto)";
        // Teams are found by name: two that the program cannot tell apart, by the rule for typed names.
        QTest::newRow("due squadre con un nome") << u"nome doppio"_s << "Nel file due squadre si chiamano «Bari»: ";
        QTest::newRow("nomi diversi solo per maiuscole e spazi")
            << u"nome quasi doppio"_s
            << "Nel file due squadre si chiamano «Bari» e «BARI », nomi che il programma "
               "non distingue: ";
        // Numbers past their field's interval (see fuoriIntervallo below).
        const QString fuori = u"Nella tabella %1, nella riga con %2, il campo %3 contiene «%4», che è fuori dai valori "
                              u"ammessi: il campo può contenere solo un numero intero da %5, o restare vuoto."_s;
        const QString intero = u"-32768 a 32767"_s, lungo = u"-2147483648 a 2147483647"_s;
        QTest::newRow("gol oltre il campo")
            << u"gol"_s << fuori.arg("PARTITA", "CODPART 1", "G1A", "2147483647", intero);
        QTest::newRow("gol letti come negativi")
            << u"gol letti"_s << fuori.arg("PARTITA", "CODPART 1", "G2A", "2147483648", intero);
        QTest::newRow("punti per vittoria")
            << u"punti"_s << fuori.arg("CAMPIONATO", "CODCAMP 1", "PUNTIVIT", "2147483648", lungo);
        QTest::newRow("penalità") << u"penalita"_s
                                  << fuori.arg("SQUADRA", "CODICE 2", "PENALITA", "-2147483648", intero);
        QTest::newRow("maglia a metà delle presenze")
            << u"maglia"_s << fuori.arg("PRESENZE", "CODICE 5000", "NUMMAGLIA", "32768", intero);
        QTest::newRow("decimale") << u"decimale"_s << fuori.arg("RETI", "CODICE 1", "MINUTO", "1e+300", lungo);
        QTest::newRow("gol infiniti") << u"infinito"_s << fuori.arg("PARTITA", "CODPART 50", "G2R", "inf", intero);
        QTest::newRow("squadra a meno infinito")
            << u"meno infinito"_s << fuori.arg("GIOCATORE", "CODICE 3", "CODSQUADRA", "-inf", lungo);
        QTest::newRow("numero in un testo")
            << u"testo nel numero"_s << fuori.arg("GIOCATORE", "CODICE 3", "NUMERO", "40000 gol", intero);
        QTest::newRow("riga oltre la pagina")
            << u"riga lunga"_s << fuori.arg("PARTITA", "CODPART 2", "RIGA", "32768", intero);
    }
    // The changes that put a number past its field's interval: in a small table and a large one, as a decimal and
    // as a text, and after a long text that takes the row beyond its page.
    static QHash<QString, QString> fuoriIntervallo()
    {
        return {
            {"gol", "UPDATE PARTITA SET G1A = 2147483647 WHERE CODPART = 1"},
            {"gol letti", "UPDATE PARTITA SET G2A = 2147483648 WHERE CODPART = 1"},
            {"punti", "UPDATE CAMPIONATO SET PUNTIVIT = 2147483648"},
            {"penalita", "UPDATE SQUADRA SET PENALITA = -2147483648 WHERE CODICE = 2"},
            {"maglia", "UPDATE PRESENZE SET NUMMAGLIA = 32768 WHERE CODICE = 5000"},
            {"decimale", "UPDATE RETI SET MINUTO = 1e300 WHERE CODICE = 1"},
            {"infinito", "UPDATE PARTITA SET G2R = 9e999 WHERE CODPART = 50"},
            {"meno infinito", "UPDATE GIOCATORE SET CODSQUADRA = -9e999 WHERE CODICE = 3"},
            {"testo nel numero", "UPDATE GIOCATORE SET NUMERO = '40000 gol' WHERE CODICE = 3"},
            {"riga lunga", "UPDATE PARTITA SET NOTE = printf('%.9000c', 'x'), RIGA = 32768 WHERE CODPART = 2"},
        };
    }

    // A file that cannot be a championship is refused, with the championship in use still open.
    void fileRifiutati()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, motivo);
        const DatiFixture inUso = apri(FixtureCampionato(percorso()).denominazione("In uso"));
        FinestraDiTest::registra("Form1");
        Finestre::istanza().mostra("Form1");

        const QString file = percorso(tipo + ".GVN");
        if (tipo == "fifo") {
            QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        } else if (tipo == "testo" || tipo == "vuoto") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (tipo == "testo") f.write("Questo non è un campionato, ma una lettera.\n");
        } else if (tipo != "inesistente") {
            const QStringList grandi{"troncato", "maglia", "decimale", "infinito", "meno infinito", "testo nel numero"};
            (grandi.contains(tipo) ? FixtureCampionato::piuGrande(file) : FixtureCampionato(file)).crea();
            if (tipo == "troncato") {
                QFile f(file);
                QVERIFY(f.resize(f.size() / 2));
            } else {
                {
                    QSqlDatabase db = ApriConnessione("modifica", file);
                    if (tipo == "senza tabella") Esegui("DROP TABLE RETI", {}, db);
                    if (tipo == "versione 4") {
                        Esegui("ALTER TABLE CAMPIONATO DROP COLUMN NUMERAZIONE", {}, db);
                        Esegui("ALTER TABLE PRESENZE DROP COLUMN CHIHASOST", {}, db);
                    }
                    if (tipo == "senza un campo") Esegui("ALTER TABLE PARTITA DROP COLUMN RIGA", {}, db);
                    if (tipo == "wal") QCOMPARE(Valore("PRAGMA journal_mode=WAL", {}, db).toString(), "wal");
                    if (tipo == "trigger")
                        Esegui("CREATE TRIGGER note AFTER INSERT ON PUNTISQUADRE BEGIN UPDATE SQUADRA SET NOTE = "
                               "'cambiata'; END",
                               {}, db);
                    if (tipo == "contatore")
                        for (const char* passo : {"CREATE TABLE G AS SELECT * FROM GIOCATORE", "DROP TABLE GIOCATORE",
                                                  "ALTER TABLE G RENAME TO GIOCATORE"})
                            Esegui(passo, {}, db);
                    if (tipo.startsWith("senza rowid"))
                        for (const QString& tabella : tipo.split(' ').mid(2)) SenzaNumeriDiRiga(db, tabella);
                    if (tipo == "giornate") Esegui("UPDATE CAMPIONATO SET GIORNATEINS = 2147483647", {}, db);
                    if (const QString sql = fuoriIntervallo().value(tipo); !sql.isEmpty()) Esegui(sql, {}, db);
                    if (tipo == "senza giornata") Esegui("UPDATE PARTITA SET GIORNATANUM = ''", {}, db);
                    if (tipo.startsWith("nome"))
                        Esegui("UPDATE SQUADRA SET NOME = ? WHERE NOME = 'Foggia'",
                               {tipo == "nome doppio" ? "Bari" : "BARI "}, db);
                    if (tipo == "partite")
                        Esegui("INSERT INTO PARTITA (GIORNATANUM, SQ1, SQ2, RIGA) VALUES (2, 'Una', 'Altra', 4)", {},
                               db);
                }
                ChiudiConnessione("modifica");
            }
        }
        // A pipe is never read: opening it would wait for a writer.
        const bool leggibile = QFileInfo(file).isFile();
        QByteArray prima;
        if (leggibile) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            prima = f.readAll();
        }

        MessaggiDiTest messaggi;
        messaggi.ok();
        QVERIFY(!ApriFileComeCampionato(file));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        QCOMPARE(messaggi.quanti(), 1);
        QCOMPARE(messaggi.ultimo().icona, Messaggio::Icona::Critica);
        QVERIFY2(messaggi.ultimo().testo.startsWith("Impossibile aprire il file\r" + file + "\r\r" + motivo),
                 qPrintable(messaggi.ultimo().testo));

        QCOMPARE(DbCampionato().databaseName(), inUso.percorso);
        QCOMPARE(stato().PercorsoCampionato, inUso.percorso);
        QCOMPARE(stato().Denominazione, QStringLiteral("In uso"));
        QCOMPARE(Valore("SELECT COUNT(*) FROM Squadra").toInt(), 6);
        QVERIFY(Finestre::istanza().visibile("Form1"));
        if (leggibile) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), prima);  // the refused file is left as it was, its header included
        }
        QCOMPARE(VerificaFileCampionato(file).isEmpty(), false);
        if (fuoriIntervallo().contains(tipo)) {
            // The engine finds the same number as the reading of the pages: in a writing transaction it alone reads.
            QSqlDatabase db = ApriConnessione("motore", file, false, false);
            Esegui("BEGIN IMMEDIATE", {}, db);
            QVERIFY(messaggi.ultimo().testo.endsWith(
                ValoreFuoriIntervallo(db, LeggiCampiNelFile(db), ContatoriCheNonNumerano(db))));
            db.rollback();
            db = QSqlDatabase();
            ChiudiConnessione("motore");
        }
    }

    // A file that passes the check but cannot be read whole (here its teams' names need a collation the
    // program does not have) leaves the championship in use whole: its file, its state and its windows.
    void letturaFallitaTieneIlCampionatoInUso()
    {
        const DatiFixture primo = apri(FixtureCampionato(percorso()).denominazione("In uso"));
        const QString secondo =
            FixtureCampionato(percorso()).squadre({"Como", "Lecco"}).denominazione("Altro").crea().percorso;
        {
            QSqlDatabase db = ApriConnessione("modifica", secondo);
            Esegui("PRAGMA writable_schema = ON", {}, db);
            Esegui("UPDATE sqlite_master SET sql = replace(sql, 'NOME VARCHAR(30) COLLATE NOCASE', "
                   "'NOME VARCHAR(30) COLLATE SCONOSCIUTA') WHERE name = 'SQUADRA'",
                   {}, db);
        }
        ChiudiConnessione("modifica");
        QCOMPARE(VerificaFileCampionato(secondo), QString());

        MessaggiDiTest messaggi;
        messaggi.ok();
        QVERIFY(!ApriFileComeCampionato(secondo));
        QCOMPARE(messaggi.quanti(), 1);
        QVERIFY(messaggi.ultimo().testo.startsWith("Impossibile leggere il campionato del file\r" + secondo));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        QVERIFY(DbCampionato().databaseName() == primo.percorso && stato().PercorsoCampionato == primo.percorso);
        QVERIFY(stato().Denominazione == "In uso" && nomiSquadre().size() == primo.squadre.size());
        QCOMPARE(Valore("SELECT Denom FROM Campionato").toString(), QStringLiteral("In uso"));
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList{DbCampionato().connectionName()});
    }

    // Opening the file already open loads it again and closes its windows.
    void stessoFileDiNuovo()
    {
        const DatiFixture d = apri(FixtureCampionato(percorso()));
        FinestraDiTest::registra("Form1");
        Finestre::istanza().mostra("Form1");
        Esegui("INSERT INTO Squadra (Nome) VALUES ('Aaa')");
        MessaggiDiTest messaggi;
        QVERIFY(ApriFileComeCampionato(d.percorso));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        QVERIFY(!Finestre::istanza().caricata("Form1"));
        QCOMPARE(stato().Squadre[1].Nome, QStringLiteral("Aaa"));
        QCOMPARE(stato().NumeroSquadre, 7);
        // One connection to the file, with the program's settings: the rollback journal, synchronous FULL.
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList{DbCampionato().connectionName()});
        QVERIFY(Valore("PRAGMA journal_mode").toString() == "delete" && Valore("PRAGMA synchronous").toInt() == 2);
        apri(FixtureCampionato(percorso()).squadre(QStringList{}));
        QVERIFY(stato().NumeroSquadre == 0 && stato().Squadre.size() == 1 && stato().NomiSquadre.size() == 1);
    }

    // The guard asks only while no championship is open; Yes runs the open command.
    void guardia()
    {
        const QString file = percorso();
        FixtureCampionato(file).crea();
        int aperture = 0;
        QString scelta;
        ImpostaComandoApri([&] {
            ++aperture;
            if (!scelta.isEmpty()) ApriFileComeCampionato(scelta);
        });
        const QString domanda = QStringLiteral("Occorre aprire un file con i dati di un campionato per poter lavorare!"
                                               "\r\rSi desidera aprire un file ora?");
        MessaggiDiTest messaggi;
        messaggi.no().si().si();  // the second Yes is followed by a cancelled open dialog
        QVERIFY(!VerificaCampionatoAperto());
        QCOMPARE(aperture, 0);
        QCOMPARE(messaggi.ultimo().testo, domanda);
        QVERIFY(!VerificaCampionatoAperto());
        QCOMPARE(aperture, 1);
        scelta = file;
        QVERIFY(VerificaCampionatoAperto());
        QVERIFY(aperture == 2 && stato().PercorsoCampionato == file);
        QVERIFY(VerificaCampionatoAperto());  // never asks again
        QCOMPARE(messaggi.quanti(), 3);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        ImpostaComandoApri({});
    }
};

QTEST_MAIN(TestCampionato)
#include "tst_campionato.moc"
