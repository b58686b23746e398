// The structure tree with many elements: loading a structure of n nodes and
// showing it in the tree view (until painted), then inserting and deleting a
// node in it. Targets: 100 000 elements shown in under 1 s; an insert or a
// delete touches only its branch (its time does not grow with n).
#include "faelles.h"

#include "core/info/struktur.h"
#include "ui/info/strukturvisning.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

namespace {

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

void maal(int n) {
    QTemporaryDir dir;
    // 100 chapters, each with sections of 10 leaves: three levels.
    QString tekst;
    QTextStream ud(&tekst);
    int lavet = 0;
    for (int k = 0; lavet < n; ++k) {
        ud << "Kapitel " << k << "\r\n";
        ++lavet;
        for (int a = 0; lavet < n && a < n / 1100 + 1; ++a) {
            ud << "\tAfsnit " << k << '.' << a << "\r\n";
            ++lavet;
            for (int b = 0; lavet < n && b < 10; ++b, ++lavet)
                ud << "\t\tSide " << k << '.' << a << '.' << b << "\r\n";
        }
    }
    ud.flush();
    QFile f(dir.path() + QStringLiteral("/struktur.txt"));
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(tekst.toUtf8());
    f.close();

    TStruktur s;
    s.Strukturfile = f.fileName();
    TStrukturVisning v(s);
    v.resize(300, 600);
    v.show();
    QCoreApplication::processEvents();

    const double c0 = bench::cpuMs();
    QElapsedTimer t;
    t.start();
    s.HentStruktur();
    s.FullExpand();
    v.repaint();
    QCoreApplication::processEvents();
    const double vis = ms(t), visCpu = bench::cpuMs() - c0;

    // A node in the middle of the tree, then a new one beside it, then away again.
    const auto alle = s.preorden();
    s.vaelg(alle[alle.size() / 2]);
    QCoreApplication::processEvents();
    const double c1 = bench::cpuMs();
    t.start();
    s.NyNode(QStringLiteral("Ny side"), QString(), 0, false, false);
    v.repaint();
    QCoreApplication::processEvents();
    const double ny = ms(t), nyCpu = bench::cpuMs() - c1;
    const double c2 = bench::cpuMs();
    t.start();
    s.SletNode();
    v.repaint();
    QCoreApplication::processEvents();
    const double slet = ms(t), sletCpu = bench::cpuMs() - c2;
    std::printf("tree of %6d elements (%d shown): shown %8.1f ms (cpu %8.1f)%s  insert %7.1f ms "
                "(cpu %7.1f)  delete %7.1f ms (cpu %7.1f)\n",
                n, s.antal(), vis, visCpu,
                n == 100000 ? (visCpu < 1000 ? " target < 1 s: met" : " target < 1 s: NOT met")
                            : "",
                ny, nyCpu, slet, sletCpu);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1) {
        maal(std::atoi(argv[1]));
        return 0;
    }
    for (int n : {12500, 25000, 50000, 100000})
        maal(n);
    return 0;
}
