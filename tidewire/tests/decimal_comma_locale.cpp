#include "decimal_comma_locale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Every category as in POSIX but the numbers, which follow German usage; the
// categories that POSIX leaves out come from i18n. ASCII as the character set
// keeps localedef quick.
const char* const locale_source = R"(LC_CTYPE
copy "POSIX"
END LC_CTYPE
LC_COLLATE
copy "POSIX"
END LC_COLLATE
LC_MONETARY
copy "POSIX"
END LC_MONETARY
LC_NUMERIC
decimal_point ","
thousands_sep "."
grouping 3;3
END LC_NUMERIC
LC_TIME
copy "POSIX"
END LC_TIME
LC_MESSAGES
copy "POSIX"
END LC_MESSAGES
LC_PAPER
copy "i18n"
END LC_PAPER
LC_NAME
copy "i18n"
END LC_NAME
LC_ADDRESS
copy "i18n"
END LC_ADDRESS
LC_TELEPHONE
copy "i18n"
END LC_TELEPHONE
LC_MEASUREMENT
copy "i18n"
END LC_MEASUREMENT
LC_IDENTIFICATION
copy "i18n"
END LC_IDENTIFICATION
)";

constexpr const char* locale_name = "decimal_comma";

}  // namespace

std::string use_decimal_comma_locale(const std::string& folder)
{
    const std::string source = folder + "/decimal_comma.src";
    {
        std::ofstream out(source, std::ios::binary | std::ios::trunc);
        out << locale_source;
        if (!out) return "cannot write " + source;
    }
    const std::string command = "localedef -i '" + source + "' -f ANSI_X3.4-1968 '" + folder + "/" + locale_name +
                                "' > '" + folder + "/localedef.log' 2>&1";
    if (std::system(command.c_str()) != 0)
        return "localedef failed (are the sources of the locales package installed?): see " + folder + "/localedef.log";
    if (setenv("LOCPATH", folder.c_str(), 1) != 0) return "cannot set LOCPATH";
    if (std::setlocale(LC_ALL, locale_name) == nullptr) return "setlocale refused the locale made in " + folder;

    char half[16];
    std::snprintf(half, sizeof half, "%g", 0.5);
    if (std::string(half) != "0,5") return std::string("printf still writes 0.5 as ") + half;
    return "";
}
