#include "core/graph/printformmodel.h"

#include "core/common/almenx.h"
#include "core/common/beskeder.h"
#include "core/graph/funktioner.h"

#include <algorithm>
#include <limits>

namespace {

qint32 klem(qint64 v) {
    return qint32(std::clamp<qint64>(v, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

} // namespace

TPrintformModel::TPrintformModel(TFunktioner& graf, Beskeder& beskeder, QObject* parent)
    : QObject(parent), m_graf(graf), m_beskeder(beskeder) {
    EditX1 = QString::number(BitmapPrint.X1);
    EditY1 = QString::number(BitmapPrint.Y1);
}

void TPrintformModel::standard(qint32& x2, qint32& y2) const {
    int dpi = m_oploesning ? m_oploesning() : 0;
    if (dpi <= 0) dpi = kReferenceOploesning;
    // Printer pixels per screen pixel: 2 to 6 at the reference resolution,
    // scaled to the printer's, so that the picture keeps its size in inches.
    const qint64 f = qint64(std::clamp(Values, 0, 4)) + 2;
    const auto bredde = [&](qint32 skaerm) {
        // 64-bit arithmetic: a large X1 or canvas cannot wrap around; the
        // quotient rounds to the nearest pixel.
        const qint64 t = f * skaerm * dpi;
        return (t + kReferenceOploesning / 2) / kReferenceOploesning;
    };
    x2 = klem(bredde(m_graf.Width()) + TAlmenX::EditInteger(EditX1));
    y2 = klem(bredde(m_graf.Height()) + TAlmenX::EditInteger(EditY1));
}

void TPrintformModel::ValuesClick(int item) {
    Values = item;
    qint32 x2, y2;
    standard(x2, y2);
    EditX2 = QString::number(x2);
    EditY2 = QString::number(y2);
    Q_EMIT aendret();
}

void TPrintformModel::MPrintClick() {
    BitmapPrint.X1 = TAlmenX::EditInteger(EditX1);
    BitmapPrint.Y1 = TAlmenX::EditInteger(EditY1);
    standard(BitmapPrint.X2, BitmapPrint.Y2);
    EditX2 = QString::number(BitmapPrint.X2);
    EditY2 = QString::number(BitmapPrint.Y2);
    Q_EMIT aendret();
    Q_EMIT visOenskes();
}

void TPrintformModel::udskrivKnapClick() {
    qint32 kopier = TAlmenX::EditInteger(EditKopi);
    if (kopier <= 0) kopier = 1;
    if (kopier > kMangeKopier &&
        !m_beskeder.spoerg(QStringLiteral("Vil du udskrive %1 kopier?").arg(kopier)))
        return;
    BitmapPrint.KopiAntal = kopier;
    BitmapPrint.X1 = TAlmenX::EditInteger(EditX1);
    BitmapPrint.X2 = TAlmenX::EditInteger(EditX2);
    BitmapPrint.Y1 = TAlmenX::EditInteger(EditY1);
    BitmapPrint.Y2 = TAlmenX::EditInteger(EditY2);
    if (!m_printer) return;
    // The picture lives in the printer, which is gone on every way out.
    const std::unique_ptr<TPrinterFlade> printer = m_printer();
    if (printer) BitmapPrint.PrintStretchDraw(*printer);
}

QString TPrintformModel::naesteFelt(const QString& felt) {
    static const QStringList ring = {QStringLiteral("EditKopi"), QStringLiteral("EditX1"),
                                     QStringLiteral("EditX2"), QStringLiteral("EditY1"),
                                     QStringLiteral("EditY2")};
    const qsizetype i = ring.indexOf(felt);
    return ring.at(i < 0 ? 0 : (i + 1) % ring.size());
}
