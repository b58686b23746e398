#pragma once
// The information browser "Strukturer": the structure tree or the search on
// the left, the page view on the right with the history buttons and the
// address box above it, and the link under the mouse in the status bar. It
// shows TInfoformenModel's state and forwards every event to it. The window
// is made the first time it is shown. Pages show in the rich-text view; the
// web engine is loaded only for a page that needs scripts.
#include <functional>
#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;
class QToolButton;
class TInfoformenModel;
class TStrukturVisning;
class TUrlListe;
class TWebSideFlade;
class Turlform1;

class Tinfoformen : public QMainWindow {
    Q_OBJECT
public:
    // `designNr` tells the index of the program's theme (0 = the first),
    // which picks the marker of the search results.
    Tinfoformen(TInfoformenModel& model, TUrlListe& urlliste, QWidget* hovedvindue,
                std::function<int()> designNr);
    ~Tinfoformen() override;

    // Shows the window, or brings it to the front.
    void visVindue();

    TStrukturVisning* strukturVisning() const { return m_trae; }
    TWebSideFlade* web() const { return m_web; }
    QTabWidget* infoBog() const { return m_infoBog; }
    QLineEdit* editFind() const { return m_editFind; }
    QListWidget* findis() const { return m_findis; }
    QLineEdit* adresse() const { return m_edit; }
    QMenu* strukturMenu() const { return m_puStruktur; }
    QAction* handling(const QString& navn) const; // Afirst, Aback, Aforward, Alast, Ago, aSearch
    QLabel* infobar() const { return m_infobar; }
    Turlform1* urlform();

protected:
    void showEvent(QShowEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;

private:
    QWidget* lavVenstre();
    QWidget* lavHoejre();
    void byggStrukturMenu();
    void opdater();

    TInfoformenModel& m_model;
    TUrlListe& m_urlliste;
    QWidget* m_hovedvindue;
    std::function<int()> m_designNr;
    bool m_placeret = false;

    QSplitter* m_splitter = nullptr;
    QTabWidget* m_infoBog = nullptr;
    TStrukturVisning* m_trae = nullptr;
    QLabel* m_antalLabel = nullptr;
    QToolButton* m_puButton = nullptr;
    QMenu* m_puStruktur = nullptr;
    QLineEdit* m_editFind = nullptr;
    QListWidget* m_findis = nullptr;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_redigerKnap = nullptr;
    QLabel* m_infobar = nullptr;
    TWebSideFlade* m_web = nullptr;
    QAction *m_afirst = nullptr, *m_aback = nullptr, *m_aforward = nullptr, *m_alast = nullptr;
    QAction *m_ago = nullptr, *m_aSearch = nullptr;
    Turlform1* m_urlform = nullptr;
};
