#pragma once

#include <QByteArray>
#include <QString>

#include <map>

#include "pictures/picture_catalogue.h"

namespace tolvane {

// Every picture's exact pixels as one SHA-256 digest, so a test can hold all
// 74 pictures to the pixel and name the ones that changed. The digest covers
// the picture's size and its ARGB32 pixels, each written as the bytes
// alpha, red, green, blue, row after row.
QByteArray PictureDigest(PictureId id);

// The digests as text: one line "id digest-in-hex" for each picture, in id order.
QString PictureDigestTable();

// Reads PictureDigestTable's text back; lines it cannot read are left out.
std::map<PictureId, QByteArray> ParsePictureDigests(const QString& table);

}  // namespace tolvane
