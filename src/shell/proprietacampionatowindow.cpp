#include "shell/proprietacampionatowindow.h"

#include "core/campionato.h"
#include "core/codici.h"
#include "core/comando.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/spinner.h"
#include "platform/suggerimentotagliati.h"
#include "platform/valorimostrati.h"
#include "shell/controllifinestre.h"
#include "shell/nomisquadre.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Proprietà del campionato");
const QString TITOLO_RINOMINA = QStringLiteral("Rinominare una squadra");
constexpr int CONTESTO_GUIDA = 52;

QString rileggere(const QString& motivo) { return QStringLiteral("Impossibile rileggere il campionato.\r\r") + motivo; }

}  // namespace

ProprietaCampionatoWindow::ProprietaCampionatoWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("proprieta"), CONTESTO_GUIDA);

    auto* principale = new QVBoxLayout(this);
    auto* corpo = new QHBoxLayout;
    principale->addLayout(corpo, 1);

    // The championship's settings.
    QGroupBox* frame1 = Riquadro(QStringLiteral("Frame1"), QStringLiteral("Impostazioni del campionato"), this);
    auto* v1 = new QVBoxLayout(frame1);
    auto* nome = new QHBoxLayout;
    nome->addWidget(Etichetta(QStringLiteral("Label1"), QStringLiteral("Denominazione"), frame1));
    denominazione_ = Casella(QStringLiteral("Text4"), QString(), frame1, LunghezzaDenominazione);
    nome->addWidget(denominazione_, 1);
    v1->addLayout(nome);

    auto* riquadri = new QHBoxLayout;
    QGroupBox* frame2 = Riquadro(QStringLiteral("Frame2"), QStringLiteral("Numerazione"), frame1);
    auto* v2 = new QVBoxLayout(frame2);
    numerazioneTradizionale_ = new QRadioButton(QStringLiteral("Tradizionale"), frame2);
    numerazioneTradizionale_->setObjectName(QStringLiteral("Option1"));
    numerazioneCorrente_ = new QRadioButton(QStringLiteral("Numero di maglia personale"), frame2);
    numerazioneCorrente_->setObjectName(QStringLiteral("Option2"));
    v2->addWidget(numerazioneTradizionale_);
    v2->addWidget(numerazioneCorrente_);
    v2->addStretch();
    riquadri->addWidget(frame2, 1);

    QGroupBox* frame3 = Riquadro(QStringLiteral("Frame3"), QStringLiteral("Punteggi"), frame1);
    auto* g3 = new QGridLayout(frame3);
    puntiVittoria_ = Casella(QStringLiteral("Text1"), QString(), frame3, 0, 50);
    puntiPareggio_ = Casella(QStringLiteral("Text2"), QString(), frame3, 0, 50);
    puntiSconfitta_ = Casella(QStringLiteral("Text3"), QString(), frame3, 0, 50);
    const QList<std::tuple<QString, QString, QLineEdit*, QString>> punti{
        {QStringLiteral("Label2"), QStringLiteral("Vittoria"), puntiVittoria_, QStringLiteral("UpDown1")},
        {QStringLiteral("Label3"), QStringLiteral("Pareggio"), puntiPareggio_, QStringLiteral("UpDown2")},
        {QStringLiteral("Label4"), QStringLiteral("Sconfitta"), puntiSconfitta_, QStringLiteral("UpDown3")}};
    int riga = 0;
    for (const auto& [etichetta, testo, box, nomeSpinner] : punti) {
        g3->addWidget(Etichetta(etichetta, testo, frame3), riga, 0);
        Spinner* s = nullptr;
        g3->addWidget(ConSpinner(box, nomeSpinner, frame3, &s), riga, 1);
        s->impostaMinimo(0);  // down only while above 0; up without a bound
        ++riga;
    }
    riquadri->addWidget(frame3);
    v1->addLayout(riquadri);
    v1->addStretch();
    corpo->addWidget(frame1, 3);

    // The teams, and their rename.
    QGroupBox* frame4 = Riquadro(QStringLiteral("Frame4"), QStringLiteral("Squadre"), this);
    auto* v4 = new QVBoxLayout(frame4);
    squadre_ = new QListWidget(frame4);
    squadre_->setObjectName(QStringLiteral("List1"));
    SuggerisciTestiTagliati(squadre_);
    v4->addWidget(squadre_, 1);
    QPushButton* command1 = Pulsante(
        QStringLiteral("Command1"),
        Azione::crea(QStringLiteral("Rinomina"), QStringLiteral("Cambia il nome della squadra selezionata"), this)
            ->allo([this] { rinomina(); }),
        frame4);
    v4->addWidget(command1);
    corpo->addWidget(frame4, 2);

    QPushButton* command2 =
        Pulsante(QStringLiteral("Command2"),
                 Azione::crea(QStringLiteral("Salva modifiche"),
                              QStringLiteral("Salva le modifiche apportate ai dati del campionato"), this)
                     ->allo([this] { salva(); }),
                 this);
    QPushButton* command3 =
        Pulsante(QStringLiteral("Command3"),
                 Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"), this)->allo([this] {
                     chiudi();
                 }),
                 this);
    QPushButton* command4 =
        Pulsante(QStringLiteral("Command4"),
                 Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama guida di Golvarno"), this)->allo([this] {
                     Guida::apri(contestoGuida());
                 }),
                 this);
    principale->addLayout(RigaPulsanti({command2, command3, command4}));
}

void ProprietaCampionatoWindow::carica()
{
    CursoreAttesa();
    const Stato& s = stato();
    denominazione_->setText(s.Denominazione);
    (s.NumerazioneTradizionale ? numerazioneTradizionale_ : numerazioneCorrente_)->setChecked(true);
    puntiVittoria_->setText(QString::number(s.PuntiVittoria));
    puntiPareggio_->setText(QString::number(s.PuntiPareggio));
    puntiSconfitta_->setText(QString::number(s.PuntiSconfitta));
    squadre_->clear();
    for (int i = 1; i <= s.NumeroSquadre && i < s.Squadre.size(); ++i) squadre_->addItem(s.Squadre[i].Nome);
    caricate_ = impostazioniMostrate();
    CursoreNormale();
}

QStringList ProprietaCampionatoWindow::impostazioniMostrate() const
{
    return ValoriMostrati({denominazione_, numerazioneTradizionale_, puntiVittoria_, puntiPareggio_, puntiSconfitta_});
}

bool ProprietaCampionatoWindow::scarica()
{
    if (impostazioniMostrate() == caricate_) return true;
    return Messaggio::salvarePrima(QStringLiteral("Le proprietà del campionato sono state modificate e non sono state "
                                                  "salvate. Salvare le modifiche prima di chiudere la finestra?"),
                                   TITOLO, [this] { return scriviImpostazioni(); });
}

void ProprietaCampionatoWindow::salva()
{
    if (!scriviImpostazioni()) return;
    // The reload closes this window with every other one and applies the new settings everywhere.
    EseguiComando(
        TITOLO, [] { CaricaCampionato(); }, rileggere);
}

bool ProprietaCampionatoWindow::scriviImpostazioni()
{
    // The championship keeps its points per result in 0..255.
    QVariantList punti;
    for (QLineEdit* box : {puntiVittoria_, puntiPareggio_, puntiSconfitta_}) {
        const std::optional<int> p = InteroScritto(box->text(), PuntiMassimi);
        if (!p) {
            Messaggio::errore(QStringLiteral("Attenzione: i punti da assegnare per una vittoria, un pareggio o una "
                                             "sconfitta vanno indicati con un numero da 0 a 255."),
                              TITOLO);
            box->setFocus();
            return false;
        }
        punti << *p;
    }
    CursoreAttesa();
    const bool salvate = EseguiComando(
        TITOLO,
        [&] {
            const Query q("UPDATE CAMPIONATO SET DENOM = ?, PUNTIVIT = ?, PUNTIX = ?, PUNTISC = ?, NUMERAZIONE = ? "
                          "WHERE CODCAMP = (SELECT MIN(CODCAMP) FROM CAMPIONATO)",
                          QVariantList{VuotoInSpazio(denominazione_->text())}
                              << punti << (numerazioneTradizionale_->isChecked() ? 1 : 2));
            // A file without the championship's row has nowhere to keep them: the edits stay on screen.
            if (q.righeToccate() == 0)
                throw ErroreDatabase(QStringLiteral("Il file non contiene i dati generali del campionato: le "
                                                    "modifiche non sono state salvate."));
        },
        [](const QString& motivo) {
            return QStringLiteral("Impossibile salvare le proprietà del campionato.\r\r") + motivo;
        });
    if (!salvate) return false;
    caricate_ = impostazioniMostrate();
    // The shared state follows what was saved (name, points and caption as the file now has them, and the
    // numbering), also when the settings are saved on closing and the other windows stay open.
    stato().NumerazioneTradizionale = numerazioneTradizionale_->isChecked();
    if (EseguiComando(
            TITOLO, [] { RileggiCampionato(); }, rileggere))
        CursoreNormale();
    return true;
}

void ProprietaCampionatoWindow::rinomina()
{
    QListWidgetItem* voce = squadre_->currentItem();
    if (!voce || !voce->isSelected()) {
        Messaggio::errore(QStringLiteral("Selezionare una squadra da rinominare!"), TITOLO);
        return;
    }
    Stato& s = stato();
    const int indice = squadre_->row(voce) + 1;
    if (indice >= s.Squadre.size()) return;
    // The name as read from the file, which the rename compares with the one stored now.
    const QString vecchio = s.Squadre[indice].Nome;
    const int codice = s.Squadre[indice].Codice.toInt();
    if (!Messaggio::conferma(QStringLiteral("Cambiare il nome della squadra ") + vecchio + QStringLiteral(" ?"),
                             TITOLO))
        return;
    const QString nuovo = Messaggio::input(QStringLiteral("Inserire il nuovo nome per ") + vecchio, TITOLO_RINOMINA);
    if (nuovo.isEmpty()) return;
    const auto nonRinominata = [&vecchio](const QString& motivo) {
        return QStringLiteral("Impossibile rinominare la squadra ") + vecchio + QStringLiteral("\r\r") + motivo;
    };
    // Checked against the names in the file, which another copy of the program may have changed.
    QString problema;
    if (!EseguiComando(
            TITOLO_RINOMINA, [&] { problema = ProblemaNomeSquadra(nuovo, NomiAltreSquadre(codice)); }, nonRinominata))
        return;
    if (!problema.isEmpty()) {
        Messaggio::errore(problema, TITOLO_RINOMINA);
        return;
    }
    if (!Messaggio::conferma(QStringLiteral("Confermi di cambiare il nome\r") + vecchio + QStringLiteral(" con ") +
                                 nuovo + QStringLiteral(" ?"),
                             TITOLO_RINOMINA))
        return;

    CursoreAttesa();
    QString rifiuto;
    if (!EseguiComando(
            TITOLO_RINOMINA, [&] { rifiuto = RinominaSquadra(codice, vecchio, nuovo); }, nonRinominata))
        return;
    if (!rifiuto.isEmpty()) {
        CursoreNormale();
        Messaggio::errore(nonRinominata(rifiuto), TITOLO_RINOMINA);
        return;
    }
    s.Squadre[indice].Nome = nuovo;
    if (indice < s.NomiSquadre.size()) s.NomiSquadre[indice] = nuovo;
    voce->setText(nuovo);
    CursoreNormale();
}
