#include "ui/app/omform.h"

#include "core/app/mainformmodel.h"
#include "ui/app/ikoner.h"
#include "ui/common/graense.h"
#include "ui/common/navngiv.h"
#include "ui/common/placering.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* linje(const QString& tekst, QWidget* ejer, bool fed = false, qreal skala = 1.0) {
    auto* l = new QLabel(tekst, ejer);
    l->setWordWrap(true);
    if (fed || skala != 1.0) {
        QFont f = l->font();
        f.setBold(fed);
        if (skala != 1.0) f.setPointSizeF(f.pointSizeF() * skala);
        l->setFont(f);
    }
    return l;
}

} // namespace

TomForm::TomForm(TMainformModel& hoved, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowSystemMenuHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("TomForm"));
    setWindowTitle(QStringLiteral("Om Tavlix"));
    setModal(true);

    auto* vandret = new QHBoxLayout(this);
    vandret->setContentsMargins(14, 14, 14, 14);
    vandret->setSpacing(16);

    // Left column: name, maker, versions, the two links, the edition.
    auto* venstre = new QVBoxLayout;
    venstre->setSpacing(3);
    auto* navnRaekke = new QHBoxLayout;
    auto* ikon = new QLabel(this);
    ikon->setPixmap(ikoner::lommeregner().pixmap(32, 32));
    ikon->setAccessibleName(QStringLiteral("Programikon"));
    navnRaekke->addWidget(ikon);
    navnRaekke->addWidget(linje(QStringLiteral("Tavlix"), this, true, 2.0), 1);
    venstre->addLayout(navnRaekke);
    venstre->addWidget(linje(QStringLiteral("Tavlix-værkstedet"), this));
    venstre->addSpacing(8);
    for (const char* v : {"2013: version 1.0", "2014: version 1.3", "2015: version 1.4",
                          "2022: version 2.0", "2022: version 2.1", "2024: version 3.0"})
        venstre->addWidget(linje(QString::fromUtf8(v), this));
    venstre->addSpacing(10);
    auto lavKnap = [&](const QString& tekst, const QString& hint, void (TMainformModel::*h)()) {
        auto* k = new QPushButton(tekst, this);
        k->setAutoDefault(false);
        navngiv(k, tekst, hint);
        connect(k, &QPushButton::clicked, this, [this, &hoved, h] { vedGraensen(this, hoved, h); });
        venstre->addWidget(k);
        return k;
    };
    auto* hjem = lavKnap(QStringLiteral("Hjemmesiden..."), QStringLiteral("Åbn Tavlix' hjemmeside"),
                         &TMainformModel::HjemmesidenClick);
    hjem->setObjectName(QStringLiteral("hjemmeside"));
    auto* kritik =
        lavKnap(QStringLiteral("Send Kritik..."), QStringLiteral("Send kritik og forslag"),
                &TMainformModel::SendKritikClick);
    kritik->setObjectName(QStringLiteral("sendKritik"));
    venstre->addStretch(1);
    venstre->addWidget(linje(QStringLiteral("Tavlix 3.0"), this, true));
    venstre->addWidget(linje(QStringLiteral("64 bit"), this));
    vandret->addLayout(venstre);

    auto* streg = new QFrame(this);
    streg->setFrameShape(QFrame::VLine);
    streg->setFrameShadow(QFrame::Sunken);
    vandret->addWidget(streg);

    // Right column: what is new.
    auto* hoejre = new QVBoxLayout;
    hoejre->setSpacing(5);
    hoejre->addWidget(linje(QStringLiteral("Forbredninger i version 2.0"), this, true));
    for (const char* t :
         {"Helt ny opsætning af funktionsknapper, der gør det meget nemmere at indtaste "
          "beregningerne.",
          "Inverse funktioner vises ved aktivering af Invers-funktionen.",
          "Der er indført overdisplay, der følger med i indtastningerne, hvilket giver et bedre "
          "overblik.",
          "Der er tilføjet en simpel lommeregner.", "Ny information om tavlixs funktioner.",
          "Ny enhedsinformation.",
          "Information om funktionerne ved højreklik på funktionsknapperne."})
        hoejre->addWidget(linje(QString::fromUtf8(t), this));
    hoejre->addSpacing(8);
    hoejre->addWidget(linje(QStringLiteral("Forbredninger i version 3.0"), this, true));
    hoejre->addWidget(linje(QStringLiteral("Fejl rettet i oprettelse af egne strukturer, således "
                                           "at det er muligt at oprette, aktivere og redigere "
                                           "egne strukturer."),
                            this));
    hoejre->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okKnap"));
    navngiv(ok, QStringLiteral("OK"), QStringLiteral("Luk boksen"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* okRaekke = new QHBoxLayout;
    okRaekke->addStretch(1);
    okRaekke->addWidget(ok);
    hoejre->addLayout(okRaekke);
    auto* hoejreHolder = new QWidget(this);
    hoejreHolder->setLayout(hoejre);
    hoejre->setContentsMargins(0, 0, 0, 0);
    hoejreHolder->setFixedWidth(320);
    vandret->addWidget(hoejreHolder, 1);

    adjustSize();
    setFixedSize(sizeHint());
}

void TomForm::vis() {
    if (parentWidget()) {
        const QRect ejer = parentWidget()->frameGeometry();
        centrerPaaSkaermen(*this, ejer.center());
    }
    exec();
}
