// The fatal report of the core's test programs: the report text on standard error, exit code -1.
#include <cstdio>
#include <cstdlib>

#include "generate/run_time_error.h"

void ReportRunTimeError(const char* message) {
    std::fputs(MakeRunTimeErrorReport(message).bytes, stderr);
    std::fflush(stderr);
    std::_Exit(-1);
}
