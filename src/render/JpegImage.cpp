#include "render/JpegImage.h"

#include <QFile>

#include <cerrno>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared before it

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// libjpeg passes its callbacks the jpeg_error_mgr; as the first member of a
// standard-layout struct it leads them back to the rest.
struct TErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Escape;
    TJpegFault Fault;
    char Message[JMSG_LENGTH_MAX];
};

// Everything the decode changes lives with the caller, so nothing in the frame
// that libjpeg's callbacks jump back to is left indeterminate by the jump.
struct TDecodeState {
    jpeg_decompress_struct Info;
    TErrorManager Errors;
    jpeg_progress_mgr Progress;
};

[[noreturn]] void Escape(TErrorManager& errors, TJpegFault fault, const char* message)
{
    errors.Fault = fault;
    std::snprintf(errors.Message, sizeof errors.Message, "%s", message);
    std::longjmp(errors.Escape, 1);
}

// Replaces libjpeg's own handler, which would end the process.
[[noreturn]] void OnError(j_common_ptr info)
{
    auto& errors = *reinterpret_cast<TErrorManager*>(info->err);
    char message[JMSG_LENGTH_MAX];
    info->err->format_message(info, message);
    Escape(errors, TJpegFault::Corrupt, message);
}

// libjpeg reports a truncated file or damaged scan data only as a warning
// and pads or skips what it could not decode; such a picture is refused too.
bool DamagesThePicture(int code)
{
    switch (code) {
    case JWRN_JPEG_EOF:          // the file ends before the picture does
    case JWRN_HIT_MARKER:        // a data segment ends early
    case JWRN_HUFF_BAD_CODE:     // corrupt entropy-coded data
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:       // a lost restart marker: data is skipped
    case JWRN_BOGUS_PROGRESSION: // progressive scans that do not add up
        return true;
    default:
        return false;
    }
}

// The other warnings (stray bytes before a marker, an unknown JFIF revision,
// a bad ICC marker, ...) leave the picture whole, and other viewers show it:
// so is it shown here. Trace messages (level 0 and up) are ignored.
void OnMessage(j_common_ptr info, int level)
{
    if (level < 0 && DamagesThePicture(info->err->msg_code))
        OnError(info);
}

// libjpeg calls this before it reads more of the file, so a scan beyond the
// limit is refused before it is decoded.
void OnProgress(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans)
        Escape(*reinterpret_cast<TErrorManager*>(info->err), TJpegFault::TooLarge, "The picture has too many scans.");
}

// The frame that the error callbacks longjmp back to. No object with a
// destructor is alive here at any libjpeg call (the picture belongs to the
// caller; the temporary that fills it is gone before the next call), so the
// jump skips no clean-up. libjpeg's own memory goes with jpeg_destroy_decompress.
bool DecodeInto(TDecodeState& state, const unsigned char* data, std::size_t size, QImage& image)
{
    jpeg_decompress_struct& info = state.Info;
    TErrorManager& errors = state.Errors;
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnError;
    errors.Base.emit_message = OnMessage;
    if (setjmp(errors.Escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    jpeg_create_decompress(&info);
    state.Progress.progress_monitor = OnProgress;
    info.progress = &state.Progress;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);

    const std::int64_t width = info.image_width;
    const std::int64_t height = info.image_height;
    if (width > kMaxJpegSide || height > kMaxJpegSide || width * height > kMaxJpegPixels)
        Escape(errors, TJpegFault::TooLarge, "The picture is too large.");

    QImage::Format format = QImage::Format_RGB888;
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        format = QImage::Format_Grayscale8;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        info.out_color_space = JCS_RGB;
        break;
    default:
        // CMYK files differ in whether their inks are stored inverted; rather
        // than guess, they are refused.
        Escape(errors, TJpegFault::Unsupported, "The picture's colour space is not supported.");
    }

    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), format);
    if (image.isNull())
        Escape(errors, TJpegFault::TooLarge, "There is not enough memory for the picture.");
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

TJpegResult Failure(TJpegFault fault, const QString& error)
{
    TJpegResult result;
    result.Fault = fault;
    result.Error = error;
    return result;
}

// Closes the descriptor on every way out of LoadJpegFile.
struct TFileDescriptor {
    explicit TFileDescriptor(int fd) : Fd(fd) {}
    ~TFileDescriptor()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Fd;
};

} // namespace

TJpegResult DecodeJpeg(const unsigned char* data, std::size_t size)
{
    if (size == 0)
        return Failure(TJpegFault::Corrupt, QStringLiteral("There is no picture data."));
    if (size > static_cast<std::size_t>(kMaxJpegBytes))
        return Failure(TJpegFault::TooLarge, QStringLiteral("The picture file is too large."));

    TJpegResult result;
    TDecodeState state{};
    if (!DecodeInto(state, data, size, result.Image))
        return Failure(state.Errors.Fault, QString::fromLatin1(state.Errors.Message));
    return result;
}

TJpegResult DecodeJpeg(const QByteArray& data)
{
    return DecodeJpeg(reinterpret_cast<const unsigned char*>(data.constData()),
                      static_cast<std::size_t>(data.size()));
}

TJpegResult LoadJpegFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || name.contains('\0'))
        return Failure(TJpegFault::Unreadable, QStringLiteral("No valid file name was given."));

    // The opened descriptor is checked, not the name, so a file swapped in
    // between cannot slip past; O_NONBLOCK keeps a FIFO from hanging the open.
    const TFileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Fd < 0) {
        const int error = errno;
        return Failure(TJpegFault::Unreadable,
                       QStringLiteral("Could not open %1: %2").arg(path, qt_error_string(error)));
    }
    struct stat status {};
    if (::fstat(file.Fd, &status) != 0 || !S_ISREG(status.st_mode))
        return Failure(TJpegFault::Unreadable, QStringLiteral("%1 is not a regular file.").arg(path));
    if (status.st_size > kMaxJpegBytes)
        return Failure(TJpegFault::TooLarge, QStringLiteral("%1 is too large for a picture.").arg(path));

    QByteArray bytes(static_cast<qsizetype>(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.Fd, bytes.data() + done, static_cast<std::size_t>(bytes.size() - done));
        if (got < 0) {
            const int error = errno;
            if (error == EINTR)
                continue;
            return Failure(TJpegFault::Unreadable,
                           QStringLiteral("Could not read %1: %2").arg(path, qt_error_string(error)));
        }
        if (got == 0)
            break; // the file shrank meanwhile; what is there gets decoded
        done += got;
    }
    bytes.truncate(done);
    return DecodeJpeg(bytes);
}
