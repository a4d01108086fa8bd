#pragma once
// A small streaming JSON writer shared by every kind of file rwinfo describes. Objects and
// arrays are indented one level per nesting; an inline container is kept on one line, which
// suits small records such as a sector.

#include <concepts>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace rw::info {

// The JSON string literal (quotes included) of a byte string. Valid UTF-8 passes through;
// any other byte is taken as Latin-1, as texts of the game's era are, and escaped.
std::string json_quote(std::string_view bytes);

class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void begin_object(bool inline_layout = false) { open('{', inline_layout); }
    void end_object() { close('}'); }
    void begin_array(bool inline_layout = false) { open('[', inline_layout); }
    void end_array() { close(']'); }

    void key(std::string_view name);
    void value(std::string_view text) { write_scalar(json_quote(text)); }
    void value(const char* text) { value(std::string_view(text)); }
    void value(bool flag) { write_scalar(flag ? "true" : "false"); }
    template <std::integral T>
    requires(!std::same_as<T, bool>) void value(T number) {
        write_scalar(std::to_string(static_cast<int64_t>(number)));
    }

    template <class T>
    void field(std::string_view name, const T& v) {
        key(name);
        value(v);
    }

    // Ends the document with a line break.
    void finish() { out_ << '\n'; }

  private:
    struct Level {
        bool inline_layout;
        bool empty;
    };
    void open(char bracket, bool inline_layout);
    void close(char bracket);
    void write_scalar(const std::string& text);
    void separate();
    void newline();

    std::ostream& out_;
    std::vector<Level> levels_;
    bool after_key_ = false;
};

}  // namespace rw::info
