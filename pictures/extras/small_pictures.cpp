#include "small_pictures.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <string_view>

#include "dense_canvas.h"
#include "raster/density.h"
#include "raster/palette.h"
#include "raster/pixel_map.h"

namespace tolvane {

namespace {

// Each small picture is pixel art, drawn as it stands at one device pixel to
// a picture pixel. With more device pixels the same picture is drawn from
// shapes in picture-pixel coordinates that follow the art: the same places,
// sizes and colours, with round things round and straight edges on whole
// device pixels.

// ---- The checked card ------------------------------------------------------

// A yellow card with red-and-white checks lying over a white card that
// carries a little red heart.
constexpr std::string_view kCheckedCard[] = {
    ".kkkkkkkkkkkkkkkkkkkk...........",
    "kyyyyyyyyyyyyyyyyyyyyk..........",
    "kyyyyyyyyyyyyyyyyyyyyk..........",
    "kyyrr..rr..rr..rr..yyk..........",
    "kyyrr..rr..rr..rr..yyk..........",
    "kyy..rr..rr..rr..rryykkkkkkkkkk.",
    "kyy..rr..rr..rr..rryyk.........k",
    "kyyrr..rr..rr..rr..yyk.........k",
    "kyyrr..rr..rr..rr..yyk.........k",
    "kyy..rr..rr..rr..rryyk.........k",
    "kyy..rr..rr..rr..rryyk.........k",
    "kyyrr..rr..rr..rr..yyk.........k",
    "kyyrr..rr..rr..rr..yyk.........k",
    "kyyyyyyyyyyyyyyyyyyyyk.........k",
    "kyyyyyyyyyyyyyyyyyyyyk.........k",
    ".kkkkkkkkkkkkkkkkkkkk..........k",
    ".........k...............rr.rr.k",
    ".........k...............rrrrr.k",
    ".........k................rrr..k",
    ".........k.................r...k",
    ".........k.....................k",
    "..........kkkkkkkkkkkkkkkkkkkkk."};

// Painted at (23, 6) for the variant with a red blob.
constexpr std::string_view kRedBlob[] = {
    " rr  r",
    "rrrr  ",
    "rrrrrr",
    " rrrr ",
    "rrrrr ",
    "  r  r"};

constexpr QRectF kYellowCard(0, 0, 22, 16);
constexpr QPointF kWhiteCardTopLeft(9, 5);  // it runs to the picture's far corner
constexpr double kCardCorner = 1.5;
constexpr int kCheckColumns = 8;
constexpr int kCheckRows = 5;
constexpr double kCheckSide = 2;
constexpr QRectF kHeartBox(25, 16, 5, 4);

// Whole checks, all one size, centred in the yellow card inside its edge.
// Where a check would not be a whole number of device pixels wide it takes
// the nearest whole size, a half rounded down so that the yellow margin
// around the checks stays.
void DrawChecks(DenseCanvas& canvas, const QRectF& card) {
    const int side = canvas.Grid().BoxLength(kCheckSide);
    const QRect checks = canvas.Grid().BoxAt(card.center(), QSize(kCheckColumns * side, kCheckRows * side));
    QPainterPath red;
    for (int row = 0; row < kCheckRows; ++row)
        for (int column = row % 2; column < kCheckColumns; column += 2)
            red.addRect(canvas.FromDevice(
                QRect(checks.topLeft() + QPoint(column * side, row * side), QSize(side, side))));
    QPainterPath white;
    white.addRect(canvas.FromDevice(checks));
    canvas.Fill(white, palette::White);
    canvas.Fill(red, palette::Red);
}

// Two round lobes over a point, filling `box`.
QPainterPath Heart(const QRectF& box) {
    const auto at = [&box](double u, double v) {
        return QPointF(box.left() + u * box.width(), box.top() + v * box.height());
    };
    QPainterPath heart;
    heart.moveTo(at(0.5, 0.22));
    heart.cubicTo(at(0.45, -0.04), at(0.0, -0.06), at(0.0, 0.3));
    heart.cubicTo(at(0.0, 0.58), at(0.32, 0.76), at(0.5, 1.0));
    heart.cubicTo(at(0.68, 0.76), at(1.0, 0.58), at(1.0, 0.3));
    heart.cubicTo(at(1.0, -0.06), at(0.55, -0.04), at(0.5, 0.22));
    return heart;
}

// A splash of red paint with two drops flung off to the right.
QPainterPath Splash() {
    QPainterPath splash;
    splash.setFillRule(Qt::WindingFill);
    splash.addEllipse(QPointF(25.7, 8.9), 2.5, 1.9);
    splash.addEllipse(QPointF(24.8, 6.9), 0.95, 0.95);
    splash.addEllipse(QPointF(27.9, 8.4), 0.75, 0.75);
    splash.addEllipse(QPointF(24.2, 10.3), 0.8, 0.8);
    splash.addEllipse(QPointF(25.5, 11.2), 0.55, 0.55);
    splash.addEllipse(QPointF(28.5, 6.5), 0.5, 0.5);
    splash.addEllipse(QPointF(28.5, 11.5), 0.5, 0.5);
    return splash;
}

enum class Splashed : bool { No, Yes };

void DrawCheckedCard(DenseCanvas& canvas, Splashed splashed) {
    canvas.Slab(QRectF(kWhiteCardTopLeft, canvas.Bounds().bottomRight()), kCardCorner,
                palette::Black, palette::White);
    canvas.Slab(kYellowCard, kCardCorner, palette::Black, palette::Yellow);
    DrawChecks(canvas, canvas.Snap(kYellowCard));
    canvas.Fill(Heart(kHeartBox), palette::Red);
    if (splashed == Splashed::Yes)
        canvas.Fill(Splash(), palette::Red);
}

// ---- The sleeper -----------------------------------------------------------

// A blue blob asleep, with its Z's drifting off to the right.
constexpr std::string_view kSleeper[] = {
    "......................nnnn",
    "........................n.",
    ".......................n..",
    ".....nnnnnnnn.........nnnn",
    "...nnbaabbbbbnn...........",
    "..nbaabbbbbbbbbn...nnn....",
    ".nbbbbbbbbbbbbbbn...n.....",
    ".nbbnbbnbbnbbnbbn..n......",
    "nbbbbnnbbbbnnbbbbn.nnn....",
    "nbbfbbbbbbbbbbfbbn........",
    "nbbbbbbbnnbbbbbbbn........",
    ".nnnnnnnnnnnnnnnn........."};

// The blob is a dome: half an ellipse over a base with rounded corners.
constexpr double kBlobLeft = 0;
constexpr double kBlobRight = 18;
constexpr double kBlobTop = 3;
constexpr double kDomeFoot = 10.2;  // where the dome's ellipse is widest
constexpr double kBaseCorner = 1;

// The dome from `top` down to `bottom`, its outline moved `inset` in.
QPainterPath Dome(double top, double bottom, double inset) {
    const QRectF oval(kBlobLeft + inset, top + inset, kBlobRight - kBlobLeft - 2 * inset,
                      2 * (kDomeFoot - top - inset));
    const double base = bottom - inset;
    const double corner = std::max(0.0, kBaseCorner - inset);
    QPainterPath dome;
    dome.moveTo(oval.left(), kDomeFoot);
    dome.arcTo(oval, 180, -180);
    dome.lineTo(oval.right(), base - corner);
    dome.quadTo(oval.right(), base, oval.right() - corner, base);
    dome.lineTo(oval.left() + corner, base);
    dome.quadTo(oval.left(), base, oval.left(), base - corner);
    dome.closeSubpath();
    return dome;
}

// A "Z" filling `box`, its bars on whole device pixels; at 1.5 a thinner
// stroke than the outlines' keeps the small one's slant.
void DrawZ(DenseCanvas& canvas, const QRectF& box) {
    const QRectF snapped = canvas.Snap(box);
    const double half = canvas.WholePixels(1) / 2;
    const QRectF centres = snapped.adjusted(half, half, -half, -half);
    QPainterPath z;
    z.addPolygon(QPolygonF({centres.topLeft(), centres.topRight(), centres.bottomLeft(),
                            centres.bottomRight()}));
    canvas.Stroke(z, palette::Navy, canvas.WholePixels(1), Qt::SquareCap, Qt::MiterJoin);
}

void DrawSleeper(DenseCanvas& canvas) {
    const double line = canvas.CurveWidth();
    // Its top and its base on whole device pixels, where a flat edge shows.
    const double top = canvas.Snap(QPointF(kBlobLeft, kBlobTop)).y();
    const double bottom = canvas.Bounds().bottom();
    canvas.Fill(Dome(top, bottom, 0), palette::Navy);
    canvas.Fill(Dome(top, bottom, line), palette::Blue);

    // A shine along the top left, following the dome.
    const QPointF middle((kBlobLeft + kBlobRight) / 2, kDomeFoot);
    const QRectF shineOval(middle - QPointF(7.4, 5.9), middle + QPointF(7.4, 5.9));
    QPainterPath shine;
    shine.arcMoveTo(shineOval, 133);
    shine.arcTo(shineOval, 133, -32);
    canvas.Stroke(shine, palette::Aqua, line);

    // Closed eyes, each a curve hanging down, a small mouth and pink cheeks.
    for (const double eye : {6.0, 12.0}) {
        QPainterPath lid;
        const QRectF oval(eye - 1.5, 6.6, 3, 1.9);
        lid.arcMoveTo(oval, 180);
        lid.arcTo(oval, 180, 180);
        canvas.Stroke(lid, palette::Navy, line);
    }
    canvas.Box(QRectF(8, 10, 2, 1), 0.5, palette::Navy);
    for (const double cheek : {3.5, 14.5})
        canvas.Box(QRectF(cheek - 0.75, 9, 1.5, 1), 0.5, palette::Fuchsia);

    DrawZ(canvas, QRectF(19, 5, 3, 4));
    DrawZ(canvas, QRectF(22, 0, 4, 4));
}

// ---- The smile ---------------------------------------------------------------

constexpr std::string_view kSmile[] = {
    "....kkkkkk....",
    "..kkyyyyyykk..",
    ".kyyyyyyyyyyk.",
    ".kyykyyyykyyk.",
    "kyyykyyyykyyyk",
    "kyyyyyyyyyyyyk",
    "kyykyyyyyykyyk",
    "kyyykyyyykyyyk",
    ".kyyykkkkyyyk.",
    ".kyyyyyyyyyyk.",
    "..kkyyyyyykk..",
    "....kkkkkk...."};

// A wink and the tongue out, painted at (6, 3) over the smile.
constexpr std::string_view kCheekyFace[] = {
    "     ",
    "  kyk",
    "     ",
    "     ",
    "     ",
    "     ",
    "krrk ",
    "krrk ",
    " rr  "};

constexpr QRectF kLeftEye(4, 3, 1, 2);
constexpr QRectF kRightEye(9, 3, 1, 2);

enum class Mood : bool { Smiling, Cheeky };

QPainterPath Smile() {
    QPainterPath smile;
    smile.moveTo(3.5, 6.5);
    smile.cubicTo(4.6, 9.1, 9.4, 9.1, 10.5, 6.5);
    return smile;
}

// The right eye shut tight in a wink, arched like a brow.
QPainterPath Wink() {
    QPainterPath wink;
    const QRectF oval(kRightEye.center() - QPointF(1, 0.4), QSizeF(2, 1.8));
    wink.arcMoveTo(oval, 180);
    wink.arcTo(oval, 180, -180);
    return wink;
}

// A tongue hanging from the middle of the smile, past the chin.
QPainterPath Tongue() {
    QPainterPath tongue;
    tongue.moveTo(6.5, 8.2);
    tongue.lineTo(6.5, 10.6);
    tongue.arcTo(QRectF(6.5, 9.1, 3, 3), 180, 180);
    tongue.lineTo(9.5, 8.2);
    return tongue;
}

void DrawFace(DenseCanvas& canvas, Mood mood) {
    const double line = canvas.CurveWidth();
    QPainterPath face;
    face.addEllipse(canvas.Bounds());
    canvas.Fill(face, palette::Black);
    QPainterPath inside;
    inside.addEllipse(canvas.Bounds().adjusted(line, line, -line, -line));
    canvas.Fill(inside, palette::Yellow);

    canvas.Box(kLeftEye, 1, palette::Black);
    if (mood == Mood::Smiling) {
        canvas.Box(kRightEye, 1, palette::Black);
    } else {
        canvas.Stroke(Wink(), palette::Black, line);
        canvas.Fill(Tongue(), palette::Red);
        canvas.Stroke(Tongue(), palette::Black, line);
    }
    canvas.Stroke(Smile(), palette::Black, line);
}

// ---- The control strip ------------------------------------------------------

// A red strip with a dial, a vent, and a green and a yellow lamp, both dark.
constexpr std::string_view kControlStrip[] = {
    ".mmmmmmmmmmmmmmmmmmmmmm.",
    "mrrsssrrrrrrrrrrrrrrrrrm",
    "mrs...srmrmrrgggrrooorrm",
    "mrs.k.srmrmrrgggrrooorrm",
    "mrs...srmrmrrgggrrooorrm",
    "mrrsssrrrrrrrrrrrrrrrrrm",
    ".mmmmmmmmmmmmmmmmmmmmmm."};

// The needle turned left and the green lamp lit, painted at (3, 2)...
constexpr std::string_view kGreenLampOn[] = {
    "k         .ll",
    "          lll",
    "          lll"};

// ...or the needle turned right and the yellow lamp lit, painted at (5, 2).
constexpr std::string_view kYellowLampOn[] = {
    "k            .yy",
    "             yyy",
    "             yyy"};

constexpr QPointF kDialCentre(4.5, 3.5);
constexpr double kDialRadius = 2.5;
constexpr double kDialFaceRadius = 1.5;
constexpr QRectF kDialHub(4, 3, 1, 1);
constexpr double kVentSlots[] = {8, 10};
constexpr QRectF kGreenLamp(13, 2, 3, 3);
constexpr QRectF kYellowLamp(18, 2, 3, 3);

enum class Lit : bool { Green, Yellow };

// A square lamp with soft corners; a lit one shows a white glint.
void DrawLamp(DenseCanvas& canvas, const QRectF& lamp, QRgb colour, bool lit) {
    canvas.Box(lamp, 0.7, colour);
    if (lit)
        canvas.Box(QRectF(lamp.topLeft() + QPointF(0.25, 0.25), QSizeF(1, 1)), 0.5, palette::White);
}

void DrawControlStrip(DenseCanvas& canvas, Lit lit) {
    canvas.Slab(canvas.Bounds(), kCardCorner, palette::Maroon, palette::Red);
    QPainterPath dial;
    dial.addEllipse(kDialCentre, kDialRadius, kDialRadius);
    canvas.Fill(dial, palette::Silver);
    QPainterPath dialFace;
    dialFace.addEllipse(kDialCentre, kDialFaceRadius, kDialFaceRadius);
    canvas.Fill(dialFace, palette::White);
    const double turn = lit == Lit::Green ? -1 : 1;
    QPainterPath needle(kDialCentre);
    needle.lineTo(kDialCentre + QPointF(turn, -1));
    canvas.Stroke(needle, palette::Black, canvas.WholePixels(0.6));
    canvas.Box(kDialHub, 0.5, palette::Black);

    for (const double slot : kVentSlots)
        canvas.Box(QRectF(slot, 2, 1, 3), 0.5, palette::Maroon);

    DrawLamp(canvas, kGreenLamp, lit == Lit::Green ? palette::Lime : palette::Green, lit == Lit::Green);
    DrawLamp(canvas, kYellowLamp, lit == Lit::Yellow ? palette::Yellow : palette::Olive,
             lit == Lit::Yellow);
}

// ---- The table ---------------------------------------------------------------

// A small picture: its pixel map, for a variant a patch painted over it, and
// the same picture drawn from shapes.
struct SmallPicture {
    PixelMap base;
    PixelMap patch;
    QPoint patchAt;
    void (*drawShapes)(DenseCanvas& canvas);
};

constexpr std::array<SmallPicture, kSmallPictureCount> kSmallPictures = {{
    {kCheckedCard, {}, {}, [](DenseCanvas& c) { DrawCheckedCard(c, Splashed::No); }},
    {kCheckedCard, kRedBlob, {23, 6}, [](DenseCanvas& c) { DrawCheckedCard(c, Splashed::Yes); }},
    {kSleeper, {}, {}, DrawSleeper},
    {kSmile, {}, {}, [](DenseCanvas& c) { DrawFace(c, Mood::Smiling); }},
    {kSmile, kCheekyFace, {6, 3}, [](DenseCanvas& c) { DrawFace(c, Mood::Cheeky); }},
    {kControlStrip, kGreenLampOn, {3, 2}, [](DenseCanvas& c) { DrawControlStrip(c, Lit::Green); }},
    {kControlStrip, kYellowLampOn, {5, 2}, [](DenseCanvas& c) { DrawControlStrip(c, Lit::Yellow); }}}};

}  // namespace

QImage DrawSmallPicture(int index, double ratio) {
    const SmallPicture& picture = kSmallPictures[index];
    if (IsPixelForPixel(ratio)) {
        QImage image = PixelMapImage(picture.base);
        PaintPixelMap(image, picture.patchAt, picture.patch);
        return image;
    }
    DenseCanvas canvas(PixelMapSize(picture.base), ratio);
    picture.drawShapes(canvas);
    return canvas.Finish();
}

}  // namespace tolvane
