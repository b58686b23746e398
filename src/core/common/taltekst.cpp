#include "core/common/taltekst.h"

#include "core/common/fejl.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

namespace tal {

QString generel(double v) {
    if (std::isnan(v)) return QStringLiteral("NAN");
    if (std::isinf(v)) return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (v == 0) return QStringLiteral("0");

    // 15 significant digits: d.dddddddddddddde±XX, correctly rounded.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    std::string s(buf);
    const auto ePos = s.find('e');
    std::string cifre = s.substr(0, 1) + s.substr(2, ePos - 2);
    const int eksp10 = std::stoi(s.substr(ePos + 1)); // value = d.ddd × 10^eksp10
    while (cifre.size() > 1 && cifre.back() == '0')
        cifre.pop_back();

    const int E = eksp10 + 1; // as 0.d1d2… × 10^E
    std::string ud = v < 0 ? "-" : "";
    if (E >= -3 && E <= 15) {
        // -3 <= E <= 15 here, so each count below is small and not negative.
        if (E <= 0) {
            ud += "0," + std::string(static_cast<std::size_t>(-E), '0') + cifre;
        } else if (cifre.size() <= static_cast<std::size_t>(E)) {
            ud += cifre + std::string(static_cast<std::size_t>(E) - cifre.size(), '0');
        } else {
            const auto e = static_cast<std::size_t>(E);
            ud += cifre.substr(0, e) + "," + cifre.substr(e);
        }
    } else {
        ud += cifre.substr(0, 1);
        if (cifre.size() > 1) ud.append(1, ',').append(cifre, 1);
        ud.append(1, 'E').append(std::to_string(E - 1));
    }
    return QString::fromLatin1(ud.data(), static_cast<qsizetype>(ud.size()));
}

QString fast(double v, int decimaler) {
    if (std::isnan(v)) return QStringLiteral("Nan");
    if (std::isinf(v)) return v > 0 ? QStringLiteral("+Inf") : QStringLiteral("-Inf");
    if (decimaler < 0) decimaler = 0;
    if (decimaler > 20) decimaler = 20;
    char buf[400]; // the largest double has 309 digits before the comma
    std::snprintf(buf, sizeof buf, "%.*f", decimaler, v);
    std::string s(buf);
    // "-0,00" for a tiny negative number reads as zero.
    if (s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
    for (char& c : s)
        if (c == '.') c = ',';
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

static TKonverteringsFejl talFejl(const QString& tekst) {
    return TKonverteringsFejl(QStringLiteral("'%1' er ikke et gyldigt tal").arg(citat(tekst)));
}

// The decimal exponent of the first significant digit of a checked number
// text ("123.4e2" gives 4, "0.0012" gives -3), saturated far beyond the double
// range; it tells a text too large for a double from one too small, whatever
// the number of digits or the exponent written.
static long long decimalEksponent(const std::string& s) {
    constexpr long long loft = 1'000'000'000;
    const auto ePos = s.find('e');
    const std::string_view tal = std::string_view(s).substr(0, ePos);
    long long eksponent = 0;
    if (ePos != std::string::npos) {
        size_t k = ePos + 1;
        const bool minus = s[k] == '-';
        if (s[k] == '-' || s[k] == '+') ++k;
        for (; k < s.size(); ++k)
            eksponent = std::min(loft, eksponent * 10 + (s[k] - '0'));
        if (minus) eksponent = -eksponent;
    }
    const auto punkt = tal.find('.');
    const std::string_view hel = tal.substr(0, punkt);
    const std::string_view broek =
        punkt == std::string_view::npos ? std::string_view() : tal.substr(punkt + 1);
    const auto foerste = hel.find_first_not_of('0');
    long long position = 0;
    if (foerste != std::string_view::npos) {
        position = static_cast<long long>(hel.size() - foerste) - 1;
    } else {
        const auto iBroek = broek.find_first_not_of('0');
        if (iBroek == std::string_view::npos) return -loft; // all zeros
        position = -static_cast<long long>(iBroek) - 1;
    }
    return std::clamp(position + eksponent, -2 * loft, 2 * loft);
}

double laes(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t == QLatin1String("INF")) return HUGE_VAL;
    if (t == QLatin1String("-INF")) return -HUGE_VAL;
    if (t == QLatin1String("NAN")) return std::nan("");

    // Check the shape ourselves, then let from_chars do the exact conversion
    // (it ignores the C locale, which Qt sets from the environment).
    std::string s;
    s.reserve(static_cast<size_t>(t.size()));
    qsizetype i = 0;
    const qsizetype n = t.size();
    auto ciffer = [&](qsizetype k) { return k < n && t[k] >= u'0' && t[k] <= u'9'; };
    bool negativ = false;
    if (i < n && (t[i] == u'+' || t[i] == u'-')) negativ = t[i++] == u'-';
    int antalCifre = 0;
    while (ciffer(i)) {
        s += char(t[i++].unicode());
        ++antalCifre;
    }
    if (i < n && t[i] == u',') {
        s += '.';
        ++i;
        while (ciffer(i)) {
            s += char(t[i++].unicode());
            ++antalCifre;
        }
    }
    if (antalCifre == 0) throw talFejl(tekst);
    if (i < n && (t[i] == u'E' || t[i] == u'e')) {
        s += 'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-')) s += char(t[i++].unicode());
        if (!ciffer(i)) throw talFejl(tekst);
        while (ciffer(i))
            s += char(t[i++].unicode());
    }
    if (i != n) throw talFejl(tekst);

    double v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large gives infinity, too small gives zero, as the arithmetic would.
        v = decimalEksponent(s) >= 0 ? HUGE_VAL : 0.0;
    } else if (res.ec != std::errc() || res.ptr != s.data() + s.size()) {
        throw talFejl(tekst);
    }
    return negativ ? -v : v;
}

qint32 laesHeltal(const QString& tekst) {
    const QString t = tekst.trimmed();
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    bool gyldig = ok && !t.isEmpty();
    for (QChar c : t)
        if (!(c.isDigit() && c.unicode() < 128) && c != u'-' && c != u'+') gyldig = false;
    if (!gyldig || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        throw TKonverteringsFejl(
            QStringLiteral("'%1' er ikke en gyldig heltalsværdi").arg(citat(tekst)));
    return static_cast<qint32>(v);
}

double rundHalvLige(double v) {
    // nearbyint rounds in the current mode, which is to-nearest-even unless changed.
    return std::nearbyint(v);
}

} // namespace tal
