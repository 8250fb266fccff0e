#include "match/formazioniqueries.h"

#include "core/database.h"
#include "core/utilita.h"

#include <QHash>

namespace {

// The side of a stored team name: 0 team 1, 1 team 2, -1 neither. Names compare ignoring case, as
// the file does.
int Lato(const std::array<QString, 2>& squadre, const QString& nome)
{
    for (int t = 0; t < 2; ++t)
        if (squadre[t].compare(nome, Qt::CaseInsensitive) == 0) return t;
    return -1;
}

// The starters' rows of the leg stored for both teams: (side, RIGA) -> key, the first by key.
QHash<QPair<int, int>, int> ChiaviTitolari(const ChiaveFormazioni& k)
{
    QHash<QPair<int, int>, int> chiavi;
    Query q(QStringLiteral("SELECT Codice, Squadra, Riga FROM Presenze WHERE CodPartita = ? AND Girone = ? "
                           "AND Titolare = ? AND Riga BETWEEN 1 AND ? ORDER BY Codice"),
            {k.codPart, GironePresenze(k.andata), VERO, RIGHE_TITOLARI});
    while (q.next()) {
        const int t = Lato(k.squadre, q.testo(1));
        if (t >= 0 && !chiavi.contains({t, q.intero(2)})) chiavi.insert({t, q.intero(2)}, q.intero(0));
    }
    return chiavi;
}

}  // namespace

namespace FormazioniQueries {

std::array<SquadraFormazione, 2> carica(const DatiPartita& partita, bool andata, int formatoNome)
{
    std::array<SquadraFormazione, 2> s;
    const std::array<QString, 2> nomi{partita.casa, partita.ospite};
    for (int t = 0; t < 2; ++t) s[t].nome = nomi[t];

    Query g(QStringLiteral("SELECT g.Codice, g.Nome, g.Cognome, g.Numero, s.Nome FROM Giocatore g "
                           "JOIN Squadra s ON s.Codice = g.CodSquadra WHERE s.Nome = ? OR s.Nome = ? "
                           "ORDER BY g.Cognome, g.Nome, g.Codice"),
            {nomi[0], nomi[1]});
    while (g.next()) {
        const int t = Lato(nomi, g.testo(4));
        if (t < 0) continue;
        s[t].rosa.append({g.intero(0),
                          NomeGiocatoreElenco(g.testo(1), g.testo(2), formatoNome, GiunturaIniziale::Punto),
                          g.intero(3)});
    }

    Query p(QStringLiteral("SELECT Squadra, Riga, CodGiocatore, Nome, Ammonito, Voto, NumMaglia FROM Presenze "
                           "WHERE CodPartita = ? AND Girone = ? AND Titolare = ? AND Riga BETWEEN 1 AND ? "
                           "ORDER BY Codice"),
            {partita.codPart, GironePresenze(andata), VERO, RIGHE_TITOLARI});
    while (p.next()) {
        const int t = Lato(nomi, p.testo(0));
        if (t < 0) continue;
        std::optional<TitolareSalvato>& r = s[t].titolari[p.intero(1) - 1];
        if (r) continue;
        r = TitolareSalvato{p.nullo("CodGiocatore") ? GIOCATORE_NON_IN_ROSA : p.intero(2), p.testo(3), p.intero(4),
                            p.valore(5), p.valore(6)};
    }
    return s;
}

QVector<ScritturaTitolare> salva(const ChiaveFormazioni& k, const QVector<ScritturaTitolare>& righe)
{
    QVector<ScritturaTitolare> rimaste;
    if (righe.isEmpty()) return rimaste;
    Transazione tr;
    const QHash<QPair<int, int>, int> chiavi = ChiaviTitolari(k);
    for (const ScritturaTitolare& w : righe) {
        const int chiave = chiavi.value({w.lato, w.riga}, -1);
        const RigaFormazione& r = w.dati;
        if (r.vuota()) {
            if (chiave < 0) continue;
            // A starter who went off, or whom a substitute's row points at, stays.
            const bool legato =
                Valore(QStringLiteral("SELECT 1 FROM Presenze WHERE Codice = ? AND COALESCE(Sostituito, 0) <> 0 "
                                      "UNION ALL SELECT 1 FROM Presenze WHERE ChiHaSost = ?"),
                       {chiave, chiave})
                    .isValid();
            if (legato)
                rimaste.append(w);
            else
                Esegui(QStringLiteral("DELETE FROM Presenze WHERE Codice = ?"), {chiave});
            continue;
        }
        QStringList campi{QStringLiteral("Giornata"), QStringLiteral("Ammonito"), QStringLiteral("CodGiocatore"),
                          QStringLiteral("Nome")};
        QVariantList valori{k.giornata, r.ammonito, r.codGiocatore, r.nome};
        if (r.numMaglia) {
            campi << QStringLiteral("NumMaglia");
            valori << *r.numMaglia;
        }
        if (w.voto) {
            campi << QStringLiteral("Voto");
            valori << *w.voto;
        }
        if (chiave >= 0) {
            valori << chiave;
            Esegui(
                QStringLiteral("UPDATE Presenze SET %1 = ? WHERE Codice = ?").arg(campi.join(QStringLiteral(" = ?, "))),
                valori);
        } else {
            campi << QStringLiteral("Girone") << QStringLiteral("CodPartita") << QStringLiteral("Squadra")
                  << QStringLiteral("Titolare") << QStringLiteral("Sostituito") << QStringLiteral("Riga");
            valori << GironePresenze(k.andata) << k.codPart << k.squadre[w.lato] << VERO << 0 << w.riga;
            InserisciRiga(QStringLiteral("PRESENZE"),
                          QStringLiteral("INSERT INTO Presenze (%1) VALUES (%2)")
                              .arg(campi.join(QStringLiteral(", ")),
                                   QStringList(campi.size(), QStringLiteral("?")).join(QStringLiteral(", "))),
                          valori);
        }
    }
    tr.commit();
    return rimaste;
}

}  // namespace FormazioniQueries
