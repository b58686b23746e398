#pragma once
// Lenient number readers for edit boxes: whatever the user typed becomes a
// number; stray characters are skipped instead of rejected. Every window that
// reads a number from a box goes through these three functions.
#include <QString>
#include <QtGlobal>

class TAlmenX {
public:
    // Decimal number. Keeps only '0'..'9', ',', '.' and '-'; the first
    // separator becomes the decimal comma and later ones are dropped; the
    // number is negative when the first kept character is '-'. Returns 0 when
    // nothing is left. Throws TKonverteringsFejl when only a separator is left
    // (".", "-,").
    static double EditFloat(const QString& EditS);

    // Whole number: every ASCII digit of the text, in order; negative only when
    // the very first character is '-'. Returns 0 without digits. Throws
    // TKonverteringsFejl when the digits do not fit in 32 bits (the sign is
    // applied afterwards, so "-2147483648" throws too).
    static qint32 EditInteger(const QString& EditS);

    // As EditInteger, never negative.
    static qint32 EditPosInteger(const QString& EditS);
};
