#pragma once
// Text encodings of the program's text files (options files, formula files,
// structure files). They are 8-bit Windows-1252, the encoding of the files
// shipped and exchanged; a file that starts with a byte-order mark is read as
// UTF-8 or UTF-16 instead. Writing
// uses Windows-1252 whenever the text fits, else UTF-8 with a byte-order mark,
// so every written file reads back as the same text.
#include <QByteArray>
#include <QString>

namespace tekst {

// Decodes a file's bytes: UTF-8, UTF-16 LE or UTF-16 BE when the matching
// byte-order mark leads (the mark is not part of the text), else Windows-1252.
// The five bytes that Windows-1252 leaves undefined become the code points of
// the same value, so no byte is lost.
QString fraBytes(const QByteArray& bytes);

// Encodes for a file: Windows-1252 when every character has a byte there,
// else UTF-8 with a byte-order mark.
QByteArray tilBytes(const QString& tekst);

// The largest file the readers take unless they say otherwise.
inline constexpr qint64 standardMaks = 8 * 1024 * 1024;

// Reads a whole file and decodes it with fraBytes. Throws TFilFejl
// ("Kan ikke læse filen ...") when it cannot be read, when it is no regular
// file after its links are followed (a pipe, a device, a folder) or when it
// is larger than `maks` bytes.
QString laesFil(const QString& sti, qint64 maks = standardMaks);

// The bytes of a regular file of at most `maks` bytes, under the same rules.
QByteArray laesBytes(const QString& sti, qint64 maks = standardMaks);

// Writes a whole file encoded with tilBytes, atomically: the old file stays
// as it was until the new one is complete. Throws TFilFejl
// ("Kan ikke skrive filen ...") when it cannot be written.
void skrivFil(const QString& sti, const QString& tekst);

} // namespace tekst
