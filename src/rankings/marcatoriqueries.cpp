#include "rankings/marcatoriqueries.h"

#include "core/codici.h"
#include "core/database.h"

const std::array<int, 7> TIPI_COLONNE{TIPO_RIGORE, TIPO_PUNIZIONE,  TIPO_DESTRO, TIPO_SINISTRO,
                                      TIPO_TESTA,  TIPO_ROVESCIATA, TIPO_TACCO};

QVector<RigaMarcatori> RigheMarcatori(const QVector<Marcatore>& marcatori, bool dettagliata, int formatoNome,
                                      const QVector<TipoSquadra>& squadre)
{
    if (marcatori.isEmpty()) return {RigaMarcatori{}};
    QVector<RigaMarcatori> righe;
    for (int i = 0; i < marcatori.size(); ++i) {
        const Marcatore& m = marcatori[i];
        if (i == 0 || m.reti != marcatori[i - 1].reti) righe << RigaMarcatori{};
        QString squadra;
        for (int s = 1; s < squadre.size(); ++s)
            if (squadre[s].Codice.toInt() == m.codSquadra) {
                squadra = squadre[s].Nome;
                break;
            }
        RigaMarcatori r{false,
                        {QString::number(m.reti),
                         NomeGiocatoreElenco(m.nome, m.cognome, formatoNome, GiunturaIniziale::Punto), squadra}};
        if (dettagliata)
            for (int n : m.perTipo) r.celle << QString::number(n);
        righe << r;
    }
    return righe;
}

QVector<Marcatore> MarcatoriQueries::marcatori(std::optional<int> codSquadra, int limite)
{
    QString sql = QStringLiteral("SELECT g.Codice, g.Nome, g.Cognome, g.CodSquadra, g.Reti");
    QVariantList parametri;
    for (int tipo : TIPI_COLONNE) {
        sql += QStringLiteral(", SUM(r.Tipo = ?)");
        parametri << tipo;
    }
    sql += QStringLiteral(" FROM Giocatore g LEFT JOIN Reti r ON r.CodGiocatore = g.Codice WHERE g.Reti > 0");
    if (codSquadra) {
        sql += QStringLiteral(" AND g.CodSquadra = ?");
        parametri << *codSquadra;
    }
    // LIMIT -1 lists them all.
    sql += QStringLiteral(" GROUP BY g.Codice ORDER BY g.Reti DESC, g.CodSquadra, g.Cognome, g.Codice LIMIT ?");
    parametri << (limite > 0 ? limite : -1);

    QVector<Marcatore> marcatori;
    Query q(sql, parametri);
    while (q.next()) {
        Marcatore m{q.intero(0), q.testo(1), q.testo(2), q.intero(3), q.intero(4)};
        for (int k = 0; k < int(m.perTipo.size()); ++k) m.perTipo[k] = q.intero(5 + k);
        marcatori << m;
    }
    return marcatori;
}
