#pragma once

#include <limits>
#include <QtGlobal>
#include <type_traits>

// A figure made from numbers read from a championship file over a season: a count, a sum of goals or points, a
// difference, points times results. Each number of a file is within its field's range, at most 32 bits, but a season
// adds up many of them: 38 wins of 2147483647 points each make 81604378586, past what an int holds. A Totale holds
// 64 bits, enough for the largest championship with every value at its field's limit, so that every season figure is
// exact and an ordinary file shows the same figures as ever. Should arithmetic still go past 64 bits, it stops at the
// nearest bound instead of wrapping, which for a plain integer is undefined.
//
// A Totale never turns into a narrower number by itself: valore() gives the figure, 64 bits wide, where it is shown,
// stored or drawn, so that no season figure is cut to an int unnoticed.
//
//     Totale gol;  gol += q.intero(0);  ++partite;  punti = vinte * puntiVittoria - penalita;
class Totale {
public:
    constexpr Totale() = default;
    // Any signed whole number; a fraction, or an unsigned number that may not fit, does not convert.
    template <typename T, std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>, int> = 0>
    constexpr Totale(T valore) : valore_(valore)
    {
    }

    constexpr qint64 valore() const { return valore_; }

    constexpr Totale& operator+=(Totale t)
    {
        if (__builtin_add_overflow(valore_, t.valore_, &valore_)) valore_ = t.valore_ < 0 ? MINIMO : MASSIMO;
        return *this;
    }
    constexpr Totale& operator-=(Totale t)
    {
        if (__builtin_sub_overflow(valore_, t.valore_, &valore_)) valore_ = t.valore_ > 0 ? MINIMO : MASSIMO;
        return *this;
    }
    constexpr Totale& operator*=(Totale t)
    {
        const bool negativo = (valore_ < 0) != (t.valore_ < 0);
        if (__builtin_mul_overflow(valore_, t.valore_, &valore_)) valore_ = negativo ? MINIMO : MASSIMO;
        return *this;
    }
    constexpr Totale& operator++() { return *this += 1; }
    constexpr Totale& operator--() { return *this -= 1; }
    constexpr Totale operator-() const { return Totale() -= *this; }

    // An int on either side converts to a Totale, so that mixed arithmetic is a Totale's and never a plain int's.
    friend constexpr Totale operator+(Totale a, Totale b) { return a += b; }
    friend constexpr Totale operator-(Totale a, Totale b) { return a -= b; }
    friend constexpr Totale operator*(Totale a, Totale b) { return a *= b; }
    friend constexpr bool operator==(Totale a, Totale b) { return a.valore_ == b.valore_; }
    friend constexpr bool operator<(Totale a, Totale b) { return a.valore_ < b.valore_; }
    friend constexpr bool operator>(Totale a, Totale b) { return a.valore_ > b.valore_; }
    friend constexpr bool operator<=(Totale a, Totale b) { return a.valore_ <= b.valore_; }
    friend constexpr bool operator>=(Totale a, Totale b) { return a.valore_ >= b.valore_; }

private:
    static constexpr qint64 MINIMO = std::numeric_limits<qint64>::min();
    static constexpr qint64 MASSIMO = std::numeric_limits<qint64>::max();
    qint64 valore_ = 0;
};
