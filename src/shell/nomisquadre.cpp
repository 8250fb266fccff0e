#include "shell/nomisquadre.h"

#include "core/codici.h"
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
        if (ConfrontaNomiSquadra(a, nome) == 0) return true;
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

QStringList NomiAltreSquadre(int codice)
{
    QStringList nomi;
    Query q("SELECT NOME FROM SQUADRA WHERE CODICE <> ?", {codice});
    while (q.next()) nomi << q.testo(0);
    return nomi;
}

QString RinominaSquadra(int codice, const QString& vecchio, const QString& nuovo)
{
    Transazione t;
    // Only while the file still gives the team the name shown: another copy of the program may have renamed it
    // since, and the other tables then hold its new name. Nothing is renamed otherwise.
    if (Query("UPDATE SQUADRA SET NOME = ? WHERE CODICE = ? AND NOME = ? COLLATE BINARY", {nuovo, codice, vecchio})
            .righeToccate() == 0) {
        const QVariant registrato = Valore("SELECT NOME FROM SQUADRA WHERE CODICE = ?", {codice});
        if (!registrato.isValid())
            return QStringLiteral("La squadra %1 non è più nel file: il nome non è stato cambiato.").arg(vecchio);
        return QStringLiteral("Nel file la squadra %1 ora si chiama %2: è stata rinominata altrove, per esempio da "
                              "un'altra copia del programma aperta sullo stesso file. Il nome non è stato cambiato; "
                              "riaprire il campionato per vedere i nomi attuali.")
            .arg(vecchio, registrato.toString());
    }
    // The names in the file, not those read when the list was filled.
    if (const QString problema = ProblemaNomeSquadra(nuovo, NomiAltreSquadre(codice)); !problema.isEmpty())
        return problema;
    Esegui("UPDATE PARTITA SET SQ1 = ? WHERE SQ1 = ?", {nuovo, vecchio});
    Esegui("UPDATE PARTITA SET SQ2 = ? WHERE SQ2 = ?", {nuovo, vecchio});
    Esegui("UPDATE GIORNATA SET RIPOSA = ? WHERE RIPOSA = ?", {nuovo, vecchio});
    Esegui("UPDATE PRESENZE SET SQUADRA = ? WHERE SQUADRA = ?", {nuovo, vecchio});
    Esegui("UPDATE RETI SET SQUADRA = ? WHERE SQUADRA = ?", {nuovo, vecchio});
    t.commit();
    return {};
}
