#pragma once

#include <memory>
#include <QFont>
#include <QHash>
#include <QString>
#include <vector>

// What is worked out once per font and text (a width, a size, a layout) and asked again at every paint or size
// request, kept for the run. A window uses a handful of fonts (plain and bold, perhaps one more): a short list,
// searched in order. Both are bounded: a font that came and went (a changed setting) leaves the list, and a font
// whose texts reach the limit starts afresh.
template <typename Valore> class MemoriaTesti {
public:
    MemoriaTesti(int caratteri, qsizetype testi) : caratteri_(size_t(caratteri)), testi_(testi) {}

    // The value of `testo` in `carattere` on devices of `dpi` (0 where the value does not depend on it):
    // `calcola(carattere, testo)` the first time, the kept value after.
    template <typename Calcola>
    Valore valore(const QFont& carattere, const QString& testo, Calcola calcola, int dpi = 0)
    {
        QHash<QString, Valore>& testi = gruppo(carattere, dpi);
        if (const auto it = testi.constFind(testo); it != testi.constEnd()) return *it;
        if (testi.size() >= testi_) testi.clear();
        return *testi.insert(testo, calcola(carattere, testo));
    }

private:
    struct Gruppo {
        QFont carattere;
        int dpi;
        QHash<QString, Valore> testi;
    };

    QHash<QString, Valore>& gruppo(const QFont& carattere, int dpi)
    {
        for (const auto& g : gruppi_)
            if (g->dpi == dpi && g->carattere == carattere) return g->testi;
        if (gruppi_.size() >= caratteri_) gruppi_.erase(gruppi_.begin());
        gruppi_.push_back(std::make_unique<Gruppo>(Gruppo{carattere, dpi, {}}));
        return gruppi_.back()->testi;
    }

    size_t caratteri_;
    qsizetype testi_;
    std::vector<std::unique_ptr<Gruppo>> gruppi_;
};
