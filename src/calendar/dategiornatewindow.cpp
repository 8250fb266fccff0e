#include "calendar/dategiornatewindow.h"

#include "calendar/costruzionecalendario.h"
#include "calendar/testatagiornata.h"
#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/etichettanome.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using C = CostruzioneCalendario;

namespace {

constexpr int LUNGHEZZA_DATA = 50;  // PARTITA and GIORNATA DATAAND, DATARIT, HAND, HRIT: Text 50
constexpr int CARATTERI_DATA = 16;
constexpr int CARATTERI_ORA = 6;

QLabel* titoloColonna(const QString& testo, QWidget* parent)
{
    auto* l = new QLabel(testo, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

DateGiornateWindow::DateGiornateWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(C::TitoloDate, QStringLiteral("calendario"), C::GuidaRegistrazione);

    auto* principale = new QVBoxLayout(this);

    auto* testa = new QHBoxLayout;
    QPushButton* command1 =
        PulsanteDa(Azione::crea(QStringLiteral("Giornata precedente"),
                                QStringLiteral("Passare alla giornata precedente"), this, QStringLiteral("precedente"))
                       ->allo([this] { sposta(-1); }),
                   QStringLiteral("Command1"), this);
    QPushButton* command2 =
        PulsanteDa(Azione::crea(QStringLiteral("Giornata successiva"),
                                QStringLiteral("Passare alla giornata successiva"), this, QStringLiteral("successivo"))
                       ->allo([this] { sposta(+1); }),
                   QStringLiteral("Command2"), this);
    intestazione_ = C::intestazione(QStringLiteral("Label1"), this);
    intestazione_->setAlignment(Qt::AlignCenter);
    testa->addWidget(command1);
    testa->addWidget(intestazione_, 1);
    testa->addWidget(command2);
    principale->addLayout(testa);

    // The day's dates, with the command that copies each to every pairing.
    auto* frame1 = new QGroupBox(QStringLiteral("Date della giornata"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* g1 = new QGridLayout(frame1);
    dataAndata_ = casella(QStringLiteral("Text1"), CARATTERI_DATA);
    dataRitorno_ = casella(QStringLiteral("Text2"), CARATTERI_DATA);
    QPushButton* command3 =
        PulsanteDa(Azione::crea(QStringLiteral("Copia in tutte le partite"),
                                QStringLiteral("Dare a tutte le partite dell'andata la data della giornata"), this)
                       ->allo([this] { copiaData(true); }),
                   QStringLiteral("Command3"), frame1);
    QPushButton* command4 =
        PulsanteDa(Azione::crea(QStringLiteral("Copia in tutte le partite"),
                                QStringLiteral("Dare a tutte le partite del ritorno la data della giornata"), this)
                       ->allo([this] { copiaData(false); }),
                   QStringLiteral("Command4"), frame1);
    g1->addWidget(new QLabel(QStringLiteral("Andata:"), frame1), 0, 0);
    g1->addWidget(dataAndata_, 0, 1);
    g1->addWidget(command3, 0, 2);
    g1->setColumnMinimumWidth(3, 24);
    g1->addWidget(new QLabel(QStringLiteral("Ritorno:"), frame1), 0, 4);
    g1->addWidget(dataRitorno_, 0, 5);
    g1->addWidget(command4, 0, 6);
    g1->setColumnStretch(7, 1);
    principale->addWidget(frame1);

    // The pairings: date and time of each leg.
    auto* frame2 = new QGroupBox(QStringLiteral("Date ed orari delle partite"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* v2 = new QVBoxLayout(frame2);
    griglia_ = new QGridLayout;
    griglia_->setHorizontalSpacing(8);
    griglia_->addWidget(titoloColonna(QStringLiteral("Incontro"), frame2), 0, 0, 2, 1, Qt::AlignBottom);
    griglia_->addWidget(titoloColonna(QStringLiteral("Andata"), frame2), 0, 1, 1, 2, Qt::AlignHCenter);
    griglia_->addWidget(titoloColonna(QStringLiteral("Ritorno"), frame2), 0, 4, 1, 2, Qt::AlignHCenter);
    griglia_->addWidget(new QLabel(QStringLiteral("Data"), frame2), 1, 1);
    griglia_->addWidget(new QLabel(QStringLiteral("Ora"), frame2), 1, 2);
    griglia_->addWidget(new QLabel(QStringLiteral("Data"), frame2), 1, 4);
    griglia_->addWidget(new QLabel(QStringLiteral("Ora"), frame2), 1, 5);
    griglia_->setColumnMinimumWidth(3, 16);
    griglia_->setColumnStretch(0, 1);
    v2->addLayout(griglia_);
    riposa_ = new QLabel(frame2);
    riposa_->setObjectName(QStringLiteral("Label2"));
    v2->addWidget(riposa_);
    v2->addStretch();
    principale->addWidget(frame2, 1);

    QPushButton* command5 = PulsanteDa(
        Azione::crea(QStringLiteral("Salva"), QStringLiteral("Salvare le date della giornata"), this)->allo([this] {
            salvaSeServe();
        }),
        QStringLiteral("Command5"), this);
    QPushButton* command6 =
        PulsanteDa(Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Salvare e chiudere questa finestra"), this)
                       ->allo([this] { chiudi(); }),
                   QStringLiteral("Command6"), this);
    QPushButton* command7 = PulsanteDa(
        Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama guida di Golvarno"), this)->allo([this] {
            Guida::apri(contestoGuida());
        }),
        QStringLiteral("Command7"), this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    for (QPushButton* b : {command5, command6, command7}) pulsanti->addWidget(b);
    principale->addLayout(pulsanti);
}

QLineEdit* DateGiornateWindow::casella(const QString& nome, int caratteri)
{
    auto* e = new QLineEdit(this);
    e->setObjectName(nome);
    e->setMaxLength(LUNGHEZZA_DATA);
    const QFontMetrics fm(e->font());
    e->setFixedWidth(fm.horizontalAdvance(QLatin1Char('0')) * caratteri + 12);
    return e;
}

void DateGiornateWindow::attiva()
{
    // Coming back to the window shows the day as stored now, unless it holds changes not saved yet.
    if (modificata()) return;
    QVector<int> numeri;
    if (!EseguiComando(C::TitoloDate, [&] { numeri = GiornateCalendarioQueries::numeri(); })) return;
    mostraGiornata(numeri.contains(giornata_.numero) ? giornata_.numero : (numeri.isEmpty() ? 0 : numeri.first()));
}

void DateGiornateWindow::mostraGiornata(int numero)
{
    DatiGiornata g;
    g.numero = numero;
    if (numero > 0 && !EseguiComando(C::TitoloDate, [&] { g = GiornateCalendarioQueries::leggi(numero); })) return;
    giornata_ = g;
    intestazione_->setText(numero > 0 ? QStringLiteral("Giornata n. %1").arg(numero)
                                      : QStringLiteral("Nessuna giornata registrata nel calendario"));
    dataAndata_->setText(g.dataAnd);
    dataRitorno_->setText(g.dataRit);

    QWidget* frame = riposa_->parentWidget();
    // Rows made and shown one by one on a window on screen would each lay the whole window out again: its
    // layouts wait until every row is there, then the window is laid out once.
    const bool nuoveRighe = righe_.size() < g.incontri.size();
    if (nuoveRighe)
        for (QLayout* l : {layout(), frame->layout()}) l->setEnabled(false);
    while (righe_.size() < g.incontri.size()) {
        const int r = int(righe_.size());
        const QString n = QString::number(r + 1);
        RigaDate riga;
        riga.incontro = new EtichettaIncontro(0, frame);
        riga.incontro->setObjectName(QStringLiteral("Incontro") + n);
        riga.dataAnd = casella(QStringLiteral("DataAnd") + n, CARATTERI_DATA);
        riga.hAnd = casella(QStringLiteral("HAnd") + n, CARATTERI_ORA);
        riga.dataRit = casella(QStringLiteral("DataRit") + n, CARATTERI_DATA);
        riga.hRit = casella(QStringLiteral("HRit") + n, CARATTERI_ORA);
        griglia_->addWidget(riga.incontro, r + 2, 0);
        griglia_->addWidget(riga.dataAnd, r + 2, 1);
        griglia_->addWidget(riga.hAnd, r + 2, 2);
        griglia_->addWidget(riga.dataRit, r + 2, 4);
        griglia_->addWidget(riga.hRit, r + 2, 5);
        righe_ << riga;
    }
    for (int r = 0; r < righe_.size(); ++r) {
        const RigaDate& riga = righe_[r];
        const bool usata = r < g.incontri.size();
        for (QWidget* w :
             {static_cast<QWidget*>(riga.incontro), static_cast<QWidget*>(riga.dataAnd),
              static_cast<QWidget*>(riga.hAnd), static_cast<QWidget*>(riga.dataRit), static_cast<QWidget*>(riga.hRit)})
            w->setVisible(usata);
        if (!usata) continue;
        const DatiIncontro& i = g.incontri[r];
        riga.incontro->impostaIncontro(i.sq1, i.sq2);
        riga.dataAnd->setText(i.date.DataAnd);
        riga.hAnd->setText(i.date.HAnd);
        riga.dataRit->setText(i.date.DataRit);
        riga.hRit->setText(i.date.HRit);
    }
    TestataGiornata::mostraRiposa(riposa_, g.riposa);
    riposa_->setVisible(!g.riposa.isEmpty());
    if (nuoveRighe)
        for (QLayout* l : {frame->layout(), layout()}) {
            l->setEnabled(true);
            l->invalidate();
        }
    for (QLineEdit* e : {dataAndata_, dataRitorno_}) e->setEnabled(g.registrata);
    // The rows were added after the window took its size: its frame grows to hold them.
    TestataGiornata::adattaCornice(this);
}

bool DateGiornateWindow::modificata() const
{
    return giornata_.numero > 0 && GiornateCalendarioQueries::modificata(digitata(), giornata_);
}

DatiGiornata DateGiornateWindow::digitata() const
{
    DatiGiornata g = giornata_;
    g.dataAnd = dataAndata_->text();
    g.dataRit = dataRitorno_->text();
    for (int r = 0; r < g.incontri.size() && r < righe_.size(); ++r) {
        TipoDataOrario& d = g.incontri[r].date;
        d.DataAnd = righe_[r].dataAnd->text();
        d.HAnd = righe_[r].hAnd->text();
        d.DataRit = righe_[r].dataRit->text();
        d.HRit = righe_[r].hRit->text();
    }
    return g;
}

void DateGiornateWindow::vaiAGiornata(int numero)
{
    if (numero == giornata_.numero && modificata()) return;
    if (salvaSeServe()) mostraGiornata(numero);
}

void DateGiornateWindow::sposta(int verso)
{
    QVector<int> numeri;
    if (!EseguiComando(C::TitoloDate, [&] { numeri = GiornateCalendarioQueries::numeri(); })) return;
    const int altra = C::giornataVicina(numeri, giornata_.numero, verso);
    if (altra == 0) {
        Messaggio::informa(verso < 0 ? C::PrimaGiornata : C::UltimaGiornata, C::TitoloDate);
        return;
    }
    if (salvaSeServe()) mostraGiornata(altra);
}

void DateGiornateWindow::copiaData(bool andata)
{
    const QString data = (andata ? dataAndata_ : dataRitorno_)->text().trimmed();
    if (data.isEmpty()) {
        Messaggio::errore(QStringLiteral("Scrivere prima la data della giornata nel girone di %1.")
                              .arg(andata ? QStringLiteral("andata") : QStringLiteral("ritorno")),
                          C::TitoloDate);
        return;
    }
    for (int r = 0; r < giornata_.incontri.size() && r < righe_.size(); ++r)
        (andata ? righe_[r].dataAnd : righe_[r].dataRit)->setText(data);
}

bool DateGiornateWindow::salvaSeServe()
{
    if (!modificata()) return true;
    const DatiGiornata digitate = digitata();
    QString rifiuto;
    CursoreAttesa();
    const bool salvata = EseguiComando(C::TitoloDate, [&] {
        // Only what the user changed goes over the day as stored now.
        DatiGiornata g;
        rifiuto = GiornateCalendarioQueries::conModifiche(GiornateCalendarioQueries::leggi(giornata_.numero), giornata_,
                                                          digitate, g);
        if (rifiuto.isEmpty()) GiornateCalendarioQueries::salvaDate(g);
    });
    CursoreNormale();
    if (!rifiuto.isEmpty()) Messaggio::errore(rifiuto, C::TitoloDate);
    if (!salvata || !rifiuto.isEmpty()) return false;
    giornata_ = digitate;
    return true;
}

bool DateGiornateWindow::scarica()
{
    if (salvaSeServe()) return true;
    return Messaggio::conferma(QStringLiteral("Le date della giornata n. %1 non sono state salvate.\rChiudere "
                                              "comunque la finestra?")
                                   .arg(giornata_.numero),
                               C::TitoloDate);
}
