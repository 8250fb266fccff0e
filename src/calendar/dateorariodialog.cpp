#include "calendar/dateorariodialog.h"

#include "core/stato.h"
#include "platform/etichettanome.h"
#include "platform/icone.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int LUNGHEZZA_DATA = 50;  // PARTITA DATAAND, HAND, DATARIT, HRIT: Text 50

// The record the dialog edits, or null when RigaSelezionata names no row.
TipoDataOrario* voce()
{
    Stato& s = stato();
    const int r = s.RigaSelezionata;
    return r >= 1 && r < s.DateOrariPartite.size() ? &s.DateOrariPartite[r] : nullptr;
}

}  // namespace

DateOrarioDialog::DateOrarioDialog(const QString& casa, const QString& ospite, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DateOrarioDialog"));
    setWindowTitle(QStringLiteral("Date ed orari dell'incontro"));
    setWindowIcon(Icona(QStringLiteral("calendario")));
    setModal(true);

    auto* principale = new QVBoxLayout(this);
    // The pairing after its number; names longer than the dialog has room for are cut.
    auto* label1 = new QLabel(QStringLiteral("Incontro n. %1:").arg(stato().RigaSelezionata), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* incontro = new EtichettaIncontro(0, this);
    incontro->setObjectName(QStringLiteral("Label2"));
    auto* titolo = new QHBoxLayout;
    for (QLabel* l : {label1, static_cast<QLabel*>(incontro)}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        titolo->addWidget(l);
    }
    incontro->impostaIncontro(casa, ospite);
    titolo->addStretch(1);
    principale->addLayout(titolo);

    dataAndata_ = casella(QStringLiteral("Text1"));
    oraAndata_ = casella(QStringLiteral("Text2"));
    dataRitorno_ = casella(QStringLiteral("Text3"));
    oraRitorno_ = casella(QStringLiteral("Text4"));
    const QList<std::tuple<QString, QString, QLineEdit*, QLineEdit*>> gironi{
        {QStringLiteral("Frame1"), QStringLiteral("Girone di andata"), dataAndata_, oraAndata_},
        {QStringLiteral("Frame2"), QStringLiteral("Girone di ritorno"), dataRitorno_, oraRitorno_}};
    for (const auto& [nome, titolo, data, ora] : gironi) {
        auto* frame = new QGroupBox(titolo, this);
        frame->setObjectName(nome);
        auto* g = new QGridLayout(frame);
        g->addWidget(new QLabel(QStringLiteral("Data:"), frame), 0, 0);
        g->addWidget(data, 0, 1);
        g->addWidget(new QLabel(QStringLiteral("Orario:"), frame), 0, 2);
        g->addWidget(ora, 0, 3);
        g->setColumnStretch(1, 2);
        g->setColumnStretch(3, 1);
        principale->addWidget(frame);
    }

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    pulsanti->setObjectName(QStringLiteral("Pulsanti"));
    pulsanti->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Command1"));
    pulsanti->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Command2"));
    pulsanti->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    principale->addWidget(pulsanti);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    if (const TipoDataOrario* d = voce()) {
        dataAndata_->setText(d->DataAnd);
        oraAndata_->setText(d->HAnd);
        dataRitorno_->setText(d->DataRit);
        oraRitorno_->setText(d->HRit);
    }
}

QLineEdit* DateOrarioDialog::casella(const QString& nome)
{
    auto* e = new QLineEdit(this);
    e->setObjectName(nome);
    e->setMaxLength(LUNGHEZZA_DATA);
    e->setMinimumWidth(QFontMetrics(e->font()).horizontalAdvance(QLatin1Char('0')) * 10 + 12);
    return e;
}

void DateOrarioDialog::accept()
{
    if (TipoDataOrario* d = voce()) {
        d->DataAnd = dataAndata_->text().trimmed();
        d->HAnd = oraAndata_->text().trimmed();
        d->DataRit = dataRitorno_->text().trimmed();
        d->HRit = oraRitorno_->text().trimmed();
    }
    QDialog::accept();
}
