#include "ui/info/tekstside.h"

#include "core/common/stier.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>

bool sideMaaLaese(const QString& sti, const QString& mappe, qint64 maksBytes) {
    if (sti.isEmpty() || mappe.isEmpty()) return false;
    // Both sides with links resolved, so that neither "..", nor a link inside
    // the folder that points out of it, gets past.
    if (!stier::aegteIndenfor(mappe, sti)) return false;
    const QFileInfo aegteFil(QFileInfo(sti).canonicalFilePath());
    return aegteFil.isFile() && aegteFil.size() <= maksBytes;
}

TTekstSide::TTekstSide(QWidget* ejer) : QTextBrowser(ejer) {
    setObjectName(QStringLiteral("Web"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& u) { naviger(source().resolved(u)); });
    connect(this, &QTextBrowser::highlighted, this, [this](const QUrl& u) {
        if (m_h.linkOver) m_h.linkOver(u.isEmpty() ? QString() : source().resolved(u).toString());
    });
}

void TTekstSide::naviger(const QUrl& url) {
    if (!url.isLocalFile()) {
        // An address on the network is the desktop browser's; other schemes
        // (a page's "javascript:", say) are nobody's.
        static const QStringList ud = {QStringLiteral("http"), QStringLiteral("https"),
                                       QStringLiteral("mailto")};
        if (ud.contains(url.scheme(), Qt::CaseInsensitive)) QDesktopServices::openUrl(url);
        return;
    }
    // A file outside the structure is neither shown nor handed on.
    if (!sideMaaLaese(url.toLocalFile(), m_mappe, maksFil)) return;
    setSource(url);
    if (m_h.sideVist) m_h.sideVist(url, documentTitle());
}

QVariant TTekstSide::loadResource(int type, const QUrl& navn) {
    Q_UNUSED(type);
    const QUrl fuld = navn.isRelative() ? source().resolved(navn) : navn;
    if (!fuld.isLocalFile()) return {};
    const QString sti = fuld.toLocalFile();
    if (!sideMaaLaese(sti, m_mappe, maksFil)) return {};
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.read(maksFil);
}
