#include "render/CanvasImage.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

struct TMapping {
    void* Start;
    std::size_t Length;
};

void Unmap(void* info)
{
    const auto* mapping = static_cast<TMapping*>(info);
    munmap(mapping->Start, mapping->Length);
    delete mapping;
}

std::size_t RoundUp(std::size_t value, std::size_t unit) { return (value + unit - 1) / unit * unit; }

} // namespace

QImage NewCanvasImage(QSize size)
{
    const qsizetype bytesPerLine = qsizetype{size.width()} * 4;
    const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(size.height());
    if (bytes < kHugePage)
        return QImage(size, QImage::Format_RGB32);

    // Map a huge page more than needed, keep the part that starts on a huge
    // page's boundary, and give the rest back.
    const std::size_t length = RoundUp(bytes, static_cast<std::size_t>(sysconf(_SC_PAGESIZE)));
    const std::size_t mapped = length + kHugePage;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return QImage(size, QImage::Format_RGB32);
    const auto rawAddress = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t startAddress = RoundUp(rawAddress, kHugePage);
    const std::size_t head = startAddress - rawAddress;
    if (head > 0)
        munmap(raw, head);
    if (mapped - head > length)
        munmap(reinterpret_cast<void*>(startAddress + length), mapped - head - length);
    auto* start = reinterpret_cast<uchar*>(startAddress);
    // Only advice: without huge pages the canvas works all the same.
    madvise(start, length, MADV_HUGEPAGE);
    return QImage(start, size.width(), size.height(), bytesPerLine, QImage::Format_RGB32, Unmap,
                  new TMapping{start, length});
}
