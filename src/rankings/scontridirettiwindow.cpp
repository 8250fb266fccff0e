#include "rankings/scontridirettiwindow.h"

#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/etichettanome.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"
#include "rankings/aiutifinestre.h"
#include "rankings/sceltasquadre.h"
#include "rankings/scontridirettiqueries.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Visione scontri diretti");
constexpr int CONTESTO_GUIDA = 43;

const ControlloDueSquadre CONTROLLO{ControlloDueSquadre::Ordine::VuotePrima,
                                    QStringLiteral("Bisogna selezionare due squadre!"),
                                    QStringLiteral("Bisogna selezionare due squadre diverse!"), TITOLO};

QLabel* Etichetta(const QString& nome, const QString& testo, QWidget* parent)
{
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    return l;
}

// A label for a value read from the file (a date, a time, the teams, a result), shown as it is written: bold, at
// `punti` points (0: the window's size), in `colore` (empty: the window's), selectable.
template <typename T> T* Valore(T* l, const QString& nome, int punti, const QString& colore)
{
    l->setObjectName(nome);
    TestoSemplice(l);
    QFont f = l->font();
    if (punti > 0) f.setPointSize(punti);
    f.setBold(true);
    l->setFont(f);
    if (!colore.isEmpty()) l->setStyleSheet(QStringLiteral("color: %1;").arg(colore));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

}  // namespace

ScontriDirettiWindow::ScontriDirettiWindow(QWidget* parent) : Finestra(IdFinestra::ScontriDiretti, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("confronto"), CONTESTO_GUIDA);

    auto* visualizza = (new Azione(QStringLiteral("Visualizza risultati"), this))
                           ->conSuggerimento(QStringLiteral("Premere qui per visualizzare gli scontri diretti"))
                           ->allo([this] { VisualizzaRisultati(); });
    QHBoxLayout* scelta =
        RigaDueSquadre(this, QStringLiteral("Label13"), combo1_, combo2_, visualizza, QStringLiteral("Command3"));

    pagine_ = new QStackedWidget(this);
    QLabel* label15 = Etichetta(QStringLiteral("Label15"),
                                QStringLiteral("Selezionare due squadre e premere Visualizza risultati"), pagine_);
    label15->setAlignment(Qt::AlignCenter);
    pagine_->addWidget(label15);
    auto* gironi = new QWidget(pagine_);
    auto* colonna = new QVBoxLayout(gironi);
    colonna->setContentsMargins(0, 0, 0, 0);
    andata_ = creaGirone(QStringLiteral("Girone di andata"),
                         {"Frame1", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Command1"}, true);
    ritorno_ = creaGirone(QStringLiteral("Girone di ritorno"),
                          {"Frame2", "Label12", "Label11", "Label10", "Label9", "Label8", "Label7", "Command2"}, false);
    colonna->addWidget(andata_.frame);
    colonna->addWidget(ritorno_.frame);
    pagine_->addWidget(gironi);

    auto* pulsanti = new QHBoxLayout;
    AggiungiChiudiHelp(this, pulsanti, QStringLiteral("Command5"), QStringLiteral("Command6"), CONTESTO_GUIDA);
    pulsanti->addStretch(1);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(scelta);
    tutto->addWidget(pagine_, 1);
    tutto->addLayout(pulsanti);
}

ScontriDirettiWindow::Girone ScontriDirettiWindow::creaGirone(const QString& titolo, const QStringList& nomi,
                                                              bool andata)
{
    Girone g;
    g.frame = new QGroupBox(titolo, this);
    g.frame->setObjectName(nomi[0]);
    auto* griglia = new QGridLayout(g.frame);
    g.data = Valore(new QLabel(g.frame), nomi[3], 0, {});
    g.orario = Valore(new QLabel(g.frame), nomi[4], 0, {});
    griglia->addWidget(Etichetta(nomi[1], QStringLiteral("Data:"), g.frame), 0, 0);
    griglia->addWidget(g.data, 0, 1);
    griglia->addWidget(Etichetta(nomi[2], QStringLiteral("Orario:"), g.frame), 1, 0);
    griglia->addWidget(g.orario, 1, 1);
    griglia->setColumnStretch(1, 1);

    // The result follows the teams at a short distance; names longer than the frame has room for are cut.
    g.squadre = Valore(new EtichettaIncontro(0, g.frame), nomi[5], 12, {});
    g.risultato = Valore(new QLabel(g.frame), nomi[6], 12, QStringLiteral("#FF0000"));
    auto* incontro = new QHBoxLayout;
    incontro->addWidget(g.squadre);
    incontro->addSpacing(7);
    incontro->addWidget(g.risultato);
    incontro->addStretch(1);
    griglia->addLayout(incontro, 2, 0, 1, 2);

    auto* partita = (new Azione(QStringLiteral("Visualizza partita"), this))
                        ->conSuggerimento(QStringLiteral("Visualizza il tabellino della partita"))
                        ->richiedeFinestra(IdFinestra::SchedaPartita)
                        ->allo([this, andata] { VisualizzaPartita(andata); });
    griglia->addWidget(PulsanteDa(partita, nomi[7], g.frame), 3, 0, 1, 2, Qt::AlignLeft);
    return g;
}

void ScontriDirettiWindow::carica()
{
    RiempiSenzaScelta(combo1_);
    RiempiSenzaScelta(combo2_);
    // Room for two names of 30 characters on one line.
    QFontMetrics fm(andata_.squadre->font());
    andata_.frame->setMinimumWidth(fm.horizontalAdvance(QString(63, QLatin1Char('n')) + QStringLiteral("10 - 10")));
    pagine_->setCurrentIndex(0);
}

void ScontriDirettiWindow::VisualizzaRisultati()
{
    const QString a = combo1_->testo(), b = combo2_->testo();
    if (!CONTROLLO.verifica(a, b)) return;
    std::optional<ScontroDiretto> s;
    if (!EseguiComando(TITOLO, [&] { s = ScontriDirettiQueries::cerca(a, b); })) return;
    if (!s) {
        pagine_->setCurrentIndex(0);
        Messaggio::errore(QStringLiteral("La giornata con l'incontro tra: \r") + a + QStringLiteral(" e ") + b +
                              QStringLiteral("\rnon è ancora stata registrata in questo campionato."),
                          TITOLO);
        return;
    }
    CursoreAttesa();
    codPart_ = s->codPart;
    giornata_ = s->giornata;
    andata_.data->setText(s->dataAndata);
    andata_.orario->setText(s->orarioAndata);
    andata_.squadre->impostaIncontro(s->sq1, s->sq2);
    andata_.risultato->setText(s->risultatoAndata);
    ritorno_.data->setText(s->dataRitorno);
    ritorno_.orario->setText(s->orarioRitorno);
    ritorno_.squadre->impostaIncontro(s->sq2, s->sq1);
    ritorno_.risultato->setText(s->risultatoRitorno);
    pagine_->setCurrentIndex(1);
    CursoreNormale();
}

void ScontriDirettiWindow::VisualizzaPartita(bool andata)
{
    if (pagine_->currentIndex() != 1 || !Finestre::istanza().registrata(IdFinestra::SchedaPartita)) return;
    Stato& s = stato();
    s.Andata = andata;
    s.GiornataCorrente = giornata_;
    s.CodPartitaCorrente = codPart_;
    // A match sheet already open on another match day refills its list for this one.
    s.GiornataCambiata = true;
    Finestre::istanza().mostra(IdFinestra::SchedaPartita);
}
