// The calculation list's item model follows the list by rows: what a change
// added, removed or changed, never the whole list anew.
#include "beskedoptager.h"
#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "ui/calc/metalistemodel.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList modellensLinjer(const TMetaListeModel& m) {
    QStringList l;
    for (int r = 0; r < m.rowCount(); ++r)
        l << m.index(r).data().toString();
    return l;
}

// The rows as a view knows them: read when the model says they came or
// changed, so a change the model does not report shows as a difference.
struct Spejl {
    QStringList linjer;
    explicit Spejl(QAbstractItemModel& m) {
        const auto laes = [&m](int r) { return m.index(r, 0).data().toString(); };
        for (int r = 0; r < m.rowCount(); ++r)
            linjer << laes(r);
        QObject::connect(&m, &QAbstractItemModel::rowsInserted, &m,
                         [this, laes](const QModelIndex&, int a, int b) {
                             for (int r = a; r <= b; ++r)
                                 linjer.insert(r, laes(r));
                         });
        QObject::connect(&m, &QAbstractItemModel::rowsRemoved, &m,
                         [this](const QModelIndex&, int a, int b) { linjer.remove(a, b - a + 1); });
        QObject::connect(&m, &QAbstractItemModel::dataChanged, &m,
                         [this, laes](const QModelIndex& a, const QModelIndex& b) {
                             for (int r = a.row(); r <= b.row(); ++r)
                                 linjer[r] = laes(r);
                         });
        QObject::connect(&m, &QAbstractItemModel::modelReset, &m, [this, &m, laes] {
            linjer.clear();
            for (int r = 0; r < m.rowCount(); ++r)
                linjer << laes(r);
        });
    }
};

// What the model reported since it was made.
struct Raekker {
    QSignalSpy nulstillet, aendret, indsat, fjernet;
    explicit Raekker(TMetaListeModel& m)
        : nulstillet(&m, &QAbstractItemModel::modelReset),
          aendret(&m, &QAbstractItemModel::dataChanged),
          indsat(&m, &QAbstractItemModel::rowsInserted),
          fjernet(&m, &QAbstractItemModel::rowsRemoved) {}
    // Rows drawn anew beyond what the list grew by: changed plus inserted
    // (removed rows are only dropped; going on from a result empties the
    // list for the new task, and "Tilbage" may bring the old task back).
    int beroert(int vaekst) const {
        int n = 0;
        for (const auto& a : aendret)
            n += a.at(1).toModelIndex().row() - a.at(0).toModelIndex().row() + 1;
        for (const auto& a : indsat)
            n += a.at(2).toInt() - a.at(1).toInt() + 1;
        return n - qMax(0, vaekst);
    }
};

} // namespace

class TestMetaListeModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random changes, one by one and in held batches, also putting back
    // earlier lists (as "Tilbage" does): the model always shows the list and
    // stays a sound item model.
    void foelgerListen() {
        TMetaListe meta;
        TMetaListeModel model(meta);
        Spejl spejl(model);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QRandomGenerator g(4);
        QList<QStringList> tidligere;
        for (int i = 0; i < 600; ++i) {
            const bool holdt = g.bounded(3) == 0;
            if (holdt) meta.hold();
            for (int j = 0, n = holdt ? 1 + g.bounded(6) : 1; j < n; ++j) {
                switch (g.bounded(10)) {
                case 0:
                    meta.toem();
                    break;
                case 1:
                case 2:
                    if (!tidligere.isEmpty())
                        meta.gendan(tidligere[g.bounded(static_cast<int>(tidligere.size()))], -1);
                    break;
                case 3: {
                    // A list with the same beginning and another end.
                    QStringList l = meta.linjer.mid(0, g.bounded(meta.antal() + 1));
                    l << QStringLiteral("anden %1").arg(i);
                    meta.gendan(l, static_cast<int>(l.size()) - 1);
                    break;
                }
                default:
                    meta.tilfoej(QStringLiteral("linje %1").arg(i));
                }
            }
            if (holdt) meta.slip();
            if (g.bounded(4) == 0) tidligere << meta.linjer;
            QCOMPARE(spejl.linjer, meta.linjer);
        }
    }

    // A key on a long task tells the views of a few rows only: typing,
    // "Tilbage", and the quiet replays typing runs to keep "Tilbage" ready.
    void tastBeroererFaaRaekker() {
        BeskedOptager beskeder;
        TMetaListe meta;
        THukommelse huk;
        TRegner regner(beskeder, meta, huk);
        TMetaListeModel model(meta);
        Spejl spejl(model);
        for (int i = 0; i < 3000; ++i)
            regner.FormKeyPress(QStringLiteral("12+")[i % 3]);
        QCOMPARE(modellensLinjer(model), meta.linjer);
        QVERIFY(model.rowCount() > 900);
        int mest = 0;
        for (const QChar c : QStringLiteral("3*4+5-6\b\b7+8/9=+1\b\b\b\b+2+3+4+5")) {
            Raekker r(model);
            const int foer = model.rowCount();
            if (c == u'\b')
                regner.BackTalExecute();
            else
                regner.FormKeyPress(c);
            QCOMPARE(r.nulstillet.size(), 0);
            mest = qMax(mest, r.beroert(model.rowCount() - foer));
            QCOMPARE(spejl.linjer, meta.linjer);
        }
        QVERIFY2(mest <= 8, qPrintable(QString::number(mest)));
        // The quiet replays: 200 keys more, each telling of a few rows.
        for (int i = 0; i < 200; ++i) {
            Raekker r(model);
            const int foer = model.rowCount();
            regner.FormKeyPress(QStringLiteral("12+")[i % 3]);
            const int beroert = r.beroert(model.rowCount() - foer);
            QVERIFY2(beroert <= 2, qPrintable(QString::number(beroert)));
        }
        QCOMPARE(spejl.linjer, meta.linjer);
    }
};

QTEST_MAIN(TestMetaListeModel)
#include "tst_metalistemodel.moc"
