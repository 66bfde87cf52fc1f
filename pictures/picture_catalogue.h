#pragma once

#include <QImage>
#include <QString>

#include "card_geometry.h"

// The top of the pictures library and its public face: the catalogue hands
// out every picture by id, drawn by the layers below it.
namespace tolvane {

// The program's 74 pictures, each drawn by code on request:
//   1..52  card faces, the id is the card number (71 x 96)
//   53     the dotted black-and-white back (71 x 96)
//   54..65 the twelve full-colour backs (71 x 96)
//   66..74 the further pictures, some of them much smaller than a card
// Drawing is deterministic: the same id gives the same pixels every time.
using PictureId = int;

inline constexpr PictureId kFirstPicture = 1;
inline constexpr PictureId kLastPicture = 74;
inline constexpr PictureId kFirstBack = 53;
inline constexpr PictureId kLastBack = 65;

// The densities pictures are drawn for, in device pixels to a logical pixel.
inline constexpr double kLeastDevicePixelRatio = 1.0;
// A 400 % zoom on a screen at 300 % asks for 12.
inline constexpr double kGreatestDevicePixelRatio = 12.0;

// Throws std::out_of_range naming `id` unless it lies in 1..74.
void CheckPictureId(PictureId id);

// The picture `id` drawn for a screen with `devicePixelRatio` device pixels
// to a logical pixel: a picture of w x h is lround(w * r) x lround(h * r)
// device pixels with its devicePixelRatio() set to r, so Qt shows it at its
// own logical size. At 1 it is the picture's own pixels.
// Throws std::out_of_range naming `id` unless it lies in 1..74, and naming
// the ratio unless it is a number from 1 to 12.
QImage FetchPicture(PictureId id, double devicePixelRatio = 1.0);

// What the picture shows, in a few plain words for a screen reader or a
// tooltip: a face is its card's name ("A of Clubs"), any other picture its
// subject ("sky with clouds").
QString PictureSubject(PictureId id);

}  // namespace tolvane
