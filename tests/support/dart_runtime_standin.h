// A stand-in for the Dart runtime's side of the native API: the table that
// DartInitDartApiDL binds, whose Dart_PostCObject records every post. Like the
// VM, it refuses a string message whose text is not valid UTF-8; tests can
// make any port refuse posts.
//
// With the environment variable ZELBRIDGE_RECORD_POSTS naming a file, every
// post is also appended to that file, for tools/envelopes/check_posts.py. One
// record per post: a line "post <source> <Dart_CObject type> <accepted 0|1>
// <length>", then the text's bytes and a line break. The source is "bridge",
// or "hand-made" while a HandMadeEnvelopes exists.
#ifndef ZELBRIDGE_TESTS_SUPPORT_DART_RUNTIME_STANDIN_H_
#define ZELBRIDGE_TESTS_SUPPORT_DART_RUNTIME_STANDIN_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace dart_standin {

struct Post {
  int64_t port = 0;
  int type = 0;  // Dart_CObject_Type
  std::string text;
  bool accepted = false;
};

// The Dart API data for DartInitDartApiDL, with the given version.
void* ApiData(int major_version = 2, int minor_version = 5);

// A table of the given version whose entry list cannot be read: a pointer to
// a few bytes that are no entry list, or to an address that is not mapped.
enum class UnreadableEntries { kTooShort, kUnmapped };
void* ApiDataWithUnreadableEntries(int major_version, int minor_version, UnreadableEntries how);

// Tables of the current version that offer no posting function.
enum class MissingPost {
  kNoEntry,       // the entries name other functions only
  kNullFunction,  // a "Dart_PostCObject" entry with a null function
  kNoEntryList,   // a null entry list
};
void* ApiDataWithoutPost(MissingPost how = MissingPost::kNoEntry);

// Forgets every post and every port rule.
void Reset();

// Every post attempt, in order.
std::vector<Post> Posts();
// Texts accepted by one port, in order.
std::vector<std::string> Received(int64_t port);

// Decides per text whether the port accepts a post (after the UTF-8 check).
void SetPortRule(int64_t port, std::function<bool(const std::string& text)> accepts);
void RefuseAllPosts(int64_t port);

bool IsValidUtf8(const std::string& text);

// While one exists, posts are recorded as hand-made: envelopes that a test
// builds itself and hands to delivery directly, as opposed to those that the
// bridge's exports, adapters and completion callbacks build.
class HandMadeEnvelopes {
 public:
  HandMadeEnvelopes();
  ~HandMadeEnvelopes();
  HandMadeEnvelopes(const HandMadeEnvelopes&) = delete;
  HandMadeEnvelopes& operator=(const HandMadeEnvelopes&) = delete;
};

}  // namespace dart_standin

#endif  // ZELBRIDGE_TESTS_SUPPORT_DART_RUNTIME_STANDIN_H_
