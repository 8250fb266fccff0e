#include "shell/aperturacampionato.h"

#include "core/campionato.h"
#include "platform/messaggio.h"

namespace {
QString& nomeRicordato()
{
    static QString nome;
    return nome;
}
}  // namespace

QString AperturaCampionato::filtro()
{
    return QStringLiteral("Files di Golvarno (*.GVN)|*.GVN|Tutti i files (*.*)|*.*|");
}

QString AperturaCampionato::ultimoFile() { return nomeRicordato(); }

void AperturaCampionato::impostaUltimoFile(const QString& percorso) { nomeRicordato() = percorso; }

QString AperturaCampionato::scegliFile(const QString& titolo)
{
    const QString scelto = Messaggio::apriFile(titolo, filtro(), nomeRicordato());
    if (!scelto.isEmpty()) nomeRicordato() = scelto;
    return scelto;
}

void AperturaCampionato::ApriCampionato_Click()
{
    // ApriFileCampionato: a cancelled dialog changes nothing.
    const QString percorso = scegliFile(QStringLiteral("Apri un campionato"));
    if (percorso.isEmpty()) return;
    ApriFileComeCampionato(percorso);
}
