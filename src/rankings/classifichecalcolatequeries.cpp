#include "rankings/classifichecalcolatequeries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"
#include "platform/testoinriga.h"

#include <algorithm>
#include <cmath>
#include <QHash>
#include <QLocale>

namespace ClassificheCalcolate {

namespace {

const QString NON_DISPONIBILE = QStringLiteral("(Giocatore non disponibile)");
constexpr int RIGHE_SQUADRA = 11;
constexpr int DIECI = 10;
// Card codes 1 to 100 are bookings, codes above 100 sendings-off.
constexpr int ULTIMA_AMMONIZIONE = 100;

// One ranked entry: its value, the name it shows, its key (a code) and its cells.
struct Voce {
    double valore = 0;
    QString nome;
    qint64 chiave = 0;
    QStringList celle;
};

// Highest value first; equal values by the shown name ignoring case, then by the key.
bool Prima(const Voce& a, const Voce& b)
{
    if (a.valore != b.valore) return a.valore > b.valore;
    const int n = a.nome.compare(b.nome, Qt::CaseInsensitive);
    return n != 0 ? n < 0 : a.chiave < b.chiave;
}

QVector<QStringList> Celle(QVector<Voce> voci)
{
    std::sort(voci.begin(), voci.end(), Prima);
    QVector<QStringList> righe;
    for (const Voce& v : voci) righe << v.celle;
    return righe;
}

// Averages as the file keeps ratings: four decimals, an exact half to the even neighbour.
double ArrotondaMedia(double media) { return std::nearbyint(media * 10000.0) / 10000.0; }

QString NomeSquadra(const QVector<TipoSquadra>& squadre, int codice)
{
    for (int i = 1; i < squadre.size(); ++i)
        if (Val(squadre[i].Codice) == codice) return squadre[i].Nome;
    return QString();
}

// The player of the columns `primo` (GIOCATORE.CODICE, Null when no player has the code), `primo` + 1
// (NOME) and `primo` + 2 (COGNOME): his name, or the text of a player not found.
QString NomeDi(const Query& q, int primo, int formatoNome)
{
    if (q.valore(primo).isNull()) return NON_DISPONIBILE;
    return NomeGiocatoreElenco(q.testo(primo + 1), q.testo(primo + 2), formatoNome, GiunturaIniziale::Spazio);
}

// The rows of a grouped query on Presenze whose column `cod` is a player code, each followed by that
// player's code, first name, surname and team code (Null when no player has the code). The players are
// joined to the groups, not to every appearance.
QString ConGiocatore(const QString& raggruppate)
{
    return QStringLiteral("SELECT t.*, g.Codice, g.Nome, g.Cognome, g.CodSquadra FROM (%1) t "
                          "LEFT JOIN Giocatore g ON g.Codice = t.cod")
        .arg(raggruppate);
}

Classifica Squadre(int tipo, const QVector<TipoSquadra>& squadre)
{
    // The records of each team as stored with them, whatever the letter case of the stored name.
    QString sql;
    QVariantList parametri;
    if (tipo == 2) {
        sql = QStringLiteral("SELECT Squadra, COUNT(*) FROM Presenze WHERE Ammonito >= ? GROUP BY Squadra");
        parametri << CARTELLINO_GIALLO;
    } else {
        sql = QStringLiteral("SELECT Squadra, COUNT(*) FROM Reti WHERE Tipo = ? GROUP BY Squadra");
        parametri << (tipo == 1 ? TIPO_RIGORE : TIPO_AUTORETE);
    }
    QHash<QString, int> conteggi;
    Query q(sql, parametri);
    while (q.next()) conteggi[q.testo(0).toCaseFolded()] += q.intero(1);

    QVector<Voce> voci;
    for (int i = 1; i < squadre.size(); ++i) {
        const TipoSquadra& s = squadre[i];
        const int n = conteggi.value(s.Nome.toCaseFolded());
        voci << Voce{
            double(n), s.Nome, Val(s.Codice), {QString::number(n) + QStringLiteral("   ") + TestoInRiga(s.Nome)}};
    }
    Classifica c;
    c.squadre = true;
    c.righe = Celle(voci);
    return c;
}

Classifica Giocatori(int tipo, int formatoNome, const QVector<TipoSquadra>& squadre)
{
    Classifica c;
    QString valore, condizione;
    QVariantList parametri;
    switch (tipo) {
    case 4:
        c.intestazione = {QStringLiteral("Pres.")};
        // Names typed into a line-up (code -1) are not ranked by appearances.
        valore = QStringLiteral("COUNT(Titolare)");
        condizione = QStringLiteral("CodGiocatore IS NOT ?");
        parametri << GIOCATORE_NON_IN_ROSA;
        break;
    case 5:
        c.intestazione = {QStringLiteral("Amm.")};
        valore = QStringLiteral("COUNT(*)");
        condizione = QStringLiteral("Ammonito BETWEEN ? AND ?");
        parametri << CARTELLINO_GIALLO << ULTIMA_AMMONIZIONE;
        break;
    case 6:
        c.intestazione = {QStringLiteral("Esp.")};
        valore = QStringLiteral("COUNT(*)");
        condizione = QStringLiteral("Ammonito > ?");
        parametri << ULTIMA_AMMONIZIONE;
        break;
    default:
        c.intestazione = {QStringLiteral("Voto")};
        valore = QStringLiteral("AVG(Voto)");
        condizione = QStringLiteral("Voto > 0 AND Voto <> ?");
        parametri << SENZA_VOTO;
        break;
    }
    const bool media = tipo == 7;
    c.intestazione << QStringLiteral("Giocatore") << QStringLiteral("Squadra");
    c.larghezze = {media ? 800 : 600, 2400, 2000};
    c.centrate = {0};

    QVector<Voce> voci;
    Query q(ConGiocatore(QStringLiteral("SELECT CodGiocatore AS cod, %1 FROM Presenze WHERE %2 GROUP BY CodGiocatore")
                             .arg(valore, condizione)),
            parametri);
    while (q.next()) {
        const double v = media ? ArrotondaMedia(q.numero(1)) : q.intero(1);
        const QString nome = NomeDi(q, 2, formatoNome);
        const QString squadra = q.valore(2).isNull() ? QString() : NomeSquadra(squadre, q.intero(5));
        voci << Voce{v, nome, q.intero(0), {media ? TestoMedia(v) : QString::number(q.intero(1)), nome, squadra}};
    }
    c.righe = Celle(voci);
    return c;
}

Classifica TopTen(int formatoNome)
{
    Classifica c;
    c.intestazione = {QStringLiteral("Voto"), QStringLiteral("Giocatore"), QStringLiteral("Partita")};
    c.larghezze = {700, 2200, 2300};
    c.centrate = {0};
    c.incontri = {2};
    // The ten best ratings and every further one equal to the tenth.
    Query q(QStringLiteral("SELECT p.Voto, p.Codice, g.Codice, g.Nome, g.Cognome, m.CodPart, m.Sq1, m.Sq2, p.Girone "
                           "FROM Presenze p LEFT JOIN Giocatore g ON g.Codice = p.CodGiocatore ") +
                QStringLiteral("LEFT JOIN Partita m ON m.CodPart = p.CodPartita WHERE p.Voto > 0 AND p.Voto <> ? "
                               "AND p.Voto >= IFNULL((SELECT Voto FROM Presenze WHERE Voto > 0 AND Voto <> ? "
                               "ORDER BY Voto DESC LIMIT 1 OFFSET ?), 0)"),
            {SENZA_VOTO, SENZA_VOTO, DIECI - 1});
    QVector<Voce> voci;
    while (q.next()) {
        const double voto = q.numero(0);
        const QString nome = NomeDi(q, 2, formatoNome);
        QString partita;
        // The home team of the rating's leg first.
        if (!q.valore(5).isNull())
            partita = q.intero(8) == GironePresenze(true) ? IncontroInRiga(q.testo(6), q.testo(7))
                                                          : IncontroInRiga(q.testo(7), q.testo(6));
        voci << Voce{voto, nome, q.intero(1), {TestoMedia(voto), nome, partita}};
    }
    c.righe = Celle(voci);
    return c;
}

Classifica SquadraIdeale(int formatoNome, const QVector<TipoSquadra>& squadre)
{
    Classifica c;
    c.intestazione = {QString(), QStringLiteral("Giocatore"), QStringLiteral("Squadra"), QStringLiteral("Voto")};
    c.larghezze = {500, 2000, 2000, 800};
    c.centrate = {0, 3};
    // Each starter's ratings by line-up row and player, summed here: quicker than grouping in the file.
    // Substitutes (negative rows) never count.
    struct Somma {
        double voti = 0;
        int quanti = 0;
    };
    QVector<QHash<int, Somma>> somme(RIGHE_SQUADRA + 1);
    Query q(QStringLiteral("SELECT Riga, CodGiocatore, Voto FROM Presenze "
                           "WHERE Voto > 0 AND Voto <> ? AND Riga BETWEEN 1 AND ?"),
            {SENZA_VOTO, RIGHE_SQUADRA});
    while (q.next()) {
        const int riga = q.intero(0);
        if (riga < 1 || riga > RIGHE_SQUADRA) continue;
        Somma& s = somme[riga][q.intero(1)];
        s.voti += q.numero(2);
        ++s.quanti;
    }
    // The best mean of each row, and the players who share it.
    QVector<double> migliore(RIGHE_SQUADRA + 1, -1);
    QVector<QList<int>> primi(RIGHE_SQUADRA + 1);
    QVariantList codici;
    for (int r = 1; r <= RIGHE_SQUADRA; ++r) {
        for (auto s = somme[r].cbegin(); s != somme[r].cend(); ++s) {
            const double media = ArrotondaMedia(s->voti / s->quanti);
            if (media > migliore[r]) primi[r].clear(), migliore[r] = media;
            if (media == migliore[r]) primi[r] << s.key(), codici << s.key();
        }
    }
    struct Giocatore {
        QString nome;
        int codSquadra = 0;
    };
    QHash<int, Giocatore> giocatori;
    if (!codici.isEmpty()) {
        Query g(QStringLiteral("SELECT Codice, Nome, Cognome, CodSquadra FROM Giocatore WHERE Codice IN (%1)")
                    .arg(QStringList(codici.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                codici);
        while (g.next())
            giocatori.insert(
                g.intero(0),
                {NomeGiocatoreElenco(g.testo(1), g.testo(2), formatoNome, GiunturaIniziale::Spazio), g.intero(3)});
    }
    for (int r = 1; r <= RIGHE_SQUADRA; ++r) {
        QVector<Voce> voci;
        for (int codice : primi[r]) {
            const auto g = giocatori.constFind(codice);
            const bool trovato = g != giocatori.cend();
            const QString nome = trovato ? g->nome : NON_DISPONIBILE;
            const QString squadra = trovato ? NomeSquadra(squadre, g->codSquadra) : QString();
            voci << Voce{migliore[r], nome, codice, {QString::number(r), nome, squadra, TestoMedia(migliore[r])}};
        }
        c.righe << (voci.isEmpty() ? QStringList(4, QString())
                                   : std::min_element(voci.begin(), voci.end(), Prima)->celle);
    }
    return c;
}

}  // namespace

QString Titolo(int tipo)
{
    static const QStringList titoli{
        QStringLiteral("Classifica dei rigori segnati da ogni squadra"),
        QStringLiteral("Classifica delle ammonizioni ed espulsioni subite da ogni squadra"),
        QStringLiteral("Classifica delle autoreti commesse da ogni squadra"),
        QStringLiteral("Classifica dei giocatori che hanno ottenuto più presenze"),
        QStringLiteral("Classifica dei giocatori che hanno ricevuto più ammonizioni"),
        QStringLiteral("Classifica dei giocatori che hanno subito più espulsioni"),
        QStringLiteral("Classifica dei giocatori per media dei voti ricevuti"),
        QStringLiteral("I 10 voti più alti assegnati nel campionato"),
        QStringLiteral("Dream Team del campionato. I migliori per ogni ruolo"),
    };
    return tipo >= PRIMA && tipo <= ULTIMA ? titoli[tipo - 1] : QString();
}

Classifica Calcola(int tipo, int formatoNome, const QVector<TipoSquadra>& squadre)
{
    Classifica c = tipo <= 3   ? Squadre(tipo, squadre)
                   : tipo <= 7 ? Giocatori(tipo, formatoNome, squadre)
                   : tipo == 8 ? TopTen(formatoNome)
                               : SquadraIdeale(formatoNome, squadre);
    c.titolo = Titolo(tipo);
    if (!c.squadre && c.righe.isEmpty()) c.righe << QStringList(c.intestazione.size(), QString());
    return c;
}

QString TestoMedia(double valore)
{
    static const QLocale italiano(QLocale::Italian, QLocale::Italy);
    return italiano.toString(ArrotondaMedia(valore), 'g', 15);
}

}  // namespace ClassificheCalcolate
