#include "calendar/tabellinoqueries.h"

#include "core/database.h"
#include "core/utilita.h"

namespace {

constexpr const char* DATI[] = {"ARBITRO", "GUARDALINEE", "CONDCLIMATICHE", "TERRENO", "SPETTATORI"};
constexpr const char* STATISTICHE[] = {"TIRI", "TIRIPORTA", "OFFSIDE", "FALLI", "POSSESSO", "CORNER"};

// A stored report text as the editor shows it: the blank that stands for an empty text reads empty.
QString TestoCampo(const QVariant& v)
{
    const QString t = NullInVuoto(v);
    return t.trimmed().isEmpty() ? QString() : t;
}

}  // namespace

QVector<CampoTabellino> TabellinoQueries::campi(bool andata)
{
    const QString girone = andata ? QStringLiteral("A") : QStringLiteral("R");
    // In the return leg SQ2 is at home: its figures carry the digit 2.
    const QString casa = andata ? QStringLiteral("1") : QStringLiteral("2");
    const QString ospite = andata ? QStringLiteral("2") : QStringLiteral("1");
    QVector<CampoTabellino> c;
    for (const char* d : DATI) c.append({QString::fromLatin1(d) + girone, LunghezzaDato});
    for (const QString& squadra : {casa, ospite})
        for (const char* s : STATISTICHE) c.append({QString::fromLatin1(s) + squadra + girone, LunghezzaStatistica});
    return c;
}

QVector<PartitaTabellino> TabellinoQueries::partite(int giornata, bool andata)
{
    const QString ordine = andata ? QStringLiteral("SQ1, SQ2") : QStringLiteral("SQ2, SQ1");
    Query q(
        QStringLiteral("SELECT CODPART, SQ1, SQ2 FROM PARTITA WHERE GIORNATANUM = ? ORDER BY %1, rowid").arg(ordine),
        {giornata});
    QVector<PartitaTabellino> elenco;
    while (q.next()) {
        PartitaTabellino p;
        p.codPart = q.intero(0);
        p.casa = q.testo(andata ? 1 : 2);
        p.ospite = q.testo(andata ? 2 : 1);
        elenco.append(p);
    }
    return elenco;
}

std::optional<DatiTabellino> TabellinoQueries::leggi(int codPart, bool andata)
{
    QStringList colonne;
    for (const CampoTabellino& c : campi(andata)) colonne << c.colonna;
    Query q(
        QStringLiteral("SELECT SQ1, SQ2, %1 FROM PARTITA WHERE CODPART = ?").arg(colonne.join(QStringLiteral(", "))),
        {codPart});
    if (!q.next()) return std::nullopt;
    DatiTabellino d;
    d.casa = q.testo(andata ? 0 : 1);
    d.ospite = q.testo(andata ? 1 : 0);
    for (int i = 0; i < colonne.size(); ++i) d.valori << TestoCampo(q.valore(2 + i));
    return d;
}

bool TabellinoQueries::scrivi(int codPart, bool andata, const QStringList& valori)
{
    const QVector<CampoTabellino> c = campi(andata);
    QStringList assegnazioni;
    QVariantList parametri;
    for (int i = 0; i < c.size(); ++i) {
        assegnazioni << c[i].colonna + QStringLiteral(" = ?");
        parametri << VuotoInSpazio(valori.value(i).left(c[i].lunghezza));
    }
    parametri << codPart;
    Query q(QStringLiteral("UPDATE PARTITA SET %1 WHERE CODPART = ?").arg(assegnazioni.join(QStringLiteral(", "))),
            parametri);
    return q.righeToccate() > 0;
}
