#include "platform/memory.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace plat {

void KeepLargeBlocksReturnable() {
#if defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD)
    constexpr int kLargeBlock = 64 * 1024;   // a block of a software-rendered scene's commands
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
    mallopt(M_TRIM_THRESHOLD, kLargeBlock);
#endif
}

}  // namespace plat
