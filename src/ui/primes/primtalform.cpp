#include "ui/primes/primtalform.h"

#include "core/primes/primtal.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/placering.h"
#include "ui/common/tilgaengelighed.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TprimtalForm::TprimtalForm(TPrimtalModel& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowSystemMenuHint),
      m_model(model) {
    setObjectName(QStringLiteral("TprimtalForm"));
    setWindowTitle(QStringLiteral("Primtal"));
    setModal(false);

    auto* lodret = new QVBoxLayout(this);
    lodret->setContentsMargins(10, 10, 10, 10);
    lodret->setSpacing(8);

    m_startInfoLabel = new QLabel(this);
    m_startInfoLabel->setObjectName(QStringLiteral("startInfoLabel"));
    tilgaengelighed::vaerdiEtiket(m_startInfoLabel, QStringLiteral("Øverste informationslinje"));
    lodret->addWidget(m_startInfoLabel);

    auto* talRaekke = new QHBoxLayout;
    auto* talLabel = new QLabel(QStringLiteral("Tal:"), this);
    m_primtalEdit = new QLineEdit(this);
    m_primtalEdit->setObjectName(QStringLiteral("primtalEdit"));
    m_primtalEdit->setMaxLength(10);
    m_primtalEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    talLabel->setBuddy(m_primtalEdit);
    navngiv(m_primtalEdit, QStringLiteral("Tal"), QStringLiteral("Tallet der skal undersøges"));
    m_hentButton = new QPushButton(QStringLiteral("Hent"), this);
    m_hentButton->setObjectName(QStringLiteral("hentButton"));
    navngiv(m_hentButton, QStringLiteral("Hent"),
            QStringLiteral("Hent tallet fra tavlixens display"));
    m_hentButton->setAutoDefault(false);
    talRaekke->addWidget(talLabel);
    talRaekke->addWidget(m_primtalEdit, 1);
    talRaekke->addWidget(m_hentButton);
    lodret->addLayout(talRaekke);

    auto* startRaekke = new QHBoxLayout;
    m_startKnap = new QPushButton(QStringLiteral("Undersøg tallet"), this);
    m_startKnap->setObjectName(QStringLiteral("startKnap"));
    m_startKnap->setAutoDefault(false);
    navngiv(m_startKnap, QStringLiteral("Undersøg tallet"),
            QStringLiteral("Undersøg om det indførte tal er et primtal"));
    m_aktivitet = new QProgressBar(this);
    m_aktivitet->setObjectName(QStringLiteral("AktivitetBoks"));
    m_aktivitet->setTextVisible(false);
    m_aktivitet->setRange(0, 1);
    m_aktivitet->setValue(0);
    m_aktivitet->setMaximumHeight(m_startKnap->sizeHint().height() - 6);
    navngiv(m_aktivitet, QStringLiteral("Aktivitet"),
            QStringLiteral("Viser at undersøgelsen kører"));
    startRaekke->addWidget(m_startKnap);
    startRaekke->addWidget(m_aktivitet, 1);
    lodret->addLayout(startRaekke);

    m_primtalListe = new QListWidget(this);
    m_primtalListe->setObjectName(QStringLiteral("primtalListe"));
    m_primtalListe->setFlow(QListView::LeftToRight);
    m_primtalListe->setWrapping(true);
    m_primtalListe->setResizeMode(QListView::Adjust);
    m_primtalListe->setUniformItemSizes(true);
    // The view lays out as if its scroll bar were there; with it always
    // there, three columns of a third of the width always fit.
    m_primtalListe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_primtalListe->setMinimumHeight(160);
    m_primtalListe->viewport()->installEventFilter(this);
    navngiv(m_primtalListe, QStringLiteral("Divisorer"),
            QStringLiteral("Tal der går op i det undersøgte tal"));
    lodret->addWidget(m_primtalListe, 1);

    m_slutInfoLabel = new QLabel(this);
    m_slutInfoLabel->setObjectName(QStringLiteral("slutInfoLabel"));
    m_slutInfoLabel->setWordWrap(true);
    tilgaengelighed::vaerdiEtiket(m_slutInfoLabel, QStringLiteral("Nederste informationslinje"));
    lodret->addWidget(m_slutInfoLabel);

    auto* bund = new QHBoxLayout;
    m_infoButton = new QToolButton(this);
    m_infoButton->setObjectName(QStringLiteral("infoButton"));
    m_infoButton->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    navngiv(m_infoButton, QStringLiteral("Information"),
            QStringLiteral("Information om primtal-boksen"));
    m_lukButton = new QPushButton(QStringLiteral("Luk"), this);
    m_lukButton->setObjectName(QStringLiteral("lukButton"));
    m_lukButton->setAutoDefault(false);
    navngiv(m_lukButton, QStringLiteral("Luk"), QStringLiteral("Luk boksen"));
    bund->addWidget(m_infoButton);
    bund->addStretch(1);
    bund->addWidget(m_lukButton);
    lodret->addLayout(bund);

    connect(m_primtalEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { vedGraensen(this, [&] { m_model.primtalEditChange(t); }); });
    connect(m_primtalEdit, &QLineEdit::returnPressed, this,
            [this] { vedGraensen(this, [&] { m_model.primtalEditKeyPress(); }); });
    connect(m_startKnap, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.startKnapClick(); }); });
    connect(m_hentButton, &QPushButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.hentButtonClick(); }); });
    connect(m_infoButton, &QToolButton::clicked, this,
            [this] { vedGraensen(this, [&] { m_model.infoButtonClick(); }); });
    connect(m_lukButton, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_model, &TPrimtalModel::aendret, this, &TprimtalForm::opdater);

    resize(360, 380);
    opdater();
}

void TprimtalForm::vis() {
    if (!isVisible() && parentWidget()) {
        const QRect ejer = parentWidget()->frameGeometry();
        centrerPaaSkaermen(*this, ejer.center());
    }
    show();
    raise();
    activateWindow();
    m_primtalEdit->setFocus();
}

void TprimtalForm::opdater() {
    if (m_primtalEdit->text() != m_model.primtalEdit) m_primtalEdit->setText(m_model.primtalEdit);
    tilgaengelighed::visTekst(m_startInfoLabel, m_model.startInfoLabel);
    tilgaengelighed::visTekst(m_slutInfoLabel, m_model.slutInfoLabel);
    m_startKnap->setEnabled(m_model.startKnapAktiv);
    m_hentButton->setEnabled(m_model.hentButtonAktiv);
    // A range of 0..0 makes the bar run its busy animation.
    m_aktivitet->setRange(0, m_model.aktivitet ? 0 : 1);
    m_aktivitet->setValue(0);
    QStringList linjer;
    linjer.reserve(m_model.primtalListe.size());
    for (qint32 d : m_model.primtalListe)
        linjer << QString::number(d);
    bool samme = m_primtalListe->count() == linjer.size();
    for (int i = 0; samme && i < linjer.size(); ++i)
        samme = m_primtalListe->item(i)->text() == linjer.at(i);
    if (!samme) {
        m_primtalListe->clear();
        m_primtalListe->addItems(linjer);
    }
    tilpasKolonner();
}

void TprimtalForm::tilpasKolonner() {
    // Three columns: each entry takes a third of the list's width.
    const int bredde = (m_primtalListe->viewport()->width() - 2) / 3;
    const int hoejde = m_primtalListe->fontMetrics().height() + 4;
    m_primtalListe->setGridSize(QSize(qMax(bredde, 20), hoejde));
}

bool TprimtalForm::eventFilter(QObject* obj, QEvent* ev) {
    // The columns follow the list's own width, which settles after the window shows.
    if (obj == m_primtalListe->viewport() && ev->type() == QEvent::Resize) tilpasKolonner();
    return QDialog::eventFilter(obj, ev);
}

void TprimtalForm::keyPressEvent(QKeyEvent* ev) {
    // Enter belongs to the number box (returnPressed); it never presses a
    // default button of the dialog.
    if (ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter) return;
    if (ev->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(ev);
}

void TprimtalForm::closeEvent(QCloseEvent* ev) {
    if (!m_model.FormCloseQuery()) {
        ev->ignore();
        return;
    }
    QDialog::closeEvent(ev);
}
