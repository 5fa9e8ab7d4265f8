#include "app/MemoryPolicy.h"

#include <malloc.h>

void ReturnLargeBlocksToTheSystem()
{
#ifdef M_MMAP_THRESHOLD
    // Setting the threshold fixes it: blocks of 256 KiB and more are mapped
    // on their own and unmapped when freed, however many came before.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}
