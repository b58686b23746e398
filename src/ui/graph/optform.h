#pragma once
// The colour dialog "Graf egenskaber": the tab "Kurvefarve" (a colour for
// the next curves, with a preview) and the tab "Egenskaber" (background,
// lines and curves, "Oprindelige farver", "Værdiområde" and "Realiser"); a
// view over TOptformModel.
#include <QDialog>

class QButtonGroup;
class QComboBox;
class QFrame;
class QTabWidget;
class TOptformModel;

class Toptform : public QDialog {
    Q_OBJECT
public:
    explicit Toptform(TOptformModel& model, QWidget* parent = nullptr);

protected:
    void moveEvent(QMoveEvent* ev) override;

private:
    QComboBox* farveliste(const QString& navn, const QString& etiket,
                          void (TOptformModel::*h)(int));
    void opdater();

    TOptformModel& m_model;
    QTabWidget* m_faner = nullptr;
    QComboBox* m_farve = nullptr;
    QComboBox* m_linie = nullptr;
    QComboBox* m_kurve = nullptr;
    QComboBox* m_nyKurve = nullptr;
    QButtonGroup* m_valGruppe = nullptr;
    QFrame* m_bgfarvePan = nullptr;
    QFrame* m_colorPan = nullptr;
};
