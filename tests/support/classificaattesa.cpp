#include "support/classificaattesa.h"

#include "core/database.h"

#include <algorithm>
#include <QStringList>

QString SquadraAttesa::campi() const
{
    QStringList v;
    for (int n : {giocate, punti, vinteCasa, perseCasa, xCasa, vinteFuori, perseFuori, xFuori, fattiCasa, subitiCasa,
                  fattiFuori, subitiFuori, fatti() - subiti(), fatti(), vinte(), subiti(), mediaInglese})
        v << QString::number(n);
    return v.join(QLatin1Char(' '));
}

QVector<SquadraAttesa> ClassificaAttesa(int da, int a)
{
    Query c(QStringLiteral("SELECT PUNTIVIT, PUNTIX, PUNTISC FROM CAMPIONATO"));
    const bool haPunti = c.next();
    const int vit = haPunti ? c.intero(0) : 0, x = haPunti ? c.intero(1) : 0, sc = haPunti ? c.intero(2) : 0;

    QVector<SquadraAttesa> t;
    Query s(QStringLiteral("SELECT NOME, PENALITA FROM SQUADRA ORDER BY NOME"));
    while (s.next()) {
        t.append(SquadraAttesa{s.testo(0)});
        t.last().punti = -s.intero(1);
    }
    auto stesso = [](const QString& p, const QString& q) { return p.compare(q, Qt::CaseInsensitive) == 0; };

    Query p(QStringLiteral("SELECT GIORNATANUM, SQ1, SQ2, DISPAND, DISPRIT, G1A, G2A, G1R, G2R FROM PARTITA"));
    while (p.next())
        for (int girone = 1; girone <= 2; ++girone) {
            const QVariant flag = p.valore(girone == 1 ? 3 : 4);
            if (flag.isNull() || flag.toInt() != -1) continue;
            const int pos = girone * 100 + p.intero(0);
            if ((da || a) && (pos < da || pos > a)) continue;
            const int g1 = p.intero(girone == 1 ? 5 : 7), g2 = p.intero(girone == 1 ? 6 : 8);
            for (SquadraAttesa& q : t) {
                const bool primo = stesso(p.testo(1), q.nome);
                if (!primo && !stesso(p.testo(2), q.nome)) continue;
                const int miei = primo ? g1 : g2, loro = primo ? g2 : g1;
                const bool casa = (girone == 1) == primo;
                q.giocate += 1;
                (casa ? q.fattiCasa : q.fattiFuori) += miei;
                (casa ? q.subitiCasa : q.subitiFuori) += loro;
                if (miei > loro) {
                    q.punti += vit;
                    ++(casa ? q.vinteCasa : q.vinteFuori);
                    q.mediaInglese += casa ? 0 : 1;
                } else if (miei == loro) {
                    q.punti += x;
                    ++(casa ? q.xCasa : q.xFuori);
                    q.mediaInglese += casa ? -1 : 0;
                } else {
                    q.punti += sc;
                    ++(casa ? q.perseCasa : q.perseFuori);
                    q.mediaInglese += casa ? -2 : -1;
                }
            }
        }
    std::stable_sort(t.begin(), t.end(), [](const SquadraAttesa& p, const SquadraAttesa& q) {
        if (p.punti != q.punti) return p.punti > q.punti;
        if (p.giocate != q.giocate) return p.giocate < q.giocate;
        if (p.fatti() - p.subiti() != q.fatti() - q.subiti()) return p.fatti() - p.subiti() > q.fatti() - q.subiti();
        if (p.fatti() != q.fatti()) return p.fatti() > q.fatti();
        return p.vinte() > q.vinte();
    });
    return t;
}

QString CampiSalvati(const QString& nome)
{
    Query q(QStringLiteral("SELECT GIOCATE, PUNTI, VINTEINCASA, PERSEINCASA, XINCASA, VINTEFUORI, PERSEFUORI, XFUORI, "
                           "GFATTICASA, GSUBITICASA, GFATTIFUORI, GSUBITIFUORI, DIFFRETI, TOTALEFATTI, TOTALEVINTE, "
                           "TOTALESUBITI, MEDIAINGLESE FROM PUNTISQUADRE WHERE NOME = ?"),
            {nome});
    if (!q.next()) return QStringLiteral("assente");
    QStringList v;
    for (int i = 0; i < 17; ++i) v << QString::number(q.intero(i));
    return v.join(QLatin1Char(' '));
}
