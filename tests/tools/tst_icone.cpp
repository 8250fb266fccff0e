#include "platform/icone.h"

#include <QHash>
#include <QImage>
#include <QTest>

namespace {

int PixelVisibili(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 0;
    return n;
}

} // namespace

class TestIcone : public QObject {
    Q_OBJECT
private slots:
    void nomiRichiesti_data() {
        QTest::addColumn<QString>("nome");
        // The names the windows ask for: the main toolbar's buttons and the panels of the other windows.
        const QString nomi = "apri nuovo scheda giornate calendario classifica risultati prossimo squadra tabella "
                             "grafico formazioni statistiche almanacco confronto confronto_statistico guida "
                             "giocatore marcatori pallone esci precedente successivo salva chiudi elimina aggiungi "
                             "stampa copia cerca cartella_aperta cartella_chiusa ammonito espulso vittoria pareggio "
                             "sconfitta sostituzione sfondo";
        for (const QString& n : nomi.split(' '))
            QTest::newRow(qPrintable(n)) << n;
    }
    void nomiRichiesti() {
        QFETCH(QString, nome);
        QVERIFY(NomiIcone().contains(nome));
        QVERIFY(!Icona(nome).isNull());
    }

    void disegni_data() {
        QTest::addColumn<QString>("nome");
        for (const QString& n : NomiIcone())
            QTest::newRow(qPrintable(n)) << n;
    }
    void disegni() {
        QFETCH(QString, nome);
        for (int lato : {16, 32, 48}) {
            const QPixmap pm = PixmapIcona(nome, lato);
            QCOMPARE(pm.size(), QSize(lato, lato));
            const QImage img = pm.toImage();
            // A drawing, not an empty or filled square (the background tile fills it all).
            const int visibili = PixelVisibili(img);
            QVERIFY2(visibili > lato * lato / 8, qPrintable(QString("%1 px a %2").arg(visibili).arg(lato)));
            if (nome != "sfondo") QVERIFY(visibili < lato * lato);
        }
        // Disabled: grey and fainter.
        const QImage spento = Icona(nome).pixmap(QSize(32, 32), QIcon::Disabled).toImage();
        const QImage acceso = Icona(nome).pixmap(QSize(32, 32)).toImage();
        QVERIFY(spento != acceso);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb c = spento.pixel(x, y);
                QVERIFY(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c));
                QVERIFY(qAlpha(c) <= qAlpha(acceso.pixel(x, y)));
            }
    }

    void disegniDiversi() {
        // No two names share a drawing.
        QHash<QByteArray, QString> visti;
        for (const QString& nome : NomiIcone()) {
            const QImage img = PixmapIcona(nome, 32).toImage().convertToFormat(QImage::Format_ARGB32);
            const QByteArray chiave(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes());
            QVERIFY2(!visti.contains(chiave), qPrintable(nome + " = " + visti.value(chiave)));
            visti.insert(chiave, nome);
        }
    }

    void nitidaSuSchermiDensi() {
        // At device pixel ratio 2 the icon is drawn with twice the pixels, not scaled up.
        const QPixmap pm = Icona("calendario").pixmap(QSize(32, 32), 2.0);
        QCOMPARE(pm.size(), QSize(64, 64));
        QCOMPARE(pm.devicePixelRatio(), 2.0);
        QImage fine = pm.toImage();
        fine.setDevicePixelRatio(1.0);
        QCOMPARE(fine, PixmapIcona("calendario", 64).toImage());
    }

    void nomeSconosciuto() {
        QVERIFY(Icona("inesistente").isNull());
        QVERIFY(PixmapIcona("inesistente").isNull());
        QVERIFY(Icona("Apri").isNull()); // names are exact
        QVERIFY(PixmapIcona("apri", 0).isNull());
    }
};

QTEST_MAIN(TestIcone)
#include "tst_icone.moc"
