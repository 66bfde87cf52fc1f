// Draws all 74 pictures once in a fresh process and prints how many
// milliseconds that took: the cost a first look at every picture pays.
// Usage: pictures_cold [RATIO], the screen's density to draw for (1).

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "pictures/picture_catalogue.h"

int main(int argc, char* argv[]) {
    const double ratio = argc > 1 ? std::atof(argv[1]) : 1.0;
    const auto start = std::chrono::steady_clock::now();
    for (tolvane::PictureId id = tolvane::kFirstPicture; id <= tolvane::kLastPicture; ++id)
        (void)tolvane::FetchPicture(id, ratio);
    const auto end = std::chrono::steady_clock::now();
    std::printf("%.4f\n", std::chrono::duration<double, std::milli>(end - start).count());
    return 0;
}
