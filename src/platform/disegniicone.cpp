#include "platform/disegniicone.h"

#include <functional>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// The set's palette: a few flat colours, each with a darker shade for outlines.
namespace Col {
const QColor blu(47, 109, 181);
const QColor bluScuro(30, 74, 128);
const QColor azzurro(112, 168, 230);
const QColor verde(58, 157, 79);
const QColor verdeScuro(38, 112, 56);
const QColor prato(86, 176, 92);
const QColor rosso(217, 68, 58);
const QColor rossoScuro(160, 40, 34);
const QColor giallo(246, 198, 46);
const QColor gialloScuro(190, 140, 20);
const QColor arancio(240, 140, 46);
const QColor grigio(107, 119, 133);
const QColor grigioChiaro(205, 212, 219);
const QColor carta(255, 255, 255);
const QColor bordo(112, 124, 138);
const QColor inchiostro(52, 64, 77);
const QColor cartella(242, 179, 61);
const QColor cartellaScuro(196, 136, 27);
const QColor oro(240, 190, 40);
const QColor oroScuro(180, 128, 10);
const QColor bianco(255, 255, 255);
}  // namespace Col

QPen Tratto(const QColor& c, qreal w = 1.6)
{
    QPen pen(c, w);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void Pieno(QPainter& p, const QColor& riempimento, const QColor& contorno, qreal w = 1.2)
{
    p.setBrush(riempimento);
    if (contorno.isValid())
        p.setPen(Tratto(contorno, w));
    else
        p.setPen(Qt::NoPen);
}

// A sheet of paper with the top right corner folded.
void Foglio(QPainter& p, const QRectF& r, qreal piega = 6)
{
    QPainterPath f;
    f.moveTo(r.left(), r.top());
    f.lineTo(r.right() - piega, r.top());
    f.lineTo(r.right(), r.top() + piega);
    f.lineTo(r.right(), r.bottom());
    f.lineTo(r.left(), r.bottom());
    f.closeSubpath();
    Pieno(p, Col::carta, Col::bordo);
    p.drawPath(f);
    QPainterPath angolo;
    angolo.moveTo(r.right() - piega, r.top());
    angolo.lineTo(r.right() - piega, r.top() + piega);
    angolo.lineTo(r.right(), r.top() + piega);
    Pieno(p, Col::grigioChiaro, Col::bordo);
    p.drawPath(angolo);
}

// Text lines on a sheet.
void Righe(QPainter& p, qreal x1, qreal x2, qreal y, int quante, qreal passo = 3.5, const QColor& c = Col::grigio)
{
    p.setPen(Tratto(c, 1.3));
    for (int i = 0; i < quante; ++i) p.drawLine(QPointF(x1, y + i * passo), QPointF(x2 - (i % 2) * 3, y + i * passo));
}

void Freccia(QPainter& p, QPointF da, QPointF a, const QColor& c, qreal w = 2.6, qreal punta = 5)
{
    const QLineF l(da, a);
    const qreal ang = qDegreesToRadians(l.angle());
    const QPointF dir(qCos(ang), -qSin(ang));
    const QPointF norm(-dir.y(), dir.x());
    p.setPen(Tratto(c, w));
    p.drawLine(da, a - dir * (punta * 0.6));
    QPolygonF testa;
    testa << a << a - dir * punta + norm * (punta * 0.75) << a - dir * punta - norm * (punta * 0.75);
    p.setPen(Tratto(c, 1.0));
    p.setBrush(c);
    p.drawPolygon(testa);
}

void Cartella(QPainter& p, bool aperta)
{
    QPainterPath dietro;
    dietro.moveTo(3, 8);
    dietro.lineTo(3, 26);
    dietro.lineTo(28, 26);
    dietro.lineTo(28, 10);
    dietro.lineTo(15, 10);
    dietro.lineTo(12.5, 7);
    dietro.lineTo(4, 7);
    dietro.closeSubpath();
    Pieno(p, Col::cartellaScuro, Col::cartellaScuro.darker(120));
    p.drawPath(dietro);
    if (aperta) {
        Pieno(p, Col::carta, Col::bordo, 1.0);
        p.drawRect(QRectF(7, 9, 18, 12));
        QPolygonF fronte;
        fronte << QPointF(3, 26) << QPointF(7.5, 14) << QPointF(31, 14) << QPointF(27.5, 26);
        Pieno(p, Col::cartella, Col::cartellaScuro);
        p.drawPolygon(fronte);
    } else {
        Pieno(p, Col::cartella, Col::cartellaScuro);
        p.drawRoundedRect(QRectF(3, 12, 25, 14), 1.2, 1.2);
    }
}

// Head and shoulders, the head centred at (cx, cy).
void Persona(QPainter& p, qreal cx, qreal cy, const QColor& c, qreal s = 1.0)
{
    Pieno(p, c, c.darker(130), 1.0);
    p.drawEllipse(QPointF(cx, cy), 4.6 * s, 4.6 * s);
    QPainterPath busto;
    busto.moveTo(cx - 8.5 * s, cy + 14.5 * s);
    busto.cubicTo(cx - 8.5 * s, cy + 7 * s, cx - 4 * s, cy + 5.8 * s, cx, cy + 5.8 * s);
    busto.cubicTo(cx + 4 * s, cy + 5.8 * s, cx + 8.5 * s, cy + 7 * s, cx + 8.5 * s, cy + 14.5 * s);
    busto.closeSubpath();
    p.drawPath(busto);
}

QPolygonF Poligono(QPointF c, qreal r, int lati, qreal angoloIniziale)
{
    QPolygonF poly;
    for (int i = 0; i < lati; ++i) {
        const qreal a = qDegreesToRadians(angoloIniziale + i * 360.0 / lati);
        poly << c + QPointF(r * qCos(a), r * qSin(a));
    }
    return poly;
}

void Pallone(QPainter& p, QPointF c, qreal r)
{
    Pieno(p, Col::carta, Col::inchiostro, 1.2);
    p.drawEllipse(c, r, r);
    p.save();
    QPainterPath giro;
    giro.addEllipse(c, r - 0.6, r - 0.6);
    p.setClipPath(giro);
    // Seen from the front: the middle pentagon, and the five around it in the directions of its
    // corners, joined to it by the seams.
    const QPolygonF centro = Poligono(c, r * 0.36, 5, -90);
    p.setPen(Tratto(Col::inchiostro, qMax(0.8, r * 0.08)));
    for (int i = 0; i < 5; ++i) p.drawLine(centro[i], c + (centro[i] - c) * (0.64 / 0.36));
    Pieno(p, Col::inchiostro, QColor());
    p.drawPolygon(centro);
    for (int i = 0; i < 5; ++i) {
        const qreal gradi = -90 + i * 72.0;
        const qreal a = qDegreesToRadians(gradi);
        p.drawPolygon(Poligono(c + QPointF(r * qCos(a), r * qSin(a)), r * 0.36, 5, gradi + 180));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(Col::inchiostro, 1.2));
    p.drawEllipse(c, r, r);
}

// A card held up, tilted to the right.
void Cartellino(QPainter& p, const QColor& c)
{
    p.save();
    p.translate(16, 16);
    p.rotate(12);
    const QRectF r(-7.5, -11, 15, 22);
    Pieno(p, QColor(0, 0, 0, 45), QColor());
    p.drawRoundedRect(r.translated(1.4, 1.4), 2, 2);
    Pieno(p, c, c.darker(150), 1.2);
    p.drawRoundedRect(r, 2, 2);
    Pieno(p, QColor(255, 255, 255, 80), QColor());
    p.drawRoundedRect(QRectF(r.left() + 2, r.top() + 2, 3, r.height() - 4), 1.5, 1.5);
    p.restore();
}

// A round badge with a white sign: 'V' tick, 'P' equals, 'S' cross, 'P'lus, question mark 'H'.
void Distintivo(QPainter& p, const QColor& c, char segno, QPointF centro = {16, 16}, qreal r = 13)
{
    Pieno(p, c, c.darker(140), 1.2);
    p.drawEllipse(centro, r, r);
    const qreal k = r / 13.0;
    auto pt = [&](qreal x, qreal y) { return centro + QPointF(x * k, y * k); };
    p.setPen(Tratto(Col::bianco, 3.2 * k));
    p.setBrush(Qt::NoBrush);
    switch (segno) {
    case 'V': {
        QPainterPath v;
        v.moveTo(pt(-6, 0.5));
        v.lineTo(pt(-1.8, 4.8));
        v.lineTo(pt(6, -4.5));
        p.drawPath(v);
        break;
    }
    case 'P':
        p.drawLine(pt(-6, -3), pt(6, -3));
        p.drawLine(pt(-6, 3), pt(6, 3));
        break;
    case 'S':
        p.drawLine(pt(-5, -5), pt(5, 5));
        p.drawLine(pt(5, -5), pt(-5, 5));
        break;
    case '+':
        p.drawLine(pt(0, -6.5), pt(0, 6.5));
        p.drawLine(pt(-6.5, 0), pt(6.5, 0));
        break;
    case 'H': {
        QPainterPath q;
        q.moveTo(pt(-4.6, -3.4));
        q.cubicTo(pt(-4.6, -8.6), pt(4.8, -8.6), pt(4.8, -3.6));
        q.cubicTo(pt(4.8, -0.4), pt(0.2, -0.4), pt(0.2, 3.0));
        p.drawPath(q);
        Pieno(p, Col::bianco, QColor());
        p.drawEllipse(pt(0.2, 7.4), 1.9 * k, 1.9 * k);
        break;
    }
    case 'i':
        Pieno(p, Col::bianco, QColor());
        p.drawEllipse(pt(0, -6), 2 * k, 2 * k);
        p.setPen(Tratto(Col::bianco, 3.4 * k));
        p.drawLine(pt(0, -1), pt(0, 7));
        break;
    }
}

// A page of a wall calendar.
void PaginaCalendario(QPainter& p, const QRectF& r)
{
    Pieno(p, Col::carta, Col::bordo);
    p.drawRoundedRect(r, 2, 2);
    QPainterPath testa;
    testa.addRoundedRect(QRectF(r.left(), r.top(), r.width(), 7), 2, 2);
    testa.addRect(QRectF(r.left(), r.top() + 4, r.width(), 3));
    Pieno(p, Col::rosso, QColor());
    p.drawPath(testa.simplified());
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(Col::bordo, 1.2));
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Tratto(Col::inchiostro, 2.0));
    p.drawLine(QPointF(r.left() + 6, r.top() - 2), QPointF(r.left() + 6, r.top() + 3));
    p.drawLine(QPointF(r.right() - 6, r.top() - 2), QPointF(r.right() - 6, r.top() + 3));
    Pieno(p, Col::grigio, QColor());
    const qreal lato = 3;
    const qreal passoX = (r.width() - 6) / 4.0;
    const qreal passoY = (r.height() - 11) / 3.0;
    for (int riga = 0; riga < 3; ++riga)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(r.left() + 3 + col * passoX + (passoX - lato) / 2,
                              r.top() + 9.5 + riga * passoY + (passoY - lato) / 2, lato, lato));
}

// One digit of a seven-segment display in `r`.
void Cifra(QPainter& p, int n, const QRectF& r, const QColor& c)
{
    static const int segmenti[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const qreal x1 = r.left(), x2 = r.right(), y1 = r.top(), y3 = r.bottom(), y2 = (y1 + y3) / 2;
    const QLineF tratti[7] = {{x1, y1, x2, y1}, {x2, y1, x2, y2}, {x2, y2, x2, y3}, {x1, y3, x2, y3},
                              {x1, y2, x1, y3}, {x1, y1, x1, y2}, {x1, y2, x2, y2}};
    p.setPen(Tratto(c, 2.2));
    for (int i = 0; i < 7; ++i)
        if (segmenti[n % 10] & (1 << i)) p.drawLine(tratti[i]);
}

// Axes of a chart.
void Assi(QPainter& p)
{
    p.setPen(Tratto(Col::inchiostro, 1.6));
    p.drawLine(QPointF(4, 4), QPointF(4, 27.5));
    p.drawLine(QPointF(4, 27.5), QPointF(29, 27.5));
}

void Maglia(QPainter& p, QPointF c, qreal s, const QColor& colore, const QColor& fascia)
{
    p.save();
    p.translate(c);
    p.scale(s, s);
    QPainterPath m;
    m.moveTo(-4, -11);
    m.cubicTo(-2.5, -8.5, 2.5, -8.5, 4, -11);
    m.lineTo(10, -8);
    m.lineTo(13, -2);
    m.lineTo(8.5, 0);
    m.lineTo(8, -2.5);
    m.lineTo(8, 11);
    m.lineTo(-8, 11);
    m.lineTo(-8, -2.5);
    m.lineTo(-8.5, 0);
    m.lineTo(-13, -2);
    m.lineTo(-10, -8);
    m.closeSubpath();
    Pieno(p, colore, colore.darker(140), 1.2);
    p.drawPath(m);
    p.save();
    p.setClipPath(m);
    Pieno(p, fascia, QColor());
    p.drawRect(QRectF(-2.5, -12, 5, 24));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(colore.darker(140), 1.2));
    p.drawPath(m);
    p.restore();
}

void Coppa(QPainter& p)
{
    Pieno(p, Col::oro, Col::oroScuro, 1.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(Tratto(Col::oroScuro, 2.2));
    p.drawArc(QRectF(3, 6, 9, 10), 90 * 16, 180 * 16);
    p.drawArc(QRectF(20, 6, 9, 10), -90 * 16, 180 * 16);
    QPainterPath calice;
    calice.moveTo(8, 4);
    calice.lineTo(24, 4);
    calice.cubicTo(24, 14, 21, 19, 16, 19);
    calice.cubicTo(11, 19, 8, 14, 8, 4);
    calice.closeSubpath();
    Pieno(p, Col::oro, Col::oroScuro, 1.2);
    p.drawPath(calice);
    p.drawRect(QRectF(14.5, 19, 3, 4));
    p.drawRoundedRect(QRectF(10, 23, 12, 5), 1, 1);
    Pieno(p, QColor(255, 255, 255, 110), QColor());
    p.drawEllipse(QRectF(11, 6, 3, 7));
}

void Stella(QPainter& p, QPointF c, qreal r, const QColor& colore)
{
    QPolygonF s;
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(-90 + i * 36.0);
        const qreal rr = (i % 2 == 0) ? r : r * 0.45;
        s << c + QPointF(rr * qCos(a), rr * qSin(a));
    }
    Pieno(p, colore, colore.darker(140), 1.0);
    p.drawPolygon(s);
}

void Ingranaggio(QPainter& p, QPointF c, qreal r, const QColor& colore)
{
    QPainterPath g;
    const int denti = 8;
    for (int i = 0; i < denti * 4; ++i) {
        const qreal a = qDegreesToRadians(i * 360.0 / (denti * 4) - 90 + 360.0 / (denti * 8));
        const qreal rr = ((i / 2) % 2 == 0) ? r : r * 0.76;
        const QPointF pt = c + QPointF(rr * qCos(a), rr * qSin(a));
        if (i == 0)
            g.moveTo(pt);
        else
            g.lineTo(pt);
    }
    g.closeSubpath();
    g.addEllipse(c, r * 0.32, r * 0.32);
    g.setFillRule(Qt::OddEvenFill);
    Pieno(p, colore, colore.darker(140), 1.0);
    p.drawPath(g);
}

void Matita(QPainter& p, QPointF punta, qreal lunghezza = 16)
{
    p.save();
    p.translate(punta);
    p.rotate(-45);
    Pieno(p, Col::arancio, Col::arancio.darker(150), 1.0);
    p.drawRect(QRectF(4, -2.6, lunghezza - 7, 5.2));
    Pieno(p, Col::rosso, Col::rossoScuro, 1.0);
    p.drawRect(QRectF(lunghezza - 3, -2.6, 3, 5.2));
    QPolygonF cono;
    cono << QPointF(0, 0) << QPointF(4, -2.6) << QPointF(4, 2.6);
    Pieno(p, QColor(240, 215, 170), Col::arancio.darker(150), 1.0);
    p.drawPolygon(cono);
    Pieno(p, Col::inchiostro, QColor());
    p.drawPolygon(QPolygonF() << QPointF(0, 0) << QPointF(1.5, -1) << QPointF(1.5, 1));
    p.restore();
}

void Lente(QPainter& p, QPointF c, qreal r)
{
    p.setPen(Tratto(Col::inchiostro, 3.4));
    const QPointF dir(0.707, 0.707);
    p.drawLine(c + dir * r, c + dir * (r + 8));
    Pieno(p, QColor(200, 228, 250), Col::inchiostro, 2.2);
    p.drawEllipse(c, r, r);
    Pieno(p, QColor(255, 255, 255, 160), QColor());
    p.drawEllipse(QRectF(c.x() - r * 0.6, c.y() - r * 0.6, r * 0.5, r * 0.5));
}

// Rows of a table with a result mark at the end of each.
void Tabella(QPainter& p, const QRectF& r, const QList<QColor>& segni)
{
    Pieno(p, Col::carta, Col::bordo);
    p.drawRoundedRect(r, 1.5, 1.5);
    Pieno(p, Col::blu, QColor());
    p.drawRect(QRectF(r.left() + 0.6, r.top() + 0.6, r.width() - 1.2, 4.4));
    const qreal passo = (r.height() - 6) / segni.size();
    for (int i = 0; i < segni.size(); ++i) {
        const qreal y = r.top() + 6 + passo * (i + 0.5);
        p.setPen(Tratto(Col::grigio, 1.4));
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 8, y));
        Pieno(p, segni[i], segni[i].darker(140), 0.8);
        p.drawEllipse(QPointF(r.right() - 4, y), 1.8, 1.8);
    }
}

using Disegno = std::function<void(QPainter&)>;

const QList<QPair<QString, Disegno>>& Disegni()
{
    static const QList<QPair<QString, Disegno>> elenco = {
        // The main toolbar.
        {"apri",
         [](QPainter& p) {
             Cartella(p, true);
             Freccia(p, QPointF(19, 19), QPointF(19, 2.5), Col::verde, 2.8, 6);
         }},
        {"nuovo",
         [](QPainter& p) {
             Foglio(p, QRectF(6, 3, 19, 26));
             Righe(p, 9.5, 20, 13, 4);
             Stella(p, QPointF(24, 8), 6.5, Col::giallo);
         }},
        {"scheda",
         [](QPainter& p) {
             Pieno(p, Col::cartella.lighter(105), Col::cartellaScuro);
             p.drawRoundedRect(QRectF(5, 4, 22, 26), 2, 2);
             Pieno(p, Col::carta, Col::bordo, 1.0);
             p.drawRect(QRectF(8, 8, 16, 19));
             Pieno(p, Col::grigio, Col::inchiostro, 1.0);
             p.drawRoundedRect(QRectF(11, 2, 10, 5), 1.5, 1.5);
             Pallone(p, QPointF(13, 14.5), 3.8);
             Righe(p, 18.5, 22.5, 13, 2, 3);
             Righe(p, 10.5, 21.5, 21, 2, 3);
         }},
        {"giornate",
         [](QPainter& p) {
             PaginaCalendario(p, QRectF(3, 6, 22, 23));
             Matita(p, QPointF(17, 27), 16);
         }},
        {"calendario", [](QPainter& p) { PaginaCalendario(p, QRectF(4, 5, 24, 24)); }},
        {"classifica",
         [](QPainter& p) {
             Pieno(p, Col::grigioChiaro, Col::bordo);
             p.drawRect(QRectF(3, 17, 9, 11));
             Pieno(p, Col::oro, Col::oroScuro);
             p.drawRect(QRectF(12, 11, 9, 17));
             Pieno(p, QColor(214, 150, 100), QColor(160, 100, 60));
             p.drawRect(QRectF(21, 20, 8, 8));
             Stella(p, QPointF(16.5, 5.5), 4.8, Col::oro);
         }},
        {"risultati",
         [](QPainter& p) {
             Pieno(p, Col::inchiostro, Col::inchiostro.darker(130));
             p.drawRoundedRect(QRectF(2, 7, 28, 18), 3, 3);
             Cifra(p, 2, QRectF(6.5, 11, 6, 10), Col::giallo);
             Cifra(p, 1, QRectF(19.5, 11, 6, 10), Col::giallo);
             Pieno(p, Col::giallo, QColor());
             p.drawEllipse(QPointF(16, 14), 1.1, 1.1);
             p.drawEllipse(QPointF(16, 18), 1.1, 1.1);
         }},
        {"prossimo",
         [](QPainter& p) {
             PaginaCalendario(p, QRectF(2, 5, 22, 23));
             Distintivo(p, Col::verde, 0, QPointF(23, 22), 7.5);
             Freccia(p, QPointF(18.5, 22), QPointF(28, 22), Col::bianco, 2.4, 4.5);
         }},
        {"squadra", [](QPainter& p) { Maglia(p, QPointF(16, 16.5), 1.08, Col::blu, Col::bianco); }},
        {"tabella",
         [](QPainter& p) {
             Tabella(p, QRectF(4, 3, 24, 26), {Col::verde, Col::giallo, Col::verde, Col::rosso, Col::verde});
         }},
        {"grafico",
         [](QPainter& p) {
             Assi(p);
             p.setPen(Tratto(Col::blu, 2.6));
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF() << QPointF(6, 23) << QPointF(11, 17) << QPointF(15, 20) << QPointF(21, 11)
                                        << QPointF(27, 6));
             Pieno(p, Col::blu, QColor());
             for (QPointF pt : {QPointF(11, 17), QPointF(15, 20), QPointF(21, 11)}) p.drawEllipse(pt, 1.8, 1.8);
         }},
        {"formazioni",
         [](QPainter& p) {
             Pieno(p, Col::prato, Col::verdeScuro);
             p.drawRoundedRect(QRectF(3, 2, 26, 28), 1.5, 1.5);
             p.setPen(Tratto(Col::bianco, 1.1));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(5, 4, 22, 24));
             p.drawLine(QPointF(5, 16), QPointF(27, 16));
             p.drawEllipse(QPointF(16, 16), 3.6, 3.6);
             p.drawRect(QRectF(10.5, 4, 11, 4.5));
             p.drawRect(QRectF(10.5, 23.5, 11, 4.5));
             Pieno(p, Col::rosso, Col::bianco, 0.8);
             for (QPointF pt : {QPointF(9, 11), QPointF(16, 12), QPointF(23, 11)}) p.drawEllipse(pt, 1.8, 1.8);
             Pieno(p, Col::blu, Col::bianco, 0.8);
             for (QPointF pt : {QPointF(9, 21), QPointF(16, 20), QPointF(23, 21)}) p.drawEllipse(pt, 1.8, 1.8);
         }},
        {"statistiche",
         [](QPainter& p) {
             Assi(p);
             const QColor colori[4] = {Col::blu, Col::verde, Col::arancio, Col::rosso};
             const qreal alti[4] = {12, 19, 8, 15};
             for (int i = 0; i < 4; ++i) {
                 Pieno(p, colori[i], colori[i].darker(130), 1.0);
                 p.drawRect(QRectF(7 + i * 5.5, 26.5 - alti[i], 4, alti[i]));
             }
         }},
        {"confronto",
         [](QPainter& p) {
             Tabella(p, QRectF(2, 4, 12.5, 24), {Col::verde, Col::rosso, Col::verde, Col::giallo});
             Tabella(p, QRectF(17.5, 4, 12.5, 24), {Col::giallo, Col::verde, Col::rosso, Col::verde});
         }},
        {"confronto_statistico",
         [](QPainter& p) {
             Assi(p);
             p.setBrush(Qt::NoBrush);
             p.setPen(Tratto(Col::blu, 2.4));
             p.drawPolyline(QPolygonF() << QPointF(6, 22) << QPointF(12, 15) << QPointF(18, 17) << QPointF(27, 6));
             p.setPen(Tratto(Col::rosso, 2.4));
             p.drawPolyline(QPolygonF() << QPointF(6, 12) << QPointF(12, 19) << QPointF(19, 10) << QPointF(27, 20));
         }},
        {"guida", [](QPainter& p) { Distintivo(p, Col::blu, 'H'); }},

        // People, teams and players.
        {"giocatore", [](QPainter& p) { Persona(p, 16, 9, Col::blu, 1.2); }},
        {"squadre",
         [](QPainter& p) {
             Maglia(p, QPointF(11, 13), 0.72, Col::rosso, Col::bianco);
             Maglia(p, QPointF(21, 19.5), 0.72, Col::blu, Col::bianco);
         }},
        {"societa",
         [](QPainter& p) {
             QPainterPath scudo;
             scudo.moveTo(16, 3);
             scudo.lineTo(27, 6.5);
             scudo.cubicTo(27, 18, 23, 25, 16, 29.5);
             scudo.cubicTo(9, 25, 5, 18, 5, 6.5);
             scudo.closeSubpath();
             Pieno(p, Col::blu, Col::bluScuro, 1.4);
             p.drawPath(scudo);
             p.save();
             p.setClipPath(scudo);
             Pieno(p, Col::bianco, QColor());
             p.drawRect(QRectF(13, 0, 6, 32));
             p.restore();
             p.setBrush(Qt::NoBrush);
             p.setPen(Tratto(Col::bluScuro, 1.4));
             p.drawPath(scudo);
             Pallone(p, QPointF(16, 14), 4.5);
         }},
        {"acquista",
         [](QPainter& p) {
             Persona(p, 12, 8, Col::blu, 1.0);
             Distintivo(p, Col::verde, '+', QPointF(24, 22), 6.5);
         }},
        {"vendi",
         [](QPainter& p) {
             Persona(p, 11, 8, Col::blu, 1.0);
             Freccia(p, QPointF(16, 24), QPointF(30, 24), Col::rosso, 2.8, 6);
         }},
        {"squalificati",
         [](QPainter& p) {
             Persona(p, 13, 8, Col::grigio, 1.0);
             Pieno(p, Col::bianco, Col::rosso, 2.6);
             p.drawEllipse(QPointF(22.5, 22.5), 6.5, 6.5);
             p.setPen(Tratto(Col::rosso, 2.6));
             p.drawLine(QPointF(18, 27), QPointF(27, 18));
         }},
        {"foto",
         [](QPainter& p) {
             Pieno(p, QColor(190, 224, 250), Col::bordo, 1.4);
             p.drawRoundedRect(QRectF(3, 6, 26, 21), 1.5, 1.5);
             Pieno(p, Col::giallo, QColor());
             p.drawEllipse(QPointF(22, 12), 2.8, 2.8);
             QPolygonF monti;
             monti << QPointF(3.7, 26.3) << QPointF(12, 14) << QPointF(17, 21) << QPointF(20, 17.5)
                   << QPointF(28.3, 26.3);
             Pieno(p, Col::prato, QColor());
             p.drawPolygon(monti);
             p.setBrush(Qt::NoBrush);
             p.setPen(Tratto(Col::bordo, 1.4));
             p.drawRoundedRect(QRectF(3, 6, 26, 21), 1.5, 1.5);
         }},

        // Match details.
        {"pallone", [](QPainter& p) { Pallone(p, QPointF(16, 16), 12.5); }},
        {"marcatori",
         [](QPainter& p) {
             p.setPen(Tratto(Col::grigio, 0.8));
             for (qreal x = 5; x <= 27; x += 3.2) p.drawLine(QPointF(x, 6), QPointF(x, 27));
             for (qreal y = 6; y <= 27; y += 3.2) p.drawLine(QPointF(3, y), QPointF(29, y));
             p.setPen(Tratto(Col::inchiostro, 2.6));
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF() << QPointF(3, 28) << QPointF(3, 4.5) << QPointF(29, 4.5) << QPointF(29, 28));
             Pallone(p, QPointF(18, 19.5), 7.5);
         }},
        {"ammonito", [](QPainter& p) { Cartellino(p, Col::giallo); }},
        {"espulso", [](QPainter& p) { Cartellino(p, Col::rosso); }},
        {"sostituzione",
         [](QPainter& p) {
             Freccia(p, QPointF(10, 28), QPointF(10, 4), Col::verde, 3.4, 7);
             Freccia(p, QPointF(22, 4), QPointF(22, 28), Col::rosso, 3.4, 7);
         }},
        {"referto",
         [](QPainter& p) {
             Foglio(p, QRectF(4, 3, 19, 25));
             Righe(p, 7.5, 19, 9, 5);
             Pieno(p, Col::inchiostro, Col::inchiostro.darker(130), 1.0);
             p.drawEllipse(QPointF(23, 23), 6, 6);
             p.drawRoundedRect(QRectF(23, 17, 8, 5), 1, 1);
             Pieno(p, Col::carta, QColor());
             p.drawEllipse(QPointF(23, 23), 2, 2);
         }},
        {"vittoria", [](QPainter& p) { Distintivo(p, Col::verde, 'V'); }},
        {"pareggio", [](QPainter& p) { Distintivo(p, Col::giallo.darker(108), 'P'); }},
        {"sconfitta", [](QPainter& p) { Distintivo(p, Col::rosso, 'S'); }},

        // Rankings and charts.
        {"coppa", [](QPainter& p) { Coppa(p); }},
        {"stella", [](QPainter& p) { Stella(p, QPointF(16, 16.5), 13.5, Col::oro); }},
        {"torta",
         [](QPainter& p) {
             const QRectF r(3, 3, 26, 26);
             Pieno(p, Col::blu, Col::bianco, 1.2);
             p.drawPie(r, 90 * 16, 150 * 16);
             Pieno(p, Col::verde, Col::bianco, 1.2);
             p.drawPie(r, 240 * 16, 130 * 16);
             Pieno(p, Col::arancio, Col::bianco, 1.2);
             p.drawPie(r.translated(1.5, -1.5), 10 * 16, 80 * 16);
         }},
        {"almanacco",
         [](QPainter& p) {
             Pieno(p, Col::blu, Col::bluScuro, 1.2);
             p.drawRoundedRect(QRectF(6, 3, 20, 26), 1.5, 1.5);
             Pieno(p, Col::carta, Col::bordo, 1.0);
             p.drawRect(QRectF(8, 26, 18, 3));
             Pieno(p, Col::bluScuro, QColor());
             p.drawRect(QRectF(6, 3, 3.5, 26));
             Pieno(p, Col::bianco, QColor());
             p.drawRect(QRectF(13, 8, 9, 5));
             Pallone(p, QPointF(17.5, 19.5), 3.6);
         }},

        // Commands of the windows.
        {"precedente",
         [](QPainter& p) {
             Distintivo(p, Col::blu, 0);
             Pieno(p, Col::bianco, QColor());
             p.drawPolygon(QPolygonF() << QPointF(9, 16) << QPointF(19, 9) << QPointF(19, 23));
         }},
        {"successivo",
         [](QPainter& p) {
             Distintivo(p, Col::blu, 0);
             Pieno(p, Col::bianco, QColor());
             p.drawPolygon(QPolygonF() << QPointF(23, 16) << QPointF(13, 9) << QPointF(13, 23));
         }},
        {"primo",
         [](QPainter& p) {
             Distintivo(p, Col::blu, 0);
             Pieno(p, Col::bianco, QColor());
             p.drawPolygon(QPolygonF() << QPointF(11, 16) << QPointF(21, 9) << QPointF(21, 23));
             p.drawRect(QRectF(8, 9, 2.6, 14));
         }},
        {"ultimo",
         [](QPainter& p) {
             Distintivo(p, Col::blu, 0);
             Pieno(p, Col::bianco, QColor());
             p.drawPolygon(QPolygonF() << QPointF(21, 16) << QPointF(11, 9) << QPointF(11, 23));
             p.drawRect(QRectF(21.4, 9, 2.6, 14));
         }},
        {"salva",
         [](QPainter& p) {
             QPainterPath disco;
             disco.moveTo(4, 4);
             disco.lineTo(24, 4);
             disco.lineTo(28, 8);
             disco.lineTo(28, 28);
             disco.lineTo(4, 28);
             disco.closeSubpath();
             Pieno(p, Col::blu, Col::bluScuro, 1.2);
             p.drawPath(disco);
             Pieno(p, Col::grigioChiaro, Col::bluScuro, 1.0);
             p.drawRect(QRectF(9, 4, 13, 8));
             Pieno(p, Col::bluScuro, QColor());
             p.drawRect(QRectF(17, 5.5, 3, 5));
             Pieno(p, Col::carta, Col::bluScuro, 1.0);
             p.drawRect(QRectF(8, 16, 16, 12));
             Righe(p, 10.5, 21.5, 20, 2, 4);
         }},
        {"chiudi",
         [](QPainter& p) {
             Pieno(p, Col::rosso, Col::rossoScuro, 1.2);
             p.drawRoundedRect(QRectF(4, 4, 24, 24), 4, 4);
             p.setPen(Tratto(Col::bianco, 3.4));
             p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
             p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
         }},
        {"elimina",
         [](QPainter& p) {
             Pieno(p, Col::grigioChiaro, Col::grigio, 1.4);
             QPainterPath secchio;
             secchio.moveTo(7.5, 9);
             secchio.lineTo(24.5, 9);
             secchio.lineTo(23, 29);
             secchio.lineTo(9, 29);
             secchio.closeSubpath();
             p.drawPath(secchio);
             p.setPen(Tratto(Col::grigio, 1.5));
             for (qreal x : {12.5, 16.0, 19.5}) p.drawLine(QPointF(x, 12.5), QPointF(x, 26));
             Pieno(p, Col::rosso, Col::rossoScuro, 1.2);
             p.drawRoundedRect(QRectF(5, 5.5, 22, 3.5), 1.2, 1.2);
             p.drawRoundedRect(QRectF(12.5, 2.5, 7, 3), 1, 1);
         }},
        {"aggiungi", [](QPainter& p) { Distintivo(p, Col::verde, '+'); }},
        {"modifica",
         [](QPainter& p) {
             Foglio(p, QRectF(4, 3, 19, 25));
             Righe(p, 7.5, 19, 10, 4);
             Matita(p, QPointF(15, 26), 18);
         }},
        {"stampa",
         [](QPainter& p) {
             Foglio(p, QRectF(9, 3, 14, 10), 3);
             Pieno(p, Col::grigio, Col::inchiostro, 1.2);
             p.drawRoundedRect(QRectF(3, 12, 26, 11), 2.5, 2.5);
             Pieno(p, Col::verde, QColor());
             p.drawEllipse(QPointF(25, 16), 1.3, 1.3);
             Foglio(p, QRectF(8, 19, 16, 10), 0.01);
             Righe(p, 10.5, 21.5, 23, 2, 3);
         }},
        {"copia",
         [](QPainter& p) {
             Foglio(p, QRectF(4, 3, 15, 19), 4.5);
             Righe(p, 7, 15, 9, 3);
             Foglio(p, QRectF(13, 10, 15, 19), 4.5);
             Righe(p, 16, 24, 17, 3);
         }},
        {"cerca", [](QPainter& p) { Lente(p, QPointF(13, 13), 8.5); }},
        {"opzioni", [](QPainter& p) { Ingranaggio(p, QPointF(16, 16), 13, Col::grigio); }},
        {"proprieta",
         [](QPainter& p) {
             for (int i = 0; i < 3; ++i) {
                 const qreal y = 8 + i * 8;
                 const qreal x = (i == 1) ? 20 : (i == 0 ? 11 : 15);
                 p.setPen(Tratto(Col::grigio, 2.4));
                 p.drawLine(QPointF(4, y), QPointF(28, y));
                 Pieno(p, Col::blu, Col::bluScuro, 1.2);
                 p.drawRoundedRect(QRectF(x - 2.8, y - 3.6, 5.6, 7.2), 1.5, 1.5);
             }
         }},
        {"informazioni", [](QPainter& p) { Distintivo(p, Col::blu, 'i'); }},
        {"esci",
         [](QPainter& p) {
             Pieno(p, QColor(165, 110, 70), QColor(120, 76, 44), 1.2);
             p.drawRect(QRectF(4, 3, 15, 26));
             Pieno(p, Col::oro, QColor());
             p.drawEllipse(QPointF(15.5, 16.5), 1.4, 1.4);
             Freccia(p, QPointF(14, 16), QPointF(30, 16), Col::rosso, 3.0, 7);
         }},
        {"cartella_aperta", [](QPainter& p) { Cartella(p, true); }},
        {"cartella_chiusa", [](QPainter& p) { Cartella(p, false); }},

        // A quiet tile for backgrounds: mown grass stripes with a faint line of the pitch.
        {"sfondo",
         [](QPainter& p) {
             p.fillRect(QRectF(0, 0, 32, 32), QColor(214, 226, 212));
             p.fillRect(QRectF(0, 0, 32, 16), QColor(206, 220, 204));
             p.setPen(QPen(QColor(226, 234, 224), 0.8));
             p.drawLine(QPointF(0, 24), QPointF(32, 24));
         }},
    };
    return elenco;
}

}  // namespace

bool DisegnaIcona(QPainter& p, const QString& nome)
{
    static const QHash<QString, Disegno> perNome = [] {
        QHash<QString, Disegno> h;
        for (const auto& [n, d] : Disegni()) h.insert(n, d);
        return h;
    }();
    const auto it = perNome.constFind(nome);
    if (it == perNome.constEnd()) return false;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    (*it)(p);
    p.restore();
    return true;
}

QStringList NomiDisegniIcone()
{
    QStringList nomi;
    for (const auto& voce : Disegni()) nomi.append(voce.first);
    return nomi;
}
