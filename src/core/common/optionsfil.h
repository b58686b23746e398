#pragma once
// Options files: plain text with one value per line, read by line position.
// Flags are "1" and "0". Files are read and written whole; writing is atomic,
// so a crash never leaves half a file. The encoding is that of tekstkodning.h.
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// Reads an options file: one value per line, read by line position (1-based).
class TOptionsFil {
public:
    TOptionsFil() = default;
    explicit TOptionsFil(QStringList linjer);

    // True when a file (not a folder) of that name exists.
    static bool findes(const QString& sti);
    // Reads the whole file; lines may end in CR, LF or CRLF, and a line break
    // at the end does not make an extra empty line. Throws TFilFejl when the
    // file cannot be read, is no regular file or is larger than maksStoerrelse
    // (an options file is small; a larger one counts as damaged).
    static constexpr qint64 maksStoerrelse = 64 * 1024;
    static TOptionsFil laes(const QString& sti);
    // The same from a file's text (the parsing alone, without the file).
    static TOptionsFil fraTekst(const QString& t);

    int antal() const;
    const QStringList& linjer() const;

    // Line n as text; throws TIndeksFejl ("Linje n mangler i filen") when the
    // file has no line n.
    QString tekst(int linje) const;
    qint32 heltal(int linje) const; // strict whole number (TKonverteringsFejl)
    double tal(int linje) const;    // strict number, decimal comma (TKonverteringsFejl)
    bool flag(int linje) const;     // true exactly when the line is "1"

    // Reading a whole file to apply it: a missing or bad line gives `standard`
    // and is noted, and reading goes on, so one bad line never costs the
    // settings after it. fejlTekst() then names every bad line in one message.
    QString tekst(int linje, const QString& standard);
    qint32 heltal(int linje, qint32 standard);
    bool flag(int linje, bool standard);
    // Runs `anvend` (which reads line `linje` and applies it); an error it
    // throws is noted against that line instead of ending the reading.
    void anvend(int linje, const std::function<void()>& anvend);
    bool fejlILinje(int linje) const;
    // Empty when every line read so far was good; else the file's name and
    // one line per bad line ("Linje 4: 'abc' er ikke ...").
    QString fejlTekst() const;

private:
    QStringList m_linjer;
    QString m_sti;
    QList<int> m_fejlLinjer;
    QStringList m_fejl;
};

// Builds an options file line by line and writes it whole and atomically.
class TOptionsSkriver {
public:
    // A value cannot span lines: line breaks in it are written as blanks, so
    // the lines after it keep their positions.
    void tekst(const QString& v);
    void heltal(qint64 v);
    void tal(double v); // general number format
    void flag(bool v);  // "1" / "0"
    const QStringList& linjer() const;
    // The file's text: every line ending in CRLF.
    QString indhold() const;

    // Writes indhold() whole (tekst::skrivFil). Throws TFilFejl naming the
    // file when it cannot be written (the folder is missing, the disk is
    // full, the name is a pipe or a device); an existing file is then left
    // as it was.
    void gem(const QString& sti) const;

private:
    QStringList m_linjer;
};
