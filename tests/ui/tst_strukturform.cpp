#include "programfixtur.h"
#include "ui/app/mainform.h"
#include "ui/common/graense.h"
#include "ui/info/spmform.h"
#include "ui/info/strukturform.h"
#include "ui/info/strukturvisning.h"

#include <memory>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

struct Program : ProgramFixtur {
    Program()
        : ProgramFixtur([](const QDir& mappe) {
              mappe.mkpath(QStringLiteral("Struktur/Info"));
              mappe.mkpath(QStringLiteral("HTML"));
          }) {
        t->infoEnhed().strukturModel().infostruktur.papirkurv = [](const QString& sti) {
            return QFile::remove(sti);
        };
    }
    Tstrukturform& f() { return t->infoEnhed().strukturform(); }
    QPushButton* knap(const char* navn) {
        return f().findChild<QPushButton*>(QString::fromLatin1(navn));
    }
    void skrivTekst(const QString& tekst) {
        f().tekstEdit()->clear();
        QTest::keyClicks(f().tekstEdit(), tekst);
        QTest::keyClick(f().tekstEdit(), Qt::Key_Return);
    }
    QTreeWidgetItem* item(const QString& tekst) {
        const auto fundet =
            f().infostruktur()->findItems(tekst, Qt::MatchExactly | Qt::MatchRecursive);
        return fundet.isEmpty() ? nullptr : fundet.first();
    }
};

class TstStrukturform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
    }

    // Centred on a main window at the screen's left edge, the editor (wider
    // than the main window) would start left of the screen.
    void indenforSkaermen() {
        Program p;
        const QRect skaerm = p.t->mainform().screen()->availableGeometry();
        p.t->mainform().move(skaerm.topLeft());
        p.t->model().Strukturprogram1Click();
        QVERIFY(p.f().isVisible());
        QVERIFY2(skaerm.contains(p.f().frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                        .arg(p.f().x())
                                                                        .arg(p.f().y())
                                                                        .arg(p.f().width())
                                                                        .arg(p.f().height())));
    }

    void heleVejen() {
        Program p;
        p.t->model().Strukturprogram1Click();
        Tstrukturform& f = p.f();
        QVERIFY(f.isVisible());
        QCOMPARE(f.windowTitle(), QStringLiteral("Strukturkonstruktøren"));
        QCOMPARE(f.strukturboks()->count(), 1);
        for (QWidget* w : f.findChildren<QWidget*>())
            if (w->isVisibleTo(&f) && !qobject_cast<QLabel*>(w) &&
                w->focusPolicy() != Qt::NoFocus &&
                !w->objectName().startsWith(QLatin1String("qt_")))
                QVERIFY2(!w->accessibleName().isEmpty(),
                         qPrintable(w->objectName() + u' ' +
                                    QString::fromLatin1(w->metaObject()->className())));

        // Create a structure.
        QTest::keyClicks(f.navnEdit(), QStringLiteral("Geometri"));
        QTest::keyClick(f.navnEdit(), Qt::Key_Return);
        QCOMPARE(f.sider()->currentIndex(), 1);
        QCOMPARE(f.infoLabel()->text(), QStringLiteral("Strukturnavn: Geometri"));
        QVERIFY(p.t->infoEnhed().infoModel().strukturMenu.contains(QStringLiteral("Geometri")));

        // Elements with icons: "Objekt" then "Eksempel".
        f.findChild<QToolButton*>(QStringLiteral("ikon0"))->click();
        QCOMPARE(f.ikonboks()->title(), QStringLiteral("Element ikon: Objekt"));
        p.skrivTekst(QStringLiteral("Cirkel"));
        f.findChild<QToolButton*>(QStringLiteral("ikon5"))->click();
        p.skrivTekst(QStringLiteral("Trekant"));
        const QString tekstfiler = p.dir.path() + QStringLiteral("/Struktur/Geometri/tekstfiler/");
        QVERIFY(QFileInfo(tekstfiler + QStringLiteral("Cirkel.html")).isFile());
        QVERIFY(QFileInfo(tekstfiler + QStringLiteral("Trekant.html")).isFile());
        QCOMPARE(f.infostruktur()->topLevelItemCount(), 2);
        QCOMPARE(p.item(QStringLiteral("Trekant"))->icon(0).cacheKey() != 0, true);

        // Drag "Trekant" onto "Cirkel" as its last child, then save.
        f.findChild<QRadioButton*>(QStringLiteral("flyt3"))->click();
        QCOMPARE(p.t->infoEnhed().strukturModel().infostruktur.Flytmode,
                 int(TStruktur::SidsteBarn));
        auto* vp = f.infostruktur()->viewport();
        QTest::mousePress(vp, Qt::LeftButton, {},
                          f.infostruktur()->visualItemRect(p.item(u"Trekant"_s)).center());
        QTest::mouseRelease(vp, Qt::LeftButton, {},
                            f.infostruktur()->visualItemRect(p.item(u"Cirkel"_s)).center());
        QCOMPARE(f.infostruktur()->topLevelItemCount(), 1);
        QCOMPARE(p.item(QStringLiteral("Trekant"))->parent(), p.item(QStringLiteral("Cirkel")));
        QVERIFY(f.handling(QStringLiteral("Agem"))->isEnabled());
        f.handling(QStringLiteral("Agem"))->trigger();
        QVERIFY(!f.handling(QStringLiteral("Agem"))->isEnabled());
        QFile trae(p.dir.path() + QStringLiteral("/Struktur/Geometri/struktur.txt"));
        QVERIFY(trae.open(QIODevice::ReadOnly));
        QCOMPARE(trae.readAll(), QByteArray("Cirkel\r\n\tTrekant\r\n"));
        QFile data(p.dir.path() + QStringLiteral("/Struktur/Geometri/data.txt"));
        QVERIFY(data.open(QIODevice::ReadOnly));
        QCOMPARE(data.readAll(), QByteArray("4Cirkel\r\n2Trekant\r\n"));

        // Shown in the browser at the chosen element.
        p.t->infoEnhed().strukturModel().infostrukturClick(
            &*p.t->infoEnhed().strukturModel().infostruktur.forsteNode()->boern.front());
        QCOMPARE(f.tekstEdit()->text(), QStringLiteral("Trekant"));
        QCOMPARE(f.ikonboks()->title(), QStringLiteral("Element ikon: Eksempel"));
        f.handling(QStringLiteral("tbVisStruktur"))->trigger();
        QCOMPARE(p.t->infoEnhed().infoModel().strukturnavn, QStringLiteral("Geometri"));
        QCOMPARE(p.t->infoEnhed().infoModel().Struktur.Selected()->tekst,
                 QStringLiteral("Trekant"));

        // Deleted from the list.
        f.sider()->setCurrentIndex(0);
        f.strukturboks()->setCurrentRow(
            static_cast<int>(p.t->infoEnhed().strukturModel().strukturboks.indexOf(u"Geometri"_s)));
        p.beskeder.svar.enqueue(true);
        p.knap("sletStrukturButton")->click();
        QVERIFY(!QFileInfo::exists(p.dir.path() + QStringLiteral("/Struktur/Geometri")));
        QCOMPARE(f.strukturboks()->count(), 1);
    }

    void spoergevindue() {
        BeskedOptager b;
        QWidget ejer;
        TSpmBeskeder s(b, [&] { return &ejer; });
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<Tspmform*>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Spørgemål"));
            QCOMPARE(d->tekst()->toPlainText(), QStringLiteral("Skal elementet A slettes?"));
            d->findChild<QPushButton*>(QStringLiteral("ja"))->click();
        });
        QVERIFY(s.spoerg(QStringLiteral("Skal elementet A slettes?")));
        QTimer::singleShot(0, [] {
            QApplication::activeModalWidget()
                ->findChild<QPushButton*>(QStringLiteral("nej"))
                ->click();
        });
        QVERIFY(!s.spoerg(QStringLiteral("Skal elementet B slettes?")));
        s.information(QStringLiteral("videre"));
        QCOMPARE(b.tekster(), QStringList{u"videre"_s});
    }
};

QTEST_MAIN(TstStrukturform)
#include "tst_strukturform.moc"
