#include "core/stato.h"

Stato& stato()
{
    static Stato s;
    return s;
}

void AzzeraStato() { stato() = Stato{}; }

int IndiceSquadra(const QString& nome)
{
    const Stato& s = stato();
    for (int i = 1; i <= s.NumeroSquadre && i < s.Squadre.size(); ++i)
        if (s.Squadre[i].Nome.compare(nome, Qt::CaseInsensitive) == 0) return i;
    return 0;
}
