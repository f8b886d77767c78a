// Helper process of the reliability tests. "DB PREFIX COUNT [LOG]" writes COUNT DWORD values
// "<prefix><i>" = i into the store, each in its own transaction, and appends each name to LOG once its
// write has committed.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/settings/RegistryStore.h"

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: store_writer DB PREFIX COUNT [LOG]\n");
        return 2;
    }
    ov::RegistryStore::ResetForTesting(argv[1]);
    const std::string prefix = argv[2];
    const long count = std::strtol(argv[3], nullptr, 10);
    const int log = argc == 5 ? open(argv[4], O_WRONLY | O_CREAT | O_APPEND, 0644) : -1;
    if (argc == 5 && log < 0) return 2;
    for (long i = 0; i < count; ++i) {
        const ov::RegValue dword{prefix + std::to_string(i), ov::kRegDword,
                                 ov::DwordBytes(static_cast<uint32_t>(i))};
        if (!ov::RegistryStore::Instance().WriteValue("Software\\Ornivex\\Stress", dword)) return 3;
        // One write(2) per line, so a kill leaves at most a partial last line.
        const std::string line = dword.name + "\n";
        if (log >= 0 && write(log, line.data(), line.size()) != static_cast<ssize_t>(line.size())) return 4;
    }
    return 0;
}
