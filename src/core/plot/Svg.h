// Writes a Scene as a standalone SVG document: the CLI's picture export and a
// renderer-free way to look at any diagram.
#pragma once

#include "plot/Scene.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace velmorin::plot {

class SvgWriteError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The SVG text of a scene. Items with a non-finite coordinate are left out.
std::string toSvg(const Scene& scene);

// Writes the SVG to `path` through a temporary file in the same folder and a
// rename, so the target is either the old file or the complete new one.
// Throws SvgWriteError when the file cannot be written.
void writeSvg(const Scene& scene, const std::filesystem::path& path);

} // namespace velmorin::plot
