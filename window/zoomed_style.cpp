#include "zoomed_style.h"

#include <QApplication>
#include <QImage>
#include <QScopedValueRollback>
#include <QStyleFactory>
#include <QStyleOption>

#include <stdexcept>
#include <string>
#include <type_traits>

namespace tolvane {

namespace {

// A style reads the DPI from the font metrics; a font takes it from the
// device it is measured on, and an image's DPI is whatever it is told.
QFontMetrics MetricsAtDpi(const QFont& font, int dpi) {
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(qRound(dpi / 0.0254));
    device.setDotsPerMeterY(qRound(dpi / 0.0254));
    return QFontMetrics(font, &device);
}

// `option`'s type says it is an Option (qstyleoption_cast would also ask for
// its version, which Qt leaves at 0 in some options it makes).
template <class Option>
Option WithMetrics(const QStyleOption& option, const QFontMetrics& metrics) {
    Option copy = static_cast<const Option&>(option);
    copy.fontMetrics = metrics;
    return copy;
}

}  // namespace

QStyle* ApplicationStyleCopy() {
    return QStyleFactory::create(QApplication::style()->name());
}

ZoomedStyle::ZoomedStyle(double zoom) : QProxyStyle(ApplicationStyleCopy()) {
    SetZoom(zoom);
}

void ZoomedStyle::SetZoom(double zoom) {
    if (!(zoom > 0))
        throw std::invalid_argument("zoom " + std::to_string(zoom) + " is not above 0");
    zoom_ = zoom;
}

// Font metrics at the zoom times the DPI of `option`'s, for the font of
// `widget` (or the application's) at the pixel size it has on its screen.
// A control's paint asks the style many times with one font: the metrics
// made last serve again.
const QFontMetrics& ZoomedStyle::ZoomedMetrics(const QStyleOption& option, const QWidget* widget) const {
    QFont font = widget != nullptr ? widget->font() : QApplication::font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() / zoom_);
    const int dpi = qRound(option.fontMetrics.fontDpi() * zoom_);
    if (!metrics_ || dpi != metricsDpi_ || font != metricsFont_) {
        metrics_ = MetricsAtDpi(font, dpi);
        metricsFont_ = font;
        metricsDpi_ = dpi;
    }
    return *metrics_;
}

// Calls `call` with a copy of `option` (or, where there is none, one made
// for `widget`) that carries font metrics at the zoomed DPI, for the kinds
// of option the window's controls and popups are drawn with; other kinds
// go as they came.
template <class Call>
auto ZoomedStyle::AtZoomedDpi(const QStyleOption* option, const QWidget* widget, Call call) const {
    if (zooming_)
        return call(option);
    QStyleOption made;
    if (option == nullptr) {
        if (widget != nullptr)
            made.initFrom(widget);
        option = &made;
    }
    const auto zoomed = [&]<class Option>(std::type_identity<Option>) {
        const QScopedValueRollback zooming(zooming_, true);
        const Option copy = WithMetrics<Option>(*option, ZoomedMetrics(*option, widget));
        return call(&copy);
    };
    switch (option->type) {
    case QStyleOption::SO_Default: return zoomed(std::type_identity<QStyleOption>());
    case QStyleOption::SO_FocusRect: return zoomed(std::type_identity<QStyleOptionFocusRect>());
    case QStyleOption::SO_Button: return zoomed(std::type_identity<QStyleOptionButton>());
    case QStyleOption::SO_Frame: return zoomed(std::type_identity<QStyleOptionFrame>());
    case QStyleOption::SO_ViewItem: return zoomed(std::type_identity<QStyleOptionViewItem>());
    case QStyleOption::SO_Complex: return zoomed(std::type_identity<QStyleOptionComplex>());
    case QStyleOption::SO_Slider: return zoomed(std::type_identity<QStyleOptionSlider>());
    case QStyleOption::SO_ComboBox: return zoomed(std::type_identity<QStyleOptionComboBox>());
    default: return call(option);
    }
}

// Fusion keeps the margins round a focus frame, and so round the text of a
// list's entries, at their pixels whatever the DPI.
int ZoomedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int value = AtZoomedDpi(
        option, widget, [&](const QStyleOption* zoomed) { return QProxyStyle::pixelMetric(metric, zoomed, widget); });
    if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
        return qRound(value * zoom_);
    return value;
}

QSize ZoomedStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                    const QWidget* widget) const {
    return AtZoomedDpi(option, widget, [&](const QStyleOption* zoomed) {
        return QProxyStyle::sizeFromContents(type, zoomed, size, widget);
    });
}

QRect ZoomedStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const {
    return AtZoomedDpi(option, widget, [&](const QStyleOption* zoomed) {
        return QProxyStyle::subElementRect(element, zoomed, widget);
    });
}

// Fusion places a selector's text at fixed insets from its edges but the
// one beside the arrow, whose area the DPI grows: those insets grow by the
// zoom.
QRect ZoomedStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                                  const QWidget* widget) const {
    const QRect rect = AtZoomedDpi(option, widget, [&](const QStyleOption* zoomed) {
        return QProxyStyle::subControlRect(control, static_cast<const QStyleOptionComplex*>(zoomed), subControl,
                                           widget);
    });
    if (control != CC_ComboBox || subControl != SC_ComboBoxEditField)
        return rect;
    const QRect box = option->rect;
    const auto grown = [this](int inset) { return qRound(inset * zoom_); };
    QRect field = visualRect(option->direction, box, rect);  // the arrow on the right
    field.setLeft(box.left() + grown(field.left() - box.left()));
    field.setTop(box.top() + grown(field.top() - box.top()));
    field.setBottom(box.bottom() - grown(box.bottom() - field.bottom()));
    return visualRect(option->direction, box, field);
}

QStyle::SubControl ZoomedStyle::hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                                      const QPoint& point, const QWidget* widget) const {
    return AtZoomedDpi(option, widget, [&](const QStyleOption* zoomed) {
        return QProxyStyle::hitTestComplexControl(control, static_cast<const QStyleOptionComplex*>(zoomed), point,
                                                  widget);
    });
}

void ZoomedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    AtZoomedDpi(option, widget, [&](const QStyleOption* zoomed) {
        QProxyStyle::drawPrimitive(element, zoomed, painter, widget);
    });
}

void ZoomedStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    AtZoomedDpi(option, widget, [&](const QStyleOption* zoomed) {
        QProxyStyle::drawControl(element, zoomed, painter, widget);
    });
}

void ZoomedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const {
    AtZoomedDpi(option, widget, [&](const QStyleOption* zoomed) {
        QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex*>(zoomed), painter, widget);
    });
}

}  // namespace tolvane
