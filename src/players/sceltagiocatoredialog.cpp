#include "players/sceltagiocatoredialog.h"

#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/albero.h"
#include "platform/azione.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "players/alberosquadre.h"
#include "players/colonnegriglia.h"
#include "players/elencogiocatoriqueries.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Selezionare un giocatore");
constexpr int RUOLO_CODICE = Qt::UserRole;
constexpr int NESSUN_GIOCATORE = -1;

}  // namespace

SceltaGiocatoreDialog::SceltaGiocatoreDialog(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QString());

    auto* frame1 = new QGroupBox(QStringLiteral("Squadre"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    albero_ = new Albero(frame1);
    albero_->setObjectName(QStringLiteral("TreeView1"));
    (new QVBoxLayout(frame1))->addWidget(albero_);

    auto* frame2 = new QGroupBox(QStringLiteral("Giocatore"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    elenco_ = new QTreeWidget(frame2);
    elenco_->setObjectName(QStringLiteral("ListView1"));
    ImpostaElencoARighe(elenco_, {QStringLiteral("Cognome"), QStringLiteral("Nome"), QStringLiteral("Squadra")});
    elenco_->setMinimumHeight(300);
    (new QVBoxLayout(frame2))->addWidget(elenco_);

    auto* seleziona = new Azione(QStringLiteral("Seleziona"), this);
    seleziona->conSuggerimento(QStringLiteral("Premere qui per selezionare il giocatore evidenziato"))->allo([this] {
        this->seleziona();
    });
    auto* annulla = new Azione(QStringLiteral("Annulla"), this);
    annulla->conSuggerimento(QStringLiteral("Non selezionare alcun giocatore"))->allo([this] { this->annulla(); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(PulsanteDa(seleziona, QStringLiteral("Command1"), this));
    pulsanti->addWidget(PulsanteDa(annulla, QStringLiteral("Command2"), this));

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(frame1);
    corpo->addWidget(frame2, 1);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(corpo, 1);
    tutto->addLayout(pulsanti);

    connect(albero_, &Albero::nodoCliccato, this, [this] { elenca(); });
}

void SceltaGiocatoreDialog::carica()
{
    // Whatever closes the window other than "Seleziona" hands back no player.
    stato().CodGiocatoreScelto = NESSUN_GIOCATORE;
    CursoreAttesa();
    CaricaAlberoSquadre(albero_);
    AdattaAlberoSquadre(albero_);
    CursoreNormale();
    elenca();
    // The columns fit every name of the whole list, which the window opens with.
    int larghezza = 0;
    for (int c = 0; c < elenco_->columnCount(); ++c) {
        elenco_->setColumnWidth(c, LarghezzaContenuto(elenco_, c) + 12);
        larghezza += elenco_->columnWidth(c);
    }
    elenco_->setMinimumWidth(larghezza + elenco_->verticalScrollBar()->sizeHint().width() + 2 * elenco_->frameWidth());
}

void SceltaGiocatoreDialog::elenca()
{
    CursoreAttesa();
    elenco_->clear();
    QVector<GiocatoreElenco> giocatori;
    EseguiComando(TITOLO,
                  [&] { giocatori = ElencoGiocatoriQueries::giocatori(SquadraDelNodo(albero_->selezionato())); });
    const QIcon icona = Icona(QStringLiteral("giocatore"));
    QList<QTreeWidgetItem*> righe;
    for (const GiocatoreElenco& g : giocatori) {
        auto* riga = new QTreeWidgetItem({g.cognome, g.nome, g.squadra});
        riga->setIcon(0, icona);
        riga->setData(0, RUOLO_CODICE, g.codice);
        righe << riga;
    }
    elenco_->addTopLevelItems(righe);
    CursoreNormale();
}

void SceltaGiocatoreDialog::seleziona()
{
    const QList<QTreeWidgetItem*> scelte = elenco_->selectedItems();
    if (scelte.isEmpty() || scelte.first()->text(0).isEmpty()) {
        Messaggio::errore(QStringLiteral("Bisogna selezionare un giocatore!"),
                          QStringLiteral("Selezione di un giocatore"));
        return;
    }
    stato().CodGiocatoreScelto = scelte.first()->data(0, RUOLO_CODICE).toInt();
    chiudi();
}

void SceltaGiocatoreDialog::annulla()
{
    stato().CodGiocatoreScelto = NESSUN_GIOCATORE;
    chiudi();
}
