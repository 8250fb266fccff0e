#pragma once

#include <QStyledItemDelegate>

// Draws a Griglia cell: background, text in its alignment (bold when asked, cut with an ellipsis
// when too long) and the cell picture centred. The current row is drawn in the highlight colours.
class DelegatoGriglia : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The tooltip of a cell whose text is cut shows the whole text; other cells have none.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The width of `testo` written on one line in `carattere`, in px (as QFontMetricsF gives it). Each text is
    // measured once per font and kept for the run: a grid draws and sizes the same texts over and over.
    static qreal larghezzaTesto(const QFont& carattere, const QString& testo);
    // The widest text a column sized to its texts makes room for: about 32 characters of `carattere` a name, for
    // `nomi` names joined by " - " (a pairing: 2). A name from a file may be of any length; beyond this it is cut.
    static qreal larghezzaMassimaTesto(const QFont& carattere, int nomi = 1);

    static constexpr int LatoImmagine = 16;  // the largest side of a cell picture, in px
    static constexpr int Margine = 2;        // text padding left and right, in px
};
