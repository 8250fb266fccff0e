// The main computations over the largest championship (20 teams, the whole season with line-ups,
// substitutions and goals), each measured beside its lower bound in the same run: the plain SQL work
// that any implementation must do (reading the same rows, or writing them in one transaction).
// What counts is the ratio; the goals are printed beside each figure.

#include "core/calendarioautomatico.h"
#include "core/campionato.h"
#include "core/classifica.h"
#include "core/conversione.h"
#include "core/database.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/messaggio.h"
#include "support/cartellatemporanea.h"
#include "support/fixturecampionato.h"
#include "support/vecchioformato.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <QApplication>
#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QUuid>
#include <string>

namespace {

struct Ambiente {
    QTemporaryDir dir;
    std::unique_ptr<CartellaTemporanea> cartella;
    QString campionato;       // the largest championship
    QString senzaCalendario;  // 20 teams, no calendar
    QString vecchio;          // a whole season of the previous version
    QString copia;
};
Ambiente* ambiente = nullptr;

const char* const SQL_PARTITE_GIOCATE = "SELECT GIORNATANUM, SQ1, SQ2, DISPAND, DISPRIT, G1A, G2A, G1R, G2R FROM "
                                        "PARTITA WHERE DISPAND = -1 OR DISPRIT = -1";

// Makes `percorso` the open championship, loaded as the open command loads it.
void apri(benchmark::State& state, const QString& percorso)
{
    if (stato().PercorsoCampionato == percorso && DbCampionatoAperto()) return;
    if (!ApriFileComeCampionato(percorso)) state.SkipWithError("apertura del campionato non riuscita");
}

// Every row and column of a query, as the lower bound of work that reads them.
void leggiTutto(const QString& sql, QSqlDatabase db = DbCampionato())
{
    Query q(sql, {}, db);
    const int colonne = q.sql().record().count();
    while (q.next())
        for (int i = 0; i < colonne; ++i) benchmark::DoNotOptimize(q.valore(i));
}

void classifica(benchmark::State& state)
{
    apri(state, ambiente->campionato);
    for (auto _ : state) CalcolaClassifica();
}

// The largest championship open, with the first legs of the season as the partial table's span.
void apriConArcoAndata(benchmark::State& state)
{
    apri(state, ambiente->campionato);
    Stato& s = stato();
    s.ParzDaGiornata = 1;
    s.ParzDaGirone = 1;
    s.ParzAGiornata = 19;
    s.ParzAGirone = 1;
}

void classificaParziale(benchmark::State& state)
{
    apriConArcoAndata(state);
    for (auto _ : state) CalcolaClassificaParziale();
}

// Whole season and first legs in turn, so that every rebuild has a different table to write.
void classificaDaRiscrivere(benchmark::State& state)
{
    apriConArcoAndata(state);
    bool parziale = false;
    for (auto _ : state) {
        if (parziale)
            CalcolaClassificaParziale();
        else
            CalcolaClassifica();
        parziale = !parziale;
    }
}

void limiteClassifica(benchmark::State& state)
{
    apri(state, ambiente->campionato);
    for (auto _ : state) leggiTutto(SQL_PARTITE_GIOCATE);
}

// The played matches read, then 20 rows written in place of the table's rows in one transaction.
void limiteClassificaScritta(benchmark::State& state)
{
    apri(state, ambiente->campionato);
    int giro = 0;
    for (auto _ : state) {
        leggiTutto(SQL_PARTITE_GIOCATE);
        Transazione t;
        Esegui("DELETE FROM PUNTISQUADRE");
        QSqlQuery ins(DbCampionato());
        ins.prepare("INSERT INTO PUNTISQUADRE (NOME, GIOCATE, PUNTI) VALUES (?, ?, ?)");
        for (int i = 1; i <= 20; ++i) {
            ins.bindValue(0, stato().Squadre[i].Nome);
            ins.bindValue(1, giro);
            ins.bindValue(2, i);
            ins.exec();
        }
        t.commit();
        ++giro;
    }
}

void svuotaCalendario()
{
    Transazione t;
    Esegui("DELETE FROM GIORNATA");
    Esegui("DELETE FROM PARTITA");
    t.commit();
}

void calendario(benchmark::State& state)
{
    apri(state, ambiente->senzaCalendario);
    for (auto _ : state) {
        state.PauseTiming();
        svuotaCalendario();
        state.ResumeTiming();
        if (!CostruisciCalendarioAutomatico([] { return 0.37; }, false).creato)
            state.SkipWithError("calendario non creato");
        CursoreNormale();
    }
}

// The same 19 + 190 rows written in one transaction, without reading a template or sorting.
void limiteCalendario(benchmark::State& state)
{
    apri(state, ambiente->senzaCalendario);
    const Stato& s = stato();
    for (auto _ : state) {
        state.PauseTiming();
        svuotaCalendario();
        state.ResumeTiming();
        Transazione t;
        QSqlQuery giornata(DbCampionato()), partita(DbCampionato());
        giornata.prepare(
            "INSERT INTO GIORNATA (NUMERO, DISPAND, DISPRIT, DATAAND, DATARIT) VALUES (?, 0, 0, ' ', ' ')");
        partita.prepare("INSERT INTO PARTITA (GIORNATANUM, SQ1, SQ2, DISPAND, DISPRIT, RIGA, DATAAND, DATARIT, HAND, "
                        "HRIT) VALUES (?, ?, ?, 0, 0, ?, ' ', ' ', ' ', ' ')");
        for (int g = 1; g <= 19; ++g) {
            giornata.bindValue(0, g);
            giornata.exec();
            for (int i = 1; i <= 10; ++i) {
                partita.bindValue(0, g);
                partita.bindValue(1, s.Squadre[i].Nome);
                partita.bindValue(2, s.Squadre[21 - i].Nome);
                partita.bindValue(3, i);
                partita.exec();
            }
        }
        Esegui("UPDATE CAMPIONATO SET GIORNATEINS = 19");
        t.commit();
    }
}

void conversione(benchmark::State& state)
{
    for (auto _ : state) {
        ConvertiFile(ambiente->vecchio, ambiente->copia);
        state.PauseTiming();
        QFile::remove(ambiente->copia);
        state.ResumeTiming();
    }
}

// The compacted copy alone: one statement that reads every row of the old file and writes it.
void limiteConversione(benchmark::State& state)
{
    const QString nome = QStringLiteral("limite_") + QUuid::createUuid().toString(QUuid::Id128);
    for (auto _ : state) {
        Esegui("VACUUM INTO ?", {ambiente->copia}, ApriConnessione(nome, ambiente->vecchio, true, false));
        ChiudiConnessione(nome);
        state.PauseTiming();
        QFile::remove(ambiente->copia);
        state.ResumeTiming();
    }
}

void apertura(benchmark::State& state)
{
    for (auto _ : state)
        if (!ApriFileComeCampionato(ambiente->campionato)) state.SkipWithError("apertura del campionato non riuscita");
}

// The file checked as opening checks it: every page read once by the integrity check.
void limiteApertura(benchmark::State& state)
{
    const QString nome = QStringLiteral("limite_") + QUuid::createUuid().toString(QUuid::Id128);
    for (auto _ : state) {
        leggiTutto("PRAGMA quick_check", ApriConnessione(nome, ambiente->campionato, true, false));
        ChiudiConnessione(nome);
    }
}

// Keeps the console output and the real time of every benchmark, in milliseconds.
class Raccolta : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With repetitions the median, reported after the single runs, is the figure kept.
        for (const Run& r : runs)
            if (!r.error_occurred && (r.run_type == Run::RT_Iteration || r.aggregate_name == "median"))
                tempi[r.run_name.str()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> tempi;
};

struct Confronto {
    const char* operazione;
    benchmark::internal::Function* misura;
    benchmark::internal::Function* limite;
    const char* descrizioneLimite;
    const char* obiettivo;
};

const Confronto CONFRONTI[] = {
    {"CalcolaClassifica (tabella aggiornata)", classifica, limiteClassifica, "SELECT delle partite giocate",
     "< 5 ms, entro 3x"},
    {"CalcolaClassifica (tabella da riscrivere)", classificaDaRiscrivere, limiteClassificaScritta,
     "SELECT e 20 righe scritte in una transazione", ""},
    {"CalcolaClassificaParziale (andata)", classificaParziale, limiteClassifica, "SELECT delle partite giocate",
     "entro 3x"},
    {"CreaCalendarioAutomatico (20 squadre)", calendario, limiteCalendario, "le stesse righe in una transazione",
     "< 20 ms"},
    {"ConvertiFile (stagione completa)", conversione, limiteConversione, "VACUUM INTO della copia", ""},
    {"ApriFileComeCampionato", apertura, limiteApertura, "PRAGMA quick_check del file", "< 20 ms"},
};

void prepara()
{
    ambiente->cartella = std::make_unique<CartellaTemporanea>();
    ambiente->campionato = ambiente->dir.filePath("Campionato a venti squadre.GVN");
    FixtureCampionato::piuGrande(ambiente->campionato).crea();
    ambiente->senzaCalendario = ambiente->dir.filePath("Senza calendario.GVN");
    FixtureCampionato(ambiente->senzaCalendario).squadre(20).senzaCalendario().crea();
    ambiente->vecchio = ambiente->dir.filePath("Versione 4.GVN");
    VecchioFormato::creaStagione(ambiente->vecchio, 20);
    ambiente->copia = ambiente->dir.filePath("Versione 4 2000.GVN");
    stato().MostraSchedaCampionato = false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    // No dialog may stop the run: a box would mean a failure, reported at the end.
    SeamMessaggi::attiva();
    Ambiente a;
    ambiente = &a;
    try {
        prepara();
    } catch (const ErroreDatabase& e) {
        std::fprintf(stderr, "Preparazione non riuscita: %s\n", qPrintable(e.testo()));
        return 1;
    }

    for (const Confronto& c : CONFRONTI) {
        benchmark::RegisterBenchmark(c.operazione, c.misura)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string(c.operazione) + " / limite").c_str(), c.limite)
            ->Unit(benchmark::kMillisecond);
    }
    Raccolta raccolta;
    benchmark::RunSpecifiedBenchmarks(&raccolta);

    std::printf("\n%-44s %10s %10s %9s  %-44s %s\n", "Operazione", "tempo", "limite", "rapporto", "limite misurato",
                "obiettivo");
    for (const Confronto& c : CONFRONTI) {
        const auto t = raccolta.tempi.find(c.operazione);
        const auto l = raccolta.tempi.find(std::string(c.operazione) + " / limite");
        if (t == raccolta.tempi.end() || l == raccolta.tempi.end()) continue;
        std::printf("%-44s %7.3f ms %7.3f ms %8.1fx  %-44s %s\n", c.operazione, t->second, l->second,
                    l->second > 0 ? t->second / l->second : 0.0, c.descrizioneLimite, c.obiettivo);
    }
    for (const QString& m : SeamMessaggi::inattesi()) std::fprintf(stderr, "Messaggio inatteso: %s\n", qPrintable(m));

    benchmark::Shutdown();
    ChiudiDbCampionato();
    return SeamMessaggi::inattesi().isEmpty() ? 0 : 1;
}
