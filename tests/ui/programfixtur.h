#pragma once
// The whole program over a temporary data folder, with recorded messages, for
// window tests on the offscreen platform.
#include "app/mainform.h"
#include "app/tavlix.h"
#include "beskedoptager.h"
#include "calc/displaypanel.h"
#include "common/visning.h"

#include <memory>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

struct ProgramFixtur {
    QTemporaryDir dir;
    BeskedOptager beskeder;
    std::unique_ptr<Tavlix> t;

    // `optioner` are the lines of "mainform.txt"; none: no file.
    explicit ProgramFixtur(const QStringList& optioner = {}) {
        QDir(dir.path()).mkpath(QStringLiteral("Egenskaber"));
        if (!optioner.isEmpty()) {
            QFile f(dir.path() + QStringLiteral("/Egenskaber/mainform.txt"));
            f.open(QIODevice::WriteOnly);
            f.write(optioner.join(QStringLiteral("\r\n")).toUtf8());
        }
        t = std::make_unique<Tavlix>(*qApp, dir.path(), &beskeder);
        t->vis();
        QVERIFY(QTest::qWaitForWindowExposed(&t->mainform()));
    }
    Tmainform& w() { return t->mainform(); }
    QString display() { return w().displayPanel()->rmDisplay()->text(); }
    void skriv(const QString& taster) {
        for (QChar c : taster)
            QTest::keyClick(&w(), c.toLatin1());
    }
};
