// Draws all 74 pictures once in a fresh process and prints how many
// milliseconds that took: the cost a first look at every picture pays.
// Usage: pictures_cold [RATIO [cold|warm]], RATIO the screen's density to
// draw for (1). With "cold" it draws them once and prints nothing, with
// "warm" twice: each pass runs in a function of its own, so that callgrind
// can count one alone (--toggle-collect=*DrawEveryPicture(* counts the first,
// --toggle-collect=*DrawEveryPictureAgain* the second).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "pictures/picture_catalogue.h"

namespace {

[[gnu::noinline]] void DrawEveryPicture(double ratio) {
    for (tolvane::PictureId id = tolvane::kFirstPicture; id <= tolvane::kLastPicture; ++id)
        (void)tolvane::FetchPicture(id, ratio);
}

[[gnu::noinline]] void DrawEveryPictureAgain(double ratio) {
    DrawEveryPicture(ratio);
}

}  // namespace

int main(int argc, char* argv[]) {
    const double ratio = argc > 1 ? std::atof(argv[1]) : 1.0;
    const char* mode = argc > 2 ? argv[2] : "";
    const auto start = std::chrono::steady_clock::now();
    DrawEveryPicture(ratio);
    const auto end = std::chrono::steady_clock::now();
    if (std::strcmp(mode, "warm") == 0)
        DrawEveryPictureAgain(ratio);
    if (*mode == '\0')
        std::printf("%.4f\n", std::chrono::duration<double, std::milli>(end - start).count());
    return 0;
}
