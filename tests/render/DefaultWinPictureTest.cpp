#include "render/DefaultWinPicture.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// The resource is linked in from a static library; this fails if the linker
// dropped it or the path changed.
TEST(DefaultWinPicture, IsABaselineJfifCarriedAsResource)
{
    QFile file(QStringLiteral(":/pictures/DefaultWinPicture.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8\xFF\xE0")) << "starts with a JFIF segment";
    EXPECT_EQ(bytes.mid(6, 5), QByteArray("JFIF", 5));
    EXPECT_TRUE(bytes.contains("\xFF\xC0")) << "baseline frame";
    EXPECT_FALSE(bytes.contains("\xFF\xC2")) << "no progressive frame";
}

TEST(DefaultWinPicture, DecodesToThreeHundredByOneHundredFiftyInColour)
{
    const QImage picture = DefaultWinPicture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(300, 150));
    EXPECT_FALSE(picture.isGrayscale());
}

} // namespace
