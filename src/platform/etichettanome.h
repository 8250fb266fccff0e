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
