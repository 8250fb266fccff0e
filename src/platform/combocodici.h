#pragma once

#include <QComboBox>
#include <QString>
#include <QVector>
#include <utility>

// A drop-down list whose items carry a 32-bit code each (the key of the row they show).
// Pick-only by default; setModificabile(true) lets the user type as well (typed text is never
// added to the list). click() is emitted on every change of the current item, by the user or by
// code, and when the user picks again the item already chosen; a loading guard keeps it quiet
// while a window fills or presets the list.
class ComboCodici : public QComboBox {
    Q_OBJECT
public:
    explicit ComboCodici(QWidget* parent = nullptr);

    void setModificabile(bool modificabile);

    // An item keeps the text it was given (a name as stored) and shows it on one line (TestoInRiga):
    // testo(), trovaTesto(), selezionaTesto(), impostaTesto() and findText() work with the text as given.
    // itemText() and currentText() are the shown text in a pick-only list; in an editable one they are the
    // text as given, and the box holds the chosen item's text as given, or what the user typed.
    // Adds an item at the end and returns its index.
    int aggiungi(const QString& testo, qint32 codice = 0);
    // Adds items at the end, as aggiungi() one by one would (the list hears of them at once).
    void aggiungiTutti(const QVector<std::pair<QString, qint32>>& voci);
    void svuota() { clear(); }

    qint32 codice(int indice) const;  // 0 for an index out of range
    void impostaCodice(int indice, qint32 codice);
    qint32 codiceCorrente() const { return codice(currentIndex()); }

    // The first item with the code, or whose text equals `testo` ignoring case; -1 when none.
    int trovaCodice(qint32 codice) const;
    int trovaTesto(const QString& testo) const;
    // Selects that item (click() follows, unless guarded); false, changing nothing, when none.
    bool selezionaCodice(qint32 codice);
    bool selezionaTesto(const QString& testo);

    // The chosen item's text as given (empty when none), or in an editable list what its box holds.
    // impostaTesto() selects the item with that text in a pick-only list (false when there is none)
    // and sets the box's text otherwise.
    QString testo() const { return isEditable() ? currentText() : testo(currentIndex()); }
    QString testo(int indice) const;  // an item's text as given; empty for an index out of range
    bool impostaTesto(const QString& testo);

    // While a guard lives, click() is not emitted (guards nest).
    class SenzaClick {
    public:
        explicit SenzaClick(ComboCodici* combo);
        ~SenzaClick();
        SenzaClick(const SenzaClick&) = delete;
        SenzaClick& operator=(const SenzaClick&) = delete;

    private:
        ComboCodici* combo_;
    };
    bool clickSospeso() const { return sospensioni_ > 0; }

    // A choice the window cannot follow yet (edits on show to save or drop first): puts the list back on
    // `mostrata`, the item on show, without a click, and returns the item chosen, for the window to select
    // once it may. A pick from the list's pop-up then asks once: the put-back is no second pick.
    int rinviaScelta(int mostrata);

    void showPopup() override;
    // A list sized to its items grows at most to a name of CaratteriNomeMassimi characters (longer ones show cut
    // with "…"); one sized by the window (setMinimumContentsLength) keeps that size.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void click();

private:
    void emettiClick();
    QSize entroNome(QSize misura) const;

    int sospensioni_ = 0;
    int indicePrimaDellaLista_ = -2;  // the item chosen when the list was opened, until the index moves
};
