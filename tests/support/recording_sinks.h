#pragma once
// Sinks that remember what the core told them.

#include <string>
#include <vector>

#include "levelfile/sinks.h"

namespace rw::test {

struct RecordingMessages : MessageSink {
    void show_message(const std::string& text) override { messages.push_back(text); }
    bool confirm(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answer = true;
};

struct RecordingLog : LogSink {
    void add_line(const std::string& line) override { lines.push_back(line); }
    void clear() override { lines.clear(); }
    std::vector<std::string> lines;
};

struct RecordingProgress : ProgressSink {
    void set_progress(int percent) override { values.push_back(percent); }
    std::vector<int> values;
};

}  // namespace rw::test
