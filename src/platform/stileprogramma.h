#pragma once

#include <QProxyStyle>

// The program's look: the platform's default style, with its large frames, bars and scroll bars drawn piece by piece.
// Qt's raster engine hands a fill of 96 spans or more (a translucent line of 96 pixels or longer, a gradient or a
// stretched picture 96 rows or taller) to the threads of its pool while the window's thread waits, and waking
// them costs more than the fill itself. Drawn once per piece, each piece clipped to fewer rows and columns than
// that, the same element paints the same pixels with every fill on the window's own thread. Installed once at
// start-up (main), for every window.
//
// It also keeps the wheel from changing values: over a drop-down, a spin box (dates and times among them), a slider or
// a row of tabs the wheel goes to what scrolls around the control (the window's scroll area, a grid, a list), as if the
// control were not there; clicks and the keyboard change them as before. Such a control no longer takes the focus from
// the wheel either. A window has nothing to do for it.
class StileProgramma : public QProxyStyle {
    Q_OBJECT
public:
    StileProgramma();

    // Makes it the application's style; the application owns it. Once is enough, further calls do nothing.
    static void installa();

    // How an element is cut: a frame or bar draws lines along its edges (short columns along the top and bottom
    // edges, bands of rows elsewhere; a bar, columns); a stretched picture only needs bands of rows.
    enum class Taglio { Cornice, Righe };
    // The pieces `r` is drawn in: `r` itself when no fill inside it reaches the threads; otherwise pieces of at most
    // PEZZO rows or columns that cover `r` exactly once.
    static QList<QRect> pezzi(const QRect& r, Taglio taglio = Taglio::Cornice);
    static constexpr int SOGLIA = 96;  // spans from which the raster engine shares a fill among its threads
    static constexpr int PEZZO = 80;   // the longest side of a piece: with a corner of BORDO, still under SOGLIA
    static constexpr int BORDO = 8;    // the strip along the top and bottom edges where frames draw their lines

    // Whether `o` is a control whose value or page the wheel would change (not a scroll bar: that is what scrolls).
    static bool cambiaColRotellina(const QObject* o);

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    bool eventFilter(QObject* o, QEvent* e) override;

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* p,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement elemento, const QStyleOption* opzione, QPainter* p,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl controllo, const QStyleOptionComplex* opzione, QPainter* p,
                            const QWidget* widget = nullptr) const override;
};
