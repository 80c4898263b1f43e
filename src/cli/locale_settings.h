#pragma once

namespace zef::cli {

// True when the user's locale writes numbers with a decimal comma. Leaves the
// program's own number formatting in the "C" locale.
bool LocaleUsesDecimalComma();

}  // namespace zef::cli
