#pragma once
// The page view of the information browser, behind an interface of our own.
// The real view is the web engine, which lives in a separate module opened
// the first time a page is shown, so the engine costs nothing at start-up;
// without the module a plain text browser stands in (websider.h).
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
};

// The module's one entry point: makes a view inside `ejer`.
using TLavWebSide = TWebSideFlade* (*)(QWidget* ejer);
#define TAVLIX_LAV_WEBSIDE "tavlix_lav_webside"
