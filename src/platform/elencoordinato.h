#pragma once

#include <QList>
#include <QString>

// A list of (text key, code) entries kept sorted by key as text, ignoring case: what the rankings
// build from keys such as FormattaTreCifre(total) and read from the last entry backwards, so the
// highest key comes first.
// Equal keys: a new entry goes after the entries already there with the same key, so reading
// backwards gives equal keys in the reverse of the order they were added.
class ElencoOrdinato {
public:
    struct Voce {
        QString chiave;
        qint32 codice = 0;
    };

    // Inserts in key order; returns the index the entry took.
    int aggiungi(const QString& chiave, qint32 codice = 0);
    void svuota() { voci_.clear(); }

    int conta() const { return int(voci_.size()); }
    bool vuoto() const { return voci_.isEmpty(); }
    // Entry `indice` counting from the lowest key (0); entry 0 of dallaFine() is the highest.
    const Voce& voce(int indice) const { return voci_.at(indice); }
    QString chiave(int indice) const { return voci_.at(indice).chiave; }
    qint32 codice(int indice) const { return voci_.at(indice).codice; }

    // The entries from the last to the first.
    QList<Voce> dallaFine() const;

    const QList<Voce>& voci() const { return voci_; }

private:
    QList<Voce> voci_;
};
