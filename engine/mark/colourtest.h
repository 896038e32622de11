#pragma once

#include <QRect>

class QImage;

// The automatic black-or-white choice: a patch of the picture where the text goes, one third of
// the width by a band of 40 rows, is sampled pixel by pixel and the majority decides.

// Adds 1 to light or to dark for the pixel at (x, y). A pixel is light when R + G + B > 400.
// A translucent pixel counts as drawn on white. (x, y) must lie inside the image.
void classifyPixel(const QImage &image, int x, int y, int &light, int &dark);

// The patch of a picture of size that the test samples; null for an unknown position or when
// the patch lies outside the picture.
QRect colourPatch(const QSize &size, int position, const QRect &area = QRect());

// True when the patch chosen by position holds strictly more dark than light pixels. Rows of the
// band outside the image are not sampled; an unknown position or an empty patch gives false.
// area (the whole picture when null) is where the text is placed: the patch moves with it.
bool isDarkBackground(const QImage &image, int position, const QRect &area = QRect());
// True when patch (inside the image, or null) holds strictly more dark than light pixels.
bool isDarkPatch(const QImage &image, const QRect &patch);
