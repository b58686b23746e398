#pragma once
// Shared by the window benchmarks: the whole program over a temporary data
// folder with the shipped help, processor time, and the memory of the process
// with its child processes (the web engine's helpers).
#include "core/common/beskeder.h"
#include "ui/app/mainform.h"
#include "ui/app/tavlix.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <ctime>
#include <memory>

namespace bench {

inline double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Resident memory in KiB of process `pid`, or of it and all its descendants.
inline long rssKiB(long pid) {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:")) return l.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

inline long rssTraeKiB(long rod) {
    QHash<long, long> foraelder;
    for (const QString& navn : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        const long pid = navn.toLong(&ok);
        if (!ok) continue;
        QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QByteArray s = f.readAll();
        // pid (comm) state ppid ...: the name may hold spaces, so after ')'.
        const QList<QByteArray> felter = s.mid(s.lastIndexOf(')') + 2).split(' ');
        foraelder.insert(pid, felter.value(1).toLong());
    }
    long sum = 0;
    for (auto it = foraelder.cbegin(); it != foraelder.cend(); ++it) {
        for (long p = it.key(); p > 1; p = foraelder.value(p, 0))
            if (p == rod) {
                sum += rssKiB(it.key());
                break;
            }
    }
    return sum;
}

struct Program {
    QTemporaryDir dir;
    TavseBeskeder beskeder;
    std::unique_ptr<Tavlix> t;

    Program() {
        QDir(dir.path()).mkpath(QStringLiteral("Egenskaber"));
        const QString fra = QStringLiteral(TAVLIX_KILDEMAPPE "/data/Tavlixmappe/Struktur");
        QDirIterator it(fra, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            const QString maal = dir.path() + QStringLiteral("/Struktur") + f.mid(fra.size());
            QDir().mkpath(QFileInfo(maal).path());
            QFile::copy(f, maal);
        }
        t = std::make_unique<Tavlix>(*qApp, dir.path(), &beskeder);
        t->vis();
    }
};

} // namespace bench
