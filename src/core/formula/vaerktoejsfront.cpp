#include "core/formula/vaerktoejsfront.h"

#include "core/common/fejl.h"
#include "core/common/taltekst.h"
#include "core/formula/formelvaerktoej.h"
#include "core/formula/programvaerktoej.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>

#include <algorithm>

namespace vaerktoej {

namespace {

const Valg vinkel{QStringLiteral("--angle"), QStringLiteral("deg|rad|grad"),
                  QStringLiteral("vinkelenhed (standard deg)")};
const Valg decimaler{QStringLiteral("--decimals"), QStringLiteral("N"),
                     QStringLiteral("decimaler: -1 (automatisk, standard) eller 0..4"), false,
                     Art::Heltal};

// The formula language's own modes first; the other subsystems add theirs
// (tilfoejTilstande) after them.
QList<Tilstand>& tabel() {
    static QList<Tilstand> t = {
        {QString(),
         QStringLiteral("[TEKST]"),
         QStringLiteral("beregner TEKST i formelsproget som udtryksvinduets \"Beregn\" og skriver "
                        "displayet (uden TEKST: standard input)"),
         {Art::Tekst},
         0,
         1,
         {{QStringLiteral("--keys"), QStringLiteral("TEKST"),
           QStringLiteral("tryk hvert tegn som en tast, ét ad gangen (\"=\" er =-tasten)"), true},
          {QStringLiteral("--formula"), QStringLiteral("TEKST"),
           QStringLiteral("TEKST som værdi (også når den begynder med \"-\")")},
          vinkel,
          decimaler,
          {QStringLiteral("--io"), QString(),
           QStringLiteral("beregningslisten i input/output-form")},
          {QStringLiteral("--no-list"), QString(), QStringLiteral("ingen beregningsliste")}},
         TFormelVaerktoej::koerTekst},
        {QStringLiteral("--program"),
         QStringLiteral("FIL"),
         QStringLiteral("kører formelprogrammet FIL som formelsidens \"Udfør\"; hver forespørgsel "
                        "får den næste --input-værdi"),
         {Art::Tekst},
         1,
         1,
         {{QStringLiteral("--input"), QStringLiteral("V"),
           QStringLiteral("en værdi til programmet (gentages; \"\" trykker kun Enter)"), false,
           Art::Tal},
          vinkel,
          decimaler},
         TProgramVaerktoej::koer},
    };
    return t;
}

const Tilstand* findTilstand(const QString& navn) {
    for (const Tilstand& t : tabel())
        if (!t.navn.isEmpty() && t.navn == navn) return &t;
    return nullptr;
}

QString brugslinje(const Tilstand& t) {
    QString l = QStringLiteral("tavlix-formel [valg] ");
    if (!t.navn.isEmpty()) l += t.navn + u' ';
    return l + t.vaerdier;
}

QString valgLinje(const Valg& v) {
    QString n = v.navn;
    if (!v.vaerdiNavn.isEmpty())
        n += (v.valgfriVaerdi ? QStringLiteral("[=") : QStringLiteral(" ")) + v.vaerdiNavn +
             (v.valgfriVaerdi ? QStringLiteral("]") : QString());
    return QStringLiteral("  %1  %2\n").arg(n, -22).arg(v.hjaelp);
}

const QString faellesValg =
    QStringLiteral("  --json                  resultatet som ét JSON-objekt på én linje\n"
                   "  -h, --help              brugsteksten (for en tilstand: tilstand --help)\n"
                   "  --                      resten er værdier, også når de begynder med \"-\"\n");

const QString afslutningskoder = QStringLiteral(
    "Tal skrives med komma eller punktum (\"2,5\" eller \"2.5\"); negative tal kræver ikke --.\n"
    "Afslutningskode: 0 resultat, 1 programmets besked standsede kørslen, 2 forkert brug,\n"
    "3 programmet venter på en værdi.\n");

TVaerktoejsResultat brugsfejl(const QString& besked, const Tilstand* t) {
    TVaerktoejsResultat r;
    r.exitKode = Brugsfejl;
    r.fejlUd = QStringLiteral("tavlix-formel: ") + besked + u'\n';
    if (t) r.fejlUd += QStringLiteral("Brug: ") + brugslinje(*t) + u'\n';
    r.fejlUd += QStringLiteral("Se tavlix-formel --help\n");
    return r;
}

// A value that starts with "-" is a value, not an option, when it is a
// number ("-3", "-,5", "-1e3").
bool erNegativtTal(const QString& a) {
    return a.size() > 1 && a[0] == u'-' && laesTal(a);
}

bool erDato(const QString& a) {
    static const QRegularExpression form(
        QStringLiteral("^[0-9]{1,4}([-.])[0-9]{1,4}\\1[0-9]{1,4}$"));
    return form.match(a).hasMatch();
}

// Checks value `v` (number `nr` of the mode, from 1) against its kind and
// gives it as the mode wants it.
bool tjek(Art art, const QString& v, QString& ud, QString& fejl, const QString& hvad) {
    switch (art) {
    case Art::Tekst:
        ud = v;
        return true;
    case Art::Tal:
        if (laesTal(v, &ud)) return true;
        fejl = QStringLiteral("%1 er ikke et tal: \"%2\"").arg(hvad, v);
        return false;
    case Art::Heltal: {
        static const QRegularExpression heltal(QStringLiteral("^[-+]?[0-9]+$"));
        if (heltal.match(v).hasMatch()) {
            ud = v;
            return true;
        }
        fejl = QStringLiteral("%1 er ikke et helt tal: \"%2\"").arg(hvad, v);
        return false;
    }
    case Art::Form:
        if (v == u"+" || v == u"*" || v == u"/") {
            ud = v;
            return true;
        }
        fejl = QStringLiteral("%1 skal være +, * eller /: \"%2\"").arg(hvad, v);
        return false;
    case Art::Dato:
        if (erDato(v)) {
            ud = QString(v).replace(u'.', u'-');
            return true;
        }
        fejl = QStringLiteral("%1 er ikke en dato (d-m-åååå): \"%2\"").arg(hvad, v);
        return false;
    }
    return false;
}

} // namespace

void tilfoejTilstande(const QList<Tilstand>& tilstande) {
    QList<Tilstand>& t = tabel();
    for (const Tilstand& ny : tilstande) {
        const auto fundet = std::find_if(t.begin(), t.end(),
                                         [&ny](const Tilstand& x) { return x.navn == ny.navn; });
        if (fundet != t.end())
            *fundet = ny;
        else
            t.append(ny);
    }
}

bool laesTal(const QString& tekst, QString* ud) {
    QString t = tekst.trimmed();
    if (t.isEmpty() || t.count(u'.') + t.count(u',') > 1) return false;
    t.replace(u'.', u',');
    try {
        const double v = tal::laes(t);
        if (!std::isfinite(v)) return false;
    } catch (const TFejl&) {
        return false;
    }
    if (ud) *ud = t;
    return true;
}

QString json(const QJsonObject& o) {
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n';
}

TVaerktoejsResultat afslut(const Kald& k, int kode, QJsonObject felter, const QStringList& linjer,
                           const QStringList& beskeder) {
    TVaerktoejsResultat r;
    r.exitKode = kode;
    if (k.json) {
        QJsonArray b;
        for (const QString& t : beskeder)
            b.append(t);
        felter.insert(QStringLiteral("messages"), b);
        r.ud = json(felter);
        return r;
    }
    for (const QString& l : linjer)
        r.ud += l + u'\n';
    for (const QString& t : beskeder)
        r.fejlUd += QString(t).replace(u'\r', u'\n') + u'\n';
    return r;
}

QString brug(const QString& tilstand) {
    if (const Tilstand* t = findTilstand(tilstand)) {
        QString s = QStringLiteral("Brug: ") + brugslinje(*t) + u'\n' + t->beskrivelse + u'\n';
        s += QStringLiteral("Valg:\n");
        for (const Valg& v : t->valg)
            s += valgLinje(v);
        return s + faellesValg + afslutningskoder;
    }
    QString s;
    for (const Tilstand& t : tabel())
        s += (s.isEmpty() ? QStringLiteral("Brug: ") : QStringLiteral("      ")) + brugslinje(t) +
             u'\n';
    s += QStringLiteral("      tavlix-formel [valg] --batch < OPGAVER\n");
    s += u'\n';
    for (const Tilstand& t : tabel())
        s += QStringLiteral("%1  %2\n")
                 .arg(t.navn.isEmpty() ? QStringLiteral("TEKST") : t.navn, -13)
                 .arg(t.beskrivelse);
    s += QStringLiteral("%1  %2\n")
             .arg(QStringLiteral("--batch"), -13)
             .arg(QStringLiteral("én opgave pr. linje fra standard input (en formel eller en "
                                 "tilstand med værdier), ét resultat pr. linje"));
    s += QStringLiteral("\nValg til formeltekst:\n");
    for (const Valg& v : tabel().first().valg)
        s += valgLinje(v);
    s += QStringLiteral("Fælles valg:\n") + faellesValg;
    s += QStringLiteral("Hver tilstands egne valg: tavlix-formel TILSTAND --help.\n");
    return s + afslutningskoder;
}

TVaerktoejsResultat koer(const QStringList& argumenter, const std::function<QString()>& laesInput) {
    // The mode: the first mode option before any "--" ("--prime=7" too).
    const Tilstand* t = &tabel().first();
    QString tilstandsVaerdi;
    bool harTilstandsVaerdi = false;
    bool batchValgt = false;
    for (const QString& a : argumenter) {
        if (a == u"--") break;
        if (a == u"--batch") batchValgt = true;
        const qsizetype lig = a.indexOf(u'=');
        const QString navn = a.startsWith(QStringLiteral("--")) && lig > 0 ? a.left(lig) : a;
        if (const Tilstand* m = findTilstand(navn)) {
            if (!t->navn.isEmpty() && t != m)
                return brugsfejl(
                    QStringLiteral("kun én tilstand ad gangen: %1 og %2").arg(t->navn, m->navn),
                    nullptr);
            t = m;
            if (lig > 0) {
                tilstandsVaerdi = a.mid(lig + 1);
                harTilstandsVaerdi = true;
            }
        }
    }

    Kald k;
    k.laesInput = laesInput;
    QStringList raa;
    if (harTilstandsVaerdi) raa << tilstandsVaerdi;
    bool efterStreger = false;
    bool hjaelp = false;
    for (qsizetype i = 0; i < argumenter.size(); ++i) {
        const QString& a = argumenter[i];
        if (efterStreger || !a.startsWith(u'-') || a == u"-" || erNegativtTal(a)) {
            raa << a;
            continue;
        }
        if (a == u"--") {
            efterStreger = true;
            continue;
        }
        const qsizetype lig = a.indexOf(u'=');
        const bool medLig = a.startsWith(QStringLiteral("--")) && lig > 0;
        const QString navn = medLig ? a.left(lig) : a;
        if (findTilstand(navn)) continue; // read above
        if (navn == u"--json" && !medLig) {
            k.json = true;
            continue;
        }
        if ((navn == u"-h" || navn == u"--help") && !medLig) {
            hjaelp = true;
            continue;
        }
        if (navn == u"--batch" && !medLig) continue;
        const auto v = std::find_if(t->valg.begin(), t->valg.end(),
                                    [&](const Valg& x) { return x.navn == navn; });
        if (v == t->valg.end())
            return brugsfejl(
                QStringLiteral("ukendt valg%1: %2")
                    .arg(t->navn.isEmpty() ? QString() : QStringLiteral(" til ") + t->navn, a),
                t);
        QString vaerdi;
        if (v->vaerdiNavn.isEmpty() || (v->valgfriVaerdi && !medLig)) {
            if (medLig && !v->valgfriVaerdi)
                return brugsfejl(QStringLiteral("%1 tager ingen værdi").arg(navn), t);
        } else if (medLig) {
            vaerdi = a.mid(lig + 1);
        } else if (i + 1 < argumenter.size()) {
            vaerdi = argumenter[++i];
        } else {
            return brugsfejl(QStringLiteral("%1 mangler en værdi (%2)").arg(navn, v->vaerdiNavn),
                             t);
        }
        if (medLig && v->valgfriVaerdi) {
            // --keys=TEXT: the flag, and TEXT as the mode's value.
            vaerdi = a.mid(lig + 1);
            raa << vaerdi;
            k.valg[navn] << QString();
            continue;
        }
        if (!v->vaerdiNavn.isEmpty() && v->art != Art::Tekst &&
            !(v->art == Art::Tal && vaerdi.isEmpty())) {
            QString ud, fejl;
            if (!tjek(v->art, vaerdi, ud, fejl, navn)) return brugsfejl(fejl, t);
            vaerdi = ud;
        }
        k.valg[navn] << vaerdi;
    }
    if (hjaelp) {
        TVaerktoejsResultat r;
        r.ud = brug(t->navn);
        return r;
    }
    if (batchValgt)
        return brugsfejl(QStringLiteral("--batch læser opgaverne fra standard input"), nullptr);
    // --formula TEXT is the formula mode's value.
    if (k.har(QStringLiteral("--formula"))) raa += k.alle(QStringLiteral("--formula"));
    const QString hvem = t->navn.isEmpty() ? QStringLiteral("TEKST") : t->navn;
    if (raa.size() < t->min || raa.size() > t->maks) {
        const QString antal = t->min == t->maks ? QString::number(t->min)
                              : t->maks > 100
                                  ? QStringLiteral("mindst %1").arg(t->min)
                                  : QStringLiteral("%1 til %2").arg(t->min).arg(t->maks);
        return brugsfejl(
            QStringLiteral("%1 kræver %2 værdi%3 (%4), fik %5")
                .arg(hvem, antal, t->maks == 1 ? QString() : QStringLiteral("er"), t->vaerdier)
                .arg(raa.size()),
            t);
    }
    for (qsizetype i = 0; i < raa.size(); ++i) {
        const Art art = t->arter.at(std::min<qsizetype>(i, t->arter.size() - 1));
        QString ud, fejl;
        if (!tjek(art, raa[i], ud, fejl, QStringLiteral("%1: værdi %2").arg(hvem).arg(i + 1)))
            return brugsfejl(fejl, t);
        k.vaerdier << ud;
    }
    return t->koer(k);
}

QStringList delLinje(const QString& linje) {
    QStringList ud;
    QString ord;
    bool iOrd = false;
    QChar citat;
    for (qsizetype i = 0; i < linje.size(); ++i) {
        const QChar c = linje[i];
        if (!citat.isNull()) {
            if (c == citat) {
                citat = QChar();
            } else if (c == u'\\' && citat == u'"' && i + 1 < linje.size()) {
                ord += linje[++i];
            } else {
                ord += c;
            }
        } else if (c == u'\'' || c == u'"') {
            citat = c;
            iOrd = true;
        } else if (c == u'\\' && i + 1 < linje.size()) {
            ord += linje[++i];
            iOrd = true;
        } else if (c.isSpace()) {
            if (iOrd) ud << ord;
            ord.clear();
            iOrd = false;
        } else {
            ord += c;
            iOrd = true;
        }
    }
    if (iOrd) ud << ord;
    return ud;
}

int batch(QIODevice& ind, const QStringList& faelles,
          const std::function<bool(const QString&)>& skriv) {
    const bool json = faelles.contains(QStringLiteral("--json"));
    int vaerst = Resultat;
    const auto ingenInput = [] { return QString(); };
    for (;;) {
        // A line holds at least its line break; nothing means the end.
        const QByteArray raaLinje = ind.readLine(1 << 20);
        if (raaLinje.isEmpty()) break;
        QString linje = QString::fromUtf8(raaLinje);
        while (linje.endsWith(u'\n') || linje.endsWith(u'\r'))
            linje.chop(1);
        const QString trimmet = linje.trimmed();
        if (trimmet.isEmpty() || trimmet.startsWith(u'#')) continue;
        // A line that starts with "-" is a mode with its arguments; any other
        // line is formula text, spaces and all.
        const QStringList opgave = trimmet.startsWith(u'-')
                                       ? faelles + delLinje(trimmet)
                                       : faelles + QStringList{QStringLiteral("--"), linje};
        TVaerktoejsResultat r;
        if (opgave.contains(QStringLiteral("--batch")))
            r = brugsfejl(QStringLiteral("--batch i en opgave"), nullptr);
        else
            r = koer(opgave, ingenInput);
        vaerst = std::max(vaerst, r.exitKode);
        QString ud;
        if (json && r.ud.startsWith(u'{')) {
            QJsonObject o = QJsonDocument::fromJson(r.ud.toUtf8()).object();
            o.insert(QStringLiteral("exitCode"), r.exitKode);
            ud = vaerktoej::json(o);
        } else if (json) {
            // A usage error has no object of its own.
            QJsonArray b;
            const QStringList fejl = r.fejlUd.split(u'\n', Qt::SkipEmptyParts);
            if (!fejl.isEmpty()) b.append(fejl.first());
            ud = vaerktoej::json(QJsonObject{{QStringLiteral("exitCode"), r.exitKode},
                                             {QStringLiteral("messages"), b}});
        } else {
            // A stop says why on standard error, or (the prime test) in its
            // output.
            const QString& tekst =
                r.exitKode == Resultat || r.fejlUd.trimmed().isEmpty() ? r.ud : r.fejlUd;
            const QStringList linjer = tekst.split(u'\n', Qt::SkipEmptyParts);
            if (r.exitKode == Resultat)
                ud = linjer.join(QStringLiteral(" | "));
            else
                ud = QStringLiteral("fejl %1: ").arg(r.exitKode) +
                     (r.exitKode == Brugsfejl ? linjer.value(0)
                                              : linjer.join(QStringLiteral(" | ")));
            ud += u'\n';
        }
        if (!skriv(ud)) return Besked;
    }
    return vaerst;
}

} // namespace vaerktoej
