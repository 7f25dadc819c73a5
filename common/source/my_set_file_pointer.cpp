#include "my_set_file_pointer.h"

#include "win32_file.h"

bool MySetFilePointer(HANDLE handle, std::int64_t distance, std::int64_t* new_position, DWORD method)
{
    const auto distance_bits = static_cast<std::uint64_t>(distance);
    LONG high = static_cast<LONG>(static_cast<std::uint32_t>(distance_bits >> 32));
    const DWORD low =
        SetFilePointer(handle, static_cast<LONG>(static_cast<std::uint32_t>(distance_bits)), &high, method);

    // All-ones in the low half is also a valid position; only the last error
    // tells a failure apart.
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return false;

    const auto high_bits = static_cast<std::uint32_t>(high);
    const std::uint64_t position_bits = (static_cast<std::uint64_t>(high_bits) << 32) | low;
    if (new_position != nullptr) *new_position = static_cast<std::int64_t>(position_bits);
    return position_bits != ~std::uint64_t{0};
}
