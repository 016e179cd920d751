// Whole-file replacement that never leaves half a file behind: the content is
// written to a temporary file in the same folder, then renamed over the target.
#pragma once

#include <filesystem>
#include <string_view>

namespace velmorin {

// Writes `content` as the new content of `target`. Throws std::system_error
// when any step fails; the old file is then left as it was and no temporary
// file remains. A target that exists but may not be written is refused.
void writeFileAtomically(const std::filesystem::path& target, std::string_view content);

} // namespace velmorin
