#include "core/app/datamappe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void skriv(const QString& sti, const QByteArray& indhold) {
    QDir().mkpath(QFileInfo(sti).path());
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(indhold);
}

QByteArray laes(const QString& sti) {
    QFile f(sti);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(mangler)");
}

} // namespace

// An installed program: <prefix>/bin and the template in <prefix>/share/tavlix.
class TstDatamappe : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString bin() const { return m_dir.path() + QStringLiteral("/prefix/bin"); }
    QString skabelon() const {
        return m_dir.path() + QStringLiteral("/prefix/share/tavlix/Tavlixmappe");
    }

private Q_SLOTS:
    void initTestCase() {
        QDir().mkpath(bin());
        QDir().mkpath(skabelon() + QStringLiteral("/Egenskaber"));
        skriv(skabelon() + QStringLiteral("/Formler/eksempel.txt"), "2+3=");
        skriv(skabelon() + QStringLiteral("/Struktur/Info/struktur.txt"), "skabelon");
    }

    void findesKunVedEnInstallation() {
        QCOMPARE(datamappe::skabelon(bin()), QDir::cleanPath(skabelon()));
        QCOMPARE(datamappe::skabelon(m_dir.path() + QStringLiteral("/build/src/app")), QString());
    }

    void foersteStartLaeggerMappenNed() {
        const QString hjem = m_dir.path() + QStringLiteral("/ny/Tavlixmappe");
        QVERIFY(datamappe::foersteStart(bin(), hjem));
        QVERIFY(QFileInfo(hjem + QStringLiteral("/Egenskaber")).isDir());
        QCOMPARE(laes(hjem + QStringLiteral("/Formler/eksempel.txt")), QByteArray("2+3="));
        QCOMPARE(laes(hjem + QStringLiteral("/Struktur/Info/struktur.txt")),
                 QByteArray("skabelon"));
        // The next start finds the folder and does nothing.
        QVERIFY(!datamappe::foersteStart(bin(), hjem));
    }

    // What the user has stays; only what is missing is added.
    void overskriverIkke() {
        const QString hjem = m_dir.path() + QStringLiteral("/bruger/Tavlixmappe");
        skriv(hjem + QStringLiteral("/Struktur/Info/struktur.txt"), "brugerens");
        QVERIFY(datamappe::foersteStart(bin(), hjem)); // no options folder yet
        QCOMPARE(laes(hjem + QStringLiteral("/Struktur/Info/struktur.txt")),
                 QByteArray("brugerens"));
        QCOMPARE(laes(hjem + QStringLiteral("/Formler/eksempel.txt")), QByteArray("2+3="));
    }

    void udenSkabelonIntetLagtNed() {
        const QString hjem = m_dir.path() + QStringLiteral("/bygget/Tavlixmappe");
        QVERIFY(!datamappe::foersteStart(m_dir.path() + QStringLiteral("/build"), hjem));
        QVERIFY(!QFileInfo::exists(hjem));
    }
};

QTEST_GUILESS_MAIN(TstDatamappe)
#include "tst_datamappe.moc"
