#include "program_icon.h"

#include <QPainter>
#include <QPixmap>

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "raster/palette.h"
#include "raster/pixel_map.h"

namespace tolvane {

namespace {

// A suit drawn pixel for pixel, '#' for ink.
using Glyph = PixelMap;

constexpr std::array<std::string_view, 9> kSpade{
    "    #    ",
    "   ###   ",
    "  #####  ",
    " ####### ",
    "#########",
    "#########",
    " ## # ## ",
    "    #    ",
    "   ###   ",
};

constexpr std::array<std::string_view, 8> kHeart{
    " ##   ## ",
    "#### ####",
    "#########",
    "#########",
    " ####### ",
    "  #####  ",
    "   ###   ",
    "    #    ",
};

constexpr std::array<std::string_view, 5> kSmallHeart{
    "## ##",
    "#####",
    "#####",
    " ### ",
    "  #  ",
};

// Where the two cards lie, and which suit the front card shows.
struct IconLayout {
    int edge;
    QRect backCard;
    QRect frontCard;
    int backInset;  // from the back card's edge to its pattern: outline, then any white margin
    Glyph suit;
};

// In the order of IconImage.
constexpr std::array<IconLayout, 3> kLayouts{{
    {32, QRect(2, 1, 18, 25), QRect(12, 6, 18, 25), 2, kSpade},
    {32, QRect(2, 1, 18, 25), QRect(12, 6, 18, 25), 2, kHeart},
    {16, QRect(1, 0, 9, 12), QRect(6, 4, 9, 12), 1, kSmallHeart},
}};

// The colours of one image: black and white for the two-colour image.
struct IconInks {
    QRgb edge;  // outline of both cards
    QRgb face;  // the front card and the back card's margin
    QRgb backPattern;  // the two colours the back's checkerboard alternates
    QRgb backPatternOther;
    QRgb suit;
};

constexpr IconInks kTwoColourInks{palette::Black, palette::White, palette::Black, palette::White,
                                  palette::Black};
constexpr IconInks kColourInks{palette::Black, palette::White, palette::Navy, palette::Blue,
                               palette::Red};

const IconLayout& LayoutOf(IconImage image) {
    const auto index = static_cast<std::size_t>(image);
    if (index >= kLayouts.size())
        throw std::out_of_range("icon image " + std::to_string(index) + " does not exist");
    return kLayouts[index];
}

const IconInks& InksOf(IconImage image) {
    return image == IconImage::TwoColour32 ? kTwoColourInks : kColourInks;
}

// A card with a one-pixel outline whose corner pixels stay transparent, so
// it reads as rounded.
void DrawCardShape(QPainter& painter, const QRect& card, QRgb edge, QRgb fill) {
    painter.fillRect(card.adjusted(1, 1, -1, -1), QColor(fill));
    painter.setPen(QColor(edge));
    painter.drawLine(card.left() + 1, card.top(), card.right() - 1, card.top());
    painter.drawLine(card.left() + 1, card.bottom(), card.right() - 1, card.bottom());
    painter.drawLine(card.left(), card.top() + 1, card.left(), card.bottom() - 1);
    painter.drawLine(card.right(), card.top() + 1, card.right(), card.bottom() - 1);
}

void DrawCheckerboard(QPainter& painter, const QRect& area, QRgb one, QRgb other) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            painter.setPen(QColor((x + y) % 2 == 0 ? one : other));
            painter.drawPoint(x, y);
        }
}

void DrawBackCard(QPainter& painter, const QRect& card, int inset, const IconInks& inks) {
    DrawCardShape(painter, card, inks.edge, inks.face);
    DrawCheckerboard(painter, card.adjusted(inset, inset, -inset, -inset), inks.backPattern,
                     inks.backPatternOther);
}

void DrawGlyph(QImage& icon, Glyph glyph, QPoint centre, QRgb ink) {
    const QSize size = PixelMapSize(glyph);
    PaintPixelMap(icon, centre - QPoint(size.width() / 2, size.height() / 2), glyph, ink);
}

}  // namespace

QImage DrawProgramIcon(IconImage image) {
    const IconLayout& layout = LayoutOf(image);
    const IconInks& inks = InksOf(image);
    QImage icon(layout.edge, layout.edge, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        DrawBackCard(painter, layout.backCard, layout.backInset, inks);
        DrawCardShape(painter, layout.frontCard, inks.edge, inks.face);
    }
    DrawGlyph(icon, layout.suit, layout.frontCard.center(), inks.suit);
    return icon;
}

QIcon ProgramIcon() {
    QIcon icon;
    // Of two images the same size QIcon shows the one added last, so the
    // two-colour image goes in first.
    for (IconImage image : kIconImages)
        icon.addPixmap(QPixmap::fromImage(DrawProgramIcon(image)));
    return icon;
}

}  // namespace tolvane
