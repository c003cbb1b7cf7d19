// The program's texts live on the process heap.
#include "platform/win32/win32.h"

namespace plat {

void* HeapAllocate(size_t bytes) {
  return ::HeapAlloc(::GetProcessHeap(), 0, bytes);
}

void HeapRelease(void* block) {
  if (block) ::HeapFree(::GetProcessHeap(), 0, block);
}

}  // namespace plat
