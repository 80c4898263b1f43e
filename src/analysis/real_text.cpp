#include "analysis/real_text.h"
