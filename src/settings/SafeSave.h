// Saving a whole file so that a failure never leaves a truncated one behind.
#pragma once

#include <string>
#include <string_view>

// Writes the contents to a new file beside the target, flushes it to disk and
// renames it over the target; a symbolic link is followed, so the file it
// points to is replaced and the link stays. A new file keeps the permission
// bits of the one it replaces. An existing target that is not a regular file,
// or is not writable (access() refuses it, or none of its write bits is set,
// which keeps a file made read-only untouched even for root), fails without
// being touched. Returns false on any failure; never throws.
bool SaveReplacing(const std::string& path, std::string_view contents) noexcept;
