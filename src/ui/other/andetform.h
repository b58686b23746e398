#pragma once
// The window "Andre funktioner": three tab pages (number systems, dates, unit
// conversion) over TAndetModel, and a one-field status bar for the hint of
// the control under the mouse. The window exists from start-up but builds
// its widgets the first time it is shown.
#include <QWidget>

class QLabel;
class QTabWidget;
class TAndetModel;
class TTalsystemPanel;
class TDatoPanel;
class TEnhedsPanel;

class Tandetform : public QWidget {
    Q_OBJECT
public:
    // `ejer` is the main window; the window closes with it.
    Tandetform(TAndetModel& model, QWidget* ejer);
    ~Tandetform() override;

    // Builds the window if needed, places it and shows it in front.
    void vis();

    // Built on first show; null before.
    QTabWidget* bog() const { return m_bog; }
    TTalsystemPanel* side1() const { return m_side1; }
    TDatoPanel* side2() const { return m_side2; }
    TEnhedsPanel* side3() const { return m_side3; }
    QLabel* infoBar() const { return m_infoBar; }

    static QSize designStoerrelse();

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
    void moveEvent(QMoveEvent* ev) override;
    void resizeEvent(QResizeEvent* ev) override;

private:
    void byg();
    void opdater();

    TAndetModel& m_model;
    bool m_bygget = false;
    bool m_placeret = false;
    QTabWidget* m_bog = nullptr;
    TTalsystemPanel* m_side1 = nullptr;
    TDatoPanel* m_side2 = nullptr;
    TEnhedsPanel* m_side3 = nullptr;
    QLabel* m_infoBar = nullptr;
};
