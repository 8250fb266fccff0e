#include "match/formazioniwindow.h"

#include "core/codici.h"
#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "match/barrapartita.h"
#include "match/editoripartita.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/spinner.h"
#include "platform/testoinriga.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QtMath>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace {

const QString TITOLO = QStringLiteral("Inserimento formazioni e pagelle");
constexpr int CONTESTO_GUIDA = 40;
constexpr int BASE_EVIDENZIA = 60;
constexpr int LUNGHEZZA_NOME = 255;  // PRESENZE.NOME
constexpr int LUNGHEZZA_VOTO = 10;
constexpr int LATO_CARTELLINO = 16;

// Shows `testo` in an editable combo: the item with that text when there is one, else the text alone.
void MostraTesto(QComboBox* c, const QString& testo)
{
    const int i = c->findText(testo, Qt::MatchExactly);
    c->setCurrentIndex(i);
    if (i < 0) c->setEditText(testo);
}

// An editable list as wide as minimumContentsLength() characters and an icon, whatever it holds. Asking Qt for that
// size policy would build the drop-down of each of the window's 44 lists before any of them is opened.
class ComboLarghezzaFissa : public ComboCodici {
public:
    using ComboCodici::ComboCodici;

    QSize sizeHint() const override
    {
        const QFontMetrics fm = fontMetrics();
        const QSize icona = iconSize();
        const QSize testo(minimumContentsLength() * fm.horizontalAdvance(QLatin1Char('X')) + icona.width() + 4,
                          qMax(qMax(qCeil(QFontMetricsF(fm).height()), 14) + 2, icona.height() + 2));
        QStyleOptionComboBox o;
        initStyleOption(&o);
        return style()->sizeFromContents(QStyle::CT_ComboBox, &o, testo, this);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// The line edit of an editable list. `primoUso` runs once, before its first focus, key or typed text: the list's
// completer is built there, as few of the window's lists are ever typed into.
class TestoLista : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> primoUso;

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        prepara();
        QLineEdit::focusInEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        prepara();
        QLineEdit::keyPressEvent(e);
    }
    void inputMethodEvent(QInputMethodEvent* e) override
    {
        prepara();
        QLineEdit::inputMethodEvent(e);
    }

private:
    void prepara()
    {
        if (primoUso) std::exchange(primoUso, nullptr)();
    }
};

// An editable list without a completer. `segnaposto` is set on its line edit while the list takes it, so that
// Qt does not build a default completer of its own for each list, and taken off again.
ComboCodici* ComboScrivibile(const QString& nome, int lunghezza, QCompleter* segnaposto, QWidget* parent)
{
    auto* c = new ComboLarghezzaFissa(parent);
    c->setObjectName(nome);
    // A line edit of our own makes it editable without building its list's popup until it is opened.
    auto* e = new TestoLista(c);
    e->setMaxLength(lunghezza);
    e->setCompleter(segnaposto);
    c->setLineEdit(e);
    e->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);  // Enter never adds the typed text to the list
    return c;
}

QLabel* Etichetta(const QString& nome, const QString& testo, QWidget* parent)
{
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel* Immagine(const QString& nome, const QString& icona, const QString& suggerimento, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setPixmap(PixmapIcona(icona, LATO_CARTELLINO));
    l->setToolTip(suggerimento);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

FormazioniWindow::FormazioniWindow(QWidget* parent) : Finestra(IdFinestra::Formazioni, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("formazioni"), CONTESTO_GUIDA);
    auto* tutto = new QVBoxLayout(this);

    // The pickers of match day, match and leg.
    const BarraPartita barra =
        CreaBarraPartita({QStringLiteral("Toolbar1"), QStringLiteral("Text2"), QStringLiteral("Combo6"),
                          QStringLiteral("Text4"), QStringLiteral("Combo3"), QString(), QStringLiteral("Combo7")},
                         this);
    giornate_ = barra.giornata;
    partite_ = barra.partita;
    gironi_ = barra.girone;
    tutto->addWidget(barra.barra);

    // The tool panel.
    precedente_ = AzioneEditore(QStringLiteral("Giornata\nprecedente"), QStringLiteral("precedente"),
                                QStringLiteral("Giornata precedente"), this, [this] { AllaGiornataPrecedente(); });
    successiva_ = AzioneEditore(QStringLiteral("Giornata\nsuccessiva"), QStringLiteral("successivo"),
                                QStringLiteral("Giornata successiva"), this, [this] { AllaGiornataSuccessiva(); });
    sostituzioni_ =
        AzioneEditore(QStringLiteral("Sostituzioni"), QStringLiteral("sostituzione"),
                      QStringLiteral("Modificare / inserire le sostituzioni"), this, [this] { AggiungiSostituzione(); })
            ->richiedeFinestra(IdFinestra::Sostituzioni);
    reti_ = AzioneEditore(QStringLiteral("Marcatori"), QStringLiteral("marcatori"),
                          QStringLiteral("Inserire i marcatori della partita"), this, [this] { AggiungiGol(); })
                ->richiedeFinestra(IdFinestra::Reti);
    guida_ =
        AzioneEditore(QStringLiteral("Guida"), QStringLiteral("guida"),
                      QStringLiteral("Richiamare la guida di Golvarno"), this, [] { Guida::apri(CONTESTO_GUIDA); });
    auto* pannelli = new QWidget(this);
    pannelli->setObjectName(QStringLiteral("Toolbar2"));
    auto* striscia = new QHBoxLayout(pannelli);
    striscia->setContentsMargins(0, 0, 0, 0);
    striscia->setSpacing(2);
    const std::pair<int, Azione*> voci[] = {
        {0, precedente_}, {1, successiva_}, {2, sostituzioni_}, {5, reti_}, {4, guida_}};
    for (const auto& [indice, azione] : voci) {
        if (indice == 2 || indice == 4) striscia->addSpacing(12);
        striscia->addWidget(
            PannelloDa(azione, BASE_EVIDENZIA + indice, QStringLiteral("SSPanel1_%1").arg(indice), pannelli));
    }
    striscia->addStretch(1);
    tutto->addWidget(pannelli);

    schede_ = new QTabWidget(this);
    schede_->setObjectName(QStringLiteral("SSTab1"));
    for (int lato = 0; lato < 2; ++lato) costruisciLato(lato);
    tutto->addWidget(schede_, 1);
    // Typing goes on from the home team's last row to the away team's first one, and back.
    lati_[0].righe.last().voto->installEventFilter(this);
    lati_[1].righe.first().ammonito->installEventFilter(this);

    connect(partite_, &ComboCodici::click, this, [this] { partitaScelta(); });
    connect(giornate_, &ComboCodici::click, this, [this] { giornataScelta(); });
    connect(gironi_, &ComboCodici::click, this, [this] { gironeScelto(); });
}

void FormazioniWindow::costruisciLato(int lato)
{
    Lato& l = lati_[lato];
    l.pagina = new QWidget(schede_);
    schede_->addTab(l.pagina, lato == 0 ? QStringLiteral("Squadra 1") : QStringLiteral("Squadra 2"));
    auto* g = new QGridLayout(l.pagina);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    // Team 1's controls are named as Combo4, Combo1, Check1, Check2, UpDown1; team 2's as Combo2, Combo5,
    // Check3, Check4, UpDown2; each followed by the row index.
    const bool primo = lato == 0;
    g->addWidget(Immagine(primo ? QStringLiteral("Image1") : QStringLiteral("Image3"), QStringLiteral("ammonito"),
                          primo ? QStringLiteral("Giocatori ammoniti") : QString(), l.pagina),
                 0, 0);
    g->addWidget(Immagine(primo ? QStringLiteral("Image2") : QStringLiteral("Image4"), QStringLiteral("espulso"),
                          primo ? QStringLiteral("Giocatori espulsi") : QString(), l.pagina),
                 0, 1);
    g->addWidget(
        Etichetta(primo ? QStringLiteral("Label1") : QStringLiteral("Label3"), QStringLiteral("Titolari"), l.pagina), 0,
        2);
    g->addWidget(
        Etichetta(primo ? QStringLiteral("Label2") : QStringLiteral("Label4"), QStringLiteral("Pagelle"), l.pagina), 0,
        3, 1, 2);
    const QStringList voti = VociVoto();
    QCompleter segnaposto;
    for (int i = 0; i < RIGHE_TITOLARI; ++i) {
        Riga r;
        const QString n = QString::number(i + 1);
        r.ammonito = new QCheckBox(l.pagina);
        r.ammonito->setObjectName(QStringLiteral("Check%1_%2").arg(primo ? 1 : 3).arg(i));
        r.ammonito->setAccessibleName(QStringLiteral("Ammonito, riga ") + n);
        r.espulso = new QCheckBox(l.pagina);
        r.espulso->setObjectName(QStringLiteral("Check%1_%2").arg(primo ? 2 : 4).arg(i));
        r.espulso->setAccessibleName(QStringLiteral("Espulso, riga ") + n);

        r.giocatore = ComboScrivibile(QStringLiteral("Combo%1_%2").arg(primo ? 4 : 2).arg(i), LUNGHEZZA_NOME,
                                      &segnaposto, l.pagina);
        r.giocatore->setAccessibleName(QStringLiteral("Titolare, riga ") + n);
        r.giocatore->setMinimumContentsLength(32);
        r.giocatore->setMaxVisibleItems(15);
        // Typing part of a name offers the squad players who have it.
        static_cast<TestoLista*>(r.giocatore->lineEdit())->primoUso = [c = r.giocatore] {
            auto* completa = new QCompleter(c->model(), c);
            completa->setCaseSensitivity(Qt::CaseInsensitive);
            completa->setFilterMode(Qt::MatchContains);
            completa->setCompletionMode(QCompleter::PopupCompletion);
            c->setCompleter(completa);
        };

        // No completer: "6" must stay 6, never become "6,5".
        r.voto = ComboScrivibile(QStringLiteral("Combo%1_%2").arg(primo ? 1 : 5).arg(i), LUNGHEZZA_VOTO, &segnaposto,
                                 l.pagina);
        r.voto->setAccessibleName(QStringLiteral("Voto, riga ") + n);
        r.voto->addItems(voti);
        r.voto->setMaxVisibleItems(voti.size());
        r.voto->setMinimumContentsLength(4);
        r.voto->setCurrentIndex(-1);
        r.frecce = new Spinner(r.voto->lineEdit(), l.pagina);
        r.frecce->setObjectName(QStringLiteral("UpDown%1_%2").arg(primo ? 1 : 2).arg(i));
        r.frecce->impostaPasso([](const QString& testo, int verso) {
            return Spinner::passoVoto(testo, verso, LeggiVotoScritto(testo).voto == SENZA_VOTO);
        });

        g->addWidget(r.ammonito, i + 1, 0, Qt::AlignCenter);
        g->addWidget(r.espulso, i + 1, 1, Qt::AlignCenter);
        g->addWidget(r.giocatore, i + 1, 2);
        g->addWidget(r.voto, i + 1, 3);
        g->addWidget(r.frecce, i + 1, 4);
        l.righe.append(r);
    }
    g->setColumnStretch(2, 1);
    g->setRowStretch(RIGHE_TITOLARI + 1, 1);
    // Row by row, left to right, as a line-up is read.
    QWidget* prima = nullptr;
    for (const Riga& r : l.righe)
        for (QWidget* w : {static_cast<QWidget*>(r.ammonito), static_cast<QWidget*>(r.espulso),
                           static_cast<QWidget*>(r.giocatore), static_cast<QWidget*>(r.voto)}) {
            if (prima) setTabOrder(prima, w);
            prima = w;
        }
}

bool FormazioniWindow::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        const bool avanti = k->key() == Qt::Key_Tab && k->modifiers() == Qt::NoModifier;
        const bool indietro = k->key() == Qt::Key_Backtab;
        QWidget* ultimo = lati_[0].righe.last().voto;
        QWidget* primo = lati_[1].righe.first().ammonito;
        if ((o == ultimo && avanti) || (o == primo && indietro)) {
            schede_->setCurrentIndex(avanti ? 1 : 0);
            (avanti ? primo : ultimo)->setFocus(avanti ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return Finestra::eventFilter(o, e);
}

// ---------------------------------------------------------------- loading

void FormazioniWindow::carica() { seguiConsegna(); }

void FormazioniWindow::attiva()
{
    const Stato& s = stato();
    if (s.CodPartitaCorrente == partita_.codPart && s.GiornataCorrente == giornata_.giornata &&
        s.Andata == giornata_.andata)
        return;
    // Shown again on another match: the rows on show go to their own match first.
    if (!ArchiviaFormazioni()) {
        sincronizzaStato();
        return;
    }
    seguiConsegna();
}

void FormazioniWindow::seguiConsegna()
{
    const Stato& s = stato();
    GiornataInGirone g{s.GiornataCorrente, s.Andata};
    // A match of another match day: the editor follows it to its day.
    DatiPartita d;
    if (s.CodPartitaCorrente > 0 &&
        EseguiComando(TITOLO, [&] { d = SchedaPartitaQueries::partita(s.CodPartitaCorrente, g.andata); }) && d.trovata)
        g.giornata = d.giornata;
    mostraGiornata(g, s.CodPartitaCorrente);
}

bool FormazioniWindow::scarica()
{
    if (ArchiviaFormazioni()) return true;
    return Messaggio::mostra(QStringLiteral("Le formazioni non sono state salvate.\r\rChiudere comunque la finestra?"),
                             Messaggio::Pulsanti::SiNo, Messaggio::Icona::Esclamazione, TITOLO,
                             1) == Messaggio::Risposta::Si;
}

void FormazioniWindow::mostraGiornata(GiornataInGirone g, int codPart)
{
    CursoreAttesa();
    giornata_ = g;
    CaricaElencoPartite();
    int scelta = -1;
    for (int i = 0; i < elenco_.size() && scelta < 0; ++i)
        if (elenco_[i].codPart == codPart) scelta = i;
    if (scelta < 0 && !elenco_.isEmpty()) scelta = 0;
    {
        ComboCodici::SenzaClick guardia(partite_);
        partite_->setCurrentIndex(scelta);
    }
    CaricaFormazioni(scelta < 0 ? 0 : elenco_[scelta].codPart);
    CursoreNormale();
}

void FormazioniWindow::CaricaElencoPartite()
{
    const int ultima = stato().GiornateInserite;
    QVector<VocePartita> elenco;
    if (!EseguiComando(TITOLO, [&] { elenco = SchedaPartitaQueries::partite(giornata_.giornata, giornata_.andata); }))
        elenco.clear();
    elenco_ = elenco;
    ComboCodici::SenzaClick g1(partite_), g2(giornate_), g3(gironi_);
    if (giornate_->count() != ultima) {
        giornate_->svuota();
        for (int i = 1; i <= ultima; ++i) giornate_->aggiungi(QString::number(i), i);
    }
    giornate_->setCurrentIndex(giornate_->trovaCodice(giornata_.giornata));
    gironi_->setCurrentIndex(giornata_.andata ? 0 : 1);
    partite_->svuota();
    for (const VocePartita& v : elenco_) partite_->aggiungi(v.testo, v.codPart);
}

void FormazioniWindow::CaricaFormazioni(int codPart)
{
    CursoreAttesa();
    DatiPartita partita;
    std::array<SquadraFormazione, 2> squadre;
    const Stato& s = stato();
    if (codPart > 0 && !EseguiComando(TITOLO, [&] {
            partita = SchedaPartitaQueries::partita(codPart, giornata_.andata);
            if (partita.trovata) squadre = FormazioniQueries::carica(partita, giornata_.andata, s.FormatoNome);
        }))
        partita = DatiPartita();
    partita_ = partita;
    if (!partita_.trovata) {
        partita_.codPart = codPart;
        squadre = {};
    }
    squadre_ = squadre;
    for (int lato = 0; lato < 2; ++lato) {
        if (partita_.trovata) schede_->setTabText(lato, NomeInTitolo(schede_->fontMetrics(), squadre_[lato].nome));
        QVector<VoceGiocatore> voci;
        for (const GiocatoreInRosa& g : squadre_[lato].rosa) voci.append({g.codice, g.nome});
        for (int i = 0; i < RIGHE_TITOLARI; ++i) {
            RiempiGiocatori(lati_[lato].righe[i].giocatore, voci);
            mostraRiga(lato, i);
            lati_[lato].lette[i] = riga(lato, i);
        }
        lati_[lato].pagina->setEnabled(partita_.trovata);
    }
    schede_->setCurrentIndex(0);
    // The box holding the cursor shows another match's row now: what is typed replaces it.
    if (QWidget* cursore = focusWidget(); cursore && cursore->hasFocus() && schede_->isAncestorOf(cursore))
        CursoreNellaCasella(cursore);
    sostituzioni_->impostaDisponibile(partita_.trovata);
    reti_->impostaDisponibile(partita_.trovata);
    sincronizzaStato();
    CursoreNormale();
}

void FormazioniWindow::mostraRiga(int lato, int indice)
{
    const Riga& r = lati_[lato].righe[indice];
    const std::optional<TitolareSalvato>& t = squadre_[lato].titolari[indice];
    r.ammonito->setChecked(t && !Espulso(t->ammonito) && Ammonito(t->ammonito));
    r.espulso->setChecked(t && Espulso(t->ammonito));
    r.voto->setCurrentIndex(-1);
    r.voto->setEditText(QString());
    if (!t) {
        SvuotaScelta(r.giocatore);
        return;
    }
    // A name typed in shows as text; a player who left the squad keeps an entry of his own in this row.
    MostraGiocatoreSalvato(r.giocatore, t->codGiocatore, t->nome);
    if (!t->voto.isNull()) MostraTesto(r.voto, TestoVoto(t->voto.toDouble()));
}

RigaFormazione FormazioniWindow::riga(int lato, int indice) const
{
    const Riga& r = lati_[lato].righe[indice];
    const std::optional<TitolareSalvato>& t = squadre_[lato].titolari[indice];
    RigaFormazione d;
    const int codice = GiocatoreScelto(r.giocatore);
    const QString mostrato = r.giocatore->currentText().trimmed();
    d.nome = mostrato;
    bool inRosa = false;
    if (codice != GIOCATORE_NON_IN_ROSA)
        for (const GiocatoreInRosa& g : squadre_[lato].rosa)
            if (g.codice == codice) {
                d.nome = g.nome;
                d.codGiocatore = g.codice;
                d.numMaglia = QVariant(g.numero);
                inRosa = true;
            }
    // While the row shows the player stored with it, his code and shirt stay as stored, also when he has left
    // the squad since (his stored name is then the one shown): only a player picked or a name typed in
    // replaces them.
    const bool salvato =
        t && !mostrato.isEmpty() &&
        (t->codGiocatore == GIOCATORE_NON_IN_ROSA ? r.giocatore->currentIndex() < 0 && mostrato == t->nome.trimmed()
                                                  : codice == t->codGiocatore);
    if (salvato) {
        d.codGiocatore = t->codGiocatore;
        d.numMaglia = t->numMaglia;
        if (!inRosa || t->codGiocatore == GIOCATORE_NON_IN_ROSA) d.nome = t->nome;
    }
    d.ammonito = CodiceCartellino(r.ammonito->isChecked(), r.espulso->isChecked());
    d.voto = r.voto->currentText().trimmed();
    return d;
}

void FormazioniWindow::sincronizzaStato() const
{
    Stato& s = stato();
    s.GiornataCorrente = giornata_.giornata;
    s.Andata = giornata_.andata;
    s.CodPartitaCorrente = partita_.codPart;
}

// ---------------------------------------------------------------- saving

bool FormazioniWindow::ArchiviaFormazioni()
{
    if (!partita_.trovata) return true;
    QVector<ScritturaTitolare> righe;
    QStringList votiRifiutati;
    QString motivo;
    for (int lato = 0; lato < 2; ++lato)
        for (int i = 0; i < RIGHE_TITOLARI; ++i) {
            const RigaFormazione ora = riga(lato, i);
            const RigaFormazione& prima = lati_[lato].lette[i];
            // An empty row that was empty is nothing to write, whatever its boxes show.
            if (ora == prima || (ora.vuota() && prima.vuota())) continue;
            righe.append({lato, i + 1, ora, VotoDaSalvare(prima.voto, ora.voto)});
            const VotoScritto voto = LeggiVotoScritto(ora.voto);
            if (ora.vuota() || voto.valido()) continue;
            motivo = voto.rifiuto;
            votiRifiutati << QStringLiteral("%1, riga %2 (%3): \"%4\"")
                                 .arg(squadre_[lato].nome)
                                 .arg(i + 1)
                                 .arg(ora.nome, ora.voto);
        }
    if (righe.isEmpty()) return true;
    const ChiaveFormazioni chiave{
        partita_.codPart, giornata_.giornata, giornata_.andata, {squadre_[0].nome, squadre_[1].nome}};
    QVector<ScritturaTitolare> rimaste;
    if (!EseguiComando(TITOLO, [&] {
            CursoreAttesa();
            rimaste = FormazioniQueries::salva(chiave, righe);
            CursoreNormale();
        }))
        return false;
    for (const ScritturaTitolare& w : righe) {
        RigaFormazione& letta = lati_[w.lato].lette[w.riga - 1];
        const QString nomePrima = letta.nome;
        const QString votoPrima = letta.voto;
        letta = w.dati;
        // A rating refused leaves the one stored, which the box is then measured against.
        if (!LeggiVotoScritto(w.dati.voto).valido()) letta.voto = votoPrima;
        for (ScritturaTitolare& x : rimaste)
            if (x.lato == w.lato && x.riga == w.riga) x.dati.nome = nomePrima;
    }
    if (!votiRifiutati.isEmpty())
        Messaggio::avvisa(motivo +
                              QStringLiteral("\r\rQuesti voti non sono stati salvati: per questi giocatori resta il "
                                             "voto registrato prima.\r\r") +
                              votiRifiutati.join(QLatin1Char('\r')),
                          TITOLO);
    if (!rimaste.isEmpty()) {
        QStringList nomi;
        for (const ScritturaTitolare& x : rimaste)
            nomi << QStringLiteral("%1, riga %2 (%3)").arg(squadre_[x.lato].nome).arg(x.riga).arg(x.dati.nome);
        Messaggio::avvisa(QStringLiteral("Questi titolari restano in formazione perché sono stati sostituiti: "
                                         "eliminare prima la loro sostituzione.\r\r") +
                              nomi.join(QLatin1Char('\r')),
                          TITOLO);
    }
    return true;
}

// ---------------------------------------------------------------- moving

void FormazioniWindow::spostaGiornata(bool avanti)
{
    if (!ArchiviaFormazioni()) return;
    stato().GiornataCambiata = true;
    const auto g = GiornataAccanto(giornata_, avanti, stato().GiornateInserite);
    if (!g) {
        AvvisaFineCalendario(avanti);
        return;
    }
    mostraGiornata(*g, 0);
}

void FormazioniWindow::partitaScelta()
{
    const int i = partite_->currentIndex();
    if (i < 0) return;
    if (!ArchiviaFormazioni()) {
        // The rows stay on their match.
        ComboCodici::SenzaClick guardia(partite_);
        partite_->setCurrentIndex(partite_->trovaCodice(partita_.codPart));
        return;
    }
    CaricaFormazioni(elenco_.value(i).codPart);
}

void FormazioniWindow::giornataScelta()
{
    const int i = giornate_->currentIndex();
    if (i < 0) return;
    if (!ArchiviaFormazioni()) {
        ComboCodici::SenzaClick guardia(giornate_);
        giornate_->setCurrentIndex(giornate_->trovaCodice(giornata_.giornata));
        return;
    }
    stato().GiornataCambiata = true;
    mostraGiornata({giornate_->codice(i), giornata_.andata}, 0);
}

void FormazioniWindow::gironeScelto()
{
    const int i = gironi_->currentIndex();
    if (i != 0 && i != 1) return;
    if (!ArchiviaFormazioni()) {
        ComboCodici::SenzaClick guardia(gironi_);
        gironi_->setCurrentIndex(giornata_.andata ? 0 : 1);
        return;
    }
    stato().GiornataCambiata = true;
    mostraGiornata({giornata_.giornata, i == 0}, 0);
}

// ---------------------------------------------------------------- the editors it opens

int FormazioniWindow::latoMostrato() const { return schede_->currentIndex() == 1 ? 1 : 0; }

void FormazioniWindow::AggiungiSostituzione()
{
    const int lato = latoMostrato();
    bool formazione = false;
    for (const Riga& r : lati_[lato].righe) formazione = formazione || !r.giocatore->currentText().trimmed().isEmpty();
    if (!formazione) {
        Messaggio::errore(QStringLiteral("Attenzione: prima di inserire le sostituzioni occorre inserire le formazioni "
                                         "schierate dall'inizio"),
                          QStringLiteral("Inserimento sostituzioni"));
        return;
    }
    if (!ArchiviaFormazioni()) return;
    stato().CodSostituzione = lato == 0 ? -1 : -2;
    sincronizzaStato();
    Finestre::istanza().mostra(IdFinestra::Sostituzioni);
}

void FormazioniWindow::AggiungiGol()
{
    stato().CodRete = latoMostrato() == 0 ? -1 : -2;
    sincronizzaStato();
    Finestre::istanza().mostra(IdFinestra::Reti);
}

void RegistraFormazioni()
{
    Finestre::istanza().registra(IdFinestra::Formazioni, [] { return new FormazioniWindow; });
}
