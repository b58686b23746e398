#pragma once
// The page "Enhedskonvertering": the linear converter over the unit table and
// the three-field converter for temperature and angle, over TEnhedsside.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TEnhedsside;
class TVisning;

class TEnhedsPanel : public QWidget {
    Q_OBJECT
public:
    TEnhedsPanel(TEnhedsside& model, QWidget* parent);

    QRadioButton* valg(int i) const { return m_valg[i]; }
    QComboBox* fraboks() const { return m_fraboks; }
    QComboBox* tilboks() const { return m_tilboks; }
    QLineEdit* fraEdit() const { return m_fraEdit; }
    TVisning* tilEdit() const { return m_tilEdit; }
    QPushButton* sendHukKnap() const { return m_sendHuk; }
    QCheckBox* visEinfoCheck() const { return m_visEinfo; }
    QLineEdit* felt(int nr) const { return m_felt[nr - 1]; }
    QPushButton* feltGo(int nr) const { return m_go[nr - 1]; }
    QRadioButton* enhedsKnap(int i) const { return m_enhed[i]; }

private:
    QWidget* lavLineaer();
    QWidget* lavTreFelter();
    void opdater();

    TEnhedsside& m_model;
    QRadioButton* m_valg[9] = {};
    QComboBox* m_fraboks = nullptr;
    QComboBox* m_tilboks = nullptr;
    QLineEdit* m_fraEdit = nullptr;
    TVisning* m_tilEdit = nullptr;
    QPushButton* m_sendHuk = nullptr;
    QCheckBox* m_visEinfo = nullptr;
    QRadioButton* m_enhed[2] = {};
    QLabel* m_feltLabel[3] = {};
    QLineEdit* m_felt[3] = {};
    QPushButton* m_go[3] = {};
    bool m_opdaterer = false;
};
