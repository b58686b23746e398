#pragma once
// One entry of the calculation stack: a number and the operator typed after it.
#include <QChar>

struct RmRec {
    double Tal = 0;
    // '+', '-', '*', '/', '%', '^' (power, or root with InversFunktion), 'm'
    // (Mod), '=' (end of the task) or 'x' (none).
    QChar Operatoren = u'x';
    // '(' when parentheses were opened right after this record, ')' on a
    // record made by a closing parenthesis, otherwise 'x'.
    QChar Parentes = u'x';
    // Parentheses opened right after this record and not yet closed.
    int Pantal = 0;
    // The state of Inv when the record was made; turns '^' into a root.
    bool InversFunktion = false;

    bool operator==(const RmRec&) const = default;
};
