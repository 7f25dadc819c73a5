// Line ends. Every text file the converter writes ends its lines with a
// carriage return and a line feed; so does every free-form line, on the
// console as well.
#pragma once

inline constexpr char file_line_end[] = "\r\n";
inline constexpr char console_line_end[] = "\r\n";
