#include "rankings/sceltasquadre.h"

#include "platform/messaggio.h"

ControlloDueSquadre::Esito ControlloDueSquadre::esito(const QString& a, const QString& b) const
{
    const bool vuote = a.isEmpty() || b.isEmpty();
    const bool uguali = a == b;
    if (ordine == Ordine::UgualiPrima) return uguali ? Esito::Uguali : vuote ? Esito::Vuote : Esito::Valide;
    return vuote ? Esito::Vuote : uguali ? Esito::Uguali : Esito::Valide;
}

bool ControlloDueSquadre::verifica(const QString& a, const QString& b) const
{
    switch (esito(a, b)) {
    case Esito::Valide: return true;
    case Esito::Vuote: Messaggio::errore(testoVuote, titolo); return false;
    case Esito::Uguali: Messaggio::errore(testoUguali, titolo); return false;
    }
    return false;
}
