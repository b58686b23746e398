#pragma once
// The graph canvas on screen: paints the canvas model with a painter surface
// and forwards the mouse and its size to the graph window's model.
#include <QWidget>

class TGrafformModel;

class TGrafWidget : public QWidget {
    Q_OBJECT
public:
    TGrafWidget(TGrafformModel& model, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {520, 480}; }
    QSize minimumSizeHint() const override { return {100, 100}; }

protected:
    void paintEvent(QPaintEvent* ev) override;
    void resizeEvent(QResizeEvent* ev) override;
    void mouseMoveEvent(QMouseEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;

private:
    TGrafformModel& m_model;
};
