// The web engine page view, built as a module of its own so that the program
// loads the engine only when the information browser first shows a page.
//
// A help page is a file that users copy and edit, so the view treats it as
// untrusted: it may show itself, load its own files beside it and follow the
// links the user clicks, nothing more. Scripts stay on for the pages' own
// folding, but cannot reach files outside the structure's folder, open
// windows or talk to the network; a link the user clicks to anything but a
// local page goes to the desktop's browser.
#include "ui/info/websideflade.h"

#include "core/common/stier.h"

#include <QDesktopServices>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

// The engine's own set-up: makes the shared GL context the engine renders
// with. The engine normally does this before the application object exists;
// called here, when the first view is made, the program pays for the context
// only once the browser shows a page.
namespace QtWebEngineCore {
Q_DECL_IMPORT void initialize();
}

namespace {

// The folder the pages may read from; a view shares it with its filter.
struct TMappe {
    QString sti;
    bool tillader(const QUrl& url) const {
        return url.isLocalFile() && stier::aegteIndenfor(sti, url.toLocalFile());
    }
};

// Every request the engine makes passes here: only local files inside the
// structure's folder get through. Navigations the user started were handled
// by the page before they got this far.
class TAnmodningsfilter : public QWebEngineUrlRequestInterceptor {
public:
    TAnmodningsfilter(std::shared_ptr<const TMappe> mappe, QObject* ejer)
        : QWebEngineUrlRequestInterceptor(ejer), m_mappe(std::move(mappe)) {}

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (!m_mappe->tillader(info.requestUrl())) info.block(true);
    }

private:
    std::shared_ptr<const TMappe> m_mappe;
};

class THjaelpeside : public QWebEnginePage {
public:
    THjaelpeside(QWebEngineProfile* profil, std::shared_ptr<const TMappe> mappe, QObject* ejer)
        : QWebEnginePage(profil, ejer), m_mappe(std::move(mappe)) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool hovedramme) override {
        if (m_mappe->tillader(url)) return true;
        // A link the user clicked to a web address opens in the desktop's
        // browser; the help view never shows it, and a page's script cannot
        // send the user anywhere.
        if (hovedramme && type == NavigationTypeLinkClicked && !url.isLocalFile() &&
            (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
             url.scheme() == QLatin1String("mailto")))
            QDesktopServices::openUrl(url);
        return false;
    }

private:
    std::shared_ptr<const TMappe> m_mappe;
};

class TWebMotorSide : public QWebEngineView, public TWebSideFlade {
public:
    explicit TWebMotorSide(QWidget* ejer)
        : QWebEngineView(ejer), m_mappe(std::make_shared<TMappe>()) {
        setObjectName(QStringLiteral("Web"));
        // A profile of its own, kept in memory: nothing a page stores
        // outlives the view, and the filter applies to these pages alone.
        auto* profil = new QWebEngineProfile(this);
        profil->setUrlRequestInterceptor(new TAnmodningsfilter(m_mappe, profil));
        auto* side = new THjaelpeside(profil, m_mappe, this);
        QWebEngineSettings* s = side->settings();
        s->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
        // Left on: without it the engine refuses a page even its own script,
        // style and pictures beside it. Which local files a page may reach
        // is the request filter's rule (the structure's folder only).
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
        s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
        s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
        s->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
        s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
        s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
        s->setAttribute(QWebEngineSettings::XSSAuditingEnabled, true);
        setPage(side);
        // Permissions a page asks for (camera, location, notifications) are refused.
        connect(side, &QWebEnginePage::featurePermissionRequested, side,
                [side](const QUrl& herkomst, QWebEnginePage::Feature f) {
                    side->setFeaturePermission(herkomst, f, QWebEnginePage::PermissionDeniedByUser);
                });

        connect(this, &QWebEngineView::titleChanged, this, [this](const QString& titel) {
            if (m_h.sideVist) m_h.sideVist(QWebEngineView::url(), titel);
        });
        connect(this, &QWebEngineView::loadFinished, this, [this](bool) {
            if (m_h.sideVist) m_h.sideVist(QWebEngineView::url(), title());
        });
        connect(side, &QWebEnginePage::linkHovered, this, [this](const QString& adresse) {
            if (m_h.linkOver) m_h.linkOver(adresse);
        });
    }

    ~TWebMotorSide() override {
        // The page goes before its profile.
        if (QWebEnginePage* p = page()) delete p;
    }

    QWidget* widget() override { return this; }
    void naviger(const QUrl& url) override { load(url); }
    QUrl url() const override { return QWebEngineView::url(); }
    void setHaendelser(Haendelser h) override { m_h = std::move(h); }
    void setMappe(const QString& mappe) override { m_mappe->sti = mappe; }

protected:
    // A link that asks for a new window opens in place.
    QWebEngineView* createWindow(QWebEnginePage::WebWindowType) override { return this; }

private:
    std::shared_ptr<TMappe> m_mappe;
    Haendelser m_h;
};

} // namespace

extern "C" Q_DECL_EXPORT TWebSideFlade* tavlix_lav_webside(QWidget* ejer) {
    static const bool klar = [] {
        QtWebEngineCore::initialize();
        return true;
    }();
    Q_UNUSED(klar);
    return new TWebMotorSide(ejer);
}
