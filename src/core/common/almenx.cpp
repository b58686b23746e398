#include "core/common/almenx.h"

#include "core/common/fejl.h"
#include "core/common/taltekst.h"

#include <cmath>
#include <optional>

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

// The whole text read as the program writes numbers (comma or point, sign,
// exponent), or nothing when it is not such a text.
std::optional<double> strengtTal(const QString& EditS) {
    QString t = EditS.trimmed();
    for (QChar c : t)
        if (!erCiffer(c) && c != u',' && c != u'.' && c != u'-' && c != u'+' && c != u'E' &&
            c != u'e')
            return std::nullopt; // also keeps "INF" and "NAN" out
    if (!t.contains(u',')) t.replace(u'.', u',');
    try {
        // A text beyond the double range ("1e400") is no number the program
        // writes; it goes through the filter as any other text.
        const double v = tal::laes(t);
        if (!std::isfinite(v)) return std::nullopt;
        return v;
    } catch (const TKonverteringsFejl&) {
        return std::nullopt;
    }
}

} // namespace

double TAlmenX::EditFloat(const QString& EditS) {
    // A number in the program's own format (also "1E-5", which the program
    // writes itself) is read whole; the filter below would make it 15.
    if (const auto v = strengtTal(EditS)) return *v;

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
    // A separator without a digit (".", "-,") is nothing to read yet, as while
    // ".5" is being typed.
    if (talTekst.isEmpty() || talTekst == QLatin1String(",")) return 0;
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
