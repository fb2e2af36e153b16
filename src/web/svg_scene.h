#pragma once
// A scene as an SVG document, for a browser to draw: the plot on the page.
#include <string>

#include "chart/scene.h"

namespace kolvar::remote {

// Standalone SVG 1.1 in UTF-8, `scene.size` pixels, with no script and no
// outside reference; texts in the browser's sans-serif face.
std::string svg_of(const chart::Scene& scene);

}  // namespace kolvar::remote
