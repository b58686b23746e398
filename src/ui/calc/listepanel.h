#pragma once
// The list panel beside the keypad: its button bar (clear, repeat, expression
// window, "Vis", "I-U"), the calculation list drawn by the program, and
// below it the expression window with its memo and actions.
#include <QWidget>

class QAction;
class QCheckBox;
class QListView;
class QPlainTextEdit;
class QToolButton;
class TMainformModel;
class TMetaListe;
class TRegner;
class TUdtryk;
class TMetaListeModel;
class TUdtryksHandlinger;

class TListePanel : public QWidget {
    Q_OBJECT
public:
    TListePanel(TRegner& regner, TMetaListe& meta, TUdtryk& udtryk, TMainformModel& ramme,
                TUdtryksHandlinger& handlinger, QWidget* parent = nullptr);

    void setKnapbarSynlig(bool synlig);
    QPlainTextEdit* uMemo() const { return m_uMemo; }
    QListView* metaBox() const { return m_metaBox; }
    QWidget* uPanel() const { return m_uPanel; }

protected:
    void showEvent(QShowEvent* ev) override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void opdater();
    void opdaterMemo();
    void visMemoMenu(const QPoint& p);

    TRegner& m_regner;
    TMetaListe& m_meta;
    TUdtryk& m_udtryk;
    TMainformModel& m_ramme;
    TMetaListeModel* m_listeModel = nullptr;
    QWidget* m_knapbar = nullptr;
    QCheckBox* m_vis = nullptr;
    QCheckBox* m_indUd = nullptr;
    QListView* m_metaBox = nullptr;
    QWidget* m_uPanel = nullptr;
    QPlainTextEdit* m_uMemo = nullptr;
    TUdtryksHandlinger& m_handlinger;
    bool m_saetterMemo = false;
    QString m_vistMemo;       // the memo's text as last set or edited
    bool m_forsinket = false; // a change came while the panel was hidden
};
