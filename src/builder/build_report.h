#pragma once
// The build's way of speaking through its sinks, any of which may be absent.

#include <string>

#include "builder/build_level.h"

namespace rw {

class BuildReport {
  public:
    explicit BuildReport(const BuildSinks& sinks) : sinks_(sinks) {}

    void line(const std::string& text) const {
        if (sinks_.log != nullptr) sinks_.log->add_line(text);
    }
    void clear() const {
        if (sinks_.log != nullptr) sinks_.log->clear();
    }
    void message(const std::string& text) const {
        if (sinks_.messages != nullptr) sinks_.messages->show_message(text);
    }
    void progress(int percent) const {
        if (sinks_.progress != nullptr) sinks_.progress->set_progress(percent);
    }
    // A reason the level cannot be built: shown, logged, and the build ends without writing.
    void refuse(const std::string& reason) const {
        message(reason);
        line(reason);
        line(kLevelNotBuiltLine);
    }
    LogSink* log() const { return sinks_.log; }
    const BuildSinks& sinks() const { return sinks_; }

  private:
    const BuildSinks& sinks_;
};

}  // namespace rw
