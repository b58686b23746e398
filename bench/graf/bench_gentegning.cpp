// Repaint of the graph canvas: 20 visible curves (parabolas, cubics,
// hyperbolas and lines) with grid, axes and ticks on a 1920 × 1080 picture,
// drawn with the same painter surface as the graph window. Prints the median
// and the slowest of the repaints, in wall-clock time and in processor time
// (the latter is what a repaint costs, whatever else the machine runs); one
// frame is 16 ms.
#include "core/graph/funktioner.h"
#include "core/graph/grafoptioner.h"
#include "paint/painterlaerred.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <vector>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TFunktioner g;
    saetGraf(g, TGrafOptioner());
    g.setStoerrelse(1920, 1080);
    for (int i = 0; i < 20; ++i) {
        const double k = 1 + i * 0.37;
        switch (i % 5) {
        case 0:
            g.NyGraf(0.1 * k, -k, k - 5, u'a', true);
            break;
        case 1:
            g.NyGraf3(0.02 * k, -0.1 * k, -k, 3, true);
            break;
        case 2:
            g.NyGraf(1, k, 4 * k, u'*', true);
            break;
        case 3:
            g.NyGraf(k, 1, k, u'+', true);
            break;
        default:
            g.NyGraf(k, 2, 1, u'/', true);
        }
    }
    QImage billede(1920, 1080, QImage::Format_RGB32);
    const int antal = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::vector<double> ms, cpu;
    QElapsedTimer ur;
    for (int i = 0; i < antal + 5; ++i) {
        ur.start();
        const std::clock_t c0 = std::clock();
        {
            QPainter p(&billede);
            TPainterLaerred l(p, billede.size());
            g.Paint(l);
        }
        if (i < 5) continue; // the first few warm up
        ms.push_back(static_cast<double>(ur.nsecsElapsed()) / 1e6);
        cpu.push_back(double(std::clock() - c0) * 1000.0 / CLOCKS_PER_SEC);
    }
    const auto vis = [antal](const char* hvad, std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        std::printf("repaint, 20 curves, 1920x1080, %s: min %.2f ms, median %.2f ms, 95%% %.2f ms, "
                    "max %.2f ms (%d runs)\n",
                    hvad, v.front(), v[v.size() / 2], v[v.size() * 95 / 100], v.back(), antal);
    };
    vis("wall clock", ms);
    vis("processor", cpu);
    return 0;
}
