#include "shell/schedacampionatoqueries.h"

#include "core/classifica.h"
#include "core/codici.h"
#include "core/database.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/elencoordinato.h"
#include "platform/testoinriga.h"

VistaScheda SchedaCampionatoQueries::vista(Vista v)
{
    VistaScheda s;
    switch (v) {
    case Vista::Squadre:
        s.intestazione = QStringLiteral("Elenco delle squadre iscritte al campionato");
        s.pulsante = QStringLiteral("Visualizza rosa");
        s.suggerimento = QStringLiteral("Visionare la rosa della squadra selezionata");
        s.colonne = {{QStringLiteral("Squadra"), 1, false}, {QStringLiteral("Allenatore"), 1, false}};
        s.totaleParti = 2;
        break;
    case Vista::Classifica:
        s.intestazione = QStringLiteral("Classifica generale del campionato");
        s.pulsante = QStringLiteral("Classifica dettagliata");
        s.suggerimento = QStringLiteral("Visualizzare la classifica con più dettagli");
        s.colonne = {{QStringLiteral("Squadra"), 4, false},
                     {QStringLiteral("Punti"), 1, true},
                     {QStringLiteral("Giocate"), 1, true}};
        s.totaleParti = 7;
        break;
    case Vista::Marcatori:
        s.intestazione = QStringLiteral("Classifica marcatori");
        s.pulsante = QStringLiteral("Classifica dettagliata");
        s.suggerimento = QStringLiteral("Visualizzare la classifica marcatori con più informazioni");
        s.colonne = {{QStringLiteral("Reti"), 1, false},
                     {QStringLiteral("Giocatore"), 4, false},
                     {QStringLiteral("Squadra"), 4, false}};
        s.totaleParti = 10;
        break;
    case Vista::UltimoTurno:
    case Vista::ProssimoTurno:
        if (v == Vista::ProssimoTurno) {
            s.intestazione = QStringLiteral("Il prossimo turno del campionato");
            s.pulsante = QStringLiteral("Inserire i risultati");
            s.suggerimento = QStringLiteral("Inserire i risultati del prossimo turno di campionato");
        } else {
            s.intestazione = QStringLiteral("Risultati dell'ultima giornata disputata");
            s.pulsante = QStringLiteral("Calendario");
            s.suggerimento = QStringLiteral("Visualizzare il calendario del campionato");
        }
        s.colonne = {{QStringLiteral("Partita"), 4, false}, {QStringLiteral("Risultato"), 1, true}};
        s.totaleParti = 7;
        break;
    }
    return s;
}

QVector<QStringList> SchedaCampionatoQueries::squadre()
{
    QVector<QStringList> righe;
    Query q(QStringLiteral("SELECT NOME, ALLENATORE FROM SQUADRA ORDER BY NOME, rowid"));
    while (q.next()) righe.append({q.testo(0), q.testo(1)});
    return righe;
}

QVector<QStringList> SchedaCampionatoQueries::classifica()
{
    CalcolaClassifica();
    QVector<QStringList> righe;
    Query q(QStringLiteral("SELECT NOME, PUNTI, GIOCATE FROM PUNTISQUADRE ORDER BY PUNTI DESC, GIOCATE, "
                           "DIFFRETI DESC, TOTALEFATTI DESC, TOTALEVINTE DESC, rowid"));
    while (q.next()) righe.append({q.testo(0), q.testo(1), q.testo(2)});
    return righe;
}

namespace {

// The name of the team whose code is `codice`, as the open championship lists it; "" when none.
QString nomeSquadraDiCodice(int codice)
{
    const Stato& s = stato();
    for (int t = 1; t <= s.NumeroSquadre && t < s.Squadre.size(); ++t)
        if (Val(s.Squadre[t].Codice) == codice) return s.Squadre[t].Nome;
    return QString();
}

}  // namespace

QVector<QStringList> SchedaCampionatoQueries::marcatori(int formatoNome, int quanti)
{
    // Totals ranked by number, highest first. The sorted list keeps equal totals in the order the
    // rankings have always used: the later player code first. The key is wider than any total,
    // so totals of any size sort as numbers; the row shows the total as three digits.
    ElencoOrdinato elenco;
    {
        Query q(QStringLiteral("SELECT COUNT(*) AS Totale, CODGIOCATORE FROM RETI GROUP BY CODGIOCATORE "
                               "ORDER BY CODGIOCATORE"));
        while (q.next()) elenco.aggiungi(QString::number(q.intero(0)).rightJustified(10, '0'), q.intero(1));
    }
    QVector<QStringList> righe;
    const QList<ElencoOrdinato::Voce> voci = elenco.dallaFine();
    for (const ElencoOrdinato::Voce& v : voci) {
        if (righe.size() >= quanti) break;
        QStringList riga{FormattaTreCifre(Val(v.chiave)), QString(), QString()};
        Query g(QStringLiteral("SELECT NOME, COGNOME, CODSQUADRA FROM GIOCATORE WHERE CODICE = ?"), {v.codice});
        if (g.next()) {
            riga[1] = NomeGiocatore(g.testo(0), g.testo(1), formatoNome);
            riga[2] = nomeSquadraDiCodice(g.intero(2));
        }
        righe.append(riga);
    }
    return righe;
}

QVector<QStringList> SchedaCampionatoQueries::turno(int giornata, bool andata, QVector<int>* partite)
{
    // A match day's pairings are stored in ascending RIGA; rowid keeps ties in stored order.
    const QString sql = andata ? QStringLiteral("SELECT SQ1, SQ2, DISPAND, G1A, G2A, CODPART FROM PARTITA "
                                                "WHERE GIORNATANUM = ? ORDER BY RIGA, rowid")
                               : QStringLiteral("SELECT SQ2, SQ1, DISPRIT, G2R, G1R, CODPART FROM PARTITA "
                                                "WHERE GIORNATANUM = ? ORDER BY SQ2, SQ1, rowid");
    QVector<QStringList> righe;
    Query q(sql, {giornata});
    while (q.next()) {
        const QString partita = IncontroInRiga(q.testo(0), q.testo(1));
        const bool giocata = q.intero(2) == VERO;  // any other value, Null included: not played
        const QString risultato = giocata ? q.testo(3) + QStringLiteral(" - ") + q.testo(4) : QStringLiteral("n.d.");
        righe.append({partita, risultato});
        if (partite) partite->append(q.intero(5));
    }
    return righe;
}
