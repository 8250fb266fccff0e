#pragma once

#include "charts/graficiqueries.h"
#include "platform/finestre.h"

#include <functional>
#include <QPoint>
#include <QString>

class Azione;
class ComboCodici;
class Grafico;
class QHBoxLayout;
class QPushButton;
class QStackedLayout;

// The frame of every chart window: the chart (`Chart1` inside `Frame1`) stretching with the window,
// an optional row of choices above it ("Squadra" and the list of teams `Combo1`), and a bottom row of
// buttons: "Copia negli Appunti" (picture and data of the chart, then the "Copia grafico" box),
// "Chiudi" and "Help" (the "I grafici" help topic).
//
// Loading (carica) runs, in this order: the list of teams filled and preselected from SquadraCorrente
// (no entry when no team has exactly that name), the stop-round search, prepara(), and the first
// disegna(), all under the hourglass. A failure to read the file is reported by leggi() and unloads
// the window. Picking another team runs disegna() again, but not the stop search.
//
// A window derived from it states its set-up in Impostazioni and writes disegna(), which reads the file
// through leggi() first and writes the chart only when the reading succeeded, so that a failed drawing
// leaves the chart as it was.
class FinestraGrafico : public Finestra {
    Q_OBJECT
public:
    struct Impostazioni {
        QString titolo;  // the caption at load; a drawing may replace it
        QString icona = QStringLiteral("grafico");
        bool listaSquadre = false;  // Label1 "Squadra" and Combo1 above the chart
        bool cercaStop = false;     // the stop-round search at load (stop())
        bool disegnaAlCaricamento = true;
        std::optional<QPoint> posizione;  // left, top in the main window, in twips; none: where the area puts it
        QString nomeRiquadro = QStringLiteral("Frame1");  // the frame around the chart
        // A hint shown in the chart's place until mostraGrafico() (none: the chart shows from the start).
        QString suggerimento;
        // The buttons: control names and tooltips differ from window to window.
        QString testoCopia = QStringLiteral("Copia negli Appunti");
        QString nomeCopia = QStringLiteral("Command1");
        QString suggerimentoCopia = QStringLiteral("Copia il grafico negli Appunti di Windows");
        QString nomeChiudi = QStringLiteral("Command2");
        QString nomeGuida = QStringLiteral("Command3");
        QString suggerimentoGuida = QStringLiteral("Richiama la guida di Golvarno");
    };

    static constexpr int CONTESTO_GUIDA = 55;

    Grafico* grafico() const { return grafico_; }
    // Whether the chart shows (a window with a hint shows it from its first drawing on).
    bool graficoVisibile() const;
    // The list of teams; null in a window without one.
    ComboCodici* listaSquadre() const { return combo1_; }
    // The team chosen in the list (empty when none is chosen).
    QString squadra() const;
    // The stop round found at load.
    GiornataStop stop() const { return stop_; }

    void carica() override;

    // Copies the chart (picture and data) to the clipboard and confirms it.
    void copia();

protected:
    FinestraGrafico(const QString& id, const Impostazioni& impostazioni, QWidget* parent = nullptr);

    // Draws the chart for the window's current choices; false when the file could not be read.
    virtual bool disegna() = 0;
    // Load work of the window's own between the stop search and the first drawing; false to unload.
    virtual bool prepara() { return true; }

    // Runs a reading of the file; a failure becomes the window's error message and gives false.
    bool leggi(const std::function<void()>& lettura) const;

    // Rows of a chart drawn round by round (both legs) and of a progress chart (one row per match).
    static int righePerGiornata();
    static int righePerPartita();
    // Gives the chart `righe` rows, labelled with their number when odd and empty when even, and
    // empties every value.
    void impostaRigheNumerate(int righe);
    // Writes one series from row 1 on, a row for each value; a row without a value is left as it is.
    void scriviSerie(int serie, const ValoriPerGiornata& valori);
    void scriviSerie(int serie, const QVector<qint64>& valori);
    // Fills a list with the teams and selects the one named exactly SquadraCorrente (the first team when
    // it is empty, none when no team has that name), without raising its click.
    static void riempiSquadre(ComboCodici* lista);

    // Places for a window's own controls: the row above the chart (after the list of teams), the row of
    // the chart (a control inserted at 0 stands at its left), and the bottom row (before the copy button).
    QHBoxLayout* rigaScelte() const { return rigaScelte_; }
    QHBoxLayout* rigaGrafico() const { return rigaGrafico_; }
    QPushButton* aggiungiPulsante(Azione* azione, const QString& nome);
    // Puts the chart in the hint's place, for good.
    void mostraGrafico();

    void showEvent(QShowEvent* e) override;

private:
    Impostazioni impostazioni_;
    Grafico* grafico_ = nullptr;
    ComboCodici* combo1_ = nullptr;
    QHBoxLayout* rigaScelte_ = nullptr;
    QHBoxLayout* rigaGrafico_ = nullptr;
    QHBoxLayout* rigaPulsanti_ = nullptr;
    QStackedLayout* pila_ = nullptr;  // the hint, then the chart
    int primoPulsante_ = 0;           // index in rigaPulsanti_ of the copy button
    GiornataStop stop_;
    bool posizionata_ = false;
};
