#include "rankings/confrontotabellewindow.h"

#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/cartellaprogramma.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/testoinriga.h"
#include "rankings/aiutifinestre.h"
#include "rankings/sceltasquadre.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Confronto tabella di marcia");
constexpr int CONTESTO_GUIDA = 43;
const QColor ARGENTO(192, 192, 192);

enum Colonna { GIRONE, GIORNATA, ESITO_A, CASA_A, OSPITE_A, RIS_A, SPAZIO, ESITO_B, CASA_B, OSPITE_B, RIS_B, COLONNE };
constexpr int LARGHEZZE[COLONNE] = {340, 440, 200, 1500, 1500, 600, 100, 200, 1500, 1500, 600};  // twips
constexpr int RIGHE_INTESTAZIONE = 2;

const ControlloDueSquadre CONTROLLO{ControlloDueSquadre::Ordine::UgualiPrima,
                                    QStringLiteral("Bisogna selezionare 2 squadre!"),
                                    QStringLiteral("Il confronto va effettuato tra 2 squadre diverse!"), TITOLO};

}  // namespace

ConfrontoTabelleWindow::ConfrontoTabelleWindow(QWidget* parent) : Finestra(IdFinestra::ConfrontoTabelle, parent)
{
    impostaAspetto(QStringLiteral("Confronti:"), QStringLiteral("confronto"), CONTESTO_GUIDA);

    auto* label1 = new QLabel(QStringLiteral("Squadre"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    combo1_ = ElencoSquadre(QStringLiteral("Combo1"), QStringLiteral("Prima squadra"), this);
    label1->setBuddy(combo1_);
    auto* label2 = new QLabel(QStringLiteral("e"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    combo2_ = ElencoSquadre(QStringLiteral("Combo2"), QStringLiteral("Seconda squadra"), this);
    auto* visualizza = (new Azione(QStringLiteral("Visualizza confronto !"), this))
                           ->conSuggerimento(QStringLiteral("Premere qui per visualizzare il confronto"))
                           ->allo([this] { VisualizzaConfronto(); });
    auto* scelta = new QHBoxLayout;
    scelta->addWidget(label1);
    scelta->addWidget(combo1_);
    scelta->addWidget(label2);
    scelta->addWidget(combo2_);
    scelta->addSpacing(12);
    scelta->addWidget(PulsanteDa(visualizza, QStringLiteral("Command5"), this));
    scelta->addStretch(1);

    auto* label3 = new QLabel(QStringLiteral("Selezionare 2 squadre da confontare!"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    QFont grassetto = label3->font();
    grassetto.setBold(true);
    label3->setFont(grassetto);
    label3->setStyleSheet(QStringLiteral("color: #FF0000;"));
    auto* solco = new QFrame(this);
    solco->setObjectName(QStringLiteral("Line1"));
    solco->setFrameShape(QFrame::HLine);
    solco->setFrameShadow(QFrame::Sunken);

    auto* frame1 = new QGroupBox(QStringLiteral("Confronto giornata per giornata"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* riquadro = new QVBoxLayout(frame1);
    grid1_ = new Griglia(frame1);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->impostaColonne(COLONNE);
    for (int c : {GIRONE, GIORNATA, RIS_A, RIS_B}) grid1_->impostaAllineamentoColonna(c, Griglia::Allineamento::Centro);
    grid1_->impostaSelezioneRiga(true);
    // Hidden until the first comparison, the grid keeps its room: the window opens at its working size.
    QSizePolicy politica = grid1_->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    grid1_->setSizePolicy(politica);
    riquadro->addWidget(grid1_);

    auto* vediGiornata = (new Azione(QStringLiteral("Vedi giornata"), this))
                             ->conSuggerimento(QStringLiteral("Visualizza il calendario alla giornata evidenziata"))
                             ->richiedeFinestra(IdFinestra::Calendario)
                             ->allo([this] { VediGiornata(); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(PulsanteDa(vediGiornata, QStringLiteral("Command1"), this));
    pulsanti->addStretch(1);
    AggiungiChiudiHelp(this, pulsanti, QStringLiteral("Command3"), QStringLiteral("Command4"), CONTESTO_GUIDA);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(scelta);
    tutto->addWidget(label3);
    tutto->addWidget(solco);
    tutto->addWidget(frame1, 1);
    tutto->addLayout(pulsanti);

    connect(grid1_, &Griglia::doppioClic, this, [this] { VediGiornata(); });
}

void ConfrontoTabelleWindow::carica()
{
    RiempiSenzaScelta(combo1_);
    RiempiSenzaScelta(combo2_);
    // The result pictures are looked for once: a bitmap added later shows after the window is opened again.
    vittoria_ = CaricaBitmap(FileProgramma(QStringLiteral("MicroV.Bmp")));
    pareggio_ = CaricaBitmap(FileProgramma(QStringLiteral("MicroP.Bmp")));
    sconfitta_ = CaricaBitmap(FileProgramma(QStringLiteral("MicroS.Bmp")));
    impostaLarghezze();
    // Room for the whole season of a large championship before the first comparison. The width is the one the
    // columns ask for, not a minimum: in a narrower area the grid scrolls sideways.
    grid1_->setMinimumHeight(grid1_->sizeHint().height() * 3 / 2);
    grid1_->setVisible(false);
}

void ConfrontoTabelleWindow::impostaLarghezze()
{
    for (int c = 0; c < COLONNE; ++c) grid1_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
    // The team columns fit the longest name in bold; the narrow ones their headings and widest contents.
    for (int c : {CASA_A, OSPITE_A, CASA_B, OSPITE_B}) grid1_->adattaColonnaAlTesto(c, stato().NomiSquadre, true);
    grid1_->adattaColonnaAlTesto(GIRONE, {QStringLiteral("Gir.")}, false);
    grid1_->adattaColonnaAlTesto(GIORNATA, {QStringLiteral("Num.")}, false);
    for (int c : {RIS_A, RIS_B}) grid1_->adattaColonnaAlTesto(c, {QStringLiteral("10 - 10")}, false);
}

void ConfrontoTabelleWindow::VisualizzaConfronto()
{
    const QString a = combo1_->testo(), b = combo2_->testo();
    if (!CONTROLLO.verifica(a, b)) return;
    QVector<RigaConfronto> righe;
    // A file that cannot be read leaves the comparison shown before as it was.
    if (!EseguiComando(TITOLO, [&] { righe = ConfrontoTabelleQueries::confronto(a, b); })) return;
    righe_ = righe;
    CaricaConfronto(a, b);
}

void ConfrontoTabelleWindow::CaricaConfronto(const QString& a, const QString& b)
{
    CursoreAttesa();
    setWindowTitle(QStringLiteral("Confronti: ") + TestoInRiga(a) + QStringLiteral(" vs ") + TestoInRiga(b));
    grid1_->impostaRidisegno(false);
    grid1_->impostaRigheFisse(0);
    grid1_->impostaRighe(0);
    for (const RigaConfronto& r : righe_) grid1_->aggiungiRiga(r.celle());

    QStringList titoli{QStringLiteral("Gir."), QStringLiteral("Num.")};
    for (int i = 0; i < 4; ++i) titoli << a;
    titoli << QStringLiteral(" ");
    for (int i = 0; i < 4; ++i) titoli << b;
    grid1_->aggiungiRiga(titoli, 0);
    grid1_->aggiungiRiga({"", "", "", "Locali", "Ospiti", "Ris.", "", "", "Locali", "Ospiti", "Ris."}, 1);
    grid1_->impostaUnisciRiga0(true);
    grid1_->impostaRigheFisse(RIGHE_INTESTAZIONE);
    for (int c : {ESITO_A, ESITO_B}) {
        grid1_->impostaGrassetto(0, c, true);
        grid1_->impostaAllineamento(0, c, Griglia::Allineamento::Centro);
    }
    for (int c = 0; c < COLONNE; ++c) grid1_->impostaColoreSfondo(1, c, ARGENTO);

    const QPixmap* immagini[] = {nullptr, &vittoria_, &pareggio_, &sconfitta_};
    for (int i = 0; i < righe_.size(); ++i) {
        const int riga = i + RIGHE_INTESTAZIONE;
        for (int c : {GIRONE, GIORNATA, SPAZIO}) grid1_->impostaColoreSfondo(riga, c, ARGENTO);
        grid1_->impostaGrassetto(riga, GIORNATA, true);
        const RigaConfronto& r = righe_[i];
        for (int k = 0; k < 2; ++k) {
            const SquadraInRiga& s = r.squadre[k];
            const int casa = k == 0 ? CASA_A : CASA_B;
            if (s.partita) grid1_->impostaGrassetto(riga, s.inCasa ? casa : casa + 1, true);
            if (const QPixmap* p = immagini[int(s.esito)]) grid1_->impostaImmagine(riga, casa - 1, *p);
        }
    }
    grid1_->impostaRidisegno(true);
    grid1_->setVisible(true);
    // As the comparison leaves it, the last round of the return leg is the current row.
    grid1_->impostaCellaCorrente(grid1_->righe() - 1, 0);
    CursoreNormale();
}

void ConfrontoTabelleWindow::VediGiornata()
{
    const int i = grid1_->rigaCorrente() - RIGHE_INTESTAZIONE;
    // Heading rows, blank rows and a grid not yet filled open nothing.
    if (!grid1_->isVisible() || i < 0 || i >= righe_.size() || righe_[i].vuota) return;
    if (!Finestre::istanza().registrata(IdFinestra::Calendario)) return;
    Stato& s = stato();
    s.Andata = righe_[i].andata;
    s.GiornataCorrente = righe_[i].giornata;
    Finestre::istanza().mostra(IdFinestra::Calendario);
}
