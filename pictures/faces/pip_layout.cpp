#include "pip_layout.h"

#include <stdexcept>
#include <string>

namespace tolvane {

namespace {

constexpr double kMiddleX = kCardCentre.x();
constexpr double kMiddleY = kCardCentre.y();
constexpr double kColumnOffset = 13;

constexpr double kLeft = kMiddleX - kColumnOffset;
constexpr double kCentre = kMiddleX;
constexpr double kRight = kMiddleX + kColumnOffset;

// Rows as distances above the card's middle; a negative one lies below.
constexpr double kTopRow = 32;         // the outer rows of every card
constexpr double kThirdRow = 11;       // the inner of four rows (9, 10)
constexpr double kHalfwayRow = 16;     // halfway between top and middle (7, 8)
constexpr double kTenCentreRow = 21;   // between the upper two rows of the 10
constexpr double kMiddleRow = 0;

QPointF At(double column, double rowAboveMiddle) {
    return {column, kMiddleY - rowAboveMiddle};
}

std::vector<QPointF> BothColumns(std::initializer_list<double> rows) {
    std::vector<QPointF> pips;
    for (double row : rows) {
        pips.push_back(At(kLeft, row));
        pips.push_back(At(kRight, row));
    }
    return pips;
}

std::vector<QPointF> Plus(std::vector<QPointF> pips, std::initializer_list<QPointF> more) {
    pips.insert(pips.end(), more);
    return pips;
}

}  // namespace

std::vector<QPointF> PipCentres(int rank) {
    const auto fourCorners = BothColumns({kTopRow, -kTopRow});
    const auto sixInColumns = BothColumns({kTopRow, kMiddleRow, -kTopRow});
    const auto eightInColumns = BothColumns({kTopRow, kThirdRow, -kThirdRow, -kTopRow});
    switch (rank) {
    case 2: return {At(kCentre, kTopRow), At(kCentre, -kTopRow)};
    case 3: return {At(kCentre, kTopRow), At(kCentre, kMiddleRow), At(kCentre, -kTopRow)};
    case 4: return fourCorners;
    case 5: return Plus(fourCorners, {At(kCentre, kMiddleRow)});
    case 6: return sixInColumns;
    case 7: return Plus(sixInColumns, {At(kCentre, kHalfwayRow)});
    case 8: return Plus(sixInColumns, {At(kCentre, kHalfwayRow), At(kCentre, -kHalfwayRow)});
    case 9: return Plus(eightInColumns, {At(kCentre, kMiddleRow)});
    case 10: return Plus(eightInColumns, {At(kCentre, kTenCentreRow), At(kCentre, -kTenCentreRow)});
    }
    throw std::out_of_range("pip rank " + std::to_string(rank) + " is outside 2..10");
}

QPoint TopLeftForCentre(QPointF centre, QSize size) {
    return {qRound(centre.x() - size.width() / 2.0), qRound(centre.y() - size.height() / 2.0)};
}

bool IsInLowerHalf(QPointF centre) {
    return centre.y() > kMiddleY;
}

}  // namespace tolvane
