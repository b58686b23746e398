#include "core/other/andetvaerktoej.h"

#include "core/calc/hukommelse.h"
#include "core/common/beskeder.h"
#include "core/common/fejl.h"
#include "core/common/programmapper.h"
#include "core/other/datoside.h"
#include "core/other/enhedsside.h"
#include "core/other/talsystemside.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using Resultat = TFormelVaerktoej::Resultat;

Resultat forkert(const QString& besked, const QString& tilstand) {
    Resultat r;
    r.exitKode = vaerktoej::Brugsfejl;
    r.fejlUd = QStringLiteral("tavlix-formel: ") + besked + u'\n' + vaerktoej::brug(tilstand);
    return r;
}

} // namespace

Resultat TAndetVaerktoej::konverter(const vaerktoej::Kald& k) {
    const QStringList& v = k.vaerdier;
    const auto forkert = [](const QString& b) { return ::forkert(b, QStringLiteral("--convert")); };
    const QString fra = v.at(1);
    const QString til = v.size() > 2 ? v.at(2) : QString();
    THukommelse huk;
    TEnhedsside side(huk);
    OpsamledeBeskeder beskeder;
    QList<QPair<QString, QString>> ud;
    bool fuldfoert = true;
    bool fundet = false;

    // A unit of the three-field converter?
    for (int g = 0; g < 2 && !fundet; ++g) {
        side.enhedsGroupClick(g);
        for (int nr = 1; nr <= 3; ++nr) {
            if (side.feltLabel[nr - 1].compare(fra, Qt::CaseInsensitive) != 0) continue;
            fundet = true;
            int kun = 0;
            if (!til.isEmpty()) {
                for (int i = 1; i <= 3; ++i)
                    if (i != nr && side.feltLabel[i - 1].compare(til, Qt::CaseInsensitive) == 0)
                        kun = i;
                if (!kun) return forkert(QStringLiteral("ukendt enhed: ") + til);
            }
            try {
                side.feltEdited(nr, v.at(0));
                side.feltGoClick(nr);
            } catch (const TFejl& f) {
                beskeder.fejl(f.tekst());
                fuldfoert = false;
            }
            for (int i = 1; i <= 3; ++i)
                if (i != nr && (!kun || i == kun) && fuldfoert)
                    ud.append({side.feltLabel[i - 1], side.felt[i - 1]});
            break;
        }
    }
    if (!fundet) {
        const auto& tabel = enhedstabel::stoerrelser();
        int q = -1, e = -1;
        for (int i = 0; i < tabel.size() && q < 0; ++i)
            for (int j = 0; j < tabel.at(i).enheder.size(); ++j)
                if (tabel.at(i).enheder.at(j).navn.compare(fra, Qt::CaseInsensitive) == 0) {
                    q = i;
                    e = j;
                    break;
                }
        if (q < 0) return forkert(QStringLiteral("ukendt enhed: ") + fra);
        const QStringList maal = tabel.at(q).maalenheder;
        int t = -1;
        for (int i = 0; i < maal.size(); ++i)
            if (maal.at(i).compare(til, Qt::CaseInsensitive) == 0) t = i;
        if (til.isEmpty() && maal.size() == 1) t = 0;
        if (t < 0)
            return forkert(QStringLiteral("vælg en af enhederne: ") +
                           maal.join(QStringLiteral(", ")));
        try {
            side.valgboxClick(q);
            side.fraboksChange(e);
            side.tilboksChange(t);
            side.fraEditEdited(v.at(0));
            ud.append({side.tilboks.at(t), side.tilEdit});
        } catch (const TFejl& f) {
            beskeder.fejl(f.tekst());
            fuldfoert = false;
        }
    }
    QStringList linjer;
    QJsonArray outputs;
    if (fuldfoert) {
        for (const auto& [enhed, tekst] : ud) {
            linjer << enhed + QStringLiteral(": ") + tekst;
            outputs.append(
                QJsonObject{{QStringLiteral("unit"), enhed}, {QStringLiteral("text"), tekst}});
        }
    }
    return vaerktoej::afslut(k, fuldfoert ? vaerktoej::Resultat : vaerktoej::Besked,
                             QJsonObject{{QStringLiteral("outputs"), outputs}}, linjer,
                             beskeder.tekster);
}

Resultat TAndetVaerktoej::base(const vaerktoej::Kald& k) {
    const QStringList& v = k.vaerdier;
    const auto forkert = [](const QString& b) { return ::forkert(b, QStringLiteral("--base")); };
    const int fra = TTalsystemside::baseAfNavn(v.at(1));
    const int til = TTalsystemside::baseAfNavn(v.at(2));
    if (!fra || !til) return forkert(QStringLiteral("talsystemer fra 2 til 16"));
    OpsamledeBeskeder beskeder;
    TTalsystemside side(beskeder, {});
    side.setInputIndex(fra - 2);
    QString vaerdi = v.at(0);
    // A negative number only comes from the calculator, in base 10.
    if (fra == 10 && vaerdi.startsWith(u'-')) {
        side.inputEdit = QStringLiteral("-");
        vaerdi.remove(0, 1);
    }
    if (vaerdi.isEmpty()) return forkert(QStringLiteral("ingen cifre"));
    for (const QChar c : vaerdi)
        if (!side.FormKeyPress(c))
            return forkert(QStringLiteral("'%1' er ikke et ciffer i talsystemet").arg(c));
    bool fuldfoert = true;
    try {
        // The page converts when the output base is chosen; choose it even
        // when it is the input base.
        if (til - 2 == side.outputIndex)
            side.outputBoxClick();
        else
            side.setOutputIndex(til - 2);
    } catch (const TFejl& f) {
        beskeder.fejl(f.tekst());
    }
    fuldfoert = beskeder.tekster.isEmpty();
    QStringList linjer;
    if (fuldfoert) linjer << side.outputEdit;
    return vaerktoej::afslut(k, fuldfoert ? vaerktoej::Resultat : vaerktoej::Besked,
                             QJsonObject{{QStringLiteral("text"), side.outputEdit}}, linjer,
                             beskeder.tekster);
}

Resultat TAndetVaerktoej::datoforskel(const vaerktoej::Kald& k) {
    const QStringList& v = k.vaerdier;
    const auto forkert = [](const QString& b) {
        return ::forkert(b, QStringLiteral("--datediff"));
    };
    const QString programdir = k.har(QStringLiteral("--programdir"))
                                   ? k.vaerdi(QStringLiteral("--programdir"))
                                   : TProgramMapper::standardProgramdir();
    OpsamledeBeskeder beskeder;
    TDatoside side(programdir, beskeder);
    for (int nr = 1; nr <= 2; ++nr) {
        const QStringList dele = v.at(nr - 1).split(u'-');
        if (dele.size() != 3)
            return forkert(QStringLiteral("dato skrives dd-MM-åååå: ") + v.at(nr - 1));
        for (int f = 0; f < 3; ++f)
            side.setFelt(nr, f, dele.at(f));
    }
    try {
        side.beregnKnapClick();
        side.koerTilEnde();
    } catch (const TFejl& f) {
        beskeder.fejl(f.tekst());
    }
    const bool fuldfoert = side.resultat.size() == 4;
    QJsonObject obj;
    if (fuldfoert) {
        obj.insert(QStringLiteral("years"), side.resultat.at(0).toInt());
        obj.insert(QStringLiteral("months"), side.resultat.at(1).toInt());
        obj.insert(QStringLiteral("days"), side.resultat.at(2).toInt());
        obj.insert(QStringLiteral("totalDays"), side.resultat.at(3).toLongLong());
    }
    QStringList linjer;
    if (fuldfoert) linjer << side.Edit1 << side.Edit2;
    return vaerktoej::afslut(k, fuldfoert ? vaerktoej::Resultat : vaerktoej::Besked, obj, linjer,
                             beskeder.tekster);
}

// The rows of the front end's table for the other-functions pages.
QList<vaerktoej::Tilstand> TAndetVaerktoej::tilstande() {
    return {
        {QStringLiteral("--convert"),
         QStringLiteral("VÆRDI FRA [TIL]"),
         QStringLiteral("enhedskonvertering"),
         {vaerktoej::Art::Tal, vaerktoej::Art::Tekst},
         2,
         3,
         {},
         TAndetVaerktoej::konverter},
        {QStringLiteral("--base"),
         QStringLiteral("VÆRDI FRA TIL"),
         QStringLiteral("talsystemer (2..16, Bin, Okt, Dec, Hex)"),
         {vaerktoej::Art::Tekst},
         3,
         3,
         {},
         TAndetVaerktoej::base},
        {QStringLiteral("--datediff"),
         QStringLiteral("DATO1 DATO2"),
         QStringLiteral("forskel mellem to datoer (d-m-åååå eller d.m.åååå)"),
         {vaerktoej::Art::Dato},
         2,
         2,
         {{QStringLiteral("--programdir"), QStringLiteral("MAPPE"),
           QStringLiteral("datamappen (standard ~/Tavlixmappe)")}},
         TAndetVaerktoej::datoforskel},
    };
}
