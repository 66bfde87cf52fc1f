#include "zoom_figures.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "callgrind_count.h"
#include "child_process.h"
#include "median.h"

namespace {

constexpr int kTimedRounds = 21;
constexpr int kStepsPerRound = 12;  // 100 to 400 % in six steps, and back

struct StepTime {
    int from = 0;
    int to = 0;
    int round = 0;
    double milliseconds = 0;
    int picturesDrawn = 0;
};

struct ProbeRun {
    std::vector<StepTime> steps;
    double copyMilliseconds = 0;
    double pngMilliseconds = 0;
    int pngWidth = 0;
    int pngHeight = 0;
};

// What callgrind counted in the part of the run the probe measures.
struct CountedRun {
    double megaInstructions = 0;
    long picturesFetched = 0;  // calls of FetchPicture
};

std::vector<std::string> Environment(int scale) {
    return {"QT_QPA_PLATFORM=offscreen:configfile=" LARGE_SCREEN_PATH, "QT_SCALE_FACTOR=" + std::to_string(scale)};
}

// Adds what the probe wrote to `path` to `run`.
void ReadProbe(const std::string& path, ProbeRun& run) {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string what;
        words >> what;
        if (what == "step") {
            StepTime step;
            words >> step.from >> step.to >> step.round >> step.milliseconds >> step.picturesDrawn;
            run.steps.push_back(step);
        } else if (what == "copy") {
            words >> run.copyMilliseconds;
        } else if (what == "png") {
            words >> run.pngMilliseconds >> run.pngWidth >> run.pngHeight;
        }
    }
}

ProbeRun TimedRun(int scale) {
    const QTemporaryDir folder;
    const std::string zoom = folder.path().toStdString() + "/zoom", copy = folder.path().toStdString() + "/copy";
    RunToEnd({{ZOOM_PROBE_PATH, "zoom", std::to_string(kTimedRounds), zoom}, Environment(scale)});
    RunToEnd({{ZOOM_PROBE_PATH, "copy", copy}, Environment(scale)});
    ProbeRun run;
    ReadProbe(zoom, run);
    ReadProbe(copy, run);
    if (run.steps.size() != std::size_t(kTimedRounds * kStepsPerRound) || run.pngWidth == 0)
        throw std::runtime_error("the zoom probe did not write all its figures");
    return run;
}

// Callgrind names a function in full the first time, as a function (fn=)
// or as one called (cfn=), and by number after that: "fn=(12)
// tolvane::FetchPicture(int, double)", later "cfn=(12)". Each "calls=N ..."
// line counts calls of the function the last cfn named.
long PicturesFetched(const std::string& profile) {
    long fetched = 0;
    std::map<std::string, std::string> names;
    std::string callee;
    constexpr std::string_view kFunction = "fn=", kCallee = "cfn=", kCalls = "calls=";
    const auto name = [&names](const std::string& numbered) {
        const std::size_t space = numbered.find(' ');
        const std::string id = numbered.substr(0, space);
        if (space != std::string::npos)
            names[id] = numbered.substr(space + 1);
        return names[id];
    };
    std::istringstream lines(profile);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(kFunction, 0) == 0)
            name(line.substr(kFunction.size()));
        else if (line.rfind(kCallee, 0) == 0)
            callee = name(line.substr(kCallee.size()));
        else if (line.rfind(kCalls, 0) == 0 && callee.rfind("tolvane::FetchPicture(", 0) == 0)
            fetched += std::stol(line.substr(kCalls.size()));
    }
    return fetched;
}

// `what` and its arguments as the probe takes them; the probe dumps the part
// it measures as the run's second profile.
CountedRun CountedProbe(int scale, const std::vector<std::string>& what) {
    const QTemporaryDir folder;
    std::vector<std::string> command{ZOOM_PROBE_PATH};
    command.insert(command.end(), what.begin(), what.end());
    command.push_back(folder.path().toStdString() + "/figures");
    const std::string profile = CallgrindProfile({command, Environment(scale)}, {}, ".2");
    return {TotalMegaInstructions(profile), PicturesFetched(profile)};
}

void PrintRow(const std::string& figure, double value, const char* target) {
    std::printf("%-58s %10.3f   %s\n", figure.c_str(), value, target);
}

void PrintScale(int scale) {
    const ProbeRun timed = TimedRun(scale);
    const CountedRun zoom = CountedProbe(scale, {"zoom", "1"});
    const CountedRun copy = CountedProbe(scale, {"copy"});
    std::vector<double> all, first;
    std::map<std::pair<int, int>, std::vector<double>> byStep;
    int fewestDrawn = 3, mostDrawn = 0;
    for (const StepTime& step : timed.steps) {
        (step.round == 0 ? first : all).push_back(step.milliseconds);
        byStep[{step.from, step.to}].push_back(step.milliseconds);
        fewestDrawn = std::min(fewestDrawn, step.picturesDrawn);
        mostDrawn = std::max(mostDrawn, step.picturesDrawn);
    }
    std::pair<int, int> slowest;
    double slowestMedian = 0;
    for (const auto& [step, times] : byStep)
        if (Median(times) > slowestMedian)
            slowest = step, slowestMedian = Median(times);
    const std::string at = ", scale " + std::to_string(scale);
    PrintRow("zoom step, key to next frame, median" + at + " (ms)", Median(all), "<= 16 ms");
    PrintRow("the slowest step (" + std::to_string(slowest.first) + " to " + std::to_string(slowest.second) +
                 " %), median" + at + " (ms)",
             slowestMedian, "<= 16 ms");
    PrintRow("the slowest first step of the run" + at + " (ms)", *std::max_element(first.begin(), first.end()),
             "<= 16 ms");
    PrintRow("instructions per step, first round" + at + " (M)", zoom.megaInstructions / kStepsPerRound, "-");
    PrintRow("pictures fetched per step" + at, double(zoom.picturesFetched) / kStepsPerRound, "<= 3");
    std::printf("%-58s %4d to %d   %s\n", ("pictures drawn again by the boxes per step" + at).c_str(), fewestDrawn,
                mostDrawn, "3");
    PrintRow("Ctrl+C at 400 %" + at + " (ms)", timed.copyMilliseconds, "-");
    PrintRow("the same in instructions" + at + " (M)", copy.megaInstructions, "-");
    PrintRow("its PNG, " + std::to_string(timed.pngWidth) + " x " + std::to_string(timed.pngHeight) +
                 ", as a paste asks for it" + at + " (ms)",
             timed.pngMilliseconds, "-");
}

}  // namespace

void PrintZoomFigures() {
    std::printf("\n%-58s %10s   %s\n", "zoom and copy (offscreen, one large screen)", "tolvane", "target");
    for (int scale : {1, 2})
        PrintScale(scale);
    std::printf("(%d timed rounds of %d steps; one counted round; pictures fetched counted by callgrind)\n",
                kTimedRounds, kStepsPerRound);
}
