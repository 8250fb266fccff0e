#include "standings/classificaparzialedialog.h"

#include "core/idfinestre.h"
#include "core/stato.h"
#include "platform/azione.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/spinner.h"

#include <cmath>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Classifica parziale");
constexpr int CONTESTO_GUIDA = 21;
// Where the dialog opens in the main window's work area (190 and 150 twips).
constexpr int SINISTRA = 13;
constexpr int ALTO = 10;

const QString ERRORE_DA = QStringLiteral("La giornata indicata nel riquadro 'DA' non è corretta!");
const QString ERRORE_A = QStringLiteral("La giornata indicata nel riquadro 'A' non è corretta!");
const QString ERRORE_INTERVALLO = QStringLiteral("L'intervallo di giornate indicato non è corretto!");
const QString ERRORE_GIRONI = QStringLiteral("Una classifica parziale non può iniziare nel girone di ritorno e "
                                             "terminare nel girone di andata!");

// A match day typed in a box: its number must lie in 1..giornate, and so must the whole number it is
// handed over as (0.5 rounds to 0, which names no match day).
std::optional<int> giornata(double numero, int giornate)
{
    if (!(numero > 0) || numero > giornate) return std::nullopt;
    const double intero = std::nearbyint(numero);  // ties to even
    if (intero < 1) return std::nullopt;
    return int(intero);
}

QString scriviNumero(double v)
{
    if (v == std::floor(v) && std::fabs(v) < 1e15) return QString::number(qint64(v));
    return QString::number(v, 'g', 15);
}

// One frame of the dialog: "Giornata n.°", its box with the spinner, the two legs.
QGroupBox* Riquadro(const QString& titolo, int n, QLineEdit*& box, Spinner*& spinner, QRadioButton*& andata,
                    QRadioButton*& ritorno, QWidget* padre)
{
    auto* frame = new QGroupBox(titolo, padre);
    frame->setObjectName(QStringLiteral("Frame%1").arg(n));
    auto* etichetta = new QLabel(QStringLiteral("Giornata n.°"), frame);
    etichetta->setObjectName(QStringLiteral("Label%1").arg(n));
    box = new QLineEdit(frame);
    box->setObjectName(QStringLiteral("Text%1").arg(n));
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    etichetta->setBuddy(box);
    spinner = new Spinner(box, frame);
    spinner->setObjectName(QStringLiteral("UpDown%1").arg(n));
    spinner->impostaPasso(&ClassificaParzialeDialog::passo);
    andata = new QRadioButton(QStringLiteral("Girone di andata"), frame);
    andata->setObjectName(QStringLiteral("Option%1").arg(2 * n - 1));
    ritorno = new QRadioButton(QStringLiteral("Girone di ritorno"), frame);
    ritorno->setObjectName(QStringLiteral("Option%1").arg(2 * n));
    andata->setChecked(true);

    auto* riga = new QHBoxLayout;
    riga->addWidget(etichetta);
    riga->addWidget(box);
    riga->addWidget(spinner);
    riga->addStretch(1);
    auto* l = new QVBoxLayout(frame);
    l->addLayout(riga);
    l->addWidget(andata);
    l->addWidget(ritorno);
    return frame;
}

}  // namespace

ClassificaParzialeDialog::ClassificaParzialeDialog(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("classifica"), CONTESTO_GUIDA);

    auto* testa =
        new QLabel(QStringLiteral("Indicare l'arco di giornate entro il quale calcolare la classifica"), this);
    testa->setObjectName(QStringLiteral("Label3"));

    QGroupBox* frameDa = Riquadro(QStringLiteral("DA"), 1, da_, spinnerDa_, daAndata_, daRitorno_, this);
    QGroupBox* frameA = Riquadro(QStringLiteral("A"), 2, a_, spinnerA_, aAndata_, aRitorno_, this);

    QPushButton* ok = PulsanteDa(
        Azione::crea(QStringLiteral("Ok"), QStringLiteral("Calcola la classifica impostata"), this)->allo([this] {
            conferma();
        }),
        QStringLiteral("Command1"), this);
    QPushButton* annulla = PulsanteDa(
        Azione::crea(QStringLiteral("Annulla"), QStringLiteral("Abbandonare l'operazione"), this)->allo([this] {
            chiudi();
        }),
        QStringLiteral("Command2"), this);
    QPushButton* aiuto = PulsanteDa(
        Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama la guida di Golvarno"), this)->allo([] {
            Guida::apri(CONTESTO_GUIDA);
        }),
        QStringLiteral("Command3"), this);

    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(frameDa);
    riquadri->addWidget(frameA);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    for (QPushButton* b : {ok, annulla, aiuto}) {
        b->setMinimumWidth(90);
        pulsanti->addWidget(b);
    }
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(testa);
    tutto->addLayout(riquadri);
    tutto->addSpacing(6);
    tutto->addLayout(pulsanti);
    tutto->setSizeConstraint(QLayout::SetMinimumSize);
}

void ClassificaParzialeDialog::carica()
{
    // A new dialog starts empty: it does not show the span chosen last time.
    da_->clear();
    a_->clear();
    daAndata_->setChecked(true);
    aAndata_->setChecked(true);
}

void ClassificaParzialeDialog::showEvent(QShowEvent* e)
{
    Finestra::showEvent(e);
    if (posizionata_) return;
    auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sotto || !sotto->mdiArea()) return;
    posizionata_ = true;
    sotto->move(SINISTRA, ALTO);
}

double ClassificaParzialeDialog::numeroIniziale(const QString& testo)
{
    int i = 0;
    const int n = int(testo.size());
    while (i < n && (testo[i] == QLatin1Char(' ') || testo[i] == QLatin1Char('\t'))) ++i;
    QString numero;
    if (i < n && (testo[i] == QLatin1Char('-') || testo[i] == QLatin1Char('+'))) numero += testo[i++];
    bool cifre = false;
    while (i < n && testo[i] >= QLatin1Char('0') && testo[i] <= QLatin1Char('9')) {
        numero += testo[i++];
        cifre = true;
    }
    if (i < n && testo[i] == QLatin1Char('.')) {
        numero += testo[i++];
        while (i < n && testo[i] >= QLatin1Char('0') && testo[i] <= QLatin1Char('9')) {
            numero += testo[i++];
            cifre = true;
        }
    }
    if (!cifre) return 0.0;
    bool ok = false;
    const double v = numero.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

std::optional<QString> ClassificaParzialeDialog::passo(const QString& testo, int verso)
{
    const double v = numeroIniziale(testo);
    if (verso > 0) return scriviNumero(v + 1);
    if (v > 0) return scriviNumero(v - 1);
    return std::nullopt;
}

ClassificaParzialeDialog::Esito ClassificaParzialeDialog::verifica(const Richiesta& r, int giornateInserite)
{
    const double da = numeroIniziale(r.da);
    const double a = numeroIniziale(r.a);
    const std::optional<int> daGiornata = giornata(da, giornateInserite);
    if (!daGiornata) return {std::nullopt, ERRORE_DA};
    const std::optional<int> aGiornata = giornata(a, giornateInserite);
    if (!aGiornata) return {std::nullopt, ERRORE_A};
    if (r.daAndata == r.aAndata && a < da) return {std::nullopt, ERRORE_INTERVALLO};
    if (!r.daAndata && r.aAndata) return {std::nullopt, ERRORE_GIRONI};
    return {ArcoGiornate{*daGiornata, r.daAndata ? 1 : 2, *aGiornata, r.aAndata ? 1 : 2}, QString()};
}

bool ClassificaParzialeDialog::conferma()
{
    const Esito e =
        verifica({da_->text(), daAndata_->isChecked(), a_->text(), aAndata_->isChecked()}, stato().GiornateInserite);
    if (!e.arco) {
        Messaggio::errore(e.errore, TITOLO);
        return false;
    }
    Stato& s = stato();
    s.ParzDaGiornata = e.arco->daGiornata;
    s.ParzAGiornata = e.arco->aGiornata;
    s.ParzDaGirone = e.arco->daGirone;
    s.ParzAGirone = e.arco->aGirone;
    s.ClassificaCompleta = false;
    chiudi();
    if (Finestre::istanza().registrata(IdFinestra::Classifica)) Finestre::istanza().mostra(IdFinestra::Classifica);
    return true;
}
