#include "standings/calendariosquadrawindow.h"

#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/cartellaprogramma.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/pannello.h"

#include <functional>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString ID = QStringLiteral("Form21");
const QString TITOLO = QStringLiteral("Tabella di marcia");
const QString SCHEDA_PARTITA = QStringLiteral("Form3");
const QString GRAFICO_ANDAMENTO = QStringLiteral("Form23");
const QString STATISTICHE_ANDAMENTO = QStringLiteral("Form22");
const QString RICERCA_RISULTATI = QStringLiteral("Form13");
constexpr int CONTESTO_GUIDA = 25;
constexpr int BASE_EVIDENZIA = 100;

enum Colonna { GIRONE, GIORNATA, DATA, ORA, ESITO, LOCALI, OSPITI, RISULTATO, COLONNE };
constexpr int LARGHEZZE[COLONNE] = {700, 700, 1000, 800, 300, 1900, 1900, 900};  // twips

const QString INTESTAZIONE = QStringLiteral("Girone\tGiornata\tData\tOra\t \tLocali\tOspiti\tRisultato");

// A bitmap of the program folder, or a null picture when it is missing or unreadable.
QPixmap Bitmap(const QString& nome)
{
    const QString percorso = FileProgramma(nome);
    return EsisteFile(percorso) ? QPixmap(percorso) : QPixmap();
}

}  // namespace

CalendarioSquadraWindow::CalendarioSquadraWindow(QWidget* parent) : Finestra(ID, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("tabella"), CONTESTO_GUIDA);

    auto* tutto = new QVBoxLayout(this);

    // The tool strip: the panel buttons, then the team list.
    auto* striscia = new QHBoxLayout;
    striscia->setSpacing(2);
    struct Voce {
        int indice;
        const char* icona;
        QString testo;
        QString suggerimento;
        std::function<void()> azione;
    };
    const QVector<Voce> voci{
        {0, "formazioni", QStringLiteral("Scheda\npartita"), QStringLiteral("Visualizza la partita selezionata"),
         [this] { ApriSchedaPartita(); }},
        {1, "grafico", QStringLiteral("Grafico\nandamento"), QStringLiteral("Grafico di andamento della squadra"),
         [this] { apriConSquadra(GRAFICO_ANDAMENTO); }},
        {2, "statistiche", QStringLiteral("Statistiche\nandamento"),
         QStringLiteral("Statistiche sull'andamento della squadra"), [this] { apriConSquadra(STATISTICHE_ANDAMENTO); }},
        {3, "cerca", QStringLiteral("Ricerca\nrisultati"), QStringLiteral("Ricerca risultati della squadra"),
         [this] { apriRicercaRisultati(); }},
        {5, "guida", QStringLiteral("Guida"), QStringLiteral("Guida di Golvarno"), [] { Guida::apri(CONTESTO_GUIDA); }},
    };
    pulsanti_.fill(nullptr, 6);
    for (const Voce& v : voci) {
        auto* p = new Pannello(Icona(QLatin1String(v.icona)), v.testo, BASE_EVIDENZIA + v.indice, this);
        p->setObjectName(QStringLiteral("SSPanel1_%1").arg(v.indice));
        p->impostaDisposizione(Pannello::Disposizione::IconaSopra);
        p->setToolTip(v.suggerimento);
        connect(p, &Pannello::clicked, this, v.azione);
        pulsanti_[v.indice] = p;
        if (v.indice == 5) striscia->addSpacing(12);
        striscia->addWidget(p);
    }
    striscia->addStretch(1);
    auto* text1 = new QLabel(QStringLiteral("Squadra"), this);
    text1->setObjectName(QStringLiteral("Text1"));
    striscia->addWidget(text1);
    combo1_ = new ComboCodici(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setMinimumContentsLength(18);
    combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    text1->setBuddy(combo1_);
    striscia->addWidget(combo1_);
    tutto->addLayout(striscia);

    auto* frame1 = new QGroupBox(QStringLiteral("Elenco incontri disputati"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* riquadro = new QVBoxLayout(frame1);
    grid1_ = new Griglia(frame1);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->impostaColonne(COLONNE);
    grid1_->impostaAllineamentoColonna(RISULTATO, Griglia::Allineamento::Centro);
    grid1_->impostaSelezioneRiga(true);
    // A good part of the season in view: half as tall again as a grid's usual dozen rows.
    grid1_->setMinimumHeight(grid1_->sizeHint().height() * 3 / 2);
    riquadro->addWidget(grid1_);
    tutto->addWidget(frame1, 1);

    connect(combo1_, &ComboCodici::click, this, [this] { CaricaTabellaDiMarcia(); });
    connect(grid1_, &Griglia::doppioClic, this, [this] { ApriSchedaPartita(); });
    // A command whose window is not available yet stays disabled until it is.
    connect(&Finestre::istanza(), &Finestre::registrazioneCambiata, this, [this] { aggiornaComandi(); });
    aggiornaComandi();
}

void CalendarioSquadraWindow::carica()
{
    const Stato& s = stato();
    {
        ComboCodici::SenzaClick caricamento(combo1_);
        for (int i = 1; i < s.Squadre.size(); ++i) combo1_->aggiungi(s.Squadre[i].Nome);
        // The team asked for, compared exactly; the first team when none is asked for or it is not listed.
        int scelta = combo1_->count() > 0 ? 0 : -1;
        for (int i = 0; i < combo1_->count() && !s.SquadraCorrente.isEmpty(); ++i)
            if (combo1_->itemText(i) == s.SquadraCorrente) {
                scelta = i;
                break;
            }
        combo1_->setCurrentIndex(scelta);
    }
    impostaLarghezze();
    // The result pictures are looked for once: a bitmap added later shows after the window is opened again.
    vittoria_ = Bitmap(QStringLiteral("MicroV.Bmp"));
    pareggio_ = Bitmap(QStringLiteral("MicroP.Bmp"));
    sconfitta_ = Bitmap(QStringLiteral("MicroS.Bmp"));
    CaricaTabellaDiMarcia();
}

QString CalendarioSquadraWindow::squadra() const { return combo1_->testo(); }

void CalendarioSquadraWindow::impostaLarghezze()
{
    for (int c = 0; c < COLONNE; ++c) grid1_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
    // The team columns also fit the longest name in bold.
    QFont grassetto = grid1_->font();
    grassetto.setBold(true);
    const QFontMetrics fm(grassetto);
    int nome = 0;
    for (int i = 1; i < stato().Squadre.size(); ++i) nome = qMax(nome, fm.horizontalAdvance(stato().Squadre[i].Nome));
    for (int c : {LOCALI, OSPITI})
        if (nome + 12 > grid1_->larghezzaColonnaPx(c)) grid1_->impostaLarghezzaColonnaPx(c, nome + 12);
}

void CalendarioSquadraWindow::CaricaTabellaDiMarcia()
{
    CursoreAttesa();
    const QString nome = squadra();
    setWindowTitle(TITOLO + QStringLiteral(": ") + nome);

    QVector<RigaTabellaDiMarcia> righe;
    if (!nome.isEmpty() && !EseguiComando(TITOLO, [&] { righe = CalendarioSquadraQueries::tabellaDiMarcia(nome); }))
        righe.clear();
    righe_ = righe;

    grid1_->impostaRidisegno(false);
    grid1_->impostaRigheFisse(0);
    grid1_->impostaRighe(0);
    for (const RigaTabellaDiMarcia& r : righe_) grid1_->aggiungiRiga(r.celle().join('\t'));
    grid1_->aggiungiRiga(INTESTAZIONE, 0);
    grid1_->impostaRigheFisse(1);
    for (int i = 0; i < righe_.size(); ++i) {
        const RigaTabellaDiMarcia& r = righe_[i];
        if (r.tipo != RigaTabellaDiMarcia::Tipo::Partita) continue;
        const int riga = i + 1;
        for (int c : {LOCALI, OSPITI})
            if (grid1_->testo(riga, c).compare(nome, Qt::CaseInsensitive) == 0) grid1_->impostaGrassetto(riga, c, true);
        switch (r.esito) {
        case RigaTabellaDiMarcia::Esito::Vittoria: grid1_->impostaImmagine(riga, ESITO, vittoria_); break;
        case RigaTabellaDiMarcia::Esito::Pareggio: grid1_->impostaImmagine(riga, ESITO, pareggio_); break;
        case RigaTabellaDiMarcia::Esito::Sconfitta: grid1_->impostaImmagine(riga, ESITO, sconfitta_); break;
        case RigaTabellaDiMarcia::Esito::Nessuno: break;
        }
    }
    grid1_->impostaRidisegno(true);
    // The current row is the first one that shows something (a blank row is no choice).
    int corrente = 1;
    while (corrente <= righe_.size() && righe_[corrente - 1].tipo == RigaTabellaDiMarcia::Tipo::Vuota) ++corrente;
    if (corrente <= righe_.size()) grid1_->impostaCellaCorrente(corrente, 0);
    CursoreNormale();
}

void CalendarioSquadraWindow::ApriSchedaPartita()
{
    const int riga = grid1_->rigaCorrente();
    if (riga < 1 || riga > righe_.size()) return;
    const RigaTabellaDiMarcia& r = righe_[riga - 1];
    // Blank and rest rows open nothing.
    if (r.tipo != RigaTabellaDiMarcia::Tipo::Partita || !Finestre::istanza().registrata(SCHEDA_PARTITA)) return;
    Stato& s = stato();
    s.Andata = r.andata;
    s.GiornataCorrente = Val(grid1_->testo(riga, GIORNATA));
    s.CodPartitaCorrente = r.codPart;
    // A match sheet already open on another match day refills its list for this one.
    s.GiornataCambiata = true;
    Finestre::istanza().mostra(SCHEDA_PARTITA);
}

void CalendarioSquadraWindow::apriConSquadra(const QString& id)
{
    if (!Finestre::istanza().registrata(id)) return;
    stato().SquadraCorrente = squadra();
    Finestre::istanza().mostra(id);
}

void CalendarioSquadraWindow::apriRicercaRisultati()
{
    if (!Finestre::istanza().registrata(RICERCA_RISULTATI)) return;
    Stato& s = stato();
    s.SquadraCorrente = squadra();
    s.Andata = true;
    s.GiornataCorrente = 1;
    Finestre::istanza().mostra(RICERCA_RISULTATI);
}

void CalendarioSquadraWindow::aggiornaComandi()
{
    const QString destinazioni[] = {SCHEDA_PARTITA, GRAFICO_ANDAMENTO, STATISTICHE_ANDAMENTO, RICERCA_RISULTATI};
    for (int i = 0; i < 4; ++i) pulsanti_[i]->setEnabled(Finestre::istanza().registrata(destinazioni[i]));
}
