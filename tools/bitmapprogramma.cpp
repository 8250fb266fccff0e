#include "tools/bitmapprogramma.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kBianco(255, 255, 255);

// A playing card seen slightly tilted, as the referee holds it up.
void Cartellino(QPainter& p, const QColor& colore)
{
    p.save();
    p.translate(8, 8);
    p.rotate(12);
    const QRectF carta(-4.2, -6.4, 8.4, 12.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(carta.translated(0.9, 0.9), 1.2, 1.2);
    p.setBrush(colore);
    p.setPen(QPen(colore.darker(150), 0.8));
    p.drawRoundedRect(carta, 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(carta.left() + 1.2, carta.top() + 1.2, 1.6, carta.height() - 2.4), 0.8, 0.8);
    p.restore();
}

// A round mark with a white sign on it.
void Esito(QPainter& p, const QColor& colore, QChar segno)
{
    p.setPen(QPen(colore.darker(140), 0.8));
    p.setBrush(colore);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QPen tratto(kBianco, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(tratto);
    p.setBrush(Qt::NoBrush);
    if (segno == 'V') {
        QPainterPath v;
        v.moveTo(4.8, 8.2);
        v.lineTo(7.2, 10.6);
        v.lineTo(11.4, 5.6);
        p.drawPath(v);
    } else if (segno == 'P') {
        p.drawLine(QPointF(5.0, 6.6), QPointF(11.0, 6.6));
        p.drawLine(QPointF(5.0, 9.6), QPointF(11.0, 9.6));
    } else {
        p.drawLine(QPointF(5.4, 5.4), QPointF(10.6, 10.6));
        p.drawLine(QPointF(10.6, 5.4), QPointF(5.4, 10.6));
    }
}

}  // namespace

QStringList NomiBitmapProgramma()
{
    return {QStringLiteral("Ammonito!.Bmp"), QStringLiteral("Espulso!.Bmp"), QStringLiteral("MicroV.Bmp"),
            QStringLiteral("MicroP.Bmp"), QStringLiteral("MicroS.Bmp")};
}

QImage DisegnaBitmapProgramma(const QString& nome, int lato)
{
    if (!NomiBitmapProgramma().contains(nome) || lato < 1) return {};
    QImage img(lato, lato, QImage::Format_RGB32);
    img.fill(kBianco);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lato / 16.0, lato / 16.0);
    if (nome == QLatin1String("Ammonito!.Bmp"))
        Cartellino(p, QColor(247, 205, 28));
    else if (nome == QLatin1String("Espulso!.Bmp"))
        Cartellino(p, QColor(214, 40, 40));
    else if (nome == QLatin1String("MicroV.Bmp"))
        Esito(p, QColor(46, 160, 67), 'V');
    else if (nome == QLatin1String("MicroP.Bmp"))
        Esito(p, QColor(232, 172, 32), 'P');
    else
        Esito(p, QColor(210, 48, 48), 'S');
    p.end();
    return img;
}

bool GeneraBitmapProgramma(const QString& cartella, QString* errore)
{
    const QDir dir(cartella);
    for (const QString& nome : NomiBitmapProgramma()) {
        const QString percorso = dir.filePath(nome);
        QFile::remove(percorso);
        if (!DisegnaBitmapProgramma(nome).save(percorso, "BMP")) {
            if (errore) *errore = percorso + ": impossibile scrivere l'immagine";
            return false;
        }
    }
    return true;
}
