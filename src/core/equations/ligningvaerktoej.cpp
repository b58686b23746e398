#include "core/equations/ligningvaerktoej.h"

#include "core/calc/hukommelse.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/equations/andengrads.h"
#include "core/equations/ligninger.h"
#include "core/equations/statistik.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray somArray(const QStringList& l) {
    QJsonArray a;
    for (const QString& s : l)
        a.append(s);
    return a;
}

// The calculator around a page: its list, memory and messages.
struct Omgivelser {
    OpsamledeBeskeder beskeder;
    TMetaListe meta;
    THukommelse huk;
    TRegner regner{beskeder, meta, huk};
};

// Runs a handler as the window's event boundary does: an error ends it with
// its message.
template <typename F> void vedGraensen(OpsamledeBeskeder& beskeder, F&& handling) {
    try {
        handling();
    } catch (const TFejl& f) {
        beskeder.fejl(f.tekst());
    }
}

TLigningVaerktoej::Resultat udskriv(const vaerktoej::Kald& k, const Omgivelser& o,
                                    const QJsonObject& felter) {
    QJsonObject f = felter;
    f.insert(QStringLiteral("list"), somArray(o.meta.linjer));
    QStringList tekster = o.beskeder.tekster;
    // Without any line the status line tells why ("Ugyldige data").
    const QString status = felter.value(QStringLiteral("status")).toString().trimmed();
    if (o.meta.linjer.isEmpty() && !status.isEmpty() && !k.json) tekster << status;
    const bool loest = !o.meta.linjer.isEmpty() && o.beskeder.tekster.isEmpty();
    return vaerktoej::afslut(k, loest ? vaerktoej::Resultat : vaerktoej::Besked, f, o.meta.linjer,
                             tekster);
}

} // namespace

TLigningVaerktoej::Resultat TLigningVaerktoej::andengrads(const vaerktoej::Kald& k) {
    const QStringList& v = k.vaerdier;
    Omgivelser o;
    TAndengrads al(o.beskeder, o.regner, o.meta, o.huk);
    vedGraensen(o.beskeder, [&] {
        al.setAndengradsA(v[0]);
        al.setAndengradsB(v[1]);
        al.setAndengradsC(v[2]);
        al.andengradsBeregnClick();
    });
    QJsonObject f;
    f.insert(QStringLiteral("status"), al.andengradsStatus());
    f.insert(QStringLiteral("discriminant"), al.andengradsD());
    f.insert(QStringLiteral("x1"), al.andengradsX1());
    f.insert(QStringLiteral("x2"), al.andengradsX2());
    return udskriv(k, o, f);
}

TLigningVaerktoej::Resultat TLigningVaerktoej::ligninger(const vaerktoej::Kald& k) {
    const QStringList& v = k.vaerdier;
    const QString former = QStringLiteral("+*/");
    Omgivelser o;
    TLigninger lig(o.beskeder, o.regner, o.meta, o.huk);
    vedGraensen(o.beskeder, [&] {
        lig.ligninger1Click(static_cast<int>(former.indexOf(v[0])));
        lig.ligninger2Click(static_cast<int>(former.indexOf(v[4])));
        const int felt[] = {1, 2, 3, 5, 6, 7};
        for (int b = TLigninger::L1a; b <= TLigninger::L2c; ++b)
            lig.setBoks(static_cast<TLigninger::Boks>(b), v[felt[b]]);
        lig.ligningerBeregnClick();
    });
    QJsonObject f;
    f.insert(QStringLiteral("status"), lig.ligningerStatus());
    f.insert(QStringLiteral("x1"), lig.ligningX1());
    f.insert(QStringLiteral("y1"), lig.ligningY1());
    f.insert(QStringLiteral("x2"), lig.ligningX2());
    f.insert(QStringLiteral("y2"), lig.ligningY2());
    return udskriv(k, o, f);
}

TLigningVaerktoej::Resultat TLigningVaerktoej::statistik(const vaerktoej::Kald& k) {
    Omgivelser o;
    TStatistik st(o.beskeder, o.regner, o.meta, o.huk);
    QString resultat[3];
    vedGraensen(o.beskeder, [&] {
        for (const QString& tekst : k.vaerdier) {
            st.setStatistikValue(tekst);
            st.statistikInsertClick();
        }
        st.setStatistikKvadrater(k.har(QStringLiteral("--squares")));
        st.setStatistikN(k.har(QStringLiteral("--population")));
        // Each result as the box shows it right after its button.
        st.statistikSumClick();
        resultat[0] = st.statistikDisplay();
        st.statistikGennemsnitClick();
        resultat[1] = st.statistikDisplay();
        st.statistikAfvigelseClick();
        resultat[2] = st.statistikDisplay();
    });
    QJsonObject f;
    f.insert(QStringLiteral("n"), st.Nant);
    f.insert(QStringLiteral("sum"), resultat[0]);
    f.insert(QStringLiteral("mean"), resultat[1]);
    f.insert(QStringLiteral("deviation"), resultat[2]);
    f.insert(QStringLiteral("status"), o.beskeder.status);
    QStringList linjer{st.statistikNantal()};
    const char* knapper[] = {"Sum", "Gennemsnit", "Standardafvigelse"};
    for (int i = 0; i < 3; ++i)
        linjer << QString::fromLatin1(knapper[i]) + u':' +
                      (resultat[i].isEmpty() ? QString() : u' ' + resultat[i]);
    QStringList tekster = o.beskeder.tekster;
    const bool regnet = tekster.isEmpty() && o.beskeder.status.isEmpty();
    if (!k.json && !o.beskeder.status.isEmpty()) tekster << o.beskeder.status;
    return vaerktoej::afslut(k, regnet ? vaerktoej::Resultat : vaerktoej::Besked, f, linjer,
                             tekster);
}

// The rows of the front end's table for the equation and statistics pages.
QList<vaerktoej::Tilstand> TLigningVaerktoej::tilstande() {
    return {
        {QStringLiteral("--quadratic"),
         QStringLiteral("A B C"),
         QStringLiteral("løser Ax^2 + Bx + C = 0 som siden \"Andengradsligning\""),
         {vaerktoej::Art::Tal},
         3,
         3,
         {},
         TLigningVaerktoej::andengrads},
        {QStringLiteral("--equations"),
         QStringLiteral("F1 A1 B1 C1 F2 A2 B2 C2"),
         QStringLiteral("løser to ligninger som siden \"To ligninger med to ubekendte\" "
                        "(F: + * /)"),
         {vaerktoej::Art::Form, vaerktoej::Art::Tal, vaerktoej::Art::Tal, vaerktoej::Art::Tal,
          vaerktoej::Art::Form, vaerktoej::Art::Tal, vaerktoej::Art::Tal, vaerktoej::Art::Tal},
         8,
         8,
         {},
         TLigningVaerktoej::ligninger},
        {QStringLiteral("--statistics"),
         QStringLiteral("V..."),
         QStringLiteral("sum, gennemsnit og standardafvigelse som siden \"Statistik\""),
         {vaerktoej::Art::Tal},
         0,
         1 << 30,
         {{QStringLiteral("--squares"), QString(),
           QStringLiteral("\"Kvadrater\": sum og gennemsnit af kvadraterne")},
          {QStringLiteral("--population"), QString(),
           QStringLiteral("\"n modsat n-1\": standardafvigelse med n")}},
         TLigningVaerktoej::statistik},
    };
}
