#include "textformat/keyword_groups.h"

namespace zef::textformat {}  // namespace zef::textformat
