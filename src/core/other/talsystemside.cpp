#include "core/other/talsystemside.h"

#include "core/common/beskeder.h"
#include "core/common/taltekst.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

int cifferVaerdi(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - '0';
    if (c >= u'A' && c <= u'F') return c.unicode() - 'A' + 10;
    if (c >= u'a' && c <= u'f') return c.unicode() - 'a' + 10;
    return -1;
}

QChar cifferTegn(int d) {
    return d < 10 ? QChar(u'0' + d) : QChar(u'A' + (d - 10));
}

constexpr double to64 = 18446744073709551616.0; // 2^64

// A whole number held in 32-bit words, least significant first, written in
// base b by dividing it by b word by word; the words are used up.
QString ordTilBase(std::vector<quint32> ord, int b) {
    while (!ord.empty() && ord.back() == 0)
        ord.pop_back();
    if (ord.empty()) return QStringLiteral("0");
    QString ud;
    while (!ord.empty()) {
        quint64 rest = 0;
        for (auto i = ord.size(); i-- > 0;) {
            const quint64 v = (rest << 32) | ord[i];
            ord[i] = quint32(v / quint64(b));
            rest = v % quint64(b);
        }
        ud.prepend(cifferTegn(int(rest)));
        while (!ord.empty() && ord.back() == 0)
            ord.pop_back();
    }
    return ud;
}

// A digit string of any length in base `fra` written in base `til`, exactly
// (a double would round every digit past the 16th or so).
QString omregnCifre(QStringView cifre, int fra, int til) {
    std::vector<quint32> ord;
    for (const QChar c : cifre) {
        quint64 mente = quint64(qMax(0, cifferVaerdi(c)));
        for (quint32& o : ord) {
            const quint64 v = quint64(o) * quint64(fra) + mente;
            o = quint32(v);
            mente = v >> 32;
        }
        if (mente) ord.push_back(quint32(mente));
    }
    return ordTilBase(std::move(ord), til);
}

// An optional '-' and at least one decimal digit, of any length.
bool decimaltHeltal(const QString& tekst) {
    const qsizetype start = tekst.startsWith(u'-') ? 1 : 0;
    if (start >= tekst.size()) return false;
    for (qsizetype i = start; i < tekst.size(); ++i)
        if (tekst.at(i) < u'0' || tekst.at(i) > u'9') return false;
    return true;
}

} // namespace

TTalsystemside::TTalsystemside(Beskeder& beskeder, std::function<QString()> display,
                               QObject* parent)
    : QObject(parent), m_beskeder(beskeder), m_display(std::move(display)) {}

QStringList TTalsystemside::baseNavne() {
    QStringList l;
    for (int b = 2; b <= 16; ++b) {
        switch (b) {
        case 2:
            l << QStringLiteral("Bin");
            break;
        case 8:
            l << QStringLiteral("Okt");
            break;
        case 10:
            l << QStringLiteral("Dec");
            break;
        case 16:
            l << QStringLiteral("Hex");
            break;
        default:
            l << QString::number(b);
        }
    }
    return l;
}

int TTalsystemside::baseAfNavn(const QString& navn) {
    const QStringList navne = baseNavne();
    for (int i = 0; i < navne.size(); ++i)
        if (navne.at(i).compare(navn.trimmed(), Qt::CaseInsensitive) == 0) return i + 2;
    bool ok = false;
    const int b = navn.trimmed().toInt(&ok);
    return ok && b >= 2 && b <= 16 ? b : 0;
}

void TTalsystemside::ActionExecute(int d) {
    if (d < 0 || d > 15 || !cifferAktivt(d)) return;
    inputEdit += cifferTegn(d);
    Q_EMIT aendret();
}

bool TTalsystemside::FormKeyPress(QChar c) {
    const int d = cifferVaerdi(c);
    if (d < 0 || !cifferAktivt(d)) return false;
    ActionExecute(d);
    return true;
}

void TTalsystemside::setInputIndex(int index) {
    if (index < 0 || index > 14 || index == inputIndex) return;
    inputIndex = index;
    inputBoxClick();
}

void TTalsystemside::setOutputIndex(int index) {
    if (index < 0 || index > 14 || index == outputIndex) return;
    outputIndex = index;
    outputBoxClick();
}

void TTalsystemside::inputBoxClick() {
    inputEdit.clear();
    outputEdit.clear();
    setOutputIndex(inputIndex);
    Q_EMIT aendret();
}

void TTalsystemside::outputBoxClick() {
    if (inputEdit.isEmpty()) {
        Q_EMIT aendret();
        return;
    }
    const QString tekst = inputBase() == 10 ? inputEdit : AndetToDecimal();
    if (decimaltHeltal(tekst)) {
        const bool negativ = tekst.startsWith(u'-');
        const QString ud =
            omregnCifre(QStringView(tekst).sliced(negativ ? 1 : 0), 10, outputBase());
        outputEdit = (negativ && ud != QStringLiteral("0") ? QStringLiteral("-") : QString()) + ud;
    } else {
        const double d = tal::laes(tekst);
        if (!std::isfinite(d)) {
            outputEdit.clear();
            Q_EMIT aendret();
            m_beskeder.information(QStringLiteral("Værdien %1 kan ikke omregnes til et andet "
                                                  "talsystem.")
                                       .arg(tal::generel(d)));
            return;
        }
        outputEdit = DecimalToAndet(d);
    }
    Q_EMIT aendret();
}

void TTalsystemside::hentKnapClick() {
    setInputIndex(DecIndex);
    setOutputIndex(DecIndex);
    // No result of an earlier number may stand beside the fetched one.
    inputEdit.clear();
    outputEdit.clear();
    Q_EMIT aendret();
    const double v = std::trunc(tal::laes(m_display ? m_display() : QString()));
    inputEdit = tal::generel(v);
    Q_EMIT aendret();
}

QString TTalsystemside::AndetToDecimal() const {
    return omregnCifre(inputEdit, inputBase(), 10);
}

QString TTalsystemside::DecimalToAndet(double aTal) const {
    return DecimalToAndet(aTal, outputBase());
}

QString TTalsystemside::DecimalToAndet(double aTal, int b) {
    if (!std::isfinite(aTal) || b < 2 || b > 16) return QString();
    if (aTal < 0) {
        const QString m = DecimalToAndet(-aTal, b);
        return m == QStringLiteral("0") ? m : QStringLiteral("-") + m;
    }
    aTal = std::trunc(aTal);
    if (aTal < to64) return heltalTilBase(static_cast<quint64>(aTal), b);

    // Beyond 64 bits the double is still a whole number, m × 2^e: write its
    // exact value, dividing a multi-word integer by the base digit by digit.
    int e = 0;
    const double mantisse = std::frexp(aTal, &e); // aTal = mantisse × 2^e, 0.5 <= mantisse < 1
    quint64 m = static_cast<quint64>(std::ldexp(mantisse, 53));
    e -= 53;
    std::vector<quint32> ord; // least significant first
    ord.push_back(quint32(m));
    ord.push_back(quint32(m >> 32));
    for (; e >= 32; e -= 32)
        ord.insert(ord.begin(), 0);
    quint32 mente = 0;
    for (quint32& o : ord) {
        const quint64 v = (quint64(o) << e) | mente;
        o = quint32(v);
        mente = quint32(v >> 32);
    }
    if (mente) ord.push_back(mente);
    return ordTilBase(std::move(ord), b);
}

QString TTalsystemside::heltalTilBase(quint64 v, int b) {
    if (v == 0) return QStringLiteral("0");
    QString ud;
    while (v > 0) {
        ud.prepend(cifferTegn(int(v % quint64(b))));
        v /= quint64(b);
    }
    return ud;
}

double TTalsystemside::GetPotens(double Tal, double Pot) {
    if (Pot == 0) return 1;
    if (Pot == 1) return Tal;
    double r = 1;
    for (int k = 0; k < int(Pot); ++k)
        r *= Tal;
    return r;
}
