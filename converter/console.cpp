#include "console.h"

#include <cstdio>
#include <string>

#include "line_end.h"

namespace console {
namespace {

// Flushed line by line, so that each question is on the screen before the
// answer is read and the console keeps its order with the error stream.
void write_text(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputs(console_line_end, stdout);
    std::fflush(stdout);
}

}  // namespace

void write(const freeform_line& line)
{
    write_text(line.text());
}

void write(const formatted_line& line)
{
    write_text(line.text());
}

}  // namespace console
