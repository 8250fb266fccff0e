#include "match/schedapartitawindow.h"

#include "core/codici.h"
#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "match/barrapartita.h"
#include "match/editoripartita.h"
#include "match/giornataaccanto.h"
#include "platform/azione.h"
#include "platform/cartellaprogramma.h"
#include "platform/combocodici.h"
#include "platform/etichettanome.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"

#include <algorithm>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Schede delle partite");
const QString TITOLO_ELIMINA_GOL = QStringLiteral("Eliminare gol");
const QString TITOLO_ELIMINA_CAMBIO = QStringLiteral("Eliminare una sostituzione");
constexpr int CONTESTO_GUIDA = 40;  // the help topic of match sheets and line-ups
constexpr int BASE_EVIDENZIA = 40;
constexpr int RIGHE_FORMAZIONE = 11;
constexpr int LATO_CARTELLINO = 16;
constexpr int LARGHEZZE_RETI[] = {800, 2300, 800};  // twips
enum ColonnaCambi { ENTRA, VOTO, MINUTO, ESCE };

// The yellow and the red card: the program folder's bitmaps when they were there at start-up and
// still read, else our own cards.
class Cartellini {
public:
    Cartellini() : giallo_(Carta(false)), rosso_(Carta(true)) {}
    // The picture of a PRESENZE.AMMONITO code; null for no card.
    QPixmap di(int codice) const { return Espulso(codice) ? rosso_ : Ammonito(codice) ? giallo_ : QPixmap(); }

private:
    static QPixmap Carta(bool rosso)
    {
        const bool presente = rosso ? stato().BmpEspulsoPresente : stato().BmpAmmonitoPresente;
        QPixmap p;
        if (presente)
            p = CaricaBitmap(FileProgramma(rosso ? QStringLiteral("Espulso!.Bmp") : QStringLiteral("Ammonito!.Bmp")));
        if (p.isNull())
            return PixmapIcona(rosso ? QStringLiteral("espulso") : QStringLiteral("ammonito"), LATO_CARTELLINO);
        return p.width() > LATO_CARTELLINO || p.height() > LATO_CARTELLINO
                   ? p.scaled(LATO_CARTELLINO, LATO_CARTELLINO, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                   : p;
    }
    QPixmap giallo_, rosso_;
};

QLabel* Etichetta(const QString& nome, QWidget* parent, const QString& testo = QString())
{
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setTextFormat(Qt::PlainText);
    return l;
}

void Grassetto(QWidget* w, bool grassetto = true)
{
    QFont f = w->font();
    f.setBold(grassetto);
    w->setFont(f);
}

QFrame* Linea(const QString& nome, QWidget* parent)
{
    auto* l = new QFrame(parent);
    l->setObjectName(nome);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

}  // namespace

SchedaPartitaWindow::SchedaPartitaWindow(QWidget* parent) : Finestra(IdFinestra::SchedaPartita, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("referto"), CONTESTO_GUIDA);
    auto* tutto = new QVBoxLayout(this);

    // The top bar: match day, match and leg.
    const BarraPartita barra = CreaBarraPartita(
        {QStringLiteral("Toolbar2"), QStringLiteral("Text1"), QStringLiteral("Combo1"), QStringLiteral("Text4"),
         QStringLiteral("Combo3"), QStringLiteral("Text3"), QStringLiteral("Combo2")},
        this);
    combo1_ = barra.giornata;
    combo3_ = barra.partita;
    combo2_ = barra.girone;
    tutto->addWidget(barra.barra);

    // The tool panel.
    precedente_ = AzioneEditore(QStringLiteral("Giornata\nprecedente"), QStringLiteral("precedente"),
                                QStringLiteral("Giornata precedente"), this, [this] { AllaGiornataPrecedente(); });
    successiva_ = AzioneEditore(QStringLiteral("Giornata\nsuccessiva"), QStringLiteral("successivo"),
                                QStringLiteral("Giornata successiva"), this, [this] { AllaGiornataSuccessiva(); });
    auto mostra = [](const QString& id) { return [id] { Finestre::istanza().mostra(id); }; };
    tabellino_ =
        AzioneEditore(QStringLiteral("Tabellino"), QStringLiteral("referto"),
                      QStringLiteral("Modificare tabellino della partita"), this, mostra(IdFinestra::Tabellino))
            ->richiedeFinestra(IdFinestra::Tabellino);
    opzioni_ = AzioneEditore(QStringLiteral("Opzioni"), QStringLiteral("opzioni"),
                             QStringLiteral("Opzioni di visualizzazione"), this, mostra(IdFinestra::Opzioni))
                   ->richiedeFinestra(IdFinestra::Opzioni);
    formazioni_ =
        AzioneEditore(QStringLiteral("Formazioni"), QStringLiteral("formazioni"),
                      QStringLiteral("Modificare / inserire le formazioni"), this, mostra(IdFinestra::Formazioni))
            ->richiedeFinestra(IdFinestra::Formazioni);
    guida_ =
        AzioneEditore(QStringLiteral("Guida"), QStringLiteral("guida"),
                      QStringLiteral("Richiamare la guida di Golvarno"), this, [] { Guida::apri(CONTESTO_GUIDA); });
    auto* pannelli = new QWidget(this);
    pannelli->setObjectName(QStringLiteral("Toolbar1"));
    auto* striscia = new QHBoxLayout(pannelli);
    striscia->setContentsMargins(0, 0, 0, 0);
    striscia->setSpacing(2);
    const std::pair<int, Azione*> voci[] = {{0, precedente_}, {1, successiva_}, {2, tabellino_},
                                            {3, opzioni_},    {5, formazioni_}, {6, guida_}};
    for (const auto& [indice, azione] : voci) {
        if (indice == 5 || indice == 6) striscia->addSpacing(12);
        striscia->addWidget(
            PannelloDa(azione, BASE_EVIDENZIA + indice, QStringLiteral("SSPanel1_%1").arg(indice), pannelli));
    }
    striscia->addStretch(1);
    tutto->addWidget(pannelli);

    schede_ = new QTabWidget(this);
    schede_->setObjectName(QStringLiteral("SSTab1"));
    const char* titoli[] = {"Tabellino", "Formazioni", "Sostituzioni", "Marcatori", "Note"};
    QVector<QWidget*> pagine;
    for (const char* t : titoli) {
        auto* p = new QWidget(schede_);
        schede_->addTab(p, QLatin1String(t));
        pagine.append(p);
    }
    costruisciTestata(pagine[0]);
    costruisciFormazioni(pagine[1]);
    costruisciSostituzioni(pagine[2]);
    costruisciMarcatori(pagine[3]);
    costruisciNote(pagine[4]);
    tutto->addWidget(schede_, 1);

    connect(combo1_, &ComboCodici::click, this, [this] { giornataScelta(); });
    connect(combo2_, &ComboCodici::click, this, [this] { gironeScelto(); });
    connect(combo3_, &ComboCodici::click, this, [this] { partitaScelta(); });
    svuotaPartita();
}

void SchedaPartitaWindow::costruisciTestata(QWidget* pagina)
{
    auto* v = new QVBoxLayout(pagina);
    auto* riga = new QHBoxLayout;
    // The result follows the teams; names longer than the page has room for are cut.
    titolo_ = new EtichettaIncontro(0, pagina);
    titolo_->setObjectName(QStringLiteral("Label3"));
    risultato_ = Etichetta(QStringLiteral("Label4"), pagina);
    for (QLabel* l : {static_cast<QLabel*>(titolo_), risultato_}) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.4);
        l->setFont(f);
    }
    risultato_->setStyleSheet(QStringLiteral("color: #c00000;"));
    riga->addWidget(titolo_);
    riga->addSpacing(12);
    riga->addWidget(risultato_);
    riga->addStretch(1);
    v->addLayout(riga);
    v->addWidget(Linea(QStringLiteral("Line1"), pagina));
    auto* quando = new QHBoxLayout;
    data_ = Etichetta(QStringLiteral("Label1"), pagina);
    ora_ = Etichetta(QStringLiteral("Label2"), pagina);
    quando->addWidget(data_);
    quando->addSpacing(24);
    quando->addWidget(ora_);
    quando->addStretch(1);
    v->addLayout(quando);
    auto* chi = new QHBoxLayout;
    chi->addWidget(Etichetta(QStringLiteral("Label11"), pagina, QStringLiteral("Arbitro:")));
    arbitro_ = Etichetta(QStringLiteral("Label12"), pagina);
    chi->addWidget(arbitro_, 1);
    v->addLayout(chi);
    v->addWidget(Linea(QStringLiteral("Line2"), pagina));
    modificaDati_ = AzioneEditore(QStringLiteral("Modifica dati"), QStringLiteral("modifica"),
                                  QStringLiteral("Modifica il tabellino della partita"), this,
                                  [] { Finestre::istanza().mostra(IdFinestra::Tabellino); })
                        ->richiedeFinestra(IdFinestra::Tabellino);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(PulsanteDa(modificaDati_, QStringLiteral("Command1"), pagina));
    pulsanti->addStretch(1);
    v->addLayout(pulsanti);
    v->addStretch(1);
}

void SchedaPartitaWindow::costruisciFormazioni(QWidget* pagina)
{
    auto* h = new QHBoxLayout(pagina);
    const int larghezzaNumero = fontMetrics().horizontalAdvance(QStringLiteral("000"));
    const int larghezzaVoto = fontMetrics().horizontalAdvance(QStringLiteral("10,5"));
    for (int lato = 0; lato < 2; ++lato) {
        Lato& l = lati_[lato];
        l.formazione = new QGroupBox(pagina);
        l.formazione->setObjectName(lato == 0 ? QStringLiteral("Frame1") : QStringLiteral("Frame2"));
        auto* g = new QGridLayout(l.formazione);
        g->setHorizontalSpacing(8);
        g->setVerticalSpacing(2);
        // The controls of both teams are numbered as the rows: Image1/Label6/Label5/Label7 for team 1,
        // Image2/Label9/Label8/Label10 for team 2, with the row index.
        const QString nomi[4] = {lato == 0 ? "Image1" : "Image2", lato == 0 ? "Label6" : "Label9",
                                 lato == 0 ? "Label5" : "Label8", lato == 0 ? "Label7" : "Label10"};
        for (int i = 0; i < RIGHE_FORMAZIONE; ++i) {
            RigaControlli r;
            r.cartellino = Etichetta(QStringLiteral("%1_%2").arg(nomi[0]).arg(i), l.formazione);
            r.cartellino->setFixedSize(LATO_CARTELLINO, LATO_CARTELLINO);
            r.numero = Etichetta(QStringLiteral("%1_%2").arg(nomi[1]).arg(i), l.formazione);
            r.numero->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            r.numero->setMinimumWidth(larghezzaNumero);
            r.nome = new EtichettaNome(fontMetrics().averageCharWidth() * 24, l.formazione);
            r.nome->setObjectName(QStringLiteral("%1_%2").arg(nomi[2]).arg(i));
            r.voto = Etichetta(QStringLiteral("%1_%2").arg(nomi[3]).arg(i), l.formazione);
            r.voto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            r.voto->setMinimumWidth(larghezzaVoto);
            g->addWidget(r.cartellino, i, 0);
            g->addWidget(r.numero, i, 1);
            g->addWidget(r.nome, i, 2);
            g->addWidget(r.voto, i, 3);
            // Rows keep the card's height whether or not a card is shown.
            g->setRowMinimumHeight(i, LATO_CARTELLINO + 2);
            l.righe.append(r);
        }
        g->setColumnStretch(2, 1);
        g->setRowStretch(RIGHE_FORMAZIONE, 1);
        h->addWidget(l.formazione, 1);
    }
}

void SchedaPartitaWindow::costruisciSostituzioni(QWidget* pagina)
{
    auto* v = new QVBoxLayout(pagina);
    const int larghezzaBreve = fontMetrics().horizontalAdvance(QStringLiteral("Minuto")) + 24;
    for (int lato = 0; lato < 2; ++lato) {
        Lato& l = lati_[lato];
        auto* h = new QHBoxLayout;
        l.cambi = new QGroupBox(pagina);
        l.cambi->setObjectName(lato == 0 ? QStringLiteral("Frame7") : QStringLiteral("Frame8"));
        auto* dentro = new QVBoxLayout(l.cambi);
        l.elencoCambi = new QTreeWidget(l.cambi);
        l.elencoCambi->setObjectName(lato == 0 ? QStringLiteral("ListView1") : QStringLiteral("ListView2"));
        l.elencoCambi->setHeaderLabels(
            {QStringLiteral("Entra"), QStringLiteral("Voto"), QStringLiteral("Minuto"), QStringLiteral("Esce")});
        l.elencoCambi->setRootIsDecorated(false);
        l.elencoCambi->setUniformRowHeights(true);
        l.elencoCambi->setIconSize(QSize(LATO_CARTELLINO, LATO_CARTELLINO));
        l.elencoCambi->setSelectionMode(QAbstractItemView::SingleSelection);
        QHeaderView* testata = l.elencoCambi->header();
        testata->setStretchLastSection(false);
        testata->setSectionResizeMode(ENTRA, QHeaderView::Stretch);
        testata->setSectionResizeMode(ESCE, QHeaderView::Stretch);
        for (int c : {VOTO, MINUTO}) {
            testata->setSectionResizeMode(c, QHeaderView::Fixed);
            l.elencoCambi->setColumnWidth(c, larghezzaBreve);
        }
        l.elencoCambi->setMinimumWidth(larghezzaBreve * 2 + fontMetrics().averageCharWidth() * 2 * 28);
        // A handful of rows in view: a team makes a few substitutions.
        l.elencoCambi->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
        l.elencoCambi->setMinimumHeight(l.elencoCambi->header()->sizeHint().height() +
                                        6 * (fontMetrics().height() + 4) + 2 * l.elencoCambi->frameWidth());
        dentro->addWidget(l.elencoCambi);
        h->addWidget(l.cambi, 1);

        l.modificaCambio = AzioneEditore(QStringLiteral("Modifica"), QStringLiteral("modifica"),
                                         QStringLiteral("Modifica i dati della sostituzione selezionata"), this,
                                         [this, lato] { modificaSostituzione(lato); })
                               ->richiedeFinestra(IdFinestra::Sostituzioni);
        l.eliminaCambio = AzioneEditore(QStringLiteral("Elimina"), QStringLiteral("elimina"),
                                        QStringLiteral("Elimina la sostituzione selezionata"), this,
                                        [this, lato] { eliminaSostituzione(lato); });
        l.inserisciCambio = AzioneEditore(QStringLiteral("Inserisci nuova"), QStringLiteral("aggiungi"),
                                          QStringLiteral("Inserire i dati di una nuova sostituzione"), this,
                                          [this, lato] { inserisciSostituzione(lato); })
                                ->richiedeFinestra(IdFinestra::Sostituzioni);
        auto* pulsanti = new QVBoxLayout;
        const char* nomi[2][3] = {{"Command9", "Command12", "Command10"}, {"Command8", "Command13", "Command11"}};
        Azione* azioni[3] = {l.modificaCambio, l.eliminaCambio, l.inserisciCambio};
        for (int b = 0; b < 3; ++b) pulsanti->addWidget(PulsanteDa(azioni[b], QLatin1String(nomi[lato][b]), pagina));
        pulsanti->addStretch(1);
        h->addLayout(pulsanti);
        v->addLayout(h, 1);
    }
}

void SchedaPartitaWindow::costruisciMarcatori(QWidget* pagina)
{
    auto* h = new QHBoxLayout(pagina);
    for (int lato = 0; lato < 2; ++lato) {
        Lato& l = lati_[lato];
        l.marcatori = new QGroupBox(pagina);
        l.marcatori->setObjectName(lato == 0 ? QStringLiteral("Frame5") : QStringLiteral("Frame6"));
        auto* v = new QVBoxLayout(l.marcatori);
        l.reti = new Griglia(l.marcatori);
        l.reti->setObjectName(lato == 0 ? QStringLiteral("Grid1") : QStringLiteral("Grid2"));
        l.reti->impostaColonne(3);
        l.reti->impostaSelezioneRiga(true);
        for (int c = 0; c < 3; ++c) l.reti->impostaLarghezzaColonna(c, LARGHEZZE_RETI[c]);
        // At least as designed; the scorer column takes whatever room the window gives (adattaMarcatori).
        l.reti->setMinimumWidth(l.reti->sizeHint().width());
        l.reti->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        v->addWidget(l.reti, 1);

        l.modificaRete = AzioneEditore(QStringLiteral("Modifica"), QStringLiteral("modifica"),
                                       QStringLiteral("Modifica il marcatore o i dati del gol selezionato"), this,
                                       [this, lato] { modificaRete(lato); })
                             ->richiedeFinestra(IdFinestra::Reti);
        l.inserisciRete = AzioneEditore(QStringLiteral("Inserisci"), QStringLiteral("aggiungi"),
                                        QStringLiteral("Inserire il marcatore di un gol"), this,
                                        [this, lato] { inserisciRete(lato); })
                              ->richiedeFinestra(IdFinestra::Reti);
        l.eliminaRete =
            AzioneEditore(QStringLiteral("Elimina"), QStringLiteral("elimina"),
                          QStringLiteral("Elimina la rete selezionata"), this, [this, lato] { eliminaRete(lato); });
        const char* nomi[2][3] = {{"Command2", "Command3", "Command4"}, {"Command5", "Command6", "Command7"}};
        auto* pulsanti = new QHBoxLayout;
        pulsanti->addWidget(PulsanteDa(l.modificaRete, QLatin1String(nomi[lato][0]), l.marcatori));
        pulsanti->addWidget(PulsanteDa(l.inserisciRete, QLatin1String(nomi[lato][1]), l.marcatori));
        pulsanti->addWidget(PulsanteDa(l.eliminaRete, QLatin1String(nomi[lato][2]), l.marcatori));
        v->addLayout(pulsanti);
        h->addWidget(l.marcatori, 1);

        connect(l.reti, &Griglia::doppioClic, this, [this, lato] {
            if (!squadre_[lato].reti.isEmpty() && lati_[lato].modificaRete->isEnabled()) modificaRete(lato);
        });
    }
}

void SchedaPartitaWindow::costruisciNote(QWidget* pagina)
{
    auto* v = new QVBoxLayout(pagina);
    auto* modulo = new QFormLayout;
    const char* didascalie[] = {"Guardalinee", "Condizioni climatiche", "Terreno di gioco", "Spettatori"};
    for (int i = 0; i < 4; ++i) {
        auto* e = new QLineEdit(pagina);
        e->setObjectName(QStringLiteral("Text%1").arg(16 + i));
        e->setReadOnly(true);
        QLabel* l = Etichetta(QStringLiteral("Label%1").arg(21 + i), pagina, QLatin1String(didascalie[i]));
        l->setBuddy(e);
        modulo->addRow(l, e);
        note_.append(e);
    }
    v->addLayout(modulo);

    auto* frame3 = new QGroupBox(QStringLiteral("Statistiche"), pagina);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* g = new QGridLayout(frame3);
    for (int lato = 0; lato < 2; ++lato) {
        testeStatistiche_[lato] = Etichetta(lato == 0 ? QStringLiteral("Label19") : QStringLiteral("Label20"), frame3);
        testeStatistiche_[lato]->setAlignment(Qt::AlignCenter);
        Grassetto(testeStatistiche_[lato]);
    }
    // Team 1's figures on the left of the captions, team 2's on the right.
    g->addWidget(testeStatistiche_[0], 0, 0);
    g->addWidget(testeStatistiche_[1], 0, 2);
    const char* righe[] = {"Tiri", "Tiri in porta", "Fuorigioco", "Falli fatti", "Possesso palla", "Calci d'angolo"};
    const int caselle[2][6] = {{2, 6, 8, 10, 12, 14}, {5, 7, 9, 11, 13, 15}};
    const int larghezza = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
    for (int i = 0; i < 6; ++i) {
        QLabel* l = Etichetta(QStringLiteral("Label%1").arg(13 + i), frame3, QString::fromUtf8(righe[i]));
        l->setAlignment(Qt::AlignCenter);
        g->addWidget(l, i + 1, 1);
        for (int lato = 0; lato < 2; ++lato) {
            auto* e = new QLineEdit(frame3);
            e->setObjectName(QStringLiteral("Text%1").arg(caselle[lato][i]));
            e->setReadOnly(true);
            e->setAlignment(Qt::AlignCenter);
            e->setFixedWidth(larghezza);
            g->addWidget(e, i + 1, lato == 0 ? 0 : 2, Qt::AlignHCenter);
            statistiche_[lato].append(e);
        }
    }
    g->setColumnStretch(0, 1);
    g->setColumnStretch(2, 1);
    g->setHorizontalSpacing(16);
    v->addWidget(frame3);
    v->addStretch(1);
}

// ---------------------------------------------------------------- loading

void SchedaPartitaWindow::carica()
{
    stato().GiornataCambiata = false;
    CaricaElencoPartite();
}

void SchedaPartitaWindow::attiva()
{
    const Stato& s = stato();
    // The list follows the match day and leg asked for, whether or not the caller said it changed them.
    if (s.GiornataCambiata || giornataElenco_ != s.GiornataCorrente || andataElenco_ != s.Andata) CaricaElencoPartite();
    CaricaPartita();
}

void SchedaPartitaWindow::CaricaElencoPartite()
{
    const Stato& s = stato();
    giornataElenco_ = s.GiornataCorrente;
    andataElenco_ = s.Andata;
    QVector<VocePartita> elenco;
    if (!EseguiComando(TITOLO, [&] { elenco = SchedaPartitaQueries::partite(giornataElenco_, andataElenco_); }))
        elenco.clear();
    elenco_ = elenco;

    ComboCodici::SenzaClick g1(combo1_), g2(combo2_), g3(combo3_);
    if (combo1_->count() != s.GiornateInserite) {
        combo1_->svuota();
        for (int i = 1; i <= s.GiornateInserite; ++i) combo1_->aggiungi(QString::number(i), i);
    }
    combo1_->setCurrentIndex(combo1_->trovaCodice(giornataElenco_));
    combo2_->setCurrentIndex(andataElenco_ ? 0 : 1);
    combo3_->svuota();
    for (const VocePartita& v : elenco_) combo3_->aggiungi(v.testo, v.codPart);
    combo3_->setCurrentIndex(-1);
}

void SchedaPartitaWindow::CaricaPartita()
{
    Stato& s = stato();
    CursoreAttesa();
    s.GiornataCambiata = false;
    auto indice = [this](int codice) {
        for (int i = 0; i < elenco_.size(); ++i)
            if (elenco_[i].codPart == codice) return i;
        return -1;
    };
    int i = indice(s.CodPartitaCorrente);
    if (i < 0) {
        // A match of another day: the sheet follows it to its match day.
        DatiPartita d;
        EseguiComando(TITOLO, [&] { d = SchedaPartitaQueries::partita(s.CodPartitaCorrente, s.Andata); });
        if (d.trovata && d.giornata != giornataElenco_) {
            s.GiornataCorrente = d.giornata;
            CaricaElencoPartite();
            i = indice(s.CodPartitaCorrente);
        }
    }
    // A match that is nowhere: the first of the day.
    if (i < 0 && !elenco_.isEmpty()) {
        i = 0;
        s.CodPartitaCorrente = elenco_[0].codPart;
    }
    if (i < 0) {
        svuotaPartita();
        CursoreNormale();
        return;
    }
    {
        ComboCodici::SenzaClick guardia(combo3_);
        combo3_->setCurrentIndex(i);
    }
    AspettoScheda aspetto;
    aspetto.formatoNome = s.FormatoNome;
    aspetto.mostraVoti = s.MostraVoti;
    aspetto.numerazioneTradizionale = s.NumerazioneTradizionale;
    DatiPartita partita;
    std::array<SquadraInCampo, 2> squadre;
    const bool letta = EseguiComando(TITOLO, [&] {
        partita = SchedaPartitaQueries::partita(s.CodPartitaCorrente, s.Andata);
        if (partita.trovata) squadre = SchedaPartitaQueries::squadre(partita, s.Andata, aspetto);
    });
    if (!letta || !partita.trovata) {
        svuotaPartita();
        CursoreNormale();
        return;
    }
    partita_ = partita;
    squadre_ = squadre;
    mostraTestata();
    CaricaTabFormazioni();
    CaricaSostituzioni();
    CaricaTabReti();
    CaricaTabNote();
    aggiornaComandi();
    CursoreNormale();
}

void SchedaPartitaWindow::svuotaPartita()
{
    partita_ = DatiPartita();
    squadre_ = {};
    for (SquadraInCampo& sq : squadre_)
        sq.titolari = SchedaPartitaQueries::titolariVuoti(stato().NumerazioneTradizionale);
    {
        ComboCodici::SenzaClick guardia(combo3_);
        combo3_->setCurrentIndex(-1);
    }
    partita_.note = QStringList(4, QString());
    partita_.statistiche = {QStringList(6, QString()), QStringList(6, QString())};
    mostraTestata();
    CaricaTabFormazioni();
    CaricaSostituzioni();
    CaricaTabReti();
    CaricaTabNote();
    aggiornaComandi();
}

void SchedaPartitaWindow::mostraTestata()
{
    const DatiPartita& p = partita_;
    if (!p.trovata) {
        titolo_->svuota();
        for (QLabel* l : {risultato_, data_, ora_, arbitro_}) l->clear();
        setWindowTitle(TITOLO);
        return;
    }
    titolo_->impostaIncontro(p.casa, p.ospite);
    risultato_->setText(p.risultato());
    // The editors write an empty date or time as one blank: that is no date either.
    data_->setText(p.data.trimmed().isEmpty() ? QStringLiteral("(Data non specificata)")
                                              : QStringLiteral("Data: ") + p.data);
    ora_->setText(p.ora.trimmed().isEmpty() ? QStringLiteral("(Orario non specificato)")
                                            : QStringLiteral("Ora: ") + p.ora);
    arbitro_->setText(p.arbitro);
    setWindowTitle(TITOLO + QStringLiteral(": ") + IncontroInRiga(fontMetrics(), p.casa, p.ospite));
}

void SchedaPartitaWindow::CaricaTabFormazioni()
{
    const Cartellini carte;
    for (int lato = 0; lato < 2; ++lato) {
        const SquadraInCampo& sq = squadre_[lato];
        Lato& l = lati_[lato];
        l.formazione->setTitle(NomeInTitolo(l.formazione->fontMetrics(), sq.nome));
        for (int i = 0; i < RIGHE_FORMAZIONE; ++i) {
            const RigaTitolare& r = sq.titolari.value(i);
            const RigaControlli& c = l.righe[i];
            c.numero->setText(r.numero);
            c.nome->impostaNome(r.nome);
            c.voto->setText(r.voto);
            const QPixmap carta = carte.di(r.cartellino);
            c.cartellino->setPixmap(carta);
            c.cartellino->setVisible(!carta.isNull());
        }
    }
}

void SchedaPartitaWindow::CaricaSostituzioni()
{
    const Cartellini carte;
    for (int lato = 0; lato < 2; ++lato) {
        const SquadraInCampo& sq = squadre_[lato];
        Lato& l = lati_[lato];
        l.cambi->setTitle(NomeInTitolo(l.cambi->fontMetrics(), sq.nome));
        l.elencoCambi->clear();
        for (const RigaSostituzione& r : sq.sostituzioni) {
            auto* voce = new QTreeWidgetItem(l.elencoCambi, {r.entra, r.voto, r.minuto, r.esce});
            const QPixmap carta = carte.di(r.cartellino);
            if (!carta.isNull()) voce->setIcon(ENTRA, QIcon(carta));
            voce->setData(ENTRA, Qt::UserRole, r.codice);
            // A long name is cut short in its column: the whole one shows under the mouse.
            voce->setToolTip(ENTRA, SuggerimentoTesto(r.entra));
            voce->setToolTip(ESCE, SuggerimentoTesto(r.esce));
            for (int c : {VOTO, MINUTO}) voce->setTextAlignment(c, Qt::AlignCenter);
        }
        // A row is always selected while there are rows, so that modify and delete have one to act on.
        if (l.elencoCambi->topLevelItemCount() > 0) l.elencoCambi->setCurrentItem(l.elencoCambi->topLevelItem(0));
    }
}

void SchedaPartitaWindow::CaricaTabReti()
{
    for (int lato = 0; lato < 2; ++lato) {
        const SquadraInCampo& sq = squadre_[lato];
        Lato& l = lati_[lato];
        Griglia* g = l.reti;
        l.marcatori->setTitle(NomeInTitolo(l.marcatori->fontMetrics(), sq.nome));
        g->impostaRidisegno(false);
        g->impostaRigheFisse(0);
        g->impostaRighe(0);
        for (const RigaRete& r : sq.reti) g->aggiungiRiga({r.minuto, r.marcatore, r.tipo});
        if (sq.reti.isEmpty()) g->aggiungiRiga({});
        g->aggiungiRiga({"Minuto", "Marcatore", "Note"}, 0);
        g->impostaRigheFisse(1);
        for (int c = 0; c < 3; ++c) g->impostaGrassetto(0, c, true);
        QFont grassetto = g->font();
        grassetto.setBold(true);
        const QFontMetrics fm(grassetto);
        l.nomeMassimo = 0;
        for (int r = 0; r < sq.reti.size(); ++r) {
            g->impostaGrassetto(r + 1, 1, true);
            l.nomeMassimo = qMax(l.nomeMassimo, fm.horizontalAdvance(sq.reti[r].marcatore));
        }
        g->impostaRidisegno(true);
        adattaMarcatori(lato);
        // No goal selected: the current cell rests on the header.
        g->impostaCellaCorrente(0, 2);
    }
}

void SchedaPartitaWindow::adattaMarcatori(int lato)
{
    Griglia* g = lati_[lato].reti;
    g->impostaLarghezzaColonna(1, LARGHEZZE_RETI[1]);
    // At least as designed and as the longest scorer's name, which counts for a long name at most (a longer one is
    // cut with "…"); more where the window gives the grid more room.
    const int nome = std::min(lati_[lato].nomeMassimo + 12, g->larghezzaMassimaTesto(true));
    g->impostaColonnaElastica(1, std::max(g->larghezzaColonnaPx(1), nome));
}

void SchedaPartitaWindow::CaricaTabNote()
{
    const DatiPartita& p = partita_;
    for (int i = 0; i < note_.size(); ++i) note_[i]->setText(p.note.value(i));
    for (int lato = 0; lato < 2; ++lato) {
        testeStatistiche_[lato]->setText(TestoInRiga(squadre_[lato].nome));
        for (int i = 0; i < statistiche_[lato].size(); ++i)
            statistiche_[lato][i]->setText(p.statistiche[lato].value(i));
    }
}

void SchedaPartitaWindow::aggiornaComandi()
{
    const bool partita = partita_.trovata;
    for (Azione* a : {tabellino_, modificaDati_, formazioni_}) a->impostaDisponibile(partita);
    for (int lato = 0; lato < 2; ++lato) {
        Lato& l = lati_[lato];
        const SquadraInCampo& sq = squadre_[lato];
        l.inserisciRete->impostaDisponibile(partita);
        l.inserisciCambio->impostaDisponibile(partita);
        l.modificaRete->impostaDisponibile(!sq.reti.isEmpty());
        l.eliminaRete->impostaDisponibile(!sq.reti.isEmpty());
        l.modificaCambio->impostaDisponibile(!sq.sostituzioni.isEmpty());
        l.eliminaCambio->impostaDisponibile(!sq.sostituzioni.isEmpty());
    }
}

// ---------------------------------------------------------------- navigation

void SchedaPartitaWindow::AllaGiornataPrecedente() { spostaGiornata(false); }

void SchedaPartitaWindow::AllaGiornataSuccessiva() { spostaGiornata(true); }

void SchedaPartitaWindow::spostaGiornata(bool avanti)
{
    Stato& s = stato();
    const auto g = GiornataAccanto({s.GiornataCorrente, s.Andata}, avanti, s.GiornateInserite);
    if (!g) {
        AvvisaFineCalendario(avanti);
        return;
    }
    s.GiornataCorrente = g->giornata;
    s.Andata = g->andata;
    primaPartitaDellaGiornata();
}

void SchedaPartitaWindow::primaPartitaDellaGiornata()
{
    CaricaElencoPartite();
    stato().CodPartitaCorrente = elenco_.isEmpty() ? 0 : elenco_[0].codPart;
    CaricaPartita();
}

void SchedaPartitaWindow::giornataScelta()
{
    if (combo1_->currentIndex() < 0) return;
    stato().GiornataCorrente = combo1_->codiceCorrente();
    primaPartitaDellaGiornata();
}

void SchedaPartitaWindow::gironeScelto()
{
    const int i = combo2_->currentIndex();
    if (i != 0 && i != 1) return;
    stato().Andata = i == 0;
    // The same pairing in the other leg.
    CaricaElencoPartite();
    CaricaPartita();
}

void SchedaPartitaWindow::partitaScelta()
{
    if (combo3_->currentIndex() < 0) return;
    stato().CodPartitaCorrente = combo3_->codiceCorrente();
    CaricaPartita();
}

// ---------------------------------------------------------------- goals

int SchedaPartitaWindow::reteSelezionata(int lato) const
{
    const int n = int(squadre_[lato].reti.size());
    if (n == 0) return -1;
    // With the header current, the first goal.
    const int riga = lati_[lato].reti->rigaCorrente();
    return riga < 1 || riga > n ? 0 : riga - 1;
}

void SchedaPartitaWindow::modificaRete(int lato)
{
    const int i = reteSelezionata(lato);
    if (i < 0) return;
    lati_[lato].reti->impostaRigaCorrente(i + 1);
    stato().CodRete = squadre_[lato].reti[i].codice;
    Finestre::istanza().mostra(IdFinestra::Reti);
}

void SchedaPartitaWindow::inserisciRete(int lato)
{
    stato().CodRete = lato == 0 ? -1 : -2;
    Finestre::istanza().mostra(IdFinestra::Reti);
}

void SchedaPartitaWindow::eliminaRete(int lato)
{
    const int i = reteSelezionata(lato);
    if (i < 0) return;
    Griglia* g = lati_[lato].reti;
    g->impostaCellaCorrente(i + 1, 1);
    const RigaRete r = squadre_[lato].reti[i];
    if (!Messaggio::conferma(QStringLiteral("Eliminare il gol segnato da ") + r.marcatore + QStringLiteral(" ?"),
                             TITOLO_ELIMINA_GOL))
        return;
    if (!EseguiComando(TITOLO_ELIMINA_GOL, [&] { SchedaPartitaQueries::eliminaRete(r.codice); })) return;
    CaricaPartita();
}

// ---------------------------------------------------------------- substitutions

int SchedaPartitaWindow::cambioSelezionato(int lato) const
{
    const QTreeWidget* t = lati_[lato].elencoCambi;
    const QTreeWidgetItem* voce = t->currentItem();
    if (!voce) return -1;
    const int codice = voce->data(ENTRA, Qt::UserRole).toInt();
    const QVector<RigaSostituzione>& righe = squadre_[lato].sostituzioni;
    for (int i = 0; i < righe.size(); ++i)
        if (righe[i].codice == codice) return i;
    return -1;
}

void SchedaPartitaWindow::modificaSostituzione(int lato)
{
    const int i = cambioSelezionato(lato);
    if (i < 0) return;
    stato().CodSostituzione = squadre_[lato].sostituzioni[i].codice;
    Finestre::istanza().mostra(IdFinestra::Sostituzioni);
}

void SchedaPartitaWindow::inserisciSostituzione(int lato)
{
    if (!squadre_[lato].formazionePresente) {
        Messaggio::errore(QStringLiteral("Non si possono inserire le sostituzioni effettuate da ") +
                              squadre_[lato].nome +
                              QStringLiteral(" se prima non si inseriscono le formazioni schierate dall'inizio."),
                          QStringLiteral("Inserimento sostituzioni"));
        return;
    }
    stato().CodSostituzione = lato == 0 ? -1 : -2;
    Finestre::istanza().mostra(IdFinestra::Sostituzioni);
}

void SchedaPartitaWindow::eliminaSostituzione(int lato)
{
    const int i = cambioSelezionato(lato);
    if (i < 0) return;
    const RigaSostituzione r = squadre_[lato].sostituzioni[i];
    auto rifiuta = [&](const QString& dopo) {
        Messaggio::avvisa(QStringLiteral("Non si può eliminare la sostituzione di %1 con %2: %2 è stato a sua volta "
                                         "sostituito da %3.\rEliminare prima quella sostituzione.")
                              .arg(r.esce, r.entra, dopo),
                          TITOLO_ELIMINA_CAMBIO);
    };
    if (!r.sostituitoDa.isEmpty()) {
        rifiuta(r.sostituitoDa);
        return;
    }
    if (!Messaggio::conferma(QStringLiteral("Eliminare la sostituzione di ") + r.esce + QStringLiteral(" con ") +
                                 r.entra + QStringLiteral(" ? "),
                             TITOLO_ELIMINA_CAMBIO))
        return;
    auto esito = SchedaPartitaQueries::EsitoSostituzione::Mancante;
    if (!EseguiComando(TITOLO_ELIMINA_CAMBIO, [&] { esito = SchedaPartitaQueries::eliminaSostituzione(r.codice); }))
        return;
    CaricaPartita();
    // Replaced meanwhile in another window: the list now shows by whom.
    if (esito == SchedaPartitaQueries::EsitoSostituzione::SostituitoDopo)
        for (const RigaSostituzione& x : squadre_[lato].sostituzioni)
            if (x.codice == r.codice) rifiuta(x.sostituitoDa);
}

void RegistraSchedaPartita()
{
    Finestre::istanza().registra(IdFinestra::SchedaPartita, [] { return new SchedaPartitaWindow; });
}
