#include "render/JpegImage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio> // jpeglib.h needs FILE and size_t declared before it
#include <cstdlib>
#include <functional>
#include <ostream>
#include <random>
#include <string>

#include <sys/stat.h>

#include <jpeglib.h>

// Readable faults in failure messages.
void PrintTo(TJpegFault fault, std::ostream* out)
{
    static const char* const names[] = {"None", "Unreadable", "TooLarge", "Unsupported", "Corrupt"};
    *out << names[static_cast<int>(fault)];
}

namespace {

// Writes a JPEG with libjpeg's compressor. The pixel bytes of each row are
// taken as they stand: RGB888 as RGB, Grayscale8 as grey, RGBX8888 as CMYK.
// A scan script, when given, makes a progressive file of those scans.
QByteArray EncodeJpeg(const QImage& image, J_COLOR_SPACE space, int quality = 95,
                      const jpeg_scan_info* scans = nullptr, int scanCount = 0)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = image.depth() / 8;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (scans) {
        info.scan_info = scans;
        info.num_scans = scanCount;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

// Four flat quadrants, so that the middle of each decodes close to its colour.
QImage Quadrants(QImage::Format format, const QRgb (&colors)[4])
{
    QImage image(32, 32, format);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            image.setPixel(x, y, colors[(y / 16) * 2 + x / 16]);
    return image;
}

// A smooth picture with enough detail that its second half is all scan data.
QByteArray GradientJpeg()
{
    QImage image(96, 64, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 2, y * 3, (x * y) % 256));
    return EncodeJpeg(image, JCS_RGB);
}

// A grey progressive JPEG of the given number of scans: one DC scan, then the
// same full AC scan again and again. libjpeg accepts a first AC scan of the
// same coefficients once more, so each copy is a scan it decodes afresh.
QByteArray RepeatedScanJpeg(int scans)
{
    QImage image(16, 16, QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 16, x * 16, x * 16));

    static const jpeg_scan_info script[] = {{1, {0}, 0, 0, 0, 0}, {1, {0}, 1, 63, 0, 0}};
    QByteArray jpeg = EncodeJpeg(image, JCS_GRAYSCALE, 95, script, 2);

    // The AC scan runs from the last start-of-scan marker to the end marker.
    const qsizetype end = jpeg.size() - 2;
    const qsizetype acScan = jpeg.lastIndexOf("\xFF\xDA");
    const QByteArray scan = jpeg.mid(acScan, end - acScan);
    jpeg.truncate(end);
    for (int n = 2; n < scans; ++n)
        jpeg.append(scan);
    return jpeg.append("\xFF\xD9", 2);
}

// Patches the frame header; the marker bytes cannot occur in the tables before it.
QByteArray WithClaimedSize(QByteArray jpeg, int width, int height)
{
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    const char size[] = {char(height >> 8), char(height & 0xFF), char(width >> 8), char(width & 0xFF)};
    return jpeg.replace(sof + 5, 4, size, 4);
}

void ExpectNear(QRgb actual, QRgb expected, const char* where)
{
    constexpr int tolerance = 12;
    EXPECT_NEAR(qRed(actual), qRed(expected), tolerance) << where;
    EXPECT_NEAR(qGreen(actual), qGreen(expected), tolerance) << where;
    EXPECT_NEAR(qBlue(actual), qBlue(expected), tolerance) << where;
}

void ExpectFailure(const TJpegResult& result, TJpegFault fault)
{
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Fault, fault) << result.Error.toStdString();
    EXPECT_TRUE(result.Image.isNull());
    EXPECT_FALSE(result.Error.isEmpty());
}

struct TDecodeCase {
    const char* Name;
    QImage::Format Format;
    J_COLOR_SPACE Space;
    QRgb Colors[4];
    friend void PrintTo(const TDecodeCase& c, std::ostream* out) { *out << c.Name; }
};

class JpegDecode : public testing::TestWithParam<TDecodeCase> {};

TEST_P(JpegDecode, GivesSizeAndColours)
{
    const TDecodeCase& c = GetParam();
    const TJpegResult result = DecodeJpeg(EncodeJpeg(Quadrants(c.Format, c.Colors), c.Space));
    ASSERT_TRUE(result) << result.Error.toStdString();
    EXPECT_EQ(result.Image.size(), QSize(32, 32));
    EXPECT_EQ(result.Image.format(), c.Format);
    ExpectNear(result.Image.pixel(8, 8), c.Colors[0], "top left");
    ExpectNear(result.Image.pixel(24, 8), c.Colors[1], "top right");
    ExpectNear(result.Image.pixel(8, 24), c.Colors[2], "bottom left");
    ExpectNear(result.Image.pixel(24, 24), c.Colors[3], "bottom right");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, JpegDecode,
    testing::Values(TDecodeCase{"Colour", QImage::Format_RGB888, JCS_RGB,
                                {qRgb(220, 30, 30), qRgb(30, 200, 40), qRgb(20, 40, 210), qRgb(250, 250, 250)}},
                    TDecodeCase{"Grey", QImage::Format_Grayscale8, JCS_GRAYSCALE,
                                {qRgb(0, 0, 0), qRgb(85, 85, 85), qRgb(170, 170, 170), qRgb(255, 255, 255)}}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TBrokenCase {
    const char* Name;
    std::function<QByteArray()> Bytes;
    TJpegFault Fault;
    friend void PrintTo(const TBrokenCase& c, std::ostream* out) { *out << c.Name; }
};

class JpegBroken : public testing::TestWithParam<TBrokenCase> {};

TEST_P(JpegBroken, IsRefused)
{
    ExpectFailure(DecodeJpeg(GetParam().Bytes()), GetParam().Fault);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, JpegBroken,
    testing::Values(
        TBrokenCase{"Empty", [] { return QByteArray(); }, TJpegFault::Corrupt},
        TBrokenCase{"RandomBytes",
                    [] {
                        std::mt19937 random(7);
                        QByteArray bytes(4096, '\0');
                        for (char& b : bytes)
                            b = static_cast<char>(random());
                        return bytes;
                    },
                    TJpegFault::Corrupt},
        TBrokenCase{"Truncated", [] { return GradientJpeg().chopped(GradientJpeg().size() / 2); },
                    TJpegFault::Corrupt},
        TBrokenCase{"ScanDataCorrupted",
                    [] {
                        QByteArray jpeg = GradientJpeg();
                        for (qsizetype i = jpeg.size() / 2; i < jpeg.size() / 2 + 40; i += 2)
                            jpeg.replace(i, 2, "\xFF\xD3", 2); // a restart marker where none belongs
                        return jpeg;
                    },
                    TJpegFault::Corrupt},
        TBrokenCase{"BadHuffmanCode",
                    [] {
                        QByteArray jpeg = GradientJpeg();
                        for (qsizetype i = jpeg.size() / 2; i < jpeg.size() / 2 + 40; i += 2)
                            jpeg.replace(i, 2, "\xFF\x00", 2); // one bits only: no code is that long
                        return jpeg;
                    },
                    TJpegFault::Corrupt},
        TBrokenCase{"Cmyk",
                    [] {
                        QImage inks(16, 16, QImage::Format_RGBX8888);
                        inks.fill(qRgb(10, 200, 30));
                        return EncodeJpeg(inks, JCS_CMYK);
                    },
                    TJpegFault::Unsupported}),
    [](const auto& info) { return std::string(info.param.Name); });

// Warnings about what does not touch the picture: other viewers show such a
// file, and so does the decoder, pixel for pixel as without the fault.
struct TWarningCase {
    const char* Name;
    std::function<QByteArray(QByteArray)> Spoil;
    friend void PrintTo(const TWarningCase& c, std::ostream* out) { *out << c.Name; }
};

class JpegHarmlessWarning : public testing::TestWithParam<TWarningCase> {};

TEST_P(JpegHarmlessWarning, IsAccepted)
{
    const QByteArray clean = GradientJpeg();
    const TJpegResult result = DecodeJpeg(GetParam().Spoil(clean));
    ASSERT_TRUE(result) << result.Error.toStdString();
    EXPECT_EQ(result.Image, DecodeJpeg(clean).Image);
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegHarmlessWarning,
    testing::Values(TWarningCase{"StrayBytesBeforeAMarker",
                                 [](QByteArray jpeg) { return jpeg.insert(jpeg.indexOf("\xFF\xDB"), "\x12\x34\x56"); }},
                    TWarningCase{"UnknownJfifRevision",
                                 [](QByteArray jpeg) {
                                     const qsizetype version = jpeg.indexOf("JFIF") + 5;
                                     return jpeg.replace(version, 1, "\x02", 1);
                                 }}),
    [](const auto& info) { return std::string(info.param.Name); });

// Headers that claim more pixels than the limits are refused as too large,
// which happens before the picture is allocated; a claim at the limits passes
// that check and then fails only because the scan does not cover it.
struct TClaimCase {
    const char* Name;
    int Width;
    int Height;
    TJpegFault Fault;
    friend void PrintTo(const TClaimCase& c, std::ostream* out) { *out << c.Name; }
};

class JpegClaimedSize : public testing::TestWithParam<TClaimCase> {};

TEST_P(JpegClaimedSize, IsCheckedBeforeDecoding)
{
    const TClaimCase& c = GetParam();
    ExpectFailure(DecodeJpeg(WithClaimedSize(GradientJpeg(), c.Width, c.Height)), c.Fault);
}

INSTANTIATE_TEST_SUITE_P(Claims, JpegClaimedSize,
                         testing::Values(TClaimCase{"TooWide", 16385, 16, TJpegFault::TooLarge},
                                         TClaimCase{"TooHigh", 16, 16385, TJpegFault::TooLarge},
                                         TClaimCase{"TooManyPixels", 12000, 9000, TJpegFault::TooLarge},
                                         TClaimCase{"AtTheSideLimit", 16384, 16, TJpegFault::Corrupt}),
                         [](const auto& info) { return std::string(info.param.Name); });

// Every scan walks the whole picture again, so the count of scans is limited.
TEST(JpegScans, UpToTheLimitDecodeBeyondItAreRefused)
{
    const TJpegResult plain = DecodeJpeg(RepeatedScanJpeg(2));
    ASSERT_TRUE(plain) << plain.Error.toStdString();
    ExpectNear(plain.Image.pixel(12, 8), qRgb(192, 192, 192), "two scans");

    const TJpegResult atLimit = DecodeJpeg(RepeatedScanJpeg(kMaxJpegScans));
    ASSERT_TRUE(atLimit) << atLimit.Error.toStdString();
    EXPECT_EQ(atLimit.Image, plain.Image);

    ExpectFailure(DecodeJpeg(RepeatedScanJpeg(kMaxJpegScans + 1)), TJpegFault::TooLarge);
}

TEST(JpegFile, DecodesLikeTheSameBytesInMemory)
{
    QTemporaryDir dir;
    const QByteArray jpeg = GradientJpeg();
    QFile file(dir.filePath("picture.jpg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(jpeg);
    file.close();

    const TJpegResult fromFile = LoadJpegFile(file.fileName());
    ASSERT_TRUE(fromFile) << fromFile.Error.toStdString();
    EXPECT_EQ(fromFile.Image, DecodeJpeg(jpeg).Image);
}

struct TFileCase {
    const char* Name;
    std::function<QString(const QDir&)> Make; // builds the file to read in a scratch folder
    TJpegFault Fault;
    friend void PrintTo(const TFileCase& c, std::ostream* out) { *out << c.Name; }
};

class JpegBadFile : public testing::TestWithParam<TFileCase> {};

TEST_P(JpegBadFile, IsRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ExpectFailure(LoadJpegFile(GetParam().Make(QDir(dir.path()))), GetParam().Fault);
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegBadFile,
    testing::Values(
        TFileCase{"NoName", [](const QDir&) { return QString(); }, TJpegFault::Unreadable},
        TFileCase{"Missing", [](const QDir& d) { return d.filePath("missing.jpg"); }, TJpegFault::Unreadable},
        TFileCase{"Directory",
                  [](const QDir& d) {
                      d.mkdir("folder.jpg");
                      return d.filePath("folder.jpg");
                  },
                  TJpegFault::Unreadable},
        TFileCase{"Fifo", // refused at once: reading it would wait for a writer
                  [](const QDir& d) {
                      const QString path = d.filePath("fifo.jpg");
                      EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                      return path;
                  },
                  TJpegFault::Unreadable},
        TFileCase{"OverSizeLimit", // sparse, so it costs no disk space
                  [](const QDir& d) {
                      QFile file(d.filePath("huge.jpg"));
                      EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                      EXPECT_TRUE(file.resize(kMaxJpegBytes + 1));
                      return file.fileName();
                  },
                  TJpegFault::TooLarge}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
