#include "gui/platform/qt_platform_services.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

TEST(QtClipboard, RoundTripsTextThroughPlatformServices)
{
    QtPlatformServices platform;
    Clipboard &clipboard = platform.services().clipboard;

    for (const QString &text : {u"《民法典》第一条\r\n第二行"_s, u"plain"_s, QString()}) {
        clipboard.setText(text);
        EXPECT_EQ(clipboard.text(), text);
    }
}

class QtWindowPrinterTest : public testing::Test
{
protected:
    QtWindowPrinterTest()
    {
        window.setObjectName(u"Form1"_s);
        window.resize(400, 300);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(u"法律法规"_s));
    }

    QWidget window;
};

TEST_F(QtWindowPrinterTest, WithoutAPrinterPrintsNothing)
{
    EXPECT_FALSE(QtWindowPrinter::printImageOn(&window, QPrinterInfo()));
}

TEST_F(QtWindowPrinterTest, WithoutADefaultPrinterReturnsFalse)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; nothing is printed on it";
    QtWindowPrinter printer;
    EXPECT_FALSE(printer.printImage(&window));
}

TEST_F(QtWindowPrinterTest, PrintsAPictureOfTheWindowToAPdfFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pdf = folder.filePath(u"window.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);

    ASSERT_TRUE(QtWindowPrinter::printImageTo(&window, printer));

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    EXPECT_GT(file.size(), 1000);
}

TEST_F(QtWindowPrinterTest, WithoutAWindowPrintsNothing)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(u"none.pdf"_s));

    EXPECT_FALSE(QtWindowPrinter::printImageTo(nullptr, printer));
    EXPECT_FALSE(QFile::exists(folder.filePath(u"none.pdf"_s)));
}

// A mono 16-bit PCM wave file of frames samples of silence at 8000 Hz.
QByteArray waveFile(std::uint32_t frames)
{
    const std::uint32_t dataSize = frames * 2;
    QByteArray bytes;
    const auto chars = [&bytes](const char *text) { bytes.append(text, 4); };
    const auto le = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.append(char((value >> (8 * i)) & 0xFF));
    };
    chars("RIFF");
    le(36 + dataSize, 4);
    chars("WAVE");
    chars("fmt ");
    le(16, 4);       // format chunk size
    le(1, 2);        // PCM
    le(1, 2);        // channels
    le(8000, 4);     // sample rate
    le(8000 * 2, 4); // byte rate
    le(2, 2);        // block align
    le(16, 2);       // bits per sample
    chars("data");
    le(dataSize, 4);
    bytes.append(QByteArray(qsizetype(dataSize), '\0'));
    return bytes;
}

// Lets events run until done() holds or a few seconds have passed; QSoundEffect loads
// its file in the background and may find no audio device at all.
void processEventsUntil(const std::function<bool()> &done)
{
    const QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

class QtWavePlayerTest : public testing::Test
{
protected:
    // Writes bytes to a file of the temporary folder and returns its path.
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir folder;
};

TEST_F(QtWavePlayerTest, WithoutASoundPlayDoesNothing)
{
    ASSERT_TRUE(folder.isValid());
    const QString missing = folder.filePath(u"sounds/click.wav"_s);
    const QString garbage = write(u"bad.wav"_s, QByteArray("this is no wave file"));

    for (const QString &path : {QString(), missing, garbage}) {
        QtWavePlayer player;
        EXPECT_FALSE(player.isLoaded());
        player.load(path);
        player.rewind();
        player.play();
        processEventsUntil([&player] { return !player.isLoading(); });
        EXPECT_FALSE(player.isLoaded()) << path.toStdString();
        player.play();
    }
}

TEST_F(QtWavePlayerTest, AValidWaveFileLoadsAndPlaysWithoutBlocking)
{
    ASSERT_TRUE(folder.isValid());
    const QString path = write(u"Page.wav"_s, waveFile(400));

    QtWavePlayerFactory factory;
    std::unique_ptr<WavePlayer> first = factory.create();
    std::unique_ptr<WavePlayer> second = factory.create();
    first->load(path);
    second->load(path);
    first->play(); // may come while the file is still loading
    processEventsUntil([&] { return first->isLoaded() && second->isLoaded(); });

    // Without an audio device the file may not load; the commands must still be harmless.
    first->rewind();
    first->play();
    second->play();
    second->rewind();
    first->load(path);
    first->play();
}

} // namespace
