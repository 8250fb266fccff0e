#include "standings/calendariosquadrawindow.h"

#include "core/comando.h"
#include "core/listasquadre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/cartellaprogramma.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/testoinriga.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Tabella di marcia");
constexpr int CONTESTO_GUIDA = 25;
constexpr int BASE_EVIDENZIA = 100;

enum Colonna { GIRONE, GIORNATA, DATA, ORA, ESITO, LOCALI, OSPITI, RISULTATO, COLONNE };
constexpr int LARGHEZZE[COLONNE] = {700, 700, 1000, 800, 300, 1900, 1900, 900};  // twips

const QStringList INTESTAZIONE{"Girone", "Giornata", "Data", "Ora", " ", "Locali", "Ospiti", "Risultato"};

}  // namespace

CalendarioSquadraWindow::CalendarioSquadraWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("tabella"), CONTESTO_GUIDA);

    auto* tutto = new QVBoxLayout(this);

    // The tool strip: the panel buttons, then the team list.
    auto* striscia = new QHBoxLayout;
    striscia->setSpacing(2);
    auto comando = [this](const char* icona, const QString& testo, const QString& suggerimento,
                          const QString& finestra) {
        return (new Azione(testo, Icona(QLatin1String(icona)), this))
            ->conSuggerimento(suggerimento)
            ->richiedeFinestra(finestra);
    };
    auto* scheda = comando("formazioni", QStringLiteral("Scheda\npartita"),
                           QStringLiteral("Visualizza la partita selezionata"), IdFinestra::SchedaPartita)
                       ->allo([this] { apriSchedaPartita(); });
    auto* grafico = comando("grafico", QStringLiteral("Grafico\nandamento"),
                            QStringLiteral("Grafico di andamento della squadra"), IdFinestra::GraficoAndamento)
                        ->allo([this] { apriConSquadra(IdFinestra::GraficoAndamento); });
    auto* statistiche =
        comando("statistiche", QStringLiteral("Statistiche\nandamento"),
                QStringLiteral("Statistiche sull'andamento della squadra"), IdFinestra::AndamentoSquadra)
            ->allo([this] { apriConSquadra(IdFinestra::AndamentoSquadra); });
    auto* ricerca = comando("cerca", QStringLiteral("Ricerca\nrisultati"),
                            QStringLiteral("Ricerca risultati della squadra"), IdFinestra::RicercaRisultati)
                        ->allo([this] { apriRicercaRisultati(); });
    auto* guida = comando("guida", QStringLiteral("Guida"), QStringLiteral("Guida di Golvarno"), QString())->allo([] {
        Guida::apri(CONTESTO_GUIDA);
    });
    // Panel 4 is an empty place: the help stands apart.
    const std::pair<int, Azione*> pannelli[] = {{0, scheda}, {1, grafico}, {2, statistiche}, {3, ricerca}, {5, guida}};
    for (const auto& [indice, azione] : pannelli) {
        if (indice == 5) striscia->addSpacing(12);
        striscia->addWidget(
            PannelloDa(azione, BASE_EVIDENZIA + indice, QStringLiteral("SSPanel1_%1").arg(indice), this));
    }
    striscia->addStretch(1);
    auto* text1 = new QLabel(QStringLiteral("Squadra"), this);
    text1->setObjectName(QStringLiteral("Text1"));
    striscia->addWidget(text1);
    squadre_ = new ComboCodici(this);
    squadre_->setObjectName(QStringLiteral("Combo1"));
    squadre_->setMinimumContentsLength(18);
    squadre_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    text1->setBuddy(squadre_);
    striscia->addWidget(squadre_);
    tutto->addLayout(striscia);

    auto* frame1 = new QGroupBox(QStringLiteral("Elenco incontri disputati"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* riquadro = new QVBoxLayout(frame1);
    griglia_ = new Griglia(frame1);
    griglia_->setObjectName(QStringLiteral("Grid1"));
    griglia_->impostaColonne(COLONNE);
    griglia_->impostaAllineamentoColonna(RISULTATO, Griglia::Allineamento::Centro);
    griglia_->impostaSelezioneRiga(true);
    // A good part of the season in view: half as tall again as a grid's usual dozen rows.
    griglia_->setMinimumHeight(griglia_->sizeHint().height() * 3 / 2);
    riquadro->addWidget(griglia_);
    tutto->addWidget(frame1, 1);

    connect(squadre_, &ComboCodici::click, this, [this] { caricaTabellaDiMarcia(); });
    connect(griglia_, &Griglia::doppioClic, this, [this] { apriSchedaPartita(); });
}

void CalendarioSquadraWindow::carica()
{
    // The team asked for, compared exactly; the first team when none is asked for or it is not listed.
    RiempiListaSquadre(squadre_, stato().SquadraCorrente);
    impostaLarghezze();
    // The result pictures are looked for once: a bitmap added later shows after the window is opened again.
    vittoria_ = CaricaBitmap(FileProgramma(QStringLiteral("MicroV.Bmp")));
    pareggio_ = CaricaBitmap(FileProgramma(QStringLiteral("MicroP.Bmp")));
    sconfitta_ = CaricaBitmap(FileProgramma(QStringLiteral("MicroS.Bmp")));
    caricaTabellaDiMarcia();
}

QString CalendarioSquadraWindow::squadra() const { return squadre_->testo(); }

void CalendarioSquadraWindow::impostaLarghezze()
{
    for (int c = 0; c < COLONNE; ++c) griglia_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
    // The team columns also fit the longest name in bold, up to the grid's limit for a text.
    for (int c : {LOCALI, OSPITI}) griglia_->adattaColonnaAlTesto(c, stato().NomiSquadre, true);
}

void CalendarioSquadraWindow::caricaTabellaDiMarcia()
{
    CursoreAttesa();
    const QString nome = squadra();
    setWindowTitle(TITOLO + QStringLiteral(": ") + TestoInRiga(nome));

    QVector<RigaTabellaDiMarcia> righe;
    if (!nome.isEmpty() && !EseguiComando(TITOLO, [&] { righe = CalendarioSquadraQueries::tabellaDiMarcia(nome); }))
        righe.clear();
    righe_ = righe;

    griglia_->impostaRidisegno(false);
    griglia_->impostaRigheFisse(0);
    griglia_->impostaRighe(0);
    for (const RigaTabellaDiMarcia& r : righe_) griglia_->aggiungiRiga(r.celle());
    griglia_->aggiungiRiga(INTESTAZIONE, 0);
    griglia_->impostaRigheFisse(1);
    for (int i = 0; i < righe_.size(); ++i) {
        const RigaTabellaDiMarcia& r = righe_[i];
        if (r.tipo != RigaTabellaDiMarcia::Tipo::Partita) continue;
        const int riga = i + 1;
        for (int c : {LOCALI, OSPITI})
            if (griglia_->testo(riga, c).compare(nome, Qt::CaseInsensitive) == 0)
                griglia_->impostaGrassetto(riga, c, true);
        switch (r.esito) {
        case RigaTabellaDiMarcia::Esito::Vittoria: griglia_->impostaImmagine(riga, ESITO, vittoria_); break;
        case RigaTabellaDiMarcia::Esito::Pareggio: griglia_->impostaImmagine(riga, ESITO, pareggio_); break;
        case RigaTabellaDiMarcia::Esito::Sconfitta: griglia_->impostaImmagine(riga, ESITO, sconfitta_); break;
        case RigaTabellaDiMarcia::Esito::Nessuno: break;
        }
    }
    griglia_->impostaRidisegno(true);
    // The current row is the first one that shows something (a blank row is no choice).
    int corrente = 1;
    while (corrente <= righe_.size() && righe_[corrente - 1].tipo == RigaTabellaDiMarcia::Tipo::Vuota) ++corrente;
    if (corrente <= righe_.size()) griglia_->impostaCellaCorrente(corrente, 0);
    CursoreNormale();
}

void CalendarioSquadraWindow::apriSchedaPartita()
{
    const int riga = griglia_->rigaCorrente();
    if (riga < 1 || riga > righe_.size()) return;
    const RigaTabellaDiMarcia& r = righe_[riga - 1];
    // Blank and rest rows open nothing.
    if (r.tipo != RigaTabellaDiMarcia::Tipo::Partita || !Finestre::istanza().registrata(IdFinestra::SchedaPartita))
        return;
    Stato& s = stato();
    s.Andata = r.andata;
    s.GiornataCorrente = Val(griglia_->testo(riga, GIORNATA));
    s.CodPartitaCorrente = r.codPart;
    // A match sheet already open on another match day refills its list for this one.
    s.GiornataCambiata = true;
    Finestre::istanza().mostra(IdFinestra::SchedaPartita);
}

void CalendarioSquadraWindow::apriConSquadra(const QString& id)
{
    if (!Finestre::istanza().registrata(id)) return;
    stato().SquadraCorrente = squadra();
    Finestre::istanza().mostra(id);
}

void CalendarioSquadraWindow::apriRicercaRisultati()
{
    Stato& s = stato();
    s.SquadraCorrente = squadra();
    s.Andata = true;
    s.GiornataCorrente = 1;
    Finestre::istanza().mostra(IdFinestra::RicercaRisultati);
}
