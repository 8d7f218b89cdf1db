// The Dart VM reads the message the bridge posts, and the bridge reads the
// table the VM hands over, through the Dart API headers the bridge is
// compiled against: the bundled ones or an installed SDK's. Their layouts are
// the VM's and must not drift. These checks pin them for each data model the
// bridge is built for, so that a wrong edit fails the build instead of
// corrupting every message at run time.

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "dart_api_dl.h"
#include "internal/dart_api_dl_impl.h"

namespace {

// Dart_CObject's size and the offset of its value union on the VM's side.
#if defined(_WIN64) || defined(__LP64__)
// LP64 (Linux, Android, iOS, macOS) and LLP64 (Windows).
constexpr std::size_t kCObjectSize = 48;
constexpr std::size_t kCObjectValueOffset = 8;
#elif defined(__i386__) && !defined(_WIN32)
// ILP32 x86 (System V): 64-bit members are aligned to 4 bytes.
constexpr std::size_t kCObjectSize = 24;
constexpr std::size_t kCObjectValueOffset = 4;
#elif defined(__arm__) || defined(_WIN32)
// ILP32 ARM (EABI) and 32-bit Windows: 64-bit members are aligned to 8 bytes.
constexpr std::size_t kCObjectSize = 32;
constexpr std::size_t kCObjectValueOffset = 8;
#else
#error "No Dart_CObject layout is pinned for this data model"
#endif

constexpr std::size_t kPointer = sizeof(void*);

static_assert(std::is_same<Dart_Port, int64_t>::value, "Dart_Port is a signed 64-bit integer");

static_assert(sizeof(Dart_CObject_Type) == 4, "Dart_CObject_Type is a 32-bit enum");
static_assert(Dart_CObject_kString == 5, "the VM reads type 5 as a string");
static_assert(offsetof(Dart_CObject, type) == 0, "Dart_CObject starts with its type");
static_assert(offsetof(Dart_CObject, value) == kCObjectValueOffset,
              "Dart_CObject's value is not where the VM reads it");
static_assert(offsetof(Dart_CObject, value.as_string) == kCObjectValueOffset,
              "a string message's text is not where the VM reads it");
// Dart SDKs before the member became const declare it char*: the same layout,
// so only the pointer's size, alignment and pointee are pinned.
using StringMember = decltype(std::declval<Dart_CObject>().value.as_string);
static_assert(std::is_pointer<StringMember>::value &&
                  std::is_same<std::remove_cv_t<std::remove_pointer_t<StringMember>>, char>::value,
              "a string message carries a pointer to its NUL-terminated text");
static_assert(sizeof(StringMember) == kPointer && alignof(StringMember) == alignof(void*),
              "a string message's pointer is not the VM's size or alignment");
static_assert(sizeof(Dart_CObject) == kCObjectSize, "Dart_CObject is not the VM's size");

static_assert(offsetof(DartApiEntry, name) == 0, "a table entry starts with its name");
static_assert(offsetof(DartApiEntry, function) == kPointer,
              "a table entry's function follows its name");
static_assert(sizeof(DartApiEntry) == 2 * kPointer, "a table entry is two pointers");
static_assert(offsetof(DartApi, major) == 0, "the table starts with its major version");
static_assert(offsetof(DartApi, minor) == sizeof(int), "the minor version follows the major");
static_assert(offsetof(DartApi, functions) == 2 * sizeof(int) &&
                  offsetof(DartApi, functions) % kPointer == 0,
              "the entry list follows the two versions");

static_assert(std::is_same<Dart_PostCObject_Type, bool (*)(Dart_Port, Dart_CObject*)>::value,
              "Dart_PostCObject takes a port and a message and tells whether it was posted");

}  // namespace
