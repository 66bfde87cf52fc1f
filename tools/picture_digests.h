#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <map>

#include "pictures/picture_catalogue.h"

namespace tolvane {

// Exact-pixel digests, so a test can hold every picture and every icon
// image to the pixel and name the ones that changed.

// An image's size and ARGB32 pixels as one SHA-256 digest in hex, the
// pixels written as the bytes alpha, red, green, blue, row after row.
QByteArray ImageDigest(const QImage& image);

// The densities whose pictures are recorded: 1 holds the pictures' own
// pixels; 1.5 and 3 give odd device widths, where rounding goes wrong first.
inline constexpr std::array<double, 4> kDigestRatios{1.0, 1.5, 2.0, 3.0};

// The file, in the folder of recorded digests, that holds the pictures
// drawn at `ratio`: "picture_digests.txt" at 1, "picture_digests-2x.txt"
// at 2. The icon's theme images go into kIconDigestFile.
QString PictureDigestFile(double ratio);
inline constexpr const char* kIconDigestFile = "icon_digests.txt";

// The digests as text: one line "key digest-in-hex" per picture in id order,
// or per theme icon image in order of edge.
QString PictureDigestTable(double ratio);
QString IconDigestTable();

// Reads such a table back; lines it cannot read are left out.
std::map<int, QByteArray> ParseDigestTable(const QString& table);

// Writes every table into `folder`; false, naming nothing, if one failed.
bool WriteDigestTables(const QString& folder);

}  // namespace tolvane
