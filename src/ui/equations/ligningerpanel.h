#pragma once
// The page of two equations in two unknowns `ligningerPanel`: the two form
// choices, six coefficient boxes, four result boxes with their memory buttons,
// and "Ny", "Løs", "Kon" and "Send til grafboks".
#include "ui/equations/sidepanel.h"

class TLigninger;
class QButtonGroup;
class QLabel;

class TLigningerPanel : public TSidePanel {
    Q_OBJECT
public:
    TLigningerPanel(TLigninger& model, TMainformModel& ramme, QWidget* parent = nullptr);

protected:
    void bygIndhold(QVBoxLayout* l) override;
    void opdater() override;

private:
    QWidget* formValg(int nr);

    TLigninger& m_model;
    QButtonGroup* m_former[2] = {};
    QLineEdit* m_boks[6] = {};
    TVisning* m_res[4] = {};
    QLabel* m_status = nullptr;
};
