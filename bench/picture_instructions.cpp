#include "picture_instructions.h"

#include <cstdio>

#include "callgrind_count.h"

namespace {

// The most instructions a density may cost, as times the cost at 1; the
// densities not named here are shown for information.
const std::map<double, double> kMostTimesTheCostAt1 = {{1.5, 3}, {2, 4.5}, {4, 14}};

double PassMegaInstructions(const std::string& picturesCold, double ratio, const char* mode, const char* pass) {
    return MegaInstructions({{picturesCold, std::to_string(ratio), mode}, {}},
                            {std::string("--toggle-collect=") + pass});
}

}  // namespace

PictureInstructionTable CountPictureInstructions(const std::string& picturesCold, const std::vector<double>& ratios) {
    PictureInstructionTable table;
    for (double ratio : ratios)
        table[ratio] = {PassMegaInstructions(picturesCold, ratio, "cold", "*DrawEveryPicture(*"),
                        PassMegaInstructions(picturesCold, ratio, "warm", "*DrawEveryPictureAgain*")};
    return table;
}

void PrintPictureInstructions(const PictureInstructionTable& table) {
    const PictureInstructions& atOne = table.at(1.0);
    std::printf("%-50s %10s %7s %10s %7s   %s\n", "all 74 pictures in instructions (M)", "cold", "ratio", "warm",
                "ratio", "target");
    for (const auto& [ratio, count] : table) {
        char figure[64], target[64] = "";
        std::snprintf(figure, sizeof figure, "  drawn for density %g", ratio);
        if (const auto goal = kMostTimesTheCostAt1.find(ratio); goal != kMostTimesTheCostAt1.end())
            std::snprintf(target, sizeof target, "both ratios <= %g", goal->second);
        std::printf("%-50s %10.3f %7.2f %10.3f %7.2f   %s\n", figure, count.coldMega, count.coldMega / atOne.coldMega,
                    count.warmMega, count.warmMega / atOne.warmMega, target);
    }
}
