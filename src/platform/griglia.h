#pragma once

#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <QColor>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>

class QModelIndex;
class QTableView;
class ModelloGriglia;
class IntestazioneGriglia;
struct CellaGriglia;
struct DatiGriglia;

// A read-only grid of text cells. Rows and columns are numbered from 0; the first righeFisse()
// rows are fixed: they stay on top while the other rows scroll beneath them. Row 0 may merge
// equal neighbouring cells into one heading. Cells carry their own alignment, bold, colours and
// a small centred picture. The grid keeps no keys: windows keep them in their own containers.
//
// The current cell (rigaCorrente/colonnaCorrente) is the grid's own state: fills and formatting
// do not move it; windows set it where they need it. Whole-row selection highlights the current
// row when it is a scrolling row. Out-of-range reads give empty values; out-of-range writes are
// ignored with a warning.
class Griglia : public QWidget {
    Q_OBJECT
public:
    enum class Allineamento {
        Colonna,   // a cell only: follow the column's alignment
        Generale,  // numbers right, other text left (the columns' default)
        Sinistra,
        Centro,
        Destra,
    };

    explicit Griglia(QWidget* parent = nullptr);
    ~Griglia() override;

    // Size. Cutting rows or columns back drops their cells; growing adds empty ones.
    int colonne() const;
    void impostaColonne(int n);
    int righe() const;
    void impostaRighe(int n);
    // 0, 1 or 2 fixed rows (more are accepted). While the grid has fewer rows, all of them are fixed.
    int righeFisse() const;
    void impostaRigheFisse(int n);

    // Adds a row of cells, each text shown as it stands in its own cell: missing cells stay empty,
    // extra ones are dropped. indice -1 (or beyond the last row) appends; otherwise the row is inserted there.
    void aggiungiRiga(const QStringList& celle, int indice = -1);
    void rimuoviRiga(int riga);
    // Empties every cell (text, picture, look) and keeps rows, columns, widths and alignments of columns.
    void svuota();

    QString testo(int riga, int colonna) const;
    void impostaTesto(int riga, int colonna, const QString& testo);

    Allineamento allineamentoColonna(int colonna) const;
    void impostaAllineamentoColonna(int colonna, Allineamento a);
    // The cell's own alignment (Colonna when it follows its column).
    Allineamento allineamento(int riga, int colonna) const;
    void impostaAllineamento(int riga, int colonna, Allineamento a);
    bool grassetto(int riga, int colonna) const;
    void impostaGrassetto(int riga, int colonna, bool grassetto);
    // An invalid colour gives the cell back the grid's default.
    QColor coloreTesto(int riga, int colonna) const;
    void impostaColoreTesto(int riga, int colonna, const QColor& colore);
    QColor coloreSfondo(int riga, int colonna) const;
    void impostaColoreSfondo(int riga, int colonna, const QColor& colore);
    // A picture drawn centred in the cell (at most 16 px; larger ones are scaled down). Null removes it.
    QPixmap immagine(int riga, int colonna) const;
    void impostaImmagine(int riga, int colonna, const QPixmap& immagine);

    // Row 0 shows runs of equal neighbouring texts as one merged cell.
    bool unisciRiga0() const;
    void impostaUnisciRiga0(bool unisci);

    // Column widths in twips of the window designs or in pixels. 15 twips are 1 px when the grid's
    // font is as narrow as the designs' font; a wider font widens the columns in proportion
    // (the application's 9 pt font: about 12 twips a pixel), so that designed texts fit.
    int larghezzaColonna(int colonna) const;
    void impostaLarghezzaColonna(int colonna, int twips);
    int larghezzaColonnaPx(int colonna) const;
    void impostaLarghezzaColonnaPx(int colonna, int px);
    // A column sized to its texts: it grows, never shrinks, to the widest of `testi` in the grid's font (bold
    // when asked) with the cell's margins, up to larghezzaMassimaTesto(). A longer text, a name from a file of
    // any length, is cut with "…" and shown whole in its cell's tooltip: no text widens a window past the screen.
    // `nomi`: how many names a text of the column holds (a pairing "Bari - Como": 2).
    void adattaColonnaAlTesto(int colonna, const QStringList& testi, bool grassetto = false, int nomi = 1);
    // The columns from `prima` to `ultima` (every one from `prima` on when it is -1) sized so that each text below
    // the fixed rows fits whole, measured in bold where its cell is bold: adattaColonnaAlTesto on the grid's own
    // texts. An empty cell needs no room.
    void allargaColonneAlTesto(int prima = 0, int ultima = -1);
    // Column `colonna` takes the room the grid has beyond its other columns, from `minimo` to `massimo` px, whenever
    // the grid is resized (a window laid out wider, or kept narrower on a small screen); at once when the grid has
    // been laid out already, else from its first layout on.
    void impostaColonnaElastica(int colonna, int minimo, int massimo = std::numeric_limits<int>::max());
    // The widest, in px, that adattaColonnaAlTesto makes a column of `nomi` names: about 32 characters a name,
    // " - " between two, margins included.
    int larghezzaMassimaTesto(bool grassetto = false, int nomi = 1) const;

    // The current cell. Setting it never scrolls the grid.
    int rigaCorrente() const;
    int colonnaCorrente() const;
    void impostaRigaCorrente(int riga);
    void impostaColonnaCorrente(int colonna);
    void impostaCellaCorrente(int riga, int colonna);
    // Highlight the whole current row (the default) or nothing.
    bool selezioneRiga() const;
    void impostaSelezioneRiga(bool intera);

    // Scrolls so that the row is the first one shown below the fixed rows; the current cell stays.
    void impostaRigaInAlto(int riga);
    // The first scrolling row shown (the first row after the fixed ones when nothing scrolls).
    int rigaInAlto() const;

    // Redraw off batches every change until it is switched on again (fills of hundreds of rows).
    bool ridisegno() const;
    void impostaRidisegno(bool attivo);

    // The view of the scrolling rows and the view of the fixed rows (for tests and focus).
    QTableView* vista() const;
    QTableView* vistaFissa() const;

    // As wide as the columns (plus frame and scroll bar), about twelve rows tall.
    QSize sizeHint() const override;

signals:
    // The user double-clicked a scrolling row; it is the current row by then.
    void doppioClic(int riga);
    // The user made another row current (mouse or keys). Programmatic changes do not signal.
    void rigaSelezionata(int riga);

protected:
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    class Interno;
    struct Banda {
        int fisse;
        int scorrevoli;
    };

    // What the views must hear of a change: the fixed band is rebuilt, and the scrolling band
    // has `quante` rows from its row `primo` inserted or removed, or is rebuilt.
    enum class Scorrevoli { Niente, Inserite, Rimosse, Tutte };
    struct Avviso {
        bool fisse;
        Scorrevoli scorrevoli;
        int primo;
        int quante;
    };

    Banda bandaDopo(int righe) const;
    void cambiaRighe(bool toccaFisse, int primo, int quante, bool inserimento, const std::function<void()>& cambia);
    // A change that rebuilds both views.
    void azzeraViste(const std::function<void()>& cambia);
    // Runs the change: batched while the redraw is off, else told to the views as it happens.
    void modifica(const Avviso& avviso, const std::function<void()>& cambia);
    void cambiaCella(int riga, int colonna, const char* operazione, const std::function<void(CellaGriglia&)>& cambia);
    void sospendi();
    void dopoStruttura();
    void aggiornaAltezzaRighe();
    void applicaLarghezze();
    void applicaLarghezza(int colonna, int px);
    void adattaColonnaElastica();
    double scalaTwips() const;
    int inPixel(int twips) const;
    void aggiornaUnione();
    void limitaCorrente();
    void applicaCorrente();
    void correnteDallaVista(const QModelIndex& attuale);
    bool cellaEsiste(int riga, int colonna) const;
    bool rigaValida(int riga, const char* operazione) const;

    std::unique_ptr<DatiGriglia> dati_;
    QList<int> larghezze_;       // px per column
    QList<int> larghezzeTwips_;  // per column: the width as set in twips, -1 when set in px
    ModelloGriglia* modelloFisso_ = nullptr;
    ModelloGriglia* modelloScorrevole_ = nullptr;
    QTableView* vista_ = nullptr;
    IntestazioneGriglia* intestazione_ = nullptr;
    int altezzaRiga_ = 20;
    int riga_ = 0;
    int colonna_ = 0;
    bool selezioneRiga_ = true;
    bool unisci_ = false;
    bool ridisegno_ = true;
    bool sospeso_ = false;  // both models are inside a reset until redraw goes on again
    bool interno_ = false;  // the grid itself is moving the views
    std::optional<int> rigaInAltoRichiesta_;
    struct {
        int colonna = -1;  // none
        int minimo = 0;
        int massimo = 0;
    } elastica_;
};
