#include "process_memory.h"

#include <fstream>
#include <string>

namespace pabrel::bench {

namespace {
double statusFieldMiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stod(line.substr(field.size() + 1)) / 1024.0;
        }
    }
    return 0;
}
} // namespace

double residentMiB()
{
    return statusFieldMiB("VmRSS");
}

double peakResidentMiB()
{
    return statusFieldMiB("VmHWM");
}

} // namespace pabrel::bench
