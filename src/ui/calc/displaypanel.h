#pragma once
// The display block of the two calculator pages: the decimals box, the
// display, the operator indicator, the angle buttons and the Ny / # /
// Tilbage buttons. The main window moves it between the two pages; setSide
// arranges it for the page it stands on.
#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;
class TVisning;
class QPushButton;
class QRadioButton;
class QToolButton;
class QAction;
class TRegner;

class TDisplayPanel : public QWidget {
    Q_OBJECT
public:
    explicit TDisplayPanel(TRegner& regner, QWidget* parent = nullptr);

    void setSide(int side); // 0 the calculator page, 100 the simple page
    void setVinkelKnapperSynlige(bool synlige);

    TVisning* rmDisplay() const { return m_display; }
    TVisning* rmOperator() const { return m_operator; }
    QComboBox* disDecimaler() const { return m_decimaler; }
    QToolButton* disSlet() const { return m_slet; }

private:
    void opdater();

    TRegner& m_regner;
    QGridLayout* m_gitter = nullptr;
    TVisning* m_display = nullptr;
    TVisning* m_operator = nullptr;
    QComboBox* m_decimaler = nullptr;
    QRadioButton* m_vinkel[3] = {};
    QWidget* m_vinkelPanel = nullptr;
    QPushButton* m_ny = nullptr;
    QToolButton* m_slet = nullptr;
    QPushButton* m_tilbage = nullptr;
    QWidget* m_knapPanel = nullptr;
    QAction* m_konFunk = nullptr;
    QAction* m_delTal = nullptr;
    QAction* m_roundTal = nullptr;
    int m_side = -1;
};
