#include "ui/info/infoformen.h"

#include "core/info/infoformenmodel.h"
#include "core/info/urlliste.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/placering.h"
#include "ui/common/tilgaengelighed.h"
#include "ui/info/strukturvisning.h"
#include "ui/info/urlform1.h"
#include "ui/info/websider.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Search results: a small marker left of the text and a thin silver line
// under each row; the marker follows the program's theme.
class TFindisTegner : public QStyledItemDelegate {
public:
    TFindisTegner(std::function<int()> designNr, QObject* parent)
        : QStyledItemDelegate(parent), m_designNr(std::move(designNr)) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opt,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o = opt;
        initStyleOption(&o, index);
        p->save();
        const bool valgt = o.state & QStyle::State_Selected;
        p->fillRect(o.rect, valgt ? o.palette.highlight() : o.palette.base());
        p->setRenderHint(QPainter::Antialiasing);
        const int d = m_designNr ? m_designNr() : 0;
        const QRectF maerke(o.rect.left() + 6, o.rect.center().y() - 4, 8, 8);
        if (d == 0) {
            p->setPen(QPen(QColor(0x60, 0xa0, 0x60), 1));
            p->setBrush(QColor(0xa8, 0xe6, 0xa0));
            p->drawEllipse(maerke);
        } else if (d <= 7) {
            p->setPen(QPen(QColor(0xb0, 0x90, 0x10), 1));
            p->setBrush(QColor(0xff, 0xe0, 0x40));
            p->drawEllipse(maerke);
        } else {
            p->setPen(Qt::NoPen);
            p->setBrush(QColor(0xd0, 0x30, 0x30));
            p->drawRect(maerke);
        }
        p->setPen(valgt ? o.palette.highlightedText().color() : o.palette.text().color());
        p->drawText(o.rect.adjusted(20, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, o.text);
        p->setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 1));
        p->drawLine(o.rect.bottomLeft(), o.rect.bottomRight());
        p->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(opt, index);
        return {s.width() + 20, std::max(s.height() + 4, 20)};
    }

private:
    std::function<int()> m_designNr;
};

QToolButton* lavVaerktoejsknap(const QString& tekst, const QString& hint, QWidget* ejer) {
    auto* b = new QToolButton(ejer);
    b->setText(tekst);
    b->setAutoRaise(true);
    navngiv(b, hint, hint);
    return b;
}

} // namespace

Tinfoformen::Tinfoformen(TInfoformenModel& model, TUrlListe& urlliste, QWidget* hovedvindue,
                         std::function<int()> designNr)
    : QMainWindow(hovedvindue, Qt::Window), m_model(model), m_urlliste(urlliste),
      m_hovedvindue(hovedvindue), m_designNr(std::move(designNr)) {
    setObjectName(QStringLiteral("Tinfoformen"));
    setMinimumWidth(806);
    setAccessibleName(QStringLiteral("Strukturer"));

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(lavVenstre());
    m_splitter->addWidget(lavHoejre());
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);

    m_infobar = new QLabel(this);
    tilgaengelighed::vaerdiEtiket(m_infobar, QStringLiteral("Link under musen"));
    statusBar()->addWidget(m_infobar, 1);
    statusBar()->setSizeGripEnabled(true);

    connect(&m_model, &TInfoformenModel::aendret, this, &Tinfoformen::opdater);
    connect(&m_urlliste, &TUrlListe::aendret, this, &Tinfoformen::opdater);
    connect(&m_model.Struktur, &TStruktur::aendret, this, &Tinfoformen::opdater);
    connect(&m_model, &TInfoformenModel::strukturMenuAendret, this, &Tinfoformen::byggStrukturMenu);
    connect(&m_model, &TInfoformenModel::naviger, this, [this](const QUrl& url) {
        if (!m_web) return;
        // A page may read the files of its own structure, the folder above
        // its documents' folder; with no structure, nothing (not ".").
        m_web->setMappe(m_model.Mappe.isEmpty() ? QString() : QFileInfo(m_model.Mappe).path());
        m_web->naviger(url);
    });
    connect(&m_model, &TInfoformenModel::fokusTilWeb, this, [this] {
        if (m_web) m_web->widget()->setFocus();
    });
    byggStrukturMenu();
    opdater();
}

Tinfoformen::~Tinfoformen() = default;

QWidget* Tinfoformen::lavVenstre() {
    m_infoBog = new QTabWidget(this);
    m_infoBog->setObjectName(QStringLiteral("infoBog"));
    m_infoBog->setMinimumWidth(250);
    navngiv(m_infoBog, QStringLiteral("Struktur og søgning"), QString());

    // The page "Struktur".
    auto* side = new QWidget(m_infoBog);
    auto* l = new QVBoxLayout(side);
    l->setContentsMargins(4, 4, 4, 4);
    l->setSpacing(4);
    auto* raekke = new QHBoxLayout;
    raekke->setSpacing(2);
    m_puButton = lavVaerktoejsknap(QStringLiteral("Strukturer"),
                                   QStringLiteral("Vælg informationsstruktur"), side);
    m_puButton->setObjectName(QStringLiteral("puButton"));
    m_puButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_puButton->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
    m_puButton->setPopupMode(QToolButton::InstantPopup);
    m_puStruktur = new QMenu(m_puButton);
    m_puStruktur->setObjectName(QStringLiteral("PUstruktur"));
    m_puStruktur->setAccessibleName(QStringLiteral("Strukturer"));
    m_puStruktur->setToolTipsVisible(true);
    m_puButton->setMenu(m_puStruktur);
    auto* udfold = lavVaerktoejsknap(QStringLiteral("+"), QStringLiteral("Udfold struktur"), side);
    udfold->setObjectName(QStringLiteral("expandKnap"));
    auto* sammenfold =
        lavVaerktoejsknap(QStringLiteral("−"), QStringLiteral("Sammenfold struktur"), side);
    sammenfold->setObjectName(QStringLiteral("collapseKnap"));
    for (auto* b : {udfold, sammenfold}) {
        b->setFixedSize(24, 24);
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
    }
    connect(udfold, &QToolButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.Struktur.FullExpand(); }); });
    connect(sammenfold, &QToolButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.Struktur.FullCollapse(); }); });
    auto* elementer = new QLabel(QStringLiteral("Elementer: "), side);
    m_antalLabel = new QLabel(side);
    m_antalLabel->setObjectName(QStringLiteral("antalLabel"));
    tilgaengelighed::vaerdiEtiket(m_antalLabel, QStringLiteral("Antal elementer"));
    raekke->addWidget(m_puButton);
    raekke->addWidget(udfold);
    raekke->addWidget(sammenfold);
    raekke->addStretch(1);
    raekke->addWidget(elementer);
    raekke->addWidget(m_antalLabel);
    l->addLayout(raekke);
    m_trae = new TStrukturVisning(m_model.Struktur, side);
    m_trae->setObjectName(QStringLiteral("Struktur"));
    navngiv(m_trae, QStringLiteral("Struktur"), QStringLiteral("Klik på et element for at se det"));
    connect(m_trae, &TStrukturVisning::nodeValgt, this,
            [this](TStrukturNode* n) { vedGraensen(this, [&] { m_model.StrukturKlik(n); }); });
    l->addWidget(m_trae, 1);
    m_infoBog->addTab(side, QStringLiteral("Struktur"));

    // The page "Søg".
    auto* soeg = new QWidget(m_infoBog);
    auto* sl = new QVBoxLayout(soeg);
    sl->setContentsMargins(4, 4, 4, 4);
    sl->setSpacing(4);
    auto* sr = new QHBoxLayout;
    m_editFind = new QLineEdit(soeg);
    m_editFind->setObjectName(QStringLiteral("EditFind"));
    m_editFind->setClearButtonEnabled(true);
    const QString soegHint =
        QStringLiteral("Søg i aktuelle struktur: Ctrl+S eller skriv og tryk Enter");
    navngiv(m_editFind, QStringLiteral("Søgetekst"), soegHint);
    m_aSearch = new QAction(QStringLiteral("Søg"), this);
    m_aSearch->setObjectName(QStringLiteral("aSearch"));
    m_aSearch->setToolTip(soegHint);
    m_aSearch->setStatusTip(soegHint);
    m_aSearch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_aSearch->setShortcutContext(Qt::WindowShortcut);
    addAction(m_aSearch);
    auto* sButton = new QPushButton(QStringLiteral("Søg"), soeg);
    sButton->setObjectName(QStringLiteral("sButton"));
    navngiv(sButton, QStringLiteral("Søg"), soegHint);
    connect(sButton, &QPushButton::clicked, m_aSearch, &QAction::trigger);
    connect(m_aSearch, &QAction::triggered, this, [this] {
        vedGraensen(this, [&] {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            struct Gendan {
                ~Gendan() { QApplication::restoreOverrideCursor(); }
            } gendan;
            m_model.aSearchExecute();
        });
    });
    connect(m_editFind, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_model.EditFind = t;
        m_aSearch->setEnabled(m_model.aSearchUpdate());
    });
    connect(m_editFind, &QLineEdit::returnPressed, m_aSearch, &QAction::trigger);
    sr->addWidget(m_editFind, 1);
    sr->addWidget(sButton);
    sl->addLayout(sr);
    m_findis = new QListWidget(soeg);
    m_findis->setObjectName(QStringLiteral("Findis"));
    m_findis->setItemDelegate(new TFindisTegner(m_designNr, m_findis));
    navngiv(m_findis, QStringLiteral("Søgeresultater"),
            QStringLiteral("Klik på et resultat for at se siden"));
    connect(m_findis, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) {
        vedGraensen(this, [&] { m_model.FindisClick(it->text()); });
    });
    sl->addWidget(m_findis, 1);
    m_infoBog->addTab(soeg, QStringLiteral("Søg"));
    connect(m_infoBog, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 1) m_editFind->setFocus();
    });
    return m_infoBog;
}

QWidget* Tinfoformen::lavHoejre() {
    auto* hoejre = new QWidget(this);
    auto* l = new QVBoxLayout(hoejre);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    auto* bar = new QToolBar(hoejre);
    bar->setObjectName(QStringLiteral("NavigateBar"));
    bar->setIconSize(QSize(18, 18));
    bar->setAccessibleName(QStringLiteral("Navigation"));
    auto lavHandling = [&](const char* navn, QStyle::StandardPixmap ikon, const QString& hint,
                           void (TInfoformenModel::*udfoer)()) {
        auto* a = new QAction(style()->standardIcon(ikon), hint, this);
        a->setObjectName(QString::fromLatin1(navn));
        a->setToolTip(hint);
        a->setStatusTip(hint);
        connect(a, &QAction::triggered, this,
                [this, udfoer] { vedGraensen(this, m_model, udfoer); });
        bar->addAction(a);
        // Tab reaches the tool bar's buttons, as every other button.
        bar->widgetForAction(a)->setFocusPolicy(Qt::TabFocus);
        return a;
    };
    m_afirst = lavHandling("Afirst", QStyle::SP_MediaSkipBackward, QStringLiteral("Gå til første"),
                           &TInfoformenModel::AfirstExecute);
    m_aback = lavHandling("Aback", QStyle::SP_ArrowBack, QStringLiteral("Tilbage"),
                          &TInfoformenModel::AbackExecute);
    m_aforward = lavHandling("Aforward", QStyle::SP_ArrowForward, QStringLiteral("Frem"),
                             &TInfoformenModel::AforwardExecute);
    m_alast = lavHandling("Alast", QStyle::SP_MediaSkipForward, QStringLiteral("Gå til sidste"),
                          &TInfoformenModel::AlastExecute);
    m_aback->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    m_aforward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    m_edit = new QLineEdit(bar);
    m_edit->setObjectName(QStringLiteral("Edit"));
    navngiv(m_edit, QStringLiteral("Adresse"),
            QStringLiteral("Navnet på en side i strukturen, eller tekst der søges på internettet"));
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_model.Edit = t;
        m_ago->setEnabled(m_model.AgoUpdate());
    });
    bar->addWidget(m_edit);
    m_ago = lavHandling("Ago", QStyle::SP_BrowserReload, QStringLiteral("Opdater/Gå"),
                        &TInfoformenModel::AgoExecute);
    connect(m_edit, &QLineEdit::returnPressed, m_ago, &QAction::trigger);
    auto* urlKnap = new QAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                                QStringLiteral("Åben urllisten"), this);
    urlKnap->setObjectName(QStringLiteral("urlListeKnap"));
    urlKnap->setStatusTip(urlKnap->text());
    connect(urlKnap, &QAction::triggered, this, [this] { urlform()->visVindue(); });
    bar->addAction(urlKnap);
    bar->widgetForAction(urlKnap)->setFocusPolicy(Qt::TabFocus);
    m_redigerKnap = new QPushButton(QStringLiteral("Rediger"), bar);
    m_redigerKnap->setObjectName(QStringLiteral("redigerKnap"));
    navngiv(m_redigerKnap, QStringLiteral("Rediger"),
            QStringLiteral("Rediger aktuelle hjemmeside, hvis muligt"));
    connect(m_redigerKnap, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.redigerKnapClick(); }); });
    bar->addWidget(m_redigerKnap);
    for (QAction* a : bar->actions())
        if (QWidget* w = bar->widgetForAction(a); w && w->accessibleName().isEmpty())
            w->setAccessibleName(a->text());
    l->addWidget(bar);

    // The page view: the rich-text view; the web engine only once a page needs it.
    m_web = websider::lav(hoejre);
    m_web->widget()->setAccessibleName(QStringLiteral("Side"));
    m_web->widget()->setMinimumWidth(300);
    TWebSideFlade::Haendelser h;
    h.sideVist = [this](const QUrl& url, const QString& titel) {
        const QString navn =
            url.isLocalFile() ? url.fileName() : (titel.isEmpty() ? url.toString() : titel);
        if (navn.isEmpty()) return;
        vedGraensen(this, [&] { m_model.UrlLister(navn); });
    };
    h.linkOver = [this](const QString& adresse) { m_model.linkOver(adresse); };
    m_web->setHaendelser(std::move(h));
    l->addWidget(m_web->widget(), 1);
    return hoejre;
}

void Tinfoformen::byggStrukturMenu() {
    // The two fixed items stay; only the structure items are made again.
    m_puStruktur->clear();
    auto* prog = m_puStruktur->addAction(QStringLiteral("Program information"));
    prog->setToolTip(QStringLiteral("Information angående selve programmet og dets funktioner"));
    prog->setStatusTip(prog->toolTip());
    connect(prog, &QAction::triggered, this,
            [this] { vedGraensen(this, [&] { m_model.ProgramInformationClick(); }); });
    auto* enh = m_puStruktur->addAction(QStringLiteral("Enhedsinformation"));
    connect(enh, &QAction::triggered, this,
            [this] { vedGraensen(this, [&] { m_model.EnhedsinformationClick(); }); });
    if (!m_model.strukturMenu.isEmpty()) m_puStruktur->addSeparator();
    for (const QString& navn : m_model.strukturMenu) {
        // A "&" in a name is shown as it is, not taken as a mnemonic.
        QString caption = navn;
        caption.replace(u'&', QStringLiteral("&&"));
        auto* a = m_puStruktur->addAction(style()->standardIcon(QStyle::SP_DirIcon), caption);
        a->setToolTip(QStringLiteral("Informationsstruktur"));
        a->setStatusTip(a->toolTip());
        connect(a, &QAction::triggered, this,
                [this, navn] { vedGraensen(this, [&] { m_model.PUonclick(navn); }); });
    }
}

void Tinfoformen::opdater() {
    setWindowTitle(m_model.caption);
    tilgaengelighed::visTekst(m_antalLabel, QString::number(m_model.Struktur.antal()));
    if (m_editFind->text() != m_model.EditFind) m_editFind->setText(m_model.EditFind);
    if (m_edit->text() != m_model.Edit) m_edit->setText(m_model.Edit);
    QStringList vist;
    for (int i = 0; i < m_findis->count(); ++i)
        vist << m_findis->item(i)->text();
    if (vist != m_model.Findis) {
        m_findis->clear();
        m_findis->addItems(m_model.Findis);
    }
    tilgaengelighed::visTekst(m_infobar, m_model.infobar);
    m_afirst->setEnabled(m_model.AfirstUpdate());
    m_aback->setEnabled(m_model.AbackUpdate());
    m_aforward->setEnabled(m_model.AforwardUpdate());
    m_alast->setEnabled(m_model.AlastUpdate());
    m_ago->setEnabled(m_model.AgoUpdate());
    m_aSearch->setEnabled(m_model.aSearchUpdate());
    m_redigerKnap->setEnabled(m_model.redigerMuligt());
}

QAction* Tinfoformen::handling(const QString& navn) const {
    return findChild<QAction*>(navn);
}

Turlform1* Tinfoformen::urlform() {
    if (!m_urlform)
        m_urlform = new Turlform1(m_urlliste, m_hovedvindue ? m_hovedvindue : this, this);
    return m_urlform;
}

void Tinfoformen::visVindue() {
    if (!isVisible()) show();
    raise();
    activateWindow();
}

void Tinfoformen::showEvent(QShowEvent* ev) {
    QMainWindow::showEvent(ev);
    if (m_placeret) return;
    m_placeret = true;
    // The stored geometry; without an options file a size that fits the screen,
    // centred on the main window.
    if (m_model.formWidth > 0 && m_model.formHeight > 0) {
        setGeometry(m_model.formLeft, m_model.formTop, m_model.formWidth, m_model.formHeight);
        placerPaaSkaermen(*this, pos());
    } else {
        QRect skaerm = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
        const QSize s(std::min(1000, skaerm.width() - 40), std::min(720, skaerm.height() - 60));
        QRect r(QPoint(0, 0), s);
        r.moveCenter(m_hovedvindue ? m_hovedvindue->frameGeometry().center() : skaerm.center());
        r.moveLeft(std::clamp(r.left(), skaerm.left(), skaerm.right() - r.width()));
        r.moveTop(std::clamp(r.top(), skaerm.top(), skaerm.bottom() - r.height()));
        setGeometry(r);
    }
    const int venstre = m_model.venstreBredde > 0 ? m_model.venstreBredde : 300;
    m_splitter->setSizes({venstre, std::max(width() - venstre, 300)});
    vedGraensen(this, [&] { m_model.FormShow(); });
}

void Tinfoformen::closeEvent(QCloseEvent* ev) {
    const QRect g = geometry();
    const int venstre = m_splitter->sizes().value(0);
    vedGraensen(this,
                [&] { m_model.FormClose(g.top(), g.left(), g.width(), g.height(), venstre); });
    QMainWindow::closeEvent(ev);
}
