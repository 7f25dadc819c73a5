// The number format of LOG.TXT: printf's %g of the same precision, byte for
// byte, and still so under a host's decimal-comma locale.
#include "log_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "decimal_comma_locale.h"

namespace {

struct expected_form {
    double value;
    int digits;
    std::string text;  // as %.<digits>g writes it in the "C" locale
};

TEST(log_number, is_the_general_format_of_printf_with_a_decimal_point_in_any_locale)
{
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    const double values[] = {0.5,    3600.0, 1234567.0, 1.0 / 24.0, 0.0001,   1e-5,    46.2, 0.0123,
                             100.0,  0.62,   99.5,      0.995,      999999.5, -1.5e-5, 0.0,  -0.0,
                             1e-300, 5e-324, 1.7e308,   nan,        -nan,     inf,     -inf};
    std::vector<expected_form> forms;
    for (int digits : {2, 6}) {
        for (double value : values) {
            char text[64];
            std::snprintf(text, sizeof text, "%.*g", digits, value);
            forms.push_back({value, digits, text});
        }
    }
    for (const expected_form& form : forms)
        EXPECT_EQ(general_number(form.value, form.digits).text, form.text) << form.value;

    std::string folder = (std::filesystem::temp_directory_path() / "log_number_locale_XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    const std::string made = use_decimal_comma_locale(folder);
    ASSERT_EQ(made, "") << "the test needs a decimal-comma locale";
    for (const expected_form& form : forms)
        EXPECT_EQ(general_number(form.value, form.digits).text, form.text) << form.value;
    std::filesystem::remove_all(folder);
}

}  // namespace
