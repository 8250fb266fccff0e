#include "core/classifica.h"

#include "core/database.h"
#include "core/stato.h"
#include "core/totale.h"

#include <QHash>
#include <QSqlError>
#include <QVector>

namespace {

// The span of a partial table; inactive for the whole season.
struct Arco {
    bool attivo = false;
    int daGiornata = 0;
    int daGirone = 1;
    int aGiornata = 0;
    int aGirone = 1;

    bool contieneAndata(int g) const
    {
        if (!attivo) return true;
        return daGirone == 1 && g >= daGiornata && !(aGirone == 1 && g > aGiornata);
    }
    bool contieneRitorno(int g) const
    {
        if (!attivo) return true;
        return aGirone != 1 && g <= aGiornata && (daGirone == 1 || g >= daGiornata);
    }
};

// One PARTITA row with at least one played leg. Null scores read 0.
struct Incontro {
    int giornata = 0;
    QString sq1;
    QString sq2;
    bool giocataAndata = false;
    bool giocataRitorno = false;
    int g1a = 0;
    int g2a = 0;
    int g1r = 0;
    int g2r = 0;
};

// The tally of one team. Scores and points come from the file as they are: every figure is a Totale, 64 bits wide.
struct Conteggio {
    Totale giocate;
    Totale punti;  // before the penalty
    Totale vinteInCasa;
    Totale perseInCasa;
    Totale xInCasa;
    Totale vinteFuori;
    Totale perseFuori;
    Totale xFuori;
    Totale gFattiCasa;
    Totale gSubitiCasa;
    Totale gFattiFuori;
    Totale gSubitiFuori;
    Totale mediaInglese;
};

struct PuntiRisultato {
    int vittoria = 0;
    int pareggio = 0;
    int sconfitta = 0;
};

// Team names are compared as the database compares text: ignoring the case of A..Z only.
QString chiaveNome(const QString& nome)
{
    QString k = nome;
    for (QChar& c : k)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
    return k;
}

// One counted leg: f the team's goals, a the opponent's.
void contaGara(Conteggio& c, int f, int a, bool inCasa, const PuntiRisultato& p)
{
    if (f > a) {
        c.punti += p.vittoria;
        if (inCasa) {
            ++c.vinteInCasa;
        } else {
            ++c.vinteFuori;
            c.mediaInglese += 1;
        }
    } else if (f == a) {
        c.punti += p.pareggio;
        if (inCasa) {
            ++c.xInCasa;
            c.mediaInglese -= 1;
        } else {
            ++c.xFuori;
        }
    } else {
        c.punti += p.sconfitta;
        if (inCasa) {
            ++c.perseInCasa;
            c.mediaInglese -= 2;
        } else {
            ++c.perseFuori;
            c.mediaInglese -= 1;
        }
    }
    if (inCasa) {
        c.gFattiCasa += f;
        c.gSubitiCasa += a;
    } else {
        c.gFattiFuori += f;
        c.gSubitiFuori += a;
    }
    ++c.giocate;
}

// Both legs of one row for a team named on side 1 (SQ1) or side 2 (SQ2).
void contaIncontro(Conteggio& c, const Incontro& m, bool primoNominato, const Arco& arco, const PuntiRisultato& p)
{
    if (m.giocataAndata && arco.contieneAndata(m.giornata)) {
        if (primoNominato)
            contaGara(c, m.g1a, m.g2a, true, p);
        else
            contaGara(c, m.g2a, m.g1a, false, p);
    }
    if (m.giocataRitorno && arco.contieneRitorno(m.giornata)) {
        if (primoNominato)
            contaGara(c, m.g1r, m.g2r, false, p);
        else
            contaGara(c, m.g2r, m.g1r, true, p);
    }
}

QVector<Incontro> leggiIncontri()
{
    QVector<Incontro> incontri;
    Query q("SELECT GIORNATANUM, SQ1, SQ2, DISPAND, DISPRIT, G1A, G2A, G1R, G2R FROM PARTITA "
            "WHERE DISPAND = -1 OR DISPRIT = -1");
    while (q.next()) {
        Incontro m;
        m.giornata = q.intero(0);
        m.sq1 = q.testo(1);
        m.sq2 = q.testo(2);
        m.giocataAndata = q.intero(3) == VERO;
        m.giocataRitorno = q.intero(4) == VERO;
        m.g1a = q.intero(5);
        m.g2a = q.intero(6);
        m.g1r = q.intero(7);
        m.g2r = q.intero(8);
        incontri.append(m);
    }
    return incontri;
}

// PENALITA by team name; the first stored row of a name counts.
QHash<QString, int> leggiPenalita()
{
    QHash<QString, int> penalita;
    Query q("SELECT NOME, PENALITA FROM SQUADRA ORDER BY rowid");
    while (q.next()) {
        const QString k = chiaveNome(q.testo(0));
        if (!penalita.contains(k)) penalita.insert(k, q.intero(1));
    }
    return penalita;
}

const char* const CAMPI_CLASSIFICA = "NOME, GIOCATE, PUNTI, VINTEINCASA, PERSEINCASA, XINCASA, VINTEFUORI, PERSEFUORI, "
                                     "XFUORI, GFATTICASA, GSUBITICASA, GFATTIFUORI, GSUBITIFUORI, DIFFRETI, "
                                     "TOTALEFATTI, TOTALEVINTE, TOTALESUBITI, MEDIAINGLESE";

// The PUNTISQUADRE rows, in field order, one per team of the list.
QVector<QVariantList> righeClassifica(const QVector<QString>& nomi, const QVector<Conteggio>& conti,
                                      const QHash<QString, int>& penalita)
{
    QVector<QVariantList> righe;
    for (int i = 0; i < nomi.size(); ++i) {
        const Conteggio& c = conti[i];
        const Totale fatti = c.gFattiCasa + c.gFattiFuori;
        const Totale subiti = c.gSubitiCasa + c.gSubitiFuori;
        QVariantList riga{nomi[i]};
        for (Totale v : {c.giocate, c.punti - penalita.value(chiaveNome(nomi[i]), 0), c.vinteInCasa, c.perseInCasa,
                         c.xInCasa, c.vinteFuori, c.perseFuori, c.xFuori, c.gFattiCasa, c.gSubitiCasa, c.gFattiFuori,
                         c.gSubitiFuori, fatti - subiti, fatti, c.vinteInCasa + c.vinteFuori, subiti, c.mediaInglese})
            riga << v.valore();
        righe.append(riga);
    }
    return righe;
}

// True when the table already holds exactly these rows, in this stored order.
bool giaScritta(const QVector<QVariantList>& righe)
{
    Query q(QStringLiteral("SELECT %1 FROM PUNTISQUADRE ORDER BY rowid").arg(CAMPI_CLASSIFICA));
    qsizetype n = 0;
    while (q.next()) {
        if (n == righe.size()) return false;
        const QVariantList& r = righe[n++];
        if (q.valore(0).isNull() || q.valore(0).toString() != r[0].toString()) return false;
        for (int j = 1; j < r.size(); ++j)
            if (q.valore(j).isNull() || q.valore(j).toLongLong() != r[j].toLongLong()) return false;
    }
    return n == righe.size();
}

// Empties and refills the table in one transaction. Rebuilding a table that is already up to date
// (a window activated again with no new result) leaves the file alone.
void scriviClassifica(const QVector<QVariantList>& righe)
{
    if (giaScritta(righe)) return;
    QSqlDatabase db = DbCampionato();
    Transazione t(db);
    Esegui("DELETE FROM PUNTISQUADRE", {}, db);
    QSqlQuery ins(db);
    if (!ins.prepare(
            QStringLiteral("INSERT INTO PUNTISQUADRE (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?, ?)")
                .arg(CAMPI_CLASSIFICA)))
        throw ErroreDatabase(ins.lastError(), ins.lastQuery());
    for (const QVariantList& r : righe) {
        for (int j = 0; j < r.size(); ++j) ins.bindValue(j, r[j]);
        if (!ins.exec()) throw ErroreDatabase(ins.lastError(), ins.lastQuery());
    }
    t.commit();
}

void ricostruisci(const Arco& arco)
{
    const Stato& s = stato();
    QVector<QString> nomi;
    for (int i = 1; i <= s.NumeroSquadre && i < s.Squadre.size(); ++i) nomi.append(s.Squadre[i].Nome);
    const PuntiRisultato punti{s.PuntiVittoria, s.PuntiPareggio, s.PuntiSconfitta};

    try {
        // Positions of the teams by name: a name listed twice counts for both positions.
        QHash<QString, QVector<int>> posizioni;
        for (int i = 0; i < nomi.size(); ++i) posizioni[chiaveNome(nomi[i])].append(i);

        QVector<Conteggio> conti(nomi.size());
        for (const Incontro& m : leggiIncontri()) {
            const QString k1 = chiaveNome(m.sq1);
            const QString k2 = chiaveNome(m.sq2);
            // A row naming the same team on both sides counts once, as its first-named side.
            if (!m.sq1.isEmpty())
                for (int i : posizioni.value(k1)) contaIncontro(conti[i], m, true, arco, punti);
            if (!m.sq2.isEmpty() && k2 != k1)
                for (int i : posizioni.value(k2)) contaIncontro(conti[i], m, false, arco, punti);
        }
        scriviClassifica(righeClassifica(nomi, conti, leggiPenalita()));
    } catch (const ErroreDatabase& e) {
        throw ErroreDatabase(QStringLiteral("Impossibile aggiornare la classifica: la tabella resta com'era.\r") +
                             e.testo());
    }
}

}  // namespace

void CalcolaClassifica() { ricostruisci(Arco{}); }

void CalcolaClassificaParziale()
{
    const Stato& s = stato();
    ricostruisci(Arco{true, s.ParzDaGiornata, s.ParzDaGirone, s.ParzAGiornata, s.ParzAGirone});
}
