#include "ui/graph/grafwidget.h"

#include "core/graph/grafformmodel.h"
#include "paint/painterlaerred.h"
#include "ui/common/graense.h"

#include <QMouseEvent>
#include <QPainter>

TGrafWidget::TGrafWidget(TGrafformModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("Graf"));
    setAccessibleName(QStringLiteral("Graf"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // the canvas fills every pixel itself
    setCursor(Qt::CrossCursor);
    connect(&m_model.Graf, &TFunktioner::Invalidate, this, [this] { update(); });
}

void TGrafWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    TPainterLaerred l(p, size());
    m_model.GrafPaint(l);
}

void TGrafWidget::resizeEvent(QResizeEvent*) {
    vedGraensen(this, [&] { m_model.FormResize(width(), height()); });
}

void TGrafWidget::mouseMoveEvent(QMouseEvent* ev) {
    const QPoint p = ev->position().toPoint();
    vedGraensen(this, [&] { m_model.GrafMouseMove(p.x(), p.y()); });
}

void TGrafWidget::mousePressEvent(QMouseEvent* ev) {
    const QPoint p = ev->position().toPoint();
    vedGraensen(this, [&] { m_model.GrafMouseDown(ev->button(), p.x(), p.y()); });
}
