#pragma once
// The zoom-centre dialog "Sæt zoomcentrum": two rows of point buttons (from
// the equation pages and from the graph window), the X and Y fields, "Centrer
// zoomcentrum" and "?"; a view over TZoomformModel.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class TZoomformModel;

class Tzoomform : public QDialog {
    Q_OBJECT
public:
    explicit Tzoomform(TZoomformModel& model, QWidget* parent = nullptr);

protected:
    void moveEvent(QMoveEvent* ev) override;

private:
    void opdater();

    TZoomformModel& m_model;
    QLineEdit* m_x = nullptr;
    QLineEdit* m_y = nullptr;
    QCheckBox* m_centrer = nullptr;
};
