#pragma once
// Input and output of the command-line tool: standard input is read up to a
// fixed limit, and output is written so that a failure (a full disk, a closed
// pipe, /dev/full) is noticed and reported instead of ending in exit status 0.
#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <optional>

class QIODevice;

namespace vaerktoejsio {

// The most standard input the tool reads: 64 MiB.
constexpr qint64 maksInput = 64LL * 1024 * 1024;

// Reads the device to its end; nothing (std::nullopt) when it holds more
// than `loft` bytes, which are then not all read.
std::optional<QByteArray> laesHelt(QIODevice& ind, qint64 loft = maksInput);

// Writes all bytes and flushes the stream; false when any of it failed.
bool skrivHelt(std::FILE* ud, const QByteArray& bytes);

} // namespace vaerktoejsio
