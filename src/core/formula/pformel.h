#pragma once
// Formula programs as text: the record of one value (`PformelRec`), the
// formula file format, the normalisation of a program's lines and their
// reading into records. Pure functions, so the file reader can be exercised
// on any bytes without a calculator.
//
// A program line is a comment ("!text", written to the calculation list when
// the program is read), a label (":text", a new value the program asks for or
// names) or an operation (formula-language text, lower-cased and appended to
// the last label's record). Operations may refer to earlier values: "[n]" is
// the value of record n, "[n]f" its negation.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct PformelRec {
    QString Tekst;             // the value's label
    bool Input = false;        // the program still has to stop here for a value
    QString Tal;               // the value's number text as written to the list
    double Vaerdi = 0;         // the value itself, for references (Tal may be rounded)
    QString Operation;         // the operation lines, lower-cased, joined
    bool Done = false;         // the record has been processed
    bool DisUdskrevet = false; // "label = value" is already in the list
};

namespace formelfil {

// The editor's lines from a formula file's bytes (Windows-1252, or UTF-8 /
// UTF-16 after a byte-order mark). Lines end in CR LF, LF or CR; a line break
// at the very end does not start another line.
QStringList fraBytes(const QByteArray& bytes);
// The bytes of a formula file: every line followed by CR LF.
QByteArray tilBytes(const QStringList& linjer);
// Reads and writes whole files (TFilFejl when that fails).
QStringList laesFil(const QString& sti);
void skrivFil(const QString& sti, const QStringList& linjer);

// Normalises the lines in place: blank lines go, leading blanks go, a program
// not starting with a comment or label gets ":input værdi" first, and one not
// ending with a comment or label gets ":resultat" last. A program of blank
// lines only becomes empty.
void normaliser(QStringList& linjer);

// A normalised program read into its comment texts and its records.
struct Program {
    QStringList kommentarer;
    QList<PformelRec> poster;
};
Program laes(const QStringList& normaliseredeLinjer);

// The labels when there is none or when an operation comes first.
inline constexpr char16_t standardTekst[] = u"Input værdi";
inline constexpr char16_t manglerTekst[] = u"Der mangler indledende tekstlinie!";

} // namespace formelfil
