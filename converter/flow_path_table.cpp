// Second pass: the flow-path table. The receiving segment of a path (jq) gets
// its values; the other end (iq) only tells whether the path is a boundary.
#include "second_pass_steps.h"
#include "tidewire.h"
#include "vars.h"

namespace {

// KELVA, TORVA and BRANO files name the receiving segment first.
bool receiving_segment_first(int4 creator)
{
    return creator <= 2;
}

}  // namespace

void read_flow_path_table(second_pass_state& pass)
{
    for (int4 iflow = 1; iflow <= vars.nf; ++iflow) {
        const std::size_t row = static_cast<std::size_t>(iflow - 1);
        int4 from_seg = 0, to_seg = 0, direction = 0;
        _twgetflowpath(&pass.handle, &iflow, &from_seg, &to_seg, &direction, &pass.ierror);
        stop_on_library_error(pass.ierror);
        pass.idirect[row] = direction;
        if (receiving_segment_first(pass.modtype)) {
            pass.jq[row] = from_seg;
            pass.iq[row] = to_seg;
        } else {
            pass.iq[row] = from_seg;
            pass.jq[row] = to_seg;
        }
    }
}
