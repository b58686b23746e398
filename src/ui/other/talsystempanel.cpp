#include "ui/other/talsystempanel.h"

#include "core/other/talsystemside.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/visning.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

TTalsystemPanel::TTalsystemPanel(TTalsystemside& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("side1"));
    auto* l = new QGridLayout(this);
    l->setContentsMargins(8, 8, 8, 8);
    l->setHorizontalSpacing(8);
    l->setVerticalSpacing(6);

    auto lavFelt = [this, l](int raekke, const QString& navn, const QString& objekt) {
        auto* label = new QLabel(navn, this);
        auto* felt = new TVisning(this);
        felt->setObjectName(objekt);
        felt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        navngiv(felt, navn, QString());
        label->setBuddy(felt);
        l->addWidget(label, raekke, 0);
        l->addWidget(felt, raekke, 1, 1, 3);
        return felt;
    };
    m_inputEdit = lavFelt(0, QStringLiteral("Input"), QStringLiteral("inputEdit"));
    m_outputEdit = lavFelt(1, QStringLiteral("Output"), QStringLiteral("outputEdit"));

    l->addWidget(lavBaser(QStringLiteral("Input"), QStringLiteral("inputBox"), m_input, true), 2, 0,
                 1, 2, Qt::AlignTop);
    l->addWidget(lavBaser(QStringLiteral("Output"), QStringLiteral("outputBox"), m_output, false),
                 2, 2, Qt::AlignTop);

    // The keys in four rows: 1 2 3 A B / 4 5 6 C D / 7 8 9 E F / 0.
    auto* tastatur = new QWidget(this);
    tastatur->setObjectName(QStringLiteral("tastaturPanel"));
    auto* tl = new QGridLayout(tastatur);
    tl->setContentsMargins(0, 0, 0, 0);
    tl->setSpacing(4);
    const int raekker[4][5] = {
        {1, 2, 3, 10, 11}, {4, 5, 6, 12, 13}, {7, 8, 9, 14, 15}, {0, -1, -1, -1, -1}};
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 5; ++k) {
            const int d = raekker[r][k];
            if (d < 0) continue;
            const QString caption = d < 10 ? QString::number(d) : QString(QChar(u'A' + d - 10));
            auto* b = new QPushButton(caption, tastatur);
            b->setObjectName(d < 10 ? QStringLiteral("rm%1").arg(d)
                                    : QStringLiteral("hex") + caption);
            b->setFixedSize(40, 30);
            b->setFocusPolicy(Qt::NoFocus);
            navngiv(b, caption, QStringLiteral("Tilføj cifferet %1").arg(caption));
            connect(b, &QPushButton::clicked, this,
                    [this, d] { vedGraensen(this, [&] { m_model.ActionExecute(d); }); });
            tl->addWidget(b, r, k);
            m_cifre[d] = b;
        }
    }
    // Under the keys, the three command buttons, as wide as the keypad.
    auto* knapper = new QVBoxLayout;
    knapper->setContentsMargins(0, 8, 0, 0);
    knapper->setSpacing(4);
    tl->addLayout(knapper, 4, 0, 1, 5);
    l->addWidget(tastatur, 2, 3, Qt::AlignTop);

    struct Knap {
        const char* navn;
        const char* caption;
        const char* hint;
        void (TTalsystemside::*handling)();
    };
    const Knap liste[] = {
        {"nyKnap", "Ny", "Forbered nyt input med samme input talsystem",
         &TTalsystemside::nyKnapClick},
        {"hentKnap", "Hent fra tavlix", "Hent værdien i tavlixs display (afrundet til heltal)",
         &TTalsystemside::hentKnapClick},
        {"spmTalsystemerKnap", "Information", "Information om talsystemer",
         &TTalsystemside::spmTalsystemerKnapClick},
    };
    for (const Knap& k : liste) {
        auto* b = new QPushButton(QString::fromUtf8(k.caption), this);
        b->setObjectName(QString::fromLatin1(k.navn));
        b->setFocusPolicy(Qt::TabFocus);
        // Both tool pages have an "Information" button: the page names it.
        const QString navn = b->text() == QStringLiteral("Information")
                                 ? QStringLiteral("Information om talsystemer")
                                 : b->text();
        navngiv(b, navn, QString::fromUtf8(k.hint));
        const auto handling = k.handling;
        connect(b, &QPushButton::clicked, this,
                [this, handling] { vedGraensen(this, m_model, handling); });
        knapper->addWidget(b);
    }
    l->setRowStretch(3, 1);
    l->setColumnStretch(1, 1);
    l->setColumnStretch(2, 1);

    connect(&m_model, &TTalsystemside::aendret, this, &TTalsystemPanel::opdater);
    opdater();
}

QWidget* TTalsystemPanel::lavBaser(const QString& titel, const QString& navn,
                                   QRadioButton** knapper, bool input) {
    auto* boks = new QGroupBox(titel, this);
    boks->setObjectName(navn);
    boks->setAccessibleName(titel + QStringLiteral(" talsystem"));
    auto* gl = new QGridLayout(boks);
    gl->setContentsMargins(6, 4, 6, 4);
    gl->setHorizontalSpacing(10);
    gl->setVerticalSpacing(4);
    const QStringList navne = TTalsystemside::baseNavne();
    for (int i = 0; i < navne.size(); ++i) {
        auto* r = new QRadioButton(navne.at(i), boks);
        r->setFocusPolicy(Qt::TabFocus);
        navngiv(r, titel + u' ' + navne.at(i),
                QStringLiteral("%1 i talsystemet med grundtal %2").arg(titel).arg(i + 2));
        // Two columns, filled top to bottom.
        gl->addWidget(r, i % 8, i / 8);
        // On the choice, not the click: arrow keys and assistive technology choose
        // too. Our own sync in opdater() chooses what the model has: skipped.
        connect(r, &QRadioButton::toggled, this, [this, i, input](bool valgt) {
            if (!valgt || i == (input ? m_model.inputIndex : m_model.outputIndex)) return;
            vedGraensen(this, [&] {
                if (input)
                    m_model.setInputIndex(i);
                else
                    m_model.setOutputIndex(i);
            });
            opdater(); // a click on the checked item changes nothing
        });
        knapper[i] = r;
    }
    return boks;
}

void TTalsystemPanel::opdater() {
    m_inputEdit->setText(m_model.inputEdit);
    m_outputEdit->setText(m_model.outputEdit);
    for (int d = 0; d < 16; ++d)
        if (m_cifre[d]) m_cifre[d]->setEnabled(m_model.cifferAktivt(d));
    for (int i = 0; i < 15; ++i) {
        m_input[i]->setChecked(i == m_model.inputIndex);
        m_output[i]->setChecked(i == m_model.outputIndex);
    }
}
