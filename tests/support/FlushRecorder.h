#pragma once

// What the program flushes to the disk: a test program that uses this gets
// its own fsync, fdatasync and syncfs, which note the path of every
// descriptor flushed and then flush it as the system would (POSIX only).

#include <string>
#include <vector>

namespace lumbrant::testing {

struct Flush {
    std::string Call; // "fsync", "fdatasync" or "syncfs"
    std::string Path; // what the descriptor names
};

// The flushes since the last call, in order; the record starts empty again.
std::vector<Flush> TakeRecordedFlushes();

} // namespace lumbrant::testing
