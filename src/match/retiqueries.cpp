#include "match/retiqueries.h"

#include "core/codici.h"
#include "core/database.h"

#include <limits>

namespace {

// The tally stops at the most its field holds: one more would leave a file that the opening refuses.
void Accredita(const QVariant& codGiocatore)
{
    Esegui(QStringLiteral("UPDATE Giocatore SET Reti = MIN(COALESCE(Reti, 0) + 1, ?) WHERE Codice = ?"),
           {std::numeric_limits<qint32>::max(), codGiocatore});
}

void Togli(const QVariant& codGiocatore)
{
    Esegui(QStringLiteral("UPDATE Giocatore SET Reti = Reti - 1 WHERE Reti > 0 AND Codice = ?"), {codGiocatore});
}

// Team names compare as the file compares them, ignoring case.
bool StessaSquadra(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

namespace RetiQueries {

std::array<QVector<int>, 2> reti(const PartitaEditore& p)
{
    std::array<QVector<int>, 2> r;
    Query q(QStringLiteral("SELECT Codice, Squadra FROM Reti WHERE CodPart = ? AND Girone = ? ORDER BY Minuto, Codice"),
            {p.codPart, GironeReti(p.andata)});
    while (q.next()) {
        const QString squadra = q.testo(1);
        if (StessaSquadra(squadra, p.squadra1))
            r[0].append(q.intero(0));
        else if (StessaSquadra(squadra, p.squadra2))
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
    const int giocatore = d.codGiocatore.value_or(GIOCATORE_NON_IN_ROSA);
    const int codice =
        InserisciRiga(QStringLiteral("RETI"),
                      QStringLiteral("INSERT INTO Reti (CodGiocatore, Minuto, Tipo, Note, CodPart, Girone, Squadra) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                      {giocatore, d.minuto, d.tipo, d.note, p.codPart, GironeReti(p.andata), d.squadra});
    Accredita(giocatore);
    t.commit();
    return codice;
}

bool modifica(const PartitaEditore& p, int codice, const Dati& d)
{
    Transazione t;
    const QVariant prima = Valore(QStringLiteral("SELECT CodGiocatore FROM Reti WHERE Codice = ?"), {codice});
    if (!prima.isValid()) return false;
    QVariantList campi{d.minuto, d.tipo, d.note, p.codPart, GironeReti(p.andata), d.squadra};
    QString marcatore;
    // The tallies move only with the goal: a scorer kept keeps his tally as it is.
    if (d.codGiocatore && (prima.isNull() || InteroDi(prima) != *d.codGiocatore)) {
        if (!prima.isNull()) Togli(prima);
        Accredita(*d.codGiocatore);
        marcatore = QStringLiteral(", CodGiocatore = ?");
        campi << *d.codGiocatore;
    }
    Esegui(QStringLiteral("UPDATE Reti SET Minuto = ?, Tipo = ?, Note = ?, CodPart = ?, Girone = ?, Squadra = ?") +
               marcatore + QStringLiteral(" WHERE Codice = ?"),
           campi << codice);
    t.commit();
    return true;
}

}  // namespace RetiQueries
