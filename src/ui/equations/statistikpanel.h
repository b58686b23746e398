#pragma once
// The statistics page `statistikPanel`: the value list with check marks, the
// entry box, the result box and the buttons that add, remove, compute and
// send values.
#include "ui/equations/sidepanel.h"

class TStatistik;
class QCheckBox;
class QLabel;
class QListWidget;

class TStatistikPanel : public TSidePanel {
    Q_OBJECT
public:
    TStatistikPanel(TStatistik& model, TMainformModel& ramme, QWidget* parent = nullptr);

protected:
    void bygIndhold(QVBoxLayout* l) override;
    void opdater() override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    TStatistik& m_model;
    QLabel* m_nantal = nullptr;
    TVisning* m_display = nullptr;
    QListWidget* m_boks = nullptr;
    QLineEdit* m_value = nullptr;
    QCheckBox* m_kvadrater = nullptr;
    QCheckBox* m_n = nullptr;
    bool m_opdaterer = false;
};
