#pragma once
// The one way this program writes a file: whole or not at all. The bytes go to a
// temporary file beside the target, are flushed to the disk, and the temporary file is
// renamed over the target; on any failure it is removed and the target stays as it was.
// A file that existed keeps its permissions; a new one gets the user's default ones.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vaporel {

// nullopt when written; otherwise the operating system's reason ("No space left on
// device", "Is a directory", ...).
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace vaporel
