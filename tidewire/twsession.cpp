#include "twsession.h"

#include <new>
#include <string>
#include <utility>

#include "tidewire_exception.h"
#include "tidewiredata.h"

namespace {

// The fixed source lines that the session's failure texts carry.
constexpr int32_t dataset_allocation_line = 33;
constexpr int32_t table_entry_allocation_line = 40;
constexpr int32_t lookup_line = 50;
constexpr int32_t close_line = 62;

[[noreturn]] void throw_unknown_dataset(int32_t line, const char* function, int32_t handle)
{
    throw tidewire_unknown_dataset_exception(exception_descriptor(__FILE__, line, function, std::to_string(handle)));
}

}  // namespace

tidewire_session::tidewire_session() = default;

tidewire_session::~tidewire_session()
{
    while (!datasets.empty()) datasets.erase(datasets.begin());
}

int32_t tidewire_session::open(const char* file_name, int32_t mode)
{
    std::unique_ptr<tidewire_data> dataset;
    try {
        dataset = std::make_unique<tidewire_data>(file_name, mode);
    } catch (const std::bad_alloc& failure) {
        throw tidewire_memory_exhausted_exception(
            exception_descriptor(__FILE__, dataset_allocation_line, "tidewire_session::open", failure.what()));
    }

    // The handle is taken only once the dataset has its entry: a table entry
    // that cannot be allocated destroys the new dataset (closing its file) and
    // issues no handle.
    const int32_t handle = next_handle;
    try {
        datasets.emplace(handle, std::move(dataset));
    } catch (const std::bad_alloc& failure) {
        throw tidewire_memory_exhausted_exception(
            exception_descriptor(__FILE__, table_entry_allocation_line, "tidewire_session::open", failure.what()));
    }
    ++next_handle;
    return handle;
}

tidewire_data& tidewire_session::writer(int32_t handle) const
{
    const auto entry = datasets.find(handle);
    if (entry == datasets.end()) throw_unknown_dataset(lookup_line, "tidewire_session::writer", handle);
    return *entry->second;
}

void tidewire_session::close(int32_t handle)
{
    const auto entry = datasets.find(handle);
    if (entry == datasets.end()) throw_unknown_dataset(close_line, "tidewire_session::close", handle);
    entry->second->write_header();
    datasets.erase(entry);
}
