// The libFuzzer program of one target; TALLYRIN_FUZZ_ENTRY names its entry function.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tallyrin::fuzz::TALLYRIN_FUZZ_ENTRY(data, size);
    return 0;
}
