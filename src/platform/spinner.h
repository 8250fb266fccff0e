#pragma once

#include <functional>
#include <optional>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QWidget>

class QToolButton;

// Up and down arrows beside a text box (its buddy: a QLineEdit, or an editable combo's line edit).
// The spinner keeps no value of its own: each click reads the box's text afresh and writes plain
// text back. By default a click steps the whole number at the start of the text by 1 (a text that
// does not start with a number reads 0), within optional bounds; a window with other rules (the
// half-point ratings) gives its own step function instead.
class Spinner : public QWidget {
    Q_OBJECT
public:
    // The text a click writes, or nullopt to leave the box as it is. `verso` is +1 (up) or -1 (down).
    using Passo = std::function<std::optional<QString>(const QString& testo, int verso)>;

    explicit Spinner(QLineEdit* compagno, QWidget* parent = nullptr);
    QLineEdit* compagno() const { return compagno_; }

    // Bounds of the default step. Up changes the box only while its number is below the maximum,
    // down only while it is above the minimum.
    void impostaMinimo(std::optional<int> minimo) { minimo_ = minimo; }
    void impostaMassimo(std::optional<int> massimo) { massimo_ = massimo; }
    std::optional<int> minimo() const { return minimo_; }
    std::optional<int> massimo() const { return massimo_; }
    // Down at or below the minimum writes the minimum instead of leaving the box alone (a negative
    // penalty turns into 0).
    void impostaRiportaAlMinimo(bool riporta) { riportaAlMinimo_ = riporta; }
    // Replaces the default step; an empty function restores it.
    void impostaPasso(Passo passo) { passo_ = std::move(passo); }

    // The default step, on its own: what a click does to `testo` with these bounds.
    static std::optional<QString> passoIntero(const QString& testo, int verso, std::optional<int> minimo = {},
                                              std::optional<int> massimo = {}, bool riportaAlMinimo = false);
    // The rating step: no rating (empty box, or `senzaVoto`, e.g. "S.V." chosen) goes to 5 down and
    // 6 up; any other value moves by 0.5 while above 3 (down) or below 10 (up), and is written with
    // a decimal comma and no trailing zeros ("5,5", "6").
    static std::optional<QString> passoVoto(const QString& testo, int verso, bool senzaVoto);

    // The number at the start of a text, blanks skipped: "12abc" 12, "abc" 0 ...
    static int leggiIntero(const QString& testo);
    // ... and with a decimal comma or point: "6,5" 6.5.
    static double leggiDecimale(const QString& testo);
    // A number as the system writes it: decimal comma, no trailing zeros.
    static QString scriviDecimale(double valore);

public slots:
    void su() { passa(+1); }
    void giu() { passa(-1); }

signals:
    // After each click, whether or not the text changed. `verso` is +1 or -1.
    void cliccato(int verso);

private:
    void passa(int verso);

    QPointer<QLineEdit> compagno_;
    QToolButton* su_;
    QToolButton* giu_;
    std::optional<int> minimo_;
    std::optional<int> massimo_;
    bool riportaAlMinimo_ = false;
    Passo passo_;
};

// Puts the cursor into a number box (a score, a rating) as the program does when it reads a page or moves to
// another match: the box takes the focus with its text selected, so that what is typed next replaces the value on
// show instead of adding to it ("1" typed over a stored "1" is 1, never 11). A box the user clicks keeps the click's
// cursor. `casella` is a text box or an editable list; any other control only takes the focus.
void CursoreNellaCasella(QWidget* casella);
