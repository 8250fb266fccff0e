#include "calendar/calendarioautomaticodialog.h"

#include "calendar/costruzionecalendario.h"
#include "core/calendarioautomatico.h"
#include "core/campionato.h"
#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/guida.h"
#include "platform/icone.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using C = CostruzioneCalendario;

CalendarioAutomaticoDialog::CalendarioAutomaticoDialog(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(C::TitoloAutomatico, QStringLiteral("calendario"), C::GuidaAutomatico);

    auto* principale = new QVBoxLayout(this);
    auto* corpo = new QHBoxLayout;
    auto* figura = new QLabel(this);
    figura->setObjectName(QStringLiteral("Image1"));
    figura->setPixmap(PixmapIcona(QStringLiteral("calendario"), 48));
    figura->setAlignment(Qt::AlignTop);
    corpo->addWidget(figura);

    auto* spiegazione = new QLabel(
        QStringLiteral("Il programma registra tutte le giornate del campionato: ogni squadra incontra tutte le "
                       "altre una volta nel girone di andata, e il girone di ritorno ripete le stesse giornate "
                       "a campi invertiti. La squadra che apre lo schema viene estratta a sorte.\n\n"
                       "La creazione automatica è possibile con un numero pari di squadre, da 6 a 20, e solo "
                       "quando nel campionato non è ancora registrata nessuna giornata."),
        this);
    spiegazione->setObjectName(QStringLiteral("Label1"));
    spiegazione->setWordWrap(true);
    corpo->addWidget(spiegazione, 1);
    principale->addLayout(corpo);

    auto* frame1 = new QGroupBox(QStringLiteral("Dopo la creazione"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* v = new QVBoxLayout(frame1);
    controlla_ = new QCheckBox(QStringLiteral("Controlla il calendario prima di accettarlo"), frame1);
    controlla_->setObjectName(QStringLiteral("Check2"));
    controlla_->setChecked(true);
    inserisciDate_ = new QCheckBox(QStringLiteral("Inserisci date ed orari delle giornate"), frame1);
    inserisciDate_->setObjectName(QStringLiteral("Check1"));
    v->addWidget(controlla_);
    v->addWidget(inserisciDate_);
    principale->addWidget(frame1);
    principale->addStretch();

    QPushButton* command1 =
        PulsanteDa(Azione::crea(QStringLiteral("Crea !"),
                                QStringLiteral("Creare automaticamente il calendario del campionato"), this)
                       ->allo([this] { crea(); }),
                   QStringLiteral("Command1"), this);
    command1->setDefault(true);
    QPushButton* command2 = PulsanteDa(
        Azione::crea(QStringLiteral("Annulla"), QStringLiteral("Chiudere questa finestra"), this)->allo([this] {
            chiudi();
        }),
        QStringLiteral("Command2"), this);
    QPushButton* command3 = PulsanteDa(
        Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama guida di Golvarno"), this)->allo([this] {
            Guida::apri(contestoGuida());
        }),
        QStringLiteral("Command3"), this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    for (QPushButton* b : {command1, command2, command3}) pulsanti->addWidget(b);
    principale->addLayout(pulsanti);
}

void CalendarioAutomaticoDialog::crea()
{
    CursoreAttesa();
    const bool creato = C::creaCalendarioAutomatico(false);
    CursoreNormale();
    // The builder has told the user why it refused: the dialog stays, the calendar as it was.
    if (!creato) return;
    if (!EseguiComando(C::TitoloAutomatico, [] { RileggiCampionato(); })) return;

    const bool controlla = controlla_->isChecked();
    const bool date = inserisciDate_->isChecked();
    const QPointer<CalendarioAutomaticoDialog> io(this);
    Finestre& f = Finestre::istanza();
    if (controlla) f.mostraModale(IdFinestra::ControlloCalendario);
    if (date) f.mostra(IdFinestra::DateGiornate);
    if (io) chiudi();
}
