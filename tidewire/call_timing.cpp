#include "call_timing.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>

#include "log_file.h"
#include "log_number.h"
#include "win32_tick.h"

namespace {

// Names in the byte order of their texts, which for the lower-case export
// names is alphabetical: the summary lists them in this order.
struct name_order {
    bool operator()(const char* left, const char* right) const { return std::strcmp(left, right) < 0; }
};

// Process-wide statistics of the current period; no period runs while
// `running` is false. `period` numbers the periods (64 bits: it never wraps),
// so that a slot knows whether the entry it remembers still exists. Tick
// differences and sums wrap modulo 2^32, so one wrap of the counter within an
// interval does no harm.
bool running = false;
uint32_t first_call_tick = 0;
uint64_t period = 1;
std::map<const char*, call_times, name_order>* calls = nullptr;

// The name's entry in the current period, created with zero sums the first
// time the name is seen. Map entries stay where they are until the period
// ends, so the slot may keep the pointer until then.
call_times* entry_for(timing_slot& slot) noexcept
{
    if (slot.period == period && slot.times) return slot.times;
    try {
        if (!calls) calls = new std::map<const char*, call_times, name_order>;
        slot.times = &(*calls)[slot.name];
        slot.period = period;
        return slot.times;
    } catch (...) {
        // Out of memory: this call goes untimed rather than failing.
        return nullptr;
    }
}

// A share in percent, or 0 where the whole it is taken of is 0 ms (every call
// shorter than one tick), which has no share to speak of.
double share(uint32_t part, uint32_t whole)
{
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole) * 100.0;
}

}  // namespace

void timing_enter(timing_slot& slot) noexcept
{
    const uint32_t now = GetTickCount();
    if (!running) {
        first_call_tick = now;
        running = true;
    }
    if (call_times* times = entry_for(slot)) times->start_tick = now;
}

void timing_exit(timing_slot& slot) noexcept
{
    if (call_times* times = entry_for(slot)) times->total_ms += GetTickCount() - times->start_tick;
}

void timing_report() noexcept
{
    const uint32_t runtime = running ? GetTickCount() - first_call_tick : 0;
    uint32_t library = 0;
    if (calls) {
        for (const auto& call : *calls) library += call.second.total_ms;
    }

    char line[256];
    std::snprintf(line, sizeof line, "Total elapsed ms from first tidewire call (total runtime): %lu ms\n",
                  static_cast<unsigned long>(runtime));
    log_write(line, std::strlen(line));
    std::snprintf(line, sizeof line, "Total elapsed ms in tidewire calls (tidewire library time): %lu ms\n",
                  static_cast<unsigned long>(library));
    log_write(line, std::strlen(line));
    if (calls) {
        for (const auto& call : *calls) {
            const uint32_t ms = call.second.total_ms;
            std::snprintf(line, sizeof line,
                          "%s: %lu ms total (%s%% of total runtime, %s%% of tidewire library time)\n", call.first,
                          static_cast<unsigned long>(ms), general_number(share(ms, runtime), 2).text,
                          general_number(share(ms, library), 2).text);
            log_write(line, std::strlen(line));
        }
    }
    log_write("\n", 1);

    delete calls;
    calls = nullptr;
    running = false;
    ++period;
}
