#pragma once
// The page view of the information browser, behind an interface of our own.
// The browser's own rich-text view shows the help pages; the web engine, a
// separate module, is opened only for a page that needs scripts, so it costs
// nothing at start-up nor on the first F1 (websider.h).
#include <functional>
#include <QString>
#include <QUrl>

class QWidget;

class TWebSideFlade {
public:
    struct Haendelser {
        // The page shown changed: its address and its title (after loading).
        std::function<void(const QUrl& url, const QString& titel)> sideVist;
        // The link under the mouse (empty when the mouse leaves it).
        std::function<void(const QString& adresse)> linkOver;
    };

    virtual ~TWebSideFlade() = default;
    // The view's widget, owned by the parent given when it was made.
    virtual QWidget* widget() = 0;
    virtual void naviger(const QUrl& url) = 0;
    virtual QUrl url() const = 0;
    virtual void setHaendelser(Haendelser h) = 0;
    // The folder of the structure shown: a page may read files inside it only.
    virtual void setMappe(const QString& mappe) { (void)mappe; }
};

// The module's one entry point: makes a view inside `ejer`.
using TLavWebSide = TWebSideFlade* (*)(QWidget* ejer);
#define TAVLIX_LAV_WEBSIDE "tavlix_lav_webside"
