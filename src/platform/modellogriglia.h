#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QPixmap>
#include <QString>

#include "platform/griglia.h"

// One cell of a Griglia: its text and its own look.
struct CellaGriglia {
    QString testo;
    Griglia::Allineamento allineamento = Griglia::Allineamento::Colonna;
    bool grassetto = false;
    QColor coloreTesto;   // invalid: the grid's default
    QColor coloreSfondo;  // invalid: the grid's default
    QPixmap immagine;
};

// Everything a Griglia shows, shared by its two views.
struct DatiGriglia {
    int colonne = 0;
    int righeFisse = 0;
    QList<QList<CellaGriglia>> righe;                  // each row holds exactly `colonne` cells
    QList<Griglia::Allineamento> allineamentiColonne;  // one per column

    int numeroRighe() const { return static_cast<int>(righe.size()); }
    // The fixed rows actually present (a grid may hold fewer rows than its fixed count).
    int fisseEffettive() const { return qMin(righeFisse, numeroRighe()); }
};

// A view model over a band of the grid's rows: the fixed rows at the top, or the rows that scroll.
// It only reads DatiGriglia; Griglia changes the data and tells the models through the notify methods.
class ModelloGriglia : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Parte { Fissa, Scorrevole };
    static constexpr int RuoloGrassetto = Qt::UserRole + 1;

    ModelloGriglia(const DatiGriglia& dati, Parte parte, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The headings of the scrolling rows' columns, for accessibility tools (they are never painted:
    // the fixed rows are). A column's heading is its lowest non-empty fixed cell; its accessible text
    // reads the fixed rows from the top, the merged row 0 first ("Casa, V"). No fixed rows: no heading.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The grid row of the band's first row.
    int primaRiga() const;

    // Notifications, in the band's own row numbers.
    void inizioInserimento(int primo, int ultimo) { beginInsertRows(QModelIndex(), primo, ultimo); }
    void fineInserimento() { endInsertRows(); }
    void inizioRimozione(int primo, int ultimo) { beginRemoveRows(QModelIndex(), primo, ultimo); }
    void fineRimozione() { endRemoveRows(); }
    void inizioAzzeramento() { beginResetModel(); }
    void fineAzzeramento() { endResetModel(); }
    void cellaCambiata(int riga, int colonna);
    void intestazioniCambiate(int prima, int ultima) { emit headerDataChanged(Qt::Horizontal, prima, ultima); }

private:
    const DatiGriglia& dati_;
    Parte parte_;
};
