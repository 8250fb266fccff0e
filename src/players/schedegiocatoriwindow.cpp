#include "players/schedegiocatoriwindow.h"

#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/albero.h"
#include "platform/azione.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"
#include "players/alberosquadre.h"
#include "players/numeromaglia.h"
#include "players/sceltaimmaginedialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Schede dei giocatori");
const QString TITOLO_MESSAGGI = QStringLiteral("Schede giocatori");
const QString TITOLO_RICERCA = QStringLiteral("Ricerca giocatore");
constexpr int CONTESTO_GUIDA = 34;
constexpr int BASE_EVIDENZIA = 90;
constexpr int LARGHEZZA_FOTO = 150;
constexpr int ALTEZZA_FOTO = 190;
// The boxes of the personal data that "Salva" writes: first name, surname, role, date and place of birth,
// nationality, height, weight and shirt number.
constexpr int CAMPI_SALVATI[] = {1, 2, 4, 5, 6, 7, 8, 9, 10};

// The end-of-list texts: for the whole championship, or for the selected team.
QString TestoFineElenco(bool primo, bool tutti)
{
    return QStringLiteral("Questo è %1 giocatore (in ordine alfabetico) nell'elenco %2.")
        .arg(primo ? QStringLiteral("il primo") : QStringLiteral("l'ultimo"),
             tutti ? QStringLiteral("completo dei giocatori di tutte le squadre iscritte al campionato")
                   : QStringLiteral("dei giocatori della rosa della squadra selezionata"));
}

// A player deleted meanwhile by another window: what was not done.
QString GiocatoreNonPiuNelFile(const QString& conseguenza)
{
    return QStringLiteral("Il giocatore non è più nel file del campionato: %1.").arg(conseguenza);
}

QLineEdit* Casella(const QString& nome, QWidget* parent, int lunghezza = 0)
{
    auto* t = new QLineEdit(parent);
    t->setObjectName(nome);
    if (lunghezza > 0) t->setMaxLength(lunghezza);
    return t;
}

}  // namespace

SchedeGiocatoriWindow::SchedeGiocatoriWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("giocatore"), CONTESTO_GUIDA);
    testi_.fill(nullptr, 29);

    // The tool strip, left to right: previous, next, save, new, search, delete, help.
    auto azione = [this](const QString& testo, const char* icona, const QString& suggerimento, auto fare) {
        auto* a = new Azione(testo, Icona(QLatin1String(icona)), this);
        a->conSuggerimento(suggerimento)->allo(fare);
        return a;
    };
    precedente_ = azione(QStringLiteral("Precedente"), "precedente", QStringLiteral("Giocatore precedente"),
                         [this] { sposta(-1); });
    successivo_ = azione(QStringLiteral("Successivo"), "successivo", QStringLiteral("Giocatore successivo"),
                         [this] { sposta(1); });
    Azione* nuovo = azione(QStringLiteral("Nuovo"), "aggiungi", QStringLiteral("Nuovo giocatore"),
                           [this] { ApriNuovoGiocatore(); });
    nuovo->richiedeFinestra(IdFinestra::NuovoGiocatore);
    Azione* guida = azione(QStringLiteral("Guida"), "guida", QStringLiteral("Richiamare la guida di Golvarno"),
                           [this] { Guida::apri(contestoGuida()); });
    salva_ = azione(QStringLiteral("Salva"), "salva", QStringLiteral("Salva le modifiche"), [this] { SalvaScheda(); });
    Azione* ricerca =
        azione(QStringLiteral("Cerca"), "cerca", QStringLiteral("Ricerca giocatore"), [this] { RicercaGiocatore(); });
    elimina_ = azione(QStringLiteral("Elimina"), "elimina", QStringLiteral("Eliminare il giocatore"),
                      [this] { EliminaGiocatore(); });
    const QList<QPair<int, Azione*>> strumenti{{0, precedente_}, {1, successivo_}, {5, salva_}, {2, nuovo},
                                               {6, ricerca},     {7, elimina_},    {4, guida}};
    auto* striscia = new QHBoxLayout;
    striscia->setSpacing(2);
    for (const auto& [indice, a] : strumenti) {
        if (indice == 4) striscia->addSpacing(12);
        striscia->addWidget(PannelloDa(a, BASE_EVIDENZIA + indice, QStringLiteral("SSPanel1_%1").arg(indice), this));
    }
    striscia->addStretch(1);

    // The team tree.
    auto* frame1 = new QGroupBox(QStringLiteral("Squadre"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    albero_ = new Albero(frame1);
    albero_->setObjectName(QStringLiteral("TreeView1"));
    auto* l1 = new QVBoxLayout(frame1);
    l1->addWidget(albero_);

    // The card, the letter buttons, and the notice of the empty list in their place.
    tab_ = new QTabWidget(this);
    tab_->setObjectName(QStringLiteral("SSTab1"));
    tab_->addTab(paginaInformazioni(), QStringLiteral("Informazioni"));
    tab_->addTab(paginaStatistiche(), QStringLiteral("Statistiche"));

    lettere_ = new QFrame(this);
    lettere_->setObjectName(QStringLiteral("Frame7"));
    auto* l7 = new QHBoxLayout(lettere_);
    l7->setContentsMargins(0, 0, 0, 0);
    l7->setSpacing(1);
    for (int i = 0; i < 26; ++i) {
        const QChar lettera('A' + i);
        auto* b = new QPushButton(QString(lettera), lettere_);
        b->setObjectName(QStringLiteral("Command2_%1").arg(i));
        b->setAccessibleName(QStringLiteral("Lettera %1").arg(lettera));
        // Narrow buttons: the 26 letters stand in one row under the card.
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("W")) + 14);
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, this, [this, lettera] { saltaAllaLettera(lettera); });
        l7->addWidget(b);
    }

    vuoto_ = new QFrame(this);
    vuoto_->setObjectName(QStringLiteral("Frame6"));
    vuoto_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* label29 = new QLabel(QStringLiteral("Nessun giocatore presente!"), vuoto_);
    label29->setObjectName(QStringLiteral("Label29"));
    QFont grande = label29->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    label29->setFont(grande);
    label29->setAlignment(Qt::AlignCenter);
    auto* l6 = new QVBoxLayout(vuoto_);
    l6->addWidget(label29);
    vuoto_->hide();

    auto* destra = new QVBoxLayout;
    destra->addWidget(tab_, 1);
    destra->addWidget(vuoto_, 1);
    destra->addWidget(lettere_);
    auto* corpo = new QHBoxLayout;
    corpo->addWidget(frame1);
    corpo->addLayout(destra, 1);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(striscia);
    tutto->addLayout(corpo, 1);
    // The card keeps its size in the empty state: the notice takes the place of the tabs and letters.
    vuoto_->setMinimumHeight(tab_->sizeHint().height() + lettere_->sizeHint().height());
    vuoto_->setMinimumWidth(tab_->sizeHint().width());

    connect(albero_, &Albero::nodoCliccato, this, [this] { nodoCliccato(); });
}

QWidget* SchedeGiocatoriWindow::paginaInformazioni()
{
    auto* pagina = new QWidget;
    auto* campi = new QFormLayout;
    campi->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    struct Campo {
        int numero;
        const char* etichetta;
        int lunghezza;
    };
    // Text3 (the team) is read-only; the others are the fields that "Salva" writes.
    const Campo elenco[] = {{1, "Nome", 30},
                            {2, "Cognome", 30},
                            {3, "Squadra", 0},
                            {4, "Ruolo", 20},
                            {10, "Maglia n.°", 6},
                            {5, "Data di nascita", 15},
                            {6, "Luogo di nascita", 30},
                            {7, "Nazionalità", 20},
                            {8, "Altezza", 10},
                            {9, "Peso", 10}};
    for (const Campo& c : elenco) {
        QLineEdit* t = Casella(QStringLiteral("Text%1").arg(c.numero), pagina, c.lunghezza);
        t->setMinimumWidth(t->fontMetrics().horizontalAdvance(QString(30, QLatin1Char('n'))));
        t->setMaximumWidth(t->minimumWidth() * 3 / 2);
        testi_[c.numero] = t;
        auto* etichetta = new QLabel(QString::fromUtf8(c.etichetta), pagina);
        etichetta->setBuddy(t);
        campi->addRow(etichetta, t);
    }
    testi_[3]->setReadOnly(true);
    testi_[3]->setFocusPolicy(Qt::NoFocus);

    auto* frame2 = new QGroupBox(QStringLiteral("Foto"), pagina);
    frame2->setObjectName(QStringLiteral("Frame2"));
    foto_ = RiquadroImmagine(QStringLiteral("Image1"), QSize(LARGHEZZA_FOTO, ALTEZZA_FOTO), frame2);
    auto* azioneFoto = new Azione(QStringLiteral("Inserisci / modifica"), this);
    azioneFoto->conSuggerimento(QStringLiteral("Inserire o modificare la foto del giocatore"))
        ->richiedeFinestra(IdFinestra::SceltaImmagine)
        ->allo([this] { cambiaFoto(); });
    QPushButton* command1 = PulsanteDa(azioneFoto, QStringLiteral("Command1"), frame2);
    auto* l2 = new QVBoxLayout(frame2);
    l2->addWidget(foto_, 0, Qt::AlignHCenter);
    l2->addWidget(command1);
    l2->addStretch(1);

    auto* l = new QHBoxLayout(pagina);
    l->addLayout(campi, 1);
    l->addWidget(frame2, 0, Qt::AlignTop);
    return pagina;
}

QWidget* SchedeGiocatoriWindow::paginaStatistiche()
{
    auto* pagina = new QWidget;
    auto riquadro = [this, pagina](const QString& nome, const QString& titolo,
                                   const QList<QPair<int, const char*>>& caselle) {
        auto* g = new QGroupBox(titolo, pagina);
        g->setObjectName(nome);
        auto* f = new QFormLayout(g);
        for (const auto& [numero, etichetta] : caselle) {
            QLineEdit* t = Casella(QStringLiteral("Text%1").arg(numero), g);
            t->setReadOnly(true);
            t->setAlignment(Qt::AlignRight);
            t->setFixedWidth(t->fontMetrics().horizontalAdvance(QStringLiteral("0,333333333333333")) + 14);
            testi_[numero] = t;
            auto* e = new QLabel(QString::fromUtf8(etichetta), g);
            e->setBuddy(t);
            f->addRow(e, t);
        }
        return g;
    };
    QGroupBox* frame3 = riquadro(QStringLiteral("Frame3"), QStringLiteral("Presenze"),
                                 {{11, "Presenze da titolare"},
                                  {12, "Presenze parziali"},
                                  {13, "Sostituzioni subite"},
                                  {14, "Presenze complessive"},
                                  {15, "Ammonizioni"},
                                  {16, "Espulsioni"}});
    QGroupBox* frame4 = riquadro(QStringLiteral("Frame4"), QStringLiteral("Reti"),
                                 {{17, "Reti segnate"},
                                  {18, "Media gol a partita"},
                                  {19, "Rigori"},
                                  {20, "Punizioni"},
                                  {21, "Destro"},
                                  {22, "Sinistro"},
                                  {23, "Testa"},
                                  {24, "Autogol"},
                                  {25, "Non specificato"}});
    QGroupBox* frame5 = riquadro(QStringLiteral("Frame5"), QStringLiteral("Pagelle"),
                                 {{26, "Voto medio"}, {27, "Voto più alto"}, {28, "Voto più basso"}});
    auto* l = new QGridLayout(pagina);
    l->addWidget(frame3, 0, 0);
    l->addWidget(frame5, 1, 0);
    l->addWidget(frame4, 0, 1, 2, 1);
    l->setRowStretch(2, 1);
    return pagina;
}

void SchedeGiocatoriWindow::carica()
{
    CaricaAlberoSquadre(albero_);
    AdattaAlberoSquadre(albero_);

    const int richiesto = stato().CodGiocatoreCorrente;
    std::optional<DatiGiocatore> giocatore;
    if (richiesto != -1 && !EseguiComando(TITOLO, [&] { giocatore = SchedeGiocatoriQueries::giocatore(richiesto); }))
        return statoVuoto();
    // On a player: his team's squad, on him. A player who is gone lists every player; one whose team is
    // not in the tree is shown among every player.
    QTreeWidgetItem* nodo = albero_->topLevelItem(0);
    std::optional<int> squadra;
    if (giocatore)
        for (int i = 0; i < nodo->childCount(); ++i)
            if (SquadraDelNodo(nodo->child(i)) == giocatore->codSquadra) {
                nodo = nodo->child(i);
                squadra = giocatore->codSquadra;
                break;
            }
    albero_->seleziona(nodo);
    apriElenco(squadra);
    if (giocatore)
        for (int i = 0; i < elenco_.size(); ++i)
            if (elenco_[i].codice == giocatore->codice) return mostra(i);
    mostra(elenco_.isEmpty() ? -1 : 0);
}

int SchedeGiocatoriWindow::codiceMostrato() const
{
    return indice_ >= 0 && indice_ < elenco_.size() ? elenco_[indice_].codice : -1;
}

bool SchedeGiocatoriWindow::radiceSelezionata() const { return !SquadraDelNodo(albero_->selezionato()).has_value(); }

void SchedeGiocatoriWindow::apriElenco(std::optional<int> squadra)
{
    elenco_.clear();
    indice_ = -1;
    nodoElenco_ = albero_->selezionato();
    if (!EseguiComando(TITOLO, [&] { elenco_ = SchedeGiocatoriQueries::elenco(squadra); })) elenco_.clear();
}

void SchedeGiocatoriWindow::nodoCliccato()
{
    // Data typed and not saved: the question first; Cancel leaves the list and its node as they were.
    if (!lasciaScheda(QStringLiteral("passare a un altro giocatore"))) {
        albero_->seleziona(nodoElenco_);
        return;
    }
    // A click always reads the list again, also on the node already selected.
    CursoreAttesa();
    apriElenco(SquadraDelNodo(albero_->selezionato()));
    mostra(elenco_.isEmpty() ? -1 : 0);
    CursoreNormale();
}

void SchedeGiocatoriWindow::mostra(int indice, int verso)
{
    while (indice >= 0 && indice < elenco_.size()) {
        indice_ = indice;
        const Esito esito = CaricaScheda();
        if (esito == Esito::Mostrata) return;
        if (esito == Esito::Errore) break;
        // Deleted meanwhile by another window: his key leaves the list, and the next one on the way is tried,
        // turning back at the end of the list.
        elenco_.removeAt(indice);
        if (verso < 0) --indice;
        if (indice < 0 || indice >= elenco_.size()) {
            verso = -verso;
            indice = verso < 0 ? int(elenco_.size()) - 1 : 0;
        }
    }
    indice_ = -1;
    statoVuoto();
}

void SchedeGiocatoriWindow::vaiA(int indice, int verso)
{
    // The player shown already: he stays as he is, with whatever was typed.
    if (indice == indice_ && modificata()) return;
    if (!lasciaScheda(QStringLiteral("passare a un altro giocatore"))) return;
    CursoreAttesa();
    mostra(indice, verso);
    CursoreNormale();
}

SchedeGiocatoriWindow::Esito SchedeGiocatoriWindow::CaricaScheda()
{
    const int codice = codiceMostrato();
    std::optional<DatiGiocatore> g;
    StatisticheGiocatore s;
    const bool letto = EseguiComando(TITOLO, [&] {
        g = SchedeGiocatoriQueries::giocatore(codice);
        if (g) s = SchedeGiocatoriQueries::statistiche(codice);
    });
    // A file that cannot be read: nothing to show. A player deleted meanwhile: the caller moves on.
    if (!letto) return Esito::Errore;
    if (!g) return Esito::Assente;

    foto_->clear();
    impostaComandiScheda(true);
    tab_->show();
    lettere_->show();
    vuoto_->hide();

    testi_[1]->setText(g->nome);
    testi_[2]->setText(g->cognome);
    setWindowTitle(TITOLO + QStringLiteral(": ") + TestoInRiga(g->nome + QStringLiteral(" ") + g->cognome));
    QString squadra;
    const Stato& st = stato();
    for (int n = 1; n < st.Squadre.size(); ++n)
        if (Val(st.Squadre[n].Codice) == g->codSquadra && !st.Squadre[n].Codice.isEmpty()) {
            squadra = st.Squadre[n].Nome;
            break;
        }
    testi_[3]->setText(squadra);
    testi_[4]->setText(g->ruolo);
    testi_[10]->setText(g->numero == 0 ? QString() : QString::number(g->numero));
    testi_[5]->setText(g->dataNascita);
    testi_[6]->setText(g->luogoNascita);
    testi_[7]->setText(g->nazione);
    testi_[8]->setText(g->altezza);
    testi_[9]->setText(g->peso);
    for (QLineEdit* t : testi_)
        if (t) t->setCursorPosition(0);
    caricati_ = datiMostrati();

    const TestiStatistiche t = SchedeGiocatoriQueries::testi(s);
    const QString* valori[] = {&t.daTitolare, &t.panchine, &t.sostituzioni, &t.presenze, &t.ammonizioni,
                               &t.espulsioni, &t.reti,     &t.mediaGol,     &t.rigori,   &t.punizioni,
                               &t.destro,     &t.sinistro, &t.testa,        &t.autogol,  &t.nonSpecificate,
                               &t.votoMedio,  &t.votoAlto, &t.votoBasso};
    for (int i = 0; i < 18; ++i) testi_[11 + i]->setText(*valori[i]);

    // The photo last: its messages come over a card already filled.
    mostraFoto(g->foto);
    return Esito::Mostrata;
}

void SchedeGiocatoriWindow::mostraFoto(const QString& percorso)
{
    foto_->clear();
    if (percorso.isEmpty()) return;
    if (!EsisteFile(percorso)) {
        Messaggio::errore(QStringLiteral("Il file con l'immagine del giocatore:\r") + percorso +
                              QStringLiteral("\rnon è stato trovato.\r\rImpossibile visualizzare l'immagine."),
                          QStringLiteral("File immagine mancante"));
        return;
    }
    QPixmap immagine;
    QSize lato;
    const EsitoImmagine esito = CaricaImmagine(percorso, &immagine, &lato);
    if (esito != EsitoImmagine::Caricata) {
        const QString perche =
            esito == EsitoImmagine::TroppoGrande
                ? QStringLiteral(" è troppo grande (%1 x %2 punti).").arg(lato.width()).arg(lato.height())
                : QStringLiteral(" non è nel formato corretto (BMP).");
        Messaggio::errore(QStringLiteral("Il file con l'immagine prescelta per il giocatore:\r\r") + percorso +
                              QStringLiteral("\r\r") + perche +
                              QStringLiteral("\r\rImpossibile visualizzare l'immagine."),
                          QStringLiteral("Scheda del giocatore"));
        return;
    }
    foto_->setPixmap(AdattaAlRiquadro(immagine, foto_->contentsRect().size()));
}

void SchedeGiocatoriWindow::statoVuoto()
{
    tab_->hide();
    lettere_->hide();
    vuoto_->show();
    impostaComandiScheda(false);
    foto_->clear();
    setWindowTitle(TITOLO);
}

void SchedeGiocatoriWindow::impostaComandiScheda(bool attivi)
{
    for (Azione* a : {precedente_, successivo_, salva_, elimina_}) a->impostaDisponibile(attivi);
}

void SchedeGiocatoriWindow::sposta(int passo)
{
    if (indice_ < 0) return;
    const int nuovo = indice_ + passo;
    // Past either end of the list: the message, and the card stays on its player.
    if (nuovo < 0 || nuovo >= elenco_.size())
        return Messaggio::errore(TestoFineElenco(passo < 0, radiceSelezionata()), TITOLO_MESSAGGI);
    vaiA(nuovo, passo);
}

void SchedeGiocatoriWindow::ApriNuovoGiocatore()
{
    Stato& s = stato();
    if (indice_ >= 0)
        s.SquadraCorrente = testi_[3]->text();
    else if (radiceSelezionata())
        s.SquadraCorrente = s.Squadre.size() > 1 ? s.Squadre[1].Nome : QString();
    else
        s.SquadraCorrente = NomeSquadraDelNodo(albero_->selezionato());
    Finestre::istanza().mostra(IdFinestra::NuovoGiocatore);
}

void SchedeGiocatoriWindow::RicercaGiocatore()
{
    const QString inizio = Messaggio::input(
        QStringLiteral("Inserire il cognome (o parte di esso) del giocatore desiderato."), TITOLO_RICERCA);
    if (inizio.isEmpty()) return;
    const int trovato = SchedeGiocatoriQueries::cerca(elenco_, inizio);
    if (trovato >= 0) return vaiA(trovato);
    Messaggio::errore(
        radiceSelezionata()
            ? QStringLiteral("Il giocatore richiesto non figura nella rosa di nessuna squadra iscritta al "
                             "campionato.")
            : QStringLiteral("Il giocatore richiesto non figura nella rosa della squadra selezionata."),
        TITOLO_RICERCA);
}

void SchedeGiocatoriWindow::saltaAllaLettera(QChar lettera)
{
    const int trovato = SchedeGiocatoriQueries::cercaLettera(elenco_, lettera);
    if (trovato >= 0) vaiA(trovato);
}

bool SchedeGiocatoriWindow::SalvaScheda()
{
    if (indice_ < 0) return false;
    const std::optional<int> numero = NumeroMagliaDaTesto(testi_[10]->text());
    if (!numero) {
        Messaggio::errore(TestoNumeroMagliaErrato(), TITOLO);
        testi_[10]->setFocus();
        return false;
    }
    DatiGiocatore g;
    g.codice = codiceMostrato();
    g.nome = testi_[1]->text();
    g.cognome = testi_[2]->text();
    g.ruolo = testi_[4]->text();
    g.numero = *numero;
    g.dataNascita = testi_[5]->text();
    g.luogoNascita = testi_[6]->text();
    g.nazione = testi_[7]->text();
    g.altezza = testi_[8]->text();
    g.peso = testi_[9]->text();
    bool scritto = false;
    CursoreAttesa();
    if (!EseguiComando(TITOLO, [&] { scritto = SchedeGiocatoriQueries::salva(g); })) return false;
    CursoreNormale();
    // Deleted meanwhile by another window: nothing was written, and the card keeps what was typed.
    if (!scritto) {
        Messaggio::errore(GiocatoreNonPiuNelFile(QStringLiteral("i dati non sono stati salvati")), TITOLO);
        return false;
    }
    // The list keeps its order until it is read again; a search finds the surname as saved.
    elenco_[indice_].cognome = g.cognome;
    caricati_ = datiMostrati();
    setWindowTitle(TITOLO + QStringLiteral(": ") + TestoInRiga(g.nome + QStringLiteral(" ") + g.cognome));
    return true;
}

QStringList SchedeGiocatoriWindow::datiMostrati() const
{
    QStringList dati;
    for (int n : CAMPI_SALVATI) dati << testi_[n]->text();
    return dati;
}

bool SchedeGiocatoriWindow::modificata() const { return indice_ >= 0 && datiMostrati() != caricati_; }

bool SchedeGiocatoriWindow::lasciaScheda(const QString& dopo)
{
    if (!modificata()) return true;
    return Messaggio::salvarePrima(
        QStringLiteral("I dati del giocatore %1 %2 sono stati modificati e non sono stati salvati. Salvare le "
                       "modifiche prima di %3?")
            .arg(caricati_.value(0), caricati_.value(1), dopo),
        TITOLO, [this] { return SalvaScheda(); });
}

bool SchedeGiocatoriWindow::scarica() { return lasciaScheda(QStringLiteral("chiudere la finestra")); }

void SchedeGiocatoriWindow::EliminaGiocatore()
{
    if (indice_ < 0) return;
    if (!Messaggio::conferma(QStringLiteral("Eliminare dall'elenco ") + testi_[1]->text() + QStringLiteral(" ") +
                                 testi_[2]->text() + QStringLiteral(" ?"),
                             QStringLiteral("Eliminare giocatore")))
        return;
    const int codice = codiceMostrato();
    if (!EseguiComando(TITOLO, [&] { SchedeGiocatoriQueries::elimina(codice); })) return;
    // The player before him; for the first of the list, the new first one.
    const int eliminato = indice_;
    elenco_.removeAt(eliminato);
    mostra(qMax(0, eliminato - 1), -1);
}

void SchedeGiocatoriWindow::cambiaFoto()
{
    const int codice = codiceMostrato();
    if (codice < 0) return;
    Finestre::istanza().mostraModale(IdFinestra::SceltaImmagine);
    const QString percorso = stato().PercorsoImmagine;
    if (percorso.isEmpty() || codiceMostrato() != codice) return;
    // A file that is not a picture is refused before it is stored: the photo stays as it was.
    const QPixmap immagine = CaricaFotoScelta(percorso);
    if (immagine.isNull()) return;
    bool scritto = false;
    if (!EseguiComando(TITOLO, [&] { scritto = SchedeGiocatoriQueries::salvaFoto(codice, percorso); })) return;
    if (!scritto)
        return Messaggio::errore(GiocatoreNonPiuNelFile(QStringLiteral("la foto non è stata salvata")), TITOLO);
    foto_->setPixmap(AdattaAlRiquadro(immagine, foto_->contentsRect().size()));
}
