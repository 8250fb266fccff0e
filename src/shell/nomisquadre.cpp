#include "shell/nomisquadre.h"

#include "core/database.h"

QString MessaggioApostrofo(const QString& nome)
{
    return QStringLiteral("Attenzione: bisogna cambiare il nome di: ") + nome +
           QStringLiteral("\rNon è possibile usare l'apostrofo ' per indicare il nome di una squadra");
}

QString MessaggioNomeDoppio(const QString& nome)
{
    return QStringLiteral("Attenzione: il nome ") + nome +
           QStringLiteral(" è già usato da un'altra squadra.\rOgni squadra deve avere un nome diverso.");
}

bool NomeGiaUsato(const QString& nome, const QStringList& altri)
{
    for (const QString& a : altri)
        if (a.compare(nome, Qt::CaseInsensitive) == 0) return true;
    return false;
}

int PrimoNomeDoppio(const QStringList& nomi)
{
    for (int i = 1; i < nomi.size(); ++i)
        if (NomeGiaUsato(nomi[i], nomi.mid(0, i))) return i;
    return -1;
}

QString ProblemaNomeSquadra(const QString& nome, const QStringList& altri)
{
    if (nome.contains(QLatin1Char('\''))) return MessaggioApostrofo(nome);
    if (!nome.isEmpty() && nome.trimmed().isEmpty())
        return QStringLiteral("Attenzione: il nome di una squadra non può essere fatto di soli spazi.");
    if (nome.size() > LunghezzaNomeSquadra)
        return QStringLiteral("Attenzione: il nome di una squadra può contenere al massimo %1 caratteri.")
            .arg(LunghezzaNomeSquadra);
    if (NomeGiaUsato(nome, altri)) return MessaggioNomeDoppio(nome);
    return QString();
}

QString RinominaSquadra(int codice, const QString& vecchio, const QString& nuovo)
{
    Transazione t;
    // The team may have gone from the file since its name was read: then nothing is renamed at all.
    if (Query("UPDATE SQUADRA SET NOME = ? WHERE CODICE = ?", {nuovo, codice}).righeToccate() == 0)
        return QStringLiteral("La squadra %1 non è più nel file: il nome non è stato cambiato.").arg(vecchio);
    Esegui("UPDATE PARTITA SET SQ1 = ? WHERE SQ1 = ?", {nuovo, vecchio});
    Esegui("UPDATE PARTITA SET SQ2 = ? WHERE SQ2 = ?", {nuovo, vecchio});
    Esegui("UPDATE GIORNATA SET RIPOSA = ? WHERE RIPOSA = ?", {nuovo, vecchio});
    Esegui("UPDATE PRESENZE SET SQUADRA = ? WHERE SQUADRA = ?", {nuovo, vecchio});
    Esegui("UPDATE RETI SET SQUADRA = ? WHERE SQUADRA = ?", {nuovo, vecchio});
    t.commit();
    return {};
}
