#include "dialogs/Artwork.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

using namespace Artwork;

// Every picture comes back at exactly the size asked and actually draws something.
TEST(Artwork, EveryPictureIsDrawnAtItsSize)
{
    using A = Application;
    const struct {
        const char *name;
        std::function<QPixmap(QSize)> draw;
        QSize size;
    } cases[] = {
        {"LoginHeading", LoginHeading, {460, 150}},
        {"ChangeHeading", ChangeHeading, {460, 110}},
        {"LauncherTitle", LauncherTitle, {500, 70}},
        {"LauncherSubtitle", LauncherSubtitle, {990, 44}},
        {"InfoIcon", InfoIcon, {48, 48}},
        {"HelpIcon", HelpIcon, {48, 48}},
        {"PhotoOwners", [](QSize s) { return ApplicationPhoto(A::Owners, s); }, {226, 196}},
        {"PhotoAnimals", [](QSize s) { return ApplicationPhoto(A::Animals, s); }, {226, 196}},
        {"PhotoCertificates", [](QSize s) { return ApplicationPhoto(A::Certificates, s); }, {226, 196}},
        {"PhotoAppointments", [](QSize s) { return ApplicationPhoto(A::Appointments, s); }, {226, 196}},
        {"PhotoPriceList", [](QSize s) { return ApplicationPhoto(A::PriceList, s); }, {226, 196}},
        {"PhotoInvoices", [](QSize s) { return ApplicationPhoto(A::Invoices, s); }, {226, 196}},
        {"ButtonOwners", [](QSize s) { return ApplicationButton(A::Owners, s); }, {308, 38}},
        {"ButtonInvoices", [](QSize s) { return ApplicationButton(A::Invoices, s); }, {308, 38}},
        {"MakerStrip", MakerStrip, {990, 30}},
        {"CopyrightMark", CopyrightMark, {24, 24}},
        {"ExitCross", ExitCross, {24, 24}},
        {"InfoHeading", InfoHeading, {460, 70}},
        {"EnvelopeIcon", EnvelopeIcon, {32, 32}},
        {"MakerLogo", MakerLogo, {625, 380}},
        {"GlobeIcon", GlobeIcon, {32, 32}},
        {"HelpHeading", HelpHeading, {620, 70}},
        {"PdfIcon", PdfIcon, {32, 32}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QPixmap pm = c.draw(c.size);
        ASSERT_FALSE(pm.isNull());
        EXPECT_EQ(pm.size(), c.size);
        const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
        int painted = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                painted += qAlpha(img.pixel(x, y)) > 0;
        EXPECT_GT(painted, img.width() * img.height() / 10);
    }
}

// The launcher's subtitle is one line across the panel, not two.
TEST(Artwork, LauncherSubtitleIsOneLine)
{
    const QImage img = LauncherSubtitle({995, 40}).toImage().convertToFormat(QImage::Format_ARGB32);
    int top = img.height(), bottom = -1, left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(bottom, top) << "nothing drawn";
    EXPECT_LE(bottom - top + 1, 20) << "ink from row " << top << " to " << bottom;
    EXPECT_GT(right - left, img.width() * 3 / 4) << "the line spans the panel";
}
