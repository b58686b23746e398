// The web engine page view, built as a module of its own so that the program
// loads the engine only when the information browser first shows a page.
#include "../websideflade.h"

#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class TWebMotorSide : public QWebEngineView, public TWebSideFlade {
public:
    explicit TWebMotorSide(QWidget* ejer) : QWebEngineView(ejer) {
        setObjectName(QStringLiteral("Web"));
        connect(this, &QWebEngineView::titleChanged, this, [this](const QString& titel) {
            if (m_h.sideVist) m_h.sideVist(QWebEngineView::url(), titel);
        });
        connect(this, &QWebEngineView::loadFinished, this, [this](bool) {
            if (m_h.sideVist) m_h.sideVist(QWebEngineView::url(), title());
        });
        connect(page(), &QWebEnginePage::linkHovered, this, [this](const QString& adresse) {
            if (m_h.linkOver) m_h.linkOver(adresse);
        });
    }

    QWidget* widget() override { return this; }
    void naviger(const QUrl& url) override { load(url); }
    QUrl url() const override { return QWebEngineView::url(); }
    void setHaendelser(Haendelser h) override { m_h = std::move(h); }

protected:
    // A page that asks for a new window gets this view: the page opens in place.
    QWebEngineView* createWindow(QWebEnginePage::WebWindowType) override { return this; }

private:
    Haendelser m_h;
};

} // namespace

extern "C" Q_DECL_EXPORT TWebSideFlade* tavlix_lav_webside(QWidget* ejer) {
    return new TWebMotorSide(ejer);
}
