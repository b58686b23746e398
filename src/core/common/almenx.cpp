#include "almenx.h"

#include "taltekst.h"

namespace {

// Only ASCII digits count: QChar::isDigit would also accept other scripts'
// digits, which the number format cannot read.
bool erCiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

QString cifre(const QString& s) {
    QString ud;
    ud.reserve(s.size());
    for (QChar c : s)
        if (erCiffer(c)) ud += c;
    return ud;
}

} // namespace

double TAlmenX::EditFloat(const QString& EditS) {
    QString rest;
    rest.reserve(EditS.size());
    for (QChar c : EditS)
        if (erCiffer(c) || c == u',' || c == u'.' || c == u'-') rest += c;
    if (rest.isEmpty()) return 0;

    const bool negativ = rest.front() == u'-';
    QString talTekst;
    bool harKomma = false;
    for (QChar c : rest) {
        if (erCiffer(c)) {
            talTekst += c;
        } else if (c == u',' || c == u'.') {
            if (!harKomma) talTekst += u',';
            harKomma = true;
        }
    }
    if (talTekst.isEmpty()) return 0;
    const double v = tal::laes(talTekst);
    return negativ ? -v : v;
}

qint32 TAlmenX::EditInteger(const QString& EditS) {
    const bool negativ = !EditS.isEmpty() && EditS.front() == u'-';
    const qint32 v = EditPosInteger(EditS);
    return negativ ? -v : v;
}

qint32 TAlmenX::EditPosInteger(const QString& EditS) {
    const QString c = cifre(EditS);
    if (c.isEmpty()) return 0;
    return tal::laesHeltal(c);
}
