#include "ui/resources.h"

#include <gtest/gtest.h>

#include <QImage>

namespace lt {
namespace {

struct Picture {
    const char* path;
    int side;
};

class PictureTest : public ::testing::TestWithParam<Picture> {};

// Read without format detection, each picture is whole and the same as Qt's own reading.
TEST_P(PictureTest, ReadsAsPngWhole) {
    const QString path = QLatin1String(GetParam().path);
    const QPixmap pixmap = pngPixmap(path);
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.size(), QSize(GetParam().side, GetParam().side));
    EXPECT_EQ(pixmap.toImage(), QPixmap(path).toImage());
}

INSTANTIATE_TEST_SUITE_P(Resources, PictureTest,
                         ::testing::Values(Picture{":/background.png", 64},
                                           Picture{":/calendar.png", 16},
                                           Picture{":/icons/lifetally-16.png", 16},
                                           Picture{":/icons/lifetally-64.png", 64}));

TEST(ProgramIconTest, HasEachDrawnSize) {
    const QList<QSize> sizes = programIcon().availableSizes();
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
}

}  // namespace
}  // namespace lt
