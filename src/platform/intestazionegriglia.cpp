#include "platform/intestazionegriglia.h"

#include <QScrollBar>
#include <QTableView>

IntestazioneGriglia::IntestazioneGriglia(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(0);
    setStretchLastSection(false);

    fissa_ = new QTableView(this);
    fissa_->setFrameShape(QFrame::NoFrame);
    fissa_->horizontalHeader()->hide();
    fissa_->verticalHeader()->hide();
    fissa_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fissa_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fissa_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    fissa_->setSelectionMode(QAbstractItemView::NoSelection);
    fissa_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fissa_->setFocusPolicy(Qt::NoFocus);
    fissa_->setWordWrap(false);
    fissa_->horizontalHeader()->setMinimumSectionSize(0);
    fissa_->verticalHeader()->setMinimumSectionSize(0);
    fissa_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    connect(this, &QHeaderView::sectionResized, this,
            [this](int sezione, int, int nuova) { fissa_->setColumnWidth(sezione, nuova); });
}

void IntestazioneGriglia::impostaRighe(int righe, int altezzaRiga)
{
    fissa_->verticalHeader()->setDefaultSectionSize(altezzaRiga);
    if (righe == righe_ && altezzaRiga == altezzaRiga_) return;
    righe_ = righe;
    altezzaRiga_ = altezzaRiga;
    updateGeometry();
    emit geometriesChanged();  // the table view lays its margins out again
}

void IntestazioneGriglia::scorri(int x) { fissa_->horizontalScrollBar()->setValue(x); }

QSize IntestazioneGriglia::sizeHint() const { return QSize(QHeaderView::sizeHint().width(), righe_ * altezzaRiga_); }

void IntestazioneGriglia::paintEvent(QPaintEvent*)
{
    // The fixed view covers the whole band.
}

void IntestazioneGriglia::resizeEvent(QResizeEvent* e)
{
    QHeaderView::resizeEvent(e);
    fissa_->setGeometry(rect());
}
