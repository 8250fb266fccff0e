#include "players/alberosquadre.h"

#include "core/stato.h"
#include "core/utilita.h"
#include "platform/albero.h"
#include "platform/testoinriga.h"

namespace {
const QString RADICE = QStringLiteral("M");
}

void CaricaAlberoSquadre(Albero* albero)
{
    QTreeWidgetItem* radice = albero->aggiungi(nullptr, RADICE, QStringLiteral("Tutte le squadre"));
    const Stato& s = stato();
    for (int n = 1; n < s.Squadre.size() && n <= s.NumeroSquadre; ++n)
        albero->aggiungi(radice, QStringLiteral("S%1").arg(n), TestoInRiga(s.Squadre[n].Nome), s.Squadre[n].Codice);
    radice->setExpanded(true);
    albero->seleziona(radice);
}

void AdattaAlberoSquadre(Albero* albero)
{
    albero->setMinimumWidth(albero->larghezzaNecessaria());
    int nodi = albero->topLevelItemCount();
    for (int i = 0; i < albero->topLevelItemCount(); ++i) nodi += albero->topLevelItem(i)->childCount();
    albero->setMinimumHeight(nodi * albero->sizeHintForRow(0) + 2 * albero->frameWidth() + 4);
}

std::optional<int> SquadraDelNodo(const QTreeWidgetItem* nodo)
{
    if (!nodo || Albero::chiave(nodo) == RADICE) return std::nullopt;
    return Val(Albero::etichetta(nodo));
}

QString NomeSquadraDelNodo(const QTreeWidgetItem* nodo)
{
    if (!nodo || Albero::chiave(nodo) == RADICE) return QString();
    return stato().Squadre.value(Albero::chiave(nodo).mid(1).toInt()).Nome;
}
