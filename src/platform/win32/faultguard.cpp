#include "platform/win32/faultguard.h"

#include <malloc.h>

#include <utility>

#include "platform/win32/winapi.h"

namespace quillmap::win32 {

namespace {

// Where a fault goes back to: the buffer of the innermost guarded call still running.
void** escape = nullptr;
bool stackoverflowed = false;

[[noreturn]] void Escape() { __builtin_longjmp(escape, 1); }

bool IsFault(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW: return true;
    default: return false;
    }
}

// Sees every exception before the frames do; C++ exceptions and the system's own notices pass on.
LONG CALLBACK OnException(EXCEPTION_POINTERS* pointers) {
    if (escape == nullptr || !IsFault(pointers->ExceptionRecord->ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
    stackoverflowed = pointers->ExceptionRecord->ExceptionCode == EXCEPTION_STACK_OVERFLOW;
    // Resumed in Escape as if it had been called where the fault happened, with the stack
    // aligned as a call leaves it; Escape jumps back to the guarded call.
    CONTEXT& context = *pointers->ContextRecord;
#if defined(_WIN64)
    context.Rsp = (context.Rsp & ~static_cast<DWORD64>(15)) - 8;
    context.Rip = reinterpret_cast<DWORD64>(&Escape);
#else
    context.Esp = (context.Esp & ~static_cast<DWORD>(15)) - 4;
    context.Eip = reinterpret_cast<DWORD>(&Escape);
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

bool RunGuarded(const std::function<void()>& call) {
    static const PVOID handler = AddVectoredExceptionHandler(1, OnException);
    (void)handler;
    void* jump[5];
    void** const outer = escape;
    if (__builtin_setjmp(jump) != 0) {
        escape = outer;
        // The stack's guard page was used up: put it back, or the next overflow ends the program.
        if (std::exchange(stackoverflowed, false)) _resetstkoflw();
        return false;
    }
    escape = jump;
    call();
    escape = outer;
    return true;
}

}  // namespace quillmap::win32
