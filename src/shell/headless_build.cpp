#include "shell/headless_build.h"

#include <exception>
#include <memory>

#include "builder/build_files.h"
#include "builder/build_level.h"
#include "document/project_file.h"
#include "levelfile/errors.h"

namespace rw {

namespace {

class StreamLog : public LogSink {
  public:
    explicit StreamLog(std::ostream& out) : out_(out) {}
    void add_line(const std::string& line) override { out_ << line << '\n' << std::flush; }

  private:
    std::ostream& out_;
};

class StreamMessages : public MessageSink {
  public:
    explicit StreamMessages(std::ostream& err) : err_(err) {}
    void show_message(const std::string& text) override { err_ << text << '\n' << std::flush; }

  private:
    std::ostream& err_;
};

// The build window only builds when both of its bold fields are filled in.
bool names_both_levels(const LevelDocument& doc, std::ostream& err) {
    if (trimmed(doc.base_level_path.view()).empty()) {
        err << "The project names no base level\n";
        return false;
    }
    if (trimmed(doc.new_level_path.view()).empty()) {
        err << "The project names no new level\n";
        return false;
    }
    return true;
}

}  // namespace

bool wants_headless_build(const std::vector<std::string>& args) {
    return args.size() >= 2 && args[1] == "--build";
}

int run_headless_build(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3 || args[1] != "--build") {
        err << kHeadlessUsageText << '\n';
        return kHeadlessUsage;
    }
    return build_project(args[2], out, err);
}

int build_project(const std::string& project_path, std::ostream& out, std::ostream& err) {
    StreamLog log(out);
    StreamMessages messages(err);
    try {
        auto doc = std::make_unique<LevelDocument>();
        if (ReadProjectFile(*doc, project_path, &messages) != 0) return kHeadlessNotWritten;
        if (!names_both_levels(*doc, err)) return kHeadlessNotWritten;
        auto level = std::make_unique<Ttrlevel>();
        ScriptCompiler compiler;
        const bool written =
            build_level(*doc, *level, "", compiler, {&log, nullptr, &messages, nullptr});
        return written ? kHeadlessWritten : kHeadlessNotWritten;
    } catch (const FileError& e) {
        err << e.what() << '\n';
    } catch (const std::exception& e) {
        err << project_path << ": " << e.what() << '\n';
    }
    return kHeadlessNotWritten;
}

}  // namespace rw
