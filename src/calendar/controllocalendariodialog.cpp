#include "calendar/controllocalendariodialog.h"

#include "calendar/costruzionecalendario.h"
#include "calendar/giornatecalendarioqueries.h"
#include "calendar/testatagiornata.h"
#include "core/calendarioautomatico.h"
#include "core/campionato.h"
#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/suggerimentotagliati.h"
#include "platform/testoinriga.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

using C = CostruzioneCalendario;

namespace {

const QString TITOLO_MESSAGGI = QStringLiteral("Controllo del calendario");
constexpr int BASE_EVIDENZIA = 130;
constexpr int RIGHE_VISIBILI = 10;  // the pairings of a 20-team match day, without scrolling

}  // namespace

ControlloCalendarioDialog::ControlloCalendarioDialog(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(C::TitoloControllo, QStringLiteral("calendario"), C::GuidaAutomatico);

    auto* principale = new QVBoxLayout(this);
    principale->addLayout(C::strisciaPannelli(
        BASE_EVIDENZIA,
        {Azione::crea(QStringLiteral("Giornata\nprecedente"), QStringLiteral("Visualizzare la giornata precedente"),
                      this, QStringLiteral("precedente"))
             ->allo([this] { sposta(-1); }),
         Azione::crea(QStringLiteral("Giornata\nsuccessiva"), QStringLiteral("Visualizzare la giornata successiva"),
                      this, QStringLiteral("successivo"))
             ->allo([this] { sposta(+1); }),
         nullptr,
         Azione::crea(QStringLiteral("Ricrea\ncalendario"),
                      QStringLiteral("Creare di nuovo, automaticamente, tutto il calendario"), this,
                      QStringLiteral("calendario"))
             ->allo([this] { ricrea(); }),
         Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Accettare il calendario e chiudere"), this,
                      QStringLiteral("chiudi"))
             ->allo([this] { chiudi(); })},
        this));

    intestazione_ = C::intestazione(QStringLiteral("Label1"), this);
    principale->addWidget(intestazione_);
    auto* nota = new QLabel(QStringLiteral("Incontri del girone di andata: la prima squadra gioca in casa. "
                                           "Nel ritorno le squadre si scambiano il campo."),
                            this);
    nota->setObjectName(QStringLiteral("Label3"));
    nota->setWordWrap(true);
    principale->addWidget(nota);

    incontri_ = new QListWidget(this);
    incontri_->setObjectName(QStringLiteral("List1"));
    incontri_->setSelectionMode(QAbstractItemView::NoSelection);
    incontri_->setFocusPolicy(Qt::NoFocus);
    const QFontMetrics fm(incontri_->font());
    incontri_->setMinimumHeight(RIGHE_VISIBILI * (fm.height() + 4) + 2 * incontri_->frameWidth() + 4);
    // Two names as long as a name is shown side by side; longer ones are cut, each on its own.
    incontri_->setMinimumWidth(2 * LarghezzaMassimaNome(fm) + fm.horizontalAdvance(QLatin1String(SeparatoreIncontro)) +
                               incontri_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, incontri_) +
                               2 * incontri_->frameWidth() + 12);
    principale->addWidget(incontri_, 1);

    riposa_ = new QLabel(this);
    riposa_->setObjectName(QStringLiteral("Label2"));
    principale->addWidget(riposa_);
}

void ControlloCalendarioDialog::carica()
{
    const QVector<int> numeri = [] {
        QVector<int> n;
        EseguiComando(C::TitoloControllo, [&n] { n = GiornateCalendarioQueries::numeri(); });
        return n;
    }();
    mostraGiornata(numeri.isEmpty() ? 0 : numeri.first());
}

void ControlloCalendarioDialog::mostraGiornata(int numero)
{
    DatiGiornata g;
    if (numero > 0 && !EseguiComando(C::TitoloControllo, [&] { g = GiornateCalendarioQueries::leggi(numero); })) return;
    numero_ = numero;
    incontri_->clear();
    if (numero <= 0) {
        intestazione_->setText(QStringLiteral("Nessuna giornata registrata nel calendario"));
        riposa_->clear();
        return;
    }
    intestazione_->setText(QStringLiteral("Giornata n. %1").arg(numero));
    for (const DatiIncontro& i : g.incontri) AggiungiIncontro(incontri_, i.sq1, i.sq2);
    TestataGiornata::mostraRiposa(riposa_, g.riposa);
    riposa_->setVisible(!g.riposa.isEmpty());
}

void ControlloCalendarioDialog::sposta(int verso)
{
    QVector<int> numeri;
    if (!EseguiComando(C::TitoloControllo, [&] { numeri = GiornateCalendarioQueries::numeri(); })) return;
    const int altro = C::giornataVicina(numeri, numero_, verso);
    if (altro == 0) {
        Messaggio::informa(verso < 0 ? C::PrimaGiornata : C::UltimaGiornata, TITOLO_MESSAGGI);
        return;
    }
    mostraGiornata(altro);
}

void ControlloCalendarioDialog::ricrea()
{
    if (!Messaggio::conferma(QStringLiteral("Confermi di voler riformulare (sempre automaticamente) il calendario del "
                                            "campionato?\r\r(Verranno cancellati tutte le giornate fissate e "
                                            "visualizzabili ora)"),
                             TITOLO_MESSAGGI))
        return;
    CursoreAttesa();
    // The builder checks the template before it touches the file, and replaces the old calendar in the
    // same transaction that writes the new one: after a refusal the old calendar is still there.
    if (!C::creaCalendarioAutomatico(true)) {
        CursoreNormale();
        return;
    }
    EseguiComando(C::TitoloControllo, [] { RileggiCampionato(); });
    stato().GiornataCorrente = 1;
    CursoreNormale();
    mostraGiornata(1);
    Messaggio::informa(QStringLiteral("Queste sono le giornate stabilite nel nuovo calendario creato "
                                      "automaticamente."),
                       TITOLO_MESSAGGI);
}
