#include "persistent_object.h"

// The base holds nothing, so there is nothing to read or write.
void persistent_object::read(file_stream& /*stream*/) {}

void persistent_object::write(file_stream& /*stream*/) const {}
