#pragma once
// The date kept by a month calendar, with the calendar's rules for setting
// one element (day, month or year) and for moving a month or a year.
#include <QDate>

class TKalender {
public:
    QDate dato() const { return m_dato; }
    // Sets the whole date; false (and no change) when it is not a valid date
    // in the years 1..9999.
    bool setDato(const QDate& d);

    // One element: a value below 1, a month above 12 or a day beyond the
    // current month's length is ignored, and so is the current value;
    // otherwise the date is rebuilt from the three elements, which throws
    // TFejl when they make no valid date. True when the date changed.
    bool setDag(int dag);
    bool setMaaned(int maaned);
    bool setAar(int aar);

    // One month on or back: the day is kept, or lowered to the last day of
    // a shorter month. One year on or back: 29 February becomes 28 February
    // first. Moves that would leave the years 1..9999 do nothing.
    bool flytMaaned(int n);
    bool flytAar(int n);

    static bool gyldig(int aar, int maaned, int dag);

private:
    bool byg(int aar, int maaned, int dag);
    QDate m_dato = QDate::currentDate();
};
