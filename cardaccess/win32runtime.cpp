// cardaccess/win32runtime.cpp: the little of the C and C++ runtimes the programs use, over kernel32 alone.
// The first Windows 95 has no msvcrt.dll, and later 95s and NT 4 have it only where something brought it:
// importing it would keep the programs from starting there. Compiled freestanding, so that the compiler does
// not turn these loops back into calls of the functions they define.
#include <stddef.h>
#include <windows.h>

#include <new>

extern "C" {

void* memcpy(void* pDest, const void* pSrc, size_t cb) {
  unsigned char* pbDest = static_cast<unsigned char*>(pDest);
  const unsigned char* pbSrc = static_cast<const unsigned char*>(pSrc);
  while (cb-- > 0) *pbDest++ = *pbSrc++;
  return pDest;
}

void* memmove(void* pDest, const void* pSrc, size_t cb) {
  unsigned char* pbDest = static_cast<unsigned char*>(pDest);
  const unsigned char* pbSrc = static_cast<const unsigned char*>(pSrc);
  if (pbDest <= pbSrc) return memcpy(pDest, pSrc, cb);
  while (cb-- > 0) pbDest[cb] = pbSrc[cb];  // from the end: the source may overlap the destination's tail
  return pDest;
}

void* memset(void* pDest, int c, size_t cb) {
  unsigned char* pb = static_cast<unsigned char*>(pDest);
  while (cb-- > 0) *pb++ = static_cast<unsigned char>(c);
  return pDest;
}

int memcmp(const void* p1, const void* p2, size_t cb) {
  const unsigned char* pb1 = static_cast<const unsigned char*>(p1);
  const unsigned char* pb2 = static_cast<const unsigned char*>(p2);
  for (; cb > 0; --cb, ++pb1, ++pb2) {
    if (*pb1 != *pb2) return *pb1 < *pb2 ? -1 : 1;
  }
  return 0;
}

void* memchr(const void* p, int c, size_t cb) {
  const unsigned char* pb = static_cast<const unsigned char*>(p);
  for (; cb > 0; --cb, ++pb) {
    if (*pb == static_cast<unsigned char>(c)) return const_cast<unsigned char*>(pb);
  }
  return NULL;
}

size_t strlen(const char* psz) {
  const char* p = psz;
  while (*p != '\0') ++p;
  return static_cast<size_t>(p - psz);
}

// The process heap: there from the start, on every Windows, and never destroyed.
void* malloc(size_t cb) { return ::HeapAlloc(::GetProcessHeap(), 0, cb); }

void free(void* p) {
  if (p != NULL) ::HeapFree(::GetProcessHeap(), 0, p);
}

void* realloc(void* p, size_t cb) {
  // HeapReAlloc takes no null block; a failure leaves the old block as it was, as realloc must.
  return p != NULL ? ::HeapReAlloc(::GetProcessHeap(), 0, p, cb) : malloc(cb);
}

// Exit code 3, as msvcrt's abort: never the 0 or 1 a program of the suite ends with.
void abort(void) { ::ExitProcess(3); }

void __cxa_pure_virtual() { abort(); }

}  // extern "C"

// Allocation without libstdc++'s throwing operator new, which would bring in the unwinder, the demangler and
// Unicode-only imports. Out of memory gives a null pointer: the programs are built with -fcheck-new, so no
// constructor runs on it, and every new-expression's caller checks.
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
