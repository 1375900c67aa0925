// Decodes arbitrary bytes as a JPEG. Whatever the bytes, the decoder must come
// back (no crash, no hang, nothing leaked) with either a picture of a format
// the program draws and within the size limits, or a fault with a message and
// no picture.
#include "FuzzCheck.h"

#include "render/JpegImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TJpegResult result = DecodeJpeg(data, size);
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
