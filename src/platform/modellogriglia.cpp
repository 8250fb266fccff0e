#include "platform/modellogriglia.h"

#include <QApplication>
#include <QLocale>
#include <QPalette>

namespace {

bool sembraNumero(const QString& testo)
{
    const QString t = testo.trimmed();
    if (t.isEmpty()) return false;
    bool ok = false;
    QLocale::c().toDouble(t, &ok);
    if (!ok) QLocale().toDouble(t, &ok);
    return ok;
}

Qt::Alignment allineamentoQt(Griglia::Allineamento a, const QString& testo)
{
    switch (a) {
    case Griglia::Allineamento::Sinistra: return Qt::AlignLeft;
    case Griglia::Allineamento::Centro: return Qt::AlignHCenter;
    case Griglia::Allineamento::Destra: return Qt::AlignRight;
    case Griglia::Allineamento::Colonna:
    case Griglia::Allineamento::Generale: break;
    }
    return sembraNumero(testo) ? Qt::AlignRight : Qt::AlignLeft;
}

}  // namespace

ModelloGriglia::ModelloGriglia(const DatiGriglia& dati, Parte parte, QObject* parent)
    : QAbstractTableModel(parent), dati_(dati), parte_(parte)
{
}

int ModelloGriglia::primaRiga() const { return parte_ == Parte::Fissa ? 0 : dati_.fisseEffettive(); }

int ModelloGriglia::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    const int fisse = dati_.fisseEffettive();
    return parte_ == Parte::Fissa ? fisse : dati_.numeroRighe() - fisse;
}

int ModelloGriglia::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : dati_.colonne; }

QVariant ModelloGriglia::data(const QModelIndex& index, int role) const
{
    const int riga = primaRiga() + index.row();
    if (!index.isValid() || riga >= dati_.numeroRighe() || index.column() >= dati_.colonne) return {};
    const CellaGriglia& cella = dati_.righe[riga][index.column()];
    switch (role) {
    case Qt::DisplayRole: return cella.testo;
    case Qt::TextAlignmentRole: {
        Griglia::Allineamento a = cella.allineamento;
        if (a == Griglia::Allineamento::Colonna) a = dati_.allineamentiColonne.value(index.column());
        return int(allineamentoQt(a, cella.testo) | Qt::AlignVCenter);
    }
    case RuoloGrassetto: return cella.grassetto;
    case Qt::ForegroundRole: return cella.coloreTesto.isValid() ? QVariant(cella.coloreTesto) : QVariant();
    case Qt::BackgroundRole:
        if (cella.coloreSfondo.isValid()) return cella.coloreSfondo;
        if (parte_ == Parte::Fissa) return QApplication::palette().color(QPalette::Button);
        return {};
    case Qt::DecorationRole: return cella.immagine.isNull() ? QVariant() : QVariant(cella.immagine);
    default: return {};
    }
}

QVariant ModelloGriglia::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    if (orientation == Qt::Vertical) return QString();  // rows have no heading of their own
    if (parte_ == Parte::Fissa || section < 0 || section >= dati_.colonne) return {};
    QStringList testi;
    for (int r = 0; r < dati_.fisseEffettive(); ++r) {
        const QString t = dati_.righe[r][section].testo.simplified();
        if (!t.isEmpty() && (testi.isEmpty() || testi.constLast() != t)) testi << t;
    }
    if (role == Qt::DisplayRole) return testi.isEmpty() ? QString() : testi.constLast();
    return testi.join(QStringLiteral(", "));
}

Qt::ItemFlags ModelloGriglia::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    return parte_ == Parte::Fissa ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ModelloGriglia::cellaCambiata(int riga, int colonna)
{
    const QModelIndex i = index(riga, colonna);
    emit dataChanged(i, i);
}
