#include "sample_palettes.h"

#include <QGuiApplication>

#include <stdexcept>

namespace tolvane {

namespace {

// `frames` colours every edge role, Light to Shadow.
struct Colours {
    QColor window, windowText, base, text, button, buttonText, highlight, highlightedText, toolTipBase,
        toolTipText, frames, disabledText;
};

QPalette PaletteOf(const Colours& c) {
    QPalette palette;
    palette.setColor(QPalette::Window, c.window);
    palette.setColor(QPalette::WindowText, c.windowText);
    palette.setColor(QPalette::Base, c.base);
    palette.setColor(QPalette::AlternateBase, c.window);
    palette.setColor(QPalette::Text, c.text);
    palette.setColor(QPalette::PlaceholderText, c.disabledText);
    palette.setColor(QPalette::Button, c.button);
    palette.setColor(QPalette::ButtonText, c.buttonText);
    palette.setColor(QPalette::BrightText, c.text);
    palette.setColor(QPalette::Highlight, c.highlight);
    palette.setColor(QPalette::HighlightedText, c.highlightedText);
    palette.setColor(QPalette::ToolTipBase, c.toolTipBase);
    palette.setColor(QPalette::ToolTipText, c.toolTipText);
    palette.setColor(QPalette::Link, c.highlight);
    palette.setColor(QPalette::LinkVisited, c.highlight);
    for (QPalette::ColorRole frame :
         {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Shadow})
        palette.setColor(frame, c.frames);
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, text, c.disabledText);
    return palette;
}

// The highlight is light enough for Fusion's focus frames, drawn in a shade
// of it, to show on the dark window, so the text on it is black.
QPalette Dark() {
    return PaletteOf({.window = QColor(0x2d, 0x2d, 0x2d), .windowText = QColor(0xf0, 0xf0, 0xf0),
                      .base = QColor(0x1e, 0x1e, 0x1e), .text = QColor(0xf0, 0xf0, 0xf0),
                      .button = QColor(0x3a, 0x3a, 0x3a), .buttonText = QColor(0xf0, 0xf0, 0xf0),
                      .highlight = QColor(0x5f, 0xa3, 0xec), .highlightedText = Qt::black,
                      .toolTipBase = QColor(0x1e, 0x1e, 0x1e), .toolTipText = QColor(0xf0, 0xf0, 0xf0),
                      .frames = QColor(0x5a, 0x5a, 0x5a), .disabledText = QColor(0x80, 0x80, 0x80)});
}

// Strong frames: every edge colour is the text's.
QPalette Contrast() {
    return PaletteOf({.window = Qt::white, .windowText = Qt::black, .base = Qt::white, .text = Qt::black,
                      .button = Qt::white, .buttonText = Qt::black, .highlight = QColor(0x37, 0x00, 0x6e),
                      .highlightedText = Qt::white, .toolTipBase = Qt::white, .toolTipText = Qt::black,
                      .frames = Qt::black, .disabledText = QColor(0x60, 0x60, 0x60)});
}

QPalette ContrastDark() {
    return PaletteOf({.window = Qt::black, .windowText = Qt::white, .base = Qt::black, .text = Qt::white,
                      .button = Qt::black, .buttonText = Qt::white, .highlight = QColor(0x1a, 0xeb, 0xff),
                      .highlightedText = Qt::black, .toolTipBase = Qt::black, .toolTipText = Qt::white,
                      .frames = Qt::white, .disabledText = QColor(0x3f, 0xf2, 0x3f)});
}

}  // namespace

QStringList SamplePaletteNames() {
    return {QStringLiteral("dark"), QStringLiteral("contrast"), QStringLiteral("contrast-dark")};
}

QPalette SamplePalette(const QString& name) {
    if (name == QLatin1String("dark"))
        return Dark();
    if (name == QLatin1String("contrast"))
        return Contrast();
    if (name == QLatin1String("contrast-dark"))
        return ContrastDark();
    throw std::invalid_argument("no sample palette named \"" + name.toStdString() + "\"; there are " +
                                SamplePaletteNames().join(QStringLiteral(", ")).toStdString());
}

void TakePaletteOption(QStringList& arguments) {
    const qsizetype option = arguments.indexOf(QStringLiteral("--palette"));
    if (option < 0)
        return;
    if (option + 1 == arguments.size())
        throw std::invalid_argument("--palette needs a name: " +
                                    SamplePaletteNames().join(QStringLiteral(", ")).toStdString());
    QGuiApplication::setPalette(SamplePalette(arguments.at(option + 1)));
    arguments.remove(option, 2);
}

}  // namespace tolvane
