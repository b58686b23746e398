#pragma once
// The URL list window "Urlboks": the pages visited in the information
// browser, the structure of each beside its topic, row for row. It shows
// TUrlListe's state and forwards clicks to it; built the first time it is shown.
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class TUrlListe;

class Turlform1 : public QWidget {
    Q_OBJECT
public:
    // `centrum` is the window the URL list is centred on when first shown.
    Turlform1(TUrlListe& model, QWidget* centrum, QWidget* parent);

    void visVindue();
    QListWidget* urlListe() const { return m_urlListe; }
    QListWidget* strukturliste() const { return m_strukturliste; }
    QPushButton* sletKnap() const { return m_sletKnap; }
    QLabel* infoBar() const { return m_infoBar; }

protected:
    void showEvent(QShowEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void opdater();

    TUrlListe& m_model;
    QWidget* m_centrum;
    bool m_placeret = false;
    QListWidget* m_urlListe = nullptr;
    QListWidget* m_strukturliste = nullptr;
    QPushButton* m_sletKnap = nullptr;
    QLabel* m_infoBar = nullptr;
};
