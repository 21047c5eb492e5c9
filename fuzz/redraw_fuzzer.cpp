// libFuzzer entry: every input is one session of redraw cycles (see fuzz_cycles.h).
// A cycle may end normally or with a failure the window reports; anything else — another
// exception, a broken property, a sanitizer report — ends the process and is a finding.

#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_cycles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RunFuzzInput({data, size});
  return 0;
}
