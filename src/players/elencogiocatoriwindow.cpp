#include "players/elencogiocatoriwindow.h"

#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "players/elencogiocatoriqueries.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Elenco completo dei giocatori");
constexpr int CONTESTO_GUIDA = 60;
constexpr int COLONNE = 4;
constexpr int LARGHEZZA = 2000;  // twips, every column

// The place of a letter's button among the letter buttons: "A" 0, then "B" 2 to "Z" 26.
int IndiceLettera(int i) { return i == 0 ? 0 : i + 1; }

}  // namespace

ElencoGiocatoriWindow::ElencoGiocatoriWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("giocatore"), CONTESTO_GUIDA);

    grid1_ = new Griglia(this);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->impostaColonne(COLONNE);
    grid1_->setMinimumHeight(grid1_->sizeHint().height() * 3 / 2);

    auto* frame7 = new QFrame(this);
    frame7->setObjectName(QStringLiteral("Frame7"));
    auto* l7 = new QHBoxLayout(frame7);
    l7->setContentsMargins(0, 0, 0, 0);
    l7->setSpacing(1);
    l7->addStretch(1);
    for (int i = 0; i < 26; ++i) {
        const QChar lettera('A' + i);
        auto* b = new QPushButton(QString(lettera), frame7);
        b->setObjectName(QStringLiteral("Command2_%1").arg(IndiceLettera(i)));
        b->setAccessibleName(QStringLiteral("Lettera %1").arg(lettera));
        // Narrow buttons: the 26 letters stand in one row under the grid.
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("W")) + 14);
        connect(b, &QPushButton::clicked, this, [this, lettera] { saltaAllaLettera(lettera); });
        l7->addWidget(b);
        lettere_ << b;
    }
    l7->addStretch(1);

    scheda_ = new Azione(QStringLiteral("Scheda giocatore"), Icona(QStringLiteral("giocatore")), this);
    scheda_->conSuggerimento(QStringLiteral("Visualizza la scheda del giocatore selezionato"))
        ->richiedeFinestra(IdFinestra::SchedeGiocatori)
        ->allo([this] { apriScheda(); });
    auto* chiudi = new Azione(QStringLiteral("Chiudi"), Icona(QStringLiteral("chiudi")), this);
    chiudi->conSuggerimento(QStringLiteral("Chiudere questa finestra"))->allo([this] { Finestra::chiudi(); });
    auto* guida = new Azione(QStringLiteral("Help"), Icona(QStringLiteral("guida")), this);
    guida->conSuggerimento(QStringLiteral("Richiama guida di Golvarno"))->allo([] { Guida::apri(CONTESTO_GUIDA); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(PulsanteDa(scheda_, QStringLiteral("Command1"), this));
    pulsanti->addStretch(1);
    pulsanti->addWidget(PulsanteDa(chiudi, QStringLiteral("Command3"), this));
    pulsanti->addWidget(PulsanteDa(guida, QStringLiteral("Command4"), this));

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(grid1_, 1);
    tutto->addWidget(frame7);
    tutto->addLayout(pulsanti);

    connect(grid1_, &Griglia::doppioClic, this, [this] { apriScheda(); });
}

void ElencoGiocatoriWindow::carica() { riempi(); }

void ElencoGiocatoriWindow::riempi()
{
    CursoreAttesa();
    grid1_->impostaRidisegno(false);
    for (int c = 0; c < COLONNE; ++c) grid1_->impostaLarghezzaColonna(c, LARGHEZZA);
    grid1_->impostaRigheFisse(0);
    grid1_->impostaRighe(0);
    codici_.clear();

    QVector<GiocatoreElenco> giocatori;
    EseguiComando(TITOLO, [&] { giocatori = ElencoGiocatoriQueries::giocatori(); });
    for (const GiocatoreElenco& g : giocatori) {
        grid1_->aggiungiRiga({g.cognome, g.nome, g.squadra, g.ruolo});
        codici_ << g.codice;
    }
    grid1_->aggiungiRiga({"Cognome", "Nome", "Squadra", "Ruolo"}, 0);
    if (grid1_->righe() == 1) grid1_->aggiungiRiga({});
    grid1_->impostaRigheFisse(1);
    for (int c = 0; c < COLONNE; ++c) grid1_->impostaAllineamento(0, c, Griglia::Allineamento::Centro);
    for (int r = 1; r <= codici_.size(); ++r)
        for (int c : {0, 1}) grid1_->impostaGrassetto(r, c, true);
    grid1_->allargaColonneAlTesto();
    grid1_->impostaCellaCorrente(grid1_->righe() - 1, 1);
    grid1_->impostaRidisegno(true);
    CursoreNormale();

    const bool vuoto = codici_.isEmpty();
    scheda_->impostaDisponibile(!vuoto);
    for (QPushButton* b : lettere_) b->setEnabled(!vuoto);
    if (vuoto) Messaggio::errore(QStringLiteral("Non ci sono giocatori registrati nelle squadre!"), TITOLO);
}

void ElencoGiocatoriWindow::apriScheda()
{
    const int riga = grid1_->rigaCorrente();
    if (riga < 1 || riga > codici_.size()) return;
    stato().CodGiocatoreCorrente = codici_[riga - 1];
    Finestre::istanza().mostra(IdFinestra::SchedeGiocatori);
}

void ElencoGiocatoriWindow::saltaAllaLettera(QChar lettera)
{
    CursoreAttesa();
    std::optional<int> codice;
    const bool letto = EseguiComando(TITOLO, [&] { codice = ElencoGiocatoriQueries::primoConIniziale(lettera); });
    CursoreNormale();
    if (!letto) return;
    if (!codice) {
        Messaggio::errore(
            QStringLiteral("Non c'è nessun giocatore che abbia un cognme che inizi con la lettera ") + lettera, TITOLO);
        return;
    }
    // A player added since the list was filled is not in it: the grid stays where it is.
    const int indice = codici_.indexOf(*codice);
    if (indice >= 0) grid1_->impostaRigaInAlto(indice + 1);
}
