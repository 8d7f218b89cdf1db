// Per-thread result buffers. A thread's first call of a buffer export gives
// it a block of four buffers, one per export, which it keeps until it exits.
// Blocks are never freed: an exiting thread's block goes onto a free list
// that the next new thread takes it from, so a pointer that a caller still
// holds always points into readable memory.
//
// A thread finds its block through a thread slot (thread_slot.h), which
// releases it when the thread exits. A text that fills a whole buffer is
// ended here too, at a whole UTF-8 character.

#include "result_buffer.h"

#include <atomic>
#include <new>

#include "thread_slot.h"

namespace {

struct BufferBlock {
  char buffers[kResultBufferCount][kResultBufferSize];
  BufferBlock* next_free;
};

// Blocks of threads that have exited. The list and its lock are initialised
// as constants and never destroyed, so a thread that exits while the process
// ends still finds them.
BufferBlock* free_blocks_ = nullptr;

ConstantLock free_blocks_lock_;

void ReleaseBlock(BufferBlock* block) {
  free_blocks_lock_.Lock();
  block->next_free = free_blocks_;
  free_blocks_ = block;
  free_blocks_lock_.Unlock();
}

// The block that an exited thread released last, else a new one; null when
// out of memory.
BufferBlock* AcquireBlock() {
  free_blocks_lock_.Lock();
  BufferBlock* const block = free_blocks_;
  if (block != nullptr) free_blocks_ = block->next_free;
  free_blocks_lock_.Unlock();
  return block != nullptr ? block : new (std::nothrow) BufferBlock;
}

void ReleaseBlockOfExitingThread(void* block) { ReleaseBlock(static_cast<BufferBlock*>(block)); }

// The slot of every thread's block; null while it cannot be created (the
// process is out of slots), and then tried again on the next call.
const ThreadSlot* BlockSlot() {
  static ThreadSlot slot;
  static std::atomic<bool> created{false};
  if (created.load(std::memory_order_acquire)) return &slot;
  free_blocks_lock_.Lock();
  if (!created.load(std::memory_order_relaxed) && slot.Create<&ReleaseBlockOfExitingThread>()) {
    created.store(true, std::memory_order_release);
  }
  free_blocks_lock_.Unlock();
  return created.load(std::memory_order_acquire) ? &slot : nullptr;
}

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The number of bytes of the UTF-8 character that byte starts, read from its
// high bits alone; 1 for a byte that starts none (ASCII, a continuation byte,
// 0xF8 to 0xFF), which no cut can split.
std::size_t CharacterLength(unsigned char byte) {
  if ((byte & 0xE0) == 0xC0) return 2;
  if ((byte & 0xF0) == 0xE0) return 3;
  if ((byte & 0xF8) == 0xF0) return 4;
  return 1;
}

}  // namespace

void TerminateFilledBuffer(char* buffer) noexcept {
  if (std::memchr(buffer, '\0', kResultBufferSize) != nullptr) return;
  const auto* const bytes = reinterpret_cast<const unsigned char*>(buffer);
  std::size_t length = kResultBufferSize - 1;
  // The last character starts at most three continuation bytes before the end.
  std::size_t start = length - 1;
  while (start > 0 && IsContinuationByte(bytes[start]) && length - start < 4) --start;
  if (CharacterLength(bytes[start]) > length - start) length = start;
  buffer[length] = '\0';
}

char* ThreadResultBuffer(ResultBufferId id) noexcept {
  const ThreadSlot* const slot = BlockSlot();
  if (slot == nullptr) return nullptr;
  BufferBlock* block = static_cast<BufferBlock*>(slot->Get());
  if (block == nullptr) {
    block = AcquireBlock();
    if (block == nullptr) return nullptr;
    if (!slot->Set(block)) {
      ReleaseBlock(block);
      return nullptr;
    }
  }
  return block->buffers[id];
}
