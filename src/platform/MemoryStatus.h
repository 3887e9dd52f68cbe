#pragma once

#include <cstdint>

// The machine's total physical memory in bytes, in 64 bits.
std::uint64_t TotalPhysicalMemory();
