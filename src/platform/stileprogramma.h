#pragma once

#include <QProxyStyle>

// The program's look: the platform's default style, with its large frames, bars and scroll bars drawn piece by piece.
// Qt's raster engine hands a fill of 96 spans or more (a translucent line of 96 pixels or longer, a gradient or a
// stretched picture 96 rows or taller) to the threads of its pool while the window's thread waits, and waking
// them costs more than the fill itself. Drawn once per piece, each piece clipped to fewer rows and columns than
// that, the same element paints the same pixels with every fill on the window's own thread. Installed once at
// start-up (main), for every window.
class StileProgramma : public QProxyStyle {
    Q_OBJECT
public:
    StileProgramma();

    // Makes it the application's style; the application owns it. Once is enough, further calls do nothing.
    static void installa();

    // The pieces `r` is drawn in: `r` itself when a fill inside it stays on the window's thread; otherwise
    // pieces of at most PEZZO rows (or, along a top or bottom edge and in a bar, columns) that cover `r`
    // exactly once.
    static QList<QRect> pezzi(const QRect& r);
    static constexpr int SOGLIA = 96;  // spans from which the raster engine shares a fill among its threads
    static constexpr int PEZZO = 64;   // the longest side of a piece
    static constexpr int BORDO = 8;    // the strip along the top and bottom edges where frames draw their lines

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* p,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement elemento, const QStyleOption* opzione, QPainter* p,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl controllo, const QStyleOptionComplex* opzione, QPainter* p,
                            const QWidget* widget = nullptr) const override;
};
