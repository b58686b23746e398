#include "formelvaerktoej.h"

#include "calc/hukommelse.h"
#include "calc/metaliste.h"
#include "calc/regner.h"
#include "common/beskeder.h"
#include "common/fejl.h"
#include "common/taltekst.h"
#include "formula/programvaerktoej.h"
#include "formula/udtryk.h"
#include "other/andetvaerktoej.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

namespace {

struct Valg {
    bool json = false;
    bool taster = false;
    bool io = false;
    bool udenListe = false;
    QString vinkel;
    std::optional<int> decimaler;
    std::optional<QString> tekst;
    bool hjaelp = false;
};

TFormelVaerktoej::Resultat fejl(const QString& besked) {
    TFormelVaerktoej::Resultat r;
    r.exitKode = 2;
    r.fejlUd = QStringLiteral("tavlix-formel: ") + besked + u'\n' + TFormelVaerktoej::brug();
    return r;
}

QJsonArray somArray(const QStringList& l) {
    QJsonArray a;
    for (const QString& s : l)
        a.append(s);
    return a;
}

} // namespace

QString TFormelVaerktoej::brug() {
    return QStringLiteral(
        "Brug: tavlix-formel [valg] TEKST\n"
        "      tavlix-formel [valg] --formula=TEKST\n"
        "      tavlix-formel [valg] -- TEKST     (TEKST der begynder med \"-\")\n"
        "      tavlix-formel [valg] < fil        (TEKST fra standard input)\n"
        "Beregner TEKST i formelsproget som udtryksvinduets \"Beregn\" og skriver displayet.\n"
        "Valg:\n"
        "  --keys               tryk hvert tegn som en tast, ét ad gangen (\"=\" er =-tasten)\n"
        "  --keys=TEKST         det samme med TEKST\n"
        "  --angle deg|rad|grad vinkelenhed (standard deg)\n"
        "  --decimals N         decimaler: -1 (automatisk, standard) eller 0..4\n"
        "  --io                 beregningslisten i input/output-form\n"
        "  --no-list            ingen beregningsliste\n"
        "  --json               ét JSON-objekt: display, operator, expression, formula,\n"
        "                       list, messages, memory, memoryList\n"
        "  -h, --help           denne tekst\n"
        "  --quadratic | --equations | --statistics ...\n"
        "                       ligningssiderne og statistik (--quadratic --help)\n"
        "Formelprogrammer: tavlix-formel --program FIL [--input V]... (--program FIL --help)\n"
        "Afslutningskode: 0 når beregningen kørte, 2 ved forkerte valg.\n") +
           TAndetVaerktoej::brug();
}

TFormelVaerktoej::Resultat TFormelVaerktoej::koer(const QStringList& argumenter,
                                                  const std::function<QString()>& laesInput) {
    if (TProgramVaerktoej::gaelder(argumenter)) return TProgramVaerktoej::koer(argumenter);
    if (auto andet = TAndetVaerktoej::koer(argumenter)) return *andet;
    Valg v;
    bool efterStreger = false;
    auto saetTekst = [&v](const QString& t) {
        if (v.tekst) return false;
        v.tekst = t;
        return true;
    };
    for (qsizetype i = 0; i < argumenter.size(); ++i) {
        const QString& a = argumenter[i];
        auto vaerdi = [&](const QString& navn, QString& ud) {
            if (a.startsWith(navn + u'=')) {
                ud = a.mid(navn.size() + 1);
                return true;
            }
            if (a == navn && i + 1 < argumenter.size()) {
                ud = argumenter[++i];
                return true;
            }
            return false;
        };
        QString x;
        if (efterStreger) {
            if (!saetTekst(a)) return fejl(QStringLiteral("kun én TEKST"));
        } else if (a == QLatin1String("--")) {
            efterStreger = true;
        } else if (a == QLatin1String("--json")) {
            v.json = true;
        } else if (a == QLatin1String("--io")) {
            v.io = true;
        } else if (a == QLatin1String("--no-list")) {
            v.udenListe = true;
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            v.hjaelp = true;
        } else if (a == QLatin1String("--keys")) {
            v.taster = true;
        } else if (a.startsWith(QLatin1String("--keys="))) {
            v.taster = true;
            if (!saetTekst(a.mid(7))) return fejl(QStringLiteral("kun én TEKST"));
        } else if (a.startsWith(QLatin1String("--formula"))) {
            if (!vaerdi(QStringLiteral("--formula"), x))
                return fejl(QStringLiteral("--formula kræver en TEKST"));
            if (!saetTekst(x)) return fejl(QStringLiteral("kun én TEKST"));
        } else if (a.startsWith(QLatin1String("--angle"))) {
            if (!vaerdi(QStringLiteral("--angle"), x) ||
                !(x == QLatin1String("deg") || x == QLatin1String("rad") ||
                  x == QLatin1String("grad")))
                return fejl(QStringLiteral("--angle kræver deg, rad eller grad"));
            v.vinkel = x;
        } else if (a.startsWith(QLatin1String("--decimals"))) {
            bool ok = false;
            const int d = vaerdi(QStringLiteral("--decimals"), x) ? x.toInt(&ok) : 0;
            if (!ok || d < -1 || d > 4)
                return fejl(QStringLiteral("--decimals kræver et tal fra -1 til 4"));
            v.decimaler = d;
        } else if (a.startsWith(u'-') && a.size() > 1) {
            return fejl(QStringLiteral("ukendt valg: ") + a);
        } else if (!saetTekst(a)) {
            return fejl(QStringLiteral("kun én TEKST"));
        }
    }
    Resultat r;
    if (v.hjaelp) {
        r.ud = brug();
        return r;
    }
    QString tekst;
    if (v.tekst) {
        tekst = *v.tekst;
    } else {
        tekst = laesInput ? laesInput() : QString();
        if (v.taster) {
            // The line break that ends the input is not a key.
            if (tekst.endsWith(u'\n')) tekst.chop(1);
            if (tekst.endsWith(u'\r')) tekst.chop(1);
        }
    }

    OpsamledeBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner(beskeder, meta, huk);
    TUdtryk udtryk(regner, meta);
    if (v.vinkel == QLatin1String("rad"))
        regner.gradRadianerClick();
    else if (v.vinkel == QLatin1String("grad"))
        regner.gradNygraderClick();
    if (v.decimaler) regner.disDecimalerChange(*v.decimaler + 1);
    if (v.io) regner.metaIndUdClick(true);
    if (v.udenListe) regner.metaAktivClick(false);

    if (v.taster) {
        // As typing: an error ends that key only, and the next key goes on.
        for (const QChar c : tekst) {
            try {
                regner.FormKeyPress(c);
            } catch (const TFejl& e) {
                beskeder.fejl(e.tekst());
            }
        }
    } else {
        try {
            udtryk.setUMemo(tekst);
            udtryk.aBeregn();
        } catch (const TFejl& e) {
            beskeder.fejl(e.tekst());
        }
    }

    if (v.json) {
        QJsonObject o;
        o.insert(QStringLiteral("display"), regner.displayTekst());
        o.insert(QStringLiteral("operator"), regner.operatorTekst());
        o.insert(QStringLiteral("expression"), regner.udText());
        o.insert(QStringLiteral("formula"), regner.formelString());
        o.insert(QStringLiteral("list"), somArray(meta.linjer));
        o.insert(QStringLiteral("messages"), somArray(beskeder.tekster));
        o.insert(QStringLiteral("memory"), tal::generel(huk.Hval));
        o.insert(QStringLiteral("memoryList"), somArray(huk.captions()));
        r.ud = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
    } else {
        r.ud = regner.displayTekst() + u'\n';
        for (const QString& b : beskeder.tekster)
            r.fejlUd += b + u'\n';
    }
    return r;
}
