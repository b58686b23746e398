#pragma once
// The quadratic page `andengradsPanel`: three coefficient boxes, the
// discriminant and its verdict, the two roots with their memory buttons, and
// "Ny", "Løs" and "Send til grafboks".
#include "ui/equations/sidepanel.h"

class TAndengrads;
class QLabel;

class TAndengradsPanel : public TSidePanel {
    Q_OBJECT
public:
    TAndengradsPanel(TAndengrads& model, TMainformModel& ramme, QWidget* parent = nullptr);

protected:
    void bygIndhold(QVBoxLayout* l) override;
    void opdater() override;

private:
    TAndengrads& m_model;
    QLineEdit* m_boks[3] = {};
    TVisning* m_d = nullptr;
    TVisning* m_x[2] = {};
    QLabel* m_status = nullptr;
};
