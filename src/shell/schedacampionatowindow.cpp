#include "shell/schedacampionatowindow.h"

#include "core/cercagiornate.h"
#include "core/comando.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/delegatogriglia.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/suggerimentotagliati.h"
#include "platform/testoinriga.h"
#include "shell/impostazioni.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Scheda del campionato");
constexpr int RUOLO_CHIAVE = Qt::UserRole;

// The hourglass for the life of a view, the normal pointer on every way out.
struct Attesa {
    Attesa() { CursoreAttesa(); }
    ~Attesa() { CursoreNormale(); }
    Attesa(const Attesa&) = delete;
    Attesa& operator=(const Attesa&) = delete;
};

// The width that column `c` needs to show every item's text in full, with its icon and indentation.
// (The view's own hint looks only at the rows on screen.)
int LarghezzaNecessaria(const QTreeWidget* t, int c)
{
    const QFont carattere = t->font();
    const int margini = 2 * (t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1) + 8;
    int massimo = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(t)); *it; ++it) {
        // Each text measured once, as the grid cells measure it: the card is built afresh at every opening.
        int w = qRound(DelegatoGriglia::larghezzaTesto(carattere, TestoInRiga((*it)->text(c)))) + margini;
        if (!(*it)->icon(c).isNull()) w += t->iconSize().width() + 4;
        if (c == 0) {
            int livello = t->rootIsDecorated() ? 1 : 0;
            for (const QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++livello;
            w += livello * t->indentation();
        }
        massimo = qMax(massimo, w);
    }
    return massimo;
}

}  // namespace

SchedaCampionatoWindow::SchedaCampionatoWindow(QWidget* parent) : Finestra(Id, parent)
{
    setWindowTitle(TITOLO);
    setWindowIcon(Icona(QStringLiteral("scheda")));

    auto* cornice1 = new QGroupBox(this);
    cornice1->setObjectName(QStringLiteral("Frame1"));
    albero_ = new QTreeWidget(cornice1);
    albero_->setObjectName(QStringLiteral("TreeView1"));
    albero_->setHeaderHidden(true);
    albero_->setColumnCount(1);
    albero_->setIconSize(QSize(16, 16));
    albero_->viewport()->installEventFilter(this);
    auto* l1 = new QVBoxLayout(cornice1);
    l1->addWidget(albero_);

    auto* cornice2 = new QGroupBox(this);
    cornice2->setObjectName(QStringLiteral("Frame2"));
    intestazione_ = new QLabel(cornice2);
    intestazione_->setObjectName(QStringLiteral("SSPanel1"));
    intestazione_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    intestazione_->setMargin(3);
    QFont grassetto = intestazione_->font();
    grassetto.setBold(true);
    intestazione_->setFont(grassetto);
    elenco_ = new QTreeWidget(cornice2);
    elenco_->setObjectName(QStringLiteral("ListView1"));
    SuggerisciTestiTagliati(elenco_);
    elenco_->setRootIsDecorated(false);
    elenco_->setUniformRowHeights(true);
    elenco_->setAllColumnsShowFocus(true);
    elenco_->setIconSize(QSize(16, 16));
    elenco_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    elenco_->header()->setStretchLastSection(false);
    elenco_->header()->setSectionsMovable(false);
    elenco_->setMinimumSize(420, 300);
    elenco_->viewport()->installEventFilter(this);
    auto* l2 = new QVBoxLayout(cornice2);
    l2->addWidget(intestazione_);
    l2->addWidget(elenco_, 1);

    casella_ = new QCheckBox(QStringLiteral("Non visualizzare questa finestra all'apertura di un campionato"), this);
    casella_->setObjectName(QStringLiteral("Check1"));

    dettagli_ = (new Azione(QStringLiteral("Dettagli"), this))->allo([this] { azione(); });
    auto* chiusura =
        Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"), this)->allo([this] {
            chiudi();
        });
    auto* aiuto =
        Azione::crea(QStringLiteral("Guida"), QStringLiteral("Richiamare la guida di Golvarno"), this)->allo([this] {
            Guida::apri(contestoGuida());
        });
    auto* pulsanti = new QHBoxLayout;
    for (const auto& [comando, nome] :
         {std::pair<Azione*, const char*>{dettagli_, "Command1"}, {chiusura, "Command3"}, {aiuto, "Command2"}}) {
        QPushButton* b = PulsanteDa(comando, QLatin1String(nome), this);
        b->setMinimumWidth(150);
        pulsanti->addWidget(b);
    }
    pulsanti->addStretch(1);

    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(cornice1, 2);
    riquadri->addWidget(cornice2, 5);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(riquadri, 1);
    tutto->addWidget(casella_);
    tutto->addSpacing(4);
    tutto->addLayout(pulsanti);

    connect(albero_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* attuale) {
        aggiornaIconeAlbero();
        aggiornaAzione();
        if (!daProgramma_) nodoCliccato(attuale);
    });
    connect(albero_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* n) {
        // A click on the node that was already selected shows its view again, read afresh.
        if (n && n == correnteAlClic_) nodoCliccato(n);
        correnteAlClic_ = nullptr;
    });
    connect(casella_, &QCheckBox::clicked, this, [this] { casellaCliccata_ = true; });
}

void SchedaCampionatoWindow::carica()
{
    casella_->setChecked(!stato().MostraSchedaCampionato);
    casellaCliccata_ = false;
    creaAlbero();
    mostraSquadre();
}

bool SchedaCampionatoWindow::scarica()
{
    if (!casellaCliccata_) return true;
    const QString percorso = stato().PercorsoImpostazioni;
    if (!EsisteFile(percorso)) return true;
    const bool mostra = !casella_->isChecked();
    EseguiComando(
        TITOLO,
        [&] {
            if (Impostazioni::scrivi({{QStringLiteral("VisualizzaScheda"), Flag(mostra)}}))
                stato().MostraSchedaCampionato = mostra;
        },
        [&percorso](const QString& motivo) {
            return QStringLiteral("Impossibile salvare l'impostazione nel file ") + percorso + QStringLiteral("\r\r") +
                   motivo;
        });
    return true;
}

void SchedaCampionatoWindow::showEvent(QShowEvent* e)
{
    Finestra::showEvent(e);
    if (posizionata_) return;
    // The card opens in the middle of the main window's work area.
    auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sotto || !sotto->mdiArea()) return;
    posizionata_ = true;
    const QRect area = sotto->mdiArea()->viewport()->rect();
    sotto->move(qMax(0, (area.width() - sotto->width()) / 2), qMax(0, (area.height() - sotto->height()) / 2));
}

bool SchedaCampionatoWindow::eventFilter(QObject* o, QEvent* e)
{
    if (o == albero_->viewport() && e->type() == QEvent::MouseButtonPress) correnteAlClic_ = albero_->currentItem();
    if (o == elenco_->viewport() && e->type() == QEvent::Resize) adattaColonne();
    return Finestra::eventFilter(o, e);
}

// --- The tree

void SchedaCampionatoWindow::creaAlbero()
{
    const QScopedValueRollback<bool> guardia(daProgramma_, true);
    albero_->clear();
    auto* radice = new QTreeWidgetItem(albero_, {QStringLiteral("Campionato")});
    radice->setData(0, RUOLO_CHIAVE, QStringLiteral("M"));
    const QList<QPair<QString, QString>> figli{{QStringLiteral("S"), QStringLiteral("Squadre")},
                                               {QStringLiteral("C"), QStringLiteral("Classifica")},
                                               {QStringLiteral("U"), QStringLiteral("Risultati ultima giornata")},
                                               {QStringLiteral("P"), QStringLiteral("Prossimo turno")},
                                               {QStringLiteral("G"), QStringLiteral("Classifica marcatori")}};
    for (const auto& [chiave, testo] : figli) {
        auto* n = new QTreeWidgetItem(radice, {testo});
        n->setData(0, RUOLO_CHIAVE, chiave);
    }
    albero_->expandAll();
    albero_->setCurrentItem(nodo(QStringLiteral("S")));
    aggiornaIconeAlbero();
    // Wide enough for every node's text, also beside a vertical scroll bar.
    albero_->setMinimumWidth(LarghezzaNecessaria(albero_, 0) + 2 * albero_->frameWidth() +
                             albero_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, albero_));
}

QTreeWidgetItem* SchedaCampionatoWindow::nodo(const QString& chiave) const
{
    QTreeWidgetItemIterator it(albero_);
    for (; *it; ++it)
        if ((*it)->data(0, RUOLO_CHIAVE).toString() == chiave) return *it;
    return nullptr;
}

void SchedaCampionatoWindow::aggiornaIconeAlbero()
{
    const QIcon aperta = Icona(QStringLiteral("cartella_aperta"));
    const QIcon chiusa = Icona(QStringLiteral("cartella_chiusa"));
    QTreeWidgetItemIterator it(albero_);
    for (; *it; ++it) (*it)->setIcon(0, *it == albero_->currentItem() ? aperta : chiusa);
}

void SchedaCampionatoWindow::nodoCliccato(QTreeWidgetItem* n)
{
    if (!n) return;
    const QString chiave = n->data(0, RUOLO_CHIAVE).toString();
    if (chiave == QLatin1String("S"))
        mostraSquadre();
    else if (chiave == QLatin1String("C"))
        mostraClassifica();
    else if (chiave == QLatin1String("U"))
        mostraUltimoTurno();
    else if (chiave == QLatin1String("P"))
        mostraProssimoTurno();
    else if (chiave == QLatin1String("G"))
        mostraMarcatori();
}

// --- The list

void SchedaCampionatoWindow::preparaVista(SchedaCampionatoQueries::Vista v)
{
    vista_ = SchedaCampionatoQueries::vista(v);
    dettagli_->setText(vista_.pulsante);
    dettagli_->setToolTip(vista_.suggerimento);
    intestazione_->setText(vista_.intestazione);
    elenco_->clear();
    elenco_->setColumnCount(int(vista_.colonne.size()));
    QStringList intestazioni;
    for (const ColonnaScheda& c : vista_.colonne) intestazioni << c.intestazione;
    elenco_->setHeaderLabels(intestazioni);
    for (int i = 0; i < vista_.colonne.size(); ++i)
        elenco_->headerItem()->setTextAlignment(i, vista_.colonne[i].centrata ? Qt::AlignCenter
                                                                              : Qt::AlignLeft | Qt::AlignVCenter);
    adattaColonne();
}

void SchedaCampionatoWindow::adattaColonne()
{
    // Each column takes its share of the list's width; a column too narrow for its header or cells
    // takes what it lacks from the room the shares leave free, then from the columns with room to spare,
    // so nothing is cut short while the list has room.
    const int n = int(vista_.colonne.size());
    const int larghezza = elenco_->viewport()->width();
    QVector<int> w(n), minimo(n);
    int libero = larghezza;
    for (int i = 0; i < n; ++i) {
        w[i] = larghezza * vista_.colonne[i].parti / vista_.totaleParti;
        minimo[i] = qMax(LarghezzaNecessaria(elenco_, i), elenco_->header()->sectionSizeHint(i));
        libero -= w[i];
    }
    for (int i = 0; i < n && libero > 0; ++i) {
        const int preso = qBound(0, minimo[i] - w[i], libero);
        w[i] += preso;
        libero -= preso;
    }
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n && w[i] < minimo[i]; ++j) {
            const int margine = w[j] - minimo[j];
            if (j == i || margine <= 0) continue;
            const int preso = qMin(margine, minimo[i] - w[i]);
            w[j] -= preso;
            w[i] += preso;
        }
    }
    for (int i = 0; i < n; ++i) elenco_->setColumnWidth(i, w[i]);
}

void SchedaCampionatoWindow::aggiungiRighe(const QVector<QStringList>& righe)
{
    const QIcon icona = Icona(QStringLiteral("pallone"));
    for (const QStringList& r : righe) {
        auto* riga = new QTreeWidgetItem(elenco_, r);
        riga->setIcon(0, icona);
        for (int i = 0; i < vista_.colonne.size(); ++i)
            if (vista_.colonne[i].centrata) riga->setTextAlignment(i, Qt::AlignCenter);
    }
    adattaColonne();
    // Every view shows its list from the first row: the leader, the first team, the first pairing.
    elenco_->scrollToTop();
}

// --- The views

void SchedaCampionatoWindow::mostraSquadre()
{
    Attesa attesa;
    preparaVista(SchedaCampionatoQueries::Vista::Squadre);
    EseguiComando(TITOLO, [this] { aggiungiRighe(SchedaCampionatoQueries::squadre()); });
}

void SchedaCampionatoWindow::mostraClassifica()
{
    Attesa attesa;
    preparaVista(SchedaCampionatoQueries::Vista::Classifica);
    EseguiComando(TITOLO, [this] { aggiungiRighe(SchedaCampionatoQueries::classifica()); });
}

void SchedaCampionatoWindow::mostraMarcatori()
{
    Attesa attesa;
    preparaVista(SchedaCampionatoQueries::Vista::Marcatori);
    EseguiComando(TITOLO, [this] { aggiungiRighe(SchedaCampionatoQueries::marcatori(stato().FormatoNome)); });
}

void SchedaCampionatoWindow::elencaGiornata()
{
    const Stato& s = stato();
    QVector<int> partite;
    aggiungiRighe(SchedaCampionatoQueries::turno(s.GiornataCorrente, s.Andata, &partite));
    // The day listed is handed over whole, with its first match, for the windows opened afterwards.
    ConsegnaGiornata(s.GiornataCorrente, s.Andata, partite);
}

void SchedaCampionatoWindow::chiediCalendario()
{
    CursoreNormale();
    const auto r = Messaggio::mostra(
        QStringLiteral("Nessuna giornata del calendario è stata ancora registrata.\r\r"
                       "Si desidera iniziare a registrare le giornate del calendario ora?"),
        Messaggio::Pulsanti::SiNo, Messaggio::Icona::Critica, QStringLiteral("Ultimo turno disputato"));
    if (r != Messaggio::Risposta::Si) return;
    stato().GiornataCorrente = 1;
    if (Finestre::istanza().registrata(IdFinestra::RegistrazioneGiornate))
        Finestre::istanza().mostra(IdFinestra::RegistrazioneGiornate);
}

void SchedaCampionatoWindow::mostraProssimoTurno()
{
    Attesa attesa;
    preparaVista(SchedaCampionatoQueries::Vista::ProssimoTurno);
    EseguiComando(TITOLO, [this] {
        switch (GiornataDaGiocare()) {
        case GIORNATA_TROVATA: elencaGiornata(); break;
        case CAMPIONATO_CONCLUSO:
            CursoreNormale();
            Messaggio::informa(QStringLiteral("Tutte le giornate registrate nel campionato sono state disputate.\r\r"
                                              "Verrà visualizzata l'ultima giornata disputata."),
                               QStringLiteral("Campionato finito"));
            CursoreAttesa();
            UltimaGiornataGiocata();
            elencaGiornata();
            break;
        default: chiediCalendario(); break;
        }
    });
}

void SchedaCampionatoWindow::mostraUltimoTurno()
{
    Attesa attesa;
    preparaVista(SchedaCampionatoQueries::Vista::UltimoTurno);
    EseguiComando(TITOLO, [this] {
        // Nothing played yet: the finder names match day 1 of the first leg, listed without a message.
        if (UltimaGiornataGiocata() == CALENDARIO_VUOTO)
            chiediCalendario();
        else
            elencaGiornata();
    });
}

// --- The action button

QString SchedaCampionatoWindow::finestraDelNodo(const QString& chiave)
{
    if (chiave == QLatin1String("S")) return IdFinestra::Rosa;
    if (chiave == QLatin1String("C")) return IdFinestra::Classifica;
    if (chiave == QLatin1String("U")) return IdFinestra::Calendario;
    if (chiave == QLatin1String("P")) return IdFinestra::InserimentoRisultati;
    if (chiave == QLatin1String("G")) return IdFinestra::Marcatori;
    return QString();
}

void SchedaCampionatoWindow::aggiornaAzione()
{
    const QTreeWidgetItem* n = albero_->currentItem();
    const QString id = n ? finestraDelNodo(n->data(0, RUOLO_CHIAVE).toString()) : QString();
    dettagli_->richiedeFinestra(id);
    dettagli_->impostaDisponibile(!id.isEmpty());
}

void SchedaCampionatoWindow::azione()
{
    const QTreeWidgetItem* n = albero_->currentItem();
    if (!n) return;
    const QString chiave = n->data(0, RUOLO_CHIAVE).toString();
    const QString id = finestraDelNodo(chiave);
    if (id.isEmpty() || !Finestre::istanza().registrata(id)) return;
    Stato& s = stato();
    bool apri = false;
    EseguiComando(TITOLO, [&] {
        if (chiave == QLatin1String("S")) {
            // The squad of the team on the selected row; with no row selected there is nothing to open.
            const QTreeWidgetItem* riga = elenco_->currentItem();
            if (riga && riga->isSelected()) {
                s.SquadraCorrente = riga->text(0);
                apri = true;
            }
        } else if (chiave == QLatin1String("C")) {
            s.ClassificaCompleta = true;
            apri = true;
        } else if (chiave == QLatin1String("U")) {
            apri = UltimaGiornataGiocata() == GIORNATA_TROVATA;
        } else if (chiave == QLatin1String("P")) {
            apri = GiornataDaGiocare() == GIORNATA_TROVATA;
        } else {
            s.SquadraCorrente.clear();
            apri = true;
        }
    });
    if (apri) Finestre::istanza().mostra(id);
}

void RegistraSchedaCampionato()
{
    Finestre::istanza().registra(SchedaCampionatoWindow::Id, [] { return new SchedaCampionatoWindow; });
}
