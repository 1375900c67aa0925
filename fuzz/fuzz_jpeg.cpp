// Decodes arbitrary bytes as a JPEG. Whatever the bytes, the decoder must come
// back (no crash, no hang, nothing leaked) with either a picture of a format
// the program draws and within the size limits, or a fault with a message and
// no picture.
#include "FuzzCheck.h"

#include "render/JpegImage.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace {

// libjpeg is the system's library, built without coverage hooks, so libFuzzer
// cannot see how far into a file the decoder got. The outcome stands in for
// that: each kind of message (up to its first number) and each format of a
// decoded picture counts as a feature of its own, which keeps inputs that
// fail in new ways or get further.
__attribute__((used, section("__libfuzzer_extra_counters"))) std::uint8_t gOutcomes[1024];

void CountOutcome(const TJpegResult& result)
{
    std::string kind = result.Error.toStdString();
    kind = kind.substr(0, kind.find_first_of("0123456789"));
    kind += std::to_string(static_cast<int>(result.Fault)) + std::to_string(result.Image.format());
    ++gOutcomes[std::hash<std::string>{}(kind) % sizeof gOutcomes];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TJpegResult result = DecodeJpeg(data, size);
    CountOutcome(result);
    if (result) {
        const QImage& image = result.Image;
        Require(!image.isNull() && result.Error.isEmpty());
        Require(image.format() == QImage::Format_RGB888 || image.format() == QImage::Format_Grayscale8);
        Require(image.width() <= kMaxJpegSide && image.height() <= kMaxJpegSide &&
                std::int64_t{image.width()} * image.height() <= kMaxJpegPixels);
    } else {
        Require(result.Fault != TJpegFault::None && result.Image.isNull() && !result.Error.isEmpty());
    }
    return 0;
}
