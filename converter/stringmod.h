// Operations on fixed-length, blank-padded texts.
#pragma once

#include <cstddef>

#include "fixed_text.h"

// Packs a text in place: leading blanks go to the end, then every character
// with a code of 32 or below (blank, tab, NUL, line ends and the other control
// characters) is dropped wherever it stands; the rest is padded with blanks.
//   "I=3 J=12 K=1\0  " -> "I=3J=12K=1      "
void removesp(char* text, std::size_t length);

template <std::size_t N>
void removesp(fixed_text<N>& text)
{
    removesp(text.data(), N);
}
