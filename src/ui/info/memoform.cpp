#include "ui/info/memoform.h"

#include "ui/common/navngiv.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TmemoForm::TmemoForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TmemoForm"));
    setWindowTitle(QStringLiteral("memoForm"));
    resize(560, 420);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo"));
    navngiv(m_memo, QStringLiteral("Tekst"), QString());
    // "Courier New" where it exists, else the system's fixed-width font.
    QFont f(QStringLiteral("Courier New"), 10);
    f.setStyleHint(QFont::Monospace);
    if (!QFontDatabase::hasFamily(f.family())) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSize(10);
    }
    m_memo->setFont(f);
    l->addWidget(m_memo);
}
