#pragma once
// Errors that end an operation and are shown to the user with their own text.
// The view layer catches TFejl at the event boundary and shows an error box.
#include <QString>
#include <stdexcept>

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
