#include "formula/programvaerktoej.h"

#include "calc/hukommelse.h"
#include "calc/metaliste.h"
#include "calc/regner.h"
#include "common/beskeder.h"
#include "common/fejl.h"
#include "common/taltekst.h"
#include "formula/formelprogram.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <optional>

namespace {


TFormelVaerktoej::Resultat forkert(const QString& besked) {
    TFormelVaerktoej::Resultat r;
    r.exitKode = 2;
    r.fejlUd = QStringLiteral("tavlix-formel: ") + besked + u'\n' + TProgramVaerktoej::brug();
    return r;
}

QJsonArray somArray(const QStringList& l) {
    QJsonArray a;
    for (const QString& s : l)
        a.append(s);
    return a;
}

// Types a value as number text: digits, one comma or point, a leading "-"
// as the sign key after the digits.
void tastVaerdi(TRegner& regner, const QString& v) {
    const bool negativ = v.startsWith(u'-');
    for (QChar c : QStringView(v).mid(negativ ? 1 : 0))
        regner.FormKeyPress(c);
    if (negativ) regner.FormKeyPress(u'f');
}

} // namespace

bool TProgramVaerktoej::gaelder(const QStringList& argumenter) {
    for (const QString& a : argumenter) {
        if (a == QLatin1String("--")) return false;
        if (a == QLatin1String("--program") || a.startsWith(QLatin1String("--program=")))
            return true;
    }
    return false;
}

QString TProgramVaerktoej::brug() {
    return QStringLiteral(
        "Brug: tavlix-formel --program FIL [--input V]... [--decimals N] [--angle U] [--json]\n"
        "Kører formelprogrammet FIL som formelsidens \"Udfør\" og svarer på hver forespørgsel\n"
        "med den næste --input-værdi (tastet som tal, derefter Enter; \"\" trykker kun Enter).\n"
        "Skriver beregningslistens linjer, én pr. linje, eller med --json ét JSON-objekt.\n"
        "Afslutningskode: 0 når programmet sluttede, 3 når det ventede på en værdi uden\n"
        "--input, 1 når filen ikke kan læses, 2 ved forkerte valg.\n");
}

TFormelVaerktoej::Resultat TProgramVaerktoej::koer(const QStringList& argumenter) {
    QString fil;
    QStringList input;
    bool json = false;
    QString vinkel;
    std::optional<int> decimaler;
    static const QRegularExpression talform(QStringLiteral("^-?[0-9]*([.,][0-9]*)?$"));
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
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            TFormelVaerktoej::Resultat r;
            r.ud = brug();
            return r;
        } else if (a == QLatin1String("--program") || a.startsWith(QLatin1String("--program="))) {
            if (!vaerdi(QStringLiteral("--program"), x) || x.isEmpty())
                return forkert(QStringLiteral("--program kræver en FIL"));
            if (!fil.isEmpty()) return forkert(QStringLiteral("kun én --program"));
            fil = x;
        } else if (a == QLatin1String("--input") || a.startsWith(QLatin1String("--input="))) {
            if (!vaerdi(QStringLiteral("--input"), x))
                return forkert(QStringLiteral("--input kræver en værdi"));
            if (!talform.match(x).hasMatch() || x == QLatin1String("-"))
                return forkert(QStringLiteral("--input skal være et tal: ") + x);
            input << x;
        } else if (a == QLatin1String("--angle") || a.startsWith(QLatin1String("--angle="))) {
            if (!vaerdi(QStringLiteral("--angle"), x) ||
                !(x == QLatin1String("deg") || x == QLatin1String("rad") ||
                  x == QLatin1String("grad")))
                return forkert(QStringLiteral("--angle kræver deg, rad eller grad"));
            vinkel = x;
        } else if (a == QLatin1String("--decimals") || a.startsWith(QLatin1String("--decimals="))) {
            bool ok = false;
            const int d = vaerdi(QStringLiteral("--decimals"), x) ? x.toInt(&ok) : 0;
            if (!ok || d < -1 || d > 4)
                return forkert(QStringLiteral("--decimals kræver et tal fra -1 til 4"));
            decimaler = d;
        } else {
            return forkert(QStringLiteral("ukendt valg sammen med --program: ") + a);
        }
    }

    TFormelVaerktoej::Resultat r;
    QStringList linjer;
    try {
        linjer = formelfil::laesFil(fil);
    } catch (const TFejl& e) {
        r.exitKode = 1;
        r.fejlUd = e.tekst() + u'\n';
        return r;
    }

    OpsamledeBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner(beskeder, meta, huk);
    TFormelProgram program(regner, meta, beskeder, QString());
    if (vinkel == QLatin1String("rad"))
        regner.gradRadianerClick();
    else if (vinkel == QLatin1String("grad"))
        regner.gradNygraderClick();
    if (decimaler) regner.disDecimalerChange(*decimaler + 1);

    program.setFormelMemoTekst(linjer.join(u'\n'));
    qsizetype naeste = 0;
    try {
        program.formelBeregnClick();
        while (regner.PformelOn() && naeste < input.size()) {
            tastVaerdi(regner, input[naeste++]);
            regner.FormKeyPress(QChar(13));
        }
    } catch (const TFejl& e) {
        // As the window's event boundary: the error ends that step.
        beskeder.fejl(e.tekst());
    }
    const bool venter = regner.PformelOn();
    r.exitKode = venter ? 3 : 0;

    if (json) {
        QJsonObject o;
        o.insert(QStringLiteral("display"), regner.displayTekst());
        o.insert(QStringLiteral("operator"), regner.operatorTekst());
        o.insert(QStringLiteral("list"), somArray(meta.linjer));
        o.insert(QStringLiteral("messages"), somArray(beskeder.tekster));
        o.insert(QStringLiteral("status"), beskeder.status);
        o.insert(QStringLiteral("waiting"), venter);
        o.insert(QStringLiteral("inputsUsed"), static_cast<int>(naeste));
        o.insert(QStringLiteral("memory"), tal::generel(huk.Hval));
        r.ud = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
    } else {
        for (const QString& l : meta.linjer)
            r.ud += l + u'\n';
        for (const QString& b : beskeder.tekster)
            r.fejlUd += b + u'\n';
        if (!beskeder.status.isEmpty()) r.fejlUd += beskeder.status + u'\n';
        if (venter) r.fejlUd += QStringLiteral("Programmet venter på en værdi.\n");
    }
    return r;
}
