#include "back_kit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "raster/density.h"
#include "raster/pixel_rows.h"

namespace tolvane::backs {

namespace {

QColor ColourAt(ColourStops stops, qreal at) {
    const ColourStop* before = stops.begin();
    for (const ColourStop& stop : stops) {
        if (stop.at >= at) {
            const qreal span = stop.at - before->at;
            const qreal t = span > 0 ? (at - before->at) / span : 0;
            const auto mix = [t](float a, float b) { return a + static_cast<float>(t) * (b - a); };
            return QColor::fromRgbF(mix(before->colour.redF(), stop.colour.redF()),
                                    mix(before->colour.greenF(), stop.colour.greenF()),
                                    mix(before->colour.blueF(), stop.colour.blueF()),
                                    mix(before->colour.alphaF(), stop.colour.alphaF()));
        }
        before = &stop;
    }
    return before->colour;
}

QRgb Over(QRgb below, QRgb above) {
    const int alpha = qAlpha(above);
    const auto channel = [alpha](int under, int over) { return under + (over - under) * alpha / 255; };
    return qRgb(channel(qRed(below), qRed(above)), channel(qGreen(below), qGreen(above)),
                channel(qBlue(below), qBlue(above)));
}

}  // namespace

DeviceGrid CardGrid(const QImage& card) {
    return DeviceGrid(kCardSize, card.devicePixelRatio());
}

void ShadeRound(QImage& card, QPointF centre, qreal radius, ColourStops stops) {
    const auto rows = WritableRows(card);
    const DeviceGrid grid = CardGrid(card);
    // The gradient is sampled into a table by distance, two samples to a
    // device pixel of radius, so each pixel costs a square root and a blend.
    // At 1x a large round's table is coarser, as it always was; at density
    // the earth's thin rim of air needs every sample.
    constexpr int kMostSamplesAt1x = 64, kMostSamples = 1024;
    const int sampleCount = std::clamp(static_cast<int>(std::ceil(radius * grid.Ratio() * 2)), 2,
                                       IsPixelForPixel(grid.Ratio()) ? kMostSamplesAt1x : kMostSamples);
    std::array<QRgb, kMostSamples + 1> samples;
    for (int i = 0; i <= sampleCount; ++i)
        samples[i] = ColourAt(stops, static_cast<qreal>(i) / sampleCount).rgba();
    const QPointF reach(radius, radius);
    const QRect box = QRectF(grid.ToDevice(centre - reach), grid.ToDevice(centre + reach))
                          .toAlignedRect()
                          .intersected(card.rect());
    // Each device pixel's centre, taken back to the card; across, the same
    // for every row.
    std::vector<qreal> across(box.width());
    for (int x = box.left(); x <= box.right(); ++x)
        across[x - box.left()] = (x + 0.5) / grid.ScaleX() - centre.x();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* row = rows[y];
        const qreal dy = (y + 0.5) / grid.ScaleY() - centre.y();
        for (int x = box.left(); x <= box.right(); ++x) {
            const qreal dx = across[x - box.left()];
            const qreal distance = std::sqrt(dx * dx + dy * dy) / radius;
            if (distance < 1)
                row[x] = Over(row[x], samples[static_cast<int>(distance * sampleCount)]);
        }
    }
}

void PaintGlow(QImage& card, QPointF centre, qreal radius, QColor colour, qreal strength) {
    ShadeRound(card, centre, radius, {{0.0, Faded(colour, strength)}, {1.0, Faded(colour, 0.0)}});
}

QLinearGradient LinearGradient(QPointF from, QPointF to, ColourStops stops) {
    QLinearGradient gradient(from, to);
    for (const ColourStop& stop : stops)
        gradient.setColorAt(stop.at, stop.colour);
    return gradient;
}

QLinearGradient CardHighToLow(ColourStops stops) {
    return LinearGradient(kCardArea.topLeft(), kCardArea.bottomLeft(), stops);
}

QColor Faded(QColor colour, qreal opacity) {
    colour.setAlphaF(static_cast<float>(opacity));
    return colour;
}

QBrush SeeThrough(QColor colour, qreal opacity) {
    const QColor faded = Faded(colour, opacity);
    // Top to bottom: Qt fills vertical gradients row by row, in place.
    return LinearGradient({0, 0}, {0, 1}, {{0.0, faded}, {1.0, faded}});
}

SmoothPainter::SmoothPainter(QImage* card) : QPainter(card) {
    // Qt already scales by the image's devicePixelRatio; the card's grid
    // stretches that by the fraction that fills the whole image.
    const DeviceGrid grid = CardGrid(*card);
    if (grid.ScaleX() != grid.Ratio() || grid.ScaleY() != grid.Ratio())
        scale(grid.ScaleX() / grid.Ratio(), grid.ScaleY() / grid.Ratio());
    setRenderHint(QPainter::Antialiasing);
    setPen(Qt::NoPen);
}

SmoothPainter::SmoothPainter(QImage* card, ColourStops highToLow) : SmoothPainter(card) {
    fillRect(kCardArea, CardHighToLow(highToLow));
}

void SmoothPainter::DrawInBands(const QPainterPath& shape) {
    constexpr int kBandRows = 8;
    const QTransform toDevice = deviceTransform();
    const qreal reach = pen().style() == Qt::NoPen ? 0 : pen().widthF();
    const QRect onDevice =
        toDevice.mapRect(shape.boundingRect().adjusted(-reach, -reach, reach, reach)).toAlignedRect();
    // At 1x the designs' shapes are small enough to be drawn whole.
    if (IsPixelForPixel(device()->devicePixelRatio()) || onDevice.height() <= kBandRows) {
        drawPath(shape);
        return;
    }
    // The bands are set upright on the image, whatever the shape's turn.
    const QTransform shapeToImage = worldTransform();
    for (int top = onDevice.top(); top <= onDevice.bottom(); top += kBandRows) {
        save();
        setWorldTransform(QTransform());
        const QRectF band(onDevice.left(), top, onDevice.width(), kBandRows);
        setClipRect(deviceTransform().inverted().mapRect(band));
        setWorldTransform(shapeToImage);
        drawPath(shape);
        restore();
    }
}

void SmoothPainter::DrawFrame(const QRectF& line, qreal width, const QColor& colour) {
    if (IsPixelForPixel(device()->devicePixelRatio())) {
        save();
        setPen(QPen(colour, width));
        setBrush(Qt::NoBrush);
        drawRect(line);
        restore();
        return;
    }
    const qreal half = width / 2;
    QPainterPath frame;  // the space between the two, by the odd-even rule
    frame.addRect(OnWholeDevicePixels(*this, line.adjusted(-half, -half, half, half)));
    frame.addRect(OnWholeDevicePixels(*this, line.adjusted(half, half, -half, -half)));
    fillPath(frame, colour);
}

QRectF OnWholeDevicePixels(const QPainter& painter, const QRectF& area) {
    const QRectF onDevice = painter.deviceTransform().mapRect(area);
    const QRectF snapped(QPointF(std::round(onDevice.left()), std::round(onDevice.top())),
                         QPointF(std::round(onDevice.right()), std::round(onDevice.bottom())));
    return painter.deviceTransform().inverted().mapRect(snapped);
}

qreal Scatter(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    // A small integer mix (after the "lowbias32" hash) keeps the texture
    // identical across compilers and standard libraries.
    std::uint32_t h = x * 0x9e3779b9u ^ (y + 0x7f4a7c15u) * 0x85ebca6bu ^ seed * 0xc2b2ae35u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return (h >> 8) / static_cast<qreal>(1u << 24);
}

}  // namespace tolvane::backs
