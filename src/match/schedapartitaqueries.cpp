#include "match/schedapartitaqueries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"
#include "platform/testoinriga.h"

#include <optional>
#include <QHash>
#include <QMultiHash>
#include <QSet>

namespace {

constexpr int RIGHE_FORMAZIONE = 11;
constexpr int VOTO_NON_DATO = -1;  // what older editors wrote for "no rating"

bool StessaSquadra(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The name of a player of a PRESENZE row: from the squad when the player is there, else the name
// typed with the row.
QString NomePresenza(const Query& q, const QString& prefisso, const QString& nomeRiga, int formatoNome)
{
    if (q.nullo(prefisso + QStringLiteral("COD"))) return nomeRiga;
    return NomeGiocatoreElenco(q.testo(prefisso + QStringLiteral("NOME")),
                               q.testo(prefisso + QStringLiteral("COGNOME")), formatoNome, GiunturaIniziale::Punto);
}

// A starter's rating: "-" when none was typed, "s.v." for no rating.
QString VotoTitolare(const QVariant& voto, bool mostra)
{
    if (!mostra) return QString();
    if (voto.isNull()) return QStringLiteral("-");
    return TestoVoto(voto.toDouble(), StileSenzaVoto::Minuscolo);
}

// A substitute's rating: empty when none was typed, "s.v." for no rating.
QString VotoSostituto(const QVariant& voto, bool mostra)
{
    if (!mostra || voto.isNull()) return QString();
    const double v = voto.toDouble();
    return TestoVoto(v == VOTO_NON_DATO ? SENZA_VOTO : v, StileSenzaVoto::Minuscolo);
}

// The rows that the links lead to from a row, following CHIHASOST (`collegamento`: a row's link, or
// nothing) until a row has none or one comes round again.
template <typename Collegamento> QSet<int> Giro(int codice, Collegamento collegamento)
{
    QSet<int> giro;
    for (std::optional<int> l = collegamento(codice); l && !giro.contains(*l); l = collegamento(*l)) giro.insert(*l);
    return giro;
}

// The fields of a match that partita() reads for a leg: the leg's own ones only (the row has some sixty).
QString selezionePartita(bool andata)
{
    const QString g = andata ? QStringLiteral("A") : QStringLiteral("R");
    QStringList campi{QStringLiteral("CodPart"),
                      QStringLiteral("GiornataNum"),
                      QStringLiteral("Sq1"),
                      QStringLiteral("Sq2"),
                      andata ? QStringLiteral("DataAnd") : QStringLiteral("DataRit"),
                      andata ? QStringLiteral("HAnd") : QStringLiteral("HRit"),
                      andata ? QStringLiteral("DispAnd") : QStringLiteral("DispRit")};
    for (const char* campo : {"Arbitro", "G1", "G2", "Guardalinee", "CondClimatiche", "Terreno", "Spettatori", "Tiri1",
                              "Tiri2", "TiriPorta1", "TiriPorta2", "Offside1", "Offside2", "Falli1", "Falli2",
                              "Possesso1", "Possesso2", "Corner1", "Corner2"})
        campi << QLatin1String(campo) + g;
    return QStringLiteral("SELECT ") + campi.join(QStringLiteral(", ")) +
           QStringLiteral(" FROM Partita WHERE CodPart = ?");
}

}  // namespace

QString DatiPartita::risultato() const
{
    return disputata ? golCasa + QStringLiteral(" - ") + golOspite : QStringLiteral("Non disputata");
}

namespace SchedaPartitaQueries {

QVector<RigaTitolare> titolariVuoti(bool numerazioneTradizionale)
{
    QVector<RigaTitolare> righe(RIGHE_FORMAZIONE);
    if (numerazioneTradizionale)
        for (int i = 0; i < RIGHE_FORMAZIONE; ++i) righe[i].numero = QString::number(i + 1);
    return righe;
}

QVector<VocePartita> partite(int giornata, bool andata)
{
    Query q(andata
                ? QStringLiteral("SELECT CodPart, Sq1, Sq2 FROM Partita WHERE GiornataNum = ? ORDER BY Sq1, CodPart")
                : QStringLiteral("SELECT CodPart, Sq2, Sq1 FROM Partita WHERE GiornataNum = ? ORDER BY Sq2, CodPart"),
            {giornata});
    QVector<VocePartita> voci;
    while (q.next()) voci.append({q.intero(0), IncontroInRiga(q.testo(1), q.testo(2))});
    return voci;
}

DatiPartita partita(int codPart, bool andata)
{
    DatiPartita d;
    static const QString selezione[2] = {selezionePartita(false), selezionePartita(true)};
    Query q(selezione[andata ? 1 : 0], {codPart});
    if (!q.primo()) return d;
    const QString g = andata ? QStringLiteral("A") : QStringLiteral("R");
    // The figures' 1 and 2 are SQ1 and SQ2 in both legs; SQ2 is at home in the return leg.
    const QString casa = andata ? QStringLiteral("1") : QStringLiteral("2");
    const QString ospite = andata ? QStringLiteral("2") : QStringLiteral("1");
    d.trovata = true;
    d.codPart = q.intero("CodPart");
    d.giornata = q.intero("GiornataNum");
    d.casa = q.testo(andata ? "Sq1" : "Sq2");
    d.ospite = q.testo(andata ? "Sq2" : "Sq1");
    d.arbitro = NullInVuoto(q.valore("Arbitro" + g));
    d.data = NullInVuoto(q.valore(andata ? "DataAnd" : "DataRit"));
    d.ora = NullInVuoto(q.valore(andata ? "HAnd" : "HRit"));
    d.disputata = Disputata(q.valore(andata ? "DispAnd" : "DispRit"));
    d.golCasa = NullInVuoto(q.valore("G" + casa + g));
    d.golOspite = NullInVuoto(q.valore("G" + ospite + g));
    for (const char* campo : {"Guardalinee", "CondClimatiche", "Terreno", "Spettatori"})
        d.note << NullInVuoto(q.valore(QLatin1String(campo) + g));
    for (const char* campo : {"Tiri", "TiriPorta", "Offside", "Falli", "Possesso", "Corner"}) {
        d.statistiche[0] << NullInVuoto(q.valore(QLatin1String(campo) + casa + g));
        d.statistiche[1] << NullInVuoto(q.valore(QLatin1String(campo) + ospite + g));
    }
    return d;
}

std::array<SquadraInCampo, 2> squadre(const DatiPartita& partita, bool andata, const AspettoScheda& aspetto)
{
    std::array<SquadraInCampo, 2> s;
    s[0].nome = partita.casa;
    s[1].nome = partita.ospite;
    for (SquadraInCampo& sq : s) sq.titolari = titolariVuoti(aspetto.numerazioneTradizionale);
    auto lato = [&](const QString& squadra) {
        return StessaSquadra(squadra, s[0].nome) ? 0 : StessaSquadra(squadra, s[1].nome) ? 1 : -1;
    };

    // Every row of the match and leg at once, with its player and, for a substitute, the replaced
    // player's row and player. Substitutes come in order of entry (RIGA -1, -2, ...).
    static const QString sql =
        QStringLiteral("SELECT p.Codice, p.Squadra, p.Titolare, p.Riga, p.NumMaglia, p.Nome, p.Ammonito, p.Voto, "
                       "p.ChiHaSost, g.Codice AS GCOD, g.Nome AS GNOME, g.Cognome AS GCOGNOME, u.Codice AS UCOD, "
                       "u.Sostituito AS USOSTITUITO, u.Nome AS UNOME, gu.Codice AS GUCOD, gu.Nome AS GUNOME, "
                       "gu.Cognome AS GUCOGNOME "
                       "FROM Presenze p LEFT JOIN Giocatore g ON g.Codice = p.CodGiocatore LEFT JOIN Presenze u ON ") +
        condizioneUscito(QStringLiteral("p"), QStringLiteral("u")) +
        QStringLiteral(" LEFT JOIN Giocatore gu ON gu.Codice = u.CodGiocatore "
                       "WHERE p.CodPartita = ? AND p.Girone = ? ORDER BY p.Riga DESC, p.Codice");
    Query q(sql, {partita.codPart, GironePresenze(andata)});
    QHash<int, int> collegamenti;                  // a substitute's row -> the replaced row
    QMultiHash<int, QPair<int, QString>> entrati;  // replaced row -> (row, name) of who came on for him
    QVector<QPair<int, int>> posto;                // (team, index) of each substitution read, to link them afterwards
    while (q.next()) {
        const int t = lato(q.testo("Squadra"));
        if (t < 0) continue;
        SquadraInCampo& sq = s[t];
        const int titolare = q.intero("Titolare");
        const QString nome = NomePresenza(q, QStringLiteral("G"), q.testo("Nome"), aspetto.formatoNome);
        if (titolare == VERO) {
            const int riga = q.intero("Riga");
            // Only rows 1 to 11 have a place on the sheet.
            if (riga < 1 || riga > RIGHE_FORMAZIONE) continue;
            sq.formazionePresente = true;
            RigaTitolare& r = sq.titolari[riga - 1];
            if (!aspetto.numerazioneTradizionale) {
                const int numero = q.intero("NumMaglia");
                r.numero = numero > 0 ? QString::number(numero) : QString();
            }
            r.nome = nome;
            r.voto = VotoTitolare(q.valore("Voto"), aspetto.mostraVoti);
            r.cartellino = q.intero("Ammonito");
        } else if (titolare == FALSO) {
            RigaSostituzione r;
            r.codice = q.intero("Codice");
            r.entra = nome;
            r.voto = VotoSostituto(q.valore("Voto"), aspetto.mostraVoti);
            r.cartellino = q.intero("Ammonito");
            // A link to a row that is gone shows nothing of the replaced player.
            if (!q.nullo("UCOD")) {
                const int minuto = q.intero("USOSTITUITO");
                if (minuto > 0) r.minuto = TestoMinuto(minuto);
                r.esce = NomePresenza(q, QStringLiteral("GU"), q.testo("UNOME"), aspetto.formatoNome);
                entrati.insert(q.intero("UCOD"), {r.codice, r.entra});
            }
            if (!q.nullo("ChiHaSost")) collegamenti.insert(r.codice, q.intero("ChiHaSost"));
            sq.sostituzioni.append(r);
            posto.append({t, int(sq.sostituzioni.size()) - 1});
        }
    }
    auto collegamento = [&](int codice) {
        const auto l = collegamenti.constFind(codice);
        return l == collegamenti.constEnd() ? std::nullopt : std::optional<int>(*l);
    };
    for (const auto& [t, i] : posto) {
        RigaSostituzione& r = s[t].sostituzioni[i];
        const QSet<int> giro = Giro(r.codice, collegamento);
        for (const auto& [codice, entra] : entrati.values(r.codice))
            if (codice != r.codice && !giro.contains(codice)) r.sostituitoDa = entra;
    }

    // Goals in order of minute (those without one first), an own goal in the grid of the team it counts for.
    Query r(QStringLiteral("SELECT r.Codice, r.Minuto, r.Tipo, r.Squadra, g.Codice AS GCOD, g.Nome AS GNOME, "
                           "g.Cognome AS GCOGNOME FROM Reti r LEFT JOIN Giocatore g ON g.Codice = r.CodGiocatore "
                           "WHERE r.CodPart = ? AND r.Girone = ? ORDER BY r.Minuto, r.Codice"),
            {partita.codPart, GironeReti(andata)});
    while (r.next()) {
        const int tipo = r.intero("Tipo");
        const int t = lato(SquadraDelGol(tipo, r.testo("Squadra"), s[0].nome, s[1].nome));
        if (t < 0) continue;
        RigaRete g;
        g.codice = r.intero("Codice");
        g.minuto = TestoMinutoRete(r.valore("Minuto"));
        g.marcatore = NomePresenza(r, QStringLiteral("G"), QString(), aspetto.formatoNome);
        g.tipo = TestoTipoReteBreve(tipo);
        s[t].reti.append(g);
    }
    return s;
}

void eliminaRete(int codice)
{
    Transazione t;
    Esegui(QStringLiteral("UPDATE Giocatore SET Reti = Reti - 1 WHERE Reti > 0 AND Codice = "
                          "(SELECT CodGiocatore FROM Reti WHERE Codice = ?)"),
           {codice});
    Esegui(QStringLiteral("DELETE FROM Reti WHERE Codice = ?"), {codice});
    t.commit();
}

QString condizioneUscito(const QString& entrato, const QString& uscito)
{
    return QStringLiteral("%2.Codice = %1.ChiHaSost AND %2.Codice <> %1.Codice").arg(entrato, uscito);
}

std::optional<int> entratoAlPostoDi(int codice, int tranne)
{
    const QSet<int> giro = Giro(codice, [](int riga) {
        const QVariant l = Valore(QStringLiteral("SELECT ChiHaSost FROM Presenze WHERE Codice = ?"), {riga});
        return l.isValid() && !l.isNull() ? std::optional<int>(InteroDi(l)) : std::nullopt;
    });
    Query q(QStringLiteral("SELECT Codice FROM Presenze WHERE ChiHaSost = ? AND Codice <> ? AND Codice <> ? "
                           "ORDER BY Riga DESC, Codice"),
            {codice, codice, tranne});
    while (q.next())
        if (!giro.contains(q.intero(0))) return q.intero(0);
    return std::nullopt;
}

bool sostituitoDopo(int codice) { return entratoAlPostoDi(codice).has_value(); }

EsitoSostituzione eliminaSostituzione(int codice)
{
    Transazione t;
    const QVariant esce = Valore(QStringLiteral("SELECT ChiHaSost FROM Presenze WHERE Codice = ?"), {codice});
    if (!esce.isValid()) return EsitoSostituzione::Mancante;
    if (sostituitoDopo(codice)) return EsitoSostituzione::SostituitoDopo;
    if (!esce.isNull() && !entratoAlPostoDi(InteroDi(esce), codice))
        Esegui(QStringLiteral("UPDATE Presenze SET Sostituito = 0 WHERE Codice = ?"), {esce});
    Esegui(QStringLiteral("DELETE FROM Presenze WHERE Codice = ?"), {codice});
    t.commit();
    return EsitoSostituzione::Eliminata;
}

}  // namespace SchedaPartitaQueries
