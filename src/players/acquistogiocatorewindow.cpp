#include "players/acquistogiocatorewindow.h"

#include "core/comando.h"
#include "core/listasquadre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/albero.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"
#include "players/acquistogiocatorequeries.h"
#include "players/alberosquadre.h"
#include "players/colonnegriglia.h"

#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Acquisto di un giocatore");
constexpr int CONTESTO_GUIDA = 31;
constexpr int RUOLO_CODICE = Qt::UserRole;

// The name of the team with this code, empty when no team of the championship has it.
QString NomeSquadra(int codice)
{
    const Stato& s = stato();
    for (int n = 1; n < s.Squadre.size(); ++n)
        if (!s.Squadre[n].Codice.isEmpty() && Val(s.Squadre[n].Codice) == codice) return s.Squadre[n].Nome;
    return QString();
}

}  // namespace

AcquistoGiocatoreWindow::AcquistoGiocatoreWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("acquista"), CONTESTO_GUIDA);

    auto* frame3 = new QGroupBox(QStringLiteral("Squadra che deve acquistare"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    combo1_ = new ComboCodici(frame3);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setMinimumContentsLength(30);
    combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* l3 = new QHBoxLayout(frame3);
    l3->addWidget(combo1_);
    l3->addStretch(1);

    auto* frame1 = new QGroupBox(QStringLiteral("Squadre"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    albero_ = new Albero(frame1);
    albero_->setObjectName(QStringLiteral("TreeView1"));
    auto* l1 = new QVBoxLayout(frame1);
    l1->addWidget(albero_);

    auto* frame2 = new QGroupBox(QStringLiteral("Elenco giocatori"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    elenco_ = new QTreeWidget(frame2);
    elenco_->setObjectName(QStringLiteral("ListView1"));
    ImpostaElencoARighe(elenco_, {QStringLiteral("Cognome"), QStringLiteral("Nome"), QStringLiteral("Squadra"),
                                  QStringLiteral("Ruolo")});
    elenco_->header()->setStretchLastSection(false);
    elenco_->setMinimumHeight(320);
    auto* l2 = new QVBoxLayout(frame2);
    l2->addWidget(elenco_);

    acquista_ = new Azione(QStringLiteral("Acquistare"), Icona(QStringLiteral("acquista")), this);
    acquista_->conSuggerimento(QStringLiteral("Acquistare il giocatore selezionato"))->allo([this] {
        AcquistaGiocatore();
    });
    scheda_ = new Azione(QStringLiteral("Scheda giocatore"), Icona(QStringLiteral("giocatore")), this);
    scheda_->conSuggerimento(QStringLiteral("Visualizzare la scheda del giocatore selezionato"))
        ->richiedeFinestra(IdFinestra::SchedeGiocatori)
        ->allo([this] { apriScheda(); });
    auto* chiudi = new Azione(QStringLiteral("Chiudi"), Icona(QStringLiteral("chiudi")), this);
    chiudi->conSuggerimento(QStringLiteral("Chiudere questa finestra"))->allo([this] { Finestra::chiudi(); });
    auto* guida = new Azione(QStringLiteral("Guida"), Icona(QStringLiteral("guida")), this);
    guida->conSuggerimento(QStringLiteral("Richiama la guida di Golvarno"))->allo([this] {
        Guida::apri(contestoGuida());
    });
    auto* pulsanti = new QHBoxLayout;
    int n = 1;
    for (Azione* a : {acquista_, scheda_, chiudi, guida}) {
        QPushButton* b = PulsanteDa(a, QStringLiteral("Command%1").arg(n++), this);
        b->setMinimumWidth(140);
        pulsanti->addWidget(b);
    }
    pulsanti->addStretch(1);

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(frame1);
    corpo->addWidget(frame2, 1);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(frame3);
    tutto->addLayout(corpo, 1);
    tutto->addLayout(pulsanti);

    connect(albero_, &Albero::nodoCliccato, this, [this] { nodoCliccato(); });
    connect(elenco_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const bool scelto = codiceSelezionato() >= 0;
        acquista_->impostaDisponibile(scelto);
        scheda_->impostaDisponibile(scelto);
    });
    acquista_->impostaDisponibile(false);
    scheda_->impostaDisponibile(false);
}

void AcquistoGiocatoreWindow::carica()
{
    const Stato& s = stato();
    // The team handed over, compared exactly; the first team when it names none of the list.
    RiempiListaSquadre(combo1_, s.SquadraCorrente);
    CaricaAlberoSquadre(albero_);
    AdattaAlberoSquadre(albero_);
    ElencaGiocatoriAcquistabili();
    // The list opens on the players of every other team: as wide as their names need, so none is cut.
    int larghezza = 0;
    for (int l : larghezze_) larghezza += l;
    elenco_->setMinimumWidth(larghezza + elenco_->verticalScrollBar()->sizeHint().width() + 2 * elenco_->frameWidth());
}

void AcquistoGiocatoreWindow::nodoCliccato()
{
    QTreeWidgetItem* nodo = albero_->selezionato();
    if (nodo && NomeSquadraDelNodo(nodo) == combo1_->testo()) {
        Messaggio::informa(combo1_->testo() + QStringLiteral(" non può acquistare giocatori che già le appartengono!"),
                           TITOLO);
        return;
    }
    ElencaGiocatoriAcquistabili();
}

void AcquistoGiocatoreWindow::ElencaGiocatoriAcquistabili()
{
    CursoreAttesa();
    elenco_->clear();
    const std::optional<int> squadra = SquadraDelNodo(albero_->selezionato());
    QVector<GiocatoreAcquistabile> giocatori;
    EseguiComando(TITOLO, [&] {
        giocatori = squadra ? AcquistoGiocatoreQueries::diSquadra(*squadra)
                            : AcquistoGiocatoreQueries::esclusaSquadra(combo1_->codiceCorrente());
    });
    const QIcon icona = Icona(QStringLiteral("giocatore"));
    // The team names by code, looked up once for the whole list.
    QHash<int, QString> nomiSquadre;
    for (const GiocatoreAcquistabile& g : giocatori)
        if (!nomiSquadre.contains(g.codSquadra)) nomiSquadre.insert(g.codSquadra, NomeSquadra(g.codSquadra));
    QList<QTreeWidgetItem*> righe;
    for (const GiocatoreAcquistabile& g : giocatori) {
        auto* riga = new QTreeWidgetItem({g.cognome, g.nome, nomiSquadre.value(g.codSquadra), g.ruolo});
        riga->setIcon(0, icona);
        riga->setData(0, RUOLO_CODICE, g.codice);
        righe << riga;
    }
    elenco_->addTopLevelItems(righe);
    // A long list shows its last rows, as they were added.
    if (!righe.isEmpty()) elenco_->scrollToItem(righe.last());
    misuraColonne();
    CursoreNormale();
}

int AcquistoGiocatoreWindow::codiceSelezionato() const
{
    const QList<QTreeWidgetItem*> scelte = elenco_->selectedItems();
    return scelte.isEmpty() ? -1 : scelte.first()->data(0, RUOLO_CODICE).toInt();
}

void AcquistoGiocatoreWindow::AcquistaGiocatore()
{
    const int codice = codiceSelezionato();
    if (codice < 0) return;
    const QString acquirente = combo1_->testo();
    const int codAcquirente = combo1_->codiceCorrente();
    std::optional<GiocatoreAcquistabile> g;
    if (!EseguiComando(TITOLO, [&] { g = AcquistoGiocatoreQueries::giocatore(codice); })) return;
    if (!g) return giocatoreAssente(codice);
    // A player of the buyer's own (listed before the buyer was changed) cannot be bought again.
    if (g->codSquadra == codAcquirente) {
        Messaggio::informa(acquirente + QStringLiteral(" non può acquistare giocatori che già le appartengono!"),
                           TITOLO);
        return;
    }
    if (!Messaggio::conferma(QStringLiteral("Confermare il passaggio di ") + g->nome + QStringLiteral(" ") +
                                 g->cognome + QStringLiteral(" a ") + acquirente + QStringLiteral(" ?"),
                             TITOLO))
        return;
    bool trasferito = false;
    if (!EseguiComando(TITOLO, [&] { trasferito = AcquistoGiocatoreQueries::trasferisci(codice, codAcquirente); }))
        return;
    if (!trasferito) return giocatoreAssente(codice);
    togliDallElenco(codice);
    Messaggio::avvisa(QStringLiteral("Acquisto effettuato!"), TITOLO);
}

void AcquistoGiocatoreWindow::giocatoreAssente(int codice)
{
    // Deleted meanwhile by another window: said, and he leaves the list.
    togliDallElenco(codice);
    Messaggio::errore(
        QStringLiteral("Il giocatore non è più nel file del campionato: l'acquisto non è stato effettuato."), TITOLO);
}

void AcquistoGiocatoreWindow::togliDallElenco(int codice)
{
    for (int i = 0; i < elenco_->topLevelItemCount(); ++i)
        if (elenco_->topLevelItem(i)->data(0, RUOLO_CODICE).toInt() == codice) {
            delete elenco_->takeTopLevelItem(i);
            break;
        }
}

void AcquistoGiocatoreWindow::apriScheda()
{
    const int codice = codiceSelezionato();
    if (codice < 0) return;
    stato().CodGiocatoreCorrente = codice;
    Finestre::istanza().mostra(IdFinestra::SchedeGiocatori);
}

void AcquistoGiocatoreWindow::misuraColonne()
{
    constexpr int MARGINE = 12;  // px around the text
    const QFontMetrics metrica = elenco_->fontMetrics();
    // A name from a file may be of any length: a column grows at most to a name as long as its field.
    const int limite = LarghezzaMassimaNome(metrica);
    int squadre = 0;
    const Stato& s = stato();
    for (int n = 1; n < s.Squadre.size(); ++n) squadre = qMax(squadre, metrica.horizontalAdvance(s.Squadre[n].Nome));
    for (int c = 0; c < 4; ++c) {
        int serve = LarghezzaContenuto(elenco_, c);
        if (c == 2) serve = qMax(serve, squadre);
        larghezze_[c] = qMax(larghezze_[c], qMin(serve + MARGINE, limite));
    }
    adattaColonne();
}

void AcquistoGiocatoreWindow::adattaColonne()
{
    int totale = 0;
    for (int l : larghezze_) totale += l;
    const int spazio = elenco_->viewport()->width() - totale;
    int dati = 0;
    for (int c = 0; c < 4; ++c) {
        int l = larghezze_[c];
        if (spazio > 0 && totale > 0) l += c < 3 ? spazio * larghezze_[c] / totale : spazio - dati;
        if (spazio > 0 && c < 3) dati += l - larghezze_[c];
        elenco_->setColumnWidth(c, l);
    }
}

void AcquistoGiocatoreWindow::resizeEvent(QResizeEvent* e)
{
    Finestra::resizeEvent(e);
    adattaColonne();
}
