#include "platform/grafico.h"

#include "platform/messaggio.h"
#include "platform/testoinriga.h"

#include <cmath>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGraphicsLineItem>
#include <QGuiApplication>
#include <QHash>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMimeData>
#include <QPieSeries>
#include <QPieSlice>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>

namespace {

const QList<QColor>& colori()
{
    static const QList<QColor> tavolozza = {
        QColor(0x2f, 0x6f, 0xb0), QColor(0xd9, 0x82, 0x2b), QColor(0x3c, 0x9d, 0x4e), QColor(0xc2, 0x3b, 0x3b),
        QColor(0x7b, 0x5e, 0xa7), QColor(0x8c, 0x6d, 0x31), QColor(0x2a, 0xa5, 0xa5), QColor(0xb5, 0x50, 0x8f),
    };
    return tavolozza;
}

QColor colore(int serie) { return colori()[serie % colori().size()]; }

// Decimals that the labels of an axis stepping by `passo` need (at most 2).
int decimali(double passo)
{
    for (int d = 0; d < 2; ++d) {
        const double scalato = passo * std::pow(10.0, d);
        if (std::abs(scalato - std::round(scalato)) < 1e-9) return d;
    }
    return 2;
}

// Qt Charts lays out every text it shows (title, axis titles and labels, legend) as markup: a text is handed to it
// escaped, so that it shows as it is written and no tag in it is read.
QString Mostrato(const QString& testo) { return testo.toHtmlEscaped(); }
// A label of a row or a series (a team's or a player's name, as stored): on one line, then escaped.
QString EtichettaMostrata(const QString& etichetta) { return Mostrato(TestoInRiga(etichetta)); }

constexpr QChar SpazioInvisibile(0x200B);  // zero-width space
constexpr double LUNGHEZZA_TACCA = 4;      // the category axis's ticks, in pixels
constexpr double LIVELLO_ASSI = 3;         // the level Qt Charts stacks the axes at: above the grid, below the series

}  // namespace

const QString Grafico::TITOLO_COPIA = QStringLiteral("Copia grafico");
const QString Grafico::TESTO_COPIA = QStringLiteral(
    "Sia i dati che l'immagine del grafico sono stati copiati negli appunti di Windows. Sono ora utilizzabili da "
    "altre applicazioni mediante le relative funzioni Incolla o Incolla Speciale.");

Grafico::Grafico(QWidget* parent) : QWidget(parent)
{
    chart_ = new QChart;
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    chart_->setLocalizeNumbers(true);
    chart_->setLocale(QLocale());
    chart_->legend()->setAlignment(Qt::AlignRight);
    chart_->legend()->setVisible(false);
    QFont carattereTitolo = chart_->titleFont();
    carattereTitolo.setBold(true);
    chart_->setTitleFont(carattereTitolo);

    asseX_ = new QCategoryAxis;
    asseX_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    asseX_->setGridLineVisible(false);
    asseX_->setTruncateLabels(false);
    asseY_ = new QValueAxis;
    asseY_->setTruncateLabels(false);
    chart_->addAxis(asseX_, Qt::AlignBottom);
    chart_->addAxis(asseY_, Qt::AlignLeft);

    connect(chart_, &QChart::plotAreaChanged, this, [this](const QRectF& area) {
        inclinaEtichette(area);
        disponiTacche(area);
    });

    vista_ = new QChartView(chart_, this);
    vista_->setRenderHint(QPainter::Antialiasing);
    // The chart's items do not all mark what they leave when they move or go (axis labels, markers):
    // every change repaints the whole view, or pieces of the previous drawing stay on screen.
    vista_->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    // A chart's few hundred items all move at every layout: keeping them in a spatial index costs more than
    // looking through them.
    vista_->scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vista_);
    ricostruisci();
}

Grafico::~Grafico() = default;

QChart* Grafico::chart() const { return chart_; }

Grafico::Tipo Grafico::tipo() const { return tipo_; }

void Grafico::impostaTipo(Tipo tipo)
{
    tipo_ = tipo;
    cambiato();
}

int Grafico::righe() const { return static_cast<int>(valori_.size()); }

void Grafico::impostaRighe(int n)
{
    n = qMax(0, n);
    for (int r = righe(); r < n; ++r) etichetteRighe_.append(QStringLiteral("R%1").arg(r + 1));
    etichetteRighe_.resize(n);
    valori_.resize(n, QList<std::optional<double>>(serie()));
    cambiato();
}

int Grafico::serie() const { return static_cast<int>(etichetteSerie_.size()); }

void Grafico::impostaSerie(int n)
{
    n = qMax(0, n);
    for (int s = serie(); s < n; ++s) etichetteSerie_.append(QStringLiteral("C%1").arg(s + 1));
    etichetteSerie_.resize(n);
    coloriSerie_.resize(n);
    for (auto& riga : valori_) riga.resize(n);
    cambiato();
}

QString Grafico::etichettaRiga(int riga) const { return etichetteRighe_.value(riga - 1); }

void Grafico::impostaEtichettaRiga(int riga, const QString& etichetta)
{
    if (!rigaValida(riga, "impostaEtichettaRiga")) return;
    etichetteRighe_[riga - 1] = etichetta;
    cambiato();
}

QString Grafico::etichettaSerie(int serie) const { return etichetteSerie_.value(serie - 1); }

void Grafico::impostaEtichettaSerie(int serie, const QString& etichetta)
{
    if (!serieValida(serie, "impostaEtichettaSerie")) return;
    etichetteSerie_[serie - 1] = etichetta;
    cambiato();
}

QColor Grafico::coloreSerie(int serie) const
{
    if (serie < 1 || serie > this->serie()) return QColor();
    return coloriSerie_[serie - 1].isValid() ? coloriSerie_[serie - 1] : colore(serie - 1);
}

void Grafico::impostaColoreSerie(int serie, const QColor& colore)
{
    if (!serieValida(serie, "impostaColoreSerie")) return;
    coloriSerie_[serie - 1] = colore;
    cambiato();
}

std::optional<double> Grafico::valore(int riga, int serie) const
{
    if (riga < 1 || riga > righe() || serie < 1 || serie > this->serie()) return std::nullopt;
    return valori_[riga - 1][serie - 1];
}

void Grafico::impostaValore(int riga, int serie, std::optional<double> valore)
{
    if (!rigaValida(riga, "impostaValore") || !serieValida(serie, "impostaValore")) return;
    if (valore && !std::isfinite(*valore)) valore.reset();
    valori_[riga - 1][serie - 1] = valore;
    cambiato();
}

void Grafico::svuotaValori()
{
    for (auto& riga : valori_) std::fill(riga.begin(), riga.end(), std::nullopt);
    cambiato();
}

void Grafico::impostaRigheNumerate(int righe)
{
    impostaRighe(righe);
    for (int r = 1; r <= this->righe(); ++r) etichetteRighe_[r - 1] = r % 2 == 0 ? QString() : QString::number(r);
    svuotaValori();
}

QString Grafico::titolo() const { return titolo_; }

void Grafico::impostaTitolo(const QString& titolo)
{
    titolo_ = titolo;
    cambiato();
}

void Grafico::impostaTitoliAssi(const QString& titoloX, const QString& titoloY)
{
    titoloX_ = titoloX;
    titoloY_ = titoloY;
    cambiato();
}

QString Grafico::titoloX() const { return titoloX_; }

QString Grafico::titoloY() const { return titoloY_; }

bool Grafico::scalaAutomatica() const { return automatica_; }

void Grafico::impostaScalaAutomatica()
{
    automatica_ = true;
    cambiato();
}

void Grafico::impostaScalaFissa(double minimo, double massimo, int divisioni)
{
    if (!(massimo > minimo) || divisioni < 1) {
        qWarning("Grafico::impostaScalaFissa: scala non valida (%g, %g, %d)", minimo, massimo, divisioni);
        return;
    }
    automatica_ = false;
    minimo_ = minimo;
    massimo_ = massimo;
    divisioni_ = divisioni;
    cambiato();
}

bool Grafico::legenda() const { return legenda_; }

void Grafico::impostaLegenda(bool visibile)
{
    legenda_ = visibile;
    cambiato();
}

void Grafico::aggiorna()
{
    programmato_ = false;
    ricostruisci();
}

void Grafico::copia()
{
    if (programmato_) aggiorna();
    // A chart never shown has not been laid out yet: give the picture a readable size.
    if (!vista_->isVisible()) vista_->resize(vista_->size().expandedTo(QSize(640, 400)));
    auto* dati = new QMimeData;
    dati->setImageData(vista_->grab().toImage());
    dati->setText(testoDati());
    QGuiApplication::clipboard()->setMimeData(dati);
}

void Grafico::copiaEAvvisa()
{
    copia();
    Messaggio::informa(TESTO_COPIA, TITOLO_COPIA);
}

void Grafico::cambiato()
{
    if (programmato_) return;
    programmato_ = true;
    // A chart out of sight is drawn when it shows: laying out one that nobody sees costs as much as a drawing.
    if (isVisible())
        QTimer::singleShot(0, this, [this] {
            if (programmato_) aggiorna();
        });
}

void Grafico::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (programmato_) aggiorna();
}

void Grafico::ricostruisci()
{
    chart_->removeAllSeries();
    chart_->setTitle(Mostrato(titolo_));
    chart_->legend()->setVisible(legenda_);
    if (tipo_ == Tipo::Torta)
        disegnaTorta();
    else
        disegnaAssi();
    disponiTacche(chart_->plotArea());
}

void Grafico::disegnaTorta()
{
    auto* torta = new QPieSeries;
    for (int s = 0; s < serie(); ++s) {
        const double v = righe() > 0 ? valori_[0][s].value_or(0.0) : 0.0;
        QPieSlice* fetta = torta->append(EtichettaMostrata(etichetteSerie_[s]), qMax(0.0, v));
        fetta->setColor(coloreSerie(s + 1));
        fetta->setBorderColor(Qt::white);
    }
    asseX_->setVisible(false);
    asseY_->setVisible(false);
    righeSenzaEtichetta_.clear();
    chart_->addSeries(torta);
}

void Grafico::disegnaAssi()
{
    // Row r sits at x = r - 1, half a slot from either end, with its label under it.
    QCategoryAxis* asseX = asseX_;
    QValueAxis* asseY = asseY_;
    for (const QString& etichetta : asseX->categoriesLabels()) asseX->remove(etichetta);
    asseX->setRange(-0.5, qMax(1, righe()) - 0.5);
    asseX->setStartValue(-0.5);
    // The axis lays every label out as a rich-text document, a cost that grows with the rows: a row without a
    // label (but the first, which starts the axis) gets its tick drawn by disponiTacche() instead.
    const QStringList etichette = etichetteAsse();
    righeSenzaEtichetta_.clear();
    for (int r = 0; r < etichette.size(); ++r)
        if (r == 0 || !etichetteRighe_[r].isEmpty())
            asseX->append(etichette[r], r);
        else
            righeSenzaEtichetta_.append(r);
    asseX->setTitleText(Mostrato(titoloX_));
    asseX->setVisible(true);
    asseY->setTitleText(Mostrato(titoloY_));
    asseY->setVisible(true);

    if (tipo_ == Tipo::Barre) {
        auto* barre = new QBarSeries;
        barre->setBarWidth(0.7);
        for (int s = 0; s < serie(); ++s) {
            auto* insieme = new QBarSet(EtichettaMostrata(etichetteSerie_[s]));
            insieme->setColor(coloreSerie(s + 1));
            insieme->setBorderColor(coloreSerie(s + 1).darker(130));
            for (int r = 0; r < righe(); ++r) insieme->append(valori_[r][s].value_or(0.0));
            barre->append(insieme);
        }
        chart_->addSeries(barre);
        barre->attachAxis(asseX);
        barre->attachAxis(asseY);
        const QList<QLegendMarker*> segni = chart_->legend()->markers(barre);
        for (int s = 0; s < serie() && s < segni.size(); ++s)
            if (etichetteSerie_[s].isEmpty()) segni[s]->setVisible(false);
    } else {
        // A line breaks where a value is missing: each run of present values is a segment of its own,
        // and only the first segment of a series shows in the legend.
        for (int s = 0; s < serie(); ++s) {
            QList<QLineSeries*> segmenti;
            for (int r = 0; r < righe(); ++r) {
                if (!valori_[r][s]) continue;
                if (r == 0 || !valori_[r - 1][s] || segmenti.isEmpty()) segmenti.append(new QLineSeries);
                segmenti.last()->append(r, *valori_[r][s]);
            }
            if (segmenti.isEmpty()) segmenti.append(new QLineSeries);
            for (int i = 0; i < segmenti.size(); ++i) {
                QLineSeries* linea = segmenti[i];
                linea->setName(EtichettaMostrata(etichetteSerie_[s]));
                QPen penna(coloreSerie(s + 1), 2);
                linea->setPen(penna);
                linea->setPointsVisible(true);
                linea->setMarkerSize(5);
                chart_->addSeries(linea);
                linea->attachAxis(asseX);
                linea->attachAxis(asseY);
                if (i > 0 || etichetteSerie_[s].isEmpty())
                    for (QLegendMarker* m : chart_->legend()->markers(linea)) m->setVisible(false);
            }
        }
    }

    if (automatica_) {
        double minimo = 0;
        double massimo = 0;
        bool interi = true;
        for (const auto& riga : valori_)
            for (const auto& v : riga)
                if (v) {
                    minimo = qMin(minimo, *v);
                    massimo = qMax(massimo, *v);
                    interi = interi && *v == std::round(*v);
                }
        if (massimo == minimo) massimo = minimo + 1;
        asseY->setTickCount(5);
        asseY->setRange(minimo, massimo);
        asseY->applyNiceNumbers();
        const double ampiezza = asseY->max() - asseY->min();
        if (interi && ampiezza <= 10 && decimali(ampiezza / (asseY->tickCount() - 1)) > 0)
            asseY->setTickCount(int(std::round(ampiezza)) + 1);
    } else {
        asseY->setRange(minimo_, massimo_);
        asseY->setTickCount(divisioni_ + 1);
    }
    const double passo = (asseY->max() - asseY->min()) / (asseY->tickCount() - 1);
    asseY->setLabelFormat(QStringLiteral("%.%1f").arg(decimali(passo)));
}

void Grafico::inclinaEtichette(const QRectF& area)
{
    // Labels that would run into their neighbours (empty labels leave room to the next one)
    // are turned upright.
    if (righe() == 0 || area.width() <= 0) return;
    const double posto = area.width() / righe();
    const QFontMetrics metrica(asseX_->labelsFont());
    bool stretto = false;
    double precedente = -0.5 * posto - 8;  // right end of the previous label (the axis start, less a little)
    for (int r = 0; r < righe() && !stretto; ++r) {
        const int larghezza = metrica.horizontalAdvance(TestoInRiga(etichetteRighe_[r]));
        if (larghezza == 0) continue;
        const double centro = r * posto;
        stretto = centro - larghezza / 2.0 < precedente + 4;
        precedente = centro + larghezza / 2.0;
    }
    stretto = stretto || precedente > (righe() - 0.5) * posto + 4;
    const int angolo = stretto ? -90 : 0;
    if (asseX_->labelsAngle() != angolo) asseX_->setLabelsAngle(angolo);
}

void Grafico::disponiTacche(const QRectF& area)
{
    // The ticks of the rows left off the axis, placed as the axis places its own: from the plot's bottom edge
    // taken down to the whole pixel, LUNGHEZZA_TACCA long, in the axis line's pen, at the row's place on the
    // axis's scale.
    const int n = asseX_->isVisible() && asseX_->isLineVisible() ? int(righeSenzaEtichetta_.size()) : 0;
    while (tacche_.size() < n) {
        tacche_.append(new QGraphicsLineItem(chart_));
        tacche_.last()->setZValue(LIVELLO_ASSI);  // drawn after the axis line, as the axis draws its own
    }
    for (int i = 0; i < tacche_.size(); ++i) tacche_[i]->setVisible(i < n);
    if (n == 0) return;
    const QPen penna = asseX_->linePen();
    const double scala = area.width() / (asseX_->max() - asseX_->min());
    const double alto = int(area.bottom());
    for (int i = 0; i < n; ++i) {
        const double x = (righeSenzaEtichetta_[i] - asseX_->min()) * scala + area.left();
        tacche_[i]->setPen(penna);
        tacche_[i]->setLine(x, alto, x, alto + LUNGHEZZA_TACCA);
    }
}

QStringList Grafico::etichetteAsse() const
{
    // The axis drops a label it already holds: repeated and empty labels are told apart
    // by trailing zero-width spaces, which show nothing.
    QStringList uniche;
    QHash<QString, int> volte;
    for (const QString& etichetta : etichetteRighe_) {
        const int k = volte[etichetta]++;
        uniche.append(EtichettaMostrata(etichetta) + QString(etichetta.isEmpty() ? k + 1 : k, SpazioInvisibile));
    }
    return uniche;
}

QString Grafico::testoDati() const
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QStringList righe;
    QStringList intestazione{QString()};
    // A label as it is given, but for a tab or a line break in it, which would break up the table.
    for (const QString& etichetta : etichetteSerie_) intestazione.append(SenzaControlli(etichetta));
    righe.append(intestazione.join(QLatin1Char('\t')));
    for (int r = 0; r < this->righe(); ++r) {
        QStringList campi{SenzaControlli(etichetteRighe_[r])};
        for (const auto& v : valori_[r]) campi.append(v ? locale.toString(*v, 'g', 15) : QString());
        righe.append(campi.join(QLatin1Char('\t')));
    }
    return righe.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool Grafico::rigaValida(int riga, const char* operazione) const
{
    if (riga >= 1 && riga <= righe()) return true;
    qWarning("Grafico::%s: riga %d fuori dal grafico (%d righe)", operazione, riga, righe());
    return false;
}

bool Grafico::serieValida(int serie, const char* operazione) const
{
    if (serie >= 1 && serie <= this->serie()) return true;
    qWarning("Grafico::%s: serie %d fuori dal grafico (%d serie)", operazione, serie, this->serie());
    return false;
}
