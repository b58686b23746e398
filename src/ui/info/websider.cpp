#include "ui/info/websider.h"

#include "core/common/installation.h"
#include "ui/info/tekstside.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QRegularExpression>
#include <QStackedWidget>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

bool s_webMotor = false;

TLavWebSide hentModul(QString* grund) {
#ifdef TAVLIX_WEBSIDE_STI
    const QString bygget = QStringLiteral(TAVLIX_WEBSIDE_STI);
#else
    const QString bygget;
#endif
    return reinterpret_cast<TLavWebSide>(installation::hentModulSymbol(
        QStringLiteral("tavlix_webside"), TAVLIX_LAV_WEBSIDE, bygget, grund));
}

TLavWebSide findModul() {
    if (qEnvironmentVariable("TAVLIX_WEBSIDE") == QLatin1String("tekst")) return nullptr;
    QString grund;
    const TLavWebSide f = hentModul(&grund);
    // The plain view stands in; say why, so a broken install shows.
    if (!f) qWarning("tavlix: %s; siderne vises uden webmotor", qUtf8Printable(grund));
    return f;
}

bool kunTekst() {
    return qEnvironmentVariable("TAVLIX_WEBSIDE") == QLatin1String("tekst");
}

// The page view the browser holds: the rich-text view, and the web engine's
// view made the first time a page needs it. Both stay; each page is shown by
// the one that suits it.
class TSideVaelger : public QStackedWidget, public TWebSideFlade {
public:
    explicit TSideVaelger(QWidget* ejer) : QStackedWidget(ejer), m_tekst(new TTekstSide(this)) {
        setObjectName(QStringLiteral("Sidevisning"));
        setFocusProxy(m_tekst);
        addWidget(m_tekst);
    }

    QWidget* widget() override { return this; }
    void naviger(const QUrl& url) override {
        TWebSideFlade* v = m_tekst;
        if (url.isLocalFile() && sideMaaLaese(url.toLocalFile(), m_mappe, TTekstSide::maksFil)) {
            QFile f(url.toLocalFile());
            if (f.open(QIODevice::ReadOnly) &&
                websider::kraeverMotor(f.read(TTekstSide::maksFil), url))
                if (TWebSideFlade* m = motor()) v = m;
        }
        vis(v);
        v->naviger(url);
    }
    QUrl url() const override { return m_vist->url(); }
    void setHaendelser(Haendelser h) override {
        m_h = std::move(h);
        m_tekst->setHaendelser(m_h);
        if (m_motor) m_motor->setHaendelser(m_h);
    }
    void setMappe(const QString& mappe) override {
        m_mappe = mappe;
        m_tekst->setMappe(mappe);
        if (m_motor) m_motor->setMappe(mappe);
    }

private:
    TWebSideFlade* motor() {
        if (!m_motor && !m_motorForsoegt) {
            m_motorForsoegt = true;
            if (TLavWebSide lav = kunTekst() ? nullptr : findModul()) {
                m_motor = lav(this);
                m_motor->setHaendelser(m_h);
                m_motor->setMappe(m_mappe);
                m_motor->widget()->setAccessibleName(m_tekst->accessibleName());
                addWidget(m_motor->widget());
            }
        }
        return m_motor;
    }
    void vis(TWebSideFlade* v) {
        const bool fokus = m_vist->widget()->hasFocus();
        m_vist = v;
        s_webMotor = v != m_tekst;
        setCurrentWidget(v->widget());
        setFocusProxy(v->widget());
        if (fokus) v->widget()->setFocus();
    }

    TTekstSide* m_tekst;
    TWebSideFlade* m_motor = nullptr;
    bool m_motorForsoegt = false;
    TWebSideFlade* m_vist = m_tekst;
    Haendelser m_h;
    QString m_mappe;
};

} // namespace

namespace websider {

void forbered() {
#ifdef Q_OS_UNIX
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    // Qt::AA_ShareOpenGLContexts is left off on purpose: it makes a GL
    // context at start-up, which triples the program's start-up memory.
}

bool kraeverMotor(const QByteArray& html, const QUrl& side) {
    // The shared script of a structure's design only folds examples in and
    // out; a page reads as well without it.
    const QString faelles = QFileInfo(side.toLocalFile())
                                .dir()
                                .filePath(QStringLiteral("Design og funktioner/funktioner.js"));
    static const QRegularExpression script(QStringLiteral("<script\\b([^>]*)>"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression src(
        QStringLiteral("\\bsrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QString tekst = QString::fromLatin1(html);
    for (auto it = script.globalMatch(tekst); it.hasNext();) {
        const auto m = src.match(it.next().captured(1));
        if (!m.hasMatch()) return true; // a script in the page itself
        const QString adresse = m.captured(1) + m.captured(2) + m.captured(3);
        const QUrl fuld = side.resolved(QUrl(adresse.trimmed()));
        if (!fuld.isLocalFile() || QDir::cleanPath(fuld.toLocalFile()) != QDir::cleanPath(faelles))
            return true;
    }
    return false;
}

TWebSideFlade* lav(QWidget* ejer) {
    s_webMotor = false;
    return new TSideVaelger(ejer);
}

TWebSideFlade* lavWebMotor(QWidget* ejer, QString* grund) {
    const TLavWebSide f = hentModul(grund);
    return f ? f(ejer) : nullptr;
}

bool erWebMotor() {
    return s_webMotor;
}

} // namespace websider
