// Measures Tolvane against a bare Qt window with the same controls and prints
// one table: start-up to the first painted frame in time and in instructions,
// peak memory, drawing the pictures, and the two busiest clicks. It reports;
// it never fails a build. BENCH_RUNS=n in the environment takes n process
// runs in place of 41, for a quicker look.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "baseline_window.h"
#include "callgrind_count.h"
#include "child_process.h"
#include "median.h"
#include "picture_instructions.h"
#include "pictures/picture_catalogue.h"
#include "window/frmTolvane.h"
#include "xvfb_server.h"
#include "zoom_figures.h"

namespace {

constexpr int kProcessRuns = 41;
constexpr int kPictureRuns = 31;
constexpr int kClickRuns = 501;

// Median time of `work` in microseconds over `runs` calls.
double MedianMicroseconds(int runs, const std::function<void(int)>& work) {
    std::vector<double> times;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        work(run);
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    return Median(times);
}

struct Comparison {
    double program = 0;
    double baseline = 0;
};

struct StartupFigures {
    Comparison milliseconds;
    Comparison megaInstructions;
    Comparison peakMiB;
};

int ProcessRuns() {
    const QByteArray runs = qgetenv("BENCH_RUNS");
    if (runs.isEmpty())
        return kProcessRuns;
    bool whole = false;
    const int count = runs.toInt(&whole);
    if (!whole || count < 1)
        throw std::invalid_argument("BENCH_RUNS must be a whole number above 0, not " + runs.toStdString());
    return count;
}

// Runs the program and the baseline in turn, so both see the same machine.
StartupFigures MeasureStartup(const std::vector<std::string>& environment, int runs) {
    std::vector<double> programMs, baselineMs, programMiB, baselineMiB;
    for (int run = 0; run < runs; ++run) {
        const ProcessCost program = RunToEnd({{TOLVANE_STARTUP_PATH}, environment});
        const ProcessCost baseline = RunToEnd({{BASELINE_STARTUP_PATH}, environment});
        programMs.push_back(program.wallMilliseconds);
        baselineMs.push_back(baseline.wallMilliseconds);
        programMiB.push_back(program.peakResidentMiB);
        baselineMiB.push_back(baseline.peakResidentMiB);
    }
    return {{Median(programMs), Median(baselineMs)},
            {MegaInstructions({{TOLVANE_STARTUP_PATH}, environment}),
             MegaInstructions({{BASELINE_STARTUP_PATH}, environment})},
            {Median(programMiB), Median(baselineMiB)}};
}

double PicturesFromColdMilliseconds(double ratio) {
    const std::string command = std::string(PICTURES_COLD_PATH) + " " + std::to_string(ratio);
    FILE* child = popen(command.c_str(), "r");
    double milliseconds = 0;
    if (!child || std::fscanf(child, "%lf", &milliseconds) != 1)
        throw std::runtime_error("cannot run " + command);
    pclose(child);
    return milliseconds;
}

// Each run is a fresh process, so nothing drawn or set up before is reused;
// the densities take turns, so all of them see the same machine.
std::map<double, double> AllPicturesFromColdMilliseconds(const std::vector<double>& ratios) {
    std::map<double, std::vector<double>> times;
    for (int run = 0; run < kPictureRuns; ++run)
        for (double ratio : ratios)
            times[ratio].push_back(PicturesFromColdMilliseconds(ratio));
    std::map<double, double> medians;
    for (const auto& [ratio, runs] : times)
        medians[ratio] = Median(runs);
    return medians;
}

Comparison ShufflePressMicroseconds(tolvane::frmTolvane& window, BaselineWindow& baseline) {
    auto* shuffle = window.findChild<QPushButton*>("cmdShuffle");
    const QPixmap face = QPixmap::fromImage(tolvane::FetchPicture(1));
    return {MedianMicroseconds(kClickRuns, [&](int) { shuffle->click(); }),
            MedianMicroseconds(kClickRuns, [&](int) {
                baseline.list.clear();
                for (int i = 1; i <= 52; ++i)
                    baseline.list.addItem(QString::number(i));
                baseline.list.setCurrentRow(0);
                baseline.card.setPixmap(face);
            })};
}

Comparison SelectorChangeMicroseconds(tolvane::frmTolvane& window, BaselineWindow& baseline) {
    auto* all = window.findChild<QComboBox*>("comAll");
    const QPixmap picture = QPixmap::fromImage(tolvane::FetchPicture(60));
    auto nextEntry = [](int run) { return 1 + run % 73; };
    return {MedianMicroseconds(kClickRuns, [&](int run) { all->setCurrentIndex(nextEntry(run)); }),
            MedianMicroseconds(kClickRuns, [&](int run) {
                baseline.all.setCurrentIndex(nextEntry(run));
                baseline.allPicture.setPixmap(picture);
            })};
}

void PrintRow(const char* figure, const Comparison& value, const char* target) {
    std::printf("%-50s %10.3f %10.3f %7.2f   %s\n", figure, value.program, value.baseline,
                value.baseline > 0 ? value.program / value.baseline : 0.0, target);
}

// Each density against the pictures drawn for an ordinary screen.
void PrintPictures(const std::map<double, double>& milliseconds) {
    const double ordinary = milliseconds.at(1.0);
    std::printf("%-50s %10.3f %10s %7s   %s\n", "all 74 pictures drawn from cold (ms)", ordinary, "-", "-",
                "<= 5 ms");
    const std::pair<double, const char*> denser[] = {
        {2.0, "ratio <= 5"}, {3.0, "ratio <= 11"}, {4.0, "ratio <= 20"}};
    for (const auto& [ratio, target] : denser) {
        const std::string figure = "the same at density " + std::to_string(int(ratio)) + " (ms)";
        PrintRow(figure.c_str(), {milliseconds.at(ratio), ordinary}, target);
    }
}

void PrintStartup(const char* platform, const StartupFigures& figures) {
    const std::string time = std::string("start to first frame, ") + platform + " (ms)";
    const std::string instructions = std::string("the same in instructions, ") + platform + " (M)";
    const std::string memory = std::string("peak resident memory, ") + platform + " (MiB)";
    PrintRow(time.c_str(), figures.milliseconds, "ratio <= 1.10");
    PrintRow(instructions.c_str(), figures.megaInstructions, "ratio <= 1.05");
    PrintRow(memory.c_str(), figures.peakMiB, "program <= baseline + 3 MiB");
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = ProcessRuns();
    const StartupFigures offscreen = MeasureStartup({"QT_QPA_PLATFORM=offscreen"}, runs);
    const StartupFigures offscreenDense = MeasureStartup({"QT_QPA_PLATFORM=offscreen", "QT_SCALE_FACTOR=2"}, runs);
    XvfbServer xvfb;
    const bool haveX = !xvfb.display().empty();
    const StartupFigures x11 =
        haveX ? MeasureStartup({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + xvfb.display()}, runs) : StartupFigures{};
    const StartupFigures x11Dense =
        haveX ? MeasureStartup({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + xvfb.display(), "QT_SCALE_FACTOR=2"}, runs)
              : StartupFigures{};

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tolvane::frmTolvane window;
    BaselineWindow baseline;
    window.show();
    baseline.show();
    const std::map<double, double> pictures = AllPicturesFromColdMilliseconds({1, 2, 3, 4});
    const PictureInstructionTable pictureInstructions =
        CountPictureInstructions(PICTURES_COLD_PATH, {1, 1.5, 2, 3, 4, 8, 12});
    const Comparison shuffle = ShufflePressMicroseconds(window, baseline);
    const Comparison selector = SelectorChangeMicroseconds(window, baseline);

    std::printf("%-50s %10s %10s %7s   %s\n", "figure (median)", "tolvane", "baseline", "ratio", "target");
    PrintStartup("offscreen", offscreen);
    PrintStartup("offscreen at scale 2", offscreenDense);
    if (haveX) {
        PrintStartup("Xvfb", x11);
        PrintStartup("Xvfb at scale 2", x11Dense);
    } else {
        std::printf("(Xvfb not found: no X11 figures)\n");
    }
    PrintPictures(pictures);
    PrintPictureInstructions(pictureInstructions);
    PrintRow("Shuffle press (us)", shuffle, "program <= 1000 us");
    PrintRow("selector change showing a picture (us)", selector, "program <= 1000 us");
    std::printf("(%d process runs each and one counted run, %d picture runs at each density, %d clicks each)\n",
                runs, kPictureRuns, kClickRuns);
    PrintZoomFigures();
    return 0;
}
