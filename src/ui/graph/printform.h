#pragma once
// The print dialog "Udskriv grafer": the rectangle X1, X2, Y1, Y2 in printer
// pixels, "Kopiantal", "Standard værdier" and the buttons "Luk" and
// "Udskriv"; a view over TPrintformModel.
#include <QDialog>
#include <QHash>

class QButtonGroup;
class QLineEdit;
class TPrintformModel;

class Tprintform : public QDialog {
    Q_OBJECT
public:
    explicit Tprintform(TPrintformModel& model, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
    void keyPressEvent(QKeyEvent* ev) override;

private:
    void opdater();

    TPrintformModel& m_model;
    QHash<QLineEdit*, QString TPrintformModel::*> m_felter;
    QButtonGroup* m_values = nullptr;
};
