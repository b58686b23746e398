#include "info/websider.h"

#include "common/installation.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLibrary>
#include <QTextBrowser>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

bool s_webMotor = false;

// The stand-in: local pages with their links; other addresses go to the
// system's web browser.
class TTekstSide : public QTextBrowser, public TWebSideFlade {
public:
    explicit TTekstSide(QWidget* ejer) : QTextBrowser(ejer) {
        setObjectName(QStringLiteral("Web"));
        setOpenLinks(false);
        connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& u) {
            const QUrl fuld = source().resolved(u);
            if (fuld.isLocalFile())
                naviger(fuld);
            else
                QDesktopServices::openUrl(fuld);
        });
        connect(this, &QTextBrowser::highlighted, this, [this](const QUrl& u) {
            if (m_h.linkOver)
                m_h.linkOver(u.isEmpty() ? QString() : source().resolved(u).toString());
        });
    }

    QWidget* widget() override { return this; }
    void naviger(const QUrl& url) override {
        if (!url.isLocalFile()) {
            QDesktopServices::openUrl(url);
            return;
        }
        setSource(url);
        if (m_h.sideVist) m_h.sideVist(url, documentTitle());
    }
    QUrl url() const override { return source(); }
    void setHaendelser(Haendelser h) override { m_h = std::move(h); }

private:
    Haendelser m_h;
};

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

TWebSideFlade* lav(QWidget* ejer) {
    if (TLavWebSide f = findModul()) {
        s_webMotor = true;
        return f(ejer);
    }
    s_webMotor = false;
    return new TTekstSide(ejer);
}

TWebSideFlade* lavWebMotor(QWidget* ejer, QString* grund) {
    const TLavWebSide f = hentModul(grund);
    return f ? f(ejer) : nullptr;
}

bool erWebMotor() {
    return s_webMotor;
}

} // namespace websider
