#include "hotkey/hot_key_worker.h"

#include "generate/generate_and_type.h"

// The stack of a thread that CreateThread starts may not be 16-byte aligned on 32-bit MinGW.
__attribute__((force_align_arg_pointer)) DWORD WINAPI HotKeyWorker(LPVOID) {
    GenerateAndType();
    return 0;
}
