#pragma once

#include <algorithm>
#include <limits>

// A figure made from numbers read from a championship file: a count, a sum of goals or points, a difference, points
// times results. A file may hold any number in any number field (2147483647 goals, -2147483648 points for a win), so
// such arithmetic may go past what an int holds, which for a plain int is undefined. A Totale stops at the nearest
// bound instead, 2147483647 or -2147483648, and never wraps to a figure of the other sign; within the bounds it is
// exactly the int arithmetic it replaces, so an ordinary file shows the same figures. Every field or variable that
// adds up, subtracts or multiplies such numbers is a Totale; it reads as an int wherever an int is wanted.
//
//     Totale gol;  gol += q.intero(0);  ++partite;  punti = vinte * puntiVittoria - penalita;
class Totale {
public:
    constexpr Totale(int valore = 0) : valore_(valore) {}
    constexpr operator int() const { return valore_; }
    // No silent narrowing of a wider number: bound it with limita().
    Totale(long long) = delete;
    Totale(double) = delete;

    // Two ints added, subtracted or multiplied always fit in 64 bits: the exact result, then bounded.
    constexpr Totale& operator+=(Totale t) { return *this = limita(static_cast<long long>(valore_) + t.valore_); }
    constexpr Totale& operator-=(Totale t) { return *this = limita(static_cast<long long>(valore_) - t.valore_); }
    constexpr Totale& operator*=(Totale t) { return *this = limita(static_cast<long long>(valore_) * t.valore_); }
    constexpr Totale& operator++() { return *this += 1; }
    constexpr Totale& operator--() { return *this -= 1; }
    constexpr Totale operator-() const { return limita(-static_cast<long long>(valore_)); }

    // Overloads for an int on either side, so that mixed arithmetic is a Totale's and never a plain int's.
    friend constexpr Totale operator+(Totale a, Totale b) { return a += b; }
    friend constexpr Totale operator+(Totale a, int b) { return a += b; }
    friend constexpr Totale operator+(int a, Totale b) { return b += a; }
    friend constexpr Totale operator-(Totale a, Totale b) { return a -= b; }
    friend constexpr Totale operator-(Totale a, int b) { return a -= b; }
    friend constexpr Totale operator-(int a, Totale b) { return Totale(a) -= b; }
    friend constexpr Totale operator*(Totale a, Totale b) { return a *= b; }
    friend constexpr Totale operator*(Totale a, int b) { return a *= b; }
    friend constexpr Totale operator*(int a, Totale b) { return b *= a; }

    // A 64-bit value bounded to an int.
    static constexpr Totale limita(long long v)
    {
        return Totale(int(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
    }

private:
    int valore_;
};
