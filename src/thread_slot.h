// Per-thread state without C++ thread_local. thread_local storage with a
// destructor, or in a loaded library, is allocated on first use and aborts
// the process when that allocation fails; a slot that cannot be had here is
// reported to the caller, which then does without.
//
// ThreadSlot holds one pointer per thread, and runs a function on a thread's
// pointer when that thread exits: a POSIX thread-specific key, or a Windows
// fiber-local slot. ConstantLock guards state that an exiting thread may
// still reach while the process ends: it is initialised as a constant and
// never destroyed.
#ifndef ZELBRIDGE_THREAD_SLOT_H_
#define ZELBRIDGE_THREAD_SLOT_H_

#if defined(_WIN32)
#include <windows.h>
#else
#include <pthread.h>
#endif

class ThreadSlot {
 public:
  // Creates the slot, with OnExit run on each thread's non-null pointer when
  // that thread exits; false when the process is out of slots. The slot is
  // never deleted, so the library must stay loaded while threads that hold a
  // pointer in it run.
  template <void (*OnExit)(void*)>
  bool Create() noexcept {
#if defined(_WIN32)
    key_ = FlsAlloc(&CallOnExit<OnExit>);
    return key_ != FLS_OUT_OF_INDEXES;
#else
    return pthread_key_create(&key_, OnExit) == 0;
#endif
  }

  void* Get() const noexcept {
#if defined(_WIN32)
    return FlsGetValue(key_);
#else
    return pthread_getspecific(key_);
#endif
  }

  bool Set(void* value) const noexcept {
#if defined(_WIN32)
    return FlsSetValue(key_, value) != FALSE;
#else
    return pthread_setspecific(key_, value) == 0;
#endif
  }

 private:
#if defined(_WIN32)
  // Fiber-local callbacks take the system's calling convention.
  template <void (*OnExit)(void*)>
  static void WINAPI CallOnExit(void* value) {
    OnExit(value);
  }
  DWORD key_ = FLS_OUT_OF_INDEXES;
#else
  pthread_key_t key_{};
#endif
};

class ConstantLock {
 public:
  constexpr ConstantLock() = default;
  ConstantLock(const ConstantLock&) = delete;
  ConstantLock& operator=(const ConstantLock&) = delete;

#if defined(_WIN32)
  void Lock() noexcept { AcquireSRWLockExclusive(&lock_); }
  void Unlock() noexcept { ReleaseSRWLockExclusive(&lock_); }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
#else
  void Lock() noexcept { pthread_mutex_lock(&lock_); }
  void Unlock() noexcept { pthread_mutex_unlock(&lock_); }

 private:
  pthread_mutex_t lock_ = PTHREAD_MUTEX_INITIALIZER;
#endif
};

#endif  // ZELBRIDGE_THREAD_SLOT_H_
