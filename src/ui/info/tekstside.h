#pragma once
// The information browser's own page view: Qt's rich-text browser, which
// shows the help pages at once and at little cost. A page shows itself and
// nothing more: it reads only regular files inside its structure's folder
// (stylesheets, pictures, the page itself), never an address on the network;
// a link to anything else goes to the desktop's browser.
#include "ui/info/websideflade.h"

#include <QTextBrowser>

// True when `sti` names a regular file of at most `maksBytes` bytes that,
// with links resolved, lies inside the folder `mappe`. The one rule for what
// a page may read.
bool sideMaaLaese(const QString& sti, const QString& mappe, qint64 maksBytes);

class TTekstSide : public QTextBrowser, public TWebSideFlade {
public:
    explicit TTekstSide(QWidget* ejer);

    QWidget* widget() override { return this; }
    void naviger(const QUrl& url) override;
    QUrl url() const override { return source(); }
    void setHaendelser(Haendelser h) override { m_h = std::move(h); }
    void setMappe(const QString& mappe) override { m_mappe = mappe; }

    // Largest page, stylesheet or picture read.
    static constexpr qint64 maksFil = 16 * 1024 * 1024;

protected:
    QVariant loadResource(int type, const QUrl& navn) override;

private:
    Haendelser m_h;
    QString m_mappe;
};
