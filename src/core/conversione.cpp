#include "core/conversione.h"

#include "core/schema.h"

#include <functional>
#include <memory>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QUuid>
#include <QVector>

namespace {

// The fields added since the previous version, in the order they are appended.
struct CampoAggiunto {
    const char* tabella;
    const char* campo;
    const char* tipo;
};
const CampoAggiunto CAMPI_AGGIUNTI[] = {
    {"CAMPIONATO", "Numerazione", "BYTE"},
    {"GIOCATORE", "Foto", "VARCHAR(250) COLLATE NOCASE"},
    {"PRESENZE", "Voto", "CURRENCY"},
    {"PRESENZE", "ChiHaSost", "INTEGER"},
};

// The fields the passes read.
const QHash<QString, QStringList>& campiLetti()
{
    static const QHash<QString, QStringList> campi{
        {"PRESENZE", {"GIORNATA", "SQUADRA", "GIRONE", "CODPARTITA", "TITOLARE", "RIGA", "SOSTITUITO", "CODICE"}},
        {"PARTITA", {"GIORNATANUM", "SQ1", "SQ2", "CODPART"}},
        {"RETI", {"MINUTO"}},
    };
    return campi;
}

// A connection of its own, closed when it goes out of scope.
class Connessione {
public:
    Connessione(const char* scopo, const QString& percorso, bool soloLettura)
        : nome_(QString::fromLatin1(scopo) + QLatin1Char('_') + QUuid::createUuid().toString(QUuid::Id128)),
          db_(ApriConnessione(nome_, percorso, soloLettura, false))
    {
    }
    ~Connessione()
    {
        db_ = QSqlDatabase();
        ChiudiConnessione(nome_);
    }
    QSqlDatabase db() const { return db_; }
    const QString& nome() const { return nome_; }
    Connessione(const Connessione&) = delete;
    Connessione& operator=(const Connessione&) = delete;

private:
    QString nome_;
    QSqlDatabase db_;
};

QSet<QString> campiDi(const QString& tabella, QSqlDatabase db)
{
    QSet<QString> campi;
    Query q(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {tabella}, db);
    while (q.next()) campi.insert(q.testo(0).toUpper());
    return campi;
}

// The numeric value of a field: files written by other programs may hold numbers as text, which the engine
// would compare as text, greater than any number and never equal to one.
QString numerico(const QString& campo) { return QStringLiteral("CAST(%1 AS NUMERIC)").arg(campo); }

void convertiMinuti(const QString& tabella, const QString& campo, QSqlDatabase db)
{
    Esegui(QStringLiteral("UPDATE %1 SET %2 = %3 - 45 + 100 WHERE %3 > 45").arg(tabella, campo, numerico(campo)), {},
           db);
}

void collegaPresenze(QSqlDatabase db)
{
    // The first stored PARTITA row of each round and team, team names compared as the database
    // compares text; a row with an empty round or team finds none and keeps its CODPARTITA.
    Esegui("DROP TABLE IF EXISTS temp.PARTITE_SQUADRA", {}, db);
    Esegui("CREATE TEMP TABLE PARTITE_SQUADRA (GIORNATA INTEGER, SQUADRA TEXT COLLATE NOCASE, CODPART INTEGER, "
           "PRIMARY KEY (GIORNATA, SQUADRA))",
           {}, db);
    Esegui(QStringLiteral("INSERT OR IGNORE INTO temp.PARTITE_SQUADRA SELECT %1, SQUADRA, CODPART FROM "
                          "(SELECT GIORNATANUM, SQ1 AS SQUADRA, CODPART, rowid AS R, 1 AS LATO FROM PARTITA UNION ALL "
                          "SELECT GIORNATANUM, SQ2, CODPART, rowid, 2 FROM PARTITA) "
                          "WHERE GIORNATANUM IS NOT NULL AND SQUADRA IS NOT NULL ORDER BY R, LATO")
               .arg(numerico("GIORNATANUM")),
           {}, db);
    Esegui(QStringLiteral("UPDATE PRESENZE SET CODPARTITA = COALESCE((SELECT P.CODPART FROM temp.PARTITE_SQUADRA P "
                          "WHERE P.GIORNATA = %1 AND P.SQUADRA = PRESENZE.SQUADRA), CODPARTITA), "
                          "GIRONE = CASE WHEN %2 = 1 THEN -1 ELSE 0 END")
               .arg(numerico("PRESENZE.GIORNATA"), numerico("GIRONE")),
           {}, db);
    Esegui("DROP TABLE temp.PARTITE_SQUADRA", {}, db);
}

void collegaSostituzioni(QSqlDatabase db)
{
    struct Presenza {
        qint64 riga = 0;
        QVariant codice;
        QString gruppo;  // leg, round and team; empty when one of them is empty
    };
    // The database builds the group, so that team names compare as it compares them.
    const QString colonne =
        QStringLiteral("SELECT rowid, CODICE, CASE WHEN GIRONE IS NULL OR GIORNATA IS NULL OR SQUADRA IS NULL THEN '' "
                       "ELSE %1 || '|' || %2 || '|' || lower(SQUADRA) END, CHIHASOST FROM PRESENZE ")
            .arg(numerico("GIRONE"), numerico("GIORNATA"));
    QHash<qint64, QVariant> chiHaSost;  // the field by row, as the pairing goes on
    auto leggi = [&db, &chiHaSost](const QString& sql) {
        QVector<Presenza> righe;
        Query q(sql, {}, db);
        while (q.next()) {
            righe.append(Presenza{q.valore(0).toLongLong(), q.valore(1), q.testo(2)});
            chiHaSost.insert(righe.last().riga, q.valore(3));
        }
        return righe;
    };
    const QVector<Presenza> entrati =
        leggi(colonne + QStringLiteral("WHERE %1 = 0 ORDER BY %2, rowid").arg(numerico("TITOLARE"), numerico("RIGA")));
    const QVector<Presenza> sostituiti =
        leggi(colonne + QStringLiteral("WHERE %1 <> 0 ORDER BY %1, rowid").arg(numerico("SOSTITUITO")));
    const QHash<qint64, QVariant> prima = chiHaSost;

    QHash<QString, QVector<const Presenza*>> perGruppo;
    for (const Presenza& s : sostituiti)
        if (!s.gruppo.isEmpty()) perGruppo[s.gruppo].append(&s);

    // Each substitute takes the first replaced player of its group not linked yet.
    for (const Presenza& e : entrati) {
        if (e.gruppo.isEmpty()) continue;
        for (const Presenza* s : perGruppo.value(e.gruppo)) {
            // A substitute who was replaced in turn is in both lists: he never replaced himself.
            if (s->riga == e.riga || !chiHaSost.value(s->riga).isNull()) continue;
            chiHaSost[s->riga] = VERO;
            chiHaSost[e.riga] = s->codice;
            break;
        }
    }

    QSqlQuery aggiorna(db);
    if (!aggiorna.prepare("UPDATE PRESENZE SET CHIHASOST = ? WHERE rowid = ?"))
        throw ErroreDatabase(aggiorna.lastError(), aggiorna.lastQuery());
    for (auto it = chiHaSost.cbegin(); it != chiHaSost.cend(); ++it) {
        const QVariant& era = prima.value(it.key());
        if (it.value().isNull() == era.isNull() && it.value() == era) continue;
        aggiorna.bindValue(0, it.value());
        aggiorna.bindValue(1, it.key());
        if (!aggiorna.exec()) throw ErroreDatabase(aggiorna.lastError(), aggiorna.lastQuery());
    }
}

void aggiungiCampi(QSqlDatabase db)
{
    for (const CampoAggiunto& a : CAMPI_AGGIUNTI)
        Esegui(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(a.tabella, a.campo, a.tipo), {}, db);
}

void inTransazione(QSqlDatabase db, const std::function<void(QSqlDatabase)>& passo)
{
    Transazione t(db);
    passo(db);
    t.commit();
}

}  // namespace

QString InserisciPrimaDelPunto(const QString& s, const QString& t)
{
    const qsizetype punto = s.indexOf(QLatin1Char('.'));
    if (s.isEmpty() || punto < 0) return QString();
    return s.left(punto) + t + s.mid(punto);
}

void VerificaFileDaConvertire(const QString& percorso)
{
    if (!QFileInfo(percorso).isFile()) throw ErroreDatabase(QStringLiteral("Il file %1 non esiste.").arg(percorso));
    std::unique_ptr<Connessione> c;
    try {
        c = std::make_unique<Connessione>("verifica", percorso, true);
        if (Valore("PRAGMA quick_check", {}, c->db()).toString() != QLatin1String("ok"))
            throw ErroreDatabase(QStringLiteral("Controllo di integrità non superato."));
    } catch (const ErroreDatabase& e) {
        throw ErroreDatabase(QStringLiteral("Il file %1 non è un file di dati di un campionato o è danneggiato.\r%2")
                                 .arg(percorso, e.testo()));
    }
    if (HaTrigger(c->nome()))
        throw ErroreDatabase(QStringLiteral("Il file %1 non si può convertire. %2").arg(percorso, MotivoTrigger()));
    const QStringList mancanti = TabelleMancanti(c->nome());
    if (!mancanti.isEmpty())
        throw ErroreDatabase(QStringLiteral("Il file %1 non contiene i dati di un campionato: mancano le tabelle %2.")
                                 .arg(percorso, mancanti.join(", ")));
    for (const CampoAggiunto& a : CAMPI_AGGIUNTI)
        if (campiDi(a.tabella, c->db()).contains(QString::fromLatin1(a.campo).toUpper()))
            throw ErroreDatabase(
                QStringLiteral("Il file %1 è già nel formato di Golvarno 2000: non occorre convertirlo.")
                    .arg(percorso));
    for (auto it = campiLetti().cbegin(); it != campiLetti().cend(); ++it) {
        const QSet<QString> presenti = campiDi(it.key(), c->db());
        for (const QString& campo : it.value())
            if (!presenti.contains(campo))
                throw ErroreDatabase(
                    QStringLiteral(
                        "Il file %1 non è un campionato della versione 4: manca il campo %2 della tabella %3.")
                        .arg(percorso, campo, it.key()));
    }
}

QString ConvertiFile(const QString& vecchio, const QString& copia)
{
    VerificaFileDaConvertire(vecchio);
    if (copia.isEmpty()) throw ErroreDatabase(QStringLiteral("Nessun nome indicato per la copia convertita."));
    // The copy is made and converted under a temporary name beside it and takes its name only when
    // complete, so that no half-converted file is ever left under the copy's name.
    try {
        CostruisciFileAccanto(copia, [&vecchio](const QString& temporaneo) {
            {
                // A compacted copy, written by the engine from the old file opened read-only.
                Connessione origine("origine", vecchio, true);
                Esegui(QStringLiteral("VACUUM INTO ?"), {temporaneo}, origine.db());
            }
            Connessione nuovo("conversione", temporaneo, false);
            // The structure and the passes run in one transaction. The temporary file is deleted on
            // any failure, so it needs no rollback journal; the commit still writes it to disk in full.
            Esegui(QStringLiteral("PRAGMA journal_mode=OFF"), {}, nuovo.db());
            inTransazione(nuovo.db(), [](QSqlDatabase db) {
                aggiungiCampi(db);
                collegaPresenze(db);
                collegaSostituzioni(db);
                convertiMinuti("PRESENZE", "SOSTITUITO", db);
                convertiMinuti("RETI", "MINUTO", db);
            });
        });
    } catch (const ErroreDatabase& e) {
        throw ErroreDatabase(QStringLiteral("La conversione non è riuscita: la copia %1 non è stata creata. Il file "
                                            "originale non è stato modificato.\r%2")
                                 .arg(copia, e.testo()));
    }
    return copia;
}

void AggiornaStruttura(const QString& percorso)
{
    Connessione c("struttura", percorso, false);
    inTransazione(c.db(), aggiungiCampi);
}

void CollegaPresenze(QSqlDatabase db) { inTransazione(db, collegaPresenze); }

void CollegaSostituzioni(QSqlDatabase db) { inTransazione(db, collegaSostituzioni); }

void ConvertiMinutiSostituzioni(QSqlDatabase db)
{
    inTransazione(db, [](QSqlDatabase d) { convertiMinuti("PRESENZE", "SOSTITUITO", d); });
}

void ConvertiMinutiReti(QSqlDatabase db)
{
    inTransazione(db, [](QSqlDatabase d) { convertiMinuti("RETI", "MINUTO", d); });
}
