// The comment text of each circuit, read from the UTF-8 comments file where a
// line "#" + circuit number opens a circuit's block.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmorin {

// The comment of circuit `item` in `text`: the lines after the line that is
// exactly "#item" up to the next line starting with "#", joined with "\r\n",
// with surrounding white space removed. No such block gives "".
std::string getMemoCircuit(std::string_view text, int item);

// The same, read from the file at `path`; throws std::runtime_error when the
// file cannot be read.
std::string getMemoCircuitFromFile(const std::filesystem::path& path, int item);

// The headline of a comment: its first sentence, up to and including the
// first "."; empty when the comment has no ".".
std::string_view commentHeadline(std::string_view comment);

} // namespace velmorin
