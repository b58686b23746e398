#pragma once
// Errors that end an operation and are shown to the user with their own text.
// The view layer catches TFejl at the event boundary and shows an error box.
#include <QString>
#include <stdexcept>

// A value quoted in a message: at most 60 characters, with "…" where it was cut,
// so a long bad value (a whole file without line breaks) gives a short message
// that lays out at once.
inline QString citat(const QString& v) {
    constexpr qsizetype maks = 60;
    if (v.size() <= maks) return v;
    qsizetype n = maks;
    if (v[n - 1].isHighSurrogate()) --n; // never split a character in two
    return v.left(n) + QChar(0x2026);
}

class TFejl : public std::runtime_error {
public:
    explicit TFejl(const QString& tekst)
        : std::runtime_error(tekst.toStdString()), m_tekst(tekst) {}
    const QString& tekst() const { return m_tekst; }

private:
    QString m_tekst;
};

// A text that is not a number in the program's number format.
class TKonverteringsFejl : public TFejl {
public:
    using TFejl::TFejl;
};

// A file that cannot be read or written.
class TFilFejl : public TFejl {
public:
    using TFejl::TFejl;
};

// A line index past the end of a list of lines (a short options or item file).
class TIndeksFejl : public TFejl {
public:
    using TFejl::TFejl;
};
