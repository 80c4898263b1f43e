#pragma once

#include <cstdint>

#include "cabinet/dxf_parse.h"

namespace zef::cabinet {

// The edges of a polyline: each vertex after the first joins the one before.
class EdgeChain {
 public:
  EdgeChain(DxfParse& parse, std::uint32_t colour) : parse_(parse), colour_(colour) {}

  void Add(const Vec3& p) {
    if (started_) {
      parse_.AddEdge(colour_, last_, p);
    } else {
      first_ = p;
      started_ = true;
    }
    last_ = p;
  }

  // The edge from the last vertex back to the first.
  void Close() {
    if (started_) parse_.AddEdge(colour_, last_, first_);
  }

 private:
  DxfParse& parse_;
  std::uint32_t colour_;
  bool started_ = false;
  Vec3 first_, last_;
};

}  // namespace zef::cabinet
