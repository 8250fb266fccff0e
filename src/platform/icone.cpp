#include "platform/icone.h"

#include "platform/disegniicone.h"

#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>

namespace {

// Draws `nome` into a transparent square image of `lato` device pixels; greyed and faded
// for a disabled control.
QImage Disegna(const QString& nome, QSize dimensione, QIcon::Mode modo)
{
    QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        const qreal lato = qMin(dimensione.width(), dimensione.height());
        p.translate((dimensione.width() - lato) / 2.0, (dimensione.height() - lato) / 2.0);
        p.scale(lato / 32.0, lato / 32.0);
        if (!DisegnaIcona(p, nome)) return {};
    }
    if (modo == QIcon::Disabled) {
        for (int y = 0; y < img.height(); ++y) {
            auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = riga[x];
                const int a = qAlpha(c);
                // Premultiplied: grey the colour, then fade colour and alpha together.
                const int g = (qRed(c) * 11 + qGreen(c) * 16 + qBlue(c) * 5) / 32;
                const int grigio = g + (a - g) / 3;
                riga[x] = qRgba(grigio * 45 / 100, grigio * 45 / 100, grigio * 45 / 100, a * 45 / 100);
            }
        }
    }
    return img;
}

class MotoreIcona : public QIconEngine {
public:
    explicit MotoreIcona(const QString& nome) : nome_(nome) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, disegno((QSizeF(rect.size()) * dpr).toSize(), mode, dpr));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override { return disegno(size, mode, 1.0); }

    // QIcon asks for `size` already in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        return disegno(size, mode, scale);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }
    QString key() const override { return QStringLiteral("golvarno"); }
    QString iconName() override { return nome_; }
    QIconEngine* clone() const override { return new MotoreIcona(nome_); }

private:
    // The drawing at `pixel` device pixels, cached, for a screen of ratio `dpr`.
    QPixmap disegno(const QSize& pixel, QIcon::Mode mode, qreal dpr) const
    {
        if (pixel.isEmpty()) return {};
        const QString chiave = QStringLiteral("golvarno-icona:%1:%2x%3:%4")
                                   .arg(nome_)
                                   .arg(pixel.width())
                                   .arg(pixel.height())
                                   .arg(int(mode == QIcon::Disabled));
        QPixmap pm;
        if (!QPixmapCache::find(chiave, &pm)) {
            pm = QPixmap::fromImage(Disegna(nome_, pixel, mode));
            QPixmapCache::insert(chiave, pm);
        }
        pm.setDevicePixelRatio(dpr);
        return pm;
    }

    QString nome_;
};

}  // namespace

QIcon Icona(const QString& nome)
{
    static QHash<QString, QIcon> cache;
    const auto it = cache.constFind(nome);
    if (it != cache.constEnd()) return *it;
    if (!NomiDisegniIcone().contains(nome)) return {};
    const QIcon icona(new MotoreIcona(nome));
    cache.insert(nome, icona);
    return icona;
}

QPixmap PixmapIcona(const QString& nome, int lato)
{
    const QIcon icona = Icona(nome);
    if (icona.isNull() || lato < 1) return {};
    return icona.pixmap(QSize(lato, lato), 1.0);
}

QStringList NomiIcone() { return NomiDisegniIcone(); }
