// cardaccess/win32runtime.cpp: allocation without libstdc++'s throwing operator new.
// Keeps the unwinder, the demangler and Unicode-only imports out of programs that run on Windows 98.
#include <stddef.h>
#include <stdlib.h>

#include <new>

void* operator new(size_t cb) { return malloc(cb ? cb : 1); }
void* operator new[](size_t cb) { return malloc(cb ? cb : 1); }
void* operator new(size_t cb, const std::nothrow_t&) noexcept { return malloc(cb ? cb : 1); }
void* operator new[](size_t cb, const std::nothrow_t&) noexcept { return malloc(cb ? cb : 1); }
void operator delete(void* p) noexcept { free(p); }
void operator delete[](void* p) noexcept { free(p); }
void operator delete(void* p, size_t) noexcept { free(p); }
void operator delete[](void* p, size_t) noexcept { free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { free(p); }

extern "C" void __cxa_pure_virtual() { abort(); }
