#include "ui/calc/listepanel.h"

#include "core/app/mainformmodel.h"
#include "core/calc/metaliste.h"
#include "core/calc/regner.h"
#include "core/formula/udtryk.h"
#include "ui/app/ikoner.h"
#include "ui/calc/metalistemodel.h"
#include "ui/calc/udtrykshandlinger.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* knap(QWidget* parent, const QString& tekst, const QIcon& ikon, const QString& navn,
                  const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setFocusPolicy(Qt::TabFocus);
    b->setText(tekst);
    if (!ikon.isNull()) {
        b->setIcon(ikon);
        b->setIconSize(QSize(18, 18));
    }
    b->setFixedHeight(26);
    b->setMinimumWidth(30);
    navngiv(b, navn, hint);
    return b;
}
} // namespace

TListePanel::TListePanel(TRegner& regner, TMetaListe& meta, TUdtryk& udtryk, TMainformModel& ramme,
                         TUdtryksHandlinger& handlinger, QWidget* parent)
    : QWidget(parent), m_regner(regner), m_meta(meta), m_udtryk(udtryk), m_ramme(ramme),
      m_handlinger(handlinger) {
    setMinimumWidth(0);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(2, 2, 4, 2);
    l->setSpacing(4);

    // The button bar.
    m_knapbar = new QWidget(this);
    m_knapbar->setObjectName(QStringLiteral("miniMetaPanel"));
    auto* bl = new QHBoxLayout(m_knapbar);
    bl->setContentsMargins(0, 0, 0, 0);
    bl->setSpacing(3);
    auto* slet = knap(m_knapbar, QString(), ikoner::sletListe(), QStringLiteral("Slet liste"),
                      QStringLiteral("Slet data fra listen"));
    slet->setObjectName(QStringLiteral("metaslet"));
    connect(slet, &QToolButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_regner.metaSletClick(); }); });
    auto* gentag =
        knap(m_knapbar, QStringLiteral("[G]"), QIcon(), QStringLiteral("Gentag formel forløbet"),
             QStringLiteral("Gentag formel forløbet"));
    gentag->setObjectName(QStringLiteral("metaGentag"));
    connect(gentag, &QToolButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_ramme.SpeedButton7Click(); }); });
    auto* memoKnap = knap(m_knapbar, QString(), ikoner::udtryksvindue(),
                          QStringLiteral("Åben eller luk udtryksvinduet"),
                          QStringLiteral("Åben eller luk udtryksvinduet"));
    memoKnap->setObjectName(QStringLiteral("uMemoKnap"));
    connect(memoKnap, &QToolButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_udtryk.uMemoKnapClick(); }); });
    m_vis = new QCheckBox(QStringLiteral("Vis"), m_knapbar);
    m_vis->setObjectName(QStringLiteral("metaAktiv"));
    m_vis->setFocusPolicy(Qt::TabFocus);
    // "Vis" is also the expression window's button: named by what it does.
    navngiv(m_vis, QStringLiteral("Vis beregninger i listen"),
            QStringLiteral("Vis beregninger i listen"));
    // On the state, so the keyboard and assistive technology reach the calculator too;
    // our own sync in opdater() finds nothing to change.
    connect(m_vis, &QCheckBox::toggled, this, [this](bool c) {
        if (c != m_regner.disOn()) vedGraensen(this, [&] { m_regner.metaAktivClick(c); });
    });
    m_indUd = new QCheckBox(QStringLiteral("I-U"), m_knapbar);
    m_indUd->setObjectName(QStringLiteral("metaIndUd"));
    m_indUd->setFocusPolicy(Qt::TabFocus);
    navngiv(m_indUd, QStringLiteral("I-U"), QStringLiteral("Vis med in-ud funktion"));
    connect(m_indUd, &QCheckBox::toggled, this, [this](bool c) {
        if (c != m_regner.UdskrivInOut()) vedGraensen(this, [&] { m_regner.metaIndUdClick(c); });
    });
    for (QWidget* w : {static_cast<QWidget*>(slet), static_cast<QWidget*>(gentag),
                       static_cast<QWidget*>(memoKnap), static_cast<QWidget*>(m_vis),
                       static_cast<QWidget*>(m_indUd)})
        bl->addWidget(w);
    bl->addStretch(1);
    l->addWidget(m_knapbar);

    // The calculation list.
    m_metaBox = new QListView(this);
    m_metaBox->setObjectName(QStringLiteral("metaBox"));
    navngiv(m_metaBox, QStringLiteral("Beregninger"), QString());
    m_listeModel = new TMetaListeModel(m_meta, this);
    m_metaBox->setModel(m_listeModel);
    m_metaBox->setItemDelegate(new TMetaLinjeTegner(m_metaBox));
    m_metaBox->setUniformItemSizes(true);
    m_metaBox->setFocusPolicy(Qt::StrongFocus);
    m_metaBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    l->addWidget(m_metaBox, 1);

    // The expression window.
    m_uPanel = new QWidget(this);
    m_uPanel->setObjectName(QStringLiteral("uPanel"));
    auto* ul = new QVBoxLayout(m_uPanel);
    ul->setContentsMargins(0, 0, 0, 0);
    ul->setSpacing(3);
    auto* progKnapPanel = new QWidget(m_uPanel);
    progKnapPanel->setObjectName(QStringLiteral("progKnapPanel"));
    auto* pl = new QHBoxLayout(progKnapPanel);
    pl->setContentsMargins(0, 0, 0, 0);
    pl->setSpacing(3);

    auto* hjaelp =
        knap(progKnapPanel, QStringLiteral("?"), QIcon(), QStringLiteral("Udtryk og formelsprog"),
             QStringLiteral("Udtryk og formelsprog"));
    hjaelp->setObjectName(QStringLiteral("SpeedButton14"));
    connect(hjaelp, &QToolButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_udtryk.SpeedButton14Click(); }); });
    pl->addWidget(hjaelp);
    struct Par {
        QAction* a;
        const char* navn;
        const char* bogstav;
    };
    for (const Par& p :
         {Par{m_handlinger.aRydAlt, "uNy", nullptr}, Par{m_handlinger.aBeregn, "uBeregn", "F9"},
          Par{m_handlinger.aVis, "visFormelStringKnap", nullptr}}) {
        auto* b = new QToolButton(progKnapPanel);
        b->setObjectName(QString::fromLatin1(p.navn));
        b->setDefaultAction(p.a);
        b->setFocusPolicy(Qt::TabFocus);
        b->setFixedHeight(26);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        navngiv(b, p.a->text(), p.a->toolTip());
        if (p.bogstav) b->setProperty("tastBogstav", QString::fromLatin1(p.bogstav));
        pl->addWidget(b);
    }
    ul->addWidget(progKnapPanel);

    m_uMemo = new QPlainTextEdit(m_uPanel);
    m_uMemo->setObjectName(QStringLiteral("uMemo"));
    m_uMemo->setTabChangesFocus(true);
    m_uMemo->setFixedHeight(64);
    navngiv(m_uMemo, QStringLiteral("Udtryksvindue"), QString());
    m_uMemo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_uMemo, &QPlainTextEdit::customContextMenuRequested, this, &TListePanel::visMemoMenu);
    connect(m_uMemo, &QPlainTextEdit::textChanged, this, [this] {
        if (m_saetterMemo) return;
        m_vistMemo = m_uMemo->toPlainText();
        m_udtryk.setUMemo(m_vistMemo);
    });
    m_uMemo->installEventFilter(this);
    ul->addWidget(m_uMemo);
    l->addWidget(m_uPanel);

    connect(&m_regner, &TRegner::aendret, this, &TListePanel::opdater);
    connect(&m_udtryk, &TUdtryk::aendret, this, &TListePanel::opdater);
    connect(&m_meta, &TMetaListe::aendret, this, &TListePanel::opdater);
    connect(&m_udtryk, &TUdtryk::informationOenskes, this,
            [this](const QString& emne) { m_ramme.Information(emne); });
    connect(&m_udtryk, &TUdtryk::uMemoFokusOenskes, this, [this] { m_uMemo->setFocus(); });
    connect(&m_handlinger, &TUdtryksHandlinger::indsaetFraDisplay, this, [this] {
        QTextCursor c = m_uMemo->textCursor();
        const int start = c.selectionStart();
        const int ny = m_udtryk.AinsertFromDis(start, c.selectionEnd() - start);
        c = m_uMemo->textCursor();
        c.setPosition(ny);
        m_uMemo->setTextCursor(c);
        m_uMemo->setFocus();
    });
    opdater();
}

void TListePanel::setKnapbarSynlig(bool synlig) {
    m_knapbar->setVisible(synlig);
}

void TListePanel::visMemoMenu(const QPoint& p) {
    QMenu m(m_uMemo);
    m.setObjectName(QStringLiteral("uMemoPU"));
    m.setToolTipsVisible(true);
    m.addAction(m_handlinger.newFormel);
    m.addAction(m_handlinger.AinsertFromDis);
    m.addSeparator();
    QAction* alt = m.addAction(QStringLiteral("Select &All"), m_uMemo, &QPlainTextEdit::selectAll);
    alt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    alt->setToolTip(QStringLiteral("Vælg alt: Ctrl + A"));
    QAction* kopier = m.addAction(QStringLiteral("Kopier"), m_uMemo, &QPlainTextEdit::copy);
    kopier->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    kopier->setEnabled(m_uMemo->textCursor().hasSelection());
    QAction* indsaet = m.addAction(QStringLiteral("Indsæt"), m_uMemo, &QPlainTextEdit::paste);
    indsaet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    indsaet->setEnabled(m_uMemo->canPaste());
    m.exec(m_uMemo->mapToGlobal(p));
}

void TListePanel::showEvent(QShowEvent* ev) {
    QWidget::showEvent(ev);
    if (m_forsinket) opdater();
}

void TListePanel::opdater() {
    m_vis->setChecked(m_regner.disOn());
    m_indUd->setChecked(m_regner.UdskrivInOut());
    m_uPanel->setVisible(m_udtryk.uPanelSynlig());
    // Hidden, the panel catches up when it is shown again (showEvent).
    if (!isVisible()) {
        m_forsinket = true;
        return;
    }
    m_forsinket = false;
    if (m_uMemo->isVisible()) opdaterMemo();
    if (m_meta.valgt >= 0 && m_meta.valgt < m_meta.antal()) {
        const QModelIndex i = m_listeModel->index(m_meta.valgt);
        if (m_metaBox->currentIndex() != i) m_metaBox->setCurrentIndex(i);
        m_metaBox->scrollTo(i);
    }
}

void TListePanel::opdaterMemo() {
    const QString ny = m_udtryk.uMemo();
    if (ny == m_vistMemo) return;
    // Only the part that changed is replaced: a key mostly appends a code or
    // takes the last one away, and laying out the whole text again for it
    // costs far more than the key on a long task.
    const qsizetype gl = m_vistMemo.size(), nl = ny.size();
    const qsizetype kortest = std::min(gl, nl);
    qsizetype foran = 0;
    while (foran < kortest && m_vistMemo.at(foran) == ny.at(foran))
        ++foran;
    qsizetype bagved = 0;
    while (bagved < kortest - foran && m_vistMemo.at(gl - 1 - bagved) == ny.at(nl - 1 - bagved))
        ++bagved;
    m_saetterMemo = true;
    // The program's own changes are not the user's to undo in the memo.
    m_uMemo->document()->setUndoRedoEnabled(false);
    // Line breaks other than "\n" count differently in the document: then whole.
    if (ny.contains(u'\r') || m_vistMemo.contains(u'\r')) {
        m_uMemo->setPlainText(ny);
    } else {
        QTextCursor c(m_uMemo->document());
        c.setPosition(static_cast<int>(foran));
        c.setPosition(static_cast<int>(gl - bagved), QTextCursor::KeepAnchor);
        c.insertText(ny.mid(foran, nl - bagved - foran));
    }
    m_uMemo->document()->setUndoRedoEnabled(true);
    m_vistMemo = ny;
    m_uMemo->moveCursor(QTextCursor::End);
    m_saetterMemo = false;
}

bool TListePanel::eventFilter(QObject* obj, QEvent* ev) {
    // The memo would take Ctrl+Home (to the start of its text) before the
    // window's shortcut "Ryd til ny formel" sees it; the memo's own menu offers
    // that item, so the shortcut goes first.
    if (obj == m_uMemo && ev->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(ev);
        const QKeySequence tast(k->keyCombination());
        if (m_handlinger.newFormel->isEnabled() &&
            m_handlinger.newFormel->shortcuts().contains(tast)) {
            ev->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(obj, ev);
}
