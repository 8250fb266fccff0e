#include "standings/classificaqueries.h"

#include "core/classifica.h"
#include "core/database.h"
#include "core/stato.h"

namespace {

const QString CHIAVI_PUNTI = QStringLiteral("PUNTI DESC, GIOCATE, DIFFRETI DESC, TOTALEFATTI DESC, TOTALEVINTE DESC");

struct DefinizioneOrdine {
    const char* nome;
    const char* chiave;  // the order's own key, before those of order 1 ("" for order 1)
};

// Best first: "DESC" where more is better, ascending where fewer is better.
constexpr DefinizioneOrdine ORDINI[ClassificaQueries::NUMERO_ORDINI] = {
    {"Punti", ""},
    {"Media inglese", "MEDIAINGLESE DESC"},
    {"Differenza reti", "DIFFRETI DESC"},
    {"Gol fatti", "TOTALEFATTI DESC"},
    {"Gol subiti", "TOTALESUBITI"},
    {"Vittorie", "TOTALEVINTE DESC"},
    {"Vittorie in casa", "VINTEINCASA DESC"},
    {"Vittorie fuori casa", "VINTEFUORI DESC"},
    {"Pareggi in casa", "XINCASA DESC"},
    {"Pareggi fuori casa", "XFUORI DESC"},
    {"Sconfitte in casa", "PERSEINCASA"},
    {"Sconfitte fuori casa", "PERSEFUORI"},
    {"Gol fatti in casa", "GFATTICASA DESC"},
    {"Gol fatti fuori casa", "GFATTIFUORI DESC"},
    {"Gol subiti in casa", "GSUBITICASA"},
    {"Gol subiti fuori casa", "GSUBITIFUORI"},
};

bool ordineValido(int ordine) { return ordine >= 1 && ordine <= ClassificaQueries::NUMERO_ORDINI; }

QString testoGirone(int girone) { return girone == 1 ? QStringLiteral("andata") : QStringLiteral("ritorno"); }

}  // namespace

QString ClassificaQueries::nomeOrdine(int ordine)
{
    return ordineValido(ordine) ? QString::fromUtf8(ORDINI[ordine - 1].nome) : QString();
}

QString ClassificaQueries::chiaviOrdine(int ordine)
{
    if (!ordineValido(ordine)) ordine = Punti;
    const QString propria = QString::fromUtf8(ORDINI[ordine - 1].chiave);
    return propria.isEmpty() ? CHIAVI_PUNTI : propria + QStringLiteral(", ") + CHIAVI_PUNTI;
}

QString ClassificaQueries::istruzione(int ordine)
{
    // rowid last: teams equal on every key stay in the order the engine wrote them (team-name order).
    return QStringLiteral("Select * FROM PUNTISQUADRE ORDER BY ") + chiaviOrdine(ordine) + QStringLiteral(", rowid");
}

void ClassificaQueries::ricalcola(bool completa)
{
    if (completa)
        CalcolaClassifica();
    else
        CalcolaClassificaParziale();
}

ArcoGiornate ClassificaQueries::arcoCorrente()
{
    const Stato& s = stato();
    return {s.ParzDaGiornata, s.ParzDaGirone, s.ParzAGiornata, s.ParzAGirone};
}

QString ClassificaQueries::titolo(bool completa, const ArcoGiornate& arco)
{
    if (completa) return QStringLiteral("Classifica generale del campionato");
    return QStringLiteral("Classifica parziale, dalla giornata n° %1 (%2) alla giornata n° %3 (%4)")
        .arg(arco.daGiornata)
        .arg(testoGirone(arco.daGirone))
        .arg(arco.aGiornata)
        .arg(testoGirone(arco.aGirone));
}

QVector<RigaClassifica> ClassificaQueries::leggi(int ordine)
{
    QVector<RigaClassifica> righe;
    Query q(istruzione(ordine));
    while (q.next()) {
        RigaClassifica r;
        r.nome = q.testo("NOME");
        r.giocate = q.intero64("GIOCATE");
        r.punti = q.intero64("PUNTI");
        r.vinteInCasa = q.intero64("VINTEINCASA");
        r.xInCasa = q.intero64("XINCASA");
        r.perseInCasa = q.intero64("PERSEINCASA");
        r.vinteFuori = q.intero64("VINTEFUORI");
        r.xFuori = q.intero64("XFUORI");
        r.perseFuori = q.intero64("PERSEFUORI");
        r.gFattiCasa = q.intero64("GFATTICASA");
        r.gSubitiCasa = q.intero64("GSUBITICASA");
        r.gFattiFuori = q.intero64("GFATTIFUORI");
        r.gSubitiFuori = q.intero64("GSUBITIFUORI");
        r.diffReti = q.intero64("DIFFRETI");
        r.totaleFatti = q.intero64("TOTALEFATTI");
        r.totaleSubiti = q.intero64("TOTALESUBITI");
        r.totaleVinte = q.intero64("TOTALEVINTE");
        r.mediaInglese = q.intero64("MEDIAINGLESE");
        righe.append(r);
    }
    return righe;
}
