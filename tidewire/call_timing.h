// Call timing: milliseconds spent per export, summed per name and written to
// LOG.TXT as a summary at every _twclose.
//
// Names are the exports' names without the leading underscore and must be
// texts that live as long as the process (string literals): the statistics
// keep the pointer, so that a call never copies its name.
#ifndef TIDEWIRE_CALL_TIMING_H
#define TIDEWIRE_CALL_TIMING_H

// Starts the timer of one call of `name`; the first call of a statistics
// period also starts the period's runtime. Never throws.
void timing_enter(const char* name) noexcept;
// Stops the timer of `name` and adds the elapsed milliseconds to its sum.
void timing_exit(const char* name) noexcept;
// Appends the summary of the period to LOG.TXT and ends the period.
void timing_report() noexcept;

// Times one export call: enters at construction, exits at destruction.
class call_timer {
public:
    explicit call_timer(const char* name) noexcept : name(name) { timing_enter(name); }
    ~call_timer() { timing_exit(name); }
    call_timer(const call_timer&) = delete;
    call_timer& operator=(const call_timer&) = delete;

private:
    const char* name;
};

#endif
