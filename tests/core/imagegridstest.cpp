#include <gtest/gtest.h>

#include <QImage>

#include "Persistence/grid.h"
#include "Persistence/imagegrids.h"

using Persistence::Grid;
using Persistence::ImageGrids;

// The plain and flipped mappings are checked through the loaders that use
// them (every cell of the oxidation loaders' picture, the loader frame's
// corner tests).

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
