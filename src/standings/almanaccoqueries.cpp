#include "standings/almanaccoqueries.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"

namespace {

// The value of a one-row aggregate: Null (a sum over nothing) and no row read 0.
int Dato(const QString& sql, std::initializer_list<QVariant> parametri)
{
    const QVariant v = Valore(sql, parametri);
    return v.isNull() ? 0 : int(v.toLongLong());
}

QStringList Riga(const QString& etichetta, const FiguraAlmanacco& f)
{
    return {etichetta, QString::number(f.andata), QString::number(f.ritorno), QString::number(f.totale())};
}

QString TestoMedia(int reti, int partite) { return NullInVuoto(QVariant(Media(reti, partite))); }

}  // namespace

DatiAlmanacco AlmanaccoQueries::CalcolaAlmanacco()
{
    DatiAlmanacco d;
    d.turni.andata = Dato(QStringLiteral("SELECT COUNT(*) FROM Giornata WHERE DispAnd = ?"), {VERO});
    d.turni.ritorno = Dato(QStringLiteral("SELECT COUNT(*) FROM Giornata WHERE DispRit = ?"), {VERO});
    d.partite.andata = Dato(QStringLiteral("SELECT COUNT(*) FROM Partita WHERE DispAnd = ?"), {VERO});
    d.partite.ritorno = Dato(QStringLiteral("SELECT COUNT(*) FROM Partita WHERE DispRit = ?"), {VERO});
    d.vittorie.andata = Dato(QStringLiteral("SELECT COUNT(*) FROM Partita WHERE DispAnd = ? AND G1A > G2A"), {VERO});
    d.vittorie.ritorno = Dato(QStringLiteral("SELECT COUNT(*) FROM Partita WHERE DispRit = ? AND G2R > G1R"), {VERO});
    d.pareggi.andata = Dato(QStringLiteral("SELECT COUNT(*) FROM Partita WHERE DispAnd = ? AND G1A = G2A"), {VERO});
    d.pareggi.ritorno = Dato(QStringLiteral("SELECT COUNT(*) FROM Partita WHERE DispRit = ? AND G2R = G1R"), {VERO});
    d.reti.andata = Dato(QStringLiteral("SELECT SUM(G1A + G2A) FROM Partita WHERE DispAnd = ?"), {VERO});
    d.reti.ritorno = Dato(QStringLiteral("SELECT SUM(G1R + G2R) FROM Partita WHERE DispRit = ?"), {VERO});
    const QString rigori = QStringLiteral("SELECT COUNT(*) FROM Reti WHERE Girone = ? AND Tipo = ?");
    d.rigori = {Dato(rigori, {GIRONE_RETI_ANDATA, TIPO_RIGORE}), Dato(rigori, {GIRONE_RETI_RITORNO, TIPO_RIGORE})};
    // Booked: a card code from 1 to 100; sent off: above 100.
    const QString ammonizioni =
        QStringLiteral("SELECT COUNT(*) FROM Presenze WHERE Girone = ? AND Ammonito BETWEEN ? AND ?");
    const QString espulsioni = QStringLiteral("SELECT COUNT(*) FROM Presenze WHERE Girone = ? AND Ammonito > ?");
    for (bool andata : {true, false}) {
        int& a = andata ? d.ammonizioni.andata : d.ammonizioni.ritorno;
        int& e = andata ? d.espulsioni.andata : d.espulsioni.ritorno;
        a = Dato(ammonizioni, {GironePresenze(andata), CARTELLINO_GIALLO, CARTELLINO_ROSSO - 1});
        e = Dato(espulsioni, {GironePresenze(andata), CARTELLINO_ROSSO - 1});
    }
    return d;
}

QStringList AlmanaccoQueries::EtichetteAlmanacco()
{
    return {
        QStringLiteral("Turni disputati"), QStringLiteral("Partite disputate"), QStringLiteral("Vittorie"),
        QStringLiteral("Pareggi"),         QStringLiteral("Reti segnate"),      QStringLiteral("Media gol per partita"),
        QStringLiteral("Rigori"),          QStringLiteral("Ammonizioni"),       QStringLiteral("Espulsioni")};
}

QVector<QStringList> AlmanaccoQueries::TabellaAlmanacco(const DatiAlmanacco& d)
{
    const QStringList e = EtichetteAlmanacco();
    return {
        Riga(e[0], d.turni),
        Riga(e[1], d.partite),
        Riga(e[2], d.vittorie),
        Riga(e[3], d.pareggi),
        Riga(e[4], d.reti),
        {e[5], TestoMedia(d.reti.andata, d.partite.andata), TestoMedia(d.reti.ritorno, d.partite.ritorno),
         TestoMedia(d.reti.totale(), d.partite.totale())},
        Riga(e[6], d.rigori),
        Riga(e[7], d.ammonizioni),
        Riga(e[8], d.espulsioni),
    };
}
