#pragma once
// The page "Datoer": two dates, each with day, month and year fields, a month
// calendar with month and year buttons and a today button, and the
// difference the helper program computes, over TDatoside.
#include <QWidget>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class TDatoside;
class TVisning;

class TDatoPanel : public QWidget {
    Q_OBJECT
public:
    TDatoPanel(TDatoside& model, QWidget* parent);

    struct Dato {
        QLineEdit* felt[3] = {}; // day, month, year
        QPushButton* opdater = nullptr;
        QCalendarWidget* kalender = nullptr;
        QLabel* maaned = nullptr;
        QLabel* aar = nullptr;
        QPushButton* idag = nullptr;
    };
    const Dato& dato(int nr) const { return m_dato[nr - 1]; }
    QPushButton* beregnKnap() const { return m_beregn; }
    TVisning* edit1() const { return m_edit1; }
    TVisning* edit2() const { return m_edit2; }

private:
    QWidget* lavDato(int nr);
    void opdater();

    TDatoside& m_model;
    Dato m_dato[2];
    QPushButton* m_beregn = nullptr;
    TVisning* m_edit1 = nullptr;
    TVisning* m_edit2 = nullptr;
    bool m_opdaterer = false;
};
