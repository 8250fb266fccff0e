#include "core/conversione.h"

#include "core/campionato.h"
#include "core/intervalli.h"
#include "core/schema.h"
#include "platform/testoinriga.h"

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
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

// The blanks around a text, those that ValoreNumericoSql skips around a number.
const char* const SPAZI_SQL = "char(32, 9, 10, 11, 12, 13)";

// A text field's value, Null when it is empty or blank.
QString testoNonVuoto(const QString& campo)
{
    return QStringLiteral("CASE WHEN trim(%1, %2) <> '' THEN %1 END").arg(campo, QLatin1String(SPAZI_SQL));
}

// The fields of the current layout that hold a number: the counter first, so that the other fields' rows can be
// named by it.
QVector<CampoSchema> campiNumerici(const TabellaSchema& t)
{
    QVector<CampoSchema> campi;
    for (const CampoSchema& c : t.campi)
        if (c.tipo == QLatin1String("COUNTER"))
            campi.prepend(c);
        else if (!c.tipo.startsWith(QLatin1String("VARCHAR")))
            campi.append(c);
    return campi;
}

enum class Numero { Si, No, NonIntero };

// What a value that the file does not hold as a whole number is (`tipo` as the engine's typeof names it), for a
// field of whole numbers or, with `decimale`, of decimals (the rating). A whole number may be stored as a decimal
// or as text, blanks around it; an empty or blank text is an empty value. Only plain decimal notation is read as
// a number: the conversion then turns the text into that number with the engine's own reading (numerico).
Numero valoreNumerico(const QVariant& v, const QString& tipo, bool decimale)
{
    static const QRegularExpression numero(
        QStringLiteral("^[ \\t\\n\\v\\f\\r]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)[ \\t\\n\\v\\f\\r]*$"));
    static const QRegularExpression vuoto(QStringLiteral("^[ \\t\\n\\v\\f\\r]*$"));
    double d = 0;
    if (tipo == QLatin1String("real")) {
        d = v.toDouble();
    } else if (tipo == QLatin1String("text")) {
        const QString testo = v.toString();
        if (vuoto.match(testo).hasMatch()) return Numero::Si;
        if (!numero.match(testo).hasMatch()) return Numero::No;
        d = testo.trimmed().toDouble();
    } else {
        return Numero::No;  // a blob
    }
    // A whole number up to 15 digits, which the engine reads back as a whole number.
    return decimale || (std::trunc(d) == d && std::abs(d) < 1e15) ? Numero::Si : Numero::NonIntero;
}

// The number fields of the current layout that `t` has in the file, with the types of value the conversion
// rewrites in each: text, and for whole numbers a decimal too.
struct CampoDaRileggere {
    QString nome;
    bool decimale = false;  // the rating
    QString daRileggere;    // SQL: the value is one to rewrite
};
QVector<CampoDaRileggere> campiDaRileggere(const TabellaSchema& t, QSqlDatabase db)
{
    const QSet<QString> presenti = campiDi(t.nome, db);
    QVector<CampoDaRileggere> campi;
    const QVector<CampoSchema> numerici = campiNumerici(t);
    for (const CampoSchema& c : numerici)
        if (presenti.contains(c.nome)) {
            const bool decimale = c.tipo == QLatin1String("CURRENCY");
            campi.append({c.nome, decimale,
                          QStringLiteral("typeof(%1) IN ('text'%2)")
                              .arg(c.nome, decimale ? QString() : QStringLiteral(", 'real'"))});
        }
    return campi;
}

// The first value of a number field that is no number of that field's kind, told as the reason to refuse the
// file; empty when every one is a number. Only reads.
QString valoreNonNumerico(QSqlDatabase db)
{
    for (const TabellaSchema& t : SchemaCampionato()) {
        const QVector<CampoDaRileggere> campi = campiDaRileggere(t, db);
        if (campi.isEmpty()) continue;
        QStringList colonne, condizioni;
        for (const CampoDaRileggere& c : campi) {
            colonne << QStringLiteral("%1, typeof(%1)").arg(c.nome);
            condizioni << QStringLiteral("typeof(%1) NOT IN ('integer', 'null')").arg(c.nome);
        }
        Query q(QStringLiteral("SELECT rowid, %1 FROM %2 WHERE %3 ORDER BY rowid")
                    .arg(colonne.join(QStringLiteral(", ")), t.nome, condizioni.join(QStringLiteral(" OR "))),
                {}, db);
        while (q.next())
            for (int i = 0; i < campi.size(); ++i) {
                const CampoDaRileggere& c = campi[i];
                const QVariant valore = q.valore(1 + 2 * i);
                const QString tipo = q.testo(2 + 2 * i);
                if (tipo == QLatin1String("integer") || tipo == QLatin1String("null")) continue;
                const Numero n = valoreNumerico(valore, tipo, c.decimale);
                if (n == Numero::Si) continue;
                return QStringLiteral("Nella tabella %1, %2, il campo %3 contiene «%4», che non è un numero%5: il "
                                      "campo può contenere solo un numero%6, o restare vuoto.")
                    .arg(t.nome, RigaNelMessaggio(t, c.nome, q.valore(0).toLongLong(), db), c.nome,
                         ValoreInBreve(valore.toString()),
                         n == Numero::NonIntero ? QStringLiteral(" intero") : QString(),
                         c.decimale ? QString() : QStringLiteral(" intero"));
            }
    }
    return QString();
}

// The first counter that is empty or that two rows share, told as the reason to refuse the file: the rows that
// point to that code would belong to no row, or to either. Codes are compared by their value, as the copy will
// hold them. Empty when every row has a code of its own. Only reads.
QString codiceVuotoODoppio(QSqlDatabase db)
{
    // A counter that numbers the rows itself is never empty nor shared.
    const QStringList fermi = ContatoriCheNonNumerano(db);
    for (const TabellaSchema& t : SchemaCampionato()) {
        const QString c = ContatoreDi(t);
        if (!fermi.contains(t.nome) || !campiDi(t.nome, db).contains(c)) continue;
        Query q(QStringLiteral("SELECT MIN(R), V FROM (SELECT rowid AS R, %1 AS V FROM %2) GROUP BY V "
                               "HAVING V IS NULL OR COUNT(*) > 1 ORDER BY 1 LIMIT 1")
                    .arg(ValoreNumericoSql(c), t.nome),
                {}, db);
        if (!q.next()) continue;
        const qint64 prima = q.valore(0).toLongLong();
        const QVariant codice = q.valore(1);
        if (codice.isNull())
            return QStringLiteral("Nella tabella %1, nella riga n. %2, il campo %3 è vuoto: ogni riga deve avere il "
                                  "suo codice.")
                .arg(t.nome)
                .arg(PosizioneRiga(t.nome, prima, db))
                .arg(c);
        const qint64 seconda = Valore(QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ? AND rowid > ? ORDER BY rowid "
                                                     "LIMIT 1")
                                          .arg(t.nome, ValoreNumericoSql(c)),
                                      {codice, prima}, db)
                                   .toLongLong();
        return QStringLiteral("Nella tabella %1 le righe n. %2 e n. %3 hanno lo stesso %4 (%5): ogni riga deve avere "
                              "un codice diverso.")
            .arg(t.nome)
            .arg(PosizioneRiga(t.nome, prima, db))
            .arg(PosizioneRiga(t.nome, seconda, db))
            .arg(c, codice.toString());
    }
    return QString();
}

// Every number field holds its value as a number: a number written as text becomes that number, a whole number
// stored as a decimal a whole number, and an empty or blank text an empty value. The file was checked before
// (valoreNonNumerico): any other value is a number of its field.
void numeriComeNumeri(QSqlDatabase db)
{
    for (const TabellaSchema& t : SchemaCampionato()) {
        const QVector<CampoDaRileggere> campi = campiDaRileggere(t, db);
        if (campi.isEmpty()) continue;
        QStringList assegnazioni, condizioni;
        for (const CampoDaRileggere& c : campi) {
            assegnazioni << QStringLiteral("%1 = CASE WHEN %2 THEN %3 ELSE %1 END")
                                .arg(c.nome, c.daRileggere, ValoreNumericoSql(c.nome));
            condizioni << c.daRileggere;
        }
        Esegui(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                   .arg(t.nome, assegnazioni.join(QStringLiteral(", ")), condizioni.join(QStringLiteral(" OR "))),
               {}, db);
    }
}

// The minutes the conversion rewrites: those after the first half, counted over the whole match (above 45), become
// 100 + the minute of the second half (46 -> 101).
struct MinutoConvertito {
    const char* tabella;
    const char* campo;
};
const MinutoConvertito MINUTI_CONVERTITI[] = {{"PRESENZE", "SOSTITUITO"}, {"RETI", "MINUTO"}};

QString secondoTempoSql(const QString& campo) { return QStringLiteral("%1 > 45").arg(ValoreNumericoSql(campo)); }
QString minutoNuovoSql(const QString& campo) { return QStringLiteral("%1 - 45 + 100").arg(ValoreNumericoSql(campo)); }

void convertiMinuti(const QString& tabella, const QString& campo, QSqlDatabase db)
{
    Esegui(QStringLiteral("UPDATE %1 SET %2 = %3 WHERE %4")
               .arg(tabella, campo, minutoNuovoSql(campo), secondoTempoSql(campo)),
           {}, db);
}

// The first minute that the conversion would take past its field's interval, told as the reason to refuse the file
// with the value the old file holds; empty when none. Only reads.
QString minutoOltreIlCampo(QSqlDatabase db)
{
    for (const MinutoConvertito& m : MINUTI_CONVERTITI) {
        const QString tabella = QString::fromLatin1(m.tabella), campo = QString::fromLatin1(m.campo);
        const CampoSchema* c = CampoDi(tabella, campo);
        const std::optional<Intervallo> intervallo = c ? IntervalloDi(*c) : std::nullopt;
        if (!intervallo) continue;
        Query q(QStringLiteral("SELECT rowid, %1, %2 FROM %3 WHERE %4 AND %2 > ? ORDER BY rowid LIMIT 1")
                    .arg(campo, minutoNuovoSql(campo), tabella, secondoTempoSql(campo)),
                {intervallo->massimo}, db);
        if (!q.next()) continue;
        return QStringLiteral("Nella tabella %1, %2, il campo %3 contiene «%4», un minuto del secondo tempo che "
                              "nel nuovo formato si scrive come 100 più i minuti dopo il 45° (%5): sarebbe fuori "
                              "dai valori ammessi, perché il campo può contenere solo un numero intero da %6 a "
                              "%7.")
            .arg(tabella, RigaNelMessaggio(*TabellaDi(tabella), campo, q.valore(0).toLongLong(), db), campo,
                 ValoreInBreve(q.testo(1)), q.testo(2))
            .arg(intervallo->minimo)
            .arg(intervallo->massimo);
    }
    return QString();
}

void collegaPresenze(QSqlDatabase db)
{
    // The first stored PARTITA row of each round and team, team names compared as the database
    // compares text; a row with an empty round or team finds none and keeps its CODPARTITA.
    Esegui("DROP TABLE IF EXISTS temp.PARTITE_SQUADRA", {}, db);
    Esegui("CREATE TEMP TABLE PARTITE_SQUADRA (GIORNATA INTEGER, SQUADRA TEXT COLLATE NOCASE, CODPART INTEGER, "
           "PRIMARY KEY (GIORNATA, SQUADRA))",
           {}, db);
    Esegui(QStringLiteral("INSERT OR IGNORE INTO temp.PARTITE_SQUADRA SELECT GIORNATA, SQUADRA, CODPART FROM "
                          "(SELECT %1 AS GIORNATA, %2 AS SQUADRA, CODPART, rowid AS R, 1 AS LATO FROM PARTITA UNION "
                          "ALL SELECT %1, %3, CODPART, rowid, 2 FROM PARTITA) "
                          "WHERE GIORNATA IS NOT NULL AND SQUADRA IS NOT NULL ORDER BY R, LATO")
               .arg(ValoreNumericoSql("GIORNATANUM"), testoNonVuoto("SQ1"), testoNonVuoto("SQ2")),
           {}, db);
    Esegui(QStringLiteral("UPDATE PRESENZE SET CODPARTITA = COALESCE((SELECT P.CODPART FROM temp.PARTITE_SQUADRA P "
                          "WHERE P.GIORNATA = %1 AND P.SQUADRA = PRESENZE.SQUADRA), CODPARTITA), "
                          "GIRONE = CASE WHEN %2 = 1 THEN -1 ELSE 0 END")
               .arg(ValoreNumericoSql("PRESENZE.GIORNATA"), ValoreNumericoSql("GIRONE")),
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
        QStringLiteral("SELECT rowid, CODICE, COALESCE(%1 || '|' || %2 || '|' || lower(%3), ''), CHIHASOST "
                       "FROM PRESENZE ")
            .arg(ValoreNumericoSql("GIRONE"), ValoreNumericoSql("GIORNATA"), testoNonVuoto("SQUADRA"));
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
        leggi(colonne + QStringLiteral("WHERE %1 = 0 ORDER BY %2, rowid")
                            .arg(ValoreNumericoSql("TITOLARE"), ValoreNumericoSql("RIGA")));
    const QVector<Presenza> sostituiti =
        leggi(colonne + QStringLiteral("WHERE %1 <> 0 ORDER BY %1, rowid").arg(ValoreNumericoSql("SOSTITUITO")));
    const QHash<qint64, QVariant> prima = chiHaSost;

    QHash<QString, QVector<const Presenza*>> perGruppo;
    for (const Presenza& s : sostituiti)
        if (!s.gruppo.isEmpty()) perGruppo[s.gruppo].append(&s);

    // Each substitute takes the first replaced player of its group not linked yet.
    for (const Presenza& e : entrati) {
        if (e.gruppo.isEmpty()) continue;
        const QVector<const Presenza*> gruppo = perGruppo.value(e.gruppo);
        for (const Presenza* s : gruppo) {
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
        const QVariant era = prima.value(it.key());
        if (it.value().isNull() == era.isNull() && it.value() == era) continue;
        aggiorna.bindValue(0, it.value());
        aggiorna.bindValue(1, it.key());
        if (!aggiorna.exec()) throw ErroreDatabase(aggiorna.lastError(), aggiorna.lastQuery());
    }
}

// A CREATE TABLE statement as the file stores it, cut at its list of columns: each column or table constraint of
// the list, and what follows the list (WITHOUT ROWID, STRICT).
struct CreazioneTabella {
    QStringList parti;
    QString dopo;
};

// Reads `sql` so; false when its list cannot be found. Quoted names and texts, and comments, are read past whole.
bool scomponi(const QString& sql, CreazioneTabella& esito)
{
    int livello = 0;
    qsizetype parte = -1;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar ch = sql[i];
        const QStringView inizio = QStringView(sql).mid(i, 2);
        // What closes a quoted name, a text or a comment that starts here, and the length of its opening.
        QString fine;
        qsizetype apertura = 1;
        if (ch == u'\'' || ch == u'"' || ch == u'`')
            fine = ch;
        else if (ch == u'[')
            fine = QStringLiteral("]");
        else if (inizio == u"--" || inizio == u"/*") {
            fine = inizio == u"--" ? QStringLiteral("\n") : QStringLiteral("*/");
            apertura = 2;
        }
        if (!fine.isEmpty()) {
            const qsizetype chiusa = sql.indexOf(fine, i + apertura);
            if (chiusa < 0) return false;
            i = chiusa + fine.size() - 1;
        } else if (ch == u'(') {
            if (livello++ == 0) parte = i + 1;
        } else if (ch == u')') {
            if (--livello < 0) return false;
            if (livello == 0) {
                esito.parti << sql.mid(parte, i - parte).trimmed();
                esito.dopo = sql.mid(i + 1);
                return true;
            }
        } else if (ch == u',' && livello == 1) {
            esito.parti << sql.mid(parte, i - parte).trimmed();
            parte = i + 1;
        }
    }
    return false;
}

// The name a column's definition starts with, after any blanks and comments, without its quotes; `fine` gets the
// position that follows the name as written. A table constraint starts with its keyword.
QString nomeIniziale(const QString& parte, qsizetype& fine)
{
    qsizetype i = 0;
    for (;;) {
        while (i < parte.size() && parte[i].isSpace()) ++i;
        const QStringView inizio = QStringView(parte).mid(i, 2);
        if (inizio != u"--" && inizio != u"/*") break;
        const QString chiude = inizio == u"--" ? QStringLiteral("\n") : QStringLiteral("*/");
        const qsizetype chiusa = parte.indexOf(chiude, i + 2);
        if (chiusa < 0) return QString();
        i = chiusa + chiude.size();
    }
    if (i == parte.size()) return QString();
    const QChar apre = parte[i];
    if (apre == u'"' || apre == u'`' || apre == u'\'' || apre == u'[') {
        const QChar chiude = apre == u'[' ? u']' : apre;
        QString nome;
        for (++i; i < parte.size(); ++i) {
            if (parte[i] != chiude) {
                nome += parte[i];
            } else if (chiude != u']' && i + 1 < parte.size() && parte[i + 1] == chiude) {
                nome += chiude;  // a quote written twice stands for itself
                ++i;
            } else {
                fine = i + 1;
                return nome;
            }
        }
        return QString();
    }
    fine = i;
    while (fine < parte.size() && (parte[fine].isLetterOrNumber() || parte[fine] == u'_' || parte[fine] == u'$'))
        ++fine;
    return parte.mid(i, fine - i);
}

// A name for SQL, in double quotes.
QString traVirgolette(const QString& nome)
{
    return QLatin1Char('"') + QString(nome).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// The declarations of the columns of `tabella` other than `campo`, and its number of rows: what making the table
// again must keep.
QStringList dichiarazioni(const QString& tabella, const QString& campo, QSqlDatabase db)
{
    QStringList d;
    Query q(QStringLiteral("SELECT name, type, \"notnull\", quote(dflt_value) FROM pragma_table_info(?)"), {tabella},
            db);
    while (q.next())
        if (q.testo(0).compare(campo, Qt::CaseInsensitive) != 0)
            d << QStringList{q.testo(0), q.testo(1), q.testo(2), q.testo(3)}.join(QLatin1Char(' '));
    d << Valore(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabella), {}, db).toString();
    return d;
}

// Makes `tabella`, whose code field `campo` is a plain number, again with `campo` as its INTEGER PRIMARY KEY
// AUTOINCREMENT, as the program creates its counters: the other columns keep their declarations as written, every
// row its values (the codes were checked: present and each its own), the table its indexes. Runs in the caller's
// transaction; a table that cannot be made again so is refused with ErroreDatabase.
void rifaiConContatore(const QString& tabella, const QString& campo, QSqlDatabase db)
{
    const auto impossibile = [&tabella, &campo]() {
        return ErroreDatabase(QStringLiteral("Nella tabella %1 il campo %2 non è un contatore (non numera da sé le "
                                             "righe nuove), e la tabella non si può rifare con un contatore.")
                                  .arg(tabella, campo));
    };
    QString nome, sql;
    {
        Query q(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
                {tabella}, db);
        if (!q.next()) throw impossibile();
        nome = q.testo(0);
        sql = q.testo(1);
    }
    CreazioneTabella creazione;
    if (!scomponi(sql, creazione)) throw impossibile();
    int trovate = 0;
    for (QString& parte : creazione.parti) {
        qsizetype fine = 0;
        if (nomeIniziale(parte, fine).compare(campo, Qt::CaseInsensitive) == 0) {
            parte = parte.left(fine) + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
            ++trovate;
        }
    }
    if (trovate != 1) throw impossibile();

    QStringList colonne, indici;
    {
        Query q(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {nome}, db);
        while (q.next()) colonne << traVirgolette(q.testo(0));
    }
    {
        Query q(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ? AND sql IS NOT "
                               "NULL ORDER BY rowid"),
                {nome}, db);
        while (q.next()) indici << q.testo(0);
    }
    const QStringList prima = dichiarazioni(nome, campo, db);
    const QString nuova = QStringLiteral("GOLVARNO_") + QUuid::createUuid().toString(QUuid::Id128);
    try {
        Esegui(QStringLiteral("CREATE TABLE %1 (%2)%3")
                   .arg(nuova, creazione.parti.join(QStringLiteral(", ")), creazione.dopo),
               {}, db);
        Esegui(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 ORDER BY rowid")
                   .arg(nuova, colonne.join(QStringLiteral(", ")), traVirgolette(nome)),
               {}, db);
        Esegui(QStringLiteral("DROP TABLE %1").arg(traVirgolette(nome)), {}, db);
        // Renamed as it stands: a view of the file that names the table finds it again under its name.
        Esegui(QStringLiteral("PRAGMA legacy_alter_table = ON"), {}, db);
        Esegui(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(nuova, traVirgolette(nome)), {}, db);
        Esegui(QStringLiteral("PRAGMA legacy_alter_table = OFF"), {}, db);
        for (const QString& indice : indici) Esegui(indice, {}, db);
    } catch (const ErroreDatabase&) {
        throw impossibile();
    }
    if (!NumeraNuoveRighe(nome, campo, db) || dichiarazioni(nome, campo, db) != prima) throw impossibile();
}

// Every counter of the copy numbers new rows itself, as in a file the program creates.
void contatoriCheNumerano(QSqlDatabase db)
{
    const QStringList fermi = ContatoriCheNonNumerano(db);
    for (const TabellaSchema& t : SchemaCampionato())
        if (fermi.contains(t.nome)) rifaiConContatore(t.nome, ContatoreDi(t), db);
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
    if (const QString motivo = TabelleSenzaNumeriDiRiga(c->db()); !motivo.isEmpty()) throw ErroreDatabase(motivo);
    if (const QString motivo = valoreNonNumerico(c->db()); !motivo.isEmpty()) throw ErroreDatabase(motivo);
    if (const QString motivo = codiceVuotoODoppio(c->db()); !motivo.isEmpty()) throw ErroreDatabase(motivo);
    // What the opening would refuse in the copy, told as the opening tells it.
    if (const QString motivo = VerificaDatiCampionato(c->db(), false); !motivo.isEmpty()) throw ErroreDatabase(motivo);
    if (const QString motivo = minutoOltreIlCampo(c->db()); !motivo.isEmpty()) throw ErroreDatabase(motivo);
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
                numeriComeNumeri(db);
                collegaPresenze(db);
                collegaSostituzioni(db);
                for (const MinutoConvertito& m : MINUTI_CONVERTITI) convertiMinuti(m.tabella, m.campo, db);
                // Last, so that the passes find the rows in the order the old file holds them.
                contatoriCheNumerano(db);
                // What the passes wrote stays within the fields' intervals (the minutes were checked before).
                if (const QString motivo =
                        ValoreFuoriIntervallo(db, LeggiCampiNelFile(db), ContatoriCheNonNumerano(db));
                    !motivo.isEmpty())
                    throw ErroreDatabase(motivo);
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
