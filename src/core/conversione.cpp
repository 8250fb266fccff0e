#include "core/conversione.h"

#include "core/schema.h"

#include <memory>
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

QString nuovaConnessione(const char* scopo)
{
    return QString::fromLatin1(scopo) + QLatin1Char('_') + QUuid::createUuid().toString(QUuid::Id128);
}

// Closes its connection when it goes out of scope.
class Connessione {
public:
    Connessione(const char* scopo, const QString& percorso, bool soloLettura)
        : nome_(nuovaConnessione(scopo)), db_(ApriConnessione(nome_, percorso, soloLettura, false))
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

// Team names are compared as the database compares text: ignoring the case of A..Z only.
QString chiaveSquadra(const QString& nome)
{
    QString k = nome;
    for (QChar& c : k)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
    return k;
}

// A whole number read from a field; false for Null or a value that is not a whole number.
bool intero(const QVariant& v, qint64& n)
{
    if (v.isNull()) return false;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || d != double(qint64(d))) return false;
    n = qint64(d);
    return true;
}

QString chiaveGiornata(qint64 giornata, const QString& squadra)
{
    return QString::number(giornata) + QLatin1Char('|') + chiaveSquadra(squadra);
}

QSet<QString> campiDi(const QString& tabella, QSqlDatabase db)
{
    QSet<QString> campi;
    Query q(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {tabella}, db);
    while (q.next()) campi.insert(q.testo(0).toUpper());
    return campi;
}

void eseguiPreparata(QSqlQuery& q, const QVariantList& valori)
{
    for (int i = 0; i < valori.size(); ++i) q.bindValue(i, valori[i]);
    if (!q.exec()) throw ErroreDatabase(q.lastError().text());
}

QSqlQuery prepara(const QString& sql, QSqlDatabase db)
{
    QSqlQuery q(db);
    if (!q.prepare(sql)) throw ErroreDatabase(q.lastError().text() + QStringLiteral("\r") + sql);
    return q;
}

void convertiMinuti(const QString& tabella, const QString& campo, QSqlDatabase db)
{
    Transazione t(db);
    Esegui(QStringLiteral("UPDATE %1 SET %2 = %2 - 45 + 100 WHERE %2 > 45").arg(tabella, campo), {}, db);
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
    if (QFileInfo::exists(copia)) throw ErroreDatabase(QStringLiteral("Il file %1 esiste già.").arg(copia));

    try {
        {
            // A compacted copy, written by the engine from the old file opened read-only.
            Connessione origine("origine", vecchio, true);
            Esegui(QStringLiteral("VACUUM INTO ?"), {copia}, origine.db());
        }
        AggiornaStruttura(copia);
        Connessione nuovo("conversione", copia, false);
        CollegaPresenze(nuovo.db());
        CollegaSostituzioni(nuovo.db());
        ConvertiMinutiSostituzioni(nuovo.db());
        ConvertiMinutiReti(nuovo.db());
    } catch (const ErroreDatabase& e) {
        QFile::remove(copia);
        QFile::remove(copia + QStringLiteral("-journal"));
        throw ErroreDatabase(QStringLiteral("La conversione non è riuscita e la copia incompleta %1 è stata "
                                            "cancellata. Il file originale non è stato modificato.\r%2")
                                 .arg(copia, e.testo()));
    }
    return copia;
}

void AggiornaStruttura(const QString& percorso)
{
    Connessione c("struttura", percorso, false);
    Transazione t(c.db());
    for (const CampoAggiunto& a : CAMPI_AGGIUNTI)
        Esegui(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(a.tabella, a.campo, a.tipo), {}, c.db());
    t.commit();
}

void CollegaPresenze(QSqlDatabase db)
{
    Transazione t(db);

    // The first stored PARTITA row of each round and team.
    QHash<QString, QVariant> partite;
    {
        Query q("SELECT GIORNATANUM, SQ1, SQ2, CODPART FROM PARTITA ORDER BY rowid", {}, db);
        while (q.next()) {
            qint64 giornata = 0;
            if (!intero(q.valore(0), giornata)) continue;
            for (int lato : {1, 2})
                if (!q.valore(lato).isNull()) {
                    const QString k = chiaveGiornata(giornata, q.testo(lato));
                    if (!partite.contains(k)) partite.insert(k, q.valore(3));
                }
        }
    }

    QVector<QPair<QVariant, qint64>> collegamenti;  // new CODPARTITA, row
    {
        Query q("SELECT rowid, GIORNATA, SQUADRA, CODPARTITA FROM PRESENZE ORDER BY rowid", {}, db);
        while (q.next()) {
            qint64 giornata = 0;
            if (!intero(q.valore(1), giornata) || q.valore(2).isNull()) continue;
            const auto trovata = partite.constFind(chiaveGiornata(giornata, q.testo(2)));
            if (trovata != partite.constEnd() && trovata.value() != q.valore(3))
                collegamenti.append({trovata.value(), q.valore(0).toLongLong()});
        }
    }
    QSqlQuery aggiorna = prepara("UPDATE PRESENZE SET CODPARTITA = ? WHERE rowid = ?", db);
    for (const auto& c : collegamenti) eseguiPreparata(aggiorna, {c.first, c.second});

    Esegui("UPDATE PRESENZE SET GIRONE = CASE WHEN GIRONE = 1 THEN -1 ELSE 0 END", {}, db);
    t.commit();
}

void CollegaSostituzioni(QSqlDatabase db)
{
    struct Presenza {
        qint64 riga = 0;
        QVariant codice;
        QString gruppo;  // leg, round and team; empty when one of them is empty
    };
    auto leggi = [&db](const QString& sql, QHash<qint64, QVariant>& chiHaSost) {
        QVector<Presenza> righe;
        Query q(sql, {}, db);
        while (q.next()) {
            Presenza p;
            p.riga = q.valore(0).toLongLong();
            p.codice = q.valore(1);
            qint64 girone = 0, giornata = 0;
            if (intero(q.valore(2), girone) && intero(q.valore(3), giornata) && !q.valore(4).isNull())
                p.gruppo = QString::number(girone) + QLatin1Char('|') + chiaveGiornata(giornata, q.testo(4));
            chiHaSost.insert(p.riga, q.valore(5));
            righe.append(p);
        }
        return righe;
    };

    Transazione t(db);
    QHash<qint64, QVariant> chiHaSost;  // the field's value by row, as the pairing goes on
    const QVector<Presenza> entrati =
        leggi("SELECT rowid, CODICE, GIRONE, GIORNATA, SQUADRA, CHIHASOST FROM PRESENZE WHERE TITOLARE = 0 "
              "ORDER BY RIGA, rowid",
              chiHaSost);
    const QVector<Presenza> sostituiti =
        leggi("SELECT rowid, CODICE, GIRONE, GIORNATA, SQUADRA, CHIHASOST FROM PRESENZE WHERE SOSTITUITO <> 0 "
              "ORDER BY SOSTITUITO, rowid",
              chiHaSost);
    const QHash<qint64, QVariant> prima = chiHaSost;

    QHash<QString, QVector<const Presenza*>> perGruppo;
    for (const Presenza& s : sostituiti)
        if (!s.gruppo.isEmpty()) perGruppo[s.gruppo].append(&s);

    for (const Presenza& e : entrati) {
        if (e.gruppo.isEmpty()) continue;
        for (const Presenza* s : perGruppo.value(e.gruppo)) {
            if (!chiHaSost.value(s->riga).isNull()) continue;
            chiHaSost[s->riga] = VERO;
            chiHaSost[e.riga] = s->codice;
            break;
        }
    }

    QSqlQuery aggiorna = prepara("UPDATE PRESENZE SET CHIHASOST = ? WHERE rowid = ?", db);
    for (auto it = chiHaSost.cbegin(); it != chiHaSost.cend(); ++it)
        if (it.value() != prima.value(it.key()) || it.value().isNull() != prima.value(it.key()).isNull())
            eseguiPreparata(aggiorna, {it.value(), it.key()});
    t.commit();
}

void ConvertiMinutiSostituzioni(QSqlDatabase db) { convertiMinuti("PRESENZE", "SOSTITUITO", db); }

void ConvertiMinutiReti(QSqlDatabase db) { convertiMinuti("RETI", "MINUTO", db); }
