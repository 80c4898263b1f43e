#pragma once

#include <string>
#include <vector>

#include "graphs/graph_window.h"

namespace zef::graphs {

// The commands of a layer as text lines, for exact comparisons.
inline std::vector<std::string> CommandLines(const GraphWindow& window, int layer) {
  std::vector<std::string> lines;
  for (const Command& command : window.Layer(layer)) lines.push_back(CommandText(command));
  return lines;
}

// The lines of the commands of one kind ("text", "circle", ...).
inline std::vector<std::string> LinesOfKind(const GraphWindow& window, int layer,
                                            const std::string& kind) {
  std::vector<std::string> lines;
  for (const std::string& line : CommandLines(window, layer)) {
    if (line.rfind(kind + " ", 0) == 0) lines.push_back(line);
  }
  return lines;
}

}  // namespace zef::graphs
