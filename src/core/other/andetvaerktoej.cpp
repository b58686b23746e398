#include "andetvaerktoej.h"

#include "app/programmapper.h"
#include "calc/hukommelse.h"
#include "common/beskeder.h"
#include "common/fejl.h"
#include "other/datoside.h"
#include "other/enhedsside.h"
#include "other/talsystemside.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using Resultat = TFormelVaerktoej::Resultat;

Resultat forkert(const QString& besked) {
    Resultat r;
    r.exitKode = 2;
    r.fejlUd = QStringLiteral("tavlix-formel: ") + besked + u'\n' + TAndetVaerktoej::brug();
    return r;
}

QJsonArray somArray(const QStringList& l) {
    QJsonArray a;
    for (const QString& s : l)
        a.append(s);
    return a;
}

// Ends a run: exit status 1 when a message stopped it, the messages on
// standard error (or in the JSON object).
Resultat afslut(bool json, QJsonObject obj, const QStringList& linjer, const QStringList& beskeder,
                bool fuldfoert) {
    Resultat r;
    r.exitKode = fuldfoert ? 0 : 1;
    if (json) {
        obj.insert(QStringLiteral("messages"), somArray(beskeder));
        r.ud = QString::fromUtf8(QJsonDocument(obj).toJson(QJsonDocument::Indented));
    } else {
        for (const QString& l : linjer)
            r.ud += l + u'\n';
        for (const QString& b : beskeder)
            r.fejlUd += QString(b).replace(u'\r', u'\n') + u'\n';
    }
    return r;
}

Resultat konverter(const QStringList& v, bool json) {
    if (v.size() < 2 || v.size() > 3) return forkert(QStringLiteral("--convert VÆRDI FRA [TIL]"));
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
    return afslut(json, QJsonObject{{QStringLiteral("outputs"), outputs}}, linjer, beskeder.tekster,
                  fuldfoert);
}

Resultat base(const QStringList& v, bool json) {
    if (v.size() != 3) return forkert(QStringLiteral("--base VÆRDI FRA TIL"));
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
    return afslut(json, QJsonObject{{QStringLiteral("text"), side.outputEdit}}, linjer,
                  beskeder.tekster, fuldfoert);
}

Resultat datoforskel(const QStringList& v, bool json, const QString& programdir) {
    if (v.size() != 2) return forkert(QStringLiteral("--datediff DATO1 DATO2 (dd-MM-åååå)"));
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
    return afslut(json, obj, linjer, beskeder.tekster, fuldfoert);
}

} // namespace

QString TAndetVaerktoej::brug() {
    return QStringLiteral(
        "Andre funktioner:\n"
        "  tavlix-formel [--json] --convert VÆRDI FRA [TIL]   enhedskonvertering\n"
        "  tavlix-formel [--json] --base VÆRDI FRA TIL        talsystemer (2..16, Bin, Okt, "
        "Dec, Hex)\n"
        "  tavlix-formel [--json] [--programdir MAPPE] --datediff DATO1 DATO2\n"
        "                                                     forskel mellem datoer (dd-MM-åååå)\n"
        "Afslutningskode: 0 med et resultat, 1 når en besked standsede kørslen, 2 ved forkerte "
        "valg.\n");
}

std::optional<TFormelVaerktoej::Resultat> TAndetVaerktoej::koer(const QStringList& argumenter) {
    QString tilstand;
    QStringList vaerdier;
    bool json = false;
    QString programdir;
    bool harProgramdir = false;
    for (int i = 0; i < argumenter.size(); ++i) {
        const QString& a = argumenter.at(i);
        // After "--" comes formula text, never a mode.
        if (a == QStringLiteral("--") && tilstand.isEmpty()) return std::nullopt;
        if (a == QStringLiteral("--convert") || a == QStringLiteral("--base") ||
            a == QStringLiteral("--datediff")) {
            if (!tilstand.isEmpty())
                return forkert(QStringLiteral("kun én af --convert, --base og --datediff"));
            tilstand = a;
        } else if (a == QStringLiteral("--json")) {
            json = true;
        } else if (a == QStringLiteral("--programdir")) {
            if (i + 1 >= argumenter.size()) return forkert(QStringLiteral("--programdir MAPPE"));
            programdir = argumenter.at(++i);
            harProgramdir = true;
        } else if (a.startsWith(QStringLiteral("--programdir="))) {
            programdir = a.mid(13);
            harProgramdir = true;
        } else if (!tilstand.isEmpty() && !a.startsWith(QStringLiteral("--"))) {
            vaerdier << a;
        } else if (!tilstand.isEmpty()) {
            return forkert(QStringLiteral("ukendt valg: ") + a);
        }
    }
    if (tilstand.isEmpty()) return std::nullopt;
    if (tilstand == QStringLiteral("--convert")) return konverter(vaerdier, json);
    if (tilstand == QStringLiteral("--base")) return base(vaerdier, json);
    if (!harProgramdir) programdir = TProgramMapper::standardProgramdir();
    return datoforskel(vaerdier, json, programdir);
}
