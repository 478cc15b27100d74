// Large blocks allocated with `new` (the editor's text buffer and line tables
// among them) are backed by huge pages where the system offers them: touching
// fresh 4 KiB pages costs more than filling them with a large document.
// Replacing the global operator new is how this reaches memory the editor
// component allocates itself; allocation stays malloc's, so any operator
// delete frees it. Sanitizer builds keep their own allocator.
#include "core/app/hugepages.h"

#include <cstdlib>
#include <new>

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)

void* operator new(std::size_t bytes)
{
    void* p = std::malloc(bytes != 0 ? bytes : 1);
    if (!p)
        throw std::bad_alloc();
    varnik::preferHugePages(p, static_cast<qsizetype>(bytes));
    return p;
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

#endif
