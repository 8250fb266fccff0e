#include "calendar/partitedarecuperarewindow.h"

#include "calendar/comandiconsultazione.h"
#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/griglia.h"
#include "platform/icone.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Partite da recuperare");
constexpr int CONTESTO_GUIDA = 12;
const QString FORM_RISULTATI = QStringLiteral("Form5");
const QString FORM_SCHEDA = QStringLiteral("Form3");

enum Colonna { GIRONE, GIORNATA, DATA, CASA, OSPITE, COLONNE };

}  // namespace

PartiteDaRecuperareWindow::PartiteDaRecuperareWindow(QWidget* parent) : Finestra(QStringLiteral("Form42"), parent)
{
    impostaAspetto(TITOLO, QStringLiteral("calendario"), CONTESTO_GUIDA);

    auto* principale = new QVBoxLayout(this);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    principale->addWidget(label1_);

    grid1_ = new Griglia(this);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->impostaColonne(COLONNE);
    grid1_->impostaRigheFisse(1);
    grid1_->aggiungiRiga(QStringLiteral("Girone\tGiornata\tData\tCasa\tOspite"));
    for (int c = 0; c < COLONNE; ++c) grid1_->impostaGrassetto(0, c, true);
    grid1_->impostaAllineamentoColonna(GIRONE, Griglia::Allineamento::Centro);
    grid1_->impostaAllineamentoColonna(GIORNATA, Griglia::Allineamento::Centro);
    grid1_->impostaAllineamentoColonna(DATA, Griglia::Allineamento::Centro);
    principale->addWidget(grid1_, 1);

    risultati_ = PulsanteConsultazione(
        QStringLiteral("Command1"), QStringLiteral("Inserisci risultati"), QStringLiteral("risultati"),
        QStringLiteral("Inserire i risultati della giornata della partita scelta"), this);
    scheda_ = PulsanteConsultazione(QStringLiteral("Command2"), QStringLiteral("Scheda della partita"),
                                    QStringLiteral("formazioni"),
                                    QStringLiteral("Visualizzare la scheda della partita scelta"), this);
    QPushButton* chiudi =
        PulsanteConsultazione(QStringLiteral("Command3"), QStringLiteral("Chiudi"), QStringLiteral("chiudi"),
                              QStringLiteral("Chiudere questa finestra"), this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(risultati_);
    pulsanti->addWidget(scheda_);
    pulsanti->addStretch(1);
    pulsanti->addWidget(chiudi);
    principale->addLayout(pulsanti);

    connect(risultati_, &QPushButton::clicked, this, [this] { apriRisultati(); });
    connect(scheda_, &QPushButton::clicked, this, [this] {
        if (const PartitaGirone* p = scelta()) ApriSchedaPartita(*p);
    });
    connect(chiudi, &QPushButton::clicked, this, [this] { Finestra::chiudi(); });
    connect(grid1_, &Griglia::rigaSelezionata, this, [this] { aggiornaComandi(); });
    // A command whose window is not available yet stays disabled until it is.
    connect(&Finestre::istanza(), &Finestre::registrazioneCambiata, this, [this] { aggiornaComandi(); });
    aggiornaComandi();
}

void PartiteDaRecuperareWindow::carica()
{
    const QFontMetrics fm(grid1_->font());
    int nome = fm.horizontalAdvance(QStringLiteral("Ospite"));
    for (const TipoSquadra& s : stato().Squadre) nome = qMax(nome, fm.horizontalAdvance(s.Nome));
    grid1_->impostaLarghezzaColonnaPx(GIRONE, fm.horizontalAdvance(QStringLiteral("Ritorno")) + 24);
    grid1_->impostaLarghezzaColonnaPx(GIORNATA, fm.horizontalAdvance(QStringLiteral("Giornata")) + 24);
    grid1_->impostaLarghezzaColonnaPx(DATA, fm.horizontalAdvance(QStringLiteral("00/00/0000")) + 36);
    grid1_->impostaLarghezzaColonnaPx(CASA, nome + 24);
    grid1_->impostaLarghezzaColonnaPx(OSPITE, nome + 24);
}

void PartiteDaRecuperareWindow::attiva() { CaricaElenco(); }

void PartiteDaRecuperareWindow::CaricaElenco()
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

    grid1_->impostaRidisegno(false);
    grid1_->impostaRighe(1);
    int corrente = partite_.isEmpty() ? 0 : 1;
    for (int i = 0; i < partite_.size(); ++i) {
        const PartitaGirone& p = partite_[i];
        grid1_->aggiungiRiga(QStringList{p.girone(), QString::number(p.giornata), p.data, p.casa, p.ospite}.join('\t'));
        if (p.codPart == codPrima && p.andata == andataPrima) corrente = i + 1;
    }
    grid1_->impostaRidisegno(true);
    grid1_->impostaRigaCorrente(corrente);

    if (!letto)
        label1_->setText(QStringLiteral("Impossibile leggere le partite da recuperare."));
    else if (partite_.isEmpty())
        label1_->setText(QStringLiteral("Non ci sono partite da recuperare."));
    else if (partite_.size() == 1)
        label1_->setText(QStringLiteral("Una partita da recuperare, non disputata in una giornata già giocata:"));
    else
        label1_->setText(
            QStringLiteral("%1 partite da recuperare, non disputate in giornate già giocate:").arg(partite_.size()));
    aggiornaComandi();
}

const PartitaGirone* PartiteDaRecuperareWindow::scelta() const
{
    const int riga = grid1_->rigaCorrente();
    return riga >= 1 && riga <= partite_.size() ? &partite_[riga - 1] : nullptr;
}

void PartiteDaRecuperareWindow::aggiornaComandi()
{
    const bool riga = scelta() != nullptr;
    risultati_->setEnabled(riga && Finestre::istanza().registrata(FORM_RISULTATI));
    scheda_->setEnabled(riga && Finestre::istanza().registrata(FORM_SCHEDA));
}

void PartiteDaRecuperareWindow::apriRisultati()
{
    const PartitaGirone* p = scelta();
    if (!p) return;
    Stato& s = stato();
    s.GiornataCorrente = p->giornata;
    s.Andata = p->andata;
    Finestre::istanza().mostra(FORM_RISULTATI);
}
