#pragma once

#include <QLabel>
#include <QString>

// A label for a name from the data that takes the width its layout gives it, at least `larghezza`, whatever the
// name's length: the name on one line (NomeInRiga), cut with "…" to the label's width, and whole in the tooltip
// while it is cut.
class EtichettaNome : public QLabel {
public:
    EtichettaNome(int larghezza, QWidget* parent = nullptr);

    void impostaNome(const QString& nome);
    const QString& nome() const { return nome_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void taglia();
    QString nome_;
};

// A label for a pairing "home - away" on one line that takes the width its layout gives it, at least `larghezza`:
// IncontroInRiga within the label's width, so that both names show, each cut with "…" on its own where the room is
// short, and the whole pairing in the tooltip while a name is cut. It asks for the room of the pairing with each
// name up to a long name (LarghezzaMassimaNome), so that what follows it stands close to short names.
class EtichettaIncontro : public QLabel {
public:
    explicit EtichettaIncontro(int larghezza = 0, QWidget* parent = nullptr);

    void impostaIncontro(const QString& casa, const QString& ospite);
    void svuota();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void taglia();
    QString casa_, ospite_;
    bool vuota_ = true;
};
