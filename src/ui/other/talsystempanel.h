#pragma once
// The page "Talsystemer": input and output bases, the digit keys and the
// converted number, over TTalsystemside.
#include <QWidget>

class QPushButton;
class QRadioButton;
class TTalsystemside;
class TVisning;

class TTalsystemPanel : public QWidget {
    Q_OBJECT
public:
    TTalsystemPanel(TTalsystemside& model, QWidget* parent);

    TVisning* inputEdit() const { return m_inputEdit; }
    TVisning* outputEdit() const { return m_outputEdit; }
    QPushButton* ciffer(int d) const { return m_cifre[d]; }
    QRadioButton* inputKnap(int i) const { return m_input[i]; }
    QRadioButton* outputKnap(int i) const { return m_output[i]; }

private:
    QWidget* lavBaser(const QString& titel, const QString& navn, QRadioButton** knapper,
                      bool input);
    void opdater();

    TTalsystemside& m_model;
    TVisning* m_inputEdit = nullptr;
    TVisning* m_outputEdit = nullptr;
    QPushButton* m_cifre[16] = {};
    QRadioButton* m_input[15] = {};
    QRadioButton* m_output[15] = {};
};
