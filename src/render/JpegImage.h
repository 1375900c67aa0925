// Whole-image JPEG decoding with libjpeg into a QImage, for the win pictures:
// the one the program carries and the files the player chooses. A file that
// cannot be read, is truncated, has damaged picture data or claims an absurd
// size gives an error result; nothing here ends the program.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>

// Larger pictures are refused before anything is allocated for them.
inline constexpr int kMaxJpegSide = 16384;
inline constexpr std::int64_t kMaxJpegPixels = 100'000'000;
inline constexpr std::int64_t kMaxJpegBytes = 64 * 1024 * 1024;
// A progressive file may repeat its scans without end, and every scan walks
// the whole picture again, so a small file could keep the decoder busy for
// hours. Encoders write a dozen or so; more than this is refused as soon as
// the scan after the limit begins.
inline constexpr int kMaxJpegScans = 1000;

enum class TJpegFault {
    None,
    Unreadable,  // no such file, not a regular file, or a read failed
    TooLarge,    // more bytes, pixels or scans than the limits above
    Unsupported, // a colour space other than grey, YCbCr or RGB (CMYK, YCCK, ...)
    Corrupt,     // empty, not a JPEG, truncated or damaged
};

struct TJpegResult {
    QImage Image;        // Format_RGB888 or Format_Grayscale8; null on failure
    TJpegFault Fault = TJpegFault::None;
    QString Error;       // what went wrong, for a message; empty on success

    explicit operator bool() const { return Fault == TJpegFault::None; }
};

TJpegResult DecodeJpeg(const unsigned char* data, std::size_t size);
TJpegResult DecodeJpeg(const QByteArray& data);

// Reads a regular file of at most kMaxJpegBytes and decodes it. Never blocks on
// a FIFO or a device: anything but a regular file is refused.
TJpegResult LoadJpegFile(const QString& path);
