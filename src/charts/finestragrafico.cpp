#include "charts/finestragrafico.h"

#include "core/cercagiornate.h"
#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/grafico.h"
#include "platform/guida.h"
#include "platform/icone.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

constexpr int TWIPS_PER_PIXEL = 15;

}  // namespace

FinestraGrafico::FinestraGrafico(const QString& id, const Impostazioni& impostazioni, QWidget* parent)
    : Finestra(id, parent), impostazioni_(impostazioni)
{
    impostaAspetto(impostazioni.titolo, impostazioni.icona, CONTESTO_GUIDA);

    auto* tutto = new QVBoxLayout(this);
    rigaScelte_ = new QHBoxLayout;
    if (impostazioni.listaSquadre) {
        auto* label1 = new QLabel(QStringLiteral("Squadra"), this);
        label1->setObjectName(QStringLiteral("Label1"));
        combo1_ = new ComboCodici(this);
        combo1_->setObjectName(QStringLiteral("Combo1"));
        combo1_->setAccessibleName(QStringLiteral("Squadra"));
        combo1_->setMinimumContentsLength(30);
        combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        label1->setBuddy(combo1_);
        rigaScelte_->addWidget(label1);
        rigaScelte_->addWidget(combo1_);
        rigaScelte_->addStretch(1);
        connect(combo1_, &ComboCodici::click, this, [this] { disegna(); });
    }
    tutto->addLayout(rigaScelte_);

    rigaGrafico_ = new QHBoxLayout;
    auto* frame1 = new QFrame(this);
    frame1->setObjectName(impostazioni.nomeRiquadro);
    frame1->setFrameShape(QFrame::StyledPanel);
    pila_ = new QStackedLayout(frame1);
    pila_->setContentsMargins(2, 2, 2, 2);
    if (!impostazioni.suggerimento.isEmpty()) {
        auto* label2 = new QLabel(impostazioni.suggerimento, frame1);
        label2->setObjectName(QStringLiteral("Label2"));
        label2->setAlignment(Qt::AlignCenter);
        label2->setWordWrap(true);
        label2->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
        pila_->addWidget(label2);
    }
    grafico_ = new Grafico(frame1);
    grafico_->setObjectName(QStringLiteral("Chart1"));
    grafico_->setMinimumSize(620, 380);
    pila_->addWidget(grafico_);
    rigaGrafico_->addWidget(frame1, 1);
    tutto->addLayout(rigaGrafico_, 1);

    auto* copia = (new Azione(impostazioni.testoCopia, Icona(QStringLiteral("copia")), this))
                      ->conSuggerimento(impostazioni.suggerimentoCopia)
                      ->allo([this] { this->copia(); });
    auto* chiudi = (new Azione(QStringLiteral("Chiudi"), Icona(QStringLiteral("chiudi")), this))
                       ->conSuggerimento(QStringLiteral("Chiudere questa finestra"))
                       ->allo([this] { this->chiudi(); });
    auto* guida = (new Azione(QStringLiteral("Help"), Icona(QStringLiteral("guida")), this))
                      ->conSuggerimento(impostazioni.suggerimentoGuida)
                      ->allo([this] { Guida::apri(contestoGuida()); });
    rigaPulsanti_ = new QHBoxLayout;
    rigaPulsanti_->addStretch(1);
    primoPulsante_ = rigaPulsanti_->count();
    rigaPulsanti_->addWidget(PulsanteDa(copia, impostazioni.nomeCopia, this));
    rigaPulsanti_->addWidget(PulsanteDa(chiudi, impostazioni.nomeChiudi, this));
    rigaPulsanti_->addWidget(PulsanteDa(guida, impostazioni.nomeGuida, this));
    rigaPulsanti_->addStretch(1);
    tutto->addLayout(rigaPulsanti_);
}

bool FinestraGrafico::graficoVisibile() const { return pila_->currentWidget() == grafico_; }

void FinestraGrafico::mostraGrafico() { pila_->setCurrentWidget(grafico_); }

QString FinestraGrafico::squadra() const { return combo1_ ? combo1_->testo() : QString(); }

void FinestraGrafico::carica()
{
    if (combo1_) riempiSquadre(combo1_);
    CursoreAttesa();
    bool caricata = !impostazioni_.cercaStop ||
                    leggi([this] { stop_ = GraficiQueries::CercaGiornataDaGiocare(stato().NumeroSquadre); });
    caricata = caricata && prepara();
    caricata = caricata && (!impostazioni_.disegnaAlCaricamento || disegna());
    CursoreNormale();
    if (!caricata) {
        chiudi();
        return;
    }
    // The first focus goes to the first of the choices above the chart: the chart and the buttons below it, made
    // first with the frame, come first in the tab order.
    for (int i = 0; i < rigaScelte_->count(); ++i)
        if (QWidget* c = rigaScelte_->itemAt(i)->widget(); c && c->focusPolicy() != Qt::NoFocus && !c->isHidden()) {
            c->setFocus();
            return;
        }
}

void FinestraGrafico::copia() { grafico_->copiaEAvvisa(); }

bool FinestraGrafico::leggi(const std::function<void()>& lettura) const
{
    return EseguiComando(impostazioni_.titolo, lettura);
}

int FinestraGrafico::righePerGiornata() { return 2 * GiornatePerGirone(stato().NumeroSquadre); }

int FinestraGrafico::righePerPartita() { return 2 * qMax(0, stato().NumeroSquadre - 1); }

void FinestraGrafico::impostaRigheNumerate(int righe) { grafico_->impostaRigheNumerate(righe); }

void FinestraGrafico::scriviSerie(int serie, const ValoriPerGiornata& valori)
{
    for (int r = 0; r < valori.size(); ++r)
        if (valori[r]) grafico_->impostaValore(r + 1, serie, *valori[r]);
}

void FinestraGrafico::scriviSerie(int serie, const QVector<qint64>& valori)
{
    for (int r = 0; r < valori.size(); ++r) grafico_->impostaValore(r + 1, serie, double(valori[r]));
}

void FinestraGrafico::riempiSquadre(ComboCodici* lista)
{
    const Stato& s = stato();
    ComboCodici::SenzaClick caricamento(lista);
    lista->svuota();
    for (int i = 1; i < s.Squadre.size(); ++i) lista->aggiungi(s.Squadre[i].Nome, s.Squadre[i].Codice.toInt());
    int scelta = s.SquadraCorrente.isEmpty() && lista->count() > 0 ? 0 : -1;
    for (int i = 0; i < lista->count() && !s.SquadraCorrente.isEmpty(); ++i)
        if (lista->testo(i) == s.SquadraCorrente) {
            scelta = i;
            break;
        }
    lista->setCurrentIndex(scelta);
}

QPushButton* FinestraGrafico::aggiungiPulsante(Azione* azione, const QString& nome)
{
    QPushButton* p = PulsanteDa(azione, nome, this);
    rigaPulsanti_->insertWidget(primoPulsante_++, p);
    return p;
}

void FinestraGrafico::showEvent(QShowEvent* e)
{
    Finestra::showEvent(e);
    if (posizionata_ || !impostazioni_.posizione) return;
    auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sotto || !sotto->mdiArea()) return;
    posizionata_ = true;
    sotto->move(*impostazioni_.posizione / TWIPS_PER_PIXEL);
}
