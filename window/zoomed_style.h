#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QProxyStyle>

#include <optional>

namespace tolvane {

// A new instance of the application's style as it is now, for a proxy
// style to stand on; null where no style factory makes that style, and a
// proxy then takes the desktop's own.
QStyle* ApplicationStyleCopy();

// The application's style (as it was when this was made) drawing and
// measuring controls as it would on a screen of `zoom` times their dots per
// inch: whatever the style sizes by the screen's DPI grows by the zoom, such
// as Fusion's scroll bars, their sliders and arrows, a selector's arrow and
// its area, and the margins of buttons; and the margins round focus frames
// and a selector's text, which Fusion keeps in pixels, grow as well. A line
// the style draws one pixel thick stays one, and a style that keeps a part
// in fixed pixels at any DPI (Qt's Windows style its scroll bars) keeps it
// so zoomed; under Qt::AA_Use96Dpi a style takes every screen for 96 dpi,
// and none of what it sizes by the DPI grows. Text keeps the size the
// control's font gives it.
class ZoomedStyle final : public QProxyStyle {
public:
    // Both throw std::invalid_argument naming `zoom` unless it is above 0.
    explicit ZoomedStyle(double zoom);
    // Controls measure with the new zoom when they next measure, as on
    // their next change of font; they are not told.
    void SetZoom(double zoom);

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option, const QPoint& point,
                                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;

private:
    template <class Call>
    auto AtZoomedDpi(const QStyleOption* option, const QWidget* widget, Call call) const;
    const QFontMetrics& ZoomedMetrics(const QStyleOption& option, const QWidget* widget) const;

    double zoom_ = 1;
    // While the base style works on a zoomed option: what it asks of its
    // proxy, this style, meanwhile is asked at that DPI already.
    mutable bool zooming_ = false;
    mutable std::optional<QFontMetrics> metrics_;  // the last made, for metricsFont_ at metricsDpi_
    mutable QFont metricsFont_;
    mutable int metricsDpi_ = 0;
};

}  // namespace tolvane
