#include "core/calc/hukommelse.h"
#include "core/common/fejl.h"
#include "core/other/enhedsside.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstEnhedsside : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tabellenHeleVejen_data() {
        QTest::addColumn<QString>("stoerrelse");
        QTest::addColumn<QString>("enhed");
        QTest::addColumn<int>("til");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("vist");
        QTest::addColumn<QString>("emne");
        QTest::newRow("acre") << "Areal"
                              << "Acre" << 0 << "1"
                              << "4046,8564224"
                              << "Andre enheder";
        QTest::newRow("tønde land ca") << "Areal"
                                       << "Tønde land" << 0 << "2"
                                       << "Ca. 11032,4"
                                       << "Gamle danske enheder";
        QTest::newRow("hestekraft ca") << "Effekt"
                                       << "Hestekraft (metrisk)" << 0 << "1"
                                       << "Ca. 735,499"
                                       << "Effekt";
        QTest::newRow("elektronvolt") << "Energi"
                                      << "Elektronvolt" << 0 << "1"
                                      << "1,60217653E-19"
                                      << "Energi";
        QTest::newRow("knop km/t") << "Hastighed"
                                   << "Knop" << 0 << "1"
                                   << "1,852"
                                   << "Hastighed";
        QTest::newRow("knop m/s 15 cifre") << "Hastighed"
                                           << "Knop" << 1 << "1"
                                           << "0,514444444444444"
                                           << "Hastighed";
        QTest::newRow("mach m/s") << "Hastighed"
                                  << "Mach (ved standardatmosfære)" << 1 << "1"
                                  << "340,2933"
                                  << "Hastighed";
        QTest::newRow("ångstrøm") << "Længde"
                                  << "Ångstrøm" << 0 << "1"
                                  << "1E-10"
                                  << "Længde";
        QTest::newRow("registerton 2,83") << "Rumfang"
                                          << "Registerton" << 0 << "1"
                                          << "2,83"
                                          << "Andre rumfangsenheder";
        QTest::newRow("uge") << "Tid"
                             << "Uge" << 0 << "2"
                             << "1209600"
                             << "Tid";
        QTest::newRow("mm kviksølv 133,3") << "Tryk"
                                           << "Millimeter kviksølv" << 0 << "1"
                                           << "133,3"
                                           << "Tryk";
        QTest::newRow("karat") << "Vægt/Masse"
                               << "Karat" << 0 << "5"
                               << "0,001"
                               << "Vægt_Masse";
        QTest::newRow("negativ og komma") << "Længde"
                                          << "Yard" << 0 << "-2,5"
                                          << "-2,286"
                                          << "Andre længdeenheder";
    }
    void tabellenHeleVejen() {
        QFETCH(QString, stoerrelse);
        QFETCH(QString, enhed);
        QFETCH(int, til);
        QFETCH(QString, input);
        QFETCH(QString, vist);
        QFETCH(QString, emne);
        THukommelse huk;
        TEnhedsside s(huk);
        s.visEinfoClick(true);
        // The browser follows what is chosen and typed (without the focus).
        QSignalSpy emner(&s, &TEnhedsside::enhedsinformationFoelger);
        s.valgboxClick(static_cast<int>(TEnhedsside::valgboxItems().indexOf(stoerrelse)));
        s.fraboksChange(static_cast<int>(s.fraboks.indexOf(enhed)));
        s.tilboksChange(til);
        s.fraEditEdited(input);
        QCOMPARE(s.tilEdit, vist);
        QVERIFY(!emner.isEmpty());
        QCOMPARE(emner.last().at(0).toString(), emne);
    }

    void valgAfStoerrelseViserEn() {
        THukommelse huk;
        TEnhedsside s(huk);
        s.valgboxClick(3); // Hastighed: two targets
        QCOMPARE(s.fraEdit, QStringLiteral("1"));
        QCOMPARE(s.fraboks.first(), QStringLiteral("Engelsk fod per sekund"));
        QCOMPARE(s.tilboks, QStringList({u"Kilometer pr. time"_s, u"Meter pr. sekund"_s}));
        QCOMPARE(s.tilEdit, QStringLiteral("1,09728"));
        s.valgboxClick(0);
        QCOMPARE(s.fraboks.size(), 4);
        QCOMPARE(s.tilboks, QStringList{u"Kvadratmeter"_s});
        QCOMPARE(s.tilEdit, QStringLiteral("4046,8564224"));
        // Without the tick box no topic is asked for.
        QSignalSpy emner(&s, &TEnhedsside::enhedsinformationFoelger);
        s.fraEditEdited(QStringLiteral("3"));
        QVERIFY(emner.isEmpty());
    }

    void filter_data() {
        QTest::addColumn<QString>("skrevet");
        QTest::addColumn<QString>("bliver");
        QTest::newRow("punktum droppes") << "2.5"
                                         << "25";
        QTest::newRow("andet komma droppes") << "-3,5,1"
                                             << "-3,51";
        QTest::newRow("minus bagefter") << "3-"
                                        << "3";
        QTest::newRow("bogstaver og blanke") << "1 a2b"
                                             << "12";
        QTest::newRow("tom") << ""
                             << "";
    }
    void filter() {
        QFETCH(QString, skrevet);
        QFETCH(QString, bliver);
        QCOMPARE(TEnhedsside::getExtended(skrevet), bliver);
        THukommelse huk;
        TEnhedsside s(huk);
        s.fraEditEdited(skrevet);
        QCOMPARE(s.fraEdit, bliver);
    }

    // A separator typed before any digit reads as 0, as in every box of the
    // program, so the first key of ",5" raises no error box.
    void loneKommaGiverNul() {
        THukommelse huk;
        TEnhedsside s(huk);
        s.fraEditEdited(QStringLiteral(","));
        QCOMPARE(s.tilEdit, QStringLiteral("0"));
    }

    void treFelter_data() {
        QTest::addColumn<int>("gruppe");
        QTest::addColumn<int>("felt");
        QTest::addColumn<QString>("vaerdi");
        QTest::addColumn<QStringList>("felter");
        QTest::newRow("celsius") << 0 << 1 << u"100"_s
                                 << QStringList{u"100"_s, u"373,15"_s, u"212"_s};
        QTest::newRow("farenheit")
            << 0 << 3 << u"212"_s << QStringList{u"100"_s, u"373,15"_s, u"212"_s};
        QTest::newRow("tom kelvin")
            << 0 << 2 << u""_s << QStringList{u"-273,15"_s, u"0"_s, u"-459,67"_s};
        QTest::newRow("grad") << 1 << 1 << u"180"_s
                              << QStringList{u"180"_s, u"200"_s, u"3,14159265358979"_s};
        QTest::newRow("gradian") << 1 << 2 << "400"
                                 << QStringList{u"360"_s, u"400"_s, u"6,28318530717959"_s};
        QTest::newRow("radian") << 1 << 3 << "3,14159265358979"
                                << QStringList{u"180"_s, u"200"_s, u"3,14159265358979"_s};
        // A result in exponent form stands as written: the filter is for typing only.
        QTest::newRow("lille radian uændret")
            << 1 << 1 << "0,0001"
            << QStringList{u"0,0001"_s, u"0,000111111111111111"_s, u"1,74532925199433E-6"_s};
    }
    void treFelter() {
        QFETCH(int, gruppe);
        QFETCH(int, felt);
        QFETCH(QString, vaerdi);
        QFETCH(QStringList, felter);
        THukommelse huk;
        TEnhedsside s(huk);
        s.enhedsGroupClick(gruppe);
        s.feltEdited(felt, vaerdi);
        s.feltGoClick(felt);
        QCOMPARE((QStringList{s.felt[0], s.felt[1], s.felt[2]}), felter);
    }

    void gruppeSkifterLabelsOgTaemmer() {
        THukommelse huk;
        TEnhedsside s(huk);
        QCOMPARE(s.feltLabel[2], QStringLiteral("Farenheit"));
        s.feltEdited(1, QStringLiteral("5"));
        s.enhedsGroupClick(1);
        QCOMPARE((QStringList{s.feltLabel[0], s.feltLabel[1], s.feltLabel[2]}),
                 (QStringList{u"Grad"_s, u"Gradian"_s, u"Radian"_s}));
        QVERIFY(s.felt[0].isEmpty());
    }

    void emnerFraTreFelter() {
        THukommelse huk;
        TEnhedsside s(huk);
        // Typing follows the topic without the focus; a right click asks for it.
        QSignalSpy emner(&s, &TEnhedsside::enhedsinformationFoelger);
        QSignalSpy oensket(&s, &TEnhedsside::enhedsinformationOenskes);
        s.feltGoClick(2);
        QVERIFY(emner.isEmpty()); // tick box off
        s.visEinfoClick(true);
        s.feltGoClick(1);
        QVERIFY(emner.isEmpty()); // field 1 shows no topic
        s.feltGoClick(3);
        QCOMPARE(emner.size(), 1);
        QCOMPARE(emner.last().at(0).toString(), QStringLiteral("Temperatur"));
        s.visEinfoClick(false);
        s.enhedsGroupClick(1);
        s.feltGoHoejreklik();
        QCOMPARE(emner.size(), 1);
        QCOMPARE(oensket.size(), 1);
        QCOMPARE(oensket.last().at(0).toString(), QStringLiteral("Vinkel"));
    }

    void sendTilHukommelse() {
        THukommelse huk;
        TEnhedsside s(huk);
        s.valgboxClick(1); // Effekt: "Ca. 735,499"
        s.sendHukKnapClick();
        QCOMPARE(s.tilEdit, QStringLiteral("735,499"));
        QCOMPARE(huk.Hval, 735.499);
        QCOMPARE(huk.captions(), QStringList{u"735,499"_s});
        QCOMPARE(huk.Huk.Ropen().first().Filnavn, QStringLiteral("Watt"));
        QCOMPARE(huk.hukDisplay, QStringLiteral("735,499"));

        s.valgboxClick(2);
        s.fraboksChange(1); // Elektronvolt
        s.sendHukKnapClick();
        QCOMPARE(huk.Hval, 1.60217653e-19);
        QCOMPARE(huk.captions().first(), QStringLiteral("1,60217653E-19"));
    }

    void tomtResultatSenderIntet() {
        THukommelse huk;
        TEnhedsside s(huk);
        s.tilEdit.clear();
        s.sendHukKnapClick();
        QVERIFY(huk.captions().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstEnhedsside)
#include "tst_enhedsside.moc"
