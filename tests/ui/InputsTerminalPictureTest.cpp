#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSet>

#include "ui/pages/io/inputs/InputTerminalsPicture.h"

using namespace vrm;

namespace {

QImage render(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    InputTerminalsPicture::paint(painter, image.rect());
    return image;
}

bool columnIsWhite(const QImage& image, int x)
{
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) != qRgb(255, 255, 255))
            return false;
    return true;
}

} // namespace

TEST(InputsTerminalPicture, NamesTheTerminalBlock)
{
    const QStringList names = InputTerminalsPicture::terminalNames();
    ASSERT_EQ(names.size(), 10);
    EXPECT_EQ(names.first(), "10VS");
    EXPECT_EQ(names.last(), "GND");
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(names[n], QStringLiteral("In%1").arg(n));
}

TEST(InputsTerminalPicture, KeepsItsProportionsCentredInAWiderPlace)
{
    // 640 x 360 fits a 1000 x 360 place exactly in height: 180 columns stay free on each side.
    const QImage image = render({1000, 360});
    EXPECT_TRUE(columnIsWhite(image, 170));
    EXPECT_TRUE(columnIsWhite(image, 829));
    EXPECT_FALSE(columnIsWhite(image, 200));
    EXPECT_FALSE(columnIsWhite(image, 800));

    InputTerminalsPicture widget;
    EXPECT_TRUE(widget.hasHeightForWidth());
    EXPECT_EQ(widget.heightForWidth(1280), 720);
}

TEST(InputsTerminalPicture, DrawsTheSameShapesAtEveryScale)
{
    // Drawn, not stretched from pixels: the large rendering, reduced, matches the small one.
    const QImage small = render({320, 180});
    const QImage large = render({1280, 720}).scaled(320, 180, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int differing = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) {
            const QColor a = small.pixelColor(x, y);
            const QColor b = large.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 120)
                ++differing;
        }
    EXPECT_LT(differing, small.width() * small.height() / 20);
    // The drawing is more than a filled frame: board, block, wires and captions.
    QSet<QRgb> colours;
    for (int y = 0; y < small.height(); y += 3)
        for (int x = 0; x < small.width(); x += 3)
            colours.insert(small.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
}
