#pragma once

#include <QHeaderView>

class QTableView;

// The top band of a Griglia: sits where the table view keeps its column header and shows the
// fixed rows in a small table view of its own, so they stay on top while the rows below scroll.
// Its sections are the grid's columns: their sizes and the horizontal scroll are passed on to the
// fixed view. The band is as tall as the fixed rows it shows.
class IntestazioneGriglia : public QHeaderView {
    Q_OBJECT
public:
    explicit IntestazioneGriglia(QWidget* parent = nullptr);

    QTableView* vistaFissa() const { return fissa_; }

    // The number of fixed rows shown and the height of one row; the band resizes to them.
    void impostaRighe(int righe, int altezzaRiga);
    // Follows the scrolling view's horizontal position.
    void scorri(int x);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QTableView* fissa_;
    int righe_ = 0;
    int altezzaRiga_ = 18;
};
