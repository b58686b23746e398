// Shared texts: every copy keeps its own text whatever the others do, and
// going the same way again shares the characters instead of copying them.
#include "core/calc/delttekst.h"

#include <QList>
#include <QRandomGenerator>
#include <QtTest>

class TestDelttekst : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Random appends, truncations, inserts and copies among a handful of
    // texts, each beside a plain QString that gets the same changes.
    void kopierBeholderDeresTekst() {
        for (quint32 froe = 1; froe <= 20; ++froe) {
            QRandomGenerator g(froe);
            QList<TDelttekst> tekster(6);
            QList<QString> model(6);
            for (int skridt = 0; skridt < 3000; ++skridt) {
                const int i = int(g.bounded(6));
                // Few letters, so that texts often meet what a buffer holds.
                const QChar c(u'a' + g.bounded(3));
                switch (g.bounded(10)) {
                case 0:
                case 1:
                case 2:
                    tekster[i].append(c);
                    model[i].append(c);
                    break;
                case 3: {
                    const QString s = QString(c) + QChar(u'a' + g.bounded(3));
                    tekster[i].append(s);
                    model[i].append(s);
                    break;
                }
                case 4: {
                    const qsizetype n = g.bounded(int(model[i].size()) + 1);
                    tekster[i].truncate(n);
                    model[i].truncate(n);
                    break;
                }
                case 5: {
                    const qsizetype pos = g.bounded(int(model[i].size()) + 1);
                    tekster[i].insert(pos, QString(c));
                    model[i].insert(pos, c);
                    break;
                }
                case 6:
                case 7: {
                    const int j = int(g.bounded(6));
                    tekster[i] = tekster[j];
                    model[i] = model[j];
                    break;
                }
                case 8:
                    tekster[i].clear();
                    model[i].clear();
                    break;
                default:
                    tekster[i] = TDelttekst(model[i] + c);
                    model[i] += c;
                    break;
                }
                for (int k = 0; k < 6; ++k) {
                    QCOMPARE(tekster[k].view(), QStringView(model[k]));
                    QCOMPARE(tekster[k].toString(), model[k]);
                }
                const int a = int(g.bounded(6));
                const int b = int(g.bounded(6));
                QCOMPARE(tekster[a] == tekster[b], model[a] == model[b]);
                const qsizetype n = g.bounded(int(qMin(model[a].size(), model[b].size())) + 1);
                QCOMPARE(tekster[a].sammeBegyndelse(tekster[b], n),
                         model[a].left(n) == model[b].left(n));
            }
        }
    }

    // A copy cut back and typed on the same way shares the characters; one
    // that went another way and a later one going that way too share theirs.
    void sammeVejDelerTegn() {
        TDelttekst tekst;
        for (int i = 0; i < 1000; ++i)
            tekst.append(QChar(u'0' + i % 10));
        TDelttekst kopi = tekst;
        kopi.truncate(500);
        for (int i = 500; i < 1000; ++i)
            kopi.append(QChar(u'0' + i % 10));
        QVERIFY(kopi.delerLager(tekst));
        QCOMPARE(kopi, tekst);

        TDelttekst anden = tekst;
        anden.truncate(700);
        anden.append(QStringLiteral("xy"));
        QVERIFY(!anden.delerLager(tekst));
        TDelttekst tredje = tekst;
        tredje.truncate(600);
        for (int i = 600; i < 700; ++i)
            tredje.append(QChar(u'0' + i % 10));
        tredje.append(u'x');
        tredje.append(u'y');
        QVERIFY(tredje.delerLager(anden));
        QCOMPARE(tredje.toString(), tekst.toString().left(700) + QStringLiteral("xy"));
        // The original keeps its text.
        QCOMPARE(tekst.size(), 1000);
        QCOMPARE(tekst.view().mid(700, 2), QStringView(u"01"));
    }
};

QTEST_GUILESS_MAIN(TestDelttekst)
#include "tst_delttekst.moc"
