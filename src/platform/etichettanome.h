#pragma once

#include <QLabel>
#include <QString>

// A label for names from the data that takes the width its layout gives it, at least `larghezza`, whatever the
// names' length: it shows them as plain text cut to its width, again at every resize and change of font, and whole
// in the tooltip while they are cut.
class EtichettaTagliata : public QLabel {
public:
    explicit EtichettaTagliata(int larghezza, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    // Shows the names within the label's width.
    void ritaglia() { taglia(qMax(0, contentsRect().width() - 2 * margin())); }
    virtual void taglia(int larghezza) = 0;
};

// One name on one line (NomeInRiga), cut with "…" to the label's width.
class EtichettaNome : public EtichettaTagliata {
public:
    explicit EtichettaNome(int larghezza, QWidget* parent = nullptr) : EtichettaTagliata(larghezza, parent) {}

    void impostaNome(const QString& nome);
    const QString& nome() const { return nome_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void taglia(int larghezza) override;

private:
    QString nome_;
};

// A pairing "home - away" on one line: IncontroInRiga within the label's width, so that both names show, each cut
// with "…" on its own where the room is short, and the whole pairing in the tooltip while a name is cut. It asks for
// the room of the pairing with each name up to a long name (LarghezzaMassimaNome), so that what follows it stands
// close to short names.
class EtichettaIncontro : public EtichettaTagliata {
public:
    explicit EtichettaIncontro(int larghezza = 0, QWidget* parent = nullptr) : EtichettaTagliata(larghezza, parent) {}

    void impostaIncontro(const QString& casa, const QString& ospite);
    void svuota();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void taglia(int larghezza) override;

private:
    QString casa_, ospite_;
    bool vuota_ = true;
};
