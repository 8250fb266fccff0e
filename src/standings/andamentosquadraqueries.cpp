#include "standings/andamentosquadraqueries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"

#include <array>

namespace {

using Misura = Totale QuartoAndamento::*;

void ContaGara(QuartoAndamento& q, int fatti, int subiti, int vittoria, int pareggio, int sconfitta)
{
    ++q.Giocate;
    q.Fatti += fatti;
    q.Subiti += subiti;
    if (fatti > subiti) {
        ++q.Vinte;
        q.Punti += vittoria;
    } else if (fatti == subiti) {
        ++q.Pareggiate;
        q.Punti += pareggio;
    } else {
        ++q.Perse;
        q.Punti += sconfitta;
    }
}

// The nine figures of a measure, in the order of the table's value columns without the spacers:
// first leg home, away, both; return leg home, away, both; season home, away, both.
std::array<Totale, 9> Figure(const ContatoriAndamento& c, Misura m)
{
    const Totale ac = c.AndataCasa.*m, af = c.AndataFuori.*m, rc = c.RitornoCasa.*m, rf = c.RitornoFuori.*m;
    return {ac, af, ac + af, rc, rf, rc + rf, ac + rc, af + rf, ac + af + rc + rf};
}

// The row of the table: the label and the nine values with an empty spacer after each group of three.
QStringList Riga(const QString& etichetta, const std::array<QString, 9>& valori)
{
    QStringList r{etichetta};
    for (int i = 0; i < 9; ++i) {
        r << valori[i];
        if (i == 2 || i == 5) r << QString();
    }
    return r;
}

QStringList RigaConteggio(const QString& etichetta, const ContatoriAndamento& c, Misura m)
{
    const std::array<Totale, 9> f = Figure(c, m);
    std::array<QString, 9> t;
    for (int i = 0; i < 9; ++i) t[i] = QString::number(f[i].valore());
    return Riga(etichetta, t);
}

// Each average divides the figure of a column by the legs played that the same column counts.
QStringList RigaMedia(const QString& etichetta, const ContatoriAndamento& c, Misura m)
{
    const std::array<Totale, 9> n = Figure(c, m);
    const std::array<Totale, 9> g = Figure(c, &QuartoAndamento::Giocate);
    std::array<QString, 9> t;
    for (int i = 0; i < 9; ++i) t[i] = NullInVuoto(QVariant(Media(n[i].valore(), g[i].valore())));
    return Riga(etichetta, t);
}

}  // namespace

ContatoriAndamento AndamentoSquadraQueries::CalcolaAndamento(const QString& squadra, int puntiVittoria,
                                                             int puntiPareggio, int puntiSconfitta)
{
    ContatoriAndamento c;
    if (squadra.isEmpty()) return c;
    Query q(QStringLiteral("SELECT Sq1, Sq2, DispAnd, DispRit, G1A, G2A, G1R, G2R FROM Partita "
                           "WHERE Sq1 = ? OR Sq2 = ? ORDER BY GiornataNum, rowid"),
            {squadra, squadra});
    while (q.next()) {
        const bool casaAndata = q.testo(0).compare(squadra, Qt::CaseInsensitive) == 0;
        const int g1a = q.intero(4), g2a = q.intero(5), g1r = q.intero(6), g2r = q.intero(7);
        if (Disputata(q.valore(2))) {
            if (casaAndata)
                ContaGara(c.AndataCasa, g1a, g2a, puntiVittoria, puntiPareggio, puntiSconfitta);
            else
                ContaGara(c.AndataFuori, g2a, g1a, puntiVittoria, puntiPareggio, puntiSconfitta);
        }
        if (Disputata(q.valore(3))) {
            // In the return leg SQ2 is at home.
            if (q.testo(1).compare(squadra, Qt::CaseInsensitive) == 0)
                ContaGara(c.RitornoCasa, g2r, g1r, puntiVittoria, puntiPareggio, puntiSconfitta);
            else
                ContaGara(c.RitornoFuori, g1r, g2r, puntiVittoria, puntiPareggio, puntiSconfitta);
        }
    }
    return c;
}

QStringList AndamentoSquadraQueries::EtichetteAndamento()
{
    return {QStringLiteral("Partite giocate "),
            QStringLiteral("Vittorie "),
            QStringLiteral("Pareggi "),
            QStringLiteral("Sconfitte "),
            QStringLiteral("Gol segnati "),
            QStringLiteral("Gol subiti "),
            QStringLiteral("Media gol segnati a partita "),
            QStringLiteral("Media gol subiti a partita "),
            QStringLiteral("Punti ottenuti "),
            QStringLiteral("Media punti a partita ")};
}

QVector<QStringList> AndamentoSquadraQueries::TabellaAndamento(const ContatoriAndamento& c)
{
    const QStringList e = EtichetteAndamento();
    return {
        RigaConteggio(e[0], c, &QuartoAndamento::Giocate),    RigaConteggio(e[1], c, &QuartoAndamento::Vinte),
        RigaConteggio(e[2], c, &QuartoAndamento::Pareggiate), RigaConteggio(e[3], c, &QuartoAndamento::Perse),
        RigaConteggio(e[4], c, &QuartoAndamento::Fatti),      RigaConteggio(e[5], c, &QuartoAndamento::Subiti),
        RigaMedia(e[6], c, &QuartoAndamento::Fatti),          RigaMedia(e[7], c, &QuartoAndamento::Subiti),
        RigaConteggio(e[8], c, &QuartoAndamento::Punti),      RigaMedia(e[9], c, &QuartoAndamento::Punti),
    };
}
