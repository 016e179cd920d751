#include "plot/VoltageStack.h"

#include "plot/Colors.h"
#include "text/Format.h"

#include <cmath>

namespace velmorin::plot {

namespace {
constexpr double kBarWidth = 12;
constexpr double kLabelOffset = 13.2;
constexpr double kFontSize = kDiagramFontSize;
} // namespace

Scene voltageStackScene(const std::vector<StackColumn>& columns, double Vb, double width, double height,
                        const Locale& locale) {
  Scene scene;
  scene.width = std::isfinite(width) && width > 0 ? width : 0;
  scene.height = std::isfinite(height) && height > 0 ? height : 0;
  scene.background = kTransparent;
  if (!std::isfinite(Vb) || Vb == 0)
    return scene;

  const double scale = scene.height - 2 * kStackTop;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const double x0 = kStackColumnPitch * double(k);
    double y = kStackTop;
    for (const StackSegment& seg : columns[k].segments) {
      // Whole pixels, so adjacent segments meet without seams or overlaps.
      // nearbyint rounds halves to even, as the platform's Round does.
      const double h = std::nearbyint(scale * seg.volts / Vb);
      if (!std::isfinite(h))
        continue;
      // A negative voltage gives a negative height: the segment is drawn
      // upward and lifts the segments after it.
      scene.rect(x0, y, kBarWidth, h, seg.color);
      if (!seg.name.empty())
        scene.text({x0 + kLabelOffset, y + h / 2 + 4}, sformat(locale, "%s %.0fV", seg.name, seg.volts),
                   kBlack, kFontSize);
      y += h;
    }
  }
  return scene;
}

} // namespace velmorin::plot
