#pragma once
// The whole program over a temporary data folder, with recorded messages, for
// window tests on the offscreen platform.
#include "beskedoptager.h"
#include "ui/app/egenskabsenhed.h"
#include "ui/app/mainform.h"
#include "ui/app/tavlix.h"
#include "ui/calc/displaypanel.h"
#include "ui/common/visning.h"
#include "ui/equations/ligningsenhed.h"
#include "ui/formula/formelenhed.h"
#include "ui/graph/grafenhed.h"
#include "ui/info/infoenhed.h"
#include "ui/other/andetenhed.h"
#include "ui/primes/primtalenhed.h"

#include <functional>
#include <memory>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

struct ProgramFixtur {
    QTemporaryDir dir;
    BeskedOptager beskeder;
    std::unique_ptr<Tavlix> t;
    const bool vent = true;

    // Lays files into the data folder before the program starts.
    using Forberedelse = std::function<void(const QDir& mappe)>;

    // `optioner` are the lines of "mainform.txt"; none: no file.
    explicit ProgramFixtur(const QStringList& optioner = {})
        : ProgramFixtur([&optioner](const QDir& mappe) {
              if (optioner.isEmpty()) return;
              mappe.mkpath(QStringLiteral("Egenskaber"));
              QFile f(mappe.filePath(QStringLiteral("Egenskaber/mainform.txt")));
              QVERIFY(f.open(QIODevice::WriteOnly));
              f.write(optioner.join(QStringLiteral("\r\n")).toUtf8());
          }) {}
    // `venter`: return only once the main window is on screen.
    explicit ProgramFixtur(const Forberedelse& forbered, bool venter = true) : vent(venter) {
        const QDir mappe(dir.path());
        if (forbered) forbered(mappe);
        mappe.mkpath(QStringLiteral("Egenskaber"));
        start();
    }
    virtual ~ProgramFixtur() = default;

    void start() {
        t = std::make_unique<Tavlix>(*qApp, dir.path(), &beskeder);
        t->vis();
        if (vent) QVERIFY(QTest::qWaitForWindowExposed(&t->mainform()));
    }
    // Closes the main window (the other windows write their options) and starts again.
    void genstart() {
        t->mainform().close();
        t.reset();
        start();
    }

    Tmainform& w() { return t->mainform(); }
    QString display() { return w().displayPanel()->rmDisplay()->text(); }
    void skriv(const QString& taster) {
        for (QChar c : taster)
            QTest::keyClick(&w(), c.toLatin1());
    }
    // Copies the files below `fra` (hidden ones too) to the same places below `til`.
    static void kopierMappe(const QString& fra, const QString& til) {
        QDirIterator it(fra, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            const QString maal = til + f.mid(fra.size());
            QDir().mkpath(QFileInfo(maal).path());
            QFile::copy(f, maal);
        }
    }
    // The control `navn` of `vindue`; a missing one ends the test run.
    template <typename T> static T* find(QWidget& vindue, const QString& navn) {
        T* c = vindue.findChild<T*>(navn);
        if (!c) qFatal("missing control %s", qPrintable(navn));
        return c;
    }
};
