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

void ConsegnaGiornata(int giornata, bool andata, const QVector<int>& partite, bool tieniPartita)
{
    Stato& s = stato();
    s.GiornataCorrente = giornata;
    s.Andata = andata;
    if (partite.isEmpty() || (tieniPartita && partite.contains(s.CodPartitaCorrente))) return;
    s.CodPartitaCorrente = partite.first();
}
