#include "match/retiqueries.h"

#include "core/codici.h"
#include "core/database.h"

namespace {

void Accredita(const QVariant& codGiocatore)
{
    Esegui(QStringLiteral("UPDATE Giocatore SET Reti = COALESCE(Reti, 0) + 1 WHERE Codice = ?"), {codGiocatore});
}

void Togli(const QVariant& codGiocatore)
{
    Esegui(QStringLiteral("UPDATE Giocatore SET Reti = Reti - 1 WHERE Reti > 0 AND Codice = ?"), {codGiocatore});
}

QVariantList Campi(const PartitaEditore& p, const RetiQueries::Dati& d)
{
    return {d.codGiocatore, d.minuto, d.tipo, d.note, p.codPart, GironeReti(p.andata), d.squadra};
}

}  // namespace

namespace RetiQueries {

std::array<QVector<int>, 2> reti(const PartitaEditore& p)
{
    std::array<QVector<int>, 2> r;
    Query q(QStringLiteral("SELECT Codice, Squadra FROM Reti WHERE CodPart = ? AND Girone = ? ORDER BY Minuto, Codice"),
            {p.codPart, GironeReti(p.andata)});
    while (q.next()) {
        const QString squadra = q.testo(1);
        if (squadra == p.squadra1)
            r[0].append(q.intero(0));
        else if (squadra == p.squadra2)
            r[1].append(q.intero(0));
    }
    return r;
}

Scheda scheda(int codice)
{
    Scheda s;
    Query q(QStringLiteral("SELECT r.Squadra, r.CodGiocatore, r.Minuto, r.Tipo, r.Note, g.Codice AS GCOD, g.Nome, "
                           "g.Cognome FROM Reti r LEFT JOIN Giocatore g ON g.Codice = r.CodGiocatore "
                           "WHERE r.Codice = ?"),
            {codice});
    if (!q.primo()) return s;
    s.trovata = true;
    s.squadra = q.testo("Squadra");
    s.giocatoreTrovato = !q.nullo("GCOD");
    s.codGiocatore = q.intero("GCOD");
    s.nome = q.testo("Nome");
    s.cognome = q.testo("Cognome");
    const QVariant minuto = q.valore("Minuto");
    s.minuto = minuto.toString().isEmpty() ? QVariant() : minuto;
    s.tipo = q.intero("Tipo");
    s.note = q.testo("Note");
    return s;
}

int inserisci(const PartitaEditore& p, const Dati& d)
{
    Transazione t;
    Query q(QStringLiteral("INSERT INTO Reti (CodGiocatore, Minuto, Tipo, Note, CodPart, Girone, Squadra) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?)"),
            Campi(p, d));
    const int codice = q.ultimoId().toInt();
    Accredita(d.codGiocatore);
    t.commit();
    return codice;
}

bool modifica(const PartitaEditore& p, int codice, const Dati& d)
{
    Transazione t;
    const QVariant prima = Valore(QStringLiteral("SELECT CodGiocatore FROM Reti WHERE Codice = ?"), {codice});
    if (!prima.isValid()) return false;
    if (!prima.isNull()) Togli(prima);
    Esegui(QStringLiteral("UPDATE Reti SET CodGiocatore = ?, Minuto = ?, Tipo = ?, Note = ?, CodPart = ?, Girone = ?, "
                          "Squadra = ? WHERE Codice = ?"),
           Campi(p, d) << codice);
    Accredita(d.codGiocatore);
    t.commit();
    return true;
}

}  // namespace RetiQueries
