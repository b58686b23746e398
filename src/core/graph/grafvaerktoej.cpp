#include "core/graph/grafvaerktoej.h"

#include "core/common/fejl.h"
#include "core/common/taltekst.h"
#include "core/graph/grafoptioner.h"

#include <QRegularExpression>

namespace grafvaerktoej {

QString brug() {
    return QStringLiteral(
        "Brug: tavlix-graf [--size BxH] [--unit N] [--no-grid] [--no-axes]\n"
        "                  [--curve \"K A B C [D]\"]... [--out FIL] [--intersect I J [--json]]\n"
        "\n"
        "Tegner kurverne som grafvinduet gør det, og gemmer billedet.\n"
        "  --size BxH   billedets bredde og højde i pixels (standard 800x600)\n"
        "  --unit N     pixels pr. enhed (standard 20)\n"
        "  --no-grid    uden enhedskvadrater\n"
        "  --no-axes    uden koordinatsystem\n"
        "  --curve      en kurve: K er \"+\" (ax + by = c), \"/\" (ax / by = c),\n"
        "               \"*\" (ax * by = c), \"a\" (ax^2 + bx + c) eller \"3\"\n"
        "               (ax^3 + bx^2 + cx + d); tallene med komma eller punktum\n"
        "  --out FIL    billedfilen: .png, .svg eller .pdf (de to sidste som\n"
        "               vektortegning)\n"
        "  --intersect I J\n"
        "               skæringen mellem kurve I og J (talt fra 1), som grafvinduets\n"
        "               \"Løs\": linjer \"x1 = ...\" eller beskeden; uden --out tegnes intet\n"
        "  --json       skæringen som JSON: x1, y1, x2, y2 og message\n");
}

namespace {

bool laesTal(QString t, double& v) {
    t.replace(u'.', u',');
    try {
        v = tal::laes(t);
        return true;
    } catch (const TFejl&) {
        return false;
    }
}

bool laesKurve(const QString& tekst, TGrafKurve& k, QString& fejl) {
    const QStringList dele =
        tekst.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    fejl = QStringLiteral("Ugyldig kurve \"%1\"").arg(tekst);
    if (dele.isEmpty() || dele.first().size() != 1) return false;
    k.kind = dele.first().at(0);
    if (!QStringLiteral("+/*a3").contains(k.kind)) return false;
    const bool tredje = k.kind == u'3';
    if (dele.size() != 4 && !(tredje && dele.size() == 5)) return false;
    double* felter[] = {&k.a, &k.b, &k.c, &k.d};
    for (int i = 1; i < dele.size(); ++i)
        if (!laesTal(dele.at(i), *felter[i - 1])) return false;
    k.tekst = tekst;
    return true;
}

} // namespace

bool fortolk(const QStringList& args, TGrafArgumenter& ud, QString& fejl) {
    for (int i = 0; i < args.size(); ++i) {
        QString navn = args.at(i);
        QString vaerdi;
        bool harVaerdi = false;
        const qsizetype lig = navn.indexOf(u'=');
        if (navn.startsWith(QStringLiteral("--")) && lig > 0) {
            vaerdi = navn.mid(lig + 1);
            navn = navn.left(lig);
            harVaerdi = true;
        }
        const auto tag = [&]() -> bool {
            if (harVaerdi) return true;
            if (i + 1 >= args.size()) {
                fejl = QStringLiteral("%1 mangler en værdi").arg(navn);
                return false;
            }
            vaerdi = args.at(++i);
            return true;
        };
        if (navn == u"-h" || navn == u"--help") {
            ud.hjaelp = true;
        } else if (navn == u"--no-grid" && !harVaerdi) {
            ud.gitter = false;
        } else if (navn == u"--no-axes" && !harVaerdi) {
            ud.akser = false;
        } else if (navn == u"--size") {
            if (!tag()) return false;
            const auto m =
                QRegularExpression(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$")).match(vaerdi);
            const int b = m.captured(1).toInt(), h = m.captured(2).toInt();
            if (!m.hasMatch() || b < 1 || h < 1 || b > 20000 || h > 20000) {
                fejl = QStringLiteral("Ugyldig størrelse \"%1\"").arg(vaerdi);
                return false;
            }
            ud.stoerrelse = QSize(b, h);
        } else if (navn == u"--unit") {
            if (!tag()) return false;
            bool ok = false;
            const int n = vaerdi.toInt(&ok);
            if (!ok || n < 1) {
                fejl = QStringLiteral("Ugyldig enhed \"%1\"").arg(vaerdi);
                return false;
            }
            ud.enhed = n;
        } else if (navn == u"--curve") {
            if (!tag()) return false;
            TGrafKurve k;
            if (!laesKurve(vaerdi, k, fejl)) return false;
            ud.kurver.append(k);
        } else if (navn == u"--intersect") {
            if (harVaerdi || i + 2 >= args.size()) {
                fejl = QStringLiteral("--intersect skal have to kurvenumre");
                return false;
            }
            bool ok1 = false, ok2 = false;
            ud.skaering1 = args.at(i + 1).toInt(&ok1);
            ud.skaering2 = args.at(i + 2).toInt(&ok2);
            i += 2;
            if (!ok1 || !ok2 || ud.skaering1 < 1 || ud.skaering2 < 1) {
                fejl = QStringLiteral("Ugyldige kurvenumre til --intersect");
                return false;
            }
        } else if (navn == u"--json" && !harVaerdi) {
            ud.json = true;
        } else if (navn == u"--out") {
            if (!tag()) return false;
            ud.ud = vaerdi;
        } else {
            fejl = QStringLiteral("Ukendt argument \"%1\"").arg(args.at(i));
            return false;
        }
    }
    if (ud.skaering1 > ud.kurver.size() || ud.skaering2 > ud.kurver.size()) {
        fejl = QStringLiteral("--intersect: der er kun %1 kurver").arg(ud.kurver.size());
        return false;
    }
    if (!ud.hjaelp && ud.ud.isEmpty() && ud.skaering1 == 0) {
        fejl = QStringLiteral("--out mangler");
        return false;
    }
    return true;
}

void opsaet(TFunktioner& g, const TGrafArgumenter& a, QStringList& afviste, QList<int>* indeks) {
    saetGraf(g, TGrafOptioner());
    g.setStoerrelse(a.stoerrelse.width(), a.stoerrelse.height());
    g.setPixelEnhed(a.enhed);
    g.setMedFelter(a.gitter);
    g.setKoordinatsystem(a.akser);
    for (const TGrafKurve& k : a.kurver) {
        const QString t = k.kind == u'3' ? g.NyGraf3(k.a, k.b, k.c, k.d, true)
                                         : g.NyGraf(k.a, k.b, k.c, k.kind, true);
        if (indeks) {
            // A curve given twice is one row on the canvas.
            int i = -1;
            for (int j = 0; j < g.Antal() && i < 0 && !t.isEmpty(); ++j)
                if (g.Lin().at(j).formel == t) i = j;
            indeks->append(i);
        }
        if (t.isEmpty())
            afviste
                << QStringLiteral("Kurven \"%1\" kan ikke tegnes og er sprunget over").arg(k.tekst);
    }
}

} // namespace grafvaerktoej
