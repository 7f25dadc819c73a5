// A locale whose decimal point is a comma, set for the whole process as a host
// program may set its own (setlocale(LC_ALL, ...)). It is made with localedef
// in a folder of the test's own, found through LOCPATH, so that nothing on the
// machine changes; it needs the locale sources of Debian's `locales` package.
#ifndef TIDEWIRE_TESTS_DECIMAL_COMMA_LOCALE_H
#define TIDEWIRE_TESTS_DECIMAL_COMMA_LOCALE_H

#include <string>

// Makes the locale in `folder` (which must exist) and sets it. Returns "" when
// printf now writes 0.5 as "0,5", else what went wrong: a test must fail on
// it rather than pass without the locale.
std::string use_decimal_comma_locale(const std::string& folder);

#endif
