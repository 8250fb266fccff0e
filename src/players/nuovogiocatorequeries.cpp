#include "players/nuovogiocatorequeries.h"

#include "core/database.h"

#include <QVariantList>

namespace {

QVariantList Valori(const DatiNuovoGiocatore& d)
{
    return {d.nome,    d.cognome, d.ruolo, d.numero, d.dataNascita, d.luogoNascita,
            d.nazione, d.altezza, d.peso,  d.note,   d.codSquadra};
}

}  // namespace

int NuovoGiocatoreQueries::inserisci(const DatiNuovoGiocatore& d)
{
    QVariantList valori = Valori(d);
    valori << d.foto;
    return InserisciRiga(QStringLiteral("GIOCATORE"),
                         QStringLiteral("INSERT INTO Giocatore (Nome, Cognome, Ruolo, Numero, DataNasc, LuogoNasc, "
                                        "Nazione, Altezza, Peso, Note, CodSquadra, Foto) VALUES (?, ?, ?, ?, ?, ?, ?, "
                                        "?, ?, ?, ?, ?)"),
                         valori);
}

int NuovoGiocatoreQueries::aggiorna(int codice, const DatiNuovoGiocatore& d)
{
    QVariantList valori = Valori(d);
    QString sql = QStringLiteral("UPDATE Giocatore SET Nome = ?, Cognome = ?, Ruolo = ?, Numero = ?, DataNasc = ?, "
                                 "LuogoNasc = ?, Nazione = ?, Altezza = ?, Peso = ?, Note = ?, CodSquadra = ?");
    if (!d.foto.isEmpty()) {
        sql += QStringLiteral(", Foto = ?");
        valori << d.foto;
    }
    valori << codice;
    Query q(sql + QStringLiteral(" WHERE Codice = ?"), valori);
    return q.righeToccate() > 0 ? codice : inserisci(d);
}
