#pragma once
// The small interfaces through which the core reports to whoever drives it: the editor's
// windows, the console programs, or a test that records what it is told.

#include <string>

namespace rw {

// Message boxes and confirmations.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void show_message(const std::string& text) = 0;
    // A Yes/No question; true means Yes.
    virtual bool confirm(const std::string& text) { return (void)text, false; }
};

// Lines of a log window.
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual void add_line(const std::string& line) = 0;
    virtual void clear() {}
};

// A progress bar running from 0 to 100.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void set_progress(int percent) = 0;
};

}  // namespace rw
