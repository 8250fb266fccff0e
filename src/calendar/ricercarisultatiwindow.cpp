#include "calendar/ricercarisultatiwindow.h"

#include "calendar/comandiconsultazione.h"
#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Navigatore: ricerca risultati");
constexpr int CONTESTO_GUIDA = 17;

QLabel* NuovaEtichetta(const QString& nome, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace

RicercaRisultatiWindow::RicercaRisultatiWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("cerca"), CONTESTO_GUIDA);

    auto* principale = new QVBoxLayout(this);

    auto* frame1 = new QGroupBox(QStringLiteral("Cerca le partite di"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* modulo = new QFormLayout(frame1);
    squadre_ = new ComboCodici(frame1);
    squadre_->setObjectName(QStringLiteral("Combo1"));
    squadre_->setToolTip(QStringLiteral("Scegliere la squadra"));
    squadre_->setMinimumContentsLength(20);
    modulo->addRow(QStringLiteral("Squadra"), squadre_);
    auto* partenza = new QHBoxLayout;
    elencoGiornate_ = new ComboCodici(frame1);
    elencoGiornate_->setObjectName(QStringLiteral("Combo2"));
    elencoGiornate_->setToolTip(QStringLiteral("Giornata da cui partire"));
    elencoGiornate_->setMinimumContentsLength(3);
    andata_ = new QRadioButton(QStringLiteral("Andata"), frame1);
    andata_->setObjectName(QStringLiteral("Option1"));
    ritorno_ = new QRadioButton(QStringLiteral("Ritorno"), frame1);
    ritorno_->setObjectName(QStringLiteral("Option2"));
    andata_->setChecked(true);
    partenza->addWidget(elencoGiornate_);
    partenza->addSpacing(12);
    partenza->addWidget(andata_);
    partenza->addWidget(ritorno_);
    partenza->addStretch(1);
    modulo->addRow(QStringLiteral("Dalla giornata"), partenza);
    principale->addWidget(frame1);

    auto* frame2 = new QGroupBox(QStringLiteral("Partita"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* partita = new QVBoxLayout(frame2);
    giornata_ = NuovaEtichetta(QStringLiteral("Label1"), frame2);
    data_ = NuovaEtichetta(QStringLiteral("Label2"), frame2);
    incontro_ = NuovaEtichetta(QStringLiteral("Label3"), frame2);
    risultato_ = NuovaEtichetta(QStringLiteral("Label4"), frame2);
    QFont grande = incontro_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.25);
    incontro_->setFont(grande);
    risultato_->setFont(grande);
    incontro_->setAlignment(Qt::AlignCenter);
    risultato_->setAlignment(Qt::AlignCenter);
    partita->addWidget(giornata_);
    partita->addWidget(data_);
    partita->addSpacing(6);
    partita->addWidget(incontro_);
    partita->addWidget(risultato_);
    partita->addStretch(1);
    principale->addWidget(frame2, 1);

    precedente_ = Azione::crea(QStringLiteral("Precedente"), QStringLiteral("La partita precedente della squadra"),
                               this, QStringLiteral("precedente"))
                      ->allo([this] { passa(false); });
    successivo_ = Azione::crea(QStringLiteral("Successivo"), QStringLiteral("La partita successiva della squadra"),
                               this, QStringLiteral("successivo"))
                      ->allo([this] { passa(true); });
    scheda_ =
        Azione::crea(QStringLiteral("Scheda della partita"),
                     QStringLiteral("Visualizzare la scheda della partita trovata"), this, QStringLiteral("formazioni"))
            ->richiedeFinestra(IdFinestra::SchedaPartita)
            ->allo([this] {
                if (const PartitaGirone* p = partitaMostrata()) ApriSchedaPartita(*p);
            });
    auto* chiusura = Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"), this,
                                  QStringLiteral("chiudi"))
                         ->allo([this] { chiudi(); });
    auto* guida = Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama la guida di Golvarno"), this,
                               QStringLiteral("guida"))
                      ->allo([this] { Guida::apri(contestoGuida()); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(PulsanteDa(precedente_, QStringLiteral("Command1"), this));
    pulsanti->addWidget(PulsanteDa(successivo_, QStringLiteral("Command2"), this));
    pulsanti->addWidget(PulsanteDa(scheda_, QStringLiteral("Command3"), this));
    pulsanti->addStretch(1);
    pulsanti->addWidget(PulsanteDa(chiusura, QStringLiteral("Command4"), this));
    pulsanti->addWidget(PulsanteDa(guida, QStringLiteral("Command5"), this));
    principale->addLayout(pulsanti);

    connect(squadre_, &ComboCodici::click, this, [this] {
        if (impostazione_) return;
        leggiPartite();
        posizioneScelta();
    });
    connect(elencoGiornate_, &ComboCodici::click, this, [this] {
        if (!impostazione_) posizioneScelta();
    });
    connect(andata_, &QRadioButton::toggled, this, [this](bool acceso) {
        if (acceso && !impostazione_) posizioneScelta();
    });
    connect(ritorno_, &QRadioButton::toggled, this, [this](bool acceso) {
        if (acceso && !impostazione_) posizioneScelta();
    });
}

void RicercaRisultatiWindow::carica()
{
    const Stato& s = stato();
    // Room for the longest pairing, so that the window keeps its width while stepping.
    const QFontMetrics fm = incontro_->fontMetrics();
    incontro_->setMinimumWidth(2 * LarghezzaNomi(fm, s.NomiSquadre) +
                               fm.horizontalAdvance(QLatin1String(SeparatoreIncontro)) + 8);

    impostazione_ = true;
    squadre_->svuota();
    for (int i = 1; i <= s.NumeroSquadre && i < s.Squadre.size(); ++i)
        squadre_->aggiungi(s.Squadre[i].Nome, s.Squadre[i].Codice.toInt());
    // No team preselected: the user chooses one.
    if (s.SquadraCorrente.isEmpty() || !squadre_->selezionaTesto(s.SquadraCorrente)) squadre_->setCurrentIndex(-1);
    caricaGiornate();
    const int giornata = qBound(1, s.GiornataCorrente, qMax(1, s.GiornateInserite));
    elencoGiornate_->selezionaCodice(giornata);
    (s.Andata ? andata_ : ritorno_)->setChecked(true);
    impostazione_ = false;
    leggiPartite();
    posizioneScelta();
}

void RicercaRisultatiWindow::attiva()
{
    // Results entered meanwhile show at once; the place stays where it was.
    if (elencoGiornate_->count() != qMax(0, stato().GiornateInserite)) {
        impostazione_ = true;
        const qint32 giornata = elencoGiornate_->codiceCorrente();
        caricaGiornate();
        if (!elencoGiornate_->selezionaCodice(giornata) && elencoGiornate_->count() > 0)
            elencoGiornate_->setCurrentIndex(elencoGiornate_->count() - 1);
        impostazione_ = false;
    }
    leggiPartite();
    mostraPosizione();
}

const PartitaGirone* RicercaRisultatiWindow::partitaMostrata() const
{
    return mostrata_ && *mostrata_ < partite_.size() ? &partite_[*mostrata_] : nullptr;
}

QString RicercaRisultatiWindow::squadra() const
{
    return squadre_->currentIndex() >= 0 ? squadre_->testo() : QString();
}

void RicercaRisultatiWindow::caricaGiornate()
{
    elencoGiornate_->svuota();
    for (int g = 1; g <= stato().GiornateInserite; ++g) elencoGiornate_->aggiungi(QString::number(g), g);
}

bool RicercaRisultatiWindow::leggiPartite()
{
    QVector<PartitaGirone> partite;
    bool letto = true;
    if (!squadra().isEmpty()) {
        CursoreAttesa();
        letto = EseguiComando(
            TITOLO, [&] { partite = RicercaPartiteQueries::dellaSquadra(squadra(), stato().GiornateInserite); });
        CursoreNormale();
    }
    partite_ = partite;
    return letto;
}

void RicercaRisultatiWindow::posizioneScelta()
{
    posizione_ = RicercaPartiteQueries::posizione(andata_->isChecked(), elencoGiornate_->codiceCorrente());
    mostraPosizione();
}

void RicercaRisultatiWindow::mostraPosizione()
{
    mostrata_.reset();
    // On a match: that match again, else the team's match in the chosen match day, if any.
    if (posizione_.codPart != 0)
        for (int i = 0; i < partite_.size(); ++i)
            if (partite_[i].codPart == posizione_.codPart && partite_[i].andata == posizione_.andata) mostrata_ = i;
    if (!mostrata_) mostrata_ = RicercaPartiteQueries::nellaGiornata(partite_, posizione_.andata, posizione_.giornata);
    if (mostrata_) posizione_ = RicercaPartiteQueries::posizione(partite_[*mostrata_]);

    const QString girone = posizione_.andata ? QStringLiteral("andata") : QStringLiteral("ritorno");
    if (const PartitaGirone* p = partitaMostrata()) {
        giornata_->setText(QStringLiteral("Giornata n° %1 - girone di %2").arg(p->giornata).arg(girone));
        data_->setText(p->data.isEmpty() ? QStringLiteral("(Data non specificata)")
                                         : QStringLiteral("Data: ") + p->data);
        MostraIncontro(incontro_, p->casa, p->ospite);
        risultato_->setText(p->risultato());
    } else if (squadra().isEmpty() || posizione_.giornata <= 0) {
        giornata_->setText(posizione_.giornata <= 0 ? QStringLiteral("Nessuna giornata registrata nel calendario.")
                                                    : QStringLiteral("Scegliere una squadra."));
        data_->clear();
        incontro_->clear();
        risultato_->clear();
    } else {
        giornata_->setText(QStringLiteral("Giornata n° %1 - girone di %2").arg(posizione_.giornata).arg(girone));
        data_->clear();
        MostraNome(incontro_, squadra());
        incontro_->setText(incontro_->text() + QStringLiteral(" non gioca in questa giornata"));
        risultato_->clear();
    }
    aggiornaControlli();
}

void RicercaRisultatiWindow::aggiornaControlli()
{
    // The match day and leg follow the match on show.
    impostazione_ = true;
    if (posizione_.giornata > 0) elencoGiornate_->selezionaCodice(posizione_.giornata);
    (posizione_.andata ? andata_ : ritorno_)->setChecked(true);
    impostazione_ = false;
    const bool attiva = !squadra().isEmpty() && elencoGiornate_->count() > 0;
    precedente_->impostaDisponibile(attiva);
    successivo_->impostaDisponibile(attiva);
    scheda_->impostaDisponibile(partitaMostrata() != nullptr);
}

void RicercaRisultatiWindow::passa(bool avanti)
{
    if (squadra().isEmpty()) return;
    if (!leggiPartite()) return;
    const std::optional<int> i = avanti ? RicercaPartiteQueries::successiva(partite_, posizione_)
                                        : RicercaPartiteQueries::precedente(partite_, posizione_);
    if (!i) {
        QString testo;
        if (posizione_.codPart != 0)
            testo = avanti ? QStringLiteral("Questa è l'ultima partita di %1 in calendario.")
                           : QStringLiteral("Questa è la prima partita di %1 in calendario.");
        else
            testo = avanti ? QStringLiteral("Non ci sono partite di %1 dopo questa giornata.")
                           : QStringLiteral("Non ci sono partite di %1 prima di questa giornata.");
        Messaggio::avvisa(testo.arg(squadra()), TITOLO);
        mostraPosizione();
        return;
    }
    posizione_ = RicercaPartiteQueries::posizione(partite_[*i]);
    mostraPosizione();
}
