#include "players/venditagiocatorewindow.h"

#include "core/comando.h"
#include "core/stato.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"
#include "players/rosaqueries.h"
#include "players/rosawindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Vendita di un giocatore");

}  // namespace

VenditaGiocatoreWindow::VenditaGiocatoreWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("vendi"));

    auto* label1 = new QLabel(QStringLiteral("Giocatore da vendere:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    giocatore_ = new QLabel(this);
    giocatore_->setObjectName(QStringLiteral("Label2"));
    QFont grassetto = giocatore_->font();
    grassetto.setBold(true);
    giocatore_->setFont(grassetto);
    giocatore_->setMinimumWidth(giocatore_->fontMetrics().averageCharWidth() * 34);
    auto* label3 = new QLabel(QStringLiteral("Squadra a cui vendere:"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    squadre_ = new ComboCodici(this);
    squadre_->setObjectName(QStringLiteral("Combo1"));
    squadre_->setFont(grassetto);
    squadre_->setToolTip(QStringLiteral("Squadra che acquista il giocatore"));
    label3->setBuddy(squadre_);

    auto* dati = new QGridLayout;
    dati->addWidget(label1, 0, 0);
    dati->addWidget(giocatore_, 0, 1);
    dati->addWidget(label3, 1, 0);
    dati->addWidget(squadre_, 1, 1);
    dati->setColumnStretch(1, 1);

    auto* ok = new Azione(QStringLiteral("Ok"), this);
    ok->conSuggerimento(QStringLiteral("Vendi il giocatore alla squadra selezionata"))->allo([this] { vendi(); });
    auto* annulla = new Azione(QStringLiteral("Annulla"), this);
    annulla->conSuggerimento(QStringLiteral("Annulla la vendita del giocatore"))->allo([this] { chiudi(); });
    auto* guida = new Azione(QStringLiteral("Help"), this);
    guida->conSuggerimento(QStringLiteral("Richiama la guida di Golvarno"))->allo([this] {
        Guida::apri(contestoGuida());
    });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(PulsanteDa(ok, QStringLiteral("Command1"), this));
    pulsanti->addWidget(PulsanteDa(annulla, QStringLiteral("Command2"), this));
    pulsanti->addWidget(PulsanteDa(guida, QStringLiteral("Command3"), this));
    pulsanti->addStretch(1);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(dati);
    tutto->addSpacing(12);
    tutto->addLayout(pulsanti);
}

void VenditaGiocatoreWindow::carica()
{
    const Stato& s = stato();
    codice_ = s.CodGiocatoreCorrente;
    std::optional<GiocatoreInVendita> g;
    if (!EseguiComando(TITOLO, [&] { g = RosaQueries::giocatore(codice_); })) {
        chiudi();
        return;
    }
    if (!g) {
        Messaggio::errore(QStringLiteral("Il giocatore da vendere non si trova più nell'archivio del campionato."),
                          TITOLO);
        chiudi();
        return;
    }
    // Always first name and surname, whatever the style of players' names.
    MostraNome(giocatore_, g->nome + QLatin1Char(' ') + g->cognome);
    // Every team but the player's own, in the list's order.
    ComboCodici::SenzaClick caricamento(squadre_);
    for (int i = 1; i < s.Squadre.size(); ++i) {
        const int codice = s.Squadre[i].Codice.toInt();
        if (codice != g->codSquadra) squadre_->aggiungi(s.Squadre[i].Nome, codice);
    }
    squadre_->setCurrentIndex(squadre_->count() > 0 ? 0 : -1);
}

QString VenditaGiocatoreWindow::squadraScelta() const { return squadre_->testo(); }

void VenditaGiocatoreWindow::vendi()
{
    if (squadre_->currentIndex() < 0) return;
    const QString domanda =
        QStringLiteral("Confermare il passaggio di %1 a %2 ?").arg(giocatore_->text(), squadre_->testo());
    const auto risposta = Messaggio::mostra(domanda, Messaggio::Pulsanti::SiNo, Messaggio::Icona::Domanda, TITOLO, 0);
    if (risposta != Messaggio::Risposta::Si) {
        chiudi();
        return;
    }
    const int codSquadra = squadre_->codiceCorrente();
    bool trasferito = false;
    if (!EseguiComando(TITOLO, [&] { trasferito = RosaQueries::trasferisci(codice_, codSquadra); })) return;
    chiudi();
    if (trasferito)
        Messaggio::avvisa(QStringLiteral("La vendita del giocatore è stata effettuata!"), TITOLO);
    else
        Messaggio::errore(QStringLiteral("Il giocatore da vendere non si trova più nell'archivio del campionato."),
                          TITOLO);
    // The squad window, when it is loaded, lists its team without the player sold.
    if (auto* rosa = qobject_cast<RosaWindow*>(Finestre::istanza().finestra(IdFinestra::Rosa))) rosa->riempi();
}
