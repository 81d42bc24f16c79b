// The program is built without exceptions. Where the standard library would throw, the program
// ends in its one fatal report instead, as with every failure it cannot go on from; so none of the
// library's exception machinery is linked into the program.
#include <cstdlib>
#include <functional>
#include <new>
#include <string>

#include "generate/run_time_error.h"

void* operator new(std::size_t bytes) {
    // A request for no bytes still needs an address of its own, which malloc(0) need not give.
    if (void* memory = std::malloc(bytes == 0 ? 1 : bytes)) {
        return memory;
    }
    ReportAllocationFailure(bytes);
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace std {

void __throw_length_error(const char* what) {
    ReportRunTimeError(what);
}

void __throw_logic_error(const char* what) {
    ReportRunTimeError(what);
}

void __throw_bad_alloc() {
    ReportRunTimeError("bad_alloc");
}

void __throw_bad_function_call() {
    ReportRunTimeError("bad_function_call");
}

}  // namespace std
