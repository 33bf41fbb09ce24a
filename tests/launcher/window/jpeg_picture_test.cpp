#include "launcher/window/jpeg_picture.h"
#include "launcher/window/resources.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray AboutPicture()
{
    launcher::EnsureResources();
    QFile file(QStringLiteral(":/launcher/about.jpg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(DecodeJpeg, ReadsTheAboutPicture)
{
    const QImage image = launcher::DecodeJpeg(AboutPicture());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(100, 188));
    // Sky at the top, sea at the bottom, a white tower in the middle.
    const QColor sky = image.pixelColor(5, 5), sea = image.pixelColor(5, 180), tower = image.pixelColor(50, 140);
    EXPECT_GT(sky.blue(), 180);
    EXPECT_LT(sea.red(), 90);
    EXPECT_GT(tower.red(), 220);
    EXPECT_GT(tower.green(), 220);
}

TEST(DecodeJpeg, GreyPicturesComeOutGrey)
{
    QImage grey(16, 8, QImage::Format_Grayscale8);
    grey.fill(200);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    ASSERT_TRUE(grey.save(&buffer, "JPG"));
    const QImage image = launcher::DecodeJpeg(jpeg);
    ASSERT_EQ(image.size(), QSize(16, 8));
    for (const QPoint at : {QPoint(0, 0), QPoint(15, 7)})
        EXPECT_NEAR(image.pixelColor(at).red(), 200, 2) << at.x();
    EXPECT_EQ(image.pixelColor(15, 7), image.pixelColor(0, 0));
}

TEST(DecodeJpeg, CorruptDataGivesNoPictureAndNoCrash)
{
    const QByteArray good = AboutPicture();
    EXPECT_TRUE(launcher::DecodeJpeg(QByteArray()).isNull());
    EXPECT_TRUE(launcher::DecodeJpeg(QByteArray("not a picture at all")).isNull());
    EXPECT_TRUE(launcher::DecodeJpeg(good.left(2)).isNull());
    // Random damage anywhere: a picture or none, never an exit.
    std::mt19937 random(5);
    for (int i = 0; i < 300; ++i) {
        QByteArray damaged = good;
        for (int k = 0; k < 8; ++k)
            damaged[static_cast<qsizetype>(random() % static_cast<unsigned>(damaged.size()))] =
                static_cast<char>(random());
        const QImage image = launcher::DecodeJpeg(damaged.left(static_cast<qsizetype>(random() % good.size())));
        if (!image.isNull()) {
            EXPECT_GT(image.width(), 0);
        }
    }
}

} // namespace
