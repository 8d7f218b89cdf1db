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
  // With a label, every line starts with it in brackets, so that the lines
  // of several isolates writing to one stream tell whose they are.
  Transcript(std::ostream& out, bool raw, std::string label = "")
      : out_(out), raw_(raw), label_(label.empty() ? "" : "[" + label + "] ") {}

  void Call(const std::string& export_name, const std::vector<std::string>& arguments,
            const std::string& result);
  void Posted(const std::string& text);
  void Completion(const std::string& export_name, const Envelope& completion);
  // A completion that the isolate does not own, and why.
  void Dropped(const Envelope& completion, const std::string& reason);
  void Event(const Envelope& event);
  void Note(const std::string& text);
  void Failure(const std::string& text);

  int failures() const { return failures_; }

 private:
  std::ostream& Line();

  std::ostream& out_;
  bool raw_;
  std::string label_;
  int failures_ = 0;
};

// A line between the isolates' lines, for what happens to the process.
void Heading(std::ostream& out, const std::string& text);

// text in double quotes, with quotes and backslashes escaped.
std::string Quoted(const std::string& text);
// text cut to a readable length, marked with "..." when cut.
std::string Shortened(const std::string& text);
// "once", "twice", "3 times", ...
std::string Times(int count);

}  // namespace demo

#endif  // ZELBRIDGE_DEMO_TRANSCRIPT_H_
