#pragma once

// What the calendar tests share besides their environment (support/ambientetest.h): reading the
// stored matches back, pressing a panel button and answering a modal window.

#include "core/database.h"
#include "platform/pannello.h"
#include "support/fixturedati.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <QApplication>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>

// A field of the PARTITA row of `codPart`, as stored (an invalid QVariant for Null).
inline QVariant CampoPartita(int codPart, const QString& campo)
{
    Query q(QStringLiteral("SELECT %1 FROM PARTITA WHERE CODPART = ?").arg(campo), {codPart});
    return q.next() ? q.valore(0) : QVariant();
}

// The rows of a query, one text each: its fields joined by "|", Null as "NULL".
inline QStringList Righe(const QString& sql, const QVariantList& valori = {})
{
    QStringList righe;
    Query q(sql, valori);
    while (q.next()) {
        QStringList v;
        for (int i = 0; i < q.sql().record().count(); ++i)
            v << (q.valore(i).isNull() ? QStringLiteral("NULL") : q.valore(i).toString());
        righe << v.join(QLatin1Char('|'));
    }
    return righe;
}

// Fields of the PARTITA row of `codPart` ("G1A, G2A") as Righe() writes them; "" without the row.
inline QString CampiPartita(int codPart, const QString& campi)
{
    return Righe(QStringLiteral("SELECT %1 FROM PARTITA WHERE CODPART = ?").arg(campi), {codPart}).value(0);
}

// A played flag of the GIORNATA row of `giornata` ("DispAnd" or "DispRit").
inline QVariant FlagGiornata(int giornata, bool andata)
{
    return Valore(andata ? QStringLiteral("SELECT DispAnd FROM Giornata WHERE Numero = ?")
                         : QStringLiteral("SELECT DispRit FROM Giornata WHERE Numero = ?"),
                  {giornata});
}

inline int Conta(const QString& tabella) { return Valore(QStringLiteral("SELECT COUNT(*) FROM ") + tabella).toInt(); }

// The pairings of the calendar in stored order, one text each: "day/row SQ1-SQ2 #CODPART".
inline QStringList Accoppiamenti()
{
    QStringList r;
    Query q("SELECT GIORNATANUM, RIGA, SQ1, SQ2, CODPART FROM PARTITA ORDER BY rowid");
    while (q.next())
        r << QStringLiteral("%1/%2 %3-%4 #%5")
                 .arg(q.intero(0))
                 .arg(q.intero(1))
                 .arg(q.testo(2), q.testo(3))
                 .arg(q.intero(4));
    return r;
}

// The pairings of a match day as the calendar viewer and results entry list them: by the home team of
// the leg, then its away team.
inline QVector<PartitaFixture> PartiteOrdinate(const DatiFixture& d, int giornata, bool andata)
{
    QVector<PartitaFixture> v;
    for (const PartitaFixture& p : d.partite)
        if (p.giornata == giornata) v << p;
    std::sort(v.begin(), v.end(), [andata](const PartitaFixture& a, const PartitaFixture& b) {
        return std::pair(a.casa(andata), a.ospite(andata)) < std::pair(b.casa(andata), b.ospite(andata));
    });
    return v;
}

// Twenty team names of the longest length SQUADRA.NOME holds (30 characters).
inline QStringList NomiLunghi()
{
    QStringList nomi;
    for (int i = 1; i <= 20; ++i)
        nomi << QStringLiteral("Associazione Calcio Squadra %1").arg(i, 2, 10, QLatin1Char('0'));
    return nomi;
}

// Clicks the panel button of highlight `id`.
inline void Premi(int id)
{
    Pannello* p = Pannello::perId(id);
    QVERIFY2(p, qPrintable(QStringLiteral("nessun pannello %1").arg(id)));
    QVERIFY(p->isEnabled());
    QTest::mouseClick(p, Qt::LeftButton);
}

// Runs `azione` on the application-modal widget as soon as one is up (a window shown modal, or a modal
// dialog), from inside its event loop; gives up after a few seconds.
inline void QuandoModale(std::function<void(QWidget*)> azione)
{
    auto* timer = new QTimer;
    auto tentativi = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tentativi, azione] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w && ++*tentativi < 500) return;
        timer->stop();
        timer->deleteLater();
        if (w) azione(w);
    });
    timer->start(10);
}
