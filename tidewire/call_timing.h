// Call timing: milliseconds spent per export, summed per name and written to
// LOG.TXT as a summary at every _twclose.
//
// Names are the exports' names without the leading underscore.
#ifndef TIDEWIRE_CALL_TIMING_H
#define TIDEWIRE_CALL_TIMING_H

#include <cstdint>

// The start tick of the latest call of a name and the milliseconds summed for
// it in the current statistics period.
struct call_times {
    uint32_t start_tick = 0;
    uint32_t total_ms = 0;
};

// One export's place in the statistics: each export keeps one for the life of
// the process. It remembers where its name's sums are in the current period,
// so that a call neither copies its name nor looks it up once the name has
// been seen in the period.
struct timing_slot {
    // A text that lives as long as the process (a string literal).
    const char* name;
    call_times* times = nullptr;
    uint64_t period = 0;
};

// Starts the timer of one call; the first call of a statistics period also
// starts the period's runtime. Never throws.
void timing_enter(timing_slot& slot) noexcept;
// Stops the timer and adds the elapsed milliseconds to the name's sum.
void timing_exit(timing_slot& slot) noexcept;
// Appends the summary of the period to LOG.TXT and ends the period.
void timing_report() noexcept;

// Times one export call: enters at construction, exits at destruction.
class call_timer {
public:
    explicit call_timer(timing_slot& slot) noexcept : slot(slot) { timing_enter(slot); }
    ~call_timer() { timing_exit(slot); }
    call_timer(const call_timer&) = delete;
    call_timer& operator=(const call_timer&) = delete;

private:
    timing_slot& slot;
};

#endif
