// The pupils' task file from the class folder, as any pupil could edit it.
#include "task_file_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzTaskFile(data, size, classroom::TaskFileKind::Pupils);
    return 0;
}
