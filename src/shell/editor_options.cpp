#include "shell/editor_options.h"

#include <charconv>

namespace rw {

namespace {

bool parse_room_number(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && at == end && value >= 0;
}

}  // namespace

std::optional<EditorOptions> parse_editor_options(const std::vector<std::string>& args,
                                                  std::string& error) {
    EditorOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takes_value = a == "--base" || a == "--room" || a == "--neighbour";
        if (takes_value && i + 1 >= args.size()) {
            error = a + " needs a value";
            return std::nullopt;
        }
        if (a == "--base") {
            options.base_level = args[++i];
        } else if (a == "--room" || a == "--neighbour") {
            int& target = a == "--room" ? options.room : options.neighbour;
            if (!parse_room_number(args[++i], target)) {
                error = a + " needs a room number";
                return std::nullopt;
            }
        } else if (!a.empty() && a[0] == '-') {
            error = "unknown option " + a;
            return std::nullopt;
        } else if (options.project_path.empty()) {
            options.project_path = a;
        } else {
            error = "more than one project file given";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace rw
