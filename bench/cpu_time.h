#pragma once

#include <chrono>

#include <sys/types.h>

// CPU time a running process has used so far, every thread counted, to the
// nanosecond the scheduler keeps (utime and stime in /proc/PID/stat only
// count whole 10 ms ticks, too coarse for a fraction of a percent).
std::chrono::nanoseconds CpuTimeOf(pid_t pid);
