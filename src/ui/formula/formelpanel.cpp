#include "ui/formula/formelpanel.h"

#include "core/app/mainformmodel.h"
#include "core/formula/formelprogram.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* knap(QWidget* parent, const QString& navn, const QString& tekst, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(navn);
    b->setText(tekst);
    b->setFocusPolicy(Qt::TabFocus);
    b->setFixedHeight(26);
    b->setMinimumWidth(24);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    navngiv(b, tekst, hint);
    return b;
}

} // namespace

TFormelPanel::TFormelPanel(TFormelProgram& program, TMainformModel& ramme, QWidget* parent)
    : QWidget(parent), m_program(program), m_ramme(ramme) {
    setObjectName(QStringLiteral("formelPanel"));
    setProperty("egenBredde", 221);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(4, 2, 4, 2);
    m_layout->setSpacing(4);
}

void TFormelPanel::showEvent(QShowEvent* ev) {
    byg();
    QWidget::showEvent(ev);
}

void TFormelPanel::byg() {
    if (m_bog) return;
    m_bog = new QTabWidget(this);
    m_bog->setObjectName(QStringLiteral("formelBog"));
    m_bog->setAccessibleName(QStringLiteral("Formelsider"));
    m_bog->setDocumentMode(true);
    m_bog->addTab(lavFormelSide(), QStringLiteral("Formel"));
    m_bog->addTab(lavFilSide(), QStringLiteral("Formelfiler"));

    // The list panel's toggle, as on the other pages.
    auto* vis = new QToolButton(m_bog);
    vis->setObjectName(QStringLiteral("formelMetaVis"));
    vis->setText(QStringLiteral(">"));
    vis->setFocusPolicy(Qt::TabFocus);
    vis->setFixedSize(28, 24);
    navngiv(vis, QStringLiteral(">"), QStringLiteral("Vis/skjul udskrift vindue"));
    connect(vis, &QToolButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_ramme.metaVisClick(); }); });
    m_bog->setCornerWidget(vis, Qt::TopRightCorner);
    connect(m_bog, &QTabWidget::currentChanged, this, [this](int i) {
        if (!m_opdaterer) m_program.setFormelBogSide(i);
    });
    // The panel-switch bar may already sit at the end of the layout.
    m_layout->insertWidget(0, m_bog, 1);

    connect(&m_program, &TFormelProgram::aendret, this, &TFormelPanel::opdater);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* nu) {
        m_program.setRedigererFokus(nu && (nu == m_memo || nu == m_filnavn));
    });
    opdater();
}

QWidget* TFormelPanel::lavFormelSide() {
    auto* side = new QWidget;
    side->setObjectName(QStringLiteral("formelside1"));
    auto* l = new QVBoxLayout(side);
    l->setContentsMargins(0, 4, 0, 0);
    l->setSpacing(4);

    auto* navnRaekke = new QHBoxLayout;
    auto* etiket = new QLabel(QStringLiteral("Filnavn:"), side);
    m_filnavn = new QLineEdit(side);
    m_filnavn->setObjectName(QStringLiteral("formelFilnavn"));
    navngiv(m_filnavn, QStringLiteral("Filnavn"), QString());
    etiket->setBuddy(m_filnavn);
    connect(m_filnavn, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_program.setFormelFilnavn(t); });
    navnRaekke->addWidget(etiket);
    navnRaekke->addWidget(m_filnavn, 1);
    l->addLayout(navnRaekke);

    m_memo = new QPlainTextEdit(side);
    m_memo->setObjectName(QStringLiteral("formelMemo"));
    navngiv(m_memo, QStringLiteral("Formel"), QString());
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setTabChangesFocus(true);
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_opdaterer) m_program.setFormelMemoTekst(m_memo->toPlainText());
    });
    l->addWidget(m_memo, 1);

    auto* raekke = new QHBoxLayout;
    raekke->setSpacing(3);
    struct Knap {
        const char* navn;
        const char* tekst;
        const char* hint;
        void (TFormelProgram::*handling)();
    };
    const Knap knapper[] = {
        {"formelSpm", "?", "Information: Formelstruktur", &TFormelProgram::formelSpmClick},
        {"formelHent", "Hent", "Hent formel", &TFormelProgram::formelHentClick},
        {"formelGem", "Gem", "Gem formel", &TFormelProgram::formelGemClick},
        {"formelNy", "Ny", "Ny formel: Home eller Ctrl+n", &TFormelProgram::formelNyClick},
        {"formelBeregn", "Udfør", "Udfør programmeringen: F9", &TFormelProgram::formelBeregnClick},
    };
    for (const Knap& k : knapper) {
        auto* b = knap(side, QString::fromLatin1(k.navn), QString::fromUtf8(k.tekst),
                       QString::fromUtf8(k.hint));
        const auto handling = k.handling;
        connect(b, &QToolButton::clicked, this,
                [this, handling] { vedGraensen(this, m_program, handling); });
        raekke->addWidget(b, k.tekst[1] ? 2 : 1);
    }
    // The help button's name says what it opens, as its caption is only "?".
    side->findChild<QToolButton*>(QStringLiteral("formelSpm"))
        ->setAccessibleName(QStringLiteral("Information: Formelstruktur"));
    l->addLayout(raekke);
    return side;
}

QWidget* TFormelPanel::lavFilSide() {
    auto* side = new QWidget;
    side->setObjectName(QStringLiteral("formelSide2"));
    auto* l = new QVBoxLayout(side);
    l->setContentsMargins(0, 4, 0, 0);
    m_filboks = new QListWidget(side);
    m_filboks->setObjectName(QStringLiteral("formelFilboks"));
    navngiv(m_filboks, QStringLiteral("Formelfiler"), QString());
    m_filboks->setContextMenuPolicy(Qt::CustomContextMenu);
    m_filboks->installEventFilter(this);
    connect(m_filboks, &QListWidget::currentRowChanged, this, [this](int r) {
        if (!m_opdaterer) m_program.setFormelFilboksValgt(r);
    });
    connect(m_filboks, &QListWidget::itemDoubleClicked, this,
            [this] { vedGraensen(this, [&] { m_program.formelFilboksDblClick(); }); });

    // The popup's items; the menu itself is made when it is asked for.
    auto* opdater = new QAction(QStringLiteral("Opdater listen"), this);
    opdater->setObjectName(QStringLiteral("Mopdater"));
    connect(opdater, &QAction::triggered, this,
            [this] { vedGraensen(this, [&] { m_program.MopdaterClick(); }); });
    auto* streg = new QAction(this);
    streg->setSeparator(true);
    auto* slet = new QAction(QStringLiteral("Slet valgte formelfil"), this);
    slet->setObjectName(QStringLiteral("formelSlet"));
    connect(slet, &QAction::triggered, this,
            [this] { vedGraensen(this, [&] { m_program.formelSletClick(); }); });
    m_filboksHandlinger = {opdater, streg, slet};
    connect(m_filboks, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        QMenu m(m_filboks);
        m.setObjectName(QStringLiteral("formelFilboksPU"));
        m.setAccessibleName(QStringLiteral("Formelfiler"));
        m.addActions(m_filboksHandlinger);
        m.exec(m_filboks->viewport()->mapToGlobal(p));
    });
    l->addWidget(m_filboks, 1);
    return side;
}

bool TFormelPanel::eventFilter(QObject* obj, QEvent* ev) {
    if (obj == m_filboks && ev->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(ev)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            vedGraensen(this, [&] { m_program.formelFilboksKeyPress(QChar(13)); });
            return true;
        }
    }
    return QWidget::eventFilter(obj, ev);
}

void TFormelPanel::opdater() {
    if (!m_bog || m_opdaterer) return;
    m_opdaterer = true;
    const QString memo = m_program.formelMemoTekst();
    // The memo keeps its text (and caret) while it already says the same lines.
    QStringList vist = m_memo->toPlainText().split(u'\n');
    if (vist.size() > 1 && vist.last().isEmpty()) vist.removeLast();
    if (m_memo->toPlainText().isEmpty()) vist.clear();
    if (vist != m_program.formelMemo()) {
        // As one edit, not a new document: Ctrl+Z brings back the text that
        // "Ny" (Home, Ctrl+N) or a load replaced.
        QTextCursor c(m_memo->document());
        c.select(QTextCursor::Document);
        c.insertText(memo);
        m_memo->moveCursor(QTextCursor::Start);
    }
    if (m_filnavn->text() != m_program.formelFilnavn())
        m_filnavn->setText(m_program.formelFilnavn());
    QStringList poster;
    for (int i = 0; i < m_filboks->count(); ++i)
        poster << m_filboks->item(i)->text();
    if (poster != m_program.formelFilboks()) {
        m_filboks->clear();
        m_filboks->addItems(m_program.formelFilboks());
    }
    if (m_filboks->currentRow() != m_program.formelFilboksValgt())
        m_filboks->setCurrentRow(m_program.formelFilboksValgt());
    m_bog->setCurrentIndex(m_program.formelBogSide());
    m_opdaterer = false;
}
