#include "moment_values.h"

namespace bench {

moment_values::moment_values(const estuary_case& estuary)
{
    for (auto& values : segment) values.resize(estuary.segments().size());
    for (auto& values : flow) values.resize(estuary.flow_paths().size());
}

void moment_values::fill(const estuary_case& estuary, int moment)
{
    for (int c = 0; c < estuary_case::segment_constituents; ++c)
        estuary.segment_values(moment, c, segment[static_cast<std::size_t>(c)].data());
    for (int c = 0; c < estuary_case::flow_constituents; ++c)
        estuary.flow_values(moment, c, flow[static_cast<std::size_t>(c)].data());
}

}  // namespace bench
