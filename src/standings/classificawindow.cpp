#include "standings/classificawindow.h"

#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int CONTESTO_GUIDA = 20;
constexpr int BASE_EVIDENZIA = 110;

// The column of the order's key is tinted, so that the order in use shows at a glance.
const QColor COLORE_ORDINE(255, 248, 204);

// Heading rows: groups over the columns, then each column's own heading.
const QStringList GRUPPI{"",        "",        "",           "Partite",    "Partite",    "Partite",    "Partite",
                         "Reti",    "Reti",    "Reti",       "Media",      "In casa",    "In casa",    "In casa",
                         "In casa", "In casa", "Fuori casa", "Fuori casa", "Fuori casa", "Fuori casa", "Fuori casa"};
const QStringList TITOLI{"Pos.", "Squadra", "Punti", "G",  "V",  "N", "P", "GF", "GS", "DR", "ingl.",
                         "V",    "N",       "P",     "GF", "GS", "V", "N", "P",  "GF", "GS"};

QString numero(qint64 n) { return QString::number(n); }
QString numero(Totale n) { return numero(n.valore()); }

}  // namespace

ClassificaWindow::ClassificaWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(ClassificaQueries::titolo(true, {}), QStringLiteral("classifica"), CONTESTO_GUIDA);

    auto* etichetta = new QLabel(QStringLiteral("Ordina per:"), this);
    ordini_ = new ComboCodici(this);
    ordini_->setObjectName(QStringLiteral("Combo1"));
    ordini_->setToolTip(QStringLiteral("Criterio di ordinamento della classifica"));
    etichetta->setBuddy(ordini_);

    auto* grafico = (new Azione(QStringLiteral("Grafico"), Icona(QStringLiteral("grafico")), this))
                        ->conSuggerimento(QStringLiteral("Grafico della classifica"))
                        ->richiedeFinestra(IdFinestra::GraficoClassifica)
                        ->allo([this] { apriGrafico(); });
    auto* statistiche = (new Azione(QStringLiteral("Statistiche"), Icona(QStringLiteral("statistiche")), this))
                            ->conSuggerimento(QStringLiteral("Statistiche del campionato"))
                            ->richiedeFinestra(IdFinestra::Statistiche)
                            ->allo([this] { apriStatistiche(); });
    auto* chiusura = (new Azione(QStringLiteral("Chiudi"), Icona(QStringLiteral("chiudi")), this))
                         ->conSuggerimento(QStringLiteral("Chiudere questa finestra"))
                         ->allo([this] { chiudi(); });
    auto* aiuto = (new Azione(QStringLiteral("Guida"), Icona(QStringLiteral("guida")), this))
                      ->conSuggerimento(QStringLiteral("Richiamare la guida di Golvarno"))
                      ->allo([] { Guida::apri(CONTESTO_GUIDA); });
    auto* striscia = new QHBoxLayout;
    striscia->setSpacing(2);
    striscia->addWidget(etichetta);
    striscia->addWidget(ordini_);
    striscia->addStretch(1);
    int i = 0;
    for (Azione* a : {grafico, statistiche, chiusura, aiuto}) {
        striscia->addWidget(PannelloDa(a, BASE_EVIDENZIA + i, QStringLiteral("SSPanel1_%1").arg(i), this,
                                       Pannello::Disposizione::IconaASinistra));
        ++i;
    }

    auto* linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);

    griglia_ = new Griglia(this);
    griglia_->setObjectName(QStringLiteral("Grid1"));
    griglia_->impostaColonne(NumeroColonne);
    griglia_->impostaRigheFisse(2);
    griglia_->impostaUnisciRiga0(true);
    for (int c = 0; c < NumeroColonne; ++c)
        griglia_->impostaAllineamentoColonna(c, c == ColSquadra ? Griglia::Allineamento::Sinistra
                                                                : Griglia::Allineamento::Centro);
    intestazioni();

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(striscia);
    tutto->addWidget(linea);
    tutto->addWidget(griglia_, 1);

    connect(ordini_, &ComboCodici::click, this, [this] {
        if (!caricamento_) caricaClassifica();
    });
}

void ClassificaWindow::carica()
{
    caricamento_ = true;
    {
        const ComboCodici::SenzaClick guardia(ordini_);
        ordini_->svuota();
        for (int o = 1; o <= ClassificaQueries::NUMERO_ORDINI; ++o)
            ordini_->aggiungi(ClassificaQueries::nomeOrdine(o), o);
        ordini_->setCurrentIndex(0);
    }
    const Stato& s = stato();
    setWindowTitle(ClassificaQueries::titolo(s.ClassificaCompleta, ClassificaQueries::arcoCorrente()));
    dimensiona();
    caricamento_ = false;
}

void ClassificaWindow::attiva() { caricaClassifica(); }

int ClassificaWindow::ordine() const
{
    const int o = ordini_->codiceCorrente();
    return o >= 1 && o <= ClassificaQueries::NUMERO_ORDINI ? o : int(ClassificaQueries::Punti);
}

int ClassificaWindow::colonnaDellOrdine(int ordine)
{
    switch (ordine) {
    case ClassificaQueries::MediaInglese: return ColMediaInglese;
    case ClassificaQueries::DifferenzaReti: return ColDifferenza;
    case ClassificaQueries::GolFatti: return ColFatti;
    case ClassificaQueries::GolSubiti: return ColSubiti;
    case ClassificaQueries::Vittorie: return ColVinte;
    case ClassificaQueries::VittorieInCasa: return ColVinteCasa;
    case ClassificaQueries::VittorieFuori: return ColVinteFuori;
    case ClassificaQueries::PareggiInCasa: return ColPareggiCasa;
    case ClassificaQueries::PareggiFuori: return ColPareggiFuori;
    case ClassificaQueries::SconfitteInCasa: return ColPerseCasa;
    case ClassificaQueries::SconfitteFuori: return ColPerseFuori;
    case ClassificaQueries::GolFattiInCasa: return ColFattiCasa;
    case ClassificaQueries::GolFattiFuori: return ColFattiFuori;
    case ClassificaQueries::GolSubitiInCasa: return ColSubitiCasa;
    case ClassificaQueries::GolSubitiFuori: return ColSubitiFuori;
    default: return ColPunti;
    }
}

void ClassificaWindow::caricaClassifica()
{
    const Stato& s = stato();
    const bool completa = s.ClassificaCompleta;
    setWindowTitle(ClassificaQueries::titolo(completa, ClassificaQueries::arcoCorrente()));
    const int o = ordine();
    CursoreAttesa();
    const bool riuscito = EseguiComando(windowTitle(), [&] {
        ClassificaQueries::ricalcola(completa);
        riempi(ClassificaQueries::leggi(o));
    });
    // A table that could not be built is not shown: the grid keeps its headings only.
    if (!riuscito) riempi({});
    CursoreNormale();
}

void ClassificaWindow::intestazioni()
{
    griglia_->impostaRighe(2);
    for (int c = 0; c < NumeroColonne; ++c) {
        griglia_->impostaTesto(0, c, GRUPPI[c]);
        griglia_->impostaTesto(1, c, TITOLI[c]);
    }
}

void ClassificaWindow::riempi(const QVector<RigaClassifica>& righe)
{
    griglia_->impostaRidisegno(false);
    intestazioni();
    const int chiave = colonnaDellOrdine(ordine());
    int posizione = 0;
    for (const RigaClassifica& r : righe) {
        const QStringList celle{numero(++posizione),    r.nome,
                                numero(r.punti),        numero(r.giocate),
                                numero(r.totaleVinte),  numero(r.pareggi()),
                                numero(r.perse()),      numero(r.totaleFatti),
                                numero(r.totaleSubiti), numero(r.diffReti),
                                numero(r.mediaInglese), numero(r.vinteInCasa),
                                numero(r.xInCasa),      numero(r.perseInCasa),
                                numero(r.gFattiCasa),   numero(r.gSubitiCasa),
                                numero(r.vinteFuori),   numero(r.xFuori),
                                numero(r.perseFuori),   numero(r.gFattiFuori),
                                numero(r.gSubitiFuori)};
        griglia_->aggiungiRiga(celle);
        const int riga = griglia_->righe() - 1;
        griglia_->impostaGrassetto(riga, ColSquadra, true);
        griglia_->impostaGrassetto(riga, ColPunti, true);
        griglia_->impostaColoreSfondo(riga, chiave, COLORE_ORDINE);
    }
    for (int c = 0; c < NumeroColonne; ++c) griglia_->impostaGrassetto(1, c, c == chiave);
    // A season's figures may run to eleven digits and more (points of 2147483647 for a win): a column grows to show
    // its figures whole.
    griglia_->allargaColonneAlTesto(ColPunti);
    griglia_->impostaCellaCorrente(0, 0);
    griglia_->impostaRidisegno(true);
}

void ClassificaWindow::dimensiona()
{
    // Wide enough for the longest team name (up to the grid's limit for a text); tall enough for every team
    // without scrolling.
    const Stato& s = stato();
    QFont grassetto = griglia_->vista()->font();
    grassetto.setBold(true);
    const QFontMetrics fm(grassetto);
    QStringList nomi{QStringLiteral("Squadra")};
    for (int i = 1; i <= s.NumeroSquadre && i < s.Squadre.size(); ++i) nomi << s.Squadre[i].Nome;
    const int cifre = fm.horizontalAdvance(QStringLiteral("-000")) + 10;
    griglia_->impostaLarghezzaColonnaPx(ColPosizione, fm.horizontalAdvance(QStringLiteral("Pos.")) + 12);
    griglia_->impostaLarghezzaColonnaPx(ColSquadra, 120);
    griglia_->adattaColonnaAlTesto(ColSquadra, nomi, true);
    griglia_->impostaLarghezzaColonnaPx(ColPunti, fm.horizontalAdvance(QStringLiteral("Punti")) + 14);
    for (int c = ColGiocate; c < NumeroColonne; ++c) griglia_->impostaLarghezzaColonnaPx(c, cifre);
    griglia_->impostaLarghezzaColonnaPx(ColMediaInglese,
                                        qMax(cifre, fm.horizontalAdvance(QStringLiteral("Media")) + 14));

    const int righe = qMax(s.NumeroSquadre, 4) + 2;
    const QTableView* v = griglia_->vista();
    griglia_->setMinimumHeight(righe * v->verticalHeader()->defaultSectionSize() + 2 * v->frameWidth() + 2);
}

void ClassificaWindow::apriGrafico()
{
    // The chart shows PUNTISQUADRE as this window has just built it, whole season or span:
    // RicalcolaClassifica is left as it is.
    Finestre::istanza().mostra(IdFinestra::GraficoClassifica);
}

void ClassificaWindow::apriStatistiche()
{
    stato().StatGiornata = false;
    Finestre::istanza().mostra(IdFinestra::Statistiche);
}
