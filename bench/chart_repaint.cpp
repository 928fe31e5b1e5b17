// The catch test chart repainted with all 18 bars, the band, the average and
// the wear marks: the median of REPEATS synchronous repaints of the shown
// chart, and of REPEATS renders into an image (what Copy Chart grabs).
// Prints "chart_repaint ms" and "chart_render ms".
#include "probe.h"

#include "core/catch_chart.h"
#include "screens/catch_chart_view.h"

#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

using namespace zelk;
using namespace zelk::bench;

namespace {

// A whole boom with worn, blocked and out-of-band nozzles, so every part of
// the chart is drawn.
CatchChartModel Boom() {
    CatchEntries entries{"10", "30", "3", {}};
    const char* catches[] = {"600", "605", "595", "670", "610", "590", "520", "600", "605",
                             "598", "680", "602", "596", "607", "600", "594", "603", "599"};
    for (std::size_t i = 0; i < std::size(catches); ++i)
        entries.nozzles[i] = catches[i];
    const auto results = std::get<CatchResults>(EvaluateCatchTest(entries, '.'));
    return std::get<CatchChartModel>(
        ChartOfCatchTest(results, WearEntries{4, "10", "30", "3"}, '.'));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::stoi(argv[1])) : 200;
    CatchChartView chart;
    chart.setModel(Boom());
    chart.resize(chart.sizeHint());
    chart.show();
    PaintProbe probe;
    if (!probe.waitPainted(&chart)) {
        std::fprintf(stderr, "the chart was not painted\n");
        return 2;
    }
    std::vector<double> repaints, renders;
    QImage image(chart.size() * chart.devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(chart.devicePixelRatioF());
    for (int i = 0; i < repeats; ++i) {
        std::int64_t start = monotonicNs();
        chart.repaint();
        repaints.push_back(double(monotonicNs() - start) / 1e6);
        start = monotonicNs();
        chart.render(&image);
        renders.push_back(double(monotonicNs() - start) / 1e6);
    }
    report("chart_repaint", median(repaints));
    report("chart_render", median(renders));
    return 0;
}
