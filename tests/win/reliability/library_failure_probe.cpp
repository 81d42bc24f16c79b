// Not a test by itself: a program built as quorvel.exe is (no exceptions, the library's failures
// turned into the fatal report) that makes the standard-library failure named on its command line.
#include <windows.h>

#include <cstring>
#include <functional>
#include <new>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    // Volatile, so that the compiler cannot see the failure coming and fold it away.
    volatile std::size_t hugeRequest = 0x7FFFFFFF;
    const char* volatile nothing = nullptr;
    if (std::strcmp(commandLine, "new") == 0) {
        ::operator delete(::operator new(hugeRequest));
    } else if (std::strcmp(commandLine, "length") == 0) {
        std::string text;
        text.reserve(text.max_size() + 1);
    } else if (std::strcmp(commandLine, "null") == 0) {
        const std::string text(nothing);
    } else if (std::strcmp(commandLine, "function") == 0) {
        const std::function<void()> empty;
        empty();
    }
    return 0;
}
