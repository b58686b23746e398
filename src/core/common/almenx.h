#pragma once
// Lenient number readers for edit boxes: whatever the user typed becomes a
// number; stray characters are skipped instead of rejected. Every window that
// reads a number from a box goes through these three functions.
#include <QString>
#include <QtGlobal>

class TAlmenX {
public:
    // Decimal number. A text that is a whole number in the program's format
    // (comma or point, optional sign and "E" exponent, blanks around) is read
    // as it stands. Otherwise only '0'..'9', ',', '.' and '-' are kept; the
    // first separator becomes the decimal comma and later ones are dropped;
    // the number is negative when the first kept character is '-'. Returns 0
    // when no digit is left (also for ".", "-,").
    static double EditFloat(const QString& EditS);

    // Whole number: every ASCII digit of the text, in order; negative only when
    // the very first character is '-'. Returns 0 without digits. Throws
    // TKonverteringsFejl when the digits do not fit in 32 bits (the sign is
    // applied afterwards, so "-2147483648" throws too).
    static qint32 EditInteger(const QString& EditS);

    // As EditInteger, never negative.
    static qint32 EditPosInteger(const QString& EditS);
};
