#include "ui/common/placering.h"

#include "core/common/skaermplads.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// The frame a window will get: its own once shown, else its owner's.
QSize medRamme(const QWidget& w) {
    if (w.isVisible() || w.testAttribute(Qt::WA_WState_Created))
        if (w.frameGeometry().size() != w.size()) return w.frameGeometry().size();
    const QWidget* ejer = w.parentWidget() ? w.parentWidget()->window() : nullptr;
    const QSize ramme =
        ejer && ejer->isVisible() ? ejer->frameGeometry().size() - ejer->size() : QSize();
    return w.size() + ramme.expandedTo(QSize(0, 0));
}

} // namespace

void placerPaaSkaermen(QWidget& w, QPoint oensket) {
    QList<QRect> skaerme;
    for (const QScreen* s : QGuiApplication::screens())
        skaerme << s->availableGeometry();
    const QPoint p = skaermplads::indenfor(oensket, medRamme(w), skaerme);
    // A window already where it asked to be is left alone: a move would
    // also change a place set with setGeometry (without the frame) into one
    // with the frame.
    if (p != oensket || w.pos() != oensket) w.move(p);
}

void centrerPaaSkaermen(QWidget& w, QPoint midte) {
    const QSize s = medRamme(w);
    placerPaaSkaermen(w, midte - QPoint(s.width() / 2, s.height() / 2));
}
