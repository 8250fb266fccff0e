#include "rankings/confrontostatisticowindow.h"

#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/testoinriga.h"
#include "rankings/aiutifinestre.h"
#include "rankings/sceltasquadre.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Confronto statistico");
constexpr int CONTESTO_GUIDA = 42;

const QColor GRIGIO(192, 192, 192);
const QColor GIALLO(255, 255, 0);
const QColor BIANCO(255, 255, 255);

constexpr int COLONNE = 12;
constexpr int LARGHEZZE[COLONNE] = {2300, 700, 700, 700, 75, 700, 700, 700, 75, 700, 700, 700};  // twips
constexpr int RIGHE_INTESTAZIONE = 2;
constexpr int NOME = 0;
constexpr int RIGHE = RIGHE_INTESTAZIONE + 3 * STATISTICHE + 1;

const ControlloDueSquadre CONTROLLO{ControlloDueSquadre::Ordine::VuotePrima,
                                    QStringLiteral("Bisogna selezionare due squadre!"),
                                    QStringLiteral("Bisogna selezionare due squadre diverse!"), TITOLO};

QStringList RigaSquadra(const TotaliSquadra& t, Statistica s) { return QStringList{t.squadra} + CelleStatistica(t, s); }

}  // namespace

ConfrontoStatisticoWindow::ConfrontoStatisticoWindow(QWidget* parent)
    : Finestra(IdFinestra::ConfrontoStatistico, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("confronto"), CONTESTO_GUIDA);

    auto* visualizza = (new Azione(QStringLiteral("Visualizza confronto"), this))
                           ->conSuggerimento(QStringLiteral("Premere qui per visualizzare il confronto tra le squadre"))
                           ->allo([this] { VisualizzaConfronto(); });
    QHBoxLayout* scelta =
        RigaDueSquadre(this, QStringLiteral("Label1"), combo1_, combo2_, visualizza, QStringLiteral("Command1"));

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);
    auto* riquadro = new QVBoxLayout(frame1);
    label2_ = new QLabel(QStringLiteral("Selezionare due squadre e premere Visualizza confronto"), frame1);
    label2_->setObjectName(QStringLiteral("Label2"));
    QFont grassetto = label2_->font();
    grassetto.setBold(true);
    label2_->setFont(grassetto);
    label2_->setStyleSheet(QStringLiteral("color: #FF0000;"));
    riquadro->addWidget(label2_);
    grid1_ = new Griglia(frame1);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->setAccessibleName(TITOLO);
    grid1_->impostaColonne(COLONNE);
    grid1_->impostaSelezioneRiga(false);
    QPalette sfondo = grid1_->palette();
    sfondo.setColor(QPalette::Base, GRIGIO);
    grid1_->setPalette(sfondo);
    // Hidden until the first comparison, the grid keeps its room: the window opens at its working size.
    QSizePolicy politica = grid1_->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    grid1_->setSizePolicy(politica);
    riquadro->addWidget(grid1_, 1);

    auto* pulsanti = new QHBoxLayout;
    AggiungiChiudiHelp(this, pulsanti, QStringLiteral("Command3"), QStringLiteral("Command4"), CONTESTO_GUIDA);
    pulsanti->addStretch(1);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(scelta);
    tutto->addWidget(frame1, 1);
    tutto->addLayout(pulsanti);
}

void ConfrontoStatisticoWindow::carica()
{
    RiempiSenzaScelta(combo1_);
    RiempiSenzaScelta(combo2_);
    for (int c = 0; c < COLONNE; ++c) grid1_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
    // The names and the statistics' labels fit the first column; the figures theirs.
    QStringList nomi;
    for (int i = 0; i < combo1_->count(); ++i) nomi << combo1_->itemText(i);
    grid1_->adattaColonnaAlTesto(NOME, nomi, false);
    QStringList etichette;
    for (int k = 0; k < STATISTICHE; ++k) etichette << EtichettaStatistica(Statistica(k));
    grid1_->adattaColonnaAlTesto(NOME, etichette, true);
    for (int c = 1; c < COLONNE; ++c)
        if (c != 4 && c != 8)
            grid1_->adattaColonnaAlTesto(c, {QStringLiteral("Ritorno"), QStringLiteral("0,6667")}, true);
    // Room for the whole comparison where the screen has it, for twelve rows at least.
    grid1_->setMinimumWidth(grid1_->sizeHint().width());
    const int dodici = grid1_->sizeHint().height();
    const int tutte = dodici * RIGHE / 12 + 4;
    const int schermo = screen() ? screen()->availableGeometry().height() - 320 : tutte;
    grid1_->setMinimumHeight(qMax(dodici, qMin(tutte, schermo)));
    grid1_->setVisible(false);
}

void ConfrontoStatisticoWindow::VisualizzaConfronto()
{
    const QString a = combo1_->testo(), b = combo2_->testo();
    if (!CONTROLLO.verifica(a, b)) return;
    TotaliSquadra ta, tb;
    // A file that cannot be read leaves the comparison shown before as it was.
    if (!EseguiComando(TITOLO, [&] {
            ta = ConfrontoStatisticoQueries::totali(a);
            tb = ConfrontoStatisticoQueries::totali(b);
        }))
        return;
    AggiungiSquadre(ta, tb);
}

void ConfrontoStatisticoWindow::AggiungiSquadre(const TotaliSquadra& a, const TotaliSquadra& b)
{
    CursoreAttesa();
    setWindowTitle(TITOLO + QStringLiteral(": ") + TestoInRiga(a.squadra) + QStringLiteral(" vs ") +
                   TestoInRiga(b.squadra));
    grid1_->impostaRidisegno(false);
    grid1_->impostaRigheFisse(0);
    grid1_->impostaRighe(0);
    grid1_->aggiungiRiga(
        {"", "Andata", "Andata", "Andata", "", "Ritorno", "Ritorno", "Ritorno", "", "Totale", "Totale", "Totale"});
    grid1_->aggiungiRiga({"", "C", "F", "T", "", "C", "F", "T", "", "C", "F", "T"});
    for (int k = 0; k < STATISTICHE; ++k) {
        const Statistica s = Statistica(k);
        grid1_->aggiungiRiga({EtichettaStatistica(s)});
        grid1_->aggiungiRiga(RigaSquadra(a, s));
        grid1_->aggiungiRiga(RigaSquadra(b, s));
    }
    grid1_->aggiungiRiga({});
    grid1_->impostaUnisciRiga0(true);
    grid1_->impostaRigheFisse(RIGHE_INTESTAZIONE);
    // A season's figures may run to eleven digits and more (points of 2147483647 for a win): a column grows to show
    // its figures whole.
    grid1_->allargaColonneAlTesto(1);

    for (int c = 0; c < COLONNE; ++c) {
        grid1_->impostaGrassetto(0, c, true);
        grid1_->impostaAllineamento(0, c, Griglia::Allineamento::Centro);
        grid1_->impostaGrassetto(1, c, true);
    }
    for (int r = 1; r < grid1_->righe(); ++r) {
        grid1_->impostaAllineamento(r, NOME, Griglia::Allineamento::Destra);
        for (int c = 1; c < COLONNE; ++c) grid1_->impostaAllineamento(r, c, Griglia::Allineamento::Centro);
    }
    for (int k = 0; k < STATISTICHE; ++k) {
        const int etichetta = RIGHE_INTESTAZIONE + 3 * k;
        grid1_->impostaGrassetto(etichetta, NOME, true);
        for (int c = 1; c < COLONNE; ++c) {
            grid1_->impostaColoreSfondo(etichetta + 1, c, GIALLO);
            grid1_->impostaColoreSfondo(etichetta + 2, c, BIANCO);
        }
    }
    grid1_->impostaRidisegno(true);
    label2_->setVisible(false);
    grid1_->setVisible(true);
    CursoreNormale();
}
