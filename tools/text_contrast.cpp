#include "text_contrast.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace tolvane {

namespace {

double Luminance(QRgb colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

template <class Control>
Control& Find(QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr)
        throw std::invalid_argument(std::string("the window has no control ") + name);
    return *control;
}

QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// `area` of `widget`, in the device pixels of a grab of `grabbed`.
QRect InGrab(const QWidget& widget, const QRect& area, const QWidget& grabbed, double ratio) {
    const QRect logical(widget.mapTo(&grabbed, area.topLeft()), area.size());
    return QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio).toAlignedRect();
}

// Where an item view draws an entry's text, beside a preview of `decoration`.
QRect EntryTextArea(const QAbstractItemView& view, int row, QSize decoration) {
    QStyleOptionViewItem option;
    option.initFrom(view.viewport());
    const QModelIndex index = view.model()->index(row, 0);
    option.rect = view.visualRect(index);
    option.text = index.data().toString();
    option.font = view.font();
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.features = QStyleOptionViewItem::HasDisplay;
    if (!decoration.isEmpty()) {
        option.features |= QStyleOptionViewItem::HasDecoration;
        option.decorationSize = decoration;
    }
    return view.style()->subElementRect(QStyle::SE_ItemViewItemText, &option, view.viewport()) &
           view.viewport()->rect();
}

QRect ValueArea(const QComboBox& selector) {
    QStyleOptionComboBox option;
    option.initFrom(&selector);
    option.editable = false;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    return selector.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &selector);
}

QRect CaptionArea(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
}

// The popup's selected entry and the one after it (or before it, at the
// end), each beside its preview.
QList<Reading> PopupContrasts(QComboBox& selector) {
    selector.showPopup();
    QApplication::processEvents();
    QWidget& entries = *selector.view()->viewport();
    const QImage shot = Grab(entries);
    const auto entry = [&](const QString& what, int row) {
        // A preview fits a square as tall as its entry: beside such a square
        // the area holds nothing but the entry's text.
        const int height = selector.view()->visualRect(selector.model()->index(row, 0)).height();
        const QRect area = EntryTextArea(*selector.view(), row, QSize(height, height));
        return InkContrast(what, shot, InGrab(entries, area, entries, shot.devicePixelRatio()));
    };
    const int selected = selector.currentIndex();
    const QList<Reading> readings{
        entry(QStringLiteral("popup entry"), selected + 1 < selector.count() ? selected + 1 : selected - 1),
        entry(QStringLiteral("selected popup entry"), selected)};
    selector.hidePopup();
    return readings;
}

Reading TooltipContrast(QWidget& shown) {
    QApplication::processEvents();  // what may close a tooltip (a popup's closing) is over
    QToolTip::showText(shown.mapToGlobal(shown.rect().center()), shown.toolTip(), &shown);
    QLabel* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible())
            tip = qobject_cast<QLabel*>(top);
    if (tip == nullptr)
        throw std::runtime_error("no tooltip showed for " + shown.objectName().toStdString());
    const QImage shot = Grab(*tip);
    const int margin = tip->margin();
    const QRect area = tip->contentsRect().adjusted(margin, margin, -margin, -margin);
    const Reading reading =
        InkContrast(QStringLiteral("tooltip"), shot, InGrab(*tip, area, *tip, shot.devicePixelRatio()));
    QToolTip::hideText();
    return reading;
}

// A frame the focus draws round `edge`: of the pixels within a few of the
// edge, those that differ from `unfocused` must run at least half way
// round it; in the median they stand out from `background` by the result.
double FrameContrast(const QImage& focused, const QImage& unfocused, const QRect& edge, QRgb background) {
    const int reach = 3 * focused.devicePixelRatio();
    const QRect outer = edge.adjusted(-reach, -reach, reach, reach) & focused.rect();
    const QRect inner = edge.adjusted(reach, reach, -reach, -reach);
    std::vector<double> frame;
    for (int y = outer.top(); y <= outer.bottom(); ++y)
        for (int x = outer.left(); x <= outer.right(); ++x)
            if (!inner.contains(x, y) && focused.pixel(x, y) != unfocused.pixel(x, y))
                frame.push_back(ContrastRatio(focused.pixel(x, y), background));
    if (frame.size() < static_cast<std::size_t>(edge.width() + edge.height()))
        return 1;
    std::nth_element(frame.begin(), frame.begin() + frame.size() / 2, frame.end());
    return frame[frame.size() / 2];
}

}  // namespace

double ContrastRatio(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Reading InkContrast(const QString& what, const QImage& shot, const QRect& area) {
    const QRect inside = area & shot.rect();
    QHash<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[shot.pixel(x, y)];
    if (counts.isEmpty())
        throw std::invalid_argument("no pixels to read " + what.toStdString() + " from");
    const QRgb background = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                             [](auto a, auto b) { return a.second < b.second; })->first;
    double contrast = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
        contrast = std::max(contrast, ContrastRatio(*it, background));
    return {what, contrast, background};
}

QList<Reading> TextContrasts(QWidget& window) {
    // Entries under the pointer are drawn hovered.
    QCursor::setPos(window.frameGeometry().bottomRight() + QPoint(1, 1));
    QApplication::processEvents();
    const QImage shot = Grab(window);
    const auto read = [&](const QString& what, const QWidget& control, const QRect& area) {
        return InkContrast(what, shot, InGrab(control, area, window, shot.devicePixelRatio()));
    };
    auto& list = Find<QListWidget>(window, "lstDeck");
    const int selected = list.row(list.selectedItems().value(0));
    auto& shuffle = Find<QPushButton>(window, "cmdShuffle");
    QList<Reading> readings{
        read(QStringLiteral("list entry"), *list.viewport(), EntryTextArea(list, (selected + 1) % list.count(), {})),
        read(QStringLiteral("selected list entry"), *list.viewport(), EntryTextArea(list, selected, {})),
        read(QStringLiteral("Shuffle"), shuffle, CaptionArea(shuffle))};
    for (const char* name : {"comAll", "comBack"}) {
        auto& selector = Find<QComboBox>(window, name);
        readings.append(read(QStringLiteral("%1 value").arg(QLatin1String(name)), selector, ValueArea(selector)));
    }
    readings += PopupContrasts(Find<QComboBox>(window, "comAll"));
    readings.append(TooltipContrast(Find<QLabel>(window, "imgCard")));
    return readings;
}

QList<Reading> FocusFrameContrasts(QWidget& window) {
    QWidget* const before = QApplication::focusWidget();
    const QRgb background = window.palette().color(QPalette::Window).rgb();
    QList<Reading> readings;
    for (const char* name : {"lstDeck", "cmdShuffle", "comAll", "comBack"}) {
        auto& control = Find<QWidget>(window, name);
        // By the keyboard: styles show the focus only once it has moved by
        // keys. Tab goes round the four controls, so four presses reach any.
        for (int press = 0; press < 4 && QApplication::focusWidget() != &control; ++press)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() != &control)
            throw std::runtime_error(std::string("Tab does not reach ") + name);
        const QImage focused = Grab(window);
        QTest::keyClick(&control, Qt::Key_Tab);
        const QRect edge = InGrab(control, control.rect(), window, focused.devicePixelRatio());
        readings.append({QStringLiteral("%1 focus frame").arg(QLatin1String(name)),
                         FrameContrast(focused, Grab(window), edge, background), background});
    }
    if (before != nullptr)
        before->setFocus(Qt::OtherFocusReason);
    return readings;
}

}  // namespace tolvane
