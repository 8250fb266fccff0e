#include "players/schedegiocatoriqueries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"

#include <cmath>
#include <QLocale>

namespace {

const QString CAMPI_GIOCATORE = QStringLiteral(
    "Codice, CodSquadra, Nome, Cognome, Ruolo, Numero, DataNasc, LuogoNasc, Nazione, Altezza, Peso, Foto");

QString Numero(double v) { return QLocale(QLocale::Italian, QLocale::Italy).toString(v, 'g', 15); }

// Ratings are kept with four decimals: read as whole ten-thousandths, so that sums and averages are exact.
QString Voto(qint64 decimillesimi) { return Numero(double(decimillesimi) / 10000.0); }

// Below 2^53 a double holds a whole sum exactly.
constexpr double SOMMA_ESATTA = 9007199254740992.0;

}  // namespace

int StatisticheGiocatore::retiDiTipo(int tipo) const
{
    if (tipo == TIPO_NON_INDICATO) return retiNonSpecificate;
    return tipo >= 1 && tipo <= 8 ? retiPerTipo[tipo] : 0;
}

QVector<VoceElencoGiocatori> SchedeGiocatoriQueries::elenco(std::optional<int> codSquadra)
{
    QVector<VoceElencoGiocatori> r;
    const QString ordine = QStringLiteral(" ORDER BY Cognome, Nome, Codice");
    Query q = codSquadra ? Query(QStringLiteral("SELECT Codice, Cognome FROM Giocatore WHERE CodSquadra = ?") + ordine,
                                 {*codSquadra})
                         : Query(QStringLiteral("SELECT Codice, Cognome FROM Giocatore") + ordine);
    while (q.next()) r.append({q.intero(0), q.testo(1)});
    return r;
}

std::optional<DatiGiocatore> SchedeGiocatoriQueries::giocatore(int codice)
{
    Query q(QStringLiteral("SELECT ") + CAMPI_GIOCATORE + QStringLiteral(" FROM Giocatore WHERE Codice = ?"), {codice});
    if (!q.next()) return std::nullopt;
    DatiGiocatore g;
    g.codice = q.intero(0);
    g.codSquadra = q.intero(1);
    g.nome = q.testo(2);
    g.cognome = q.testo(3);
    g.ruolo = q.testo(4);
    g.numero = q.intero(5);
    g.dataNascita = q.testo(6);
    g.luogoNascita = q.testo(7);
    g.nazione = q.testo(8);
    g.altezza = q.testo(9);
    g.peso = q.testo(10);
    g.foto = q.testo(11);
    return g;
}

StatisticheGiocatore SchedeGiocatoriQueries::statistiche(int codice)
{
    StatisticheGiocatore s;
    // A rated appearance: a rating above 0 that is not the "no rating" code.
    const QString votato = QStringLiteral("(Voto > 0 AND Voto <> %1)").arg(SENZA_VOTO);
    const QString decimillesimi = QStringLiteral("CAST(ROUND(Voto * 10000) AS INTEGER)");
    // The ratings are summed by TOTAL, which never fails: SUM stops with an error when they add up past 64 bits.
    Query p(QStringLiteral("SELECT "
                           "COALESCE(SUM(CASE WHEN Titolare = ? THEN 1 ELSE 0 END), 0), "
                           "COALESCE(SUM(CASE WHEN Titolare = ? THEN 1 ELSE 0 END), 0), "
                           "COALESCE(SUM(CASE WHEN Sostituito > 0 THEN 1 ELSE 0 END), 0), "
                           "COALESCE(SUM(CASE WHEN Ammonito BETWEEN 1 AND 100 THEN 1 ELSE 0 END), 0), "
                           "COALESCE(SUM(CASE WHEN Ammonito > 100 THEN 1 ELSE 0 END), 0), "
                           "COALESCE(SUM(CASE WHEN %1 THEN 1 ELSE 0 END), 0), "
                           "TOTAL(CASE WHEN %1 THEN %2 END), "
                           "COALESCE(MAX(CASE WHEN %1 THEN %2 END), 0), "
                           "COALESCE(MIN(CASE WHEN %1 THEN %2 END), 0) "
                           "FROM Presenze WHERE CodGiocatore = ?")
                .arg(votato, decimillesimi),
            {VERO, FALSO, codice});
    if (p.next()) {
        s.daTitolare = p.intero(0);
        s.panchine = p.intero(1);
        s.sostituzioni = p.intero(2);
        s.ammonizioni = p.intero(3);
        s.espulsioni = p.intero(4);
        s.votati = p.intero(5);
        s.sommaVoti = p.numero(6);
        s.votoMassimo = p.valore(7).toLongLong();
        s.votoMinimo = p.valore(8).toLongLong();
    }
    Query r(QStringLiteral("SELECT Tipo, COUNT(*) FROM Reti WHERE CodGiocatore = ? GROUP BY Tipo"), {codice});
    while (r.next()) {
        const int quante = r.intero(1);
        s.reti += quante;
        if (r.nullo(QStringLiteral("Tipo"))) continue;
        const int tipo = r.intero(0);
        if (tipo == TIPO_NON_INDICATO)
            s.retiNonSpecificate += quante;
        else if (tipo >= 1 && tipo <= 8)
            s.retiPerTipo[tipo] += quante;
    }
    return s;
}

QString SchedeGiocatoriQueries::testoVotoMedio(double somma, int quanti)
{
    if (quanti <= 0) return QString();
    if (!(std::fabs(somma) < SOMMA_ESATTA)) return Numero(somma / quanti / 10000.0);
    // Four decimals, as the ratings are kept: the quotient in ten-thousandths, ties to the even one.
    const qint64 intera = qint64(somma);
    qint64 q = intera / quanti;
    const qint64 resto = intera % quanti;
    if (2 * resto > quanti || (2 * resto == quanti && q % 2 != 0)) ++q;
    return Voto(q);
}

TestiStatistiche SchedeGiocatoriQueries::testi(const StatisticheGiocatore& s)
{
    TestiStatistiche t;
    const auto n = [](int v) { return QString::number(v); };
    t.daTitolare = n(s.daTitolare);
    t.panchine = n(s.panchine);
    t.sostituzioni = n(s.sostituzioni);
    t.presenze = n(s.presenze());
    t.ammonizioni = n(s.ammonizioni);
    t.espulsioni = n(s.espulsioni);
    t.reti = n(s.reti);
    // Goals per appearance, unrounded; not defined without goals or without appearances.
    t.mediaGol =
        s.reti > 0 && s.presenze() > 0 ? Numero(double(s.reti) / double(s.presenze())) : QStringLiteral("N.D.");
    t.rigori = n(s.retiDiTipo(TIPO_RIGORE));
    t.punizioni = n(s.retiDiTipo(TIPO_PUNIZIONE));
    t.destro = n(s.retiDiTipo(TIPO_DESTRO));
    t.sinistro = n(s.retiDiTipo(TIPO_SINISTRO));
    t.testa = n(s.retiDiTipo(TIPO_TESTA));
    t.autogol = n(s.retiDiTipo(TIPO_AUTORETE));
    t.nonSpecificate = n(s.retiDiTipo(TIPO_NON_INDICATO));
    // Ratings only for a player who played, and only out of the rated appearances.
    if (s.presenze() > 0 && s.votati > 0) {
        t.votoMedio = testoVotoMedio(s.sommaVoti, s.votati);
        t.votoAlto = Voto(s.votoMassimo);
        t.votoBasso = Voto(s.votoMinimo);
    }
    return t;
}

bool SchedeGiocatoriQueries::salva(const DatiGiocatore& g)
{
    const Query q(
        QStringLiteral("UPDATE Giocatore SET Nome = ?, Cognome = ?, Ruolo = ?, Numero = ?, DataNasc = ?, "
                       "LuogoNasc = ?, Nazione = ?, Altezza = ?, Peso = ? WHERE Codice = ?"),
        {g.nome, g.cognome, g.ruolo, g.numero, g.dataNascita, g.luogoNascita, g.nazione, g.altezza, g.peso, g.codice});
    return q.righeToccate() > 0;
}

bool SchedeGiocatoriQueries::salvaFoto(int codice, const QString& percorso)
{
    const Query q(QStringLiteral("UPDATE Giocatore SET Foto = ? WHERE Codice = ?"), {percorso, codice});
    return q.righeToccate() > 0;
}

void SchedeGiocatoriQueries::elimina(int codice)
{
    Esegui(QStringLiteral("DELETE FROM Giocatore WHERE Codice = ?"), {codice});
}

int SchedeGiocatoriQueries::cerca(const QVector<VoceElencoGiocatori>& elenco, const QString& inizio)
{
    for (int i = 0; i < elenco.size(); ++i)
        if (elenco[i].cognome.startsWith(inizio, Qt::CaseInsensitive)) return i;
    return -1;
}

int SchedeGiocatoriQueries::cercaLettera(const QVector<VoceElencoGiocatori>& elenco, QChar lettera)
{
    const int primo = lettera.toUpper().unicode() - 'A';
    if (primo < 0 || primo >= 26) return -1;
    for (int k = 0; k < 26; ++k) {
        const int trovato = cerca(elenco, QString(QChar('A' + (primo + k) % 26)));
        if (trovato >= 0) return trovato;
    }
    return -1;
}
