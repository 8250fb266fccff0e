#include "shell/informazionisocietariewindow.h"

#include "core/codici.h"
#include "core/comando.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/spinner.h"
#include "platform/testoinriga.h"
#include "platform/valorimostrati.h"
#include "shell/controllifinestre.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Informazioni societarie");
constexpr int CONTESTO_GUIDA = 53;
constexpr int LUNGHEZZA_NOTE = 200;

// A text box of the window: its control, caption and SQUADRA column with the column's width.
struct Campo {
    const char* controllo;
    const char* etichetta;
    const char* colonna;
    int lunghezza;
};

// Frame "Dati tecnici" (the penalty box sits between these two and the address boxes).
constexpr Campo TECNICI[] = {{"Text1", "Allenatore", "ALLENATORE", 30}, {"Text2", "Presidente", "PRESIDENTE", 50}};
// Frame "Note e recapiti", before the notes.
constexpr Campo RECAPITI[] = {{"Text4", "Città", "CITTA", 30},           {"Text5", "Indirizzo", "SEDE", 100},
                              {"Text6", "Campo di gioco", "CAMPO", 100}, {"Text7", "Colori sociali", "COLORI", 50},
                              {"Text8", "Telefono", "TEL", 30},          {"Text9", "Fax", "FAX", 50}};

QStringList colonne()
{
    QStringList c;
    for (const Campo& f : TECNICI) c << QString::fromLatin1(f.colonna);
    for (const Campo& f : RECAPITI) c << QString::fromLatin1(f.colonna);
    return c;
}

}  // namespace

InformazioniSocietarieWindow::InformazioniSocietarieWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("societa"), CONTESTO_GUIDA);

    auto* principale = new QVBoxLayout(this);
    auto* squadra = new QHBoxLayout;
    squadra->addWidget(Etichetta(QStringLiteral("Label1"), QStringLiteral("Squadra"), this));
    squadre_ = new ComboCodici(this);
    squadre_->setObjectName(QStringLiteral("Combo1"));
    squadre_->setMinimumContentsLength(20);
    squadra->addWidget(squadre_, 1);
    principale->addLayout(squadra);

    const auto aggiungi = [this](QFormLayout* modulo, QWidget* parent, const Campo& c) {
        QLineEdit* e = Casella(QString::fromLatin1(c.controllo), QString(), parent, c.lunghezza);
        modulo->addRow(QString::fromUtf8(c.etichetta), e);
        caselle_.append(e);
    };

    QGroupBox* frame1 = Riquadro(QStringLiteral("Frame1"), QStringLiteral("Dati tecnici"), this);
    auto* m1 = new QFormLayout(frame1);
    for (const Campo& c : TECNICI) aggiungi(m1, frame1, c);
    penalita_ = Casella(QStringLiteral("Text3"), QString(), frame1, 0, 60);
    Spinner* spinner = nullptr;
    m1->addRow(QStringLiteral("Punti di penalità"), ConSpinner(penalita_, QStringLiteral("UpDown1"), frame1, &spinner));
    // Down gives the value less 1, or 0 when it is not above 0; up stops at the largest penalty.
    spinner->impostaMinimo(0);
    spinner->impostaRiportaAlMinimo(true);
    spinner->impostaMassimo(PenalitaMassima);
    principale->addWidget(frame1);

    QGroupBox* frame2 = Riquadro(QStringLiteral("Frame2"), QStringLiteral("Note e recapiti"), this);
    auto* m2 = new QFormLayout(frame2);
    for (const Campo& c : RECAPITI) aggiungi(m2, frame2, c);
    note_ = new QPlainTextEdit(frame2);
    note_->setObjectName(QStringLiteral("Text10"));
    note_->setTabChangesFocus(true);
    note_->setFixedHeight(note_->fontMetrics().lineSpacing() * 4 + 12);
    m2->addRow(QStringLiteral("Note"), note_);
    principale->addWidget(frame2, 1);
    // The notes column holds at most LUNGHEZZA_NOTE characters.
    connect(note_, &QPlainTextEdit::textChanged, this, [this] {
        const QString t = note_->toPlainText();
        if (t.size() <= LUNGHEZZA_NOTE) return;
        note_->setPlainText(t.left(LUNGHEZZA_NOTE));
        note_->moveCursor(QTextCursor::End);
    });

    QPushButton* command4 = Pulsante(
        QStringLiteral("Command4"),
        Azione::crea(QStringLiteral("Salva modifiche"), QStringLiteral("Salva le modifiche apportate ai dati"), this)
            ->allo([this] { salvaInfoSocietarie(); }),
        this);
    QPushButton* command2 =
        Pulsante(QStringLiteral("Command2"),
                 Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"), this)->allo([this] {
                     chiudi();
                 }),
                 this);
    QPushButton* command3 = Pulsante(
        QStringLiteral("Command3"),
        Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama la guida di Golvarno"), this)->allo([this] {
            Guida::apri(contestoGuida());
        }),
        this);
    principale->addLayout(RigaPulsanti({command4, command2, command3}));

    connect(squadre_, &ComboCodici::click, this, [this] { squadraScelta(); });
}

void InformazioniSocietarieWindow::carica()
{
    Stato& s = stato();
    if (s.SquadraCorrente.isEmpty() && s.NumeroSquadre > 0 && s.Squadre.size() > 1)
        s.SquadraCorrente = s.Squadre[1].Nome;
    {
        ComboCodici::SenzaClick guardia(squadre_);
        squadre_->svuota();
        for (int i = 1; i <= s.NumeroSquadre && i < s.Squadre.size(); ++i)
            squadre_->aggiungi(s.Squadre[i].Nome, s.Squadre[i].Codice.toInt());
        // A name missing from the list shows the first team.
        if (!squadre_->selezionaTesto(s.SquadraCorrente) && squadre_->count() > 0) squadre_->setCurrentIndex(0);
    }
    // A championship without teams shows an empty window.
    if (squadre_->currentIndex() >= 0) caricaInfoSocietarie();
}

void InformazioniSocietarieWindow::squadraScelta()
{
    // The team on show stays until its data typed are saved or dropped.
    const int scelta = squadre_->rinviaScelta(mostrata_);
    if (scelta == mostrata_ || !lascia(QStringLiteral("passare a un'altra squadra"))) return;
    {
        ComboCodici::SenzaClick guardia(squadre_);
        squadre_->setCurrentIndex(scelta);
    }
    caricaInfoSocietarie();
}

void InformazioniSocietarieWindow::caricaInfoSocietarie()
{
    mostrata_ = squadre_->currentIndex();
    if (mostrata_ < 0) return;
    CursoreAttesa();
    setWindowTitle(TITOLO + QStringLiteral(": ") + TestoInRiga(squadre_->testo()));
    const bool letti = EseguiComando(
        TITOLO,
        [&] {
            Query q(QStringLiteral("SELECT %1, PENALITA, NOTE FROM SQUADRA WHERE CODICE = ?").arg(colonne().join(", ")),
                    {squadre_->codiceCorrente()});
            if (q.next()) {
                for (int i = 0; i < caselle_.size(); ++i) caselle_[i]->setText(NullInVuoto(q.valore(i)));
                penalita_->setText(NullInVuoto(q.valore(int(caselle_.size()))));
                note_->setPlainText(NullInVuoto(q.valore(int(caselle_.size()) + 1)));
            }
        },
        [this](const QString& motivo) {
            return QStringLiteral("Impossibile leggere i dati della squadra ") + squadre_->testo() +
                   QStringLiteral("\r\r") + motivo;
        });
    if (letti) CursoreNormale();
    caricati_ = datiMostrati();
}

QStringList InformazioniSocietarieWindow::datiMostrati() const
{
    QList<const QWidget*> campi(caselle_.cbegin(), caselle_.cend());
    return ValoriMostrati(campi << penalita_ << note_);
}

bool InformazioniSocietarieWindow::scarica() { return lascia(QStringLiteral("chiudere la finestra")); }

bool InformazioniSocietarieWindow::lascia(const QString& perFare)
{
    if (squadre_->currentIndex() < 0 || datiMostrati() == caricati_) return true;
    return Messaggio::salvarePrima(QStringLiteral("I dati della squadra %1 sono stati modificati e non sono stati "
                                                  "salvati. Salvare le modifiche prima di %2?")
                                       .arg(squadre_->testo(), perFare),
                                   TITOLO, [this] { return salvaInfoSocietarie(); });
}

bool InformazioniSocietarieWindow::salvaInfoSocietarie()
{
    if (squadre_->currentIndex() < 0) return false;
    // The standings subtract the penalty from the team's points: it stays within -999..999.
    const std::optional<int> penalita = InteroScritto(penalita_->text(), PenalitaMassima, -PenalitaMassima);
    if (!penalita) {
        Messaggio::errore(QStringLiteral("Attenzione: i punti di penalità vanno indicati con un numero da -999 a 999."),
                          TITOLO);
        penalita_->setFocus();
        return false;
    }
    QStringList assegnazioni;
    QVariantList valori;
    for (int i = 0; i < caselle_.size(); ++i) {
        assegnazioni << colonne()[i] + QStringLiteral(" = ?");
        valori << VuotoInSpazio(caselle_[i]->text());
    }
    valori << VuotoInSpazio(note_->toPlainText()) << *penalita << squadre_->codiceCorrente();
    CursoreAttesa();
    const bool salvati = EseguiComando(
        TITOLO,
        [&] {
            const Query q(QStringLiteral("UPDATE SQUADRA SET %1, NOTE = ?, PENALITA = ? WHERE CODICE = ?")
                              .arg(assegnazioni.join(", ")),
                          valori);
            // A team that has gone from the file since the list was read keeps nothing: the data stay on screen.
            if (q.righeToccate() == 0)
                throw ErroreDatabase(QStringLiteral("La squadra non è più nel file: i dati non sono stati salvati."));
        },
        [this](const QString& motivo) {
            return QStringLiteral("Impossibile salvare i dati della squadra ") + squadre_->testo() +
                   QStringLiteral("\r\r") + motivo;
        });
    if (!salvati) return false;
    CursoreNormale();
    caricati_ = datiMostrati();
    return true;
}
