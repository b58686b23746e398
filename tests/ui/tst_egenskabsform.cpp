#include "programfixtur.h"
#include "ui/app/egenskabsform.h"
#include "ui/app/mainform.h"
#include "ui/app/omform.h"
#include "ui/common/graense.h"
#include "ui/graph/form3.h"
#include "ui/graph/grafform.h"
#include "ui/graph/optform.h"
#include "ui/graph/printform.h"
#include "ui/graph/zoomform.h"
#include "ui/info/infoformen.h"
#include "ui/other/andetform.h"

#include <functional>
#include <memory>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

struct Program : ProgramFixtur {};

// Runs `handling` on the dialog that the next call opens, once it shows as
// the application's modal window; a dialog that a failed check leaves open
// is closed, so a failure never hangs. `koert` counts the runs: the call that
// opens a modal dialog returns only after the handler has run and closed it,
// so a count of 0 after the call means the dialog did not block (it was not
// modal, or not shown). The timers end with the object.
struct NaarModal {
    QObject ramme;
    int koert = 0;

    explicit NaarModal(std::function<void(QWidget*)> handling) {
        QTimer::singleShot(0, &ramme, [this, handling] {
            QPointer<QWidget> m = QApplication::activeModalWidget();
            QVERIFY2(m, "no modal dialog is shown");
            QCOMPARE(m->windowModality(), Qt::ApplicationModal);
            ++koert;
            QTimer::singleShot(5000, m, [m] {
                if (m->isVisible()) m->close();
            });
            handling(m);
        });
    }
};

static QStringList laesLinjer(const QString& fil) {
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

static void alleNavngivet(QWidget* vindue) {
    for (QWidget* w : vindue->findChildren<QWidget*>())
        if (!qobject_cast<QLabel*>(w) && w->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
}

class TstEgenskabsform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setFejlModtager([](const QString& t) { QFAIL(qPrintable(u"error box: "_s + t)); });
    }

    void flereOgGem() {
        Program p;
        NaarModal modal([](QWidget* m) {
            auto* d = qobject_cast<Tegenskabsform*>(m);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Egenskaber"));
            QVERIFY(d->eleGroup()->button(1)->isChecked());
            QVERIFY(!d->antalEdit()->isEnabled());
            QCOMPARE(d->designBox()->currentText(), QStringLiteral("Iceberg Classico"));
            alleNavngivet(d);
            d->eleGroup()->button(4)->click();
            QVERIFY(d->antalEdit()->isEnabled());
            d->antalEdit()->clear();
            QTest::keyClicks(d->antalEdit(), QStringLiteral("28"));
            d->showHintCheck()->click();
            d->designBox()->setCurrentText(QStringLiteral("Carbon"));
            d->gemKnap()->click();
        });
        p.t->model().EgenskaberClick();
        QCOMPARE(modal.koert, 1);
        QCOMPARE(p.t->model().hukFilantal, 32);
        QVERIFY(!p.t->model().doShowHint);
        QCOMPARE(p.t->model().designName, QStringLiteral("Carbon"));
        QVERIFY(QFile::exists(p.t->egenskabsEnhed().egenskaber().optFilnavn));
    }

    void testOgAnnuller() {
        Program p;
        NaarModal modal([](QWidget* m) {
            auto* d = qobject_cast<Tegenskabsform*>(m);
            QVERIFY(d);
            d->designBox()->setCurrentText(QStringLiteral("Sky"));
            d->testKnap()->click();
            QVERIFY(d->isVisible()); // the dialog stays open
            d->eleGroup()->button(3)->click();
            d->lukKnap()->click();
        });
        p.t->model().EgenskaberClick();
        QCOMPARE(modal.koert, 1);
        QCOMPARE(p.t->model().designName, QStringLiteral("Sky"));
        QCOMPARE(p.t->model().hukFilantal, 16);
    }

    // The place is the one the dialog had when it closed: centred the first
    // time, then where the user left it, also when the file says a place
    // off the screen.
    void pladsVedLukning() {
        Program p;
        const QString fil = p.t->egenskabsEnhed().egenskaber().optFilnavn;
        const QRect skaerm = p.t->mainform().screen()->availableGeometry();
        QPoint centreret;
        NaarModal foerste([&centreret](QWidget* m) {
            centreret = m->pos();
            m->findChild<QPushButton*>(QStringLiteral("lukKnap"))->click();
        });
        p.t->model().EgenskaberClick();
        QCOMPARE(foerste.koert, 1);
        QVERIFY(centreret != QPoint(0, 0));
        QCOMPARE(laesLinjer(fil),
                 (QStringList{QString::number(centreret.y()), QString::number(centreret.x())}));
        NaarModal anden([](QWidget* m) {
            m->move(37, 45);
            m->findChild<QPushButton*>(QStringLiteral("gemKnap"))->click();
        });
        p.t->model().EgenskaberClick();
        QCOMPARE(anden.koert, 1);
        QCOMPARE(laesLinjer(fil), (QStringList{u"45"_s, u"37"_s}));

        QFile f(fil);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("-500\r\n99999\r\n");
        f.close();
        p.t->egenskabsEnhed().egenskaber().FormCreate();
        QRect vist;
        NaarModal tredje([&vist](QWidget* m) {
            vist = m->frameGeometry();
            m->findChild<QPushButton*>(QStringLiteral("lukKnap"))->click();
        });
        p.t->model().EgenskaberClick();
        QCOMPARE(tredje.koert, 1);
        QVERIFY2(skaerm.contains(vist),
                 qPrintable(QStringLiteral("%1,%2").arg(vist.x()).arg(vist.y())));
    }

    // A theme switch closes the windows that would keep the old look.
    void temaskiftLukkerVinduer() {
        Program p;
        p.t->infoEnhed().infoformen().visVindue();
        p.t->andetEnhed().andetform().vis();
        p.t->grafEnhed().visGrafform();
        p.t->grafEnhed().zoomform().show();
        p.t->grafEnhed().optform().show();
        p.t->grafEnhed().printform().show();
        p.t->grafEnhed().form3().show();
        const QList<QWidget*> vinduer{
            &p.t->infoEnhed().infoformen(), &p.t->andetEnhed().andetform(),
            &p.t->grafEnhed().grafform(),   &p.t->grafEnhed().zoomform(),
            &p.t->grafEnhed().optform(),    &p.t->grafEnhed().printform(),
            &p.t->grafEnhed().form3()};
        for (QWidget* w : vinduer)
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        p.t->model().newDesign(QStringLiteral("Carbon"));
        for (QWidget* w : vinduer)
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        QVERIFY(p.t->mainform().isVisible());
        QCOMPARE(p.t->model().designName, QStringLiteral("Carbon"));
    }

    void omTavlix() {
        Program p;
        NaarModal modal([](QWidget* m) {
            QCOMPARE(m->windowTitle(), QStringLiteral("Om Tavlix"));
            QVERIFY(qobject_cast<TomForm*>(m));
            alleNavngivet(m);
            QStringList tekster;
            for (QLabel* l : m->findChildren<QLabel*>())
                tekster << l->text();
            QVERIFY(tekster.contains(QStringLiteral("2024: version 3.0")));
            QVERIFY(tekster.contains(QStringLiteral("64 bit")));
            QVERIFY(tekster.contains(QStringLiteral("Forbredninger i version 3.0")));
            m->findChild<QPushButton*>(QStringLiteral("okKnap"))->click();
        });
        p.t->model().OmTavlix1Click();
        QCOMPARE(modal.koert, 1);
    }
};

QTEST_MAIN(TstEgenskabsform)
#include "tst_egenskabsform.moc"
