#include "match/sostituzioniwindow.h"

#include "core/codici.h"
#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "match/schedapartitaqueries.h"
#include "match/sostituzioniqueries.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/spinner.h"
#include "platform/testoinriga.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Schede sostituzioni");
const QString TITOLO_SALVA = QStringLiteral("Inserimento sostituzione");
const QString NON_SPECIFICATO = QStringLiteral("(Non specificato)");
constexpr int CONTESTO_GUIDA = 41;

// The rating arrows: no rating (empty, "s.v." or a text that is no rating) goes to 5 or 6, a rating moves by
// half a point within 3..10.
std::optional<QString> PassoVoto(const QString& testo, int verso)
{
    const std::optional<double> voto = LeggiVotoScritto(testo).voto;
    return Spinner::passoVoto(testo, verso, !voto || *voto == SENZA_VOTO);
}

}  // namespace

SostituzioniWindow::SostituzioniWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("sostituzione"), CONTESTO_GUIDA);
    const StrisciaPartita striscia = CreaStrisciaPartita(QStringLiteral("Text3"), QStringLiteral("Combo4"), this);
    incontro_ = striscia.partita;
    squadra_ = striscia.squadra;

    // The record strip: previous, next, delete, new, save, help, and the heading.
    auto azione = [this](const char* icona, const QString& suggerimento, std::function<void()> fare) {
        return AzioneEditore(suggerimento, QLatin1String(icona), suggerimento, this, std::move(fare));
    };
    precedente_ = azione("precedente", QStringLiteral("Visualizza sostituzione precedente"), [this] { Precedente(); });
    successiva_ = azione("successivo", QStringLiteral("Visualizza sostituzione successiva"), [this] { Successiva(); });
    elimina_ = azione("elimina", QStringLiteral("Elimina la sostituzione visualizzata"), [this] { Elimina(); });
    nuova_ = azione("aggiungi", QStringLiteral("Inserisci nuova"), [this] { Nuova(); });
    salva_ = azione("salva", QStringLiteral("Salva i dati della sostituzione"), [this] { Salva(); });
    Azione* guida = azione("guida", QStringLiteral("Guida di Golvarno"), [] { Guida::apri(CONTESTO_GUIDA); });
    QFrame* barra = CreaStriscia(QStringLiteral("Toolbar2"), this);
    auto* pulsanti = static_cast<QHBoxLayout*>(barra->layout());
    int n = 1;
    for (Azione* a : {precedente_, successiva_, elimina_, nuova_, salva_, guida}) {
        if (a == nuova_ || a == guida) pulsanti->addSpacing(10);
        pulsanti->addWidget(PulsanteFigura(a, QStringLiteral("Command%1").arg(n++), barra));
    }
    pulsanti->addSpacing(10);
    intestazione_ = CasellaDidascalia(QStringLiteral("Text5"), QString(), barra);
    intestazione_->setStyleSheet(
        QStringLiteral("QLineEdit { background: rgb(192, 192, 192); color: rgb(192, 0, 0); font-weight: bold; }"));
    intestazione_->setAccessibleName(QStringLiteral("Sostituzione visualizzata"));
    pulsanti->addWidget(intestazione_, 1);

    // The record.
    auto* frame = new QGroupBox(QStringLiteral("Dati della sostituzione"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    entra_ = SceltaGiocatore(QStringLiteral("Combo2"), QStringLiteral("Entra"), frame);
    entra_->setToolTip(QStringLiteral("Elenco dei giocatori non titolari"));
    esce_ = SceltaGiocatore(QStringLiteral("Combo3"), QStringLiteral("Esce"), frame);
    esce_->setToolTip(QStringLiteral("Elenco dei giocatori che hanno giocato"));
    minuto_ = std::make_unique<CampoMinuto>(QStringLiteral("Text6"), QStringLiteral("Option1"),
                                            QStringLiteral("Option2"), frame);
    voto_ = new ComboCodici(frame);
    voto_->setObjectName(QStringLiteral("Combo1"));
    voto_->setModificabile(true);
    voto_->setAccessibleName(QStringLiteral("Voto"));
    voto_->setMinimumContentsLength(4);
    voto_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* frecce = new Spinner(voto_->lineEdit(), frame);
    frecce->setObjectName(QStringLiteral("UpDown1"));
    frecce->impostaPasso(PassoVoto);
    ammonito_ = new QCheckBox(QStringLiteral("Ammonito"), frame);
    ammonito_->setObjectName(QStringLiteral("Check1"));
    espulso_ = new QCheckBox(QStringLiteral("Espulso"), frame);
    espulso_->setObjectName(QStringLiteral("Check2"));

    auto* griglia = new QGridLayout(frame);
    griglia->setHorizontalSpacing(8);
    griglia->addWidget(EtichettaCampo(QStringLiteral("Label4"), QStringLiteral("ENTRA"), entra_, frame, true), 0, 0);
    griglia->addWidget(entra_, 0, 1, 1, 4);
    griglia->addWidget(EtichettaCampo(QStringLiteral("Label7"), QStringLiteral("ESCE"), esce_, frame, true), 1, 0);
    griglia->addWidget(esce_, 1, 1, 1, 4);
    griglia->addWidget(
        EtichettaCampo(QStringLiteral("Label8"), QStringLiteral("MINUTO"), minuto_->testo(), frame, true), 2, 0);
    griglia->addLayout(minuto_->riga(), 2, 1, 1, 4);
    griglia->addWidget(EtichettaCampo(QStringLiteral("Label5"), QStringLiteral("VOTO"), voto_, frame, true), 3, 0);
    auto* voto = new QHBoxLayout;
    voto->setSpacing(0);
    voto->addWidget(voto_);
    voto->addWidget(frecce);
    voto->addSpacing(32);
    voto->addWidget(EtichettaCampo(QStringLiteral("Label6"), QStringLiteral("NOTE"), ammonito_, frame, true));
    voto->addSpacing(8);
    voto->addWidget(ammonito_);
    voto->addSpacing(8);
    voto->addWidget(espulso_);
    voto->addStretch(1);
    griglia->addLayout(voto, 3, 1, 1, 4);
    griglia->setColumnStretch(1, 1);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(striscia.barra);
    tutto->addWidget(barra);
    tutto->addWidget(frame);
    tutto->addStretch(1);

    connect(squadra_, &ComboCodici::click, this, [this] { squadraScelta(); });
}

SostituzioniWindow::~SostituzioniWindow() = default;

void SostituzioniWindow::carica()
{
    caricamento_ = true;
    const Stato& s = stato();
    int chiave = s.CodSostituzione;
    if (!EseguiComando(TITOLO, [&] { partita_ = LeggiPartitaEditore(); })) partita_ = PartitaEditore();
    {
        ComboCodici::SenzaClick guardia(squadra_);
        squadra_->aggiungi(partita_.squadra1);
        squadra_->aggiungi(partita_.squadra2);
        MostraIncontro(incontro_, partita_.squadra1, partita_.squadra2);
        incontro_->setCursorPosition(0);
        int lato = chiave == -1 ? 0 : 1;
        if (chiave >= 0) {
            SostituzioniQueries::Scheda scheda;
            EseguiComando(TITOLO, [&] { scheda = SostituzioniQueries::scheda(chiave); });
            // Team names compare as the file compares them, ignoring case.
            lato = scheda.trovata && scheda.squadra.compare(partita_.squadra2, Qt::CaseInsensitive) == 0 ? 1 : 0;
        }
        squadra_->setCurrentIndex(lato);
    }
    voto_->svuota();
    for (const QString& v : VociVoto(StileSenzaVoto::Minuscolo)) voto_->aggiungi(v);
    AggiornaSostituzioni(chiave);
    // A key that is no substitution of this match and leg: a new one of the home team (read again
    // only when the away team's lists are showing).
    if (chiave >= 0 && selezionata_ < 0 && lato_ != 0) {
        {
            ComboCodici::SenzaClick guardia(squadra_);
            squadra_->setCurrentIndex(0);
        }
        AggiornaSostituzioni(-1);
    }
    for (Azione* a : {nuova_, salva_}) a->impostaDisponibile(partita_.trovata);
    caricamento_ = false;
}

void SostituzioniWindow::AggiornaSostituzioni(int chiave)
{
    caricamento_ = true;
    CursoreAttesa();
    lato_ = squadra_->currentIndex() == 0 ? 0 : 1;
    SostituzioniQueries::Elenchi elenchi;
    if (partita_.trovata)
        EseguiComando(TITOLO, [&] {
            elenchi = SostituzioniQueries::elenchi(SostituzioniQueries::LatoDi(partita_, lato_), stato().FormatoNome);
        });
    RiempiGiocatori(esce_, elenchi.esce);
    RiempiGiocatori(entra_, elenchi.entra);
    chiavi_ = elenchi.chiavi;
    selezionata_ = chiave >= 0 ? int(chiavi_.indexOf(chiave)) : -1;
    if (selezionata_ >= 0) {
        abilitaRecord(true);
        CaricaScheda();
    } else {
        abilitaRecord(false);
        AzzeraScheda();
    }
    CursoreNormale();
    caricamento_ = false;
}

void SostituzioniWindow::abilitaRecord(bool abilita)
{
    for (Azione* a : {precedente_, successiva_, elimina_}) a->impostaDisponibile(abilita);
}

void SostituzioniWindow::AzzeraScheda()
{
    schedaSalvata_ = false;
    SvuotaScelta(entra_);
    SvuotaScelta(esce_);
    minuto_->azzera(true);
    SvuotaScelta(voto_);
    ammonito_->setChecked(false);
    espulso_->setChecked(false);
    intestazione_->setText(QStringLiteral("Nuova sostituzione"));
    entraMostrato_ = esceMostrato_ = {};
    collegata_ = false;
    votoMostrato_.clear();
    mostrati_ = valori();
}

void SostituzioniWindow::CaricaScheda()
{
    schedaSalvata_ = true;
    intestazioneSalvata();
    ammonito_->setChecked(false);
    espulso_->setChecked(false);
    SvuotaScelta(voto_);
    SvuotaScelta(entra_);
    SvuotaScelta(esce_);
    minuto_->azzera(false);
    SostituzioniQueries::Scheda s;
    const int codice = chiavi_.value(selezionata_, -1);
    if (EseguiComando(TITOLO, [&] { s = SostituzioniQueries::scheda(codice); }) && s.trovata) {
        if (Espulso(s.cartellino))
            espulso_->setChecked(true);
        else if (Ammonito(s.cartellino))
            ammonito_->setChecked(true);
        MostraGiocatore(entra_, s.codGiocatore, s.nome);
        if (!s.voto.isNull()) {
            const double voto = s.voto.toDouble();
            if (voto == SENZA_VOTO)
                voto_->setCurrentIndex(0);
            else
                voto_->setEditText(TestoVoto(voto, StileSenzaVoto::Minuscolo));
        }
        if (s.collegata) {
            MostraGiocatore(esce_, s.codGiocatoreEsce, s.nomeEsce);
            minuto_->mostra(s.sostituito, false);
        } else {
            esce_->setEditText(NON_SPECIFICATO);
        }
    }
    // A player shown by the name stored with his row (moved to another club, deleted, or typed in)
    // keeps his code while that name shows.
    entraMostrato_ = Mostrato(entra_, s.codGiocatore);
    esceMostrato_ = Mostrato(esce_, s.codGiocatoreEsce);
    collegata_ = s.collegata;
    votoMostrato_ = voto_->currentText();
    mostrati_ = valori();
}

void SostituzioniWindow::intestazioneSalvata()
{
    intestazione_->setText(QString::number(selezionata_ + 1) + QStringLiteral("a sostituzione effettuata"));
}

QStringList SostituzioniWindow::valori() const
{
    return ValoriMostrati(
        {entra_, esce_, minuto_->testo(), minuto_->primo(), minuto_->secondo(), voto_, ammonito_, espulso_});
}

bool SostituzioniWindow::modificata() const { return valori() != mostrati_; }

bool SostituzioniWindow::lascia(const QString& perFare)
{
    if (!partita_.trovata || !modificata()) return true;
    return Messaggio::salvarePrima(
        QStringLiteral("Attenzione: i dati di questa sostituzione non sono stati salvati. Salvare "
                       "prima di ") +
            perFare + QLatin1Char('?'),
        TITOLO, [this] { return Salva(); });
}

bool SostituzioniWindow::scarica() { return lascia(QStringLiteral("chiudere la finestra")); }

void SostituzioniWindow::rinfrescaElenchi()
{
    SostituzioniQueries::Elenchi elenchi;
    if (!EseguiComando(TITOLO, [&] {
            elenchi = SostituzioniQueries::elenchi(SostituzioniQueries::LatoDi(partita_, lato_), stato().FormatoNome);
        }))
        return;
    // Each picker keeps what it shows: the same player's entry, else the same text.
    for (const auto& [combo, voci] : {std::pair(esce_, &elenchi.esce), std::pair(entra_, &elenchi.entra)}) {
        const QString testo = combo->currentText();
        const int i = combo->currentIndex();
        const int codice = i >= 0 && combo->itemText(i) == testo ? combo->codice(i) : GIOCATORE_NON_IN_ROSA;
        RiempiGiocatori(combo, *voci);
        MostraGiocatore(combo, codice, testo);
    }
    const int chiave = chiavi_.value(selezionata_, -1);
    chiavi_ = elenchi.chiavi;
    selezionata_ = schedaSalvata_ ? int(chiavi_.indexOf(chiave)) : -1;
}

void SostituzioniWindow::squadraScelta()
{
    if (caricamento_) return;
    // The team on show stays until the record being edited is saved or dropped: a change of team starts
    // a new record.
    const int scelta = squadra_->rinviaScelta(lato_);
    if (!lascia(QStringLiteral("passare all'altra squadra"))) return;
    {
        ComboCodici::SenzaClick guardia(squadra_);
        squadra_->setCurrentIndex(scelta);
    }
    AggiornaSostituzioni(scelta == 0 ? -1 : -2);
}

void SostituzioniWindow::Precedente() { sposta(-1); }

void SostituzioniWindow::Successiva() { sposta(1); }

void SostituzioniWindow::sposta(int verso)
{
    if (!schedaSalvata_) {
        Messaggio::errore(QStringLiteral("Questa sostituzione non è ancora stata salvata"), TITOLO);
        return;
    }
    if (!lascia(QStringLiteral("passare a un'altra sostituzione"))) return;
    // With none selected, next goes to the first.
    const int i = selezionata_ + verso;
    if (i >= 0 && i < chiavi_.size())
        AggiornaSostituzioni(chiavi_[i]);
    else
        Messaggio::errore(verso < 0 ? QStringLiteral("Questa è la prima sostituzione effettuata!")
                                    : QStringLiteral("Questa è l'ultima sostituzione effettuata!"),
                          TITOLO);
}

void SostituzioniWindow::Nuova()
{
    if (schedaSalvata_
            ? lascia(QStringLiteral("inserirne una nuova"))
            : Messaggio::salvarePrima(QStringLiteral("Attenzione: questa sostituzione non è stata salvata. Salvare "
                                                     "prima di inserirne una nuova?"),
                                      TITOLO, [this] { return Salva(); }))
        AzzeraScheda();
}

bool SostituzioniWindow::Salva()
{
    const VoceGiocatore entrato = GiocatoreNominato(entra_), uscito = GiocatoreNominato(esce_);
    if (entrato.testo.isEmpty()) {
        Messaggio::errore(QStringLiteral("Occorre specificare il giocatore entrato!"), TITOLO_SALVA);
        return false;
    }
    if (uscito.testo.isEmpty()) {
        Messaggio::errore(QStringLiteral("Occorre specificare il giocatore che è uscito!"), TITOLO_SALVA);
        return false;
    }
    SostituzioniQueries::Dati d;
    const VotoScritto voto = LeggiVotoScritto(voto_->currentText());
    if (!voto.valido()) {
        Messaggio::errore(voto.rifiuto, TITOLO_SALVA);
        return false;
    }
    d.voto = VotoDaSalvare(votoMostrato_, voto_->currentText());
    const std::optional<int> minuto = minuto_->codice();
    if (!minuto) {
        Messaggio::errore(QStringLiteral("Il minuto della sostituzione va indicato da 0 a 99 all'interno del tempo!"),
                          TITOLO_SALVA);
        return false;
    }
    d.minuto = *minuto;
    d.ammonito = ammonito_->isChecked();
    d.espulso = espulso_->isChecked();
    d.formatoNome = stato().FormatoNome;
    // A player shown as stored stays as stored; one picked or typed replaces him, a squad player under the
    // squad's spelling.
    const bool stessoEntrato = schedaSalvata_ && Invariato(entra_, entraMostrato_);
    if (!stessoEntrato) d.entrato = SostituzioniQueries::Giocatore{entrato.codice, entrato.testo};
    const bool stessoUscito = schedaSalvata_ && Invariato(esce_, esceMostrato_);
    if (!stessoUscito) d.uscito = SostituzioniQueries::Giocatore{uscito.codice, uscito.testo};
    if (stessoUscito && !collegata_) {
        // No replaced row to hold a minute: one typed needs who went off.
        if (!minuto_->testo()->text().trimmed().isEmpty()) {
            Messaggio::errore(QStringLiteral("Occorre specificare il giocatore che è uscito!"), TITOLO_SALVA);
            return false;
        }
        d.minuto.reset();
    }
    const SostituzioniQueries::Lato lato = SostituzioniQueries::LatoDi(partita_, lato_);

    int codice = chiavi_.value(selezionata_, -1);
    auto esito = SostituzioniQueries::Esito::Mancante;
    SostituzioniQueries::UscitaPrecedente prima;
    if (!EseguiComando(TITOLO_SALVA, [&] {
            esito = schedaSalvata_ ? SostituzioniQueries::modifica(lato, codice, d, &prima)
                                   : SostituzioniQueries::inserisci(lato, d, codice, &prima);
        }))
        return false;
    if (esito == SostituzioniQueries::Esito::GiaUscito) {
        // Named as the sheet lists it: the minute, who came on, and its place in order of entry.
        QString uscita = esce_->currentText() + QStringLiteral(" è già uscito dal campo");
        if (prima.minuto > 0) uscita += QStringLiteral(" al ") + TestoMinuto(prima.minuto);
        uscita += QStringLiteral(", sostituito da ") + prima.entrato;
        if (const int n = int(chiavi_.indexOf(prima.codice)); n >= 0)
            uscita += QStringLiteral(" (%1a sostituzione effettuata)").arg(n + 1);
        Messaggio::errore(uscita + QStringLiteral(".\rUn giocatore uscito non può uscire di nuovo: la sostituzione "
                                                  "non è stata salvata."),
                          TITOLO_SALVA);
        return false;
    }
    if (esito == SostituzioniQueries::Esito::Mancante) {
        Messaggio::avvisa(QStringLiteral("Questa sostituzione non c'è più: è stata eliminata in un'altra "
                                         "finestra.\rI dati non sono stati salvati."),
                          TITOLO_SALVA);
        AggiornaSostituzioni(lato_ == 0 ? -1 : -2);
        return false;
    }
    if (esito == SostituzioniQueries::Esito::UscitoMancante) {
        Messaggio::errore(esce_->currentText() + QStringLiteral(" non risulta tra i giocatori di ") + lato.squadra +
                              QStringLiteral(" in questa partita: la sostituzione non è stata salvata.\rScegliere "
                                             "il giocatore uscito dall'elenco."),
                          TITOLO_SALVA);
        rinfrescaElenchi();
        return false;
    }
    if (!schedaSalvata_) {
        chiavi_.append(codice);
        selezionata_ = int(chiavi_.size()) - 1;
        schedaSalvata_ = true;
        abilitaRecord(true);
    }
    if (d.entrato) entraMostrato_ = Mostrato(entra_, d.entrato->codGiocatore);
    if (d.uscito) {
        esceMostrato_ = Mostrato(esce_, d.uscito->codGiocatore);
        collegata_ = true;
    }
    // The player who just came on may go off in the next substitution.
    rinfrescaElenchi();
    intestazioneSalvata();
    entraMostrato_.testo = entra_->currentText();
    esceMostrato_.testo = esce_->currentText();
    votoMostrato_ = voto_->currentText();
    mostrati_ = valori();
    return true;
}

void SostituzioniWindow::rifiutaEliminazione()
{
    Messaggio::avvisa(QStringLiteral("Non si può eliminare la sostituzione di %1 con %2: %2 è stato a sua volta "
                                     "sostituito.\rEliminare prima quella sostituzione.")
                          .arg(esce_->currentText(), entra_->currentText()),
                      TITOLO);
}

void SostituzioniWindow::Elimina()
{
    if (!schedaSalvata_) {
        AzzeraScheda();
        return;
    }
    const int codice = chiavi_.value(selezionata_, -1);
    bool dopo = false;
    if (!EseguiComando(TITOLO, [&] { dopo = SostituzioniQueries::sostituitoPiuTardi(codice); })) return;
    if (dopo) {
        rifiutaEliminazione();
        return;
    }
    if (!Messaggio::conferma(QStringLiteral("Eliminare la sostituzione di ") + esce_->currentText() +
                                 QStringLiteral(" con ") + entra_->currentText() + QStringLiteral(" ?"),
                             TITOLO))
        return;
    auto esito = SchedaPartitaQueries::EsitoSostituzione::Mancante;
    if (!EseguiComando(TITOLO, [&] { esito = SchedaPartitaQueries::eliminaSostituzione(codice); })) return;
    if (esito == SchedaPartitaQueries::EsitoSostituzione::SostituitoDopo) {
        rifiutaEliminazione();
        return;
    }
    // Deleted, here or meanwhile elsewhere: the next one, else the one before, else a blank record.
    const int n = int(chiavi_.size());
    int vicina = -3;
    if (n > 1) vicina = selezionata_ < n - 1 ? chiavi_[selezionata_ + 1] : chiavi_[selezionata_ - 1];
    AggiornaSostituzioni(vicina);
}

void RegistraSostituzioni()
{
    Finestre::istanza().registra(SostituzioniWindow::Id, [] { return new SostituzioniWindow; });
}
