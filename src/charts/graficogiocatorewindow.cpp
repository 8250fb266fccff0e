#include "charts/graficogiocatorewindow.h"

#include "core/cercagiornate.h"
#include "core/stato.h"
#include "platform/albero.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/grafico.h"
#include "platform/icone.h"
#include "platform/testoinriga.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString RADICE = QStringLiteral("M");

FinestraGrafico::Impostazioni Assetto()
{
    FinestraGrafico::Impostazioni i;
    i.titolo = QStringLiteral("Grafici sui giocatori");
    i.cercaStop = true;
    i.disegnaAlCaricamento = false;
    i.posizione = QPoint(70, 60);
    i.nomeRiquadro = QStringLiteral("Frame2");
    i.suggerimento = QStringLiteral("Selezionare un giocatore e premere Visualizza grafico!");
    i.testoCopia = QStringLiteral("Copia negli  Appunti");
    i.nomeCopia = QStringLiteral("Command2");
    i.nomeChiudi = QStringLiteral("Command3");
    i.nomeGuida = QStringLiteral("Command4");
    return i;
}

}  // namespace

GraficoGiocatoreWindow::GraficoGiocatoreWindow(QWidget* parent) : FinestraGrafico(Id, Assetto(), parent)
{
    auto* label1 = new QLabel(QStringLiteral("Giocatore"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    combo1_ = new ComboCodici(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setToolTip(QStringLiteral("Selezionare il giocatore"));
    combo1_->setAccessibleName(label1->text());
    combo1_->setMinimumContentsLength(40);
    combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    label1->setBuddy(combo1_);
    auto* visualizza = (new Azione(QStringLiteral("Visualizza grafico"), Icona(QStringLiteral("grafico")), this))
                           ->conSuggerimento(QStringLiteral("Premere qui per visualizzare il grafico del giocatore"))
                           ->allo([this] { disegna(); });
    rigaScelte()->addWidget(label1);
    rigaScelte()->addWidget(combo1_);
    rigaScelte()->addWidget(PulsanteDa(visualizza, QStringLiteral("Command1"), this));
    rigaScelte()->addStretch(1);

    auto* frame1 = new QGroupBox(QStringLiteral("Squadra"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    albero_ = new Albero(frame1);
    albero_->setObjectName(QStringLiteral("TreeView1"));
    albero_->setAccessibleName(frame1->title());
    (new QVBoxLayout(frame1))->addWidget(albero_);
    rigaGrafico()->insertWidget(0, frame1);
    grafico()->setMinimumHeight(450);  // a label for each of the twenty steps of the ratings' scale
    connect(albero_, &Albero::nodoCliccato, this, &GraficoGiocatoreWindow::nodoCliccato);
}

bool GraficoGiocatoreWindow::prepara()
{
    const Stato& s = stato();
    QTreeWidgetItem* radice = albero_->aggiungi(nullptr, RADICE, QStringLiteral("Tutte le squadre"));
    for (int n = 1; n < s.Squadre.size(); ++n)
        albero_->aggiungi(radice, QStringLiteral("S%1").arg(n), TestoInRiga(s.Squadre[n].Nome), s.Squadre[n].Codice);
    radice->setExpanded(true);
    albero_->seleziona(radice);
    albero_->setMinimumWidth(albero_->larghezzaNecessaria());
    aggiornaGiocatori(std::nullopt);
    return true;
}

void GraficoGiocatoreWindow::aggiornaGiocatori(std::optional<int> squadra)
{
    QVector<GraficiQueries::GiocatoreGrafico> giocatori;
    if (!leggi([&] { giocatori = GraficiQueries::GiocatoriPerGrafico(squadra); }) || giocatori.isEmpty()) return;
    combo1_->svuota();
    for (const auto& g : giocatori) combo1_->aggiungi(g.testo, g.codice);
    combo1_->setCurrentIndex(0);
}

void GraficoGiocatoreWindow::nodoCliccato(QTreeWidgetItem* nodo)
{
    if (Albero::chiave(nodo) == RADICE)
        aggiornaGiocatori(std::nullopt);
    else
        aggiornaGiocatori(Albero::etichetta(nodo).toInt());
}

bool GraficoGiocatoreWindow::disegna()
{
    if (combo1_->currentIndex() < 0) return true;
    mostraGrafico();
    const int codice = combo1_->codiceCorrente();
    switch (stato().TipoGraficoGiocatore) {
    case Reti:
    case Voti: return disegnaPerGiornata(Tipo(stato().TipoGraficoGiocatore), codice);
    case Cartellini: return disegnaCartellini(codice);
    default: return true;
    }
}

bool GraficoGiocatoreWindow::disegnaPerGiornata(Tipo tipo, int codice)
{
    const int perGirone = GiornatePerGirone(stato().NumeroSquadre);
    ValoriPerGiornata valori;
    if (!leggi([&] {
            valori = tipo == Reti ? GraficiQueries::RetiGiocatorePerGiornata(codice, stop(), perGirone)
                                  : GraficiQueries::VotiGiocatorePerGiornata(codice, stop(), perGirone);
        }))
        return false;
    const QString figura = tipo == Reti ? QStringLiteral("Reti") : QStringLiteral("Voto");
    setWindowTitle((tipo == Reti ? QStringLiteral("Grafico delle reti segnate da: ")
                                 : QStringLiteral("Grafico dei voti assegnati a: ")) +
                   TestoInRiga(combo1_->testo()));
    Grafico* g = grafico();
    g->impostaTipo(tipo == Reti ? Grafico::Tipo::Linee : Grafico::Tipo::Barre);
    g->impostaSerie(1);
    g->impostaEtichettaSerie(1, figura);
    g->impostaLegenda(false);
    g->impostaTitoliAssi(QStringLiteral("Giornate"), figura);
    if (tipo == Reti)
        g->impostaScalaAutomatica();
    else
        g->impostaScalaFissa(0, 10, 20);
    impostaRigheNumerate(righePerGiornata());
    scriviSerie(1, valori);
    g->aggiorna();
    return true;
}

bool GraficoGiocatoreWindow::disegnaCartellini(int codice)
{
    GraficiQueries::CartelliniGiocatore c;
    if (!leggi([&] { c = GraficiQueries::ContaCartelliniGiocatore(codice); })) return false;
    setWindowTitle(QStringLiteral("Grafico delle ammonioni ed espulsioni di: ") + TestoInRiga(combo1_->testo()));
    Grafico* g = grafico();
    g->impostaTipo(Grafico::Tipo::Torta);
    g->impostaLegenda(true);
    g->impostaTitoliAssi(QString(), QString());
    g->impostaRighe(1);
    g->impostaSerie(3);
    g->impostaEtichettaRiga(1, QString());
    const std::pair<QString, int> fette[] = {{QStringLiteral("Presenze ok: "), c.senza},
                                             {QStringLiteral("Ammonizioni: "), c.ammonizioni},
                                             {QStringLiteral("Espulsioni: "), c.espulsioni}};
    for (int k = 0; k < 3; ++k) {
        g->impostaValore(1, k + 1, fette[k].second);
        g->impostaEtichettaSerie(k + 1, fette[k].first + QString::number(fette[k].second));
    }
    g->aggiorna();
    return true;
}
