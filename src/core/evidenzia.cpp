#include "core/evidenzia.h"

#include "core/stato.h"
#include "platform/evidenziatore.h"
#include "platform/pannello.h"

namespace {

struct Intervallo {
    int da;
    int a;
};

// In the order the ranges are tested; at most one matches.
constexpr Intervallo INTERVALLI[] = {{0, 19},  {20, 29},   {1030, 1049}, {40, 49},   {50, 59},   {60, 69},  {70, 89},
                                     {90, 99}, {100, 109}, {110, 119},   {120, 129}, {130, 139}, {140, 159}};

void impostaAspetto(int id, bool acceso)
{
    if (!IdEvidenziabile(id)) return;
    if (Pannello* p = Pannello::perId(id)) p->impostaAcceso(acceso);
}

}  // namespace

bool IdEvidenziabile(int id)
{
    for (const Intervallo& r : INTERVALLI)
        if (id >= r.da && id <= r.a) return true;
    return false;
}

void Evidenzia(int id)
{
    Stato& s = stato();
    if (id == s.IdEvidenziato) return;
    if (s.IdEvidenziato != -1) impostaAspetto(s.IdEvidenziato, false);
    s.IdEvidenziato = id;
    if (id != -1) impostaAspetto(id, true);
}

void AttivaEvidenzia() { Evidenziatore::installa(&Evidenzia); }
