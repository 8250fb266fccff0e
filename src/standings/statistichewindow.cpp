#include "standings/statistichewindow.h"

#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/totale.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString TITOLO_GIORNATA = QStringLiteral("Statistiche della giornata");
const QString TITOLO_CAMPIONATO = QStringLiteral("Statistiche del campionato");
constexpr int CONTESTO_GUIDA = 20;
constexpr int RIGHE_CIFRE = 9;  // the longest list: the match day's
constexpr int RIGHE_PRIMATI = 9;

// An average as the statistics show it: at most four decimals, no trailing zeros, decimal comma.
QString testoMedia(Totale a, Totale b) { return NullInVuoto(QVariant(Media(a.valore(), b.valore()))); }

// A share of the matches, in percent with one decimal. The statistics read the figures of the file's table as they
// stand: the percentage is a Totale.
QString testoQuota(Totale n, Totale partite)
{
    return QLocale(QLocale::Italian, QLocale::Italy).toString(Media((n * 100).valore(), partite.valore()), 'f', 1) +
           QStringLiteral(" %");
}

Griglia* NuovaGriglia(const QString& nome, const QStringList& titoli, QWidget* padre)
{
    auto* g = new Griglia(padre);
    g->setObjectName(nome);
    g->impostaColonne(int(titoli.size()));
    g->impostaRigheFisse(1);
    g->impostaSelezioneRiga(false);
    g->impostaRighe(1);
    for (int c = 0; c < titoli.size(); ++c) g->impostaTesto(0, c, titoli[c]);
    return g;
}

// A column grows to show its figures whole (a season at its fields' limits runs to eleven digits and more), and the
// grid's bounds with it.
void AllargaPerCifre(Griglia* g, int colonna)
{
    const int prima = g->larghezzaColonnaPx(colonna);
    g->allargaColonneAlTesto(colonna, colonna);
    const int inPiu = g->larghezzaColonnaPx(colonna) - prima;
    if (inPiu <= 0) return;
    g->setMinimumWidth(g->minimumWidth() + inPiu);
    if (g->maximumWidth() < QWIDGETSIZE_MAX) g->setMaximumWidth(g->maximumWidth() + inPiu);
}

void AltezzaPerRighe(Griglia* g, int righe)
{
    const QTableView* v = g->vista();
    g->setMinimumHeight(righe * v->verticalHeader()->defaultSectionSize() + 2 * v->frameWidth() + 2);
}

}  // namespace

StatisticheWindow::StatisticheWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO_CAMPIONATO, QStringLiteral("statistiche"), CONTESTO_GUIDA);

    intestazione_ = new QLabel(this);
    intestazione_->setObjectName(QStringLiteral("Label1"));
    QFont grassetto = intestazione_->font();
    grassetto.setBold(true);
    grassetto.setPointSizeF(grassetto.pointSizeF() * 1.1);
    intestazione_->setFont(grassetto);

    auto* riquadroCifre = new QGroupBox(QStringLiteral("Partite e reti"), this);
    riquadroCifre->setObjectName(QStringLiteral("Frame1"));
    cifre_ = NuovaGriglia(QStringLiteral("Grid1"), {"", "Totale", "Per partita"}, riquadroCifre);
    cifre_->impostaAllineamentoColonna(0, Griglia::Allineamento::Sinistra);
    cifre_->impostaAllineamentoColonna(1, Griglia::Allineamento::Centro);
    cifre_->impostaAllineamentoColonna(2, Griglia::Allineamento::Centro);
    riquadroCifre->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* l1 = new QVBoxLayout(riquadroCifre);
    l1->addWidget(cifre_);

    riquadroPrimati_ = new QGroupBox(QStringLiteral("Primati delle squadre"), this);
    riquadroPrimati_->setObjectName(QStringLiteral("Frame2"));
    primati_ = NuovaGriglia(QStringLiteral("Grid2"), {"", "Squadra", "Valore"}, riquadroPrimati_);
    primati_->impostaAllineamentoColonna(0, Griglia::Allineamento::Sinistra);
    primati_->impostaAllineamentoColonna(1, Griglia::Allineamento::Sinistra);
    primati_->impostaAllineamentoColonna(2, Griglia::Allineamento::Centro);
    auto* l2 = new QVBoxLayout(riquadroPrimati_);
    l2->addWidget(primati_);

    QPushButton* chiusura = PulsanteDa(
        Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"), this)->allo([this] {
            chiudi();
        }),
        QStringLiteral("Command1"), this);
    QPushButton* guida = PulsanteDa(
        Azione::crea(QStringLiteral("Guida"), QStringLiteral("Richiamare la guida di Golvarno"), this)->allo([] {
            Guida::apri(CONTESTO_GUIDA);
        }),
        QStringLiteral("Command2"), this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    for (QPushButton* b : {chiusura, guida}) {
        b->setMinimumWidth(100);
        pulsanti->addWidget(b);
    }

    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(riquadroCifre);
    riquadri->addWidget(riquadroPrimati_, 1);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(intestazione_);
    tutto->addLayout(riquadri, 1);
    tutto->addLayout(pulsanti);
}

void StatisticheWindow::carica()
{
    // The contents come with the activation that follows; the window takes the size of its mode now.
    dimensiona();
    impostaModo(stato().StatGiornata);
}

void StatisticheWindow::attiva() { aggiorna(); }

void StatisticheWindow::dimensiona()
{
    QFont grassetto = cifre_->vista()->font();
    grassetto.setBold(true);
    const QFontMetrics fm(grassetto);
    cifre_->impostaLarghezzaColonnaPx(0, fm.horizontalAdvance(QStringLiteral("Vittorie fuori casa")) + 20);
    cifre_->impostaLarghezzaColonnaPx(1, fm.horizontalAdvance(QStringLiteral("Totale")) + 24);
    cifre_->impostaLarghezzaColonnaPx(2, fm.horizontalAdvance(QStringLiteral("Per partita")) + 24);
    primati_->impostaLarghezzaColonnaPx(0, fm.horizontalAdvance(QStringLiteral("Miglior rendimento fuori casa")) + 20);
    // Room for two long team names, as on a tie, each up to the grid's limit for a text.
    const Stato& s = stato();
    int nome = fm.horizontalAdvance(QStringLiteral("Squadra"));
    for (int i = 1; i <= s.NumeroSquadre && i < s.Squadre.size(); ++i)
        nome = qMax(nome, fm.horizontalAdvance(s.Squadre[i].Nome));
    nome = qMin(nome, primati_->larghezzaMassimaTesto(true));
    const int piena = qMax(200, 2 * nome + fm.horizontalAdvance(QStringLiteral(", ")) + 16);
    const int minima = qMin(piena, 12 * fm.averageCharWidth() + 16);
    primati_->impostaLarghezzaColonnaPx(1, piena);
    primati_->impostaLarghezzaColonnaPx(2, fm.horizontalAdvance(QStringLiteral("100 gol subiti")) + 16);
    cifre_->setMinimumWidth(cifre_->sizeHint().width());
    cifre_->setMaximumWidth(cifre_->minimumWidth());
    // The team column takes the room the window has: two names side by side (a tie), down to about twelve characters.
    // Where the window has less room than its names need (a small screen), a name or a tie is cut with "…" and shown
    // whole in its tooltip, rather than the records' values going out of sight.
    primati_->setMinimumWidth(primati_->sizeHint().width() - piena + minima);
    primati_->impostaColonnaElastica(1, minima, piena);
    AltezzaPerRighe(cifre_, RIGHE_CIFRE + 1);
    AltezzaPerRighe(primati_, RIGHE_PRIMATI + 1);
}

void StatisticheWindow::aggiorna()
{
    const Stato& s = stato();
    const bool giornata = s.StatGiornata;
    const int numero = s.GiornataCorrente;
    const bool andata = s.Andata;
    impostaModo(giornata);
    svuota();
    intestazione_->setText(giornata ? QStringLiteral("Giornata n° %1 del girone di %2")
                                          .arg(numero)
                                          .arg(andata ? QStringLiteral("andata") : QStringLiteral("ritorno"))
                                    : QStringLiteral("Dati dell'ultima classifica calcolata"));
    CursoreAttesa();
    const int vittoria = s.PuntiVittoria, pareggio = s.PuntiPareggio, sconfitta = s.PuntiSconfitta;
    const bool riuscito = EseguiComando(windowTitle(), [&] {
        if (giornata)
            mostraGiornata(StatisticheQueries::giornata(numero, andata));
        else
            mostraCampionato(StatisticheQueries::campionato(vittoria, pareggio, sconfitta));
    });
    if (!riuscito) svuota();
    CursoreNormale();
}

void StatisticheWindow::impostaModo(bool giornata)
{
    setWindowTitle(giornata ? TITOLO_GIORNATA : TITOLO_CAMPIONATO);
    riquadroPrimati_->setVisible(!giornata);
    // Opened on a match day and now showing the championship: the frame grows to hold the records.
    auto* sotto = qobject_cast<QMdiSubWindow*>(contenitore());
    if (!sotto) return;
    const QSize serve = sizeHint();
    const QSize ha = sotto->contentsRect().size();
    if (serve.width() > ha.width() || serve.height() > ha.height())
        sotto->resize(sotto->size() +
                      QSize(qMax(0, serve.width() - ha.width()), qMax(0, serve.height() - ha.height())));
}

void StatisticheWindow::svuota()
{
    for (Griglia* g : {cifre_, primati_}) g->impostaRighe(1);
}

void StatisticheWindow::aggiungiVoce(const QString& voce, Totale totale, const QString& perPartita)
{
    cifre_->aggiungiRiga({voce, QString::number(totale.valore()), perPartita});
}

void StatisticheWindow::mostraRisultati(const RisultatiPartite& r)
{
    aggiungiVoce(QStringLiteral("Partite disputate"), r.partite, QString());
    aggiungiVoce(QStringLiteral("Vittorie in casa"), r.vittorieCasa, testoQuota(r.vittorieCasa, r.partite));
    aggiungiVoce(QStringLiteral("Pareggi"), r.pareggi, testoQuota(r.pareggi, r.partite));
    aggiungiVoce(QStringLiteral("Vittorie fuori casa"), r.vittorieFuori, testoQuota(r.vittorieFuori, r.partite));
    aggiungiVoce(QStringLiteral("Gol segnati"), r.gol(), testoMedia(r.gol(), r.partite));
    aggiungiVoce(QStringLiteral("Gol in casa"), r.golCasa, testoMedia(r.golCasa, r.partite));
    aggiungiVoce(QStringLiteral("Gol fuori casa"), r.golFuori, testoMedia(r.golFuori, r.partite));
}

void StatisticheWindow::mostraGiornata(const StatisticheGiornata& s)
{
    cifre_->impostaRidisegno(false);
    mostraRisultati(s.risultati);
    aggiungiVoce(QStringLiteral("Ammonizioni"), s.ammonizioni, testoMedia(s.ammonizioni, s.risultati.partite));
    aggiungiVoce(QStringLiteral("Espulsioni"), s.espulsioni, testoMedia(s.espulsioni, s.risultati.partite));
    for (int r = 1; r < cifre_->righe(); ++r) cifre_->impostaGrassetto(r, 0, true);
    AllargaPerCifre(cifre_, 1);
    cifre_->impostaRidisegno(true);
}

void StatisticheWindow::mostraCampionato(const StatisticheCampionato& s)
{
    cifre_->impostaRidisegno(false);
    primati_->impostaRidisegno(false);
    mostraRisultati(s.risultati);
    for (int r = 1; r < cifre_->righe(); ++r) cifre_->impostaGrassetto(r, 0, true);
    for (const Primato& p : s.primati) {
        const bool tenuto = !p.squadre.isEmpty();
        primati_->aggiungiRiga({p.nome, tenuto ? p.squadre.join(QStringLiteral(", ")) : QStringLiteral("-"),
                                tenuto ? p.testoValore() : QString()});
        primati_->impostaGrassetto(primati_->righe() - 1, 0, true);
    }
    AllargaPerCifre(cifre_, 1);
    AllargaPerCifre(primati_, 2);
    cifre_->impostaRidisegno(true);
    primati_->impostaRidisegno(true);
}
