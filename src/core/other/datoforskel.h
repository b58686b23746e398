#pragma once
// The difference between two dates in whole years, further months and further
// days, and in days in total. Plain C++ without Qt: the small program
// `datediff` that the date page starts is built from it.
//
// How the difference is counted (the two dates may come in either order; the
// earlier one is the start):
// - Months are counted on the calendar: from the start, n months later is the
//   same day of the month n months on, or that month's last day when it is
//   shorter (31-01 + 1 month = 28-02 or 29-02). The whole months are the
//   largest n whose date so reached is not after the end.
// - Whole years are the whole months divided by 12, the further months what
//   is left. So 29-02-2012 to 28-02-2013 is one year: the leap day counts as
//   reached on the last day of February.
// - The further days are the days from the date the whole months reach to the
//   end; the days in total are the days between the two dates.
#include <string>

namespace datoforskel {

struct Dato {
    int aar = 1;
    int maaned = 1;
    int dag = 1;
};

struct Forskel {
    int aar = 0;
    int maaneder = 0;
    int dage = 0;
    long long dageIalt = 0;
};

bool skudaar(int aar);
int dageIMaaned(int aar, int maaned);
bool gyldig(const Dato& d); // years 1..9999
// Days since a fixed day (proleptic Gregorian calendar).
long long dagnummer(const Dato& d);

// Reads "d-m-yyyy" (one or more digits in each part, no blanks); false when
// the text is not such a date or not a valid date.
bool laesDato(const std::string& tekst, Dato& d);

Forskel beregn(Dato a, Dato b);

// The result file's four lines, each ending in CRLF.
std::string resultatTekst(const Forskel& f);

} // namespace datoforskel
