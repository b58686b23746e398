#include "ui/calc/udtrykshandlinger.h"

#include "core/calc/regner.h"
#include "core/formula/udtryk.h"
#include "ui/common/graense.h"

#include <QAction>
#include <QWidget>

TUdtryksHandlinger::TUdtryksHandlinger(TUdtryk& udtryk, TRegner& regner, QWidget* vindue)
    : QObject(vindue), m_udtryk(udtryk), m_regner(regner) {
    auto lav = [&](const QString& tekst, const QString& hint, const QList<QKeySequence>& genveje,
                   auto&& udfoer) {
        auto* a = new QAction(tekst, this);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        a->setShortcuts(genveje);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [vindue, udfoer] { vedGraensen(vindue, udfoer); });
        vindue->addAction(a);
        return a;
    };
    aRydAlt = lav(QStringLiteral("Ryd alt"), QStringLiteral("Ryd alle data: Ctrl+Delete"),
                  {QKeySequence(Qt::CTRL | Qt::Key_Delete)}, [this] { m_udtryk.aRydAlt(); });
    aBeregn = lav(QStringLiteral("Beregn"), QStringLiteral("Beregn det skrevne udtryk"),
                  {QKeySequence(Qt::Key_F9)}, [this] { m_udtryk.aBeregn(); });
    aVis =
        lav(QStringLiteral("Vis"), QStringLiteral("Vis aktuelle beregning i formelsprog:  Ctrl+F"),
            {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::Key_Insert)},
            [this] { m_udtryk.aVis(); });
    newFormel = lav(QStringLiteral("Ryd til ny formel"), QString(),
                    {QKeySequence(Qt::CTRL | Qt::Key_Home)}, [this] { m_udtryk.newFormel(); });
    AinsertFromDis = lav(QStringLiteral("Insæt fra display"), QString(), {},
                         [this] { Q_EMIT indsaetFraDisplay(); });

    connect(&udtryk, &TUdtryk::aendret, this, &TUdtryksHandlinger::opdater);
    connect(&regner, &TRegner::aendret, this, &TUdtryksHandlinger::opdater);
    opdater();
}

void TUdtryksHandlinger::opdater() {
    aBeregn->setEnabled(m_udtryk.aBeregnEnabled());
    // F9 evaluates the memo only while a calculator page is shown; on the other
    // pages the key belongs to the page (solve, run), so the action lets it go.
    const QList<QKeySequence> f9{QKeySequence(Qt::Key_F9)};
    const QList<QKeySequence> beregnGenvej =
        m_regner.tastaturSynligt() ? f9 : QList<QKeySequence>{};
    if (aBeregn->shortcuts() != beregnGenvej) aBeregn->setShortcuts(beregnGenvej);
    aVis->setEnabled(m_udtryk.aVisEnabled());
    aRydAlt->setEnabled(m_udtryk.aRydAltEnabled());
    newFormel->setEnabled(m_udtryk.newFormelEnabled());
}
