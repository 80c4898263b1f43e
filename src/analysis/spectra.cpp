#include "analysis/spectra.h"
