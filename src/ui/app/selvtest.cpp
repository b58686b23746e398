#include "ui/app/selvtest.h"

#include "core/common/fejl.h"
#include "core/graph/bitmapprint.h"
#include "core/other/datoside.h"
#include "ui/app/tavlix.h"
#include "ui/graph/tryk.h"
#include "ui/graph/trykflade.h"
#include "ui/info/websider.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

void linje(const QString& t) {
    std::fputs(qUtf8Printable(t + u'\n'), stdout);
    std::fflush(stdout);
}

bool datoer(const QString& programdir) {
    OpsamledeBeskeder b;
    TDatoside side(programdir, b);
    const char* felter[2][3] = {{"1", "1", "2019"}, {"2", "2", "2020"}};
    for (int nr = 1; nr <= 2; ++nr)
        for (int f = 0; f < 3; ++f)
            side.setFelt(nr, f, QString::fromLatin1(felter[nr - 1][f]));
    try {
        side.beregnKnapClick();
        side.koerTilEnde();
    } catch (const TFejl& e) {
        b.fejl(e.tekst());
    }
    const bool ok = side.Edit2 == QLatin1String("397 dage ialt.");
    linje(QStringLiteral("datoer: ") +
          (ok ? side.Edit1 + u' ' + side.Edit2 : b.tekster.join(u' ')) + QStringLiteral(" (") +
          side.programFil() + u')');
    return ok;
}

bool udskrift(const QString& pdf) {
    TTrykFlade* t = tryk::flade();
    if (!t) {
        linje(QStringLiteral("udskrift: ") + tryk::mangler());
        return false;
    }
    QImage billede(200, 100, QImage::Format_RGB32);
    billede.fill(Qt::white);
    try {
        auto p = t->printer(billede, pdf);
        p->BeginDoc();
        p->StretchDraw(100, 100, 900, 500);
        p->EndDoc();
    } catch (const TFejl& e) {
        linje(QStringLiteral("udskrift: ") + e.tekst());
        return false;
    }
    QFile f(pdf);
    const bool ok = f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-";
    linje(QStringLiteral("udskrift: ") + (ok ? pdf : QStringLiteral("ingen PDF i ") + pdf));
    return ok;
}

bool webside(const QString& side) {
    QString grund;
    QWidget vaert;
    TWebSideFlade* view = websider::lavWebMotor(&vaert, &grund);
    if (!view) {
        linje(QStringLiteral("webside: ") + grund);
        return false;
    }
    QEventLoop loekke;
    QString titel;
    TWebSideFlade::Haendelser h;
    h.sideVist = [&](const QUrl&, const QString& t) {
        if (t.isEmpty()) return;
        titel = t;
        loekke.quit();
    };
    view->setHaendelser(std::move(h));
    vaert.resize(640, 480);
    vaert.show();
    // The engine shows only pages inside the folder it is given.
    view->setMappe(QFileInfo(side).absolutePath());
    view->naviger(QUrl::fromLocalFile(QFileInfo(side).absoluteFilePath()));
    QTimer::singleShot(60000, &loekke, &QEventLoop::quit);
    loekke.exec();
    linje(QStringLiteral("webside: ") +
          (titel.isEmpty() ? QStringLiteral("siden blev ikke vist") : titel));
    return !titel.isEmpty();
}

} // namespace

namespace selvtest {

int koer(QApplication& app, const QString& programdir, const QStringList& argumenter) {
    if (argumenter.isEmpty() || argumenter.size() > 2) {
        std::fputs("Brug: tavlix --self-test PDF [SIDE]\n", stderr);
        return 2;
    }
    bool ok = true;
    {
        Tavlix tavlix(app, programdir);
        tavlix.vis();
        QApplication::processEvents();
        ok = QFileInfo(programdir + QStringLiteral("/Egenskaber")).isDir();
        linje(QStringLiteral("start: ") + (ok ? programdir : QStringLiteral("ingen datamappe")));
    }
    ok = datoer(programdir) && ok;
    ok = udskrift(argumenter.at(0)) && ok;
    if (argumenter.size() > 1) ok = webside(argumenter.at(1)) && ok;
    return ok ? 0 : 1;
}

} // namespace selvtest
