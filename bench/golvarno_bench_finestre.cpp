// How long the user waits for a window: every registered window opened through the registry over the
// largest championship (20 teams, the whole season with line-ups, substitutions and goals), from the
// command to the first frame painted, beside an empty window opened the same way in the same run. Also
// the open command (file chosen -> championship card painted) beside the reading of the file alone, and
// the start-up up to the first painted main window beside an empty main window with the same menus.
// The budget is one frame (16 ms at 60 Hz); each window's figure is the median of its repetitions.
// Not a test: run it by hand (build/bin/golvarno_bench_finestre), offscreen on a 1366 x 768 screen unless
// QT_QPA_PLATFORM says otherwise.

#include "core/campionato.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "platform/messaggio.h"
#include "platform/stileprogramma.h"
#include "shell/aperturacampionato.h"
#include "shell/comandi.h"
#include "shell/finestraprincipale.h"
#include "shell/impostazioni.h"
#include "shell/schedacampionatowindow.h"
#include "shell/tuttelefinestre.h"
#include "support/cartellatemporanea.h"
#include "support/fixturecampionato.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <string>

namespace {

using Orologio = std::chrono::steady_clock;

constexpr double BUDGET_MS = 16.0;
constexpr int RIPETIZIONI = 15;
constexpr int ATTESA_MASSIMA_MS = 5000;

// The windows that the program shows modal (Finestre::mostraModale): opened here as that does, but
// without its event loop, which would wait for the user.
const QSet<QString> MODALI{IdFinestra::SceltaGiocatore, IdFinestra::SceltaImmagine, IdFinestra::Introduzione,
                           IdFinestra::ControlloCalendario};

// The window that stands for what opening any window costs: nothing in it but its caption.
const QString VUOTA = QStringLiteral("FinestraVuota");

struct Ambiente {
    QTemporaryDir dir;
    std::unique_ptr<CartellaTemporanea> cartella;
    QString campionato;
    DatiFixture dati;
    std::unique_ptr<FinestraPrincipale> principale;
    QSet<QString> scaldate;          // windows opened once already, outside the measure
    QHash<QString, QString> titoli;  // their captions
};
Ambiente* ambiente = nullptr;

// Notices the first paint of anything inside a widget named `nome` (a window, its MDI frame, the main window)
// and when that paint pass ended: the first event after it that is not a paint (a pass paints the widget, then
// its children, with nothing else in between).
class Disegno : public QObject {
public:
    explicit Disegno(const QString& nome) : nome_(nome) { qApp->installEventFilter(this); }
    ~Disegno() override { qApp->removeEventFilter(this); }
    bool dipinto() const { return dipinto_; }
    std::optional<Orologio::time_point> fine() const { return fine_; }
    void finisci()
    {
        if (dipinto_ && !fine_) fine_ = Orologio::now();
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (fine_) return false;
        if (dipinto_) {
            // A scroll area painted with both its bars raises them as it lays them out: part of the same pass.
            if (e->type() != QEvent::Paint && e->type() != QEvent::ZOrderChange) finisci();
            return false;
        }
        if (e->type() != QEvent::Paint) return false;
        for (QObject* x = o; x; x = x->parent())
            if (x->objectName() == nome_) {
                dipinto_ = true;
                break;
            }
        return false;
    }

private:
    QString nome_;
    bool dipinto_ = false;
    std::optional<Orologio::time_point> fine_;
};

// Runs the event loop until `d` has seen a paint; the time the first paint pass ended, or nothing after
// ATTESA_MASSIMA_MS with nothing painted.
std::optional<Orologio::time_point> attendiDisegno(Disegno& d)
{
    QElapsedTimer attesa;
    attesa.start();
    while (!d.dipinto()) {
        if (attesa.elapsed() > ATTESA_MASSIMA_MS) return std::nullopt;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    d.finisci();
    return d.fine();
}

// Deleted windows gone, every pending paint done: the next measure starts from a quiet program.
void quiete()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

double millisecondi(Orologio::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The hand-over variables as the commands leave them: the first team, the first match day of the first
// leg (played), its first match, the first player of the first team, the whole season as the partial span.
void impostaConsegne()
{
    Stato& s = stato();
    const DatiFixture& d = ambiente->dati;
    s.SquadraCorrente = d.squadre.value(0);
    s.GiornataCorrente = 1;
    s.Andata = true;
    s.CodPartitaCorrente = d.partite.isEmpty() ? 0 : d.partite.first().codPart;
    s.CodGiocatoreCorrente = 0;
    for (const GiocatoreFixture& g : d.giocatori)
        if (g.squadra == s.SquadraCorrente) {
            s.CodGiocatoreCorrente = g.codice;
            break;
        }
    s.CodGiocatoreScelto = 0;
    s.CodSostituzione = 0;
    s.CodRete = 0;
    s.ClassificaCompleta = true;
    s.RicalcolaClassifica = true;
    s.ParzDaGiornata = 1;
    s.ParzDaGirone = 1;
    s.ParzAGiornata = s.NumeroSquadre - 1;
    s.ParzAGirone = 2;
    s.TipoClassifica = 1;
    s.TipoConfrontoGiocatori = 1;
    s.TipoGraficoGiocatore = 1;
    s.GolFatti = true;
    s.ConfrontoDue = true;
    s.StatGiornata = false;
}

// The program's main window over the largest championship, built once for every window measure.
FinestraPrincipale* principale(benchmark::State& state)
{
    if (!ambiente->principale) {
        ambiente->principale = std::make_unique<FinestraPrincipale>();
        ambiente->principale->show();
        quiete();
    }
    if (stato().PercorsoCampionato != ambiente->campionato || !DbCampionatoAperto()) {
        stato().MostraSchedaCampionato = false;
        if (!ApriFileComeCampionato(ambiente->campionato)) state.SkipWithError("apertura del campionato non riuscita");
        quiete();
    }
    return ambiente->principale.get();
}

// Opens `id` as its command would: modeless in the MDI area, or on its own above the main window for the
// windows shown modal (as Finestre::mostraModale does before its event loop).
Finestra* apri(const QString& id)
{
    Finestre& registro = Finestre::istanza();
    if (!MODALI.contains(id)) return registro.mostra(id);
    Finestra* w = registro.carica(id);
    if (!w) return nullptr;
    const QPointer<Finestra> guardia(w);
    w->setParent(ambiente->principale.get(), Qt::Dialog);
    w->setWindowModality(Qt::ApplicationModal);
    w->adjustSize();
    w->move(ambiente->principale->frameGeometry().center() - QPoint(w->width() / 2, w->height() / 2));
    w->show();
    w->raise();
    w->activateWindow();
    if (guardia) w->attiva();
    return guardia;
}

// What the user waits for: `id` opened and painted once (the time the paint ended in `fine`, nothing when
// it did not open or paint). Apart, so that a profiler can collect just this, without the closing.
[[gnu::noinline]] Finestra* apriEDisegna(const QString& id, Disegno& disegno, std::optional<Orologio::time_point>* fine)
{
    Finestra* w = apri(id);
    *fine = w ? attendiDisegno(disegno) : std::nullopt;
    return w;
}

// What the screen shows of `w`, saved in `cartella` as <nome>.png.
void fotoSchermo(QWidget* w, const QString& cartella, const QString& nome)
{
    QWidget* finestra = w->window();
    const QPoint p = w->mapTo(finestra, QPoint());
    if (QScreen* schermo = finestra->screen())
        schermo->grabWindow(finestra->winId(), p.x(), p.y(), w->width(), w->height())
            .save(QDir(cartella).filePath(nome + QStringLiteral(".png")));
}

// GOLVARNO_FOTO=<folder>: pictures of a widget just painted, to look at or compare: <nome>-schermo.png as its first
// paint left it on the screen, <nome>.png as the widget draws itself, <nome>-finale.png as the screen shows it once
// every paint that followed is done (the events after the measure are processed for it).
void foto(QWidget* w, const QString& nome)
{
    const QString cartella = qEnvironmentVariable("GOLVARNO_FOTO");
    if (cartella.isEmpty()) return;
    fotoSchermo(w, cartella, nome + QStringLiteral("-schermo"));
    w->grab().save(QDir(cartella).filePath(nome + QStringLiteral(".png")));
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
    fotoSchermo(w, cartella, nome + QStringLiteral("-finale"));
}

// One opening of `id` to its first painted frame, in ms; negative when the window did not open or paint.
double aperturaSingola(const QString& id, QString* errore)
{
    impostaConsegne();
    Disegno disegno(id);
    const auto inizio = Orologio::now();
    std::optional<Orologio::time_point> fine;
    Finestra* w = apriEDisegna(id, disegno, &fine);
    const bool dipinta = fine.has_value();
    const double ms = dipinta ? millisecondi(*fine - inizio) : -1;
    if (w) ambiente->titoli.insert(id, w->windowTitle());
    if (w && dipinta) foto(w->contenitore(), id);
    if (!w)
        *errore = QStringLiteral("la finestra non si è aperta");
    else if (!dipinta)
        *errore = QStringLiteral("la finestra non è stata disegnata");
    if (Finestre::istanza().caricata(id) && !Finestre::istanza().scaricaSubito(id))
        *errore = QStringLiteral("la finestra non si è chiusa");
    quiete();
    if (!SeamMessaggi::inattesi().isEmpty()) {
        *errore = QStringLiteral("messaggio: ") + SeamMessaggi::inattesi().join(QStringLiteral(" | "));
        SeamMessaggi::svuota();
    }
    return errore->isEmpty() ? ms : -1;
}

// The measured openings alone, apart from the first one (a profiler can collect just these).
[[gnu::noinline]] double aperturaMisurata(const QString& id, QString* errore) { return aperturaSingola(id, errore); }

void finestra(benchmark::State& state, const QString& id)
{
    principale(state);
    QString errore;
    // The first opening of each window (fonts, styles, statements met for the first time) stays out.
    if (!ambiente->scaldate.contains(id)) {
        ambiente->scaldate.insert(id);
        aperturaSingola(id, &errore);
    }
    for (auto _ : state) {
        const double ms = aperturaMisurata(id, &errore);
        if (ms < 0) {
            state.SkipWithError(qPrintable(errore));
            break;
        }
        state.SetIterationTime(ms / 1000.0);
    }
}

// The file chosen in the open dialog (already queued), then the championship read and its card painted: ms to
// the painted card, negative when it was not painted. Apart, so that a profiler can collect just this.
[[gnu::noinline]] double aperturaFileMisurata()
{
    Disegno disegno(IdFinestra::SchedaCampionato);
    const auto inizio = Orologio::now();
    AperturaCampionato::ApriCampionato_Click();
    const auto fine = attendiDisegno(disegno);
    return fine ? millisecondi(*fine - inizio) : -1;
}

// The open command: the file chosen in the open dialog, then the championship read and its card painted.
void comandoApri(benchmark::State& state)
{
    principale(state);
    for (auto _ : state) {
        Finestre::istanza().chiudiVisibili();
        quiete();
        stato().MostraSchedaCampionato = true;
        SeamMessaggi::accodaFile(ambiente->campionato);
        const double ms = aperturaFileMisurata();
        const bool dipinta = ms >= 0;
        if (dipinta) foto(ambiente->principale.get(), QStringLiteral("ComandoApri"));
        stato().MostraSchedaCampionato = false;
        if (!dipinta || !SeamMessaggi::inattesi().isEmpty()) {
            state.SkipWithError("la scheda del campionato non è stata disegnata");
            break;
        }
        state.SetIterationTime(ms / 1000.0);
    }
    Finestre::istanza().chiudiVisibili();
    quiete();
}

// The same file read as the open command reads it, without the dialog and the card.
void comandoApriSenzaScheda(benchmark::State& state)
{
    principale(state);
    stato().MostraSchedaCampionato = false;
    for (auto _ : state) {
        const auto inizio = Orologio::now();
        if (!ApriFileComeCampionato(ambiente->campionato)) state.SkipWithError("apertura del campionato non riuscita");
        quiete();
        state.SetIterationTime(millisecondi(Orologio::now() - inizio) / 1000.0);
    }
}

// Start-up: the program's main window built, shown and painted (its first activation included, which reads
// the settings).
void avvio(benchmark::State& state)
{
    for (auto _ : state) {
        Disegno disegno(QStringLiteral("MDI1"));
        const auto inizio = Orologio::now();
        auto f = std::make_unique<FinestraPrincipale>();
        f->show();
        const auto fine = attendiDisegno(disegno);
        const bool dipinta = fine.has_value();
        const double ms = dipinta ? millisecondi(*fine - inizio) : -1;
        f.reset();
        quiete();
        if (!dipinta) {
            state.SkipWithError("la finestra principale non è stata disegnata");
            break;
        }
        state.SetIterationTime(ms / 1000.0);
    }
    // The main window of the other measures, when it was built before, holds the area again.
    if (ambiente->principale) {
        Finestre::istanza().impostaArea(ambiente->principale->area());
        Messaggio::impostaFinestraPrincipale(ambiente->principale.get());
    }
}

// An empty main window of the same size with the same menus and an MDI area.
void avvioVuoto(benchmark::State& state)
{
    for (auto _ : state) {
        Disegno disegno(QStringLiteral("Vuota"));
        const auto inizio = Orologio::now();
        auto f = std::make_unique<QMainWindow>();
        f->setObjectName(QStringLiteral("Vuota"));
        f->setCentralWidget(new QMdiArea(f.get()));
        QHash<QString, QMenu*> menu;
        for (const Comando& c : Comandi::tabella()) {
            if (c.effetto == Effetto::Menu) {
                menu.insert(c.nome,
                            c.padre.isEmpty() ? f->menuBar()->addMenu(c.testo) : menu.value(c.padre)->addMenu(c.testo));
            } else if (QMenu* m = menu.value(c.padre)) {
                m->addAction(c.testo);
            }
        }
        if (const QScreen* schermo = f->screen()) f->resize(schermo->availableGeometry().size() * 0.92);
        f->show();
        const auto fine = attendiDisegno(disegno);
        const bool dipinta = fine.has_value();
        const double ms = dipinta ? millisecondi(*fine - inizio) : -1;
        f.reset();
        quiete();
        if (!dipinta) {
            state.SkipWithError("la finestra vuota non è stata disegnata");
            break;
        }
        state.SetIterationTime(ms / 1000.0);
    }
}

// Keeps the console output and the median of every benchmark, in milliseconds.
class Raccolta : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            const std::string& nome = r.run_name.function_name;
            if (r.error_occurred) errori[nome] = r.error_message;
            // With repetitions the median, reported after the single runs, is the figure kept.
            if (!r.error_occurred && (r.run_type == Run::RT_Iteration || r.aggregate_name == "median"))
                tempi[nome] = r.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> tempi;
    std::map<std::string, std::string> errori;
};

std::string nomeFinestra(const QString& id) { return "Finestra " + id.toStdString(); }

void prepara()
{
    ambiente->cartella = std::make_unique<CartellaTemporanea>();
    stato().PercorsoImpostazioni = ambiente->cartella->file(QStringLiteral("golvarno.def"));
    // No introduction at start-up and no card after each opening but where measured.
    Impostazioni::scrivi({{QStringLiteral("VisualizzaPrimiPassi"), 0}, {QStringLiteral("VisualizzaScheda"), 0}});
    QDir::setCurrent(ambiente->dir.path());
    ambiente->campionato = ambiente->dir.filePath(QStringLiteral("Campionato a venti squadre.GVN"));
    ambiente->dati = FixtureCampionato::piuGrande(ambiente->campionato).crea();
    stato().MostraSchedaCampionato = false;
}

void registraTutte() { RegistraTutteLeFinestre(); }

// The offscreen platform's notice that it cannot raise a window says nothing about the measures.
QtMessageHandler predefinito = nullptr;

void messaggiQt(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (testo.contains(QLatin1String("does not support raise()"))) return;
    if (predefinito) predefinito(tipo, contesto, testo);
}

bool ripetizioniDate(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0) return true;
    return false;
}

benchmark::internal::Benchmark* misura(benchmark::internal::Benchmark* b, bool ripetizioni)
{
    b->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
    if (!ripetizioni) b->Repetitions(RIPETIZIONI)->ReportAggregatesOnly(true);
    return b;
}

}  // namespace

int main(int argc, char** argv)
{
    // Offscreen on a screen of 1366 x 768, the smallest in common use: the offscreen platform's own 800 x 800 leaves
    // the main window's area narrower than several windows, and every such opening repaints the whole main window
    // for the area's scroll bars, which a user's screen does not.
    QTemporaryDir cartellaSchermo;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        const QString config = cartellaSchermo.filePath(QStringLiteral("schermo.json"));
        QFile f(config);
        if (cartellaSchermo.isValid() && f.open(QIODevice::WriteOnly)) {
            f.write(R"({"screens": [{"name": "Schermo", "x": 0, "y": 0, "width": 1366, "height": 768,)"
                    R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            f.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    QApplication app(argc, argv);
    StileProgramma::installa();
    predefinito = qInstallMessageHandler(messaggiQt);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const bool ripetizioni = ripetizioniDate(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    // No dialog may stop the run: a box would mean a failure, reported with the window that showed it.
    SeamMessaggi::attiva();
    Ambiente a;
    ambiente = &a;
    try {
        prepara();
    } catch (const ErroreDatabase& e) {
        std::fprintf(stderr, "Preparazione non riuscita: %s\n", qPrintable(e.testo()));
        return 1;
    }
    registraTutte();
    const QStringList ids = Finestre::istanza().registrate();
    Finestre::istanza().registra(VUOTA, [] {
        auto* w = new Finestra(VUOTA);
        w->impostaAspetto(QStringLiteral("Finestra vuota"), QStringLiteral("pallone"));
        w->resize(480, 320);
        return w;
    });

    struct Confronto {
        std::string nome, limite, descrizione;
    };
    std::vector<Confronto> confronti{
        {"Avvio (finestra principale disegnata)", "Avvio / finestra vuota con gli stessi menu",
         "QMainWindow vuota con gli stessi menu"},
        {"Comando Apri (scheda disegnata)", "Comando Apri / senza scheda", "lettura del file senza scheda"},
    };
    misura(benchmark::RegisterBenchmark(confronti[0].nome.c_str(), avvio), ripetizioni);
    misura(benchmark::RegisterBenchmark(confronti[0].limite.c_str(), avvioVuoto), ripetizioni);
    misura(benchmark::RegisterBenchmark(confronti[1].nome.c_str(), comandoApri), ripetizioni);
    misura(benchmark::RegisterBenchmark(confronti[1].limite.c_str(), comandoApriSenzaScheda), ripetizioni);
    misura(benchmark::RegisterBenchmark(nomeFinestra(VUOTA).c_str(), finestra, VUOTA), ripetizioni);
    for (const QString& id : ids)
        misura(benchmark::RegisterBenchmark(nomeFinestra(id).c_str(), finestra, id), ripetizioni);

    Raccolta raccolta;
    benchmark::RunSpecifiedBenchmarks(&raccolta);

    const auto tempo = [&](const std::string& nome) {
        const auto t = raccolta.tempi.find(nome);
        return t == raccolta.tempi.end() ? -1.0 : t->second;
    };
    const auto stato = [](double ms) { return ms > BUDGET_MS ? "OLTRE" : "entro"; };
    std::printf("\nMediane in ms; budget %.0f ms (un fotogramma a 60 Hz).\n", BUDGET_MS);
    std::printf("\n%-40s %9s %9s %9s  %-40s %s\n", "Operazione", "tempo", "confronto", "rapporto", "confronto misurato",
                "budget");
    for (const Confronto& c : confronti) {
        const double t = tempo(c.nome), l = tempo(c.limite);
        if (t < 0) continue;
        std::printf("%-40s %9.2f %9.2f %8.1fx  %-40s %s\n", c.nome.c_str(), t, l, l > 0 ? t / l : 0.0,
                    c.descrizione.c_str(), c.nome.rfind("Avvio", 0) == 0 ? "" : stato(t));
    }
    const double vuota = tempo(nomeFinestra(VUOTA));
    std::printf("\n%-8s %-44s %9s %9s  %s   (confronto: finestra vuota, %.2f ms)\n", "Finestra", "Titolo", "tempo",
                "rapporto", "budget", vuota);
    int oltre = 0;
    for (const QString& id : ids) {
        const std::string nome = nomeFinestra(id);
        const double t = tempo(nome);
        if (const auto e = raccolta.errori.find(nome); e != raccolta.errori.end()) {
            std::printf("%-8s %s\n", qPrintable(id), e->second.c_str());
            continue;
        }
        if (t < 0) continue;
        oltre += t > BUDGET_MS;
        std::printf("%-8s %-44s %9.2f %8.1fx  %s\n", qPrintable(id), qPrintable(ambiente->titoli.value(id).left(44)), t,
                    vuota > 0 ? t / vuota : 0.0, stato(t));
    }
    std::printf("\nFinestre oltre il budget: %d\n", oltre);

    benchmark::Shutdown();
    Finestre::istanza().azzera();
    a.principale.reset();
    ChiudiDbCampionato();
    return raccolta.errori.empty() ? 0 : 1;
}
