#pragma once

#include <QImage>
#include <QList>
#include <QString>

class QWidget;

namespace tolvane {

// The WCAG 2 contrast ratio of two colours, from their relative luminance:
// 1 for a colour against itself, 21 for black against white.
double ContrastRatio(QRgb a, QRgb b);

struct Reading {
    QString what;  // "list entry", "Shuffle", "comAll focus frame", ...
    double contrast;
    QRgb background;  // what it stands out from
};

// What is drawn in `area` of `shot` against the area's most common colour,
// its background: the contrast of the pixel farthest from that, which in
// text is the core of its strokes. 1 where nothing but the background shows.
Reading InkContrast(const QString& what, const QImage& shot, const QRect& area);

// The contrast of every kind of text Tolvane's shown, active window shows,
// read from grabs of it: a list entry and the selected one, the Shuffle
// caption, both selectors' values, an entry of the all-pictures popup and
// its selected one, and a picture's tooltip. The popup and the tooltip are
// opened and closed again, and the pointer is moved off the window first.
QList<Reading> TextContrasts(QWidget& window);

// Each of the window's four focusable controls with and without the focus:
// the contrast of its focus frame, the pixels the focus changes, against the
// window's background around it. The focus ends where it started.
QList<Reading> FocusFrameContrasts(QWidget& window);

}  // namespace tolvane
