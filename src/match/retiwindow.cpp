#include "match/retiwindow.h"

#include "core/codici.h"
#include "core/comando.h"
#include "core/stato.h"
#include "match/retiqueries.h"
#include "match/schedapartitaqueries.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString TITOLO = QStringLiteral("Schede dei gol");
constexpr int CONTESTO_GUIDA = 44;
constexpr int LUNGHEZZA_NOTE = 250;  // RETI.NOTE
constexpr int TIPI[] = {TIPO_DESTRO, TIPO_SINISTRO,   TIPO_TESTA, TIPO_PUNIZIONE,
                        TIPO_RIGORE, TIPO_ROVESCIATA, TIPO_TACCO};

}  // namespace

RetiWindow::RetiWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("pallone"), CONTESTO_GUIDA);
    const StrisciaPartita striscia = CreaStrisciaPartita(QStringLiteral("Text1"), QStringLiteral("Combo1"), this);
    incontro_ = striscia.partita;
    squadra_ = striscia.squadra;

    // The record strip: help, the heading, previous, next, save, delete and "Nuovo gol".
    auto azione = [this](const QString& testo, const char* icona, const QString& suggerimento,
                         std::function<void()> fare) {
        return AzioneEditore(testo, QLatin1String(icona), suggerimento, this, std::move(fare));
    };
    Azione* guida = azione(QStringLiteral("Guida"), "guida", QStringLiteral("Guida di Golvarno"),
                           [] { Guida::apri(CONTESTO_GUIDA); });
    precedente_ = azione(QStringLiteral("Gol precedente"), "precedente", QStringLiteral("Visualizza il gol precedente"),
                         [this] { Precedente(); });
    successivo_ = azione(QStringLiteral("Gol successivo"), "successivo", QStringLiteral("Visualizza il gol successivo"),
                         [this] { Successivo(); });
    salva_ = azione(QStringLiteral("Salva"), "salva", QStringLiteral("Salva i dati del gol"), [this] { Salva(); });
    elimina_ = azione(QStringLiteral("Elimina"), "elimina", QStringLiteral("Elimina il gol visualizzato"),
                      [this] { Elimina(); });
    nuovo_ =
        azione(QStringLiteral("Nuovo gol"), "aggiungi", QStringLiteral("Inserire un nuovo gol"), [this] { Nuovo(); });
    QFrame* barra = CreaStriscia(QStringLiteral("Toolbar2"), this);
    auto* pulsanti = static_cast<QHBoxLayout*>(barra->layout());
    pulsanti->addWidget(PulsanteFigura(guida, QStringLiteral("Command6"), barra));
    pulsanti->addSpacing(8);
    intestazione_ = CasellaDidascalia(QStringLiteral("Text6"), QString(), barra);
    QFont grassetto = intestazione_->font();
    grassetto.setBold(true);
    intestazione_->setFont(grassetto);
    intestazione_->setAccessibleName(QStringLiteral("Gol visualizzato"));
    pulsanti->addWidget(intestazione_, 1);
    pulsanti->addSpacing(8);
    const std::pair<Azione*, const char*> figure[] = {
        {precedente_, "Command1"}, {successivo_, "Command2"}, {salva_, "Command5"}, {elimina_, "Command3"}};
    for (const auto& [a, nome] : figure) pulsanti->addWidget(PulsanteFigura(a, QLatin1String(nome), barra));
    pulsanti->addSpacing(4);
    pulsanti->addWidget(PulsanteDa(nuovo_, QStringLiteral("Command4"), barra));

    // The record.
    auto* frame = new QGroupBox(QStringLiteral("Informazioni sul gol"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    marcatore_ = SceltaGiocatore(QStringLiteral("Combo2"), QStringLiteral("Marcatore"), frame);
    marcatore_->setFont(grassetto);
    minuto_ = std::make_unique<CampoMinuto>(QStringLiteral("Text3"), QStringLiteral("Option1"),
                                            QStringLiteral("Option2"), frame);
    tipo_ = new ComboCodici(frame);
    tipo_->setObjectName(QStringLiteral("Combo3"));
    tipo_->setAccessibleName(QStringLiteral("Tipo di rete"));
    for (int t : TIPI) tipo_->aggiungi(TestoTipoRete(t), t);
    autorete_ = new QCheckBox(QStringLiteral("Autorete"), frame);
    autorete_->setObjectName(QStringLiteral("Check1"));
    note_ = new QPlainTextEdit(frame);
    note_->setObjectName(QStringLiteral("Text5"));
    note_->setAccessibleName(QStringLiteral("Descrizione"));
    note_->setTabChangesFocus(true);
    note_->setFixedHeight(note_->fontMetrics().lineSpacing() * 3 + 12);
    connect(note_, &QPlainTextEdit::textChanged, this, [this] { limitaNote(); });

    auto* griglia = new QGridLayout(frame);
    griglia->setHorizontalSpacing(8);
    griglia->addWidget(EtichettaCampo(QStringLiteral("Label1"), QStringLiteral("Marcatore"), marcatore_, frame), 0, 0);
    griglia->addWidget(marcatore_, 0, 1, 1, 2);
    griglia->addWidget(EtichettaCampo(QStringLiteral("Label2"), QStringLiteral("Minuto"), minuto_->testo(), frame), 1,
                       0);
    griglia->addLayout(minuto_->riga(), 1, 1, 1, 2);
    griglia->addWidget(EtichettaCampo(QStringLiteral("Label3"), QStringLiteral("Tipo di rete"), tipo_, frame), 2, 0);
    griglia->addWidget(tipo_, 2, 1);
    griglia->addWidget(autorete_, 2, 2);
    griglia->addWidget(EtichettaCampo(QStringLiteral("Label4"), QStringLiteral("Descrizione"), note_, frame), 3, 0,
                       Qt::AlignTop);
    griglia->addWidget(note_, 3, 1, 1, 2);
    griglia->setColumnStretch(1, 1);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(striscia.barra);
    tutto->addWidget(barra);
    tutto->addWidget(frame);
    tutto->addStretch(1);

    connect(squadra_, &ComboCodici::click, this, [this] { squadraScelta(); });
}

RetiWindow::~RetiWindow() = default;

void RetiWindow::carica()
{
    caricamento_ = true;
    const int chiave = stato().CodRete;
    if (!EseguiComando(TITOLO, [&] { partita_ = LeggiPartitaEditore(); })) partita_ = PartitaEditore();
    int lato = chiave == -2 ? 1 : 0;
    int indice = -1;
    EseguiComando(TITOLO, [&] {
        if (partita_.trovata) liste_ = RetiQueries::reti(partita_);
    });
    // A stored goal is looked for in both teams' lists: one of another match or leg, or gone, gives a
    // new goal of the home team.
    if (chiave >= 0)
        for (int l = 0; l < 2 && indice < 0; ++l)
            if ((indice = int(liste_[l].indexOf(chiave))) >= 0) lato = l;
    {
        ComboCodici::SenzaClick guardia(squadra_);
        squadra_->aggiungi(partita_.squadra1);
        squadra_->aggiungi(partita_.squadra2);
        squadra_->setCurrentIndex(lato);
    }
    MostraIncontro(incontro_, partita_.squadra1, partita_.squadra2);
    incontro_->setCursorPosition(0);
    lato_ = lato;
    CaricaMarcatori();
    caricamento_ = false;
    for (Azione* a : {nuovo_, salva_}) a->impostaDisponibile(partita_.trovata);
    if (indice < 0) {
        AzzeraScheda();
        return;
    }
    selezionata_ = indice;
    CaricaScheda();
}

void RetiWindow::CaricaMarcatori()
{
    QVector<VoceGiocatore> rosa;
    EseguiComando(TITOLO,
                  [&] { rosa = RosaSquadra(partita_.squadra(lato_), stato().FormatoNome, GiunturaIniziale::Spazio); });
    RiempiGiocatori(marcatore_, rosa);
}

void RetiWindow::squadraScelta()
{
    if (caricamento_) return;
    // The team on show stays until the goal being edited is saved or dropped.
    const int scelta = squadra_->rinviaScelta(lato_);
    if (!lascia(QStringLiteral("passare all'altra squadra"))) return;
    {
        ComboCodici::SenzaClick guardia(squadra_);
        squadra_->setCurrentIndex(scelta);
    }
    lato_ = scelta == 1 ? 1 : 0;
    CaricaMarcatori();
    if (liste_[lato_].isEmpty()) {
        AzzeraScheda();
        return;
    }
    selezionata_ = 0;
    CaricaScheda();
}

void RetiWindow::abilitaRecord(bool abilita)
{
    for (Azione* a : {precedente_, successivo_, elimina_}) a->impostaDisponibile(abilita);
}

void RetiWindow::svuotaRecord()
{
    SvuotaScelta(marcatore_);
    minuto_->azzera(true);
    tipo_->setCurrentIndex(-1);
    autorete_->setChecked(false);
    note_->clear();
}

void RetiWindow::AzzeraScheda()
{
    reteSalvata_ = false;
    svuotaRecord();
    abilitaRecord(false);
    intestazione_->setText(QStringLiteral("Inserimento di un nuovo gol"));
    marcatoreMostrato_ = {};
    mostrati_ = valori();
}

void RetiWindow::CaricaScheda()
{
    reteSalvata_ = true;
    abilitaRecord(true);
    svuotaRecord();
    intestazioneSalvata();
    const int codice = liste_[lato_].value(selezionata_, -1);
    RetiQueries::Scheda s;
    if (EseguiComando(TITOLO, [&] { s = RetiQueries::scheda(codice); }) && s.trovata) {
        if (!s.giocatoreTrovato) {
            marcatore_->setEditText(QStringLiteral("(Giocatore non disponibile)"));
        } else if (!MostraGiocatore(marcatore_, s.codGiocatore, QString())) {
            // He plays for another team now: his whole name, kept in the picker so that a save keeps him.
            ComboCodici::SenzaClick guardia(marcatore_);
            marcatore_->setCurrentIndex(marcatore_->aggiungi(s.nome + QLatin1Char(' ') + s.cognome, s.codGiocatore));
        }
        minuto_->mostra(s.minuto, true);
        if (Autorete(s.tipo))
            autorete_->setChecked(true);
        else
            tipo_->setCurrentIndex(tipo_->trovaCodice(s.tipo));
        notePrima_ = s.note;
        note_->setPlainText(s.note);
    }
    marcatoreMostrato_ = Mostrato(marcatore_, s.giocatoreTrovato ? s.codGiocatore : GIOCATORE_NON_IN_ROSA);
    mostrati_ = valori();
}

void RetiWindow::intestazioneSalvata()
{
    intestazione_->setText(QString::number(selezionata_ + 1) + QStringLiteral("° gol segnato"));
}

QStringList RetiWindow::valori() const
{
    return ValoriMostrati(
        {marcatore_, minuto_->testo(), minuto_->primo(), minuto_->secondo(), tipo_, autorete_, note_});
}

bool RetiWindow::modificata() const { return valori() != mostrati_; }

bool RetiWindow::lascia(const QString& perFare)
{
    if (!partita_.trovata || !modificata()) return true;
    return Messaggio::salvarePrima(QStringLiteral("I dati di questo gol non sono stati salvati. Salvare prima di ") +
                                       perFare + QLatin1Char('?'),
                                   TITOLO, [this] { return Salva(); });
}

bool RetiWindow::scarica() { return lascia(QStringLiteral("chiudere la finestra")); }

void RetiWindow::limitaNote()
{
    // What is typed or pasted beyond the column's length is cut where it went in; a longer description
    // read from the file stays whole until it is shortened.
    const int oltre = int(note_->toPlainText().size()) - std::max(LUNGHEZZA_NOTE, int(notePrima_.size()));
    if (oltre > 0) {
        QTextCursor c = note_->textCursor();
        const int inizio = std::max(0, c.position() - oltre);
        c.setPosition(inizio);
        c.setPosition(inizio + oltre, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }
    notePrima_ = note_->toPlainText();
}

void RetiWindow::Precedente() { sposta(-1); }

void RetiWindow::Successivo() { sposta(1); }

void RetiWindow::sposta(int verso)
{
    if (!reteSalvata_ || !lascia(QStringLiteral("passare a un altro gol"))) return;
    const int i = selezionata_ + verso;
    if (i < 0 || i >= liste_[lato_].size()) {
        Messaggio::errore(verso < 0 ? QStringLiteral("Questo è il primo gol segnato!")
                                    : QStringLiteral("Questo è l'ultimo gol segnato!"),
                          TITOLO);
        return;
    }
    selezionata_ = i;
    CaricaScheda();
}

void RetiWindow::Nuovo()
{
    if (reteSalvata_
            ? lascia(QStringLiteral("inserire una nuova rete"))
            : Messaggio::salvarePrima(QStringLiteral("I dati di questo gol non sono stati salvati. Salvare prima di "
                                                     "inserire una nuova rete?"),
                                      TITOLO, [this] { return Salva(); }))
        AzzeraScheda();
}

bool RetiWindow::Salva()
{
    if (GiocatoreNominato(marcatore_).testo.isEmpty()) {
        Messaggio::errore(QStringLiteral("Attenzione: occorre indicare il nome del marcatore!"), TITOLO);
        return false;
    }
    const std::optional<int> minuto = minuto_->codice();
    if (!minuto) {
        Messaggio::errore(QStringLiteral("Attenzione: il minuto del gol va indicato da 0 a 99 all'interno del tempo!"),
                          TITOLO);
        return false;
    }
    RetiQueries::Dati d;
    d.squadra = partita_.squadra(lato_);
    // A scorer shown as stored stays as stored; a name that matches no player is saved without one
    // only when the user says so, as the file has no room for his name.
    if (!reteSalvata_ || !Invariato(marcatore_, marcatoreMostrato_)) {
        d.codGiocatore = GiocatoreScelto(marcatore_);
        if (*d.codGiocatore == GIOCATORE_NON_IN_ROSA &&
            !Messaggio::conferma(marcatore_->currentText() + QStringLiteral(" non è nella rosa di ") + d.squadra +
                                     QStringLiteral(": salvare il gol senza marcatore?"),
                                 TITOLO))
            return false;
    }
    d.minuto = *minuto;
    d.tipo = autorete_->isChecked() ? TIPO_AUTORETE
                                    : (tipo_->currentIndex() >= 0 ? tipo_->codiceCorrente() : TIPO_NON_INDICATO);
    d.note = note_->toPlainText();
    QVector<int>& lista = liste_[lato_];

    if (reteSalvata_) {
        const int codice = lista.value(selezionata_, -1);
        bool presente = false;
        if (!EseguiComando(TITOLO, [&] { presente = RetiQueries::modifica(partita_, codice, d); })) return false;
        if (!presente) {
            Messaggio::avvisa(QStringLiteral("Questo gol non c'è più: è stato eliminato in un'altra finestra.\r"
                                             "I dati non sono stati salvati."),
                              TITOLO);
            lista.removeAt(selezionata_);
            selezionata_ = -1;
            AzzeraScheda();
            return false;
        }
    } else {
        int codice = 0;
        if (!EseguiComando(TITOLO, [&] { codice = RetiQueries::inserisci(partita_, d); })) return false;
        lista.append(codice);
        selezionata_ = int(lista.size()) - 1;
        reteSalvata_ = true;
        abilitaRecord(true);
    }
    intestazioneSalvata();
    marcatoreMostrato_ = Mostrato(marcatore_, d.codGiocatore.value_or(marcatoreMostrato_.codice));
    mostrati_ = valori();
    return true;
}

void RetiWindow::Elimina()
{
    if (!reteSalvata_) return;
    if (!Messaggio::conferma(
            QStringLiteral("Eliminare il gol segnato da ") + marcatore_->currentText() + QStringLiteral(" ?"), TITOLO))
        return;
    QVector<int>& lista = liste_[lato_];
    const int codice = lista.value(selezionata_, -1);
    if (!EseguiComando(TITOLO, [&] { SchedaPartitaQueries::eliminaRete(codice); })) return;
    lista.removeAt(selezionata_);
    if (lista.isEmpty()) {
        selezionata_ = -1;
        AzzeraScheda();
        return;
    }
    // The following goal takes its place; the last one gives way to the one before.
    selezionata_ = std::min(selezionata_, int(lista.size()) - 1);
    CaricaScheda();
}

void RegistraReti()
{
    Finestre::istanza().registra(RetiWindow::Id, [] { return new RetiWindow; });
}
