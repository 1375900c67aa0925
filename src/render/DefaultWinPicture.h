// The picture the program carries for a win when the player has chosen no
// file of their own: a sunset, 300 x 150 pixels in colour.
#pragma once

#include <QImage>

// Decoded through the same libjpeg path as the player's files. Null only if
// the resource were missing from the build.
QImage DefaultWinPicture();
