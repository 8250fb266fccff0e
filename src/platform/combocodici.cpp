#include "platform/combocodici.h"

#include "platform/testoinriga.h"

#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {
constexpr int RUOLO_CODICE = Qt::UserRole;

// The items keep the text they were given (the edit role: what an editable list puts in its box when the item is
// chosen, and what a search by text compares) and show it on one line (the display role).
class ModelloVoci : public QStandardItemModel {
public:
    using QStandardItemModel::QStandardItemModel;

    QVariant data(const QModelIndex& indice, int ruolo) const override
    {
        if (ruolo != Qt::DisplayRole) return QStandardItemModel::data(indice, ruolo);
        const QVariant testo = QStandardItemModel::data(indice, Qt::EditRole);
        return testo.isNull() ? testo : QVariant(TestoInRiga(testo.toString()));
    }
    QModelIndexList match(const QModelIndex& inizio, int ruolo, const QVariant& valore, int quanti,
                          Qt::MatchFlags modo) const override
    {
        return QStandardItemModel::match(inizio, ruolo == Qt::DisplayRole ? int(Qt::EditRole) : ruolo, valore, quanti,
                                         modo);
    }
};
}  // namespace

ComboCodici::ComboCodici(QWidget* parent) : QComboBox(parent)
{
    setModel(new ModelloVoci(this));
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        // Once the index has moved, an activation that follows is no pick of the item shown when the list
        // opened, also when the click's handler has put the list back on that item.
        indicePrimaDellaLista_ = -2;
        emettiClick();
    });
    // Picking from the list the item already chosen changes no index, yet it is a click.
    connect(this, &QComboBox::activated, this, [this](int indice) {
        const bool stesso = indice == indicePrimaDellaLista_;
        indicePrimaDellaLista_ = -2;
        if (stesso) emettiClick();
    });
}

void ComboCodici::setModificabile(bool modificabile)
{
    setEditable(modificabile);
    setInsertPolicy(QComboBox::NoInsert);
    if (modificabile) setCompleter(nullptr);
}

int ComboCodici::aggiungi(const QString& testo, qint32 codice)
{
    addItem(testo, QVariant::fromValue<qint32>(codice));
    return count() - 1;
}

void ComboCodici::aggiungiTutti(const QVector<std::pair<QString, qint32>>& voci)
{
    auto* modello = qobject_cast<QStandardItemModel*>(model());
    const int quante = int(qMin(qsizetype(maxCount() - count()), voci.size()));
    if (!modello || rootModelIndex().isValid() || modelColumn() != 0) {
        for (int i = 0; i < quante; ++i) aggiungi(voci[i].first, voci[i].second);
        return;
    }
    if (quante <= 0) return;
    QList<QStandardItem*> elementi;
    elementi.reserve(quante);
    for (int i = 0; i < quante; ++i) {
        auto* e = new QStandardItem(voci[i].first);
        e->setData(QVariant::fromValue<qint32>(voci[i].second), RUOLO_CODICE);
        elementi.append(e);
    }
    modello->invisibleRootItem()->appendRows(elementi);
}

qint32 ComboCodici::codice(int indice) const
{
    if (indice < 0 || indice >= count()) return 0;
    return itemData(indice, RUOLO_CODICE).value<qint32>();
}

void ComboCodici::impostaCodice(int indice, qint32 codice)
{
    if (indice >= 0 && indice < count()) setItemData(indice, QVariant::fromValue<qint32>(codice), RUOLO_CODICE);
}

int ComboCodici::trovaCodice(qint32 codice) const
{
    for (int i = 0; i < count(); ++i)
        if (this->codice(i) == codice) return i;
    return -1;
}

QString ComboCodici::testo(int indice) const
{
    return indice < 0 || indice >= count() ? QString() : itemData(indice, Qt::EditRole).toString();
}

int ComboCodici::trovaTesto(const QString& testo) const
{
    for (int i = 0; i < count(); ++i)
        if (this->testo(i).compare(testo, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool ComboCodici::selezionaCodice(qint32 codice)
{
    const int i = trovaCodice(codice);
    if (i < 0) return false;
    setCurrentIndex(i);
    return true;
}

bool ComboCodici::selezionaTesto(const QString& testo)
{
    const int i = trovaTesto(testo);
    if (i < 0) return false;
    setCurrentIndex(i);
    return true;
}

int ComboCodici::rinviaScelta(int mostrata)
{
    const int scelta = currentIndex();
    SenzaClick guardia(this);
    setCurrentIndex(mostrata);
    return scelta;
}

bool ComboCodici::impostaTesto(const QString& testo)
{
    if (!isEditable()) return selezionaTesto(testo);
    setEditText(testo);
    return true;
}

void ComboCodici::showPopup()
{
    indicePrimaDellaLista_ = currentIndex();
    QComboBox::showPopup();
}

QSize ComboCodici::sizeHint() const { return entroNome(QComboBox::sizeHint()); }

QSize ComboCodici::minimumSizeHint() const { return entroNome(QComboBox::minimumSizeHint()); }

QSize ComboCodici::entroNome(QSize misura) const
{
    if (sizeAdjustPolicy() == QComboBox::AdjustToMinimumContentsLengthWithIcon) return misura;
    const QFontMetrics fm = fontMetrics();
    int testo = qMax(LarghezzaMassimaNome(fm), minimumContentsLength() * fm.horizontalAdvance(QLatin1Char('X')));
    for (int i = 0; i < count(); ++i)
        if (!itemIcon(i).isNull()) {
            testo += iconSize().width() + 4;
            break;
        }
    QStyleOptionComboBox opzione;
    initStyleOption(&opzione);
    const int massimo =
        style()->sizeFromContents(QStyle::CT_ComboBox, &opzione, QSize(testo, fm.height()), this).width();
    if (misura.width() > massimo) misura.setWidth(massimo);
    return misura;
}

void ComboCodici::emettiClick()
{
    if (sospensioni_ == 0) emit click();
}

ComboCodici::SenzaClick::SenzaClick(ComboCodici* combo) : combo_(combo)
{
    if (combo_) ++combo_->sospensioni_;
}

ComboCodici::SenzaClick::~SenzaClick()
{
    if (combo_) --combo_->sospensioni_;
}
