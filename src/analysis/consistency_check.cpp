#include "analysis/consistency_check.h"
