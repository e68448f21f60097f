#pragma once

#include <QColor>
#include <QImage>

namespace undertext::testing {

// The pixels of image drawn in the colour of the marks that stand for blanks (an
// orange far from black text, white ground and a blue selection), antialiased
// edges included.
inline int blankMarkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.red() - pixel.blue() > 100 && pixel.green() < 200 ? 1 : 0;
        }
    }
    return count;
}

}  // namespace undertext::testing
