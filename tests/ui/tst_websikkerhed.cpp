// A help page is a file anyone can replace. Shown by the real web engine, a
// hostile page may load its own files but must neither read a file outside
// its structure's folder nor reach the network (http, fetch, WebSocket,
// pictures). A listening socket on the loopback must see no connection.
#include "ui/info/websideflade.h"
#include "ui/info/websider.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A TCP listener on 127.0.0.1 that only counts connections.
class Lytter {
public:
    Lytter() {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t n = sizeof a;
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), n) != 0 ||
            ::listen(m_fd, 16) != 0 || ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &n))
            return;
        m_port = ntohs(a.sin_port);
    }
    ~Lytter() {
        if (m_fd >= 0) ::close(m_fd);
    }
    int port() const { return m_port; }
    int forbindelser() {
        for (;;) {
            const int c = ::accept(m_fd, nullptr, nullptr);
            if (c < 0) break;
            ::close(c);
            ++m_antal;
        }
        return m_antal;
    }

private:
    int m_fd = -1;
    int m_port = 0;
    int m_antal = 0;
};

void skriv(const QString& sti, const QByteArray& b) {
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

QWidget* motorVisning(QWidget* rod) {
    for (QWidget* w : rod->findChildren<QWidget*>())
        if (w->inherits("QWebEngineView")) return w;
    return nullptr;
}

} // namespace

class TstWebSikkerhed : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fjendtligSide() {
        Lytter lytter;
        QVERIFY(lytter.port() > 0);
        QTemporaryDir hemmelig, struktur;
        const QString hemmeligFil = hemmelig.filePath(u"hemmelig.txt"_s);
        skriv(hemmeligFil, "HEMMELIGT-INDHOLD");
        QImage prik(1, 1, QImage::Format_RGB32);
        prik.fill(Qt::red);
        QVERIFY(prik.save(hemmelig.filePath(u"hemmelig.png"_s)));
        QDir(struktur.path()).mkpath(u"tekstfiler"_s);
        // Its own script and picture beside it load; everything else is refused.
        skriv(struktur.filePath(u"tekstfiler/egen.js"_s), "r.push('egen');");
        QVERIFY(prik.save(struktur.filePath(u"tekstfiler/egen.png"_s)));
        // A link inside the folder that points out of it.
        QVERIFY(QFile::link(hemmeligFil, struktur.filePath(u"tekstfiler/link.txt"_s)));
        const QString port = QString::number(lytter.port());
        const QString side = struktur.filePath(u"tekstfiler/ond.html"_s);
        skriv(side,
              QString::fromUtf8(
                  "<html><head><title>start</title>\n"
                  "<script>var r = [];</script><script src=\"egen.js\"></script></head><body>\n"
                  "<img src=\"http://127.0.0.1:%1/billede.png\"><iframe "
                  "src=\"data:text/html,<b>x</b>\"></iframe>\n"
                  "<iframe id=\"ramme\" src=\"file://%2\" onload=\"try { r.push('ramme:' + "
                  "document.getElementById('ramme').contentDocument.body.innerText); } catch (e) "
                  "{}\"></iframe>\n"
                  "<script>\n"
                  "function laes(adresse) {\n"
                  "  try { var x = new XMLHttpRequest(); x.open('GET', adresse, false); x.send();\n"
                  "        r.push('laest:' + x.responseText.length + ':' + x.responseText); }\n"
                  "  catch (e) { r.push('blokeret'); }\n"
                  "}\n"
                  "function billede(adresse, navn) {\n"
                  "  var i = new Image(); i.onload = function () { r.push(navn); }; i.src = "
                  "adresse;\n"
                  "}\n"
                  "laes('file://%2');\n"
                  "laes('file:///etc/hostname');\n"
                  "laes('file:///etc/');\n"
                  "laes('link.txt');\n"
                  "billede('egen.png', 'eget-billede');\n"
                  "billede('file://%3', 'billede-ude');\n"
                  "try { fetch('file:///etc/hostname').then(function (s) { return s.text(); })\n"
                  "        .then(function (t) { r.push('hentet:' + t); }).catch(function () {}); } "
                  "catch (e) {}\n"
                  "try { new WebSocket('ws://127.0.0.1:%1/ws'); } catch (e) {}\n"
                  "try { fetch('http://127.0.0.1:%1/fetch').catch(function () {}); } catch (e) {}\n"
                  "try { navigator.sendBeacon('http://127.0.0.1:%1/beacon', 'x'); } catch (e) {}\n"
                  "try { window.open('http://127.0.0.1:%1/vindue'); } catch (e) {}\n"
                  "try { new Worker('file://%2'); } catch (e) {}\n"
                  "setTimeout(function () { document.title = 'slut ' + r.join(' '); }, 1500);\n"
                  "</script></body></html>")
                  .arg(port, hemmeligFil, hemmelig.filePath(u"hemmelig.png"_s))
                  .toUtf8());

        QWidget rod;
        rod.resize(400, 300);
        TWebSideFlade* v = websider::lav(&rod);
        v->setMappe(struktur.path());
        v->naviger(QUrl::fromLocalFile(side));
        QWidget* motor = motorVisning(&rod);
        if (!websider::erWebMotor() || !motor)
            QSKIP("the web engine module cannot be loaded on this machine");
        rod.show();
        QTRY_VERIFY_WITH_TIMEOUT(motor->property("title").toString().startsWith(u"slut"_s), 30000);
        const QString titel = motor->property("title").toString();
        QVERIFY2(titel.contains(QStringLiteral("egen")), qPrintable(titel));
        QVERIFY2(titel.contains(QStringLiteral("eget-billede")), qPrintable(titel));
        for (const char* ord : {"HEMMELIGT", "laest", "hentet", "billede-ude"})
            QVERIFY2(!titel.contains(QLatin1String(ord)), qPrintable(titel));
        QVERIFY2(titel.count(QStringLiteral("blokeret")) == 4, qPrintable(titel));
        // Give late requests time to arrive.
        QTest::qWait(1000);
        QCOMPARE(lytter.forbindelser(), 0);
        delete v->widget();
    }
};

int main(int argc, char** argv) {
    qunsetenv("TAVLIX_WEBSIDE");
    websider::forbered();
    QApplication app(argc, argv);
    TstWebSikkerhed t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_websikkerhed.moc"
