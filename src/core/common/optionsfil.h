#pragma once
// Options files: plain text with one value per line, read by line position.
// Flags are "1" and "0". Files are read and written whole; writing is atomic,
// so a crash never leaves half a file. The encoding is that of tekstkodning.h.
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Reads an options file: one value per line, read by line position (1-based).
class TOptionsFil {
public:
    TOptionsFil() = default;
    explicit TOptionsFil(QStringList linjer);

    // True when a file (not a folder) of that name exists.
    static bool findes(const QString& sti);
    // Reads the whole file; lines may end in CR, LF or CRLF, and a line break
    // at the end does not make an extra empty line. Throws TFilFejl when the
    // file cannot be read.
    static TOptionsFil laes(const QString& sti);

    int antal() const;
    const QStringList& linjer() const;

    // Line n as text; throws TIndeksFejl ("Linje n mangler i filen") when the
    // file has no line n.
    QString tekst(int linje) const;
    qint32 heltal(int linje) const; // strict whole number (TKonverteringsFejl)
    double tal(int linje) const;    // strict number, decimal comma (TKonverteringsFejl)
    bool flag(int linje) const;     // true exactly when the line is "1"

private:
    QStringList m_linjer;
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

    // Writes every line ending in CRLF. Throws TFilFejl naming the file when
    // it cannot be written (for example when the folder is missing); an
    // existing file is then left as it was.
    void gem(const QString& sti) const;

private:
    QStringList m_linjer;
};
