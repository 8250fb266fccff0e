#include "shell/opzionidialog.h"

#include "core/comando.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "shell/controllifinestre.h"
#include "shell/impostazioni.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int CONTESTO_GUIDA = 58;

QRadioButton* opzione(const QString& nome, const QString& testo, QWidget* parent)
{
    auto* o = new QRadioButton(testo, parent);
    o->setObjectName(nome);
    return o;
}

}  // namespace

OpzioniDialog::OpzioniDialog(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(QStringLiteral("Opzioni di visualizzazione"), QStringLiteral("opzioni"), CONTESTO_GUIDA);

    auto* principale = new QVBoxLayout(this);
    QGroupBox* frame1 = Riquadro(QStringLiteral("Frame1"), QStringLiteral("Giocatori"), this);
    auto* v1 = new QVBoxLayout(frame1);
    nomeCognome_ = opzione(QStringLiteral("Option1"), QStringLiteral("Visualizzare solo il cognome"), frame1);
    cognomeNome_ = opzione(QStringLiteral("Option2"), QStringLiteral("Visualizzare nome e cognome"), frame1);
    soloCognome_ =
        opzione(QStringLiteral("Option3"), QStringLiteral("Visualizzare iniziale del nome e cognome"), frame1);
    for (QRadioButton* o : {nomeCognome_, cognomeNome_, soloCognome_}) v1->addWidget(o);
    principale->addWidget(frame1);

    QGroupBox* frame2 = Riquadro(QStringLiteral("Frame2"), QStringLiteral("Voti"), this);
    auto* v2 = new QVBoxLayout(frame2);
    mostraVoti_ = new QCheckBox(QStringLiteral("Visualizzare i voti nelle schede delle partite"), frame2);
    mostraVoti_->setObjectName(QStringLiteral("Check1"));
    v2->addWidget(mostraVoti_);
    principale->addWidget(frame2);
    principale->addStretch();

    QPushButton* command1 = Pulsante(
        QStringLiteral("Command1"),
        Azione::crea(QStringLiteral("Ok"), QStringLiteral("Salva le impostazioni definite"), this)->allo([this] {
            ok();
        }),
        this);
    QPushButton* command2 =
        Pulsante(QStringLiteral("Command2"),
                 Azione::crea(QStringLiteral("Annulla"), QStringLiteral("Non cambiare le impostazioni attuali"), this)
                     ->allo([this] { chiudi(); }),
                 this);
    QPushButton* command3 = Pulsante(
        QStringLiteral("Command3"),
        Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama la guida di Golvarno"), this)->allo([this] {
            Guida::apri(contestoGuida());
        }),
        this);
    principale->addLayout(RigaPulsanti({command1, command2, command3}));
}

void OpzioniDialog::carica()
{
    const Stato& s = stato();
    nomeCognome_->setChecked(true);
    if (s.FormatoNome == 2) cognomeNome_->setChecked(true);
    if (s.FormatoNome == 3) soloCognome_->setChecked(true);
    mostraVoti_->setChecked(s.MostraVoti);
}

void OpzioniDialog::ok()
{
    Stato& s = stato();
    s.FormatoNome = soloCognome_->isChecked() ? 3 : cognomeNome_->isChecked() ? 2 : 1;
    s.MostraVoti = mostraVoti_->isChecked();
    if (EsisteFile(s.PercorsoImpostazioni)) {
        EseguiComando(
            QStringLiteral("Golvarno 2000"),
            [&] {
                // A settings table without its row saves nothing, and says nothing.
                Impostazioni::scrivi({{QStringLiteral("VisualizzaPrimiPassi"), Flag(s.MostraPrimiPassi)},
                                      {QStringLiteral("VisualizzaScheda"), Flag(s.MostraSchedaCampionato)},
                                      {QStringLiteral("VisualizzaVoti"), Flag(s.MostraVoti)},
                                      {QStringLiteral("ViewOption"), s.FormatoNome}});
            },
            [](const QString& motivo) {
                return QStringLiteral("Impossibile salvare le impostazioni nel file GOLVARNO.DEF\r\r") + motivo;
            });
    } else {
        Messaggio::mostra(
            QStringLiteral("Attenzione: manca il file GOLVARNO.DEF \r\rNon è possibile salvare le impostazioni."),
            Messaggio::Pulsanti::Ok, Messaggio::Icona::Nessuna, QStringLiteral("Golvarno 2000"));
    }
    chiudi();
}
