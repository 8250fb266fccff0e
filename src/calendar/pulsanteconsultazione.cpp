#include "calendar/pulsanteconsultazione.h"

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
