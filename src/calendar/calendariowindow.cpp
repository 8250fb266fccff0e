#include "calendar/calendariowindow.h"

#include "calendar/testatagiornata.h"
#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "platform/azione.h"
#include "platform/evidenziatore.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/pannello.h"
#include "platform/testoinriga.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Calendario del campionato");
constexpr int CONTESTO_GUIDA = 12;
constexpr int BASE_INCONTRI = 20;  // the pairings' panels and their captions
constexpr int INCONTRI_EVIDENZIABILI = 10;
constexpr int BASE_PULSANTI = 1030;
constexpr int COLONNE = 6;
constexpr int LATO_IMMAGINE = 16;
const QMargins MARGINI_RIGA(6, 3, 6, 3);

enum Colonna { Casa, Trattino, Ospite, Risultato, Data, Ora };

Qt::Alignment Allineamento(int colonna)
{
    switch (colonna) {
    case Casa: return Qt::AlignRight | Qt::AlignVCenter;
    case Trattino:
    case Risultato: return Qt::AlignCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

CalendarioWindow::CalendarioWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("calendario"), CONTESTO_GUIDA);

    using T = TestataGiornata;
    precedente_ = Azione::crea(QStringLiteral("Giornata\nprecedente"), QStringLiteral("Giornata precedente"), this,
                               QStringLiteral("precedente"))
                      ->allo([this] { giornataPrecedente(); });
    successiva_ = Azione::crea(QStringLiteral("Giornata\nsuccessiva"), QStringLiteral("Giornata successiva"), this,
                               QStringLiteral("successivo"))
                      ->allo([this] { giornataSuccessiva(); });
    cambioGirone_ =
        Azione::crea(NavigazioneGiornate::testoCambioGirone(true),
                     QStringLiteral("La stessa giornata nell'altro girone"), this, QStringLiteral("giornate"))
            ->allo([this] { cambiaGirone(); });
    risultati_ =
        Azione::crea(QStringLiteral("Inserisci\nrisultati"), QStringLiteral("Inserire i risultati di questa giornata"),
                     this, QStringLiteral("risultati"))
            ->richiedeFinestra(IdFinestra::InserimentoRisultati)
            ->allo([this] { inserisciRisultati(); });
    tabellino_ = Azione::crea(QStringLiteral("Tabellino\npartita"),
                              QStringLiteral("Il tabellino della partita scelta (o della prima della giornata)"), this,
                              QStringLiteral("referto"))
                     ->richiedeFinestra(IdFinestra::SchedaPartita)
                     ->allo([this] { apriTabellino(); });
    statistiche_ =
        Azione::crea(QStringLiteral("Statistiche\ngiornata"), QStringLiteral("Le statistiche di questa giornata"), this,
                     QStringLiteral("statistiche"))
            ->richiedeFinestra(IdFinestra::Statistiche)
            ->allo([this] { apriStatistiche(); });
    const QVector<QAction*> finali = T::comandiFinali(
        this, [this] { apriClassificaParziale(); }, [this] { chiudi(); }, CONTESTO_GUIDA);
    classificaParziale_ = static_cast<Azione*>(finali.first());
    QVector<QAction*> comandi{precedente_, successiva_, cambioGirone_, risultati_, tabellino_, statistiche_};
    comandi += finali;
    auto* tutto = new QVBoxLayout(this);
    testata_ = new TestataGiornata(comandi, BASE_PULSANTI, this);
    tutto->addWidget(testata_);

    // The column headings line up with the captions of the pairings' panels.
    auto* intestazione = new QWidget(this);
    auto* h = new QHBoxLayout(intestazione);
    h->setContentsMargins(MARGINI_RIGA);
    auto* posto = new QWidget(intestazione);  // where the pairings show their picture
    posto->setFixedSize(LATO_IMMAGINE, LATO_IMMAGINE);
    h->addWidget(posto);
    const QStringList testi{QStringLiteral("Squadra di casa"),
                            QString(),
                            QStringLiteral("Squadra ospite"),
                            QStringLiteral("Risultato"),
                            QStringLiteral("Data"),
                            QStringLiteral("Ora")};
    for (int c = 0; c < COLONNE; ++c) {
        auto* l = new QLabel(testi[c], intestazione);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Allineamento(c));
        h->addWidget(l);
        intestazioni_.append(l);
    }
    h->addStretch(1);
    tutto->addWidget(intestazione);

    elenco_ = new QWidget(this);
    auto* v = new QVBoxLayout(elenco_);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(1);
    tutto->addWidget(elenco_);

    nota_ = new QLabel(this);
    nota_->setObjectName(QStringLiteral("Nota"));
    nota_->setAlignment(Qt::AlignCenter);
    nota_->setWordWrap(true);
    nota_->setMinimumHeight(60);
    nota_->hide();
    tutto->addWidget(nota_);
    tutto->addStretch(1);
}

CalendarioWindow::Riga CalendarioWindow::nuovaRiga(int indice)
{
    const int id = indice < INCONTRI_EVIDENZIABILI ? BASE_INCONTRI + indice : -1;
    Riga r;
    r.pannello = new Pannello(id, elenco_);
    r.pannello->setObjectName(QStringLiteral("SSPanel1_%1").arg(indice));
    r.pannello->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    r.pannello->setToolTip(QStringLiteral("Scegliere la partita per il tabellino"));
    auto* h = new QHBoxLayout(r.pannello);
    h->setContentsMargins(MARGINI_RIGA);

    r.immagine = new QLabel(r.pannello);
    r.immagine->setObjectName(QStringLiteral("Image1_%1").arg(indice));
    r.immagine->setPixmap(PixmapIcona(QStringLiteral("pallone"), LATO_IMMAGINE));
    r.immagine->setFixedSize(LATO_IMMAGINE, LATO_IMMAGINE);
    QSizePolicy resta = r.immagine->sizePolicy();
    resta.setRetainSizeWhenHidden(true);
    r.immagine->setSizePolicy(resta);
    h->addWidget(r.immagine);
    r.pannello->impostaCompagno(r.immagine);

    for (int c = 0; c < COLONNE; ++c) {
        auto* l = new QLabel(r.pannello);
        l->setObjectName(QStringLiteral("Label%1_%2").arg(c + 1).arg(indice));
        TestoSemplice(l);
        l->setAlignment(Allineamento(c));
        Evidenziatore::assegnaId(l, id);
        h->addWidget(l);
        r.didascalie.append(l);
    }
    h->addStretch(1);
    connect(r.pannello, &Pannello::clicked, this, [this, indice] { scegliIncontro(indice); });
    elenco_->layout()->addWidget(r.pannello);
    return r;
}

void CalendarioWindow::carica()
{
    // The day is there before the window takes its size.
    const Stato& s = stato();
    mostra({s.GiornataCorrente, s.Andata});
}

void CalendarioWindow::attiva()
{
    const Stato& s = stato();
    mostra({s.GiornataCorrente, s.Andata});
    // A match of another day left in the hand-over would take the match sheet there.
    NavigazioneGiornate::consegna(giornata_, true);
}

void CalendarioWindow::mostra(GiornataGirone g)
{
    const int codScelto = scelto_ >= 0 && scelto_ < giornata_.incontri.size() && giornataMostrata() == g
                              ? giornata_.incontri[scelto_].codPart
                              : 0;
    GiornataCalendario letta;
    letta.giornata = g.giornata;
    letta.andata = g.andata;
    int ultima = 0;
    EseguiComando(TITOLO, [&] {
        ultima = NavigazioneGiornate::ultimaGiornata();
        letta = CalendarioQueries::leggi(g.giornata, g.andata);
    });
    giornata_ = letta;
    ultima_ = ultima;

    // Shown again on the same day, the chosen pairing stays chosen.
    scelto_ = -1;
    for (int i = 0; i < giornata_.incontri.size(); ++i)
        if (codScelto != 0 && giornata_.incontri[i].codPart == codScelto) scelto_ = i;

    testata_->mostra(g, giornata_.riposa);

    const QVector<IncontroGiornata>& incontri = giornata_.incontri;
    while (righe_.size() < incontri.size()) righe_.append(nuovaRiga(int(righe_.size())));
    for (int i = 0; i < righe_.size(); ++i) {
        const bool usata = i < incontri.size();
        righe_[i].pannello->setVisible(usata);
        if (!usata) continue;
        const IncontroGiornata& m = incontri[i];
        const QStringList testi{m.casa, QStringLiteral("-"), m.ospite, m.risultato(), m.data, m.ora};
        for (int c = 0; c < COLONNE; ++c) righe_[i].didascalie[c]->setText(testi[c]);
        MostraNome(righe_[i].didascalie[0], m.casa);
        MostraNome(righe_[i].didascalie[2], m.ospite);
    }
    for (QLabel* l : intestazioni_) l->parentWidget()->setVisible(!incontri.isEmpty());
    nota_->setVisible(incontri.isEmpty());
    if (ultima_ == 0)
        nota_->setText(QStringLiteral("Il calendario del campionato è vuoto: nessuna giornata è stata ancora "
                                      "registrata."));
    else
        nota_->setText(QStringLiteral("Non ci sono partite registrate per la giornata n° %1.").arg(g.giornata));
    aggiornaScelta();
    allineaColonne();
    aggiornaComandi();
    TestataGiornata::adattaCornice(this);
}

void CalendarioWindow::allineaColonne()
{
    // Every column as wide as its widest caption (measured in bold, the chosen pairing's look), so
    // that the panels line up under the headings.
    QFont grassetto = font();
    grassetto.setBold(true);
    const QFontMetrics fm(grassetto);
    QVector<int> larghezze(COLONNE, 0);
    for (int c = 0; c < COLONNE; ++c) larghezze[c] = fm.horizontalAdvance(intestazioni_[c]->text());
    for (int i = 0; i < giornata_.incontri.size(); ++i)
        for (int c = 0; c < COLONNE; ++c)
            larghezze[c] = qMax(larghezze[c], fm.horizontalAdvance(righe_[i].didascalie[c]->text()));
    larghezze[Data] = qMax(larghezze[Data], fm.horizontalAdvance(QStringLiteral("00/00/0000")));
    larghezze[Ora] = qMax(larghezze[Ora], fm.horizontalAdvance(QStringLiteral("00:00")));
    for (int c = 0; c < COLONNE; ++c) {
        const int w = larghezze[c] + 8;
        intestazioni_[c]->setFixedWidth(w);
        for (const Riga& r : righe_) r.didascalie[c]->setFixedWidth(w);
    }
    for (const Riga& r : righe_) {
        r.pannello->setMinimumSize(r.pannello->layout()->minimumSize());
        r.pannello->setFixedHeight(r.pannello->layout()->sizeHint().height());
    }
}

void CalendarioWindow::scegliIncontro(int indice)
{
    scelto_ = indice >= 0 && indice < giornata_.incontri.size() ? indice : -1;
    aggiornaScelta();
}

void CalendarioWindow::aggiornaScelta()
{
    for (int i = 0; i < righe_.size(); ++i)
        for (QLabel* l : righe_[i].didascalie) {
            QFont f = l->font();
            f.setBold(i == scelto_);
            l->setFont(f);
        }
}

void CalendarioWindow::aggiornaComandi()
{
    const GiornataGirone g = giornataMostrata();
    const bool partite = !giornata_.incontri.isEmpty();
    precedente_->impostaDisponibile(NavigazioneGiornate::precedente(g, ultima_).has_value());
    successiva_->impostaDisponibile(NavigazioneGiornate::successiva(g, ultima_).has_value());
    cambioGirone_->setText(NavigazioneGiornate::testoCambioGirone(g.andata));
    cambioGirone_->impostaDisponibile(ultima_ > 0);
    risultati_->impostaDisponibile(partite);
    tabellino_->impostaDisponibile(partite);
    statistiche_->impostaDisponibile(partite);
    classificaParziale_->impostaDisponibile(ultima_ > 0);
}

// ---------------------------------------------------------------- commands

void CalendarioWindow::vaiA(GiornataGirone g)
{
    mostra(g);
    NavigazioneGiornate::consegna(giornata_);
}

void CalendarioWindow::giornataPrecedente()
{
    if (const auto g = NavigazioneGiornate::precedente(giornataMostrata(), ultima_)) vaiA(*g);
}

void CalendarioWindow::giornataSuccessiva()
{
    if (const auto g = NavigazioneGiornate::successiva(giornataMostrata(), ultima_)) vaiA(*g);
}

void CalendarioWindow::cambiaGirone() { vaiA({giornata_.giornata, !giornata_.andata}); }

void CalendarioWindow::inserisciRisultati()
{
    if (!Finestre::istanza().registrata(IdFinestra::InserimentoRisultati)) return;
    NavigazioneGiornate::consegna(giornata_, true);
    Finestre::istanza().mostra(IdFinestra::InserimentoRisultati);
}

void CalendarioWindow::apriTabellino()
{
    if (!Finestre::istanza().registrata(IdFinestra::SchedaPartita) || giornata_.incontri.isEmpty()) return;
    Stato& s = stato();
    s.GiornataCorrente = giornata_.giornata;
    s.Andata = giornata_.andata;
    s.CodPartitaCorrente = giornata_.incontri[scelto_ >= 0 ? scelto_ : 0].codPart;
    Finestre::istanza().mostra(IdFinestra::SchedaPartita);
}

void CalendarioWindow::apriStatistiche()
{
    if (!Finestre::istanza().registrata(IdFinestra::Statistiche)) return;
    NavigazioneGiornate::consegna(giornata_, true);
    stato().StatGiornata = true;
    Finestre::istanza().mostra(IdFinestra::Statistiche);
}

void CalendarioWindow::apriClassificaParziale()
{
    if (!Finestre::istanza().registrata(IdFinestra::Classifica)) return;
    NavigazioneGiornate::impostaArcoFinoA(giornataMostrata());
    Finestre::istanza().mostra(IdFinestra::Classifica);
}
