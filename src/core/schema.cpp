#include "core/schema.h"

#include "core/campionato.h"
#include "core/database.h"
#include "core/stato.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QUuid>
#include <unistd.h>

namespace {

QVector<CampoSchema> campiPartita()
{
    QVector<CampoSchema> c{
        {"GIORNATANUM", "INTEGER"}, {"DISPAND", "INTEGER"},   {"DISPRIT", "INTEGER"},  {"DATAAND", "VARCHAR(50)"},
        {"DATARIT", "VARCHAR(50)"}, {"HAND", "VARCHAR(50)"},  {"HRIT", "VARCHAR(50)"}, {"SQ1", "VARCHAR(30)"},
        {"SQ2", "VARCHAR(30)"},     {"G1A", "SMALLINT"},      {"G2A", "SMALLINT"},     {"G1R", "SMALLINT"},
        {"G2R", "SMALLINT"},        {"NOTE", "VARCHAR(100)"}, {"CODPART", "COUNTER"},  {"RIGA", "SMALLINT"},
    };
    for (const char* leg : {"A", "R"})
        for (const char* base : {"ARBITRO", "GUARDALINEE", "CONDCLIMATICHE", "TERRENO", "SPETTATORI"})
            c.append(CampoSchema{QString(base) + leg, "VARCHAR(200)"});
    for (const char* squadraLeg : {"1A", "1R", "2A", "2R"})
        for (const char* base : {"TIRI", "TIRIPORTA", "OFFSIDE", "FALLI", "POSSESSO"})
            c.append(CampoSchema{QString(base) + squadraLeg, "VARCHAR(4)"});
    for (const char* corner : {"CORNER1A", "CORNER2A", "CORNER1R", "CORNER2R"})
        c.append(CampoSchema{corner, "VARCHAR(4)"});
    return c;
}

QVector<TabellaSchema> costruisci()
{
    QVector<TabellaSchema> t;
    t.append({"CAMPIONATO",
              {{"GIORNATEINS", "INTEGER"},
               {"NUMSQUADRE", "INTEGER"},
               {"PUNTIVIT", "INTEGER"},
               {"PUNTIX", "INTEGER"},
               {"PUNTISC", "INTEGER"},
               {"DENOM", "VARCHAR(200)"},
               {"NUMERAZIONE", "BYTE"},
               {"CODCAMP", "COUNTER"}}});
    t.append({"SQUADRA",
              {{"CODICE", "COUNTER"},
               {"NOME", "VARCHAR(30)"},
               {"CITTA", "VARCHAR(30)"},
               {"SEDE", "VARCHAR(100)"},
               {"TEL", "VARCHAR(30)"},
               {"ALLENATORE", "VARCHAR(30)"},
               {"PRESIDENTE", "VARCHAR(50)"},
               {"CAMPO", "VARCHAR(100)"},
               {"NOTE", "VARCHAR(200)"},
               {"PENALITA", "SMALLINT"},
               {"COLORI", "VARCHAR(50)"},
               {"FAX", "VARCHAR(50)"}}});
    t.append({"PARTITA", campiPartita()});
    t.append({"GIORNATA",
              {{"NUMERO", "SMALLINT"},
               {"DATAAND", "VARCHAR(50)"},
               {"DATARIT", "VARCHAR(50)"},
               {"DISPAND", "SMALLINT"},
               {"DISPRIT", "SMALLINT"},
               {"RIPOSA", "VARCHAR(30)"}}});
    t.append({"GIOCATORE",
              {{"NOME", "VARCHAR(30)"},
               {"COGNOME", "VARCHAR(30)"},
               {"DATANASC", "VARCHAR(15)"},
               {"CODICE", "COUNTER"},
               {"RUOLO", "VARCHAR(20)"},
               {"NUMERO", "SMALLINT"},
               {"RETI", "INTEGER"},
               {"AMMONIZIONI", "INTEGER"},
               {"SQUALIFICHE", "INTEGER"},
               {"CODSQUADRA", "INTEGER"},
               {"FOTO", "VARCHAR(250)"},
               {"LUOGONASC", "VARCHAR(30)"},
               {"NAZIONE", "VARCHAR(20)"},
               {"ALTEZZA", "VARCHAR(10)"},
               {"PESO", "VARCHAR(10)"},
               {"NOTE", "VARCHAR(200)"}}});
    t.append({"RETI",
              {{"CODPART", "INTEGER"},
               {"CODGIOCATORE", "INTEGER"},
               {"MINUTO", "INTEGER"},
               {"NOTE", "VARCHAR(250)"},
               {"GIRONE", "SMALLINT"},
               {"SQUADRA", "VARCHAR(30)"},
               {"TIPO", "SMALLINT"},
               {"CODICE", "COUNTER"}}});
    t.append({"PRESENZE",
              {{"CODICE", "COUNTER"},
               {"GIRONE", "SMALLINT"},
               {"GIORNATA", "SMALLINT"},
               {"CODPARTITA", "INTEGER"},
               {"CODGIOCATORE", "INTEGER"},
               {"NOME", "VARCHAR(255)"},
               {"NUMMAGLIA", "SMALLINT"},
               {"AMMONITO", "SMALLINT"},
               {"RETI", "SMALLINT"},
               {"AUTORETI", "SMALLINT"},
               {"RIGA", "SMALLINT"},
               {"TITOLARE", "SMALLINT"},
               {"SOSTITUITO", "SMALLINT"},
               {"SQUADRA", "VARCHAR(50)"},
               {"NOTE", "VARCHAR(255)"},
               {"CHIHASOST", "INTEGER"},
               {"VOTO", "CURRENCY"}}});
    QVector<CampoSchema> punti{{"NOME", "VARCHAR(30)"}};
    for (const char* f : {"GIOCATE", "PUNTI", "VINTEINCASA", "PERSEINCASA", "XINCASA", "VINTEFUORI", "PERSEFUORI",
                          "XFUORI", "GFATTICASA", "GSUBITICASA", "GFATTIFUORI", "GSUBITIFUORI", "DIFFRETI",
                          "TOTALEFATTI", "TOTALEVINTE", "TOTALESUBITI", "MEDIAINGLESE"})
        punti.append(CampoSchema{f, "SMALLINT"});
    t.append({"PUNTISQUADRE", punti});
    return t;
}

}  // namespace

const QVector<TabellaSchema>& SchemaCampionato()
{
    static const QVector<TabellaSchema> schema = costruisci();
    return schema;
}

const TabellaSchema* TabellaDi(const QString& nome)
{
    const QVector<TabellaSchema>& schema = SchemaCampionato();
    const auto t =
        std::find_if(schema.cbegin(), schema.cend(), [&nome](const TabellaSchema& s) { return s.nome == nome; });
    return t == schema.cend() ? nullptr : &*t;
}

const CampoSchema* CampoDi(const QString& tabella, const QString& campo)
{
    const TabellaSchema* t = TabellaDi(tabella);
    if (!t) return nullptr;
    const auto c =
        std::find_if(t->campi.cbegin(), t->campi.cend(), [&campo](const CampoSchema& s) { return s.nome == campo; });
    return c == t->campi.cend() ? nullptr : &*c;
}

std::optional<Intervallo> IntervalloDi(const CampoSchema& c)
{
    if (c.tipo == QLatin1String("BYTE")) return Intervallo{0, 255};
    if (c.tipo == QLatin1String("SMALLINT")) return Intervallo{-32768, 32767};
    if (c.tipo == QLatin1String("INTEGER") || c.tipo == QLatin1String("COUNTER"))
        return Intervallo{-2147483648LL, 2147483647};
    return std::nullopt;
}

QString SqlCreaTabella(const TabellaSchema& t)
{
    QStringList campi;
    for (const CampoSchema& c : t.campi) {
        const QString& tipo = c.tipo;
        if (tipo == "COUNTER")
            campi << QStringLiteral("%1 INTEGER PRIMARY KEY AUTOINCREMENT").arg(c.nome);
        else if (tipo.startsWith("VARCHAR"))
            campi << QStringLiteral("%1 %2 COLLATE NOCASE").arg(c.nome, tipo);
        else
            campi << QStringLiteral("%1 %2").arg(c.nome, tipo);
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(t.nome, campi.join(", "));
}

QString ContatoreDi(const TabellaSchema& t)
{
    for (const CampoSchema& c : t.campi)
        if (c.tipo == QLatin1String("COUNTER")) return c.nome;
    return QString();
}

namespace {

// The tables of the pairs (table, field) bound `coppie` times whose field does not number new rows: it is not the
// row's own number, the one field of the primary key, declared exactly INTEGER, in a table with row numbers. A
// table WITHOUT ROWID, or a key declared INTEGER PRIMARY KEY DESC, keeps its key in an index of its own instead, and
// numbers nothing. One statement for every table, as the opening runs it on each file.
QString sqlNonNumerano(int coppie)
{
    return QStringLiteral("WITH C(T, F) AS (VALUES %1) SELECT T FROM C WHERE NOT ("
                          "(SELECT COUNT(*) FROM pragma_table_info(C.T) WHERE pk > 0) = 1 AND "
                          "EXISTS (SELECT 1 FROM pragma_table_info(C.T) WHERE pk > 0 AND name = C.F COLLATE NOCASE "
                          "AND type = 'INTEGER' COLLATE NOCASE) AND "
                          "NOT EXISTS (SELECT 1 FROM pragma_index_list(C.T) WHERE origin = 'pk'))")
        .arg(QStringList(coppie, QStringLiteral("(?, ?)")).join(QStringLiteral(", ")));
}

}  // namespace

bool NumeraNuoveRighe(const QString& tabella, const QString& campo, QSqlDatabase db)
{
    return !Valore(sqlNonNumerano(1), {tabella, campo}, db).isValid();
}

QStringList ContatoriCheNonNumerano(QSqlDatabase db)
{
    QVariantList coppie;
    for (const TabellaSchema& t : SchemaCampionato())
        if (const QString c = ContatoreDi(t); !c.isEmpty()) coppie << t.nome << c;
    QStringList tabelle;
    Query q(sqlNonNumerano(int(coppie.size() / 2)), coppie, db);
    while (q.next()) tabelle << q.testo(0);
    return tabelle;
}

QString TabelleSenzaNumeriDiRiga(QSqlDatabase db)
{
    QStringList senza;
    {
        Query q(QStringLiteral("SELECT upper(name) FROM pragma_table_list WHERE schema = 'main' AND type = 'table' "
                               "AND wr"),
                {}, db);
        while (q.next()) senza << q.testo(0);
    }
    QStringList tabelle;
    for (const TabellaSchema& t : SchemaCampionato())
        if (senza.contains(t.nome)) tabelle << t.nome;
    if (tabelle.isEmpty()) return QString();
    const QString testo = tabelle.size() == 1
                              ? QStringLiteral("Nel file la tabella %1 è registrata senza i numeri di riga con cui "
                                               "Golvarno 2000 ritrova le righe: è stata scritta da un altro programma.")
                              : QStringLiteral("Nel file le tabelle %1 sono registrate senza i numeri di riga con cui "
                                               "Golvarno 2000 ritrova le righe: sono state scritte da un altro "
                                               "programma.");
    return testo.arg(tabelle.join(QStringLiteral(", ")));
}

QString ValoreNumericoSql(const QString& campo)
{
    return QStringLiteral("CASE WHEN typeof(%1) = 'real' AND %1 <> CAST(%1 AS INTEGER) THEN %1 "
                          "ELSE CAST(NULLIF(trim(%1, char(32, 9, 10, 11, 12, 13)), '') AS NUMERIC) END")
        .arg(campo);
}

namespace {

// The temporary name under which a new file is written beside `nome`.
QString NomeTemporaneo(const QString& nome)
{
    return QStringLiteral(".%1.%2.tmp").arg(nome, QUuid::createUuid().toString(QUuid::Id128));
}

// Removes what an earlier creation of `nome` left in `cartella` when the program stopped half-way: its
// temporary files and their journals, named exactly as NomeTemporaneo names them (lower-case hex digits), nothing
// else (a link under such a name stays too).
void RimuoviAvanzi(const QDir& cartella, const QString& nome)
{
    const QRegularExpression avanzo(QStringLiteral("^\\.") + QRegularExpression::escape(nome) +
                                    QStringLiteral("\\.[0-9a-f]{32}\\.tmp(-journal)?$"));
    for (const QFileInfo& f : cartella.entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        if (f.isFile() && !f.isSymLink() && avanzo.match(f.fileName()).hasMatch() &&
            !QFile::remove(f.absoluteFilePath()))
            qWarning("file temporaneo non rimosso: %s", qUtf8Printable(f.absoluteFilePath()));
}

// Creates `percorso` empty, for the engine to write into. The engine, failing to create a file, only says that it
// cannot open it: a folder that cannot be written, or a full disk, is told here as such.
void CreaVuoto(const QString& percorso)
{
    const int fd = ::open(QFile::encodeName(percorso).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    const int errore = errno;
    const QString cartella = QDir::toNativeSeparators(QFileInfo(percorso).absolutePath());
    qWarning("file non creato: %s (errno %d)", qUtf8Printable(percorso), errore);
    if (errore == EACCES || errore == EPERM || errore == EROFS)
        throw ErroreDatabase(QStringLiteral("Nella cartella %1 non si possono scrivere file: la cartella è di sola "
                                            "lettura, o non si ha il permesso di scriverci.")
                                 .arg(cartella),
                             ErroreDatabase::Tipo::SoloLettura);
    if (errore == ENOSPC || errore == EDQUOT)
        throw ErroreDatabase(ErroreDatabase::motivo(ErroreDatabase::Tipo::DiscoPieno),
                             ErroreDatabase::Tipo::DiscoPieno);
    throw ErroreDatabase(QStringLiteral("Impossibile creare un file nella cartella %1.").arg(cartella));
}

}  // namespace

void CostruisciFileAccanto(const QString& percorso, const std::function<void(const QString&)>& costruisci)
{
    const QFileInfo info(percorso);
    if (percorso.isEmpty()) throw ErroreDatabase(QStringLiteral("Nessun nome di file indicato."));
    if (info.exists() || info.isSymLink()) throw ErroreDatabase(QStringLiteral("Il file %1 esiste già.").arg(percorso));
    if (!info.absoluteDir().exists())
        throw ErroreDatabase(QStringLiteral("La cartella %1 non esiste.").arg(info.absolutePath()));

    RimuoviAvanzi(info.absoluteDir(), info.fileName());
    const QString temporaneo = info.absoluteDir().filePath(NomeTemporaneo(info.fileName()));
    CreaVuoto(temporaneo);
    try {
        costruisci(temporaneo);
        if (!QFile::rename(temporaneo, percorso))
            throw ErroreDatabase(QStringLiteral("Impossibile scrivere il file %1.").arg(percorso));
    } catch (...) {
        QFile::remove(temporaneo);
        QFile::remove(temporaneo + QStringLiteral("-journal"));
        throw;
    }
}

void CreaFileCampionato(const QString& percorso, const std::function<void(QSqlDatabase)>& riempi)
{
    CostruisciFileAccanto(percorso, [&riempi](const QString& temporaneo) {
        const QString conn = QStringLiteral("crea_") + QUuid::createUuid().toString(QUuid::Id128);
        try {
            {
                QSqlDatabase db = ApriConnessione(conn, temporaneo);
                Transazione t(db);
                for (const TabellaSchema& tab : SchemaCampionato()) Esegui(SqlCreaTabella(tab), {}, db);
                if (riempi) riempi(db);
                t.commit();
            }
            ChiudiConnessione(conn);
        } catch (...) {
            ChiudiConnessione(conn);
            throw;
        }
    });
}

void CreaDatabase()
{
    // The windows of the championship in use close while its file is still theirs; one whose
    // user cancelled its closing keeps that championship in use and nothing is created.
    if (stato().CampionatoAperto && !ChiudiFinestre())
        throw ErroreDatabase(
            QStringLiteral("Operazione annullata: una finestra del campionato in uso è rimasta aperta."));
    CreaFileCampionato(stato().PercorsoCampionato);
    ApriDbCampionato(stato().PercorsoCampionato);
}

QStringList TabelleMancanti(const QString& nomeConnessione)
{
    QSqlDatabase db = QSqlDatabase::database(nomeConnessione, false);
    QStringList presenti;
    {
        Query q("SELECT name FROM sqlite_master WHERE type = 'table'", {}, db);
        while (q.next()) presenti << q.testo(0).toUpper();
    }
    QStringList mancanti;
    for (const TabellaSchema& t : SchemaCampionato())
        if (!presenti.contains(t.nome)) mancanti << t.nome;
    return mancanti;
}

bool HaTrigger(const QString& nomeConnessione)
{
    return Valore("SELECT 1 FROM sqlite_master WHERE type = 'trigger' LIMIT 1", {},
                  QSqlDatabase::database(nomeConnessione, false))
        .isValid();
}

QString MotivoTrigger()
{
    return QStringLiteral("Il file contiene comandi automatici (trigger) aggiunti da un altro programma, che "
                          "modificherebbero i dati a ogni salvataggio.");
}
