// The demo's readable transcript: each call with its immediate result, each
// completion with the call it belongs to, each event with its callbackType
// name; in raw mode the posted texts exactly as they arrived instead of the
// decoded completions and events.
#ifndef ZELBRIDGE_DEMO_TRANSCRIPT_H_
#define ZELBRIDGE_DEMO_TRANSCRIPT_H_

#include <ostream>
#include <string>
#include <vector>

#include "envelope.h"

namespace demo {

class Transcript {
 public:
  Transcript(std::ostream& out, bool raw) : out_(out), raw_(raw) {}

  void Call(const std::string& export_name, const std::vector<std::string>& arguments,
            const std::string& result);
  void Posted(const std::string& text);
  void Completion(const std::string& export_name, const Envelope& completion);
  void Event(const Envelope& event);
  void Note(const std::string& text);
  void Failure(const std::string& text);

  int failures() const { return failures_; }

 private:
  std::ostream& out_;
  bool raw_;
  int failures_ = 0;
};

// text in double quotes, with quotes and backslashes escaped.
std::string Quoted(const std::string& text);
// text cut to a readable length, marked with "..." when cut.
std::string Shortened(const std::string& text);

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_TRANSCRIPT_H_
