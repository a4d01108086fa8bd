#include "script/script_reader.h"

#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "levelfile/errors.h"

namespace rw {

namespace {

bool is_blank_or_control(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && is_blank_or_control(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_blank_or_control(s.back()))
        s.remove_suffix(1);
    return s;
}

// An optional sign followed by decimal digits that fit in 32 bits; nothing else.
bool to_int32(std::string_view s, int32_t& value) {
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        if (s.empty() || s.front() == '-') return false;  // one sign only: "+-5" is no number
    }
    const char* end = s.data() + s.size();
    const auto [at, error] = std::from_chars(s.data(), end, value);
    return error == std::errc{} && at == end;
}

}  // namespace

bool ScriptReader::scp_open_file(const std::string& name) {
    std::error_code ec;
    if (!std::filesystem::exists(name, ec)) return true;
    if (!std::filesystem::is_regular_file(name, ec)) throw FileError(name, "not a script file");
    std::ifstream in(name, std::ios::binary);
    if (!in) throw FileError(name, "cannot open the script for reading");
    std::ostringstream whole;
    whole << in.rdbuf();
    if (in.bad()) throw FileError(name, "cannot read the script");
    scp_open_text(std::move(whole).str());
    return false;
}

void ScriptReader::scp_open_text(std::string text) {
    text_ = std::move(text);
    position_ = 0;
    scp_line_number = 0;
    scp_arg_count = 0;
    scp_parse_fault = ParseFault::kNone;
}

// One physical line without its ending; CR LF, LF and a lone CR each end a line.
bool ScriptReader::next_physical_line(std::string_view& line) {
    if (position_ >= text_.size()) return false;
    const size_t end = text_.find_first_of("\r\n", position_);
    const size_t stop = end == std::string::npos ? text_.size() : end;
    line = std::string_view(text_).substr(position_, stop - position_);
    position_ = stop;
    if (position_ < text_.size() && text_[position_] == '\r') ++position_;
    if (position_ < text_.size() && text_[position_] == '\n') ++position_;
    return true;
}

int32_t ScriptReader::scp_read_line(std::string& text) {
    text.clear();
    if (position_ >= text_.size()) scp_line_number = -1;
    std::string_view line;
    while (text.empty() && next_physical_line(line)) {
        ++scp_line_number;
        line = trimmed(line);
        if (!line.empty() && line.front() != ';') text = line;  // ';' starts a comment line
    }
    if (text.empty()) scp_line_number = -1;
    return scp_line_number;
}

std::string ScriptReader::scp_parse_line(std::string_view text) {
    scp_arg_count = 0;
    scp_parse_fault = ParseFault::kNone;

    // A comment is cut after its ';', which stays: a comment before the ')' spoils the line.
    const size_t comment = text.find(';');
    std::string line(comment == std::string_view::npos ? text : text.substr(0, comment + 1));
    std::erase(line, ' ');
    for (char& c : line)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));

    const size_t open = line.find('(');
    if (open == std::string::npos) return {};
    std::string name = line.substr(0, open);
    std::string_view rest = std::string_view(line).substr(open + 1);

    int32_t filled = 0;
    auto store = [&](std::string_view argument) {
        if (filled == kScriptMaxArgs) {
            scp_parse_fault = ParseFault::kTooManyArguments;
            return false;
        }
        if (!to_int32(argument, scp_args[static_cast<size_t>(filled + 1)])) {
            scp_parse_fault = ParseFault::kBadArgument;
            return false;
        }
        ++filled;
        return true;
    };
    for (size_t comma = rest.find(','); comma != std::string_view::npos; comma = rest.find(',')) {
        if (!store(rest.substr(0, comma))) return name;
        rest.remove_prefix(comma + 1);
    }
    const size_t close = rest.find(')');
    if (close == std::string_view::npos) return {};
    if (close > 0 && !store(rest.substr(0, close))) return name;
    scp_arg_count = filled;
    return name;
}

}  // namespace rw
