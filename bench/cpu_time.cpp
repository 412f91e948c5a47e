#include "bench/cpu_time.h"

#include <filesystem>
#include <fstream>
#include <string>

std::chrono::nanoseconds CpuTimeOf(pid_t pid)
{
    std::chrono::nanoseconds total{0};
    std::error_code gone;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, gone)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long on_cpu_ns = 0;
        // A thread that ended between the listing and the read adds nothing.
        if (schedstat >> on_cpu_ns)
            total += std::chrono::nanoseconds(on_cpu_ns);
    }
    return total;
}
