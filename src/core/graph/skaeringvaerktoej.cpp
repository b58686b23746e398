#include "core/graph/skaeringvaerktoej.h"

#include "core/graph/ligningsres.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace skaeringvaerktoej {

int skaering(const TFunktioner& g, const TGrafArgumenter& a, const QList<int>& indeks,
             QString& ud) {
    TLigningsResultat r;
    TLigning l[2];
    const int nr[2] = {a.skaering1, a.skaering2};
    for (int k = 0; k < 2 && r.besked.isEmpty(); ++k) {
        const int i = nr[k] >= 1 && nr[k] <= indeks.size() ? indeks.at(nr[k] - 1) : -1;
        if (i < 0) {
            r.besked = QStringLiteral("Kurve %1 kan ikke tegnes").arg(nr[k]);
        } else {
            g.GetValues(i, l[k].opr, l[k].a, l[k].b, l[k].c);
            if (l[k].opr == u'3') r.besked = QStringLiteral("Der løses ikke tredjegradsligninger!");
        }
    }
    if (r.besked.isEmpty()) r = ligningsres::loes(l[0], l[1]);
    if (a.json) {
        const QJsonObject o{{QStringLiteral("x1"), r.x1},
                            {QStringLiteral("y1"), r.y1},
                            {QStringLiteral("x2"), r.x2},
                            {QStringLiteral("y2"), r.y2},
                            {QStringLiteral("message"), r.besked}};
        ud = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n';
    } else if (!r.besked.isEmpty()) {
        ud = r.besked + u'\n';
    } else {
        ud.clear();
        const QString navne[] = {QStringLiteral("x1"), QStringLiteral("y1"), QStringLiteral("x2"),
                                 QStringLiteral("y2")};
        const QString* felter[] = {&r.x1, &r.y1, &r.x2, &r.y2};
        for (int k = 0; k < 4; ++k)
            if (!felter[k]->isEmpty()) ud += navne[k] + QStringLiteral(" = ") + *felter[k] + u'\n';
    }
    return r.besked.isEmpty() ? 0 : 1;
}

} // namespace skaeringvaerktoej
