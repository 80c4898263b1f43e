#pragma once

#include "cabinet/dxf_parse.h"

// One reader per entity kind. Each starts at the code-0 group naming its
// entity and stops at the next code-0 group, which the caller dispatches.
namespace zef::cabinet {

bool ReadFaceEntity(DxfParse& parse);
bool ReadLineEntity(DxfParse& parse);
bool ReadPolylineEntity(DxfParse& parse);
bool ReadLwPolylineEntity(DxfParse& parse);
bool SkipEntity(DxfParse& parse);

}  // namespace zef::cabinet
