#include "players/nuovogiocatorewindow.h"

#include "core/comando.h"
#include "core/listasquadre.h"
#include "core/stato.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/valorimostrati.h"
#include "players/numeromaglia.h"
#include "players/nuovogiocatorequeries.h"
#include "players/sceltaimmaginedialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Inserimento di un nuovo giocatore");
constexpr int CONTESTO_GUIDA = 30;
constexpr int LUNGHEZZA_NOTE = 200;
constexpr int LUNGHEZZA_FOTO = 250;
constexpr int LUNGHEZZA_RUOLO = 20;
const QSize LATO_FOTO(120, 150);

enum Casella { NOME, COGNOME, NUMERO, NASCITA, LUOGO, NAZIONE, ALTEZZA, PESO, CASELLE };
// The widths of the boxes' columns; 0 for the shirt number, whose range is checked on saving.
constexpr int LUNGHEZZE[CASELLE] = {30, 30, 0, 15, 30, 20, 10, 10};

const QStringList RUOLI{"Ala",           "Attaccante", "Centravanti", "Centrocampista", "Difensore",
                        "Fluidificante", "Jolly",      "Libero",      "Mediano",        "Portiere",
                        "Regista",       "Stopper",    "Terzino",     "Tornante"};

}  // namespace

NuovoGiocatoreWindow::NuovoGiocatoreWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("giocatore"), CONTESTO_GUIDA);

    // The player's data: two columns of boxes, the role among them, the notes below.
    auto* frame1 = new QGroupBox(QStringLiteral("Dati del giocatore"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* dati = new QGridLayout(frame1);
    auto aggiungi = [&](const QString& etichetta, QWidget* w, int riga, int colonna) {
        auto* l = new QLabel(etichetta, frame1);
        l->setBuddy(w);
        dati->addWidget(l, riga, colonna * 2);
        dati->addWidget(w, riga, colonna * 2 + 1);
        return l;
    };
    for (int i = 0; i < CASELLE; ++i) {
        auto* e = new QLineEdit(frame1);
        e->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        if (LUNGHEZZE[i] > 0) e->setMaxLength(LUNGHEZZE[i]);
        // Room for a long name at a glance.
        e->setMinimumWidth(e->fontMetrics().averageCharWidth() * 24);
        caselle_ << e;
    }
    ruolo_ = new ComboCodici(frame1);
    ruolo_->setObjectName(QStringLiteral("Combo1"));
    ruolo_->setModificabile(true);
    ruolo_->lineEdit()->setMaxLength(LUNGHEZZA_RUOLO);
    aggiungi(QStringLiteral("Nome"), caselle_[NOME], 0, 0);
    aggiungi(QStringLiteral("Cognome"), caselle_[COGNOME], 0, 1);
    aggiungi(QStringLiteral("Ruolo"), ruolo_, 1, 0);
    aggiungi(QStringLiteral("Numero di maglia"), caselle_[NUMERO], 1, 1);
    aggiungi(QStringLiteral("Data di nascita"), caselle_[NASCITA], 2, 0);
    aggiungi(QStringLiteral("Luogo di nascita"), caselle_[LUOGO], 2, 1);
    aggiungi(QStringLiteral("Nazionalità"), caselle_[NAZIONE], 3, 0);
    aggiungi(QStringLiteral("Altezza"), caselle_[ALTEZZA], 3, 1);
    aggiungi(QStringLiteral("Peso"), caselle_[PESO], 4, 1);
    note_ = new QPlainTextEdit(frame1);
    note_->setObjectName(QStringLiteral("Text9"));
    note_->setTabChangesFocus(true);
    note_->setFixedHeight(note_->fontMetrics().lineSpacing() * 4 + 12);
    aggiungi(QStringLiteral("Note"), note_, 5, 0)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    dati->removeWidget(note_);
    dati->addWidget(note_, 5, 1, 1, 3);
    dati->setColumnStretch(1, 1);
    dati->setColumnStretch(3, 1);
    // The notes column holds at most LUNGHEZZA_NOTE characters.
    connect(note_, &QPlainTextEdit::textChanged, this, [this] {
        const QString t = note_->toPlainText();
        if (t.size() <= LUNGHEZZA_NOTE) return;
        note_->setPlainText(t.left(LUNGHEZZA_NOTE));
        note_->moveCursor(QTextCursor::End);
    });

    auto* frame2 = new QGroupBox(QStringLiteral("Squadra di appartenenza"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* riquadro2 = new QHBoxLayout(frame2);
    squadra_ = new ComboCodici(frame2);
    squadra_->setObjectName(QStringLiteral("Combo2"));
    QFont grassetto = squadra_->font();
    grassetto.setBold(true);
    squadra_->setFont(grassetto);
    riquadro2->addWidget(squadra_);

    auto* frame3 = new QGroupBox(QStringLiteral("Foto"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* riquadro3 = new QVBoxLayout(frame3);
    immagine_ = new QLabel(frame3);
    immagine_->setObjectName(QStringLiteral("Image1"));
    immagine_->setFixedSize(LATO_FOTO);
    immagine_->setAlignment(Qt::AlignCenter);
    immagine_->setFrameShape(QFrame::StyledPanel);
    riquadro3->addWidget(immagine_, 0, Qt::AlignHCenter);
    auto* sceltaFoto = new Azione(QStringLiteral("Inserisci / modifica"), Icona(QStringLiteral("foto")), this);
    sceltaFoto->richiedeFinestra(IdFinestra::SceltaImmagine)
        ->conSuggerimento(QStringLiteral("Scegliere la foto del giocatore"))
        ->allo([this] { scegliFoto(); });
    riquadro3->addWidget(PulsanteDa(sceltaFoto, QStringLiteral("Command1"), frame3));
    riquadro3->addStretch(1);

    auto* salva = new Azione(QStringLiteral("Salva"), Icona(QStringLiteral("salva")), this);
    salva->conSuggerimento(QStringLiteral("Salvare i dati inseriti"))->allo([this] { this->salva(); });
    nuovo_ = new Azione(QStringLiteral("Nuovo"), Icona(QStringLiteral("aggiungi")), this);
    nuovo_->conSuggerimento(QStringLiteral("Inserire un nuovo giocatore"))->allo([this] {
        if (!lasciaScheda(QStringLiteral("inserire un nuovo giocatore"))) return;
        pulisciScheda();
        caselle_[NOME]->setFocus();
    });
    auto* chiudi = new Azione(QStringLiteral("Chiudi"), Icona(QStringLiteral("chiudi")), this);
    chiudi->conSuggerimento(QStringLiteral("Chiudere questa finestra"))->allo([this] { this->chiudi(); });
    auto* guida = new Azione(QStringLiteral("Help"), Icona(QStringLiteral("guida")), this);
    guida->conSuggerimento(QStringLiteral("Richiama la guida di Golvarno"))->allo([] { Guida::apri(CONTESTO_GUIDA); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(PulsanteDa(salva, QStringLiteral("Command2"), this));
    pulsanti->addWidget(PulsanteDa(nuovo_, QStringLiteral("Command3"), this));
    pulsanti->addWidget(PulsanteDa(chiudi, QStringLiteral("Command4"), this));
    pulsanti->addWidget(PulsanteDa(guida, QStringLiteral("Command5"), this));

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(frame1, 1);
    sinistra->addWidget(frame2);
    auto* sopra = new QHBoxLayout;
    sopra->addLayout(sinistra, 1);
    sopra->addWidget(frame3);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(sopra, 1);
    tutto->addLayout(pulsanti);
}

void NuovoGiocatoreWindow::carica()
{
    Stato& s = stato();
    s.PercorsoImmagine.clear();
    RiempiListaSquadre(squadra_, s.SquadraCorrente);
    {
        ComboCodici::SenzaClick caricamento(ruolo_);
        for (const QString& r : RUOLI) ruolo_->aggiungi(r);
    }
    pulisciScheda();
}

void NuovoGiocatoreWindow::pulisciScheda()
{
    for (QLineEdit* e : caselle_) e->clear();
    note_->clear();
    {
        ComboCodici::SenzaClick caricamento(ruolo_);
        ruolo_->setCurrentIndex(-1);
        ruolo_->setEditText(QString());
    }
    immagine_->clear();
    foto_.clear();
    stato().PercorsoImmagine.clear();
    codice_ = 0;
    nuovo_->impostaDisponibile(false);
    salvati_ = datiMostrati();
}

QStringList NuovoGiocatoreWindow::datiMostrati() const
{
    QList<const QWidget*> campi(caselle_.cbegin(), caselle_.cend());
    QStringList dati = ValoriMostrati(campi << ruolo_ << note_) << foto_;
    if (codice_ != 0) dati << QString::number(squadra_->codiceCorrente());
    return dati;
}

bool NuovoGiocatoreWindow::lasciaScheda(const QString& dopo)
{
    if (datiMostrati() == salvati_) return true;
    return Messaggio::salvarePrima(
        QStringLiteral("I dati del giocatore non sono stati salvati. Salvare prima di %1?").arg(dopo), TITOLO,
        [this] { return salva(); });
}

bool NuovoGiocatoreWindow::scarica() { return lasciaScheda(QStringLiteral("chiudere la finestra")); }

void NuovoGiocatoreWindow::scegliFoto()
{
    Finestre::istanza().mostraModale(IdFinestra::SceltaImmagine);
    const QString percorso = stato().PercorsoImmagine;
    // Nothing chosen: the photo chosen before, if any, stays.
    if (percorso.isEmpty()) return;
    if (percorso.size() > LUNGHEZZA_FOTO) {
        Messaggio::errore(QStringLiteral("Il percorso del file con l'immagine è troppo lungo: al massimo può avere "
                                         "%1 caratteri.\r\rSpostare l'immagine in una cartella con un percorso più "
                                         "breve.")
                              .arg(LUNGHEZZA_FOTO),
                          TITOLO);
        return;
    }
    // A file that is not a picture, or a picture too large to show, is refused: the photo stays as it was.
    const QPixmap foto = CaricaFotoScelta(percorso);
    if (foto.isNull()) return;
    foto_ = percorso;
    immagine_->setPixmap(foto.scaled(LATO_FOTO, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool NuovoGiocatoreWindow::salva()
{
    if (caselle_[COGNOME]->text().isEmpty()) {
        Messaggio::errore(QStringLiteral("E' necessario inserire almeno il cognome del giocatore!\r"
                                         "Gli altri dati possono essere facoltativi."),
                          TITOLO + QLatin1Char('.'));
        return false;
    }
    const std::optional<int> numero = NumeroMagliaDaTesto(caselle_[NUMERO]->text());
    if (!numero) {
        Messaggio::errore(TestoNumeroMagliaErrato(), TITOLO);
        caselle_[NUMERO]->setFocus();
        return false;
    }
    DatiNuovoGiocatore d;
    d.nome = caselle_[NOME]->text();
    d.cognome = caselle_[COGNOME]->text();
    d.ruolo = ruolo_->testo();
    d.numero = *numero;
    d.dataNascita = caselle_[NASCITA]->text();
    d.luogoNascita = caselle_[LUOGO]->text();
    d.nazione = caselle_[NAZIONE]->text();
    d.altezza = caselle_[ALTEZZA]->text();
    d.peso = caselle_[PESO]->text();
    d.note = note_->toPlainText();
    d.codSquadra = squadra_->codiceCorrente();
    d.foto = foto_;
    int codice = codice_;
    if (!EseguiComando(TITOLO, [&] {
            codice = codice_ == 0 ? NuovoGiocatoreQueries::inserisci(d) : NuovoGiocatoreQueries::aggiorna(codice_, d);
        }))
        return false;
    codice_ = codice;
    nuovo_->impostaDisponibile(true);
    salvati_ = datiMostrati();
    return true;
}
