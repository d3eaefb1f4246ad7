// The most stack one call uses: the call runs on a thread whose stack we
// painted with a pattern, and the depth the pattern was overwritten to,
// less that of an empty call, is the answer.
#pragma once

#include <cstddef>
#include <functional>

namespace barsize::bench {

size_t stackUse(const std::function<void()> &call);

}  // namespace barsize::bench
