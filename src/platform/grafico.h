#pragma once

#include <optional>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QCategoryAxis;
class QChart;
class QChartView;
class QGraphicsLineItem;
class QValueAxis;

// A chart of a table of values: rows (the categories, e.g. the rounds) by series (e.g. the teams).
// Rows and series are numbered from 1. A value may be missing: a line then breaks there and
// a bar is absent. Row labels may repeat or be empty; every row keeps its place and its label.
// The table keeps what was written until it is written again or cut back: resizing keeps the
// values of the rows and series that remain, and new ones start empty, labelled "R<n>" and "C<n>".
// Changes are drawn together when control returns to the event loop (a hidden chart: when it shows), or at
// once by aggiorna().
// Every text shows as it is written, none is read as markup. A row's or a series' label is a name as stored: it shows
// on one line (TestoInRiga) and is copied as it is.
class Grafico : public QWidget {
    Q_OBJECT
public:
    enum class Tipo { Barre, Linee, Torta };

    explicit Grafico(QWidget* parent = nullptr);
    ~Grafico() override;

    // Bars (the default) and lines show every row; a pie shows the series of row 1 as slices.
    Tipo tipo() const;
    void impostaTipo(Tipo tipo);

    int righe() const;
    void impostaRighe(int n);
    int serie() const;
    void impostaSerie(int n);

    QString etichettaRiga(int riga) const;
    void impostaEtichettaRiga(int riga, const QString& etichetta);
    // The series' name: shown in the legend, and as the slice's name in a pie.
    QString etichettaSerie(int serie) const;
    void impostaEtichettaSerie(int serie, const QString& etichetta);
    // The series' colour: one of the chart's own until a colour is given (an invalid one gives it back).
    QColor coloreSerie(int serie) const;
    void impostaColoreSerie(int serie, const QColor& colore);

    std::optional<double> valore(int riga, int serie) const;
    void impostaValore(int riga, int serie, std::optional<double> valore);
    // Empties every value; rows, series and labels stay.
    void svuotaValori();
    // Rows for the rounds of a season: `righe` rows, labelled with their number when odd and empty when
    // even, every value emptied.
    void impostaRigheNumerate(int righe);

    QString titolo() const;
    void impostaTitolo(const QString& titolo);
    // Titles of the category (X) axis and of the value (Y) axis.
    void impostaTitoliAssi(const QString& titoloX, const QString& titoloY);
    QString titoloX() const;
    QString titoloY() const;

    // The value axis: automatic (the default; it always takes in 0) or fixed from minimo to
    // massimo in `divisioni` equal steps.
    bool scalaAutomatica() const;
    // The fixed scale, also while the automatic one is in use.
    double minimoScala() const { return minimo_; }
    double massimoScala() const { return massimo_; }
    int divisioniScala() const { return divisioni_; }
    void impostaScalaAutomatica();
    void impostaScalaFissa(double minimo, double massimo, int divisioni);

    // The legend (hidden by default) lists the series at the right of the chart; a bar or line series
    // with an empty label is left out of it.
    bool legenda() const;
    void impostaLegenda(bool visibile);

    // Draws the pending changes now.
    void aggiorna();

    // Puts on the clipboard a picture of the chart and its data as tab-separated text: a heading
    // line (empty cell, then the series' labels), then each row's label and its values
    // (empty where missing), in the locale's number format. A tab, a line break or another control
    // character in a label is copied as a blank, so that the table keeps its shape.
    void copia();

    // copia(), then the "Copia grafico" box that tells the user what the clipboard now holds.
    void copiaEAvvisa();
    static const QString TITOLO_COPIA;  // "Copia grafico"
    static const QString TESTO_COPIA;

    // The drawn chart, for tests.
    QChart* chart() const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void cambiato();
    void ricostruisci();
    void disegnaTorta();
    void disegnaAssi();
    QStringList etichetteAsse() const;
    void inclinaEtichette(const QRectF& area);
    void disponiTacche(const QRectF& area);
    QString testoDati() const;
    bool rigaValida(int riga, const char* operazione) const;
    bool serieValida(int serie, const char* operazione) const;

    QChartView* vista_ = nullptr;
    QChart* chart_ = nullptr;
    QCategoryAxis* asseX_ = nullptr;  // kept for the life of the chart; hidden under a pie
    QValueAxis* asseY_ = nullptr;
    QList<int> righeSenzaEtichetta_;    // rows (from 0) whose tick is drawn by the chart, not the axis
    QList<QGraphicsLineItem*> tacche_;  // those ticks, owned by the chart
    Tipo tipo_ = Tipo::Barre;
    QStringList etichetteRighe_;
    QStringList etichetteSerie_ = {QStringLiteral("C1")};
    QList<QColor> coloriSerie_ = {QColor()};      // invalid: the chart's own
    QList<QList<std::optional<double>>> valori_;  // [row][series], from 0
    QString titolo_;
    QString titoloX_;
    QString titoloY_;
    bool automatica_ = true;
    double minimo_ = 0;
    double massimo_ = 10;
    int divisioni_ = 10;
    bool legenda_ = false;
    bool programmato_ = false;  // a redraw is queued
};
