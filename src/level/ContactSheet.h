#pragma once

#include "IoResult.h"

#include <QCoreApplication>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <vector>

// An episode's levels on one picture, as a modder posts them: the levels'
// pictures in a grid of as many columns as the square root of their count
// (rounded up), row by row in the order given, each with its number (two
// digits, as in its file name) under it in the 3 x 5 pixel font, on a dark
// ground. Every cell of the grid is as wide as the widest picture and as
// tall as the tallest with its number; pictures sit at their cell's
// top-left corner, numbers right under them.
class ContactSheet {
    Q_DECLARE_TR_FUNCTIONS(ContactSheet)
public:
    // Pixels around the sheet and between cells.
    static constexpr int Margin = 8;
    // Pixels between a picture and its number.
    static constexpr int LabelGap = 3;
    // Pixels a side of one pixel of the font.
    static constexpr int LabelScale = 2;
    static constexpr QRgb Ground = 0xFF303030;
    static constexpr QRgb Ink = 0xFFFFFFFF;

    struct Item {
        int number = 0;
        QImage picture;
    };

    struct Layout {
        QSize sheet;
        int columns = 0;
        // Per item: the top-left corners of its picture and its number.
        std::vector<QPoint> pictures;
        std::vector<QPoint> labels;
    };

    // The layout of pictures of `sizes` numbered `numbers` (one each).
    static Layout Arrange(const std::vector<int>& numbers, const std::vector<QSize>& sizes);
    // Whether a sheet of `size` is within the limits of a picture.
    static bool Fits(QSize size);
    // The sheet; fails, saying why, when there is no item or the sheet
    // would be too large.
    static IoResult Compose(const std::vector<Item>& items, QImage& sheet);
};
