#include "rankings/confrontogiocatoriwindow.h"

#include "core/cercagiornate.h"
#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/grafico.h"
#include "platform/griglia.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"
#include "rankings/aiutifinestre.h"
#include "rankings/confrontogiocatoriqueries.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Confronti giocatori");
constexpr int CONTESTO_GUIDA = 47;         // the help topic of the player comparison
constexpr int NESSUNA_SCELTA = -1;         // CodGiocatoreScelto when the picker was left without a pick
constexpr int LARGHEZZA_COLONNA = 2500;    // twips
const QPoint POSIZIONE(50 / 15, 50 / 15);  // 50 twips from the main window's top left corner
const QColor COLORI[2] = {Qt::red, Qt::blue};

enum Modo { VOTI = 1, GRAFICO_VOTI, RETI, GRAFICO_RETI };

QString TestoPulsante(int modo)
{
    switch (modo) {
    case VOTI: return QStringLiteral("Visualizza dati sui voti");
    case GRAFICO_VOTI: return QStringLiteral("Visualizza grafico sulle pagelle");
    case RETI: return QStringLiteral("Visualizza dati sulle reti segnate");
    case GRAFICO_RETI: return QStringLiteral("Visualizza grafico sulle reti segnate");
    default: return QString();
    }
}

QLabel* EtichettaNome(const QString& nome, const QString& accessibile, const QColor& sfondo, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setAccessibleName(accessibile);
    l->setWordWrap(true);
    l->setMinimumWidth(l->fontMetrics().averageCharWidth() * 30);
    l->setMinimumHeight(l->fontMetrics().height() * 2);
    l->setStyleSheet(
        QStringLiteral("background-color: %1; color: white; font-weight: bold; padding: 2px 4px;").arg(sfondo.name()));
    return l;
}

QWidget* Riquadro(const QString& nome, QWidget* parent)
{
    auto* f = new QWidget(parent);
    f->setObjectName(nome);
    return f;
}

}  // namespace

ConfrontoGiocatoriWindow::ConfrontoGiocatoriWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("confronto"), CONTESTO_GUIDA);

    auto* frame1 = new QGroupBox(QStringLiteral("Giocatori"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* giocatori = new QHBoxLayout(frame1);
    const QString nomiEtichette[2] = {QStringLiteral("Label1"), QStringLiteral("Label2")};
    const QString nomiPulsanti[2] = {QStringLiteral("Command1"), QStringLiteral("Command2")};
    for (int lato = 0; lato < 2; ++lato) {
        nomi_[lato] =
            EtichettaNome(nomiEtichette[lato], QStringLiteral("Giocatore %1").arg(lato + 1), COLORI[lato], frame1);
        auto* scegli = (new Azione(QStringLiteral("Scegli"), this))
                           ->conSuggerimento(QStringLiteral("Scegliere il giocatore %1").arg(lato + 1))
                           ->richiedeFinestra(IdFinestra::SceltaGiocatore)
                           ->allo([this, lato] { this->scegli(lato); });
        giocatori->addWidget(nomi_[lato], 1);
        giocatori->addWidget(PulsanteDa(scegli, nomiPulsanti[lato], frame1));
        if (lato == 0) giocatori->addSpacing(12);
    }

    avvia_ = (new Azione(QString(), this))->allo([this] { visualizza(); });
    auto* command3 = PulsanteDa(avvia_, QStringLiteral("Command3"), this);

    label5_ = new QLabel(this);
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    frame2_ = Riquadro(QStringLiteral("Frame2"), this);
    grid1_ = new Griglia(frame2_);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->setAccessibleName(QStringLiteral("Confronto"));
    grid1_->impostaColonne(3);
    auto* pulsanti2 = new QHBoxLayout;
    pulsanti2->addStretch(1);
    AggiungiChiudiHelp(this, pulsanti2, QStringLiteral("Command8"), QStringLiteral("Command9"), CONTESTO_GUIDA);
    auto* colonna2 = new QVBoxLayout(frame2_);
    colonna2->setContentsMargins(0, 0, 0, 0);
    colonna2->addWidget(grid1_, 1);
    colonna2->addLayout(pulsanti2);

    frame3_ = Riquadro(QStringLiteral("Frame3"), this);
    chart1_ = new Grafico(frame3_);
    chart1_->setObjectName(QStringLiteral("Chart1"));
    chart1_->setMinimumSize(680, 380);
    auto* copia = (new Azione(QStringLiteral("Copia negli Appunti"), Icona(QStringLiteral("copia")), this))
                      ->conSuggerimento(QStringLiteral("Copia il grafico negli Appunti di Windows"))
                      ->allo([this] { chart1_->copiaEAvvisa(); });
    auto* pulsanti3 = new QHBoxLayout;
    pulsanti3->addStretch(1);
    pulsanti3->addWidget(PulsanteDa(copia, QStringLiteral("Command4"), frame3_));
    AggiungiChiudiHelp(this, pulsanti3, QStringLiteral("Command5"), QStringLiteral("Command6"), CONTESTO_GUIDA);
    auto* colonna3 = new QVBoxLayout(frame3_);
    colonna3->setContentsMargins(0, 0, 0, 0);
    colonna3->addWidget(chart1_, 1);
    colonna3->addLayout(pulsanti3);

    posto_ = new QStackedLayout;
    posto_->addWidget(label5_);
    posto_->addWidget(frame2_);
    posto_->addWidget(frame3_);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(frame1);
    tutto->addWidget(command3);
    tutto->addLayout(posto_, 1);
}

void ConfrontoGiocatoriWindow::carica()
{
    tipo_ = stato().TipoConfrontoGiocatori;
    for (QLabel* l : nomi_) l->clear();
    avvia_->setText(TestoPulsante(tipo_));
    label5_->setText(QStringLiteral(" Selezionare 2 giocatori e premere ") + avvia_->text());
    posto_->setCurrentWidget(label5_);
    // The mode shows either the figures or the chart: the window keeps room for the one it shows from
    // the start, so that it does not grow under the user, and none for the other.
    QWidget* altro = tipo_ == GRAFICO_VOTI || tipo_ == GRAFICO_RETI ? frame2_ : frame3_;
    posto_->removeWidget(altro);
    altro->hide();
}

void ConfrontoGiocatoriWindow::showEvent(QShowEvent* e)
{
    Finestra::showEvent(e);
    auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (posizionata_ || !sotto || !sotto->mdiArea()) return;
    posizionata_ = true;
    sotto->move(POSIZIONE);
}

void ConfrontoGiocatoriWindow::scegli(int lato)
{
    // The picker leaves -1 when it is closed without a pick; set it here too, so that no earlier pick
    // is taken for this one.
    stato().CodGiocatoreScelto = NESSUNA_SCELTA;
    Finestre::istanza().mostraModale(IdFinestra::SceltaGiocatore);
    const int codice = stato().CodGiocatoreScelto;
    if (codice == NESSUNA_SCELTA) return;
    std::optional<QString> nome;
    if (!EseguiComando(TITOLO, [&] { nome = ConfrontoGiocatoriQueries::NomeGiocatore(codice); })) return;
    // A code that no player has (removed meanwhile) leaves the side as it was.
    if (!nome) return;
    lati_[lato] = {codice, *nome};
    MostraNome(nomi_[lato], *nome);
    // Screen readers hear the side and its player, not the side alone.
    nomi_[lato]->setAccessibleName(
        QStringLiteral("Giocatore %1: %2").arg(QString::number(lato + 1), TestoInRiga(nome->trimmed())));
}

void ConfrontoGiocatoriWindow::visualizza()
{
    if (tipo_ < VOTI || tipo_ > GRAFICO_RETI) return;
    if (!lati_[0].codice || !lati_[1].codice) {
        Messaggio::errore(QStringLiteral("Bisogna selezionare due giocatori!"), TITOLO);
        return;
    }
    switch (tipo_) {
    case VOTI: return CaricaDati(QStringLiteral("Confronto dei voti assegnati: "));
    case RETI: return CaricaDati(QStringLiteral("Confronto delle reti segnate: "));
    default: return CaricaGrafico(tipo_ == GRAFICO_RETI);
    }
}

void ConfrontoGiocatoriWindow::CaricaDati(const QString& titolo)
{
    const ConfrontoGiocatoriQueries::Coppia codici{*lati_[0].codice, *lati_[1].codice};
    QVector<QStringList> righe;
    // Everything is read before anything is shown: a file that cannot be read leaves the window as it was.
    if (!EseguiComando(TITOLO, [&] {
            righe = tipo_ == VOTI ? ConfrontoGiocatoriQueries::RigheVoti(codici)
                                  : ConfrontoGiocatoriQueries::RigheReti(codici);
        }))
        return;
    CursoreAttesa();
    setWindowTitle(titolo + TestoInRiga(lati_[0].nome) + QStringLiteral(" vs ") + TestoInRiga(lati_[1].nome));
    grid1_->impostaRidisegno(false);
    grid1_->impostaRigheFisse(0);
    grid1_->impostaRighe(0);
    grid1_->aggiungiRiga({QString(), lati_[0].nome, lati_[1].nome});
    for (const QStringList& r : righe) grid1_->aggiungiRiga(r);
    QStringList etichette;
    for (const QStringList& r : righe) etichette << r.value(0);
    for (int c = 0; c < 3; ++c) grid1_->impostaLarghezzaColonna(c, LARGHEZZA_COLONNA);
    grid1_->adattaColonnaAlTesto(0, etichette, false);
    for (int c = 1; c < 3; ++c) grid1_->adattaColonnaAlTesto(c, {lati_[c - 1].nome}, true);
    grid1_->impostaAllineamentoColonna(0, Griglia::Allineamento::Destra);
    for (int c = 1; c < 3; ++c) {
        grid1_->impostaAllineamentoColonna(c, Griglia::Allineamento::Centro);
        grid1_->impostaGrassetto(0, c, true);
    }
    grid1_->impostaRigheFisse(1);
    grid1_->impostaRidisegno(true);
    posto_->setCurrentWidget(frame2_);
    // Long names widen the columns: the window grows to show the grid whole.
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        grid1_->updateGeometry();
        layout()->activate();
        sotto->resize(sotto->size().expandedTo(sizeHint().grownBy(sotto->contentsMargins())));
    }
    CursoreNormale();
}

void ConfrontoGiocatoriWindow::CaricaGrafico(bool reti)
{
    const ConfrontoGiocatoriQueries::Coppia codici{*lati_[0].codice, *lati_[1].codice};
    const int perGirone = GiornatePerGirone(stato().NumeroSquadre);
    std::array<ConfrontoGiocatoriQueries::PerGiornata, 2> valori;
    if (!EseguiComando(TITOLO, [&] {
            valori = reti ? ConfrontoGiocatoriQueries::RetiPerGiornata(codici, perGirone)
                          : ConfrontoGiocatoriQueries::VotiPerGiornata(codici, perGirone);
        }))
        return;
    CursoreAttesa();
    setWindowTitle(
        (reti ? QStringLiteral("Grafico dei gol segnati: ") : QStringLiteral("Grafico dei voti assegnati: ")) +
        TestoInRiga(lati_[0].nome) + QStringLiteral(" vs ") + TestoInRiga(lati_[1].nome));
    chart1_->impostaTipo(reti ? Grafico::Tipo::Linee : Grafico::Tipo::Barre);
    chart1_->impostaSerie(2);
    chart1_->impostaLegenda(false);
    if (reti)
        chart1_->impostaScalaFissa(0, 30, 15);
    else
        chart1_->impostaScalaFissa(0, 10, 10);
    chart1_->impostaRigheNumerate(2 * perGirone);
    for (int lato = 0; lato < 2; ++lato) {
        chart1_->impostaEtichettaSerie(lato + 1, lati_[lato].nome.trimmed());
        chart1_->impostaColoreSerie(lato + 1, COLORI[lato]);
        for (int r = 0; r < valori[lato].size(); ++r) chart1_->impostaValore(r + 1, lato + 1, valori[lato][r]);
    }
    chart1_->aggiorna();
    posto_->setCurrentWidget(frame3_);
    CursoreNormale();
}
