#include "platform/icone.h"

#include <QHash>
#include <QImage>
#include <QTest>

class TestIcone : public QObject {
    Q_OBJECT
private slots:
    // Every name the windows ask for has a drawing of its own; a wrong name gets none.
    void nomiRichiestiEDistinti()
    {
        const QString nomi = "apri nuovo scheda giornate calendario classifica risultati prossimo squadra tabella "
                             "grafico formazioni statistiche almanacco confronto confronto_statistico guida "
                             "giocatore marcatori pallone esci precedente successivo salva chiudi elimina aggiungi "
                             "stampa copia cerca cartella_aperta cartella_chiusa ammonito espulso vittoria pareggio "
                             "sconfitta sostituzione sfondo";
        for (const QString& n : nomi.split(' ')) QVERIFY2(!Icona(n).isNull(), qPrintable(n));
        QList<QImage> visti;
        for (const QString& nome : NomiIcone()) {
            const QImage img = PixmapIcona(nome, 32).toImage();
            QVERIFY2(!visti.contains(img), qPrintable(nome));
            visti << img;
        }
        QVERIFY(Icona("inesistente").isNull() && Icona("Apri").isNull() && PixmapIcona("apri", 0).isNull());
    }

    // At device pixel ratio 2 the icon is drawn with twice the pixels, not scaled up; disabled, it is grey.
    void nitidaEGrigia()
    {
        const QPixmap pm = Icona("calendario").pixmap(QSize(32, 32), 2.0);
        QCOMPARE(pm.size(), QSize(64, 64));
        QImage fine = pm.toImage();
        fine.setDevicePixelRatio(1.0);
        QCOMPARE(fine, PixmapIcona("calendario", 64).toImage());
        const QImage spento = Icona("salva").pixmap(QSize(32, 32), QIcon::Disabled).toImage();
        QVERIFY(spento != Icona("salva").pixmap(QSize(32, 32)).toImage());
        for (int i = 0; i < 32 * 32; ++i)
            QCOMPARE(qGray(spento.pixel(i % 32, i / 32)), qRed(spento.pixel(i % 32, i / 32)));
    }
};

QTEST_MAIN(TestIcone)
#include "tst_icone.moc"
