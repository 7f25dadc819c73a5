#include "persistence_exception.h"

persistence_exception::persistence_exception(const exception_descriptor& descriptor) : base_exception(descriptor) {}
persistence_exception::~persistence_exception() = default;

input_exception::input_exception(const exception_descriptor& descriptor) : persistence_exception(descriptor) {}
input_exception::~input_exception() = default;

output_exception::output_exception(const exception_descriptor& descriptor) : persistence_exception(descriptor) {}
output_exception::~output_exception() = default;

seek_exception::seek_exception(const exception_descriptor& descriptor) : persistence_exception(descriptor) {}
seek_exception::~seek_exception() = default;
