#pragma once
// The cubic dialog "Tredjegradsligning": four coefficient boxes and the
// buttons "Ny" and "Vis"; a view over TForm3Model.
#include <QDialog>

class QLineEdit;
class TForm3Model;

class Tform3 : public QDialog {
    Q_OBJECT
public:
    explicit Tform3(TForm3Model& model, QWidget* parent = nullptr);

protected:
    // The dialog sees Home and F9 before its boxes.
    bool eventFilter(QObject* obj, QEvent* ev) override;
    void keyPressEvent(QKeyEvent* ev) override;

private:
    void opdater();

    TForm3Model& m_model;
    QLineEdit* m_felter[4] = {};
};
