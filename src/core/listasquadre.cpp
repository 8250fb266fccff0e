#include "core/listasquadre.h"

#include "core/stato.h"
#include "platform/combocodici.h"

void RiempiListaSquadre(ComboCodici* lista, const QString& scelta)
{
    const Stato& s = stato();
    ComboCodici::SenzaClick caricamento(lista);
    lista->svuota();
    for (int i = 1; i < s.Squadre.size(); ++i) lista->aggiungi(s.Squadre[i].Nome, s.Squadre[i].Codice.toInt());
    int indice = lista->count() > 0 ? 0 : -1;
    for (int i = 0; i < lista->count(); ++i)
        if (lista->testo(i) == scelta) {
            indice = i;
            break;
        }
    lista->setCurrentIndex(indice);
}
