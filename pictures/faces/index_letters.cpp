#include "index_letters.h"

#include <QColor>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "deck/card.h"
#include "glyphs.h"

namespace tolvane {

namespace {

// Each letter is written with a pen over the pixel centres of its pixel
// glyph, columns 0..4 and rows 0..6 (the 1 of "10" is three columns wide),
// so its strokes, one pixel thick, fill the glyph's box.
constexpr double kLeft = 0, kRight = 4, kTop = 0, kBottom = 6;
constexpr QPointF kTopLeft{kLeft, kTop}, kTopRight{kRight, kTop};
constexpr QPointF kBottomLeft{kLeft, kBottom}, kBottomRight{kRight, kBottom};

// Where the 0 of "10" starts, as in the pixel text.
constexpr double kSecondDigitLeft = 4;

// The pen is a square nib, so a stroke ends half its width beyond its last
// point, as the pixel glyphs do. A slanted stroke that ends on the top or
// bottom of the box is carried on past it this far and cut off by the box,
// so it stands flat on the line like the foot of a printed letter; the box
// cuts sharp corners, such as the top of the 4, the same way.
constexpr double kPastTheBox = 1;

// The point kPastTheBox beyond `end` on the line from `from` through it.
QPointF PastTheBox(QPointF from, QPointF end) {
    const QPointF along = end - from;
    return end + along * (kPastTheBox / std::abs(along.y()));
}

// Draws strokes into one path. A stroke starts at a MoveTo, or with an arc
// where the arc starts; the other steps carry it on from where it got to.
class LetterPen {
public:
    void MoveTo(QPointF at) {
        path_.moveTo(at);
        drawing_ = true;
    }
    void LineTo(QPointF to) { path_.lineTo(to); }
    void CurveTo(QPointF towards, QPointF from, QPointF to) { path_.cubicTo(towards, from, to); }
    // Part of the oval in `box`, in degrees anticlockwise from three o'clock;
    // a negative sweep runs clockwise.
    void Arc(const QRectF& box, double start, double sweep) {
        if (!drawing_)
            path_.arcMoveTo(box, start);
        path_.arcTo(box, start, sweep);
        drawing_ = true;
    }
    // The whole oval in `box`, a stroke of its own.
    void Ring(const QRectF& box) {
        path_.arcMoveTo(box, 90);
        path_.arcTo(box, 90, -360);
        drawing_ = false;
    }
    QPainterPath Strokes() const { return path_; }

private:
    QPainterPath path_;
    bool drawing_ = false;
};

// An oval with straight flanks, as the 0 and the Q are drawn.
void OvalWithFlanks(LetterPen& pen) {
    constexpr double kFlank = 1.2;
    constexpr double kRound = (kBottom - kTop - kFlank) / 2;
    pen.MoveTo({kRight, kTop + kRound});
    pen.Arc(QRectF(kLeft, kTop, kRight - kLeft, 2 * kRound), 0, 180);
    pen.LineTo({kLeft, kBottom - kRound});
    pen.Arc(QRectF(kLeft, kBottom - 2 * kRound, kRight - kLeft, 2 * kRound), 180, 180);
    pen.LineTo({kRight, kTop + kRound});
}

QPainterPath LetterA() {
    LetterPen pen;
    // Two legs meeting in a narrow flat apex, and the bar between them.
    constexpr QPointF kApexLeft{1.55, kTop}, kApexRight{2.45, kTop};
    pen.MoveTo(PastTheBox(kApexLeft, kBottomLeft));
    pen.LineTo(kApexLeft);
    pen.LineTo(kApexRight);
    pen.LineTo(PastTheBox(kApexRight, kBottomRight));
    pen.MoveTo({0.6, 4});
    pen.LineTo({3.4, 4});
    return pen.Strokes();
}

QPainterPath DigitOne() {
    LetterPen pen;
    // A stem with a flag, close to the 0 as a printed 10 is set.
    constexpr double kStem = 1.7;
    pen.MoveTo({0.2, 1.3});
    pen.LineTo({kStem, kTop});
    pen.LineTo({kStem, kBottom});
    return pen.Strokes();
}

QPainterPath DigitTwo() {
    LetterPen pen;
    // The bowl from its end over the top, the neck down to the foot, the base.
    pen.Arc(QRectF(kLeft, kTop, 4, 3.6), 160, -205);
    pen.CurveTo({2.9, 3.8}, {0.8, 4.8}, kBottomLeft);
    pen.LineTo(kBottomRight);
    return pen.Strokes();
}

QPainterPath DigitThree() {
    LetterPen pen;
    // A small upper bowl ending in the middle bar, a larger one below it.
    pen.Arc(QRectF(0.3, kTop, 3.4, 2.9), 155, -245);
    pen.LineTo({1.3, 2.9});
    pen.MoveTo({1.3, 2.9});
    pen.Arc(QRectF(kLeft, 2.9, 4, 3.1), 90, -250);
    return pen.Strokes();
}

QPainterPath DigitFour() {
    LetterPen pen;
    // The stem, its slanted arm and the bar across.
    pen.MoveTo({3, kBottom});
    pen.LineTo({3, kTop});
    pen.LineTo({kLeft, 4.2});
    pen.LineTo({kRight, 4.2});
    return pen.Strokes();
}

QPainterPath DigitFive() {
    LetterPen pen;
    // The flag, a short stem down from it, and a bowl open to the left.
    pen.MoveTo(kTopRight);
    pen.LineTo({0.4, kTop});
    pen.LineTo({0.3, 2.9});
    pen.Arc(QRectF(kLeft, 2.2, 4, 3.8), 135, -285);
    return pen.Strokes();
}

QPainterPath DigitSix() {
    LetterPen pen;
    // A stem curving down from the top right into a round bowl.
    pen.MoveTo({3.6, 0.3});
    pen.CurveTo({2.6, -0.2}, {kLeft, 0.6}, {kLeft, 4.2});
    pen.Ring(QRectF(kLeft, 2.4, 4, 3.6));
    return pen.Strokes();
}

QPainterPath DigitSeven() {
    LetterPen pen;
    // The top bar and a stem bending down from its end.
    pen.MoveTo(kTopLeft);
    pen.LineTo(kTopRight);
    pen.CurveTo({2.6, 2}, {1.6, 3.8}, {1.4, kBottom});
    return pen.Strokes();
}

QPainterPath DigitEight() {
    LetterPen pen;
    // A small bowl standing on a larger one.
    pen.Ring(QRectF(0.3, kTop, 3.4, 2.8));
    pen.Ring(QRectF(kLeft, 2.8, 4, 3.2));
    return pen.Strokes();
}

// A 9 is a 6 turned over.
QPainterPath DigitNine() {
    return QTransform(-1, 0, 0, -1, kLeft + kRight, kTop + kBottom).map(DigitSix());
}

QPainterPath DigitZero() {
    LetterPen pen;
    OvalWithFlanks(pen);
    return pen.Strokes();
}

QPainterPath Ten() {
    QPainterPath ten = DigitOne();
    ten.addPath(DigitZero().translated(kSecondDigitLeft, 0));
    return ten;
}

QPainterPath LetterJ() {
    LetterPen pen;
    // A bar on top, the stem under it and its hook to the left.
    pen.MoveTo({1.8, kTop});
    pen.LineTo(kTopRight);
    pen.MoveTo({3, kTop});
    pen.LineTo({3, 4.3});
    pen.Arc(QRectF(kLeft, 2.6, 3, 3.4), 0, -200);
    return pen.Strokes();
}

QPainterPath LetterQ() {
    LetterPen pen;
    // The oval of the 0 with a tail crossing it at the bottom right.
    OvalWithFlanks(pen);
    constexpr QPointF kTailStart{2.4, 4.4};
    pen.MoveTo(kTailStart);
    pen.LineTo(PastTheBox(kTailStart, {4, kBottom}));
    return pen.Strokes();
}

QPainterPath LetterK() {
    LetterPen pen;
    // The stem, an arm reaching up to the right and a leg down from the arm.
    pen.MoveTo(kTopLeft);
    pen.LineTo(kBottomLeft);
    constexpr QPointF kArmFoot{kLeft, 4.1}, kLegTop{1.6, 2.5};
    pen.MoveTo(PastTheBox(kArmFoot, kTopRight));
    pen.LineTo(kArmFoot);
    pen.MoveTo(kLegTop);
    pen.LineTo(PastTheBox(kLegTop, kBottomRight));
    return pen.Strokes();
}

QPainterPath LetterStrokes(int rank) {
    switch (rank) {
    case Ace: return LetterA();
    case 2: return DigitTwo();
    case 3: return DigitThree();
    case 4: return DigitFour();
    case 5: return DigitFive();
    case 6: return DigitSix();
    case 7: return DigitSeven();
    case 8: return DigitEight();
    case 9: return DigitNine();
    case 10: return Ten();
    case Jack: return LetterJ();
    case Queen: return LetterQ();
    case King: return LetterK();
    }
    throw std::out_of_range("rank " + std::to_string(rank) + " is outside 1..13");
}

// Where `at`, counted in pixels of the text, lands between the device
// positions of the pixels' middles; beyond the first or last it carries on
// at the spacing of the nearest two.
double Between(const std::vector<double>& middles, double at) {
    const int last = static_cast<int>(middles.size()) - 1;
    const int before = std::clamp(static_cast<int>(std::floor(at)), 0, last - 1);
    return middles[before] + (at - before) * (middles[before + 1] - middles[before]);
}

void CheckPlacement(int rank, const RankTextOnDevice& text) {
    if (std::ssize(text.columnMiddles) == RankTextWidth(rank) && std::ssize(text.rowMiddles) == kRankTextHeight)
        return;
    throw std::invalid_argument("the text of rank " + std::to_string(rank) + " is placed on " +
                                std::to_string(text.columnMiddles.size()) + " columns and " +
                                std::to_string(text.rowMiddles.size()) + " rows instead of " +
                                std::to_string(RankTextWidth(rank)) + " and " + std::to_string(kRankTextHeight));
}

QPainterPath OnDevice(QPainterPath strokes, const RankTextOnDevice& text) {
    for (int i = 0; i < strokes.elementCount(); ++i) {
        const QPainterPath::Element point = strokes.elementAt(i);
        strokes.setElementPositionAt(i, Between(text.columnMiddles, point.x), Between(text.rowMiddles, point.y));
    }
    return strokes;
}

// The box of the pixel text on the device, which the letters keep to.
QRect TextBox(const RankTextOnDevice& text) {
    const double half = text.weight / 2;
    return QRectF(QPointF(text.columnMiddles.front() - half, text.rowMiddles.front() - half),
                  QPointF(text.columnMiddles.back() + half, text.rowMiddles.back() + half))
        .toRect();
}

}  // namespace

void PaintRankLetters(QPainter& painter, int rank, const RankTextOnDevice& text, QRgb ink) {
    const QPainterPath strokes = LetterStrokes(rank);
    CheckPlacement(rank, text);
    QPainterPathStroker pen;
    pen.setWidth(text.weight);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.save();
    painter.setClipRect(TextBox(text));
    painter.fillPath(pen.createStroke(OnDevice(strokes, text)), QColor::fromRgb(ink));
    painter.restore();
}

}  // namespace tolvane
