#include "equations/ligningvaerktoej.h"

#include "calc/hukommelse.h"
#include "calc/metaliste.h"
#include "calc/regner.h"
#include "common/beskeder.h"
#include "common/fejl.h"
#include "equations/andengrads.h"
#include "equations/ligninger.h"
#include "equations/statistik.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {


// The calculator around a page: its list, memory and messages.
struct Omgivelser {
    OpsamledeBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
};

enum class Tilstand { Ingen, Andengrads, Ligninger, Statistik };

struct Valg {
    Tilstand tilstand = Tilstand::Ingen;
    bool json = false;
    bool kvadrater = false;
    bool population = false;
    bool hjaelp = false;
    QStringList vaerdier;
};

TLigningVaerktoej::Resultat brugsfejl(const QString& besked) {
    TLigningVaerktoej::Resultat r;
    r.exitKode = 2;
    r.fejlUd = QStringLiteral("tavlix-formel: ") + besked + u'\n' + TLigningVaerktoej::brug();
    return r;
}

QJsonArray somArray(const QStringList& l) {
    QJsonArray a;
    for (const QString& s : l)
        a.append(s);
    return a;
}

// A value that starts with "-" and goes on with a digit or a separator is a
// number, not an option ("-3", "-,5").
bool erNegativtTal(const QString& a) {
    return a.size() > 1 && a[0] == u'-' && (a[1].isDigit() || a[1] == u',' || a[1] == u'.');
}

Tilstand tilstandAf(const QString& a) {
    if (a == QLatin1String("--quadratic")) return Tilstand::Andengrads;
    if (a == QLatin1String("--equations")) return Tilstand::Ligninger;
    if (a == QLatin1String("--statistics")) return Tilstand::Statistik;
    return Tilstand::Ingen;
}

QString json(const QJsonObject& o) {
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

// Runs a handler as the window's event boundary does: an error ends it with
// its message.
template <typename F> void vedGraensen(OpsamledeBeskeder& beskeder, F&& handling) {
    try {
        handling();
    } catch (const TFejl& f) {
        beskeder.fejl(f.tekst());
    }
}

TLigningVaerktoej::Resultat udskriv(const Valg& v, const Omgivelser& o, QJsonObject felter) {
    TLigningVaerktoej::Resultat r;
    if (v.json) {
        felter.insert(QStringLiteral("list"), somArray(o.meta.linjer));
        felter.insert(QStringLiteral("messages"), somArray(o.beskeder.tekster));
        r.ud = json(felter);
        return r;
    }
    for (const QString& l : o.meta.linjer)
        r.ud += l + u'\n';
    for (const QString& b : o.beskeder.tekster)
        r.fejlUd += b + u'\n';
    // Without any line the status line tells why ("Ugyldige data").
    const QString status = felter.value(QStringLiteral("status")).toString().trimmed();
    if (o.meta.linjer.isEmpty() && !status.isEmpty()) r.fejlUd += status + u'\n';
    return r;
}

TLigningVaerktoej::Resultat andengrads(const Valg& v) {
    if (v.vaerdier.size() != 3) return brugsfejl(QStringLiteral("--quadratic kræver A B C"));
    Omgivelser o;
    TAndengrads al(o.beskeder, o.regner, o.meta, o.huk);
    vedGraensen(o.beskeder, [&] {
        al.setAndengradsA(v.vaerdier[0]);
        al.setAndengradsB(v.vaerdier[1]);
        al.setAndengradsC(v.vaerdier[2]);
        al.andengradsBeregnClick();
    });
    QJsonObject f;
    f.insert(QStringLiteral("status"), al.andengradsStatus());
    f.insert(QStringLiteral("discriminant"), al.andengradsD());
    f.insert(QStringLiteral("x1"), al.andengradsX1());
    f.insert(QStringLiteral("x2"), al.andengradsX2());
    return udskriv(v, o, f);
}

TLigningVaerktoej::Resultat ligninger(const Valg& v) {
    const QString former = QStringLiteral("+*/");
    if (v.vaerdier.size() != 8 || v.vaerdier[0].size() != 1 || v.vaerdier[4].size() != 1 ||
        !former.contains(v.vaerdier[0]) || !former.contains(v.vaerdier[4]))
        return brugsfejl(
            QStringLiteral("--equations kræver F1 A1 B1 C1 F2 A2 B2 C2, hvor F er +, * eller /"));
    Omgivelser o;
    TLigninger lig(o.beskeder, o.regner, o.meta, o.huk);
    vedGraensen(o.beskeder, [&] {
        lig.ligninger1Click(static_cast<int>(former.indexOf(v.vaerdier[0])));
        lig.ligninger2Click(static_cast<int>(former.indexOf(v.vaerdier[4])));
        const int felt[] = {1, 2, 3, 5, 6, 7};
        for (int b = TLigninger::L1a; b <= TLigninger::L2c; ++b)
            lig.setBoks(static_cast<TLigninger::Boks>(b), v.vaerdier[felt[b]]);
        lig.ligningerBeregnClick();
    });
    QJsonObject f;
    f.insert(QStringLiteral("status"), lig.ligningerStatus());
    f.insert(QStringLiteral("x1"), lig.ligningX1());
    f.insert(QStringLiteral("y1"), lig.ligningY1());
    f.insert(QStringLiteral("x2"), lig.ligningX2());
    f.insert(QStringLiteral("y2"), lig.ligningY2());
    return udskriv(v, o, f);
}

TLigningVaerktoej::Resultat statistik(const Valg& v) {
    Omgivelser o;
    TStatistik st(o.beskeder, o.regner, o.meta, o.huk);
    QString resultat[3];
    vedGraensen(o.beskeder, [&] {
        for (const QString& tekst : v.vaerdier) {
            st.setStatistikValue(tekst);
            st.statistikInsertClick();
        }
        st.setStatistikKvadrater(v.kvadrater);
        st.setStatistikN(v.population);
        // Each result as the box shows it right after its button.
        st.statistikSumClick();
        resultat[0] = st.statistikDisplay();
        st.statistikGennemsnitClick();
        resultat[1] = st.statistikDisplay();
        st.statistikAfvigelseClick();
        resultat[2] = st.statistikDisplay();
    });
    TLigningVaerktoej::Resultat r;
    if (v.json) {
        QJsonObject f;
        f.insert(QStringLiteral("n"), st.Nant);
        f.insert(QStringLiteral("sum"), resultat[0]);
        f.insert(QStringLiteral("mean"), resultat[1]);
        f.insert(QStringLiteral("deviation"), resultat[2]);
        f.insert(QStringLiteral("status"), o.beskeder.status);
        r.ud = json(f);
        return r;
    }
    r.ud = st.statistikNantal() + u'\n';
    const char* knapper[] = {"Sum", "Gennemsnit", "Standardafvigelse"};
    for (int i = 0; i < 3; ++i)
        r.ud += QString::fromLatin1(knapper[i]) + u':' +
                (resultat[i].isEmpty() ? QString() : u' ' + resultat[i]) + u'\n';
    for (const QString& b : o.beskeder.tekster)
        r.fejlUd += b + u'\n';
    if (!o.beskeder.status.isEmpty()) r.fejlUd += o.beskeder.status + u'\n';
    return r;
}

} // namespace

bool TLigningVaerktoej::erTilstand(const QStringList& argumenter) {
    for (const QString& a : argumenter) {
        if (a == QLatin1String("--")) return false;
        if (tilstandAf(a) != Tilstand::Ingen) return true;
    }
    return false;
}

QString TLigningVaerktoej::brug() {
    return QStringLiteral(
        "Brug: tavlix-formel [--json] --quadratic A B C\n"
        "      tavlix-formel [--json] --equations F1 A1 B1 C1 F2 A2 B2 C2   (F: + * /)\n"
        "      tavlix-formel [--json] --statistics [--squares] [--population] V...\n"
        "Løser som siderne \"Andengradsligning\" og \"To ligninger med to ubekendte\" og\n"
        "regner som siden \"Statistik\". Tallene læses som boksene læser dem (\"2,5\",\n"
        "\"2.5\", \"1E-5\"); brug -- foran værdier der begynder med \"-\".\n"
        "  --squares      \"Kvadrater\": sum og gennemsnit af kvadraterne\n"
        "  --population   \"n modsat n-1\": standardafvigelse med n\n"
        "  --json         ét JSON-objekt\n"
        "Afslutningskode: 0 når siden regnede, 2 ved forkerte valg.\n");
}

TLigningVaerktoej::Resultat TLigningVaerktoej::koer(const QStringList& argumenter) {
    Valg v;
    bool efterStreger = false;
    for (const QString& a : argumenter) {
        const Tilstand t = efterStreger ? Tilstand::Ingen : tilstandAf(a);
        if (efterStreger || erNegativtTal(a) || !a.startsWith(u'-')) {
            v.vaerdier << a;
        } else if (a == QLatin1String("--")) {
            efterStreger = true;
        } else if (t != Tilstand::Ingen) {
            if (v.tilstand != Tilstand::Ingen && v.tilstand != t)
                return brugsfejl(
                    QStringLiteral("kun én af --quadratic, --equations, --statistics"));
            v.tilstand = t;
        } else if (a == QLatin1String("--json")) {
            v.json = true;
        } else if (a == QLatin1String("--squares")) {
            v.kvadrater = true;
        } else if (a == QLatin1String("--population")) {
            v.population = true;
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            v.hjaelp = true;
        } else {
            return brugsfejl(QStringLiteral("ukendt valg: ") + a);
        }
    }
    if (v.hjaelp) {
        Resultat r;
        r.ud = brug();
        return r;
    }
    if ((v.kvadrater || v.population) && v.tilstand != Tilstand::Statistik)
        return brugsfejl(QStringLiteral("--squares og --population hører til --statistics"));
    switch (v.tilstand) {
    case Tilstand::Andengrads:
        return andengrads(v);
    case Tilstand::Ligninger:
        return ligninger(v);
    case Tilstand::Statistik:
        return statistik(v);
    case Tilstand::Ingen:
        break;
    }
    return brugsfejl(QStringLiteral("ingen tilstand"));
}
