#include "match/sostituzioniqueries.h"

#include "core/codici.h"
#include "core/database.h"
#include "match/schedapartitaqueries.h"

#include <algorithm>
#include <QSet>

namespace {

QVariant Nullo() { return QVariant(QMetaType::fromType<int>()); }

// The lowest row number PRESENZE.RIGA holds, a 16-bit field.
constexpr int RIGA_MINIMA = -32768;

// The row of who went off among the team's rows of the match and leg other than `tranne`: the row of
// the player picked, else the first whose stored name is the one typed; nothing when there is none.
std::optional<int> RigaUscito(const SostituzioniQueries::Lato& l, const SostituzioniQueries::Giocatore& g, int tranne)
{
    Query q(QStringLiteral("SELECT Codice, CodGiocatore, Nome FROM Presenze WHERE CodPartita = ? AND Girone = ? "
                           "AND Squadra = ? AND Codice <> ? ORDER BY Codice"),
            {l.codPart, GironePresenze(l.andata), l.squadra, tranne});
    const QString nome = g.nome.trimmed();
    while (q.next()) {
        const bool trovato = g.codGiocatore != GIOCATORE_NON_IN_ROSA
                                 ? !q.nullo("CodGiocatore") && q.intero(1) == g.codGiocatore
                                 : q.testo(2).trimmed().compare(nome, Qt::CaseInsensitive) == 0;
        if (trovato) return q.intero(0);
    }
    return std::nullopt;
}

// A player goes off once: the substitution other than `codice` that took off the player of row `esce`
// already, named in style `formatoNome`; nothing when none did.
std::optional<SostituzioniQueries::UscitaPrecedente> UscitoPrima(int esce, int codice, int formatoNome)
{
    const std::optional<int> entrato = SchedaPartitaQueries::entratoAlPostoDi(esce, codice);
    if (!entrato) return std::nullopt;
    Query q(QStringLiteral("SELECT p.Nome, g.Codice AS GCOD, g.Nome AS GNOME, g.Cognome AS GCOGNOME, "
                           "u.Sostituito FROM Presenze p LEFT JOIN Giocatore g ON g.Codice = p.CodGiocatore, "
                           "Presenze u WHERE p.Codice = ? AND u.Codice = ?"),
            {*entrato, esce});
    SostituzioniQueries::UscitaPrecedente u;
    u.codice = *entrato;
    if (q.primo()) {
        u.entrato = q.nullo("GCOD") ? q.testo("Nome")
                                    : NomeGiocatoreElenco(q.testo("GNOME"), q.testo("GCOGNOME"), formatoNome,
                                                          GiunturaIniziale::Punto);
        u.minuto = q.intero("Sostituito");
    }
    return u;
}

// Links the substitution `codice` to the replaced player's row `esce` and writes the minute there; the
// earlier replaced row `prima` (Null for none), when it is another, gets its place back unless another
// substitute is still linked to it.
void Collega(int codice, int esce, std::optional<int> minuto, const QVariant& prima)
{
    if (!prima.isNull() && InteroDi(prima) != esce && !SchedaPartitaQueries::entratoAlPostoDi(InteroDi(prima), codice))
        Esegui(QStringLiteral("UPDATE Presenze SET Sostituito = 0 WHERE Codice = ?"), {prima});
    if (minuto) Esegui(QStringLiteral("UPDATE Presenze SET Sostituito = ? WHERE Codice = ?"), {*minuto, esce});
    Esegui(QStringLiteral("UPDATE Presenze SET ChiHaSost = ? WHERE Codice = ?"), {esce, codice});
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
                           "LEFT JOIN Presenze u ON ") +
                SchedaPartitaQueries::condizioneUscito(QStringLiteral("p"), QStringLiteral("u")) +
                QStringLiteral(" WHERE p.Codice = ?"),
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

Esito inserisci(const Lato& l, const Dati& d, int& codice, UscitaPrecedente* prima)
{
    Transazione t;
    const std::optional<int> esce = d.uscito ? RigaUscito(l, *d.uscito, -1) : std::nullopt;
    if (!esce) return Esito::UscitoMancante;
    if (const auto u = UscitoPrima(*esce, -1, d.formatoNome)) {
        if (prima) *prima = *u;
        return Esito::GiaUscito;
    }
    const Giocatore entrato = d.entrato.value_or(Giocatore());
    const int girone = GironePresenze(l.andata);
    const int minima = InteroDi(Valore(QStringLiteral("SELECT MIN(Riga) FROM Presenze WHERE CodPartita = ? AND "
                                                      "Girone = ? AND Squadra = ? AND Titolare = 0"),
                                       {l.codPart, girone, l.squadra}));
    // The substitute's row comes below every other one, down to the lowest the 16-bit field holds.
    const int riga = std::max(std::min(minima, 0), RIGA_MINIMA + 1) - 1;
    const int cartellino = CodiceCartellino(d.ammonito, d.espulso);
    codice = InserisciRiga(QStringLiteral("PRESENZE"),
                           QStringLiteral("INSERT INTO Presenze (CodPartita, Giornata, Riga, Squadra, Titolare, "
                                          "Sostituito, CodGiocatore, Nome, Ammonito, Voto, Girone) VALUES (?, ?, ?, ?, "
                                          "0, 0, ?, ?, ?, ?, ?)"),
                           {l.codPart, l.giornata, riga, l.squadra, entrato.codGiocatore, entrato.nome,
                            cartellino == NESSUN_CARTELLINO ? Nullo() : QVariant(cartellino),
                            d.voto.value_or(QVariant(QMetaType::fromType<double>())), girone});
    Collega(codice, *esce, d.minuto, QVariant());
    t.commit();
    return Esito::Salvata;
}

Esito modifica(const Lato& l, int codice, const Dati& d, UscitaPrecedente* uscita)
{
    Transazione t;
    QVariant prima = Valore(QStringLiteral("SELECT ChiHaSost FROM Presenze WHERE Codice = ?"), {codice});
    if (!prima.isValid()) return Esito::Mancante;
    // A link of the row to itself is no replaced player.
    if (!prima.isNull() && InteroDi(prima) == codice) prima = QVariant();
    std::optional<int> esce;
    if (d.uscito) {
        if (!(esce = RigaUscito(l, *d.uscito, codice))) return Esito::UscitoMancante;
        // The player this substitution took off already may stay (older files may link him twice).
        if (prima.isNull() || InteroDi(prima) != *esce)
            if (const auto u = UscitoPrima(*esce, codice, d.formatoNome)) {
                if (uscita) *uscita = *u;
                return Esito::GiaUscito;
            }
    } else if (d.minuto) {
        // The link kept takes the minute: its row must still be there.
        if (prima.isNull() || !Valore(QStringLiteral("SELECT 1 FROM Presenze WHERE Codice = ?"), {prima}).isValid())
            return Esito::UscitoMancante;
        esce = InteroDi(prima);
    }
    QVariantList parametri{l.codPart, l.giornata, GironePresenze(l.andata), l.squadra,
                           CodiceCartellino(d.ammonito, d.espulso)};
    QString campi;
    if (d.entrato) {
        campi = QStringLiteral(", CodGiocatore = ?, Nome = ?");
        parametri << d.entrato->codGiocatore << d.entrato->nome;
    }
    if (d.voto) {
        campi += QStringLiteral(", Voto = ?");
        parametri << *d.voto;
    }
    parametri << codice;
    Esegui(QStringLiteral("UPDATE Presenze SET CodPartita = ?, Giornata = ?, Girone = ?, Squadra = ?, Titolare = 0, "
                          "Ammonito = ?") +
               campi + QStringLiteral(" WHERE Codice = ?"),
           parametri);
    if (esce) Collega(codice, *esce, d.minuto, prima);
    t.commit();
    return Esito::Salvata;
}

bool sostituitoPiuTardi(int codice) { return SchedaPartitaQueries::sostituitoDopo(codice); }

}  // namespace SostituzioniQueries
