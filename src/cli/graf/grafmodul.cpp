// The module tavlix-graf opens to paint a picture (see grafmodul.h).
#include "cli/graf/grafmodul.h"

#include "core/graph/funktioner.h"
#include "paint/grafeksport.h"

#include <QSvgGenerator>

#include <memory>

extern "C" Q_DECL_EXPORT bool tavlix_gem_graf(TFunktioner& g, const QString& fil, QString& fejl) {
    const auto svg = [](QIODevice* ud, QSize s) -> std::unique_ptr<QPaintDevice> {
        auto gen = std::make_unique<QSvgGenerator>();
        gen->setOutputDevice(ud);
        gen->setSize(s);
        gen->setViewBox(QRect(QPoint(0, 0), s));
        return gen;
    };
    return grafeksport::gem(g, fil, svg, fejl);
}
