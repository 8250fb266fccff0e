#include "players/rosawindow.h"

#include "core/comando.h"
#include "core/listasquadre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Rosa della squadra");
const QString TITOLO_ELIMINA = QStringLiteral("Eliminare giocatore");
constexpr int BASE_EVIDENZIA = 70;

enum Colonna { MAGLIA, COGNOME, NOME, RUOLO, NAZIONE, PRESENZE, RETI, NASCITA, LUOGO, ALTEZZA, PESO, COLONNE };
constexpr int LARGHEZZE[COLONNE] = {800, 2000, 2000, 2000, 500, 500, 500, 800, 800, 800, 800};  // twips
const QStringList INTESTAZIONE{"Maglia n°", "Cognome", "Nome",   "Ruolo",   "Naz.", "Pres.",
                               "Reti",      "Nato il", "Nato A", "Altezza", "Peso"};

// A grey caption box of the tool strips.
QLabel* Didascalia(const QString& nome, const QString& testo, QWidget* parent)
{
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setStyleSheet(QStringLiteral("color: #606060;"));
    return l;
}

ComboCodici* ListaStriscia(const QString& nome, const QString& suggerimento, QWidget* parent)
{
    auto* c = new ComboCodici(parent);
    c->setObjectName(nome);
    c->setToolTip(suggerimento);
    c->setMinimumContentsLength(22);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

}  // namespace

RosaWindow::RosaWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("squadra"));

    comando(InfoSocieta, "societa", "Info\nsocietà", "Informazioni societarie", IdFinestra::InformazioniSocietarie)
        ->allo([this] { apriConSquadra(IdFinestra::InformazioniSocietarie); });
    comando(Marcatori, "marcatori", "Marcatori", "Classifica marcatori della squadra", IdFinestra::Marcatori)
        ->allo([this] { apriConSquadra(IdFinestra::Marcatori); });
    comando(TabellaMarcia, "tabella", "Tabella\ndi marcia", "Tabellino di marcia", IdFinestra::CalendarioSquadra)
        ->allo([this] { apriConSquadra(IdFinestra::CalendarioSquadra); });
    comando(Statistiche, "statistiche", "Statistiche\nandamento", "Statistiche sull'andamento",
            IdFinestra::AndamentoSquadra)
        ->allo([this] { apriConSquadra(IdFinestra::AndamentoSquadra); });
    comando(GraficoAndamento, "grafico", "Grafico\nandamento", "Grafico di andamento", IdFinestra::GraficoAndamento)
        ->allo([this] { apriConSquadra(IdFinestra::GraficoAndamento); });
    comando(Ricerca, "cerca", "Ricerca\nrisultati", "Ricerca risultati", IdFinestra::RicercaRisultati)->allo([this] {
        apriConSquadra(IdFinestra::RicercaRisultati);
    });
    comando(Scheda, "giocatore", "Scheda\ngiocatore", "Informazioni sul giocatore", IdFinestra::SchedeGiocatori)
        ->allo([this] { apriScheda(); });
    comando(Nuovo, "aggiungi", "Nuovo\ngiocatore", "Inserire nuovo giocatore", IdFinestra::NuovoGiocatore)
        ->allo([this] { apriConSquadra(IdFinestra::NuovoGiocatore); });
    comando(Elimina, "elimina", "Elimina\ngiocatore", "Eliminare il giocatore")->allo([this] { eliminaDallaRosa(); });
    comando(Acquisto, "acquista", "Acquista\ngiocatore", "Acquistare un giocatore", IdFinestra::AcquistoGiocatore)
        ->allo([this] { apriConSquadra(IdFinestra::AcquistoGiocatore); });
    comando(Vendita, "vendi", "Vendi\ngiocatore", "Vendere giocatore", IdFinestra::VenditaGiocatore)->allo([this] {
        apriVendita();
    });
    comando(Guida, "guida", "Guida", "Richiama la guida di Golvarno")->allo([this] { Guida::apri(contestoGuida()); });

    squadre_ = ListaStriscia(QStringLiteral("Combo1"), QStringLiteral("Squadra di cui visualizzare la rosa"), this);
    QFont grassetto = squadre_->font();
    grassetto.setBold(true);
    squadre_->setFont(grassetto);
    ordini_ = ListaStriscia(QStringLiteral("Combo2"), QStringLiteral("Ordine dell'elenco dei giocatori"), this);

    // Two tool strips: the team's windows and the team list, then the players' commands and the order;
    // the two lists line up on the right.
    auto* strisce = new QGridLayout;
    strisce->setHorizontalSpacing(6);
    auto striscia = [&](int riga, std::initializer_list<int> indici, QLabel* didascalia, ComboCodici* lista) {
        auto* pannelli = new QHBoxLayout;
        pannelli->setSpacing(2);
        for (int i : indici) {
            if (i == Guida) pannelli->addSpacing(16);
            pannelli->addWidget(PannelloDa(comandi_[i], BASE_EVIDENZIA + i, QStringLiteral("SSPanel1_%1").arg(i), this,
                                           Pannello::Disposizione::IconaSopra));
        }
        pannelli->addStretch(1);
        strisce->addLayout(pannelli, riga, 0);
        didascalia->setBuddy(lista);
        strisce->addWidget(didascalia, riga, 1, Qt::AlignRight | Qt::AlignVCenter);
        strisce->addWidget(lista, riga, 2, Qt::AlignVCenter);
    };
    striscia(0, {InfoSocieta, Marcatori, TabellaMarcia, Statistiche, GraficoAndamento, Ricerca},
             Didascalia(QStringLiteral("Text1"), QStringLiteral("Squadra"), this), squadre_);
    striscia(1, {Scheda, Nuovo, Elimina, Acquisto, Vendita, Guida},
             Didascalia(QStringLiteral("Text2"), QStringLiteral("Ordine elenco"), this), ordini_);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(strisce);

    auto* frame1 = new QGroupBox(QStringLiteral("Rosa dei giocatori"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* riquadro = new QVBoxLayout(frame1);
    griglia_ = new Griglia(frame1);
    griglia_->setObjectName(QStringLiteral("Grid1"));
    griglia_->impostaColonne(COLONNE);
    griglia_->impostaSelezioneRiga(true);
    for (int c = 0; c < COLONNE; ++c) griglia_->impostaAllineamentoColonna(c, Griglia::Allineamento::Centro);
    // Two dozen players in view.
    griglia_->setMinimumHeight(griglia_->sizeHint().height() * 3 / 2);
    riquadro->addWidget(griglia_);
    tutto->addWidget(frame1, 1);

    connect(squadre_, &ComboCodici::click, this, [this] {
        stato().SquadraCorrente = squadra();
        riempi();
    });
    connect(ordini_, &ComboCodici::click, this, [this] { riempi(); });
    connect(griglia_, &Griglia::doppioClic, this, [this] {
        if (comandi_[Scheda]->isEnabled()) comandi_[Scheda]->trigger();
    });
    connect(griglia_, &Griglia::rigaSelezionata, this, [this] { aggiornaComandi(); });
}

Azione* RosaWindow::comando(Comando c, const QString& icona, const QString& testo, const QString& suggerimento,
                            const QString& finestra)
{
    auto* a = new Azione(testo, Icona(icona), this);
    a->setObjectName(QStringLiteral("Azione%1").arg(int(c)));
    a->conSuggerimento(suggerimento);
    if (!finestra.isEmpty()) a->richiedeFinestra(finestra);
    comandi_.insert(c, a);
    return a;
}

void RosaWindow::carica()
{
    Stato& s = stato();
    RiempiListaSquadre(squadre_, s.SquadraCorrente);
    {
        ComboCodici::SenzaClick caricamento(ordini_);
        for (const QString& voce : RosaQueries::ordini(s.NumerazioneTradizionale)) ordini_->aggiungi(voce);
        ordini_->setCurrentIndex(0);
    }
    s.SquadraCorrente = squadra();
    riempi();
    appenaCaricata_ = true;
}

void RosaWindow::attiva()
{
    if (appenaCaricata_)
        appenaCaricata_ = false;
    else
        riempi();
}

QString RosaWindow::squadra() const { return squadre_->testo(); }

void RosaWindow::riempi()
{
    CursoreAttesa();
    const int codSquadra = squadre_->codiceCorrente();
    const int ordine = ordini_->currentIndex() + 1;
    QVector<GiocatoreRosa> rosa;
    if (!EseguiComando(TITOLO, [&] { rosa = RosaQueries::rosa(codSquadra, ordine, stato().NumerazioneTradizionale); }))
        rosa.clear();
    giocatori_ = rosa;

    griglia_->impostaRidisegno(false);
    griglia_->impostaRigheFisse(0);
    griglia_->impostaRighe(0);
    griglia_->aggiungiRiga(INTESTAZIONE);
    for (const GiocatoreRosa& g : giocatori_) griglia_->aggiungiRiga(g.celle());
    // An empty squad keeps one empty row under the heading.
    if (giocatori_.isEmpty()) griglia_->aggiungiRiga({});
    griglia_->impostaRigheFisse(1);
    for (int r = 1; r <= giocatori_.size(); ++r) {
        griglia_->impostaGrassetto(r, COGNOME, true);
        griglia_->impostaGrassetto(r, NOME, true);
    }
    adattaColonne();
    griglia_->impostaRidisegno(true);
    // After a fill the last player is the selected one; with no player, the heading.
    if (giocatori_.isEmpty())
        griglia_->impostaCellaCorrente(0, PESO);
    else
        griglia_->impostaCellaCorrente(int(giocatori_.size()), NOME);
    setWindowTitle(TITOLO + QStringLiteral(": ") + TestoInRiga(squadra()));
    aggiornaComandi();
    CursoreNormale();
}

// The columns of names, role and birth date as wide as their longest text (up to the width of a long name), never
// narrower than designed; a long place of birth is cut short rather than widen the window further.
void RosaWindow::adattaColonne()
{
    QVector<QStringList> testi(COLONNE);
    for (const GiocatoreRosa& g : giocatori_) {
        testi[COGNOME] << g.cognome;
        testi[NOME] << g.nome;
        testi[RUOLO] << g.ruolo;
        testi[NASCITA] << g.dataNascita;
    }
    for (int c = 0; c < COLONNE; ++c) {
        griglia_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
        griglia_->adattaColonnaAlTesto(c, testi[c], c == COGNOME || c == NOME);
    }
}

const GiocatoreRosa* RosaWindow::selezionato() const
{
    const int riga = griglia_->rigaCorrente();
    return riga >= 1 && riga <= giocatori_.size() ? &giocatori_[riga - 1] : nullptr;
}

void RosaWindow::aggiornaComandi()
{
    const bool giocatore = selezionato() != nullptr;
    for (Comando c : {Scheda, Elimina, Vendita}) comandi_[c]->impostaDisponibile(giocatore);
}

void RosaWindow::apriConSquadra(const QString& id)
{
    stato().SquadraCorrente = squadra();
    Finestre::istanza().mostra(id);
}

void RosaWindow::apriScheda()
{
    const GiocatoreRosa* g = selezionato();
    if (!g) return;
    stato().CodGiocatoreCorrente = g->codice;
    Finestre::istanza().mostra(IdFinestra::SchedeGiocatori);
}

void RosaWindow::apriVendita()
{
    const GiocatoreRosa* g = selezionato();
    if (!g) return;
    Stato& s = stato();
    s.SquadraCorrente = squadra();
    s.CodGiocatoreCorrente = g->codice;
    // A sale window still open on another player opens again on this one.
    Finestre::istanza().scarica(IdFinestra::VenditaGiocatore);
    Finestre::istanza().mostra(IdFinestra::VenditaGiocatore);
}

void RosaWindow::eliminaDallaRosa()
{
    const GiocatoreRosa* g = selezionato();
    if (!g) return;
    const int codice = g->codice;
    const QString domanda = QStringLiteral("Eliminare dalla rosa di %1\r\r%2 %3 ?").arg(squadra(), g->cognome, g->nome);
    if (!Messaggio::conferma(domanda, TITOLO_ELIMINA)) return;
    if (EseguiComando(TITOLO_ELIMINA, [codice] { RosaQueries::elimina(codice); })) riempi();
}
