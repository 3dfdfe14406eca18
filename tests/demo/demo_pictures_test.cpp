#include "demo/demo_pictures.h"
#include "support/install_tree.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr int TwipsPerPixel = 15;
constexpr QSize Button(405 / TwipsPerPixel, 405 / TwipsPerPixel);

// What the window shows each picture as: the picture buttons of the top
// band and the page row are 405 twips square.
const struct {
    QString name;
    QSize size;
} Expected[] = {
    {u"exit1.jpg"_s, Button},
    {u"exit2.jpg"_s, Button},
    {u"exit3.jpg"_s, Button},
    {u"preview1.jpg"_s, Button},
    {u"preview2.jpg"_s, Button},
    {u"preview3.jpg"_s, Button},
    {u"next1.jpg"_s, Button},
    {u"next2.jpg"_s, Button},
    {u"next3.jpg"_s, Button},
    {u"backup.jpg"_s, Button},
    {u"backup0.jpg"_s, Button},
    {u"restore.jpg"_s, Button},
    {u"restore0.jpg"_s, Button},
    {u"delete.jpg"_s, Button},
    {u"delete0.jpg"_s, Button},
    {u"word.ico"_s, Button},
    {u"word0.ico"_s, Button},
    {u"copy.ico"_s, Button},
    {u"copy0.ico"_s, Button},
    {u"paste.ico"_s, Button},
    {u"favoritesadd.jpg"_s, Button},
    {u"favoritesadd0.jpg"_s, Button},
    {u"law.ico"_s, QSize(32, 32)},
    {u"clients.ico"_s, QSize(32, 32)},
    {u"Telecom.ico"_s, QSize(32, 32)},
    {u"loadphoto.jpg"_s, QSize(96, 128)},
    {u"print.jpg"_s, Button},
    {u"email.jpg"_s, Button},
    {u"billing.jpg"_s, Button},
    // The top band holds two rows of category buttons and the picture
    // buttons with their captions; the page row one row of tool buttons.
    {u"background.jpg"_s, QSize(1280, 960 / TwipsPerPixel)},
    {u"strip.jpg"_s, QSize(1280, 450 / TwipsPerPixel)},
};

QImage load(const InstallTree &tree, const QString &name)
{
    return QImage(tree.hostPath(demoPicturePath(name)));
}

// How far a picture's colours are from grey: the mean HSV saturation (0 to
// 255) of its visible pixels.
double meanSaturation(const QImage &image)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 128)
                continue;
            sum += c.hsvSaturation();
            ++count;
        }
    }
    return count == 0 ? 0 : sum / count;
}

// The mean difference of two pictures of one size, per colour channel (0 to
// 255), of the colours as they show (weighted by their opacity).
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * x.width() * x.height());
}

} // namespace

TEST(DemoPictures, EveryPictureLoadsInItsFormatAtItsSize)
{
    QSet<QString> expectedNames;
    for (const auto &e : Expected)
        expectedNames.insert(e.name);
    const QStringList names = demoPictureNames();
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()), expectedNames);

    InstallTree tree;
    const DemoPictureResult r = writeDemoPictures(tree.drives(), false);
    ASSERT_TRUE(r.ok()) << r.failure.toStdString();
    EXPECT_EQ(r.written, int(std::size(Expected)));
    EXPECT_EQ(r.kept, 0);

    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    for (const auto &e : Expected) {
        SCOPED_TRACE(e.name.toStdString());
        // The program reaches them by the names as written, letter case aside.
        EXPECT_TRUE(tree.files().exists(u"C:\\Program Files\\Quorix\\ObjPics\\"_s + e.name));
        const QString host = tree.hostPath(demoPicturePath(e.name));
        const QImage image(host);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), e.size);
        // The file holds the drawing: an icon exactly, a JPEG up to its losses.
        const QImage drawn = drawDemoPicture(e.name);
        ASSERT_EQ(drawn.size(), e.size);
        EXPECT_LT(meanDifference(image, drawn), e.name.endsWith(u".ico"_s) ? 0.5 : 8);
        const QByteArray format = e.name.endsWith(u".ico"_s) ? "ico" : "jpeg";
        if (readable.contains(format)) {
            EXPECT_EQ(QImageReader(host).format(), format);
        }
    }
    EXPECT_TRUE(drawDemoPicture(u"nothing.jpg"_s).isNull());
    EXPECT_TRUE(drawDemoPicture(u"LAW.ICO"_s).isNull());
}

TEST(DemoPictures, DisabledLooksAreGreyedCopies)
{
    InstallTree tree;
    ASSERT_TRUE(writeDemoPictures(tree.drives(), false).ok());
    for (const QString &stem : {u"backup"_s, u"restore"_s, u"delete"_s, u"favoritesadd"_s}) {
        SCOPED_TRACE(stem.toStdString());
        const QImage enabled = load(tree, stem + u".jpg"_s);
        const QImage disabled = load(tree, stem + u"0.jpg"_s);
        EXPECT_GT(meanDifference(enabled, disabled), 8);
        EXPECT_GT(meanSaturation(enabled), 30);
        EXPECT_LT(meanSaturation(disabled), 8); // grey, up to the JPEG's own noise
    }
    for (const QString &stem : {u"word"_s, u"copy"_s}) {
        SCOPED_TRACE(stem.toStdString());
        const QImage enabled = load(tree, stem + u".ico"_s);
        const QImage disabled = load(tree, stem + u"0.ico"_s);
        EXPECT_GT(meanDifference(enabled, disabled), 4);
        EXPECT_GT(meanSaturation(enabled), 15);
        EXPECT_EQ(meanSaturation(disabled), 0);
        // The same outline: the ground stays transparent where it was.
        for (int y = 0; y < enabled.height(); ++y) {
            for (int x = 0; x < enabled.width(); ++x) {
                ASSERT_EQ(qAlpha(enabled.pixel(x, y)) == 0, qAlpha(disabled.pixel(x, y)) == 0);
            }
        }
    }
}

TEST(DemoPictures, NavigationLooksAreDistinct)
{
    InstallTree tree;
    ASSERT_TRUE(writeDemoPictures(tree.drives(), false).ok());
    for (const QString &stem : {u"exit"_s, u"preview"_s, u"next"_s}) {
        SCOPED_TRACE(stem.toStdString());
        const QImage resting = load(tree, stem + u"1.jpg"_s);
        const QImage hovered = load(tree, stem + u"2.jpg"_s);
        const QImage pressed = load(tree, stem + u"3.jpg"_s);
        EXPECT_GT(meanDifference(resting, hovered), 10);
        EXPECT_GT(meanDifference(resting, pressed), 10);
        EXPECT_GT(meanDifference(hovered, pressed), 10);
    }
    // Previous and next module point different ways.
    EXPECT_GT(meanDifference(load(tree, u"preview1.jpg"_s), load(tree, u"next1.jpg"_s)), 5);
}

TEST(DemoPictures, KeepsFilesThereUnlessOverwriting)
{
    InstallTree tree;
    ASSERT_TRUE(writeDemoPictures(tree.drives(), false).ok());
    const auto first = tree.snapshot();

    const DemoPictureResult again = writeDemoPictures(tree.drives(), false);
    EXPECT_TRUE(again.ok());
    EXPECT_EQ(again.written, 0);
    EXPECT_EQ(again.kept, int(std::size(Expected)));
    EXPECT_TRUE(tree.snapshot() == first);

    // The user's own picture stays, in whatever case its name is spelt; a
    // missing one comes back.
    tree.writeBytes(demoPicturePath(u"law.ico"_s), "mine");
    QDir objpics(tree.hostPath(demoPicturePath({})));
    ASSERT_TRUE(objpics.rename(u"law.ico"_s, u"LAW.ICO"_s));
    ASSERT_TRUE(tree.files().deleteFile(demoPicturePath(u"strip.jpg"_s)).ok());
    const DemoPictureResult fill = writeDemoPictures(tree.drives(), false);
    EXPECT_TRUE(fill.ok());
    EXPECT_EQ(fill.written, 1);
    EXPECT_EQ(tree.readBytes(demoPicturePath(u"LAW.ICO"_s)), "mine");
    EXPECT_EQ(tree.readBytes(demoPicturePath(u"strip.jpg"_s)),
              first.value(u"/program files/quorix/objpics/strip.jpg"_s));

    const DemoPictureResult rewrite = writeDemoPictures(tree.drives(), true);
    EXPECT_TRUE(rewrite.ok());
    EXPECT_EQ(rewrite.written, int(std::size(Expected)));
    EXPECT_EQ(rewrite.kept, 0);
    EXPECT_EQ(tree.readBytes(demoPicturePath(u"LAW.ICO"_s)),
              first.value(u"/program files/quorix/objpics/law.ico"_s));
}

TEST(DemoPictures, AFileThatCannotBeWrittenStopsWithItsName)
{
    const struct {
        QString blocked; // a folder standing where the file should go
        int writtenBefore;
    } cases[] = {
        {u"exit1.jpg"_s, 0},
        {u"paste.ico"_s, int(demoPictureNames().indexOf(u"paste.ico"_s))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.blocked.toStdString());
        InstallTree tree;
        ASSERT_TRUE(tree.files().makeDirectory(demoPicturePath(c.blocked)).ok());
        const DemoPictureResult r = writeDemoPictures(tree.drives(), false);
        EXPECT_FALSE(r.ok());
        EXPECT_TRUE(r.failure.contains(c.blocked)) << r.failure.toStdString();
        EXPECT_EQ(r.written, c.writtenBefore);
        // Only whole pictures are left: no temporary file, each one loads.
        const QStringList left = tree.files().listFiles(demoPicturePath({}));
        EXPECT_EQ(left.size(), c.writtenBefore);
        for (const QString &name : left)
            EXPECT_FALSE(load(tree, name).isNull()) << name.toStdString();
    }

    InstallTree tree;
    tree.writeBytes(InstallTree::install(u"objpics"_s), "not a folder");
    const DemoPictureResult r = writeDemoPictures(tree.drives(), false);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.failure.contains(u"objpics"_s)) << r.failure.toStdString();
    EXPECT_EQ(tree.readBytes(InstallTree::install(u"objpics"_s)), "not a folder");
}
