#include <gtest/gtest.h>

#include <QImage>

#include "Persistence/grid.h"
#include "Persistence/imagegrids.h"

using Persistence::Grid;
using Persistence::ImageGrids;

namespace {

// A 2 x 3 picture whose pixels differ in red only: red = 10 * x + y.
QImage numberedPicture()
{
    QImage image(2, 3, QImage::Format_RGB32);
    for (int x = 0; x < 2; ++x)
        for (int y = 0; y < 3; ++y)
            image.setPixel(x, y, qRgb(10 * x + y, 0, 0));
    return image;
}

int redOf(QRgb pixel)
{
    return qRed(pixel);
}

} // namespace

TEST(ImageGrids, PlainKeepsImageRowsAndFlippedStandsThePictureUpright)
{
    const Grid<int> plain = ImageGrids::plain<int>(numberedPicture(), redOf);
    const Grid<int> flipped = ImageGrids::flipped<int>(numberedPicture(), redOf);
    for (const Grid<int>* grid : {&plain, &flipped}) {
        EXPECT_EQ(grid->width(), 2);
        EXPECT_EQ(grid->height(), 3);
        EXPECT_EQ(grid->depth(), 1);
        EXPECT_EQ(grid->size(), 6u);
    }
    for (int x = 0; x < 2; ++x) {
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(plain[static_cast<std::size_t>(x * 3 + y)], 10 * x + y) << x << "," << y;
            EXPECT_EQ(flipped.at(x, y), 10 * x + (2 - y)) << x << "," << y;
        }
    }
}

TEST(ImageGrids, HeightMapIsTwiceAsDeepAsItsTallestColumnWithSolidBelowEachHeight)
{
    QImage map(3, 2, QImage::Format_ARGB32);
    map.fill(qRgba(0, 90, 90, 255)); // green and blue play no part
    map.setPixel(1, 0, qRgba(4, 0, 0, 0));
    map.setPixel(2, 1, qRgba(1, 255, 255, 255));
    EXPECT_EQ(ImageGrids::heightMapDepth(map), 8);

    const Grid<char> volume = ImageGrids::heightMap(map, '#', '.');
    ASSERT_EQ(volume.depth(), 8);
    EXPECT_EQ(volume.size(), 3u * 2u * 8u);
    const int heights[3][2] = {{0, 0}, {4, 0}, {0, 1}};
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            for (int z = 0; z < 8; ++z)
                EXPECT_EQ(volume[(static_cast<std::size_t>(x) * 2 + y) * 8 + z],
                          z < heights[x][y] ? '#' : '.')
                    << x << "," << y << "," << z;
}

TEST(ImageGrids, RedMaskMarksPureRedPixelsInPlainOrderWhateverTheirAlpha)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(255, 255, 255, 255));
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(2, 1, qRgba(255, 0, 0, 30));
    image.setPixel(1, 0, qRgba(254, 0, 0, 255));
    image.setPixel(1, 1, qRgba(255, 0, 1, 255));
    const Grid<unsigned char> mask = ImageGrids::redMask(image);
    ASSERT_EQ(mask.width(), 3);
    ASSERT_EQ(mask.height(), 2);
    // Element x * 2 + y.
    const unsigned char expected[6] = {1, 0, 0, 0, 0, 1};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(mask[i], expected[i]) << i;
}
