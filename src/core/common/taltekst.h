#pragma once
// Number text: the one place where numbers become text and text becomes
// numbers. The program always uses the Danish number format (decimal comma),
// whatever the system's locale.
#include <QString>
#include <QtGlobal>

namespace tal {

// General format: 15 significant digits, trailing zeros dropped, decimal comma,
// fixed notation while the decimal exponent lies in -3..15, else mantissa and
// "E" (1E15, 1,5E-7). Infinities and not-a-number give "INF", "-INF", "NAN".
QString generel(double v);

// Fixed format with exactly `decimaler` decimals (0 gives no comma), rounded,
// never an exponent. Special values give "+Inf", "-Inf", "Nan".
QString fast(double v, int decimaler);

// Strict reading with the decimal comma: optional blanks around, optional sign,
// digits with at most one comma, optional exponent ("E" or "e"). The special
// texts that generel() writes ("INF", "-INF", "NAN") read back as themselves.
// Throws TKonverteringsFejl naming the text.
double laes(const QString& tekst);

// Strict reading of a 32-bit signed integer (optional blanks, optional sign).
// Throws TKonverteringsFejl naming the text.
qint32 laesHeltal(const QString& tekst);

// Rounds to the nearest whole number, halves to the even neighbour.
double rundHalvLige(double v);

} // namespace tal
