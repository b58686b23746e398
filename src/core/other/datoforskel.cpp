#include "core/other/datoforskel.h"

namespace datoforskel {

bool skudaar(int aar) {
    return (aar % 4 == 0 && aar % 100 != 0) || aar % 400 == 0;
}

int dageIMaaned(int aar, int maaned) {
    static const int dage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (maaned == 2 && skudaar(aar)) return 29;
    return dage[maaned - 1];
}

bool gyldig(const Dato& d) {
    return d.aar >= 1 && d.aar <= 9999 && d.maaned >= 1 && d.maaned <= 12 && d.dag >= 1 &&
           d.dag <= dageIMaaned(d.aar, d.maaned);
}

long long dagnummer(const Dato& d) {
    // Counts from 1 March of year 0, so that the leap day ends a year.
    long long y = d.aar;
    const int m = d.maaned;
    if (m <= 2) --y;
    const long long era = y / 400; // y >= 0 here
    const long long yoe = y - era * 400;
    const long long doy = (153LL * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d.dag - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

bool laesDato(const std::string& tekst, Dato& d) {
    int dele[3] = {0, 0, 0};
    int del = 0;
    int cifre = 0;
    for (char c : tekst) {
        if (c >= '0' && c <= '9') {
            if (++cifre > 4) return false;
            dele[del] = dele[del] * 10 + (c - '0');
        } else if (c == '-' && cifre > 0 && del < 2) {
            ++del;
            cifre = 0;
        } else {
            return false;
        }
    }
    if (del != 2 || cifre == 0) return false;
    d = Dato{dele[2], dele[1], dele[0]};
    return gyldig(d);
}

namespace {

bool foer(const Dato& a, const Dato& b) {
    return dagnummer(a) < dagnummer(b);
}

Dato plusMaaneder(const Dato& d, int n) {
    const int alle = d.aar * 12 + (d.maaned - 1) + n;
    Dato r;
    r.aar = alle / 12;
    r.maaned = alle % 12 + 1;
    const int laengde = dageIMaaned(r.aar, r.maaned);
    r.dag = d.dag > laengde ? laengde : d.dag;
    return r;
}

} // namespace

Forskel beregn(Dato a, Dato b) {
    if (foer(b, a)) {
        const Dato t = a;
        a = b;
        b = t;
    }
    Forskel f;
    f.dageIalt = dagnummer(b) - dagnummer(a);
    int n = (b.aar - a.aar) * 12 + (b.maaned - a.maaned);
    if (n > 0 && foer(b, plusMaaneder(a, n))) --n;
    const Dato naaet = plusMaaneder(a, n);
    f.aar = n / 12;
    f.maaneder = n % 12;
    f.dage = static_cast<int>(dagnummer(b) - dagnummer(naaet));
    return f;
}

std::string resultatTekst(const Forskel& f) {
    return std::to_string(f.aar) + "\r\n" + std::to_string(f.maaneder) + "\r\n" +
           std::to_string(f.dage) + "\r\n" + std::to_string(f.dageIalt) + "\r\n";
}

} // namespace datoforskel
