#include "core/lawdb/content_store.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/mdi_form1.h"
#include "gui/mainwindow/twips.h"
#include "support/fake_clock.h"
#include "support/fake_services.h"
#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(MainWindow, FrameHostsTheMainWindow)
{
    InstallTree tree;
    FakeClock clock(QDate(2026, 12, 10));
    FakePlatformServices fakes;
    const NoDateTexts undated;
    auto *form1 = new Form1(tree.drives(), clock, fakes.services(), undated);
    MDIForm1 frame(form1);
    frame.show();

    EXPECT_EQ(frame.objectName(), u"MDIForm1"_s);
    EXPECT_EQ(frame.windowTitle(), u"Veridane"_s);
    EXPECT_EQ(frame.findChild<Form1 *>(u"Form1"_s), form1);
    EXPECT_EQ(form1->windowTitle(), u"Veridane"_s);
    EXPECT_TRUE(form1->isVisible());
    EXPECT_EQ(form1->clock().today(), QDate(2026, 12, 10));
}

TEST(Twips, FifteenToAPixel)
{
    const struct {
        int twips;
        int pixels;
    } cases[] = {{0, 0}, {15, 1}, {7, 0}, {8, 1}, {1440, 96}, {12000, 800}, {-15, -1}, {-8, -1}};
    for (const auto &c : cases)
        EXPECT_EQ(Twips::toPixels(c.twips), c.pixels) << c.twips;
    EXPECT_EQ(Twips::rect(150, 300, 1500, 450), QRect(10, 20, 100, 30));
}
