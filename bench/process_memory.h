#pragma once

namespace pabrel::bench {

// Resident memory of this process, in mebibytes, as the kernel counts it.
double residentMiB();
double peakResidentMiB();

} // namespace pabrel::bench
