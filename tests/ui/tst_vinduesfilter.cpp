// A window's event filter sees the window's own widgets, also those that join
// later, and nothing else of the process.
#include "ui/common/vinduesfilter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
class Optager : public QObject {
public:
    QList<QObject*> set;
    bool eventFilter(QObject* obj, QEvent* ev) override {
        vinduesfilter::foelg(this, obj, ev);
        if (ev->type() == QEvent::User) set << obj;
        return false;
    }
};
} // namespace

class TstVinduesfilter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kunVinduetsEgne() {
        QWidget vindue;
        auto* foer = new QLineEdit(&vindue);
        Optager filter;
        vinduesfilter::installer(&vindue, &filter);
        // A panel built apart and then put in, with its child; a widget made
        // in place.
        auto* panel = new QWidget;
        auto* inde = new QPushButton(panel);
        panel->setParent(&vindue);
        auto* senere = new QLabel(&vindue);
        QWidget fremmed;
        auto* fremmedBarn = new QLabel(&fremmed);
        QObject objekt;

        const QList<QObject*> alle{&vindue, foer,     panel,       inde,
                                   senere,  &fremmed, fremmedBarn, &objekt};
        for (QObject* o : alle) {
            QEvent ev(QEvent::User);
            QCoreApplication::sendEvent(o, &ev);
        }
        QCOMPARE(filter.set, (QList<QObject*>{&vindue, foer, panel, inde, senere}));
    }
};

QTEST_MAIN(TstVinduesfilter)
#include "tst_vinduesfilter.moc"
