// Per-thread result buffers. A thread's first call of a buffer export gives
// it a block of four buffers, one per export, which it keeps until it exits.
// Blocks are never freed: an exiting thread's block goes onto a free list
// that the next new thread takes it from, so a pointer that a caller still
// holds always points into readable memory.
//
// A thread finds its block through a POSIX thread-specific key, or a Windows
// fiber-local slot, whose destructor runs when the thread exits. C++
// thread_local is not used: thread_local storage with a destructor, or in a
// loaded library, is allocated on first use and aborts the process when that
// allocation fails, while a key or slot that cannot be had is reported and
// handled here.

#include "result_buffer.h"

#include <atomic>
#include <new>

#if defined(_WIN32)
#include <windows.h>
#else
#include <pthread.h>
#endif

namespace {

struct BufferBlock {
  char buffers[kResultBufferCount][kResultBufferSize];
  BufferBlock* next_free;
};

// Blocks of threads that have exited. The list and its lock are initialised
// as constants and never destroyed, so a thread that exits while the process
// ends still finds them.
BufferBlock* free_blocks_ = nullptr;

#if defined(_WIN32)
SRWLOCK free_blocks_lock_ = SRWLOCK_INIT;
void LockFreeBlocks() { AcquireSRWLockExclusive(&free_blocks_lock_); }
void UnlockFreeBlocks() { ReleaseSRWLockExclusive(&free_blocks_lock_); }
#else
pthread_mutex_t free_blocks_lock_ = PTHREAD_MUTEX_INITIALIZER;
void LockFreeBlocks() { pthread_mutex_lock(&free_blocks_lock_); }
void UnlockFreeBlocks() { pthread_mutex_unlock(&free_blocks_lock_); }
#endif

void ReleaseBlock(BufferBlock* block) {
  LockFreeBlocks();
  block->next_free = free_blocks_;
  free_blocks_ = block;
  UnlockFreeBlocks();
}

// The block that an exited thread released last, else a new one; null when
// out of memory.
BufferBlock* AcquireBlock() {
  LockFreeBlocks();
  BufferBlock* const block = free_blocks_;
  if (block != nullptr) free_blocks_ = block->next_free;
  UnlockFreeBlocks();
  return block != nullptr ? block : new (std::nothrow) BufferBlock;
}

#if defined(_WIN32)
using ThreadKey = DWORD;
void WINAPI ReleaseBlockOfExitingThread(void* block) {
  ReleaseBlock(static_cast<BufferBlock*>(block));
}
bool CreateThreadKey(ThreadKey& key) {
  key = FlsAlloc(&ReleaseBlockOfExitingThread);
  return key != FLS_OUT_OF_INDEXES;
}
BufferBlock* ThreadBlock(ThreadKey key) { return static_cast<BufferBlock*>(FlsGetValue(key)); }
bool SetThreadBlock(ThreadKey key, BufferBlock* block) { return FlsSetValue(key, block) != FALSE; }
#else
using ThreadKey = pthread_key_t;
void ReleaseBlockOfExitingThread(void* block) { ReleaseBlock(static_cast<BufferBlock*>(block)); }
bool CreateThreadKey(ThreadKey& key) {
  return pthread_key_create(&key, &ReleaseBlockOfExitingThread) == 0;
}
BufferBlock* ThreadBlock(ThreadKey key) {
  return static_cast<BufferBlock*>(pthread_getspecific(key));
}
bool SetThreadBlock(ThreadKey key, BufferBlock* block) {
  return pthread_setspecific(key, block) == 0;
}
#endif

// The key of every thread's block; null while it cannot be created (the
// process is out of keys), and then tried again on the next call. It is never
// deleted, so the library must stay loaded while threads that hold a block
// are running.
const ThreadKey* BlockKey() {
  static ThreadKey key;
  static std::atomic<bool> created{false};
  if (created.load(std::memory_order_acquire)) return &key;
  LockFreeBlocks();
  if (!created.load(std::memory_order_relaxed) && CreateThreadKey(key)) {
    created.store(true, std::memory_order_release);
  }
  UnlockFreeBlocks();
  return created.load(std::memory_order_acquire) ? &key : nullptr;
}

}  // namespace

char* ThreadResultBuffer(ResultBufferId id) noexcept {
  const ThreadKey* const key = BlockKey();
  if (key == nullptr) return nullptr;
  BufferBlock* block = ThreadBlock(*key);
  if (block == nullptr) {
    block = AcquireBlock();
    if (block == nullptr) return nullptr;
    if (!SetThreadBlock(*key, block)) {
      ReleaseBlock(block);
      return nullptr;
    }
  }
  return block->buffers[id];
}
