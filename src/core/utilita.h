#pragma once

#include <QString>
#include <QVariant>

class QPixmap;

// Small conversions every window uses.

// A field value as text: Null gives the empty text; numbers in the Italian format (6,5).
QString NullInVuoto(const QVariant& v);

// One blank for the empty text; any other text unchanged. Optional text fields are written through it.
QString VuotoInSpazio(const QString& s);

// 0..999 padded with zeros to three digits (7 -> "007"); larger numbers are written in full,
// negative ones as "000", so the text still sorts in numeric order for what it can hold.
QString FormattaTreCifre(int n);

// a / b rounded to four decimals (ties to even) when both are above 0, else 0.
double Media(qint64 a, qint64 b);

// True when the last character of the text is an even digit.
bool Pari(const QString& v);
bool Pari(long long v);

// True when the path leads, through any links, to a regular file that can be opened for reading. A folder,
// a pipe, a device, a socket, a missing file or an empty path: false, without opening anything.
bool EsisteFile(const QString& percorso);

// A picture read from a file that EsisteFile admits; anything else, or a file that holds no picture, gives a
// null picture. Every picture of the program folder or named by the championship file is read through it.
QPixmap CaricaBitmap(const QString& percorso);

// The number at the start of a text, blanks skipped: "12abc" 12, " 7" 7, "abc" 0, "-3" -3.
int Val(const QString& testo);

// The same for a decimal number, with comma or point: "6,5" 6.5.
double ValDecimale(const QString& testo);

// The hourglass and the normal pointer around long work.
void CursoreAttesa();
void CursoreNormale();
