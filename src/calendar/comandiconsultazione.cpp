#include "calendar/comandiconsultazione.h"

#include "calendar/ricercapartitequeries.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "platform/icone.h"

#include <QPushButton>

QPushButton* PulsanteConsultazione(const QString& nome, const QString& testo, const QString& icona,
                                   const QString& suggerimento, QWidget* parent)
{
    auto* b = new QPushButton(Icona(icona), testo, parent);
    b->setObjectName(nome);
    b->setToolTip(suggerimento);
    return b;
}

void ApriSchedaPartita(const PartitaGirone& partita)
{
    Stato& s = stato();
    s.GiornataCorrente = partita.giornata;
    s.Andata = partita.andata;
    s.CodPartitaCorrente = partita.codPart;
    s.GiornataCambiata = true;
    Finestre::istanza().mostra(QStringLiteral("Form3"));
}
