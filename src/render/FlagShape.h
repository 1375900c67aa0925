// The flag as a shape, drawn at the size of the cell rather than enlarged
// from the 16-pixel picture: the classic flag on scaled screens and zooms,
// and the modern themes' flag at every scale. Its outline follows the
// picture's pixels: the two-step base, the pole and the red cloth with its
// dark lower edge.
#pragma once

#include <QColor>

class QPainter;

// Draws the flag, antialiased, into a cell whose top-left corner is at the
// painter's origin, scale device pixels to each pixel of the 16-pixel design.
void PaintFlagShape(QPainter& painter, double scale, QRgb base, QRgb pole, QRgb cloth);
