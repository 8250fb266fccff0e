#include "calendar/ricercarisultatiwindow.h"

#include "calendar/comandiconsultazione.h"
#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/combocodici.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"

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
const QString FORM_SCHEDA = QStringLiteral("Form3");

QLabel* NuovaEtichetta(const QString& nome, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace

RicercaRisultatiWindow::RicercaRisultatiWindow(QWidget* parent) : Finestra(QStringLiteral("Form13"), parent)
{
    impostaAspetto(TITOLO, QStringLiteral("cerca"), CONTESTO_GUIDA);

    auto* principale = new QVBoxLayout(this);

    auto* frame1 = new QGroupBox(QStringLiteral("Cerca le partite di"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* modulo = new QFormLayout(frame1);
    combo1_ = new ComboCodici(frame1);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setToolTip(QStringLiteral("Scegliere la squadra"));
    combo1_->setMinimumContentsLength(20);
    modulo->addRow(QStringLiteral("Squadra"), combo1_);
    auto* partenza = new QHBoxLayout;
    combo2_ = new ComboCodici(frame1);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setToolTip(QStringLiteral("Giornata da cui partire"));
    combo2_->setMinimumContentsLength(3);
    option1_ = new QRadioButton(QStringLiteral("Andata"), frame1);
    option1_->setObjectName(QStringLiteral("Option1"));
    option2_ = new QRadioButton(QStringLiteral("Ritorno"), frame1);
    option2_->setObjectName(QStringLiteral("Option2"));
    option1_->setChecked(true);
    partenza->addWidget(combo2_);
    partenza->addSpacing(12);
    partenza->addWidget(option1_);
    partenza->addWidget(option2_);
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

    precedente_ =
        PulsanteConsultazione(QStringLiteral("Command1"), QStringLiteral("Precedente"), QStringLiteral("precedente"),
                              QStringLiteral("La partita precedente della squadra"), this);
    successivo_ =
        PulsanteConsultazione(QStringLiteral("Command2"), QStringLiteral("Successivo"), QStringLiteral("successivo"),
                              QStringLiteral("La partita successiva della squadra"), this);
    scheda_ = PulsanteConsultazione(QStringLiteral("Command3"), QStringLiteral("Scheda della partita"),
                                    QStringLiteral("formazioni"),
                                    QStringLiteral("Visualizzare la scheda della partita trovata"), this);
    QPushButton* chiudi =
        PulsanteConsultazione(QStringLiteral("Command4"), QStringLiteral("Chiudi"), QStringLiteral("chiudi"),
                              QStringLiteral("Chiudere questa finestra"), this);
    QPushButton* guida =
        PulsanteConsultazione(QStringLiteral("Command5"), QStringLiteral("Help"), QStringLiteral("guida"),
                              QStringLiteral("Richiama la guida di Golvarno"), this);
    auto* pulsanti = new QHBoxLayout;
    for (QPushButton* b : {precedente_, successivo_, scheda_}) pulsanti->addWidget(b);
    pulsanti->addStretch(1);
    pulsanti->addWidget(chiudi);
    pulsanti->addWidget(guida);
    principale->addLayout(pulsanti);

    connect(combo1_, &ComboCodici::click, this, [this] {
        if (impostazione_) return;
        leggiPartite();
        posizioneScelta();
    });
    connect(combo2_, &ComboCodici::click, this, [this] {
        if (!impostazione_) posizioneScelta();
    });
    connect(option1_, &QRadioButton::toggled, this, [this](bool acceso) {
        if (acceso && !impostazione_) posizioneScelta();
    });
    connect(option2_, &QRadioButton::toggled, this, [this](bool acceso) {
        if (acceso && !impostazione_) posizioneScelta();
    });
    connect(precedente_, &QPushButton::clicked, this, [this] { passa(false); });
    connect(successivo_, &QPushButton::clicked, this, [this] { passa(true); });
    connect(scheda_, &QPushButton::clicked, this, [this] {
        if (const PartitaGirone* p = partitaMostrata()) ApriSchedaPartita(*p);
    });
    connect(chiudi, &QPushButton::clicked, this, [this] { Finestra::chiudi(); });
    connect(guida, &QPushButton::clicked, this, [this] { Guida::apri(contestoGuida()); });
    connect(&Finestre::istanza(), &Finestre::registrazioneCambiata, this, [this] { aggiornaControlli(); });
}

void RicercaRisultatiWindow::carica()
{
    const Stato& s = stato();
    // Room for the longest pairing, so that the window keeps its width while stepping.
    int nome = 0;
    for (const TipoSquadra& t : s.Squadre) nome = qMax(nome, incontro_->fontMetrics().horizontalAdvance(t.Nome));
    incontro_->setMinimumWidth(2 * nome + incontro_->fontMetrics().horizontalAdvance(QStringLiteral(" - ")) + 8);

    impostazione_ = true;
    combo1_->svuota();
    for (int i = 1; i <= s.NumeroSquadre && i < s.Squadre.size(); ++i)
        combo1_->aggiungi(s.Squadre[i].Nome, s.Squadre[i].Codice.toInt());
    // No team preselected: the user chooses one.
    if (s.SquadraCorrente.isEmpty() || !combo1_->selezionaTesto(s.SquadraCorrente)) combo1_->setCurrentIndex(-1);
    CaricaGiornate();
    const int giornata = qBound(1, s.GiornataCorrente, qMax(1, s.GiornateInserite));
    combo2_->selezionaCodice(giornata);
    (s.Andata ? option1_ : option2_)->setChecked(true);
    impostazione_ = false;
    leggiPartite();
    posizioneScelta();
}

void RicercaRisultatiWindow::attiva()
{
    // Results entered meanwhile show at once; the place stays where it was.
    if (combo2_->count() != qMax(0, stato().GiornateInserite)) {
        impostazione_ = true;
        const qint32 giornata = combo2_->codiceCorrente();
        CaricaGiornate();
        if (!combo2_->selezionaCodice(giornata) && combo2_->count() > 0) combo2_->setCurrentIndex(combo2_->count() - 1);
        impostazione_ = false;
    }
    leggiPartite();
    mostraPosizione();
}

const PartitaGirone* RicercaRisultatiWindow::partitaMostrata() const
{
    return mostrata_ && *mostrata_ < partite_.size() ? &partite_[*mostrata_] : nullptr;
}

QString RicercaRisultatiWindow::squadra() const { return combo1_->currentIndex() >= 0 ? combo1_->testo() : QString(); }

void RicercaRisultatiWindow::CaricaGiornate()
{
    combo2_->svuota();
    for (int g = 1; g <= stato().GiornateInserite; ++g) combo2_->aggiungi(QString::number(g), g);
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
    posizione_ = RicercaPartiteQueries::posizione(option1_->isChecked(), combo2_->codiceCorrente());
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
        incontro_->setText(p->casa + QStringLiteral(" - ") + p->ospite);
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
        incontro_->setText(squadra() + QStringLiteral(" non gioca in questa giornata"));
        risultato_->clear();
    }
    aggiornaControlli();
}

void RicercaRisultatiWindow::aggiornaControlli()
{
    // The match day and leg follow the match on show.
    impostazione_ = true;
    if (posizione_.giornata > 0) combo2_->selezionaCodice(posizione_.giornata);
    (posizione_.andata ? option1_ : option2_)->setChecked(true);
    impostazione_ = false;
    const bool attiva = !squadra().isEmpty() && combo2_->count() > 0;
    precedente_->setEnabled(attiva);
    successivo_->setEnabled(attiva);
    scheda_->setEnabled(partitaMostrata() && Finestre::istanza().registrata(FORM_SCHEDA));
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
