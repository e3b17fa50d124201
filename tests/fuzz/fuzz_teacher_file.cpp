// The teacher's file, which --answer-key reads whoever hands it over.
#include "task_file_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzTaskFile(data, size, classroom::TaskFileKind::Teacher);
    return 0;
}
