#include "invoices/InvoiceLogo.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPlatform.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

// A small picture of one colour, unlike the default logo.
QImage Swatch(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(InvoiceLogo, DefaultIsAnOpaqueBlueCaduceusOnWhite)
{
    const QImage logo = DefaultInvoiceLogo();
    EXPECT_EQ(logo.size(), QSize(297, 184));
    EXPECT_FALSE(logo.hasAlphaChannel());
    EXPECT_EQ(logo.pixelColor(0, 0), QColor(Qt::white));
    // The staff runs down the middle in blue.
    const QColor staff = logo.pixelColor(148, 120);
    EXPECT_GT(staff.blue(), staff.red() + 60);
    // Drawn once: every call gives the same picture.
    EXPECT_EQ(DefaultInvoiceLogo().cacheKey(), logo.cacheKey());
}

TEST(InvoiceLogo, BlankIsTwoByTwoOpaqueWhite)
{
    const QImage blank = BlankInvoiceLogo();
    ASSERT_EQ(blank.size(), QSize(2, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(blank.pixel(x, y), qRgb(255, 255, 255));
}

TEST(InvoiceLogo, LoadsTheProgramFoldersFileOrFallsBackToTheDefault)
{
    ScriptedPlatform sp;
    // No file at all.
    EXPECT_EQ(LoadInvoiceLogo(), DefaultInvoiceLogo());

    // A stored logo is given back at its own size.
    const QImage red = Swatch(QSize(40, 20), Qt::red);
    ASSERT_TRUE(red.save(sp.file("Logo.bmp"), "BMP"));
    EXPECT_EQ(LoadInvoiceLogo().size(), QSize(40, 20));
    EXPECT_EQ(LoadInvoiceLogo().pixelColor(5, 5), QColor(Qt::red));

    // Bytes that are no picture.
    writeBytes(sp.file("Logo.bmp"), "BM not really a bitmap");
    EXPECT_EQ(LoadInvoiceLogo(), DefaultInvoiceLogo());
}

TEST(InvoiceLogo, FindsAFileCopiedWithOtherLetterCase)
{
    ScriptedPlatform sp;
    ASSERT_TRUE(Swatch(QSize(8, 8), Qt::green).save(sp.file("LOGO.bmp"), "BMP"));
    EXPECT_EQ(LoadInvoiceLogo().size(), QSize(8, 8));
}

} // namespace
