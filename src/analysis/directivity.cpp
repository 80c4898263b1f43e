#include "analysis/directivity.h"
