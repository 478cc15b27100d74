#include "core/app/hugepages.h"

#ifdef Q_OS_LINUX
#include <cstdint>
#include <sys/mman.h>
#endif

namespace varnik {

void preferHugePages([[maybe_unused]] void* data, [[maybe_unused]] qsizetype bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHuge = std::uintptr_t(2) << 20;
    if (bytes < qsizetype(4 * kHuge))
        return;
    // Only the whole huge pages inside the buffer.
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + std::uintptr_t(bytes)) & ~(kHuge - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

} // namespace varnik
