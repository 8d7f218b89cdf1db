// Setting the members of an envelope. Adapters and completion callbacks set
// each member as envelope["key"] = Text(text) (or Int, UInt, Int64, UInt64,
// Bool, Constant), in the same order for every envelope of a kind. The
// first envelope of a kind in a thread's storage sets them by key and
// records, member by member, where each value lies (map nodes never move);
// the next envelopes of that kind set each value where it lies, in the text
// buffer it already has, without a lookup or a temporary value. An envelope
// built in an object of its own sets its members by key.
#ifndef ZELBRIDGE_ENVELOPE_MEMBERS_H_
#define ZELBRIDGE_ENVELOPE_MEMBERS_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "json/json.h"
#include "json/value_in_place.h"

// A member's value as a callback hands it over: a text that the SDK owns, or
// a number or truth value, not yet copied into the envelope. A constant has
// the same value in every envelope of its kind.
struct MemberValue {
  const char* text;           // StringType: never null
  unsigned long long number;  // the integer types: its bits, sign-extended
  json::ValueType type;
  bool constant;
  bool truth;

  long long SignedNumber() const { return static_cast<long long>(number); }
};

// A null text becomes the empty string wherever it comes from, so an SDK
// that breaks its promise of a non-null text cannot crash the bridge.
inline MemberValue Text(const char* text) {
  return {text != nullptr ? text : "", 0, json::StringType, false, false};
}
inline MemberValue Int(int32_t value) {
  return {nullptr, static_cast<unsigned long long>(static_cast<long long>(value)), json::IntType,
          false, false};
}
inline MemberValue UInt(uint32_t value) { return {nullptr, value, json::UIntType, false, false}; }
inline MemberValue Int64(int64_t value) {
  return {nullptr, static_cast<unsigned long long>(static_cast<long long>(value)), json::Int64Type,
          false, false};
}
inline MemberValue UInt64(uint64_t value) {
  return {nullptr, static_cast<unsigned long long>(value), json::UInt64Type, false, false};
}
inline MemberValue Bool(bool value) { return {nullptr, 0, json::BoolType, false, value}; }
// The text must outlive every envelope of its kind (a literal).
inline MemberValue Constant(const char* text) { return {text, 0, json::StringType, true, false}; }
inline MemberValue Constant(int value) {
  return {nullptr, static_cast<unsigned long long>(static_cast<long long>(value)), json::IntType,
          true, false};
}

// Where a kept envelope's member lies, recorded when the first envelope of
// its kind set it, with the key it was set by (the same literal at every
// envelope of the kind) and, for a constant, its value.
struct MemberSlot {
  const char* key;
  json::Value* value;
  MemberValue set_to;
};

// Texts longer than this are not kept in a thread's storage after their
// envelope, so that a thread does not hold on to the memory of a rare large
// document.
constexpr std::size_t kLargestKeptText = 256 * 1024;

class EnvelopeMembers {
 public:
  // Sets members by key in object, which holds none of them yet.
  explicit EnvelopeMembers(json::Object& object) noexcept : object_(&object) {}
  // Sets the members of a kept envelope: where slots say they lie when
  // shaped, else by key, recording their slots. Before a recording fill,
  // every member already in object is null.
  EnvelopeMembers(json::Object& object, std::vector<MemberSlot>& slots, bool shaped) noexcept
      : object_(&object),
        slots_(&slots),
        mode_(shaped ? Mode::kShaped : Mode::kRecording),
        next_(slots.data()),
        end_(slots.data() + slots.size()) {}

  class Member {
   public:
    void operator=(const MemberValue& value) { members_.Set(key_, value); }

   private:
    friend class EnvelopeMembers;
    Member(EnvelopeMembers& members, const char* key) : members_(members), key_(key) {}
    EnvelopeMembers& members_;
    const char* const key_;
  };
  // key is a literal (or text that stays at its address with the same
  // content): a kept envelope matches members by the key's address.
  Member operator[](const char* key) { return Member(*this, key); }

  // Whether a shaped fill set every member where its slot said, in the
  // recorded order, with the recorded constants; false when it set other
  // members, or fewer, and the envelope has to be filled again by key.
  bool MatchedSlots() const noexcept { return mode_ == Mode::kShaped && next_ == end_; }
  bool Recorded() const noexcept { return mode_ == Mode::kRecording; }
  // Whether a text longer than kLargestKeptText was set.
  bool SetLargeText() const noexcept { return large_text_; }

 private:
  enum class Mode { kByKey, kRecording, kShaped, kMismatched };

  // The shaped fill of a member whose slot is next: its text or number set
  // where it lies, a constant only compared. Everything else goes by key.
  void Set(const char* key, const MemberValue& value) {
    if (mode_ == Mode::kShaped && next_ != end_ && next_->key == key &&
        next_->set_to.constant == value.constant) {
      MemberSlot& slot = *next_;
      if (!value.constant) {
        ++next_;
        if (value.type == json::StringType) {
          SetText(*slot.value, value.text);
        } else {
          SetInPlace(*slot.value, value);
        }
        return;
      }
      if (slot.set_to.type == value.type && slot.set_to.text == value.text &&
          slot.set_to.number == value.number) {
        ++next_;
        return;
      }
    }
    SetByKey(key, value);
  }

  void SetText(json::Value& member, const char* text) {
    const std::size_t size = std::strlen(text);
    json::ValueInPlace::SetString(member, text, size);
    large_text_ = large_text_ || size > kLargestKeptText;
  }

  // In envelope_storage.cpp.
  void SetByKey(const char* key, const MemberValue& value);
  void SetInPlace(json::Value& member, const MemberValue& value);

  json::Object* object_;
  std::vector<MemberSlot>* slots_ = nullptr;
  Mode mode_ = Mode::kByKey;
  MemberSlot* next_ = nullptr;
  MemberSlot* end_ = nullptr;
  bool large_text_ = false;
};

#endif  // ZELBRIDGE_ENVELOPE_MEMBERS_H_
