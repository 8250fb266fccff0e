#include "match/sostituzioniqueries.h"

#include "core/codici.h"
#include "core/database.h"

#include <algorithm>
#include <cmath>
#include <QSet>

namespace {

QVariant Nullo() { return QVariant(QMetaType::fromType<int>()); }

// The row of a player of the team's match and leg other than `tranne`; invalid when there is none.
QVariant RigaDelGiocatore(const SostituzioniQueries::Lato& l, int codGiocatore, int tranne)
{
    return Valore(QStringLiteral("SELECT Codice FROM Presenze WHERE CodPartita = ? AND Girone = ? AND Squadra = ? "
                                 "AND CodGiocatore = ? AND Codice <> ? ORDER BY Codice LIMIT 1"),
                  {l.codPart, GironePresenze(l.andata), l.squadra, codGiocatore, tranne});
}

// Links the substitution `codice` to the replaced player's row and writes the minute there. The row
// is the one of the player picked (none when he has no row here any more: no link rather than a stale
// one), or, typed, the earlier one (`prima`, Null for none). An earlier row that is no longer the
// replaced one gets its place back.
void Collega(const SostituzioniQueries::Lato& l, int codice, const SostituzioniQueries::Dati& d, const QVariant& prima)
{
    QVariant esce = prima;
    if (d.codGiocatoreEsce) esce = RigaDelGiocatore(l, *d.codGiocatoreEsce, codice);
    const bool trovata = !esce.isNull();
    if (!prima.isNull() && (!trovata || esce.toInt() != prima.toInt()))
        Esegui(QStringLiteral("UPDATE Presenze SET Sostituito = 0 WHERE Codice = ?"), {prima});
    if (trovata) Esegui(QStringLiteral("UPDATE Presenze SET Sostituito = ? WHERE Codice = ?"), {d.minuto, esce});
    if (trovata || d.codGiocatoreEsce)
        Esegui(QStringLiteral("UPDATE Presenze SET ChiHaSost = ? WHERE Codice = ?"),
               {trovata ? esce : Nullo(), codice});
}

}  // namespace

namespace SostituzioniQueries {

Lato LatoDi(const PartitaEditore& p, int lato) { return {p.codPart, p.giornata, p.andata, p.squadra(lato)}; }

Elenchi elenchi(const Lato& l, int formatoNome)
{
    Elenchi e;
    // The team's rows of this match and leg in one read, by the player's surname, first name and key;
    // the replaced players, the starters left out of the squad and the substitutions' keys come from them.
    Query righe(QStringLiteral("SELECT p.Codice, p.Titolare, p.Riga, p.CodGiocatore, g.Codice, g.Nome, g.Cognome "
                               "FROM Presenze p LEFT JOIN Giocatore g ON g.Codice = p.CodGiocatore WHERE p.Squadra = ? "
                               "AND p.Girone = ? AND p.CodPartita = ? ORDER BY g.Cognome, g.Nome, g.Codice"),
                {l.squadra, GironePresenze(l.andata), l.codPart});
    struct Sostituzione {
        bool senzaRiga;
        int riga, codice;
    };
    QVector<Sostituzione> sostituzioni;
    QSet<int> titolari;
    while (righe.next()) {
        if (righe.valore(1).isNull()) continue;
        const int titolare = righe.intero(1);
        if (titolare == VERO && !righe.valore(3).isNull()) titolari.insert(righe.intero(3));
        if (titolare == 0) sostituzioni.append({righe.valore(2).isNull(), righe.intero(2), righe.intero(0)});
        if ((titolare == VERO || titolare == 0) && !righe.valore(4).isNull())
            e.esce.append({righe.intero(4),
                           NomeGiocatoreElenco(righe.testo(5), righe.testo(6), formatoNome, GiunturaIniziale::Punto)});
    }
    for (const VoceGiocatore& v : RosaSquadra(l.squadra, formatoNome, GiunturaIniziale::Punto))
        if (!titolari.contains(v.codice)) e.entra.append(v);
    // In order of entry: RIGA -1, -2, ... (a row without one last), then by key.
    std::sort(sostituzioni.begin(), sostituzioni.end(), [](const Sostituzione& a, const Sostituzione& b) {
        if (a.senzaRiga != b.senzaRiga) return b.senzaRiga;
        if (a.riga != b.riga) return a.riga > b.riga;
        return a.codice < b.codice;
    });
    for (const Sostituzione& s : sostituzioni) e.chiavi.append(s.codice);
    return e;
}

Scheda scheda(int codice)
{
    Scheda s;
    Query q(QStringLiteral("SELECT p.Squadra, p.Ammonito, p.CodGiocatore, p.Nome, p.Voto, u.Codice AS UCOD, "
                           "u.CodGiocatore AS UGIOC, u.Nome AS UNOME, u.Sostituito AS USOST FROM Presenze p "
                           "LEFT JOIN Presenze u ON u.Codice = p.ChiHaSost WHERE p.Codice = ?"),
            {codice});
    if (!q.primo()) return s;
    s.trovata = true;
    s.squadra = q.testo("Squadra");
    s.cartellino = q.intero("Ammonito");
    s.codGiocatore = q.nullo("CodGiocatore") ? GIOCATORE_NON_IN_ROSA : q.intero("CodGiocatore");
    s.nome = q.testo("Nome");
    const QVariant voto = q.valore("Voto");
    s.voto = voto.toString().isEmpty() ? QVariant() : voto;
    s.collegata = !q.nullo("UCOD");
    if (s.collegata) {
        s.codGiocatoreEsce = q.nullo("UGIOC") ? GIOCATORE_NON_IN_ROSA : q.intero("UGIOC");
        s.nomeEsce = q.testo("UNOME");
        const QVariant minuto = q.valore("USOST");
        s.sostituito = minuto.toString().isEmpty() ? QVariant() : minuto;
    }
    return s;
}

int inserisci(const Lato& l, const Dati& d)
{
    Transazione t;
    const int girone = GironePresenze(l.andata);
    const int minima = Valore(QStringLiteral("SELECT MIN(Riga) FROM Presenze WHERE CodPartita = ? AND Girone = ? "
                                             "AND Squadra = ? AND Titolare = 0"),
                              {l.codPart, girone, l.squadra})
                           .toInt();
    const int cartellino = CodiceCartellino(d.ammonito, d.espulso);
    Query q(QStringLiteral("INSERT INTO Presenze (CodPartita, Giornata, Riga, Squadra, Titolare, Sostituito, "
                           "CodGiocatore, Nome, Ammonito, Voto, Girone) VALUES (?, ?, ?, ?, 0, 0, ?, ?, ?, ?, ?)"),
            {l.codPart, l.giornata, std::min(minima, 0) - 1, l.squadra, d.codGiocatore, d.nome,
             cartellino == NESSUN_CARTELLINO ? Nullo() : QVariant(cartellino),
             d.voto ? QVariant(*d.voto) : QVariant(QMetaType::fromType<double>()), girone});
    const int codice = q.ultimoId().toInt();
    Collega(l, codice, d, QVariant());
    t.commit();
    return codice;
}

bool modifica(const Lato& l, int codice, const Dati& d)
{
    Transazione t;
    const QVariant prima = Valore(QStringLiteral("SELECT ChiHaSost FROM Presenze WHERE Codice = ?"), {codice});
    if (!prima.isValid()) return false;
    QVariantList parametri{l.codPart,
                           l.giornata,
                           GironePresenze(l.andata),
                           l.squadra,
                           d.codGiocatore,
                           d.nome,
                           CodiceCartellino(d.ammonito, d.espulso)};
    QString voto;
    if (d.voto) {
        voto = QStringLiteral(", Voto = ?");
        parametri << *d.voto;
    }
    parametri << codice;
    Esegui(QStringLiteral("UPDATE Presenze SET CodPartita = ?, Giornata = ?, Girone = ?, Squadra = ?, Titolare = 0, "
                          "CodGiocatore = ?, Nome = ?, Ammonito = ?") +
               voto + QStringLiteral(" WHERE Codice = ?"),
           parametri);
    // A link of the row to itself is no replaced player.
    Collega(l, codice, d, prima.isNull() || prima.toInt() == codice ? QVariant() : prima);
    t.commit();
    return true;
}

bool sostituitoPiuTardi(int codice)
{
    return Valore(QStringLiteral("SELECT 1 FROM Presenze WHERE ChiHaSost = ?"), {codice}).isValid();
}

}  // namespace SostituzioniQueries
