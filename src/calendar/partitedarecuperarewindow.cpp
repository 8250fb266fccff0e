#include "calendar/partitedarecuperarewindow.h"

#include "calendar/comandiconsultazione.h"
#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/griglia.h"
#include "platform/icone.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Partite da recuperare");
constexpr int CONTESTO_GUIDA = 12;

enum Colonna { GIRONE, GIORNATA, DATA, CASA, OSPITE, COLONNE };

}  // namespace

PartiteDaRecuperareWindow::PartiteDaRecuperareWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("calendario"), CONTESTO_GUIDA);

    auto* principale = new QVBoxLayout(this);
    intestazione_ = new QLabel(this);
    intestazione_->setObjectName(QStringLiteral("Label1"));
    principale->addWidget(intestazione_);

    griglia_ = new Griglia(this);
    griglia_->setObjectName(QStringLiteral("Grid1"));
    griglia_->impostaColonne(COLONNE);
    griglia_->impostaRigheFisse(1);
    griglia_->aggiungiRiga({"Girone", "Giornata", "Data", "Casa", "Ospite"});
    for (int c = 0; c < COLONNE; ++c) griglia_->impostaGrassetto(0, c, true);
    griglia_->impostaAllineamentoColonna(GIRONE, Griglia::Allineamento::Centro);
    griglia_->impostaAllineamentoColonna(GIORNATA, Griglia::Allineamento::Centro);
    griglia_->impostaAllineamentoColonna(DATA, Griglia::Allineamento::Centro);
    principale->addWidget(griglia_, 1);

    risultati_ = Azione::crea(QStringLiteral("Inserisci risultati"),
                              QStringLiteral("Inserire i risultati della giornata della partita scelta"), this,
                              QStringLiteral("risultati"))
                     ->richiedeFinestra(IdFinestra::InserimentoRisultati)
                     ->allo([this] { apriRisultati(); });
    scheda_ =
        Azione::crea(QStringLiteral("Scheda della partita"),
                     QStringLiteral("Visualizzare la scheda della partita scelta"), this, QStringLiteral("formazioni"))
            ->richiedeFinestra(IdFinestra::SchedaPartita)
            ->allo([this] {
                if (const PartitaGirone* p = scelta()) ApriSchedaPartita(*p);
            });
    auto* chiusura = Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"), this,
                                  QStringLiteral("chiudi"))
                         ->allo([this] { chiudi(); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(PulsanteDa(risultati_, QStringLiteral("Command1"), this));
    pulsanti->addWidget(PulsanteDa(scheda_, QStringLiteral("Command2"), this));
    pulsanti->addStretch(1);
    pulsanti->addWidget(PulsanteDa(chiusura, QStringLiteral("Command3"), this));
    principale->addLayout(pulsanti);

    connect(griglia_, &Griglia::rigaSelezionata, this, [this] { aggiornaComandi(); });
    aggiornaComandi();
}

void PartiteDaRecuperareWindow::carica()
{
    const QFontMetrics fm(griglia_->font());
    griglia_->impostaLarghezzaColonnaPx(GIRONE, fm.horizontalAdvance(QStringLiteral("Ritorno")) + 24);
    griglia_->impostaLarghezzaColonnaPx(GIORNATA, fm.horizontalAdvance(QStringLiteral("Giornata")) + 24);
    griglia_->impostaLarghezzaColonnaPx(DATA, fm.horizontalAdvance(QStringLiteral("00/00/0000")) + 36);
    for (int c : {CASA, OSPITE}) {
        griglia_->impostaLarghezzaColonnaPx(c, fm.horizontalAdvance(QStringLiteral("Ospite")) + 24);
        griglia_->adattaColonnaAlTesto(c, stato().NomiSquadre);
    }
}

void PartiteDaRecuperareWindow::attiva() { caricaElenco(); }

void PartiteDaRecuperareWindow::caricaElenco()
{
    // The row chosen before stays chosen when it is still in the list.
    const PartitaGirone* prima = scelta();
    const int codPrima = prima ? prima->codPart : 0;
    const bool andataPrima = prima ? prima->andata : true;

    CursoreAttesa();
    QVector<PartitaGirone> partite;
    const bool letto = EseguiComando(TITOLO, [&] { partite = RicercaPartiteQueries::daRecuperare(); });
    CursoreNormale();
    if (!letto) partite.clear();
    partite_ = partite;

    griglia_->impostaRidisegno(false);
    griglia_->impostaRighe(1);
    int corrente = partite_.isEmpty() ? 0 : 1;
    for (int i = 0; i < partite_.size(); ++i) {
        const PartitaGirone& p = partite_[i];
        griglia_->aggiungiRiga({p.girone(), QString::number(p.giornata), p.data, p.casa, p.ospite});
        if (p.codPart == codPrima && p.andata == andataPrima) corrente = i + 1;
    }
    griglia_->impostaRidisegno(true);
    griglia_->impostaRigaCorrente(corrente);

    if (!letto)
        intestazione_->setText(QStringLiteral("Impossibile leggere le partite da recuperare."));
    else if (partite_.isEmpty())
        intestazione_->setText(QStringLiteral("Non ci sono partite da recuperare."));
    else if (partite_.size() == 1)
        intestazione_->setText(QStringLiteral("Una partita da recuperare, non disputata in una giornata già giocata:"));
    else
        intestazione_->setText(
            QStringLiteral("%1 partite da recuperare, non disputate in giornate già giocate:").arg(partite_.size()));
    aggiornaComandi();
}

const PartitaGirone* PartiteDaRecuperareWindow::scelta() const
{
    const int riga = griglia_->rigaCorrente();
    return riga >= 1 && riga <= partite_.size() ? &partite_[riga - 1] : nullptr;
}

void PartiteDaRecuperareWindow::aggiornaComandi()
{
    const bool riga = scelta() != nullptr;
    risultati_->impostaDisponibile(riga);
    scheda_->impostaDisponibile(riga);
}

void PartiteDaRecuperareWindow::apriRisultati()
{
    const PartitaGirone* p = scelta();
    if (!p) return;
    Stato& s = stato();
    s.GiornataCorrente = p->giornata;
    s.Andata = p->andata;
    Finestre::istanza().mostra(IdFinestra::InserimentoRisultati);
}
