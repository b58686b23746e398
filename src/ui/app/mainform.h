#pragma once
// The main window: the expression line, six pages of which one is shown, the
// list panel and the status bar. It shows TMainformModel's state and forwards
// every event to the models; all keys reach the window's handlers first.
#include <QMainWindow>
#include <QPointer>

class QLabel;
class TVisning;
class QMenu;
class QPushButton;
class QToolButton;
class QBoxLayout;
class QVBoxLayout;
class TMainformModel;
class TRegner;
class THukommelse;
class TMetaListe;
class TUdtryk;
class TDisplayPanel;
class TTastatur;
class TListePanel;
class TUdtryksHandlinger;

class Tmainform : public QMainWindow {
    Q_OBJECT
public:
    Tmainform(TMainformModel& model, TRegner& regner, THukommelse& hukommelse, TMetaListe& meta,
              TUdtryk& udtryk, QWidget* parent = nullptr);
    ~Tmainform() override;

    // Pages by number (TMainformModel::Side).
    QWidget* side(int nr) const;
    QWidget* menuPanel() const { return m_menuPanel; }
    TDisplayPanel* displayPanel() const { return m_displayPanel; }
    // The list panel; it is built the first time it is needed.
    TListePanel* metaPanel();
    TUdtryksHandlinger* udtryksHandlinger() const { return m_handlinger; }
    TVisning* udBox() const { return m_udBox; }
    QMenu* menuPU() const { return m_menuPU; }
    // Puts a page's own view in place of its placeholder (pages 1 to 4; the
    // view's layout must be a QVBoxLayout, which receives the panel-switch bar).
    void erstatSide(int nr, QWidget* side);
    // The caption of a page's switch button ("n=0" follows the statistics count).
    void setSideskiftCaption(int nr, const QString& caption);
    // Puts the window where the options say, or centres it; call before show().
    void placer();
    // The panel-switch bar's buttons, left to right.
    QWidget* sideskiftKnap(int i) const { return m_sideskiftKnapper.value(i); }

protected:
    bool event(QEvent* ev) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;
    void resizeEvent(QResizeEvent* ev) override;
    void moveEvent(QMoveEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;
    void changeEvent(QEvent* ev) override;

private:
    QWidget* lavRegnerSide(int i, const QString& navn, int bredde);
    QWidget* lavSideskift();
    QWidget* lavMenuPanel();
    QWidget* lavTomSide(const QString& overskrift);
    void opdater();
    void flytBlokke();
    void ordenTab();
    void fokusPaaSiden();
    bool tastTryk(QObject* obj, QKeyEvent* ev);
    void fjernFokus();
    void saetFastHoejde();

    TMainformModel& m_model;
    TRegner& m_regner;
    THukommelse& m_hukommelse;
    TMetaListe& m_meta;
    TUdtryk& m_udtryk;

    TVisning* m_udBox = nullptr;
    QWidget* m_sider[6] = {};
    QWidget* m_bundPanel[2] = {}; // the calculator pages' slots for the menu block
    QVBoxLayout* m_displayHolder[2] = {};
    QVBoxLayout* m_tastaturHolder[2] = {};
    QVBoxLayout* m_sideskiftHolder[6] = {};
    QWidget* m_sideskift = nullptr; // the panel-switch bar, moved to the page shown
    QList<QWidget*> m_sideskiftKnapper;
    int m_sideskiftSide = -2;
    bool m_simpelTastatur = false;
    TUdtryksHandlinger* m_handlinger = nullptr;
    TDisplayPanel* m_displayPanel = nullptr;
    QWidget* m_menuPanel = nullptr;
    QMenu* m_menuPU = nullptr;
    TListePanel* m_metaPanel = nullptr;
    QBoxLayout* m_krop = nullptr;
    QLabel* m_status[4] = {};
    struct TastMaerke {
        const QEvent* event = nullptr;
        int key = 0;
        quint64 tid = 0;
        bool operator==(const TastMaerke&) const = default;
    };
    TastMaerke m_tastMaerke; // the key press being handled
    int m_blokSide = -2;
    int m_fokusSide = -2; // the page whose first box was given the focus
    bool m_placeret = false;
    bool m_opdaterer = false;
};
