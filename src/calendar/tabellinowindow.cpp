#include "calendar/tabellinowindow.h"

#include "calendar/comandiconsultazione.h"
#include "calendar/tabellinoqueries.h"
#include "calendar/testatagiornata.h"
#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/suggerimentotagliati.h"
#include "platform/testoinriga.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Tabellino della partita");
constexpr int CONTESTO_GUIDA = 16;

constexpr const char* ETICHETTE_DATI[] = {"Arbitro", "Guardalinee", "Condizioni climatiche", "Terreno di gioco",
                                          "Spettatori"};
constexpr const char* ETICHETTE_STATISTICHE[] = {"Tiri",        "Tiri in porta",  "Fuorigioco",
                                                 "Falli fatti", "Possesso palla", "Calci d'angolo"};

QLineEdit* NuovaCasella(int numero, int lunghezza, QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("Text%1").arg(numero));
    e->setMaxLength(lunghezza);
    return e;
}

QLabel* Testata(const QString& nome, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setAlignment(Qt::AlignCenter);
    l->setTextFormat(Qt::PlainText);
    // A long team name takes two lines over its column rather than being cut.
    l->setWordWrap(true);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

TabellinoWindow::TabellinoWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("referto"), CONTESTO_GUIDA);

    auto* principale = new QVBoxLayout(this);
    auto* corpo = new QHBoxLayout;
    principale->addLayout(corpo, 1);

    riquadroPartite_ = new QGroupBox(this);
    riquadroPartite_->setObjectName(QStringLiteral("Frame1"));
    auto* l1 = new QVBoxLayout(riquadroPartite_);
    partite_ = new QListWidget(riquadroPartite_);
    partite_->setObjectName(QStringLiteral("List1"));
    SuggerisciTestiTagliati(partite_);
    partite_->setToolTip(QStringLiteral("Scegliere la partita di cui modificare il tabellino"));
    l1->addWidget(partite_);
    corpo->addWidget(riquadroPartite_);

    auto* destra = new QVBoxLayout;
    corpo->addLayout(destra, 1);

    const QVector<CampoTabellino> campi = TabellinoQueries::campi(true);
    auto* frame2 = new QGroupBox(QStringLiteral("Dati della partita"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* modulo = new QFormLayout(frame2);
    for (int i = 0; i < TabellinoQueries::NumeroDati; ++i) {
        QLineEdit* e = NuovaCasella(i + 1, campi[i].lunghezza, frame2);
        e->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
        modulo->addRow(QString::fromUtf8(ETICHETTE_DATI[i]), e);
        caselle_.append(e);
    }
    destra->addWidget(frame2);

    // The figures in two columns, the home team of the leg on the left.
    auto* frame3 = new QGroupBox(QStringLiteral("Statistiche"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* griglia = new QGridLayout(frame3);
    testaCasa_ = Testata(QStringLiteral("Label19"), frame3);
    testaOspite_ = Testata(QStringLiteral("Label20"), frame3);
    griglia->addWidget(testaCasa_, 0, 1);
    griglia->addWidget(testaOspite_, 0, 2);
    const int larghezzaNumero = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
    QVector<QLineEdit*> ospite;
    for (int i = 0; i < TabellinoQueries::NumeroStatistiche; ++i) {
        griglia->addWidget(new QLabel(QString::fromUtf8(ETICHETTE_STATISTICHE[i]), frame3), i + 1, 0);
        for (int lato = 0; lato < 2; ++lato) {
            const int indice = TabellinoQueries::NumeroDati + lato * TabellinoQueries::NumeroStatistiche + i;
            QLineEdit* e = NuovaCasella(indice + 1, campi[indice].lunghezza, frame3);
            e->setAlignment(Qt::AlignCenter);
            e->setFixedWidth(larghezzaNumero);
            griglia->addWidget(e, i + 1, lato + 1, Qt::AlignHCenter);
            if (lato == 0)
                caselle_.append(e);
            else
                ospite.append(e);
        }
    }
    caselle_ += ospite;
    griglia->setColumnStretch(1, 1);
    griglia->setColumnStretch(2, 1);
    griglia->setHorizontalSpacing(16);
    // Tab goes down the home column, then down the away column.
    for (int i = TabellinoQueries::NumeroDati; i + 1 < caselle_.size(); ++i) setTabOrder(caselle_[i], caselle_[i + 1]);
    destra->addWidget(frame3);
    destra->addStretch(1);

    salva_ = Azione::crea(QStringLiteral("Salva"), QStringLiteral("Salva il tabellino della partita"), this,
                          QStringLiteral("salva"))
                 ->allo([this] { salvaTabellino(); });
    auto* chiusura = Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"), this,
                                  QStringLiteral("chiudi"))
                         ->allo([this] { chiudi(); });
    auto* guida = Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama la guida di Golvarno"), this,
                               QStringLiteral("guida"))
                      ->allo([this] { Guida::apri(contestoGuida()); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(PulsanteDa(salva_, QStringLiteral("Command1"), this));
    pulsanti->addWidget(PulsanteDa(chiusura, QStringLiteral("Command2"), this));
    pulsanti->addWidget(PulsanteDa(guida, QStringLiteral("Command3"), this));
    principale->addLayout(pulsanti);

    connect(partite_, &QListWidget::currentRowChanged, this, [this](int riga) { partitaScelta(riga); });

    svuotaTabellino();
}

void TabellinoWindow::carica()
{
    // The list is as wide as the longest pairing of the championship.
    // A name longer than a window is laid out for is cut with "…" (its entry's tooltip holds it whole).
    const QFontMetrics fm = partite_->fontMetrics();
    const int larghezza = 2 * LarghezzaNomi(fm, stato().NomiSquadre) +
                          fm.horizontalAdvance(QLatin1String(SeparatoreIncontro)) +
                          partite_->verticalScrollBar()->sizeHint().width() + 4 * partite_->frameWidth() + 12;
    partite_->setMinimumWidth(qMax(larghezza, 200));
}

void TabellinoWindow::attiva()
{
    Stato& s = stato();
    // Edits of a championship that is no longer open cannot be saved anywhere: they are dropped.
    if (codPart_ != 0 && modificato() && file_ == s.PercorsoCampionato) {
        // The edits in progress stay while the same match is asked for.
        if (s.GiornataCorrente == giornata_ && s.Andata == andata_ && s.CodPartitaCorrente == codPart_) return;
        if (!confermaAbbandono()) {
            // Cancelled: the editor keeps its match, and the match sheet follows it.
            consegnaPartita();
            return;
        }
    }
    file_ = s.PercorsoCampionato;
    giornata_ = s.GiornataCorrente;
    andata_ = s.Andata;
    caricaElencoPartite();
    int codice = s.CodPartitaCorrente;
    // A match of another day opens the day's first match.
    if (!codici_.contains(codice)) codice = codici_.value(0, 0);
    if (codice != 0) s.CodPartitaCorrente = codice;
    caricaTabellino(codice);
}

void TabellinoWindow::attivaDallUtente()
{
    if (codPart_ == 0 || file_ != stato().PercorsoCampionato) {
        attiva();
        return;
    }
    // The user's click goes into the match on show, whichever match another window moved on to meanwhile: read as
    // stored now unless it holds edits, and handed over.
    if (!modificato()) {
        caricaElencoPartite();
        caricaTabellino(codPart_);
    }
    if (codPart_ != 0) consegnaPartita();
}

void TabellinoWindow::consegnaPartita() const
{
    Stato& s = stato();
    s.GiornataCorrente = giornata_;
    s.Andata = andata_;
    s.CodPartitaCorrente = codPart_;
    s.GiornataCambiata = true;
}

bool TabellinoWindow::scarica()
{
    // Once another championship has replaced the file, the edits have nowhere to go: nothing to ask.
    if (file_ != stato().PercorsoCampionato) return true;
    return codPart_ == 0 || !modificato() || confermaAbbandono();
}

bool TabellinoWindow::modificato() const
{
    for (int i = 0; i < caselle_.size(); ++i)
        if (caselle_[i]->text() != originali_.value(i)) return true;
    return false;
}

void TabellinoWindow::caricaElencoPartite()
{
    riquadroPartite_->setTitle(QStringLiteral("Giornata n° %1 - girone di %2")
                                   .arg(giornata_)
                                   .arg(andata_ ? QStringLiteral("andata") : QStringLiteral("ritorno")));
    QVector<PartitaTabellino> partite;
    EseguiComando(TITOLO, [&] { partite = TabellinoQueries::partite(giornata_, andata_); });
    riempimento_ = true;
    partite_->clear();
    codici_.clear();
    for (const PartitaTabellino& p : partite) {
        AggiungiIncontro(partite_, p.casa, p.ospite);
        codici_.append(p.codPart);
    }
    riempimento_ = false;
}

void TabellinoWindow::caricaTabellino(int codPart)
{
    std::optional<DatiTabellino> dati;
    if (codPart != 0) {
        CursoreAttesa();
        EseguiComando(TITOLO, [&] { dati = TabellinoQueries::leggi(codPart, andata_); });
        CursoreNormale();
    }
    if (!dati) {
        svuotaTabellino();
        return;
    }
    codPart_ = codPart;
    casa_ = dati->casa;
    ospite_ = dati->ospite;
    MostraNome(testaCasa_, casa_);
    MostraNome(testaOspite_, ospite_);
    // Long names need more room than the window took when it opened.
    TestataGiornata::adattaCornice(this);
    for (int i = 0; i < caselle_.size(); ++i) {
        caselle_[i]->setEnabled(true);
        caselle_[i]->setText(dati->valori.value(i));
        caselle_[i]->setCursorPosition(0);
    }
    // What the boxes hold now (a stored text longer than its box is cut) is the saved state.
    originali_.clear();
    for (QLineEdit* e : caselle_) originali_ << e->text();
    salva_->impostaDisponibile(true);
    selezionaRiga(int(codici_.indexOf(codPart_)));
    aggiornaTitolo();
}

void TabellinoWindow::svuotaTabellino()
{
    codPart_ = 0;
    casa_.clear();
    ospite_.clear();
    MostraNome(testaCasa_, QStringLiteral("Casa"));
    MostraNome(testaOspite_, QStringLiteral("Ospiti"));
    for (QLineEdit* e : caselle_) {
        e->clear();
        e->setEnabled(false);
    }
    originali_.clear();
    for (int i = 0; i < caselle_.size(); ++i) originali_ << QString();
    salva_->impostaDisponibile(false);
    selezionaRiga(-1);
    aggiornaTitolo();
}

bool TabellinoWindow::salvaTabellino()
{
    if (codPart_ == 0) return true;
    // The window stays open when the user keeps his edits while another championship is opened: its
    // match code means nothing in the new file.
    if (file_ != stato().PercorsoCampionato) {
        Messaggio::errore(QStringLiteral("Impossibile salvare il tabellino della partita ") + casa_ +
                              QStringLiteral(" - ") + ospite_ +
                              QStringLiteral(": nel frattempo è stato aperto un altro campionato."),
                          TITOLO);
        return false;
    }
    QStringList valori;
    for (QLineEdit* e : caselle_) valori << e->text();
    bool trovata = false;
    CursoreAttesa();
    const bool riuscito = EseguiComando(TITOLO, [&] { trovata = TabellinoQueries::scrivi(codPart_, andata_, valori); });
    CursoreNormale();
    if (!riuscito) return false;
    if (!trovata) {
        Messaggio::errore(QStringLiteral("Impossibile salvare il tabellino: la partita ") + casa_ +
                              QStringLiteral(" - ") + ospite_ + QStringLiteral(" non è più presente nel calendario."),
                          TITOLO);
        return false;
    }
    originali_ = valori;
    return true;
}

bool TabellinoWindow::confermaAbbandono()
{
    return Messaggio::salvarePrima(QStringLiteral("Il tabellino della partita ") + casa_ + QStringLiteral(" - ") +
                                       ospite_ + QStringLiteral(" è stato modificato.\rSalvare le modifiche?"),
                                   TITOLO, [this] { return salvaTabellino(); });
}

void TabellinoWindow::partitaScelta(int riga)
{
    if (riempimento_ || riga < 0 || riga >= codici_.size()) return;
    const int codice = codici_[riga];
    if (codice == codPart_) return;
    if (codPart_ != 0 && modificato() && !confermaAbbandono()) {
        selezionaRiga(int(codici_.indexOf(codPart_)));
        return;
    }
    Stato& s = stato();
    s.GiornataCorrente = giornata_;
    s.Andata = andata_;
    s.CodPartitaCorrente = codice;
    caricaTabellino(codice);
}

void TabellinoWindow::selezionaRiga(int riga)
{
    riempimento_ = true;
    partite_->setCurrentRow(riga);
    riempimento_ = false;
}

void TabellinoWindow::aggiornaTitolo()
{
    setWindowTitle(codPart_ == 0 ? TITOLO
                                 : TITOLO + QStringLiteral(": ") + IncontroInRiga(fontMetrics(), casa_, ospite_));
}
