#include "stringmod.h"

void removesp(char* text, std::size_t length)
{
    // Moving the leading blanks to the end and then dropping every character of
    // code 32 or below comes to keeping, in order, the characters above 32.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char code = static_cast<unsigned char>(text[i]);
        if (code > 32) text[kept++] = text[i];
    }
    for (std::size_t i = kept; i < length; ++i) text[i] = ' ';
}
