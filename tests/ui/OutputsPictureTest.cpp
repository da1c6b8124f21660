// The output terminals picture scales with its widget and keeps its
// proportions. With VRM_PAGE_GRABS set to a folder it is written there at two
// sizes for a look.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "ui/pages/io/outputs/OutputTerminalsPicture.h"

using namespace vrm;

namespace {
// Share of pixels that differ from the window background.
double inkShare(const QImage& image, QColor background)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixelColor(x, y) != background;
    return double(ink) / (image.width() * image.height());
}
} // namespace

TEST(OutputsPicture, FillsItsWidgetAtAnySizeWithItsProportions)
{
    OutputTerminalsPicture picture;
    EXPECT_EQ(picture.heightForWidth(1280), 600);
    const QString grabs = qEnvironmentVariable("VRM_PAGE_GRABS");
    for (QSize size : {QSize(320, 150), QSize(1280, 600)}) {
        picture.resize(size);
        const QImage image = picture.grab().toImage();
        ASSERT_EQ(image.size(), size);
        const QColor background = picture.palette().color(QPalette::Window);
        // The board covers most of the area at every scale, nothing is drawn outside it.
        EXPECT_GT(inkShare(image, background), 0.7) << size.width();
        EXPECT_EQ(image.pixelColor(0, 0), background);
        if (!grabs.isEmpty()) {
            EXPECT_TRUE(image.save(QDir(grabs).filePath(QStringLiteral("outputs-picture-%1.png").arg(size.width()))));
        }
    }
}
