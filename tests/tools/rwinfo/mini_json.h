#pragma once
// Just enough of a JSON parser to check rwinfo's output: objects, arrays, strings (with \u
// escapes below 0x100), integers, true, false and null. Throws std::runtime_error on anything
// malformed, so a test also learns whether the output is valid JSON.

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rw::test {

struct Json {
    using Object = std::map<std::string, Json>;
    using Array = std::vector<Json>;
    std::variant<std::nullptr_t, bool, int64_t, std::string, Array, Object> v;

    const Json& operator[](const std::string& key) const {
        const auto& object = std::get<Object>(v);
        auto it = object.find(key);
        if (it == object.end()) throw std::runtime_error("no key " + key);
        return it->second;
    }
    const Json& operator[](size_t i) const { return std::get<Array>(v).at(i); }
    bool has(const std::string& key) const { return std::get<Object>(v).count(key) != 0; }
    int64_t integer() const { return std::get<int64_t>(v); }
    const std::string& text() const { return std::get<std::string>(v); }
    bool flag() const { return std::get<bool>(v); }
    size_t size() const {
        if (const auto* a = std::get_if<Array>(&v)) return a->size();
        return std::get<Object>(v).size();
    }
};

class JsonParser {
  public:
    static Json parse(std::string_view text) {
        JsonParser p(text);
        Json value = p.value();
        p.skip_space();
        if (p.at_ != p.s_.size()) p.fail("trailing characters");
        return value;
    }

  private:
    explicit JsonParser(std::string_view s) : s_(s) {}

    [[noreturn]] void fail(const std::string& why) const {
        throw std::runtime_error("bad JSON at " + std::to_string(at_) + ": " + why);
    }
    void skip_space() {
        while (at_ < s_.size() &&
               (s_[at_] == ' ' || s_[at_] == '\n' || s_[at_] == '\t' || s_[at_] == '\r')) {
            ++at_;
        }
    }
    char peek() {
        skip_space();
        if (at_ >= s_.size()) fail("unexpected end");
        return s_[at_];
    }
    void expect(char c) {
        if (peek() != c) fail(std::string("expected ") + c);
        ++at_;
    }
    bool literal(std::string_view word) {
        if (s_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }
    Json value() {
        const char c = peek();
        if (c == '{') return object();
        if (c == '[') return array();
        if (c == '"') return Json{string()};
        if (literal("true")) return Json{true};
        if (literal("false")) return Json{false};
        if (literal("null")) return Json{nullptr};
        return Json{integer()};
    }
    Json object() {
        expect('{');
        Json::Object object;
        if (peek() == '}') return ++at_, Json{object};
        while (true) {
            if (peek() != '"') fail("expected a key");
            std::string key = string();
            expect(':');
            if (!object.emplace(key, value()).second) fail("duplicate key " + key);
            if (peek() == '}') return ++at_, Json{object};
            expect(',');
        }
    }
    Json array() {
        expect('[');
        Json::Array array;
        if (peek() == ']') return ++at_, Json{array};
        while (true) {
            array.push_back(value());
            if (peek() == ']') return ++at_, Json{array};
            expect(',');
        }
    }
    std::string string() {
        ++at_;  // opening quote
        std::string out;
        while (true) {
            if (at_ >= s_.size()) fail("unterminated string");
            const auto c = static_cast<unsigned char>(s_[at_++]);
            if (c == '"') return out;
            if (c < 0x20) fail("raw control character in a string");
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (at_ >= s_.size()) fail("unterminated escape");
            const char e = s_[at_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u': {
                    const unsigned code = std::stoul(std::string(s_.substr(at_, 4)), nullptr, 16);
                    at_ += 4;
                    if (code > 0xFF) fail("escape beyond Latin-1 is not needed here");
                    out += static_cast<char>(code);
                    break;
                }
                default:
                    fail("bad escape");
            }
        }
    }
    int64_t integer() {
        size_t end = at_;
        if (end < s_.size() && s_[end] == '-') ++end;
        const size_t digits = end;
        while (end < s_.size() && s_[end] >= '0' && s_[end] <= '9')
            ++end;
        if (end == digits) fail("expected a value");
        const int64_t n = std::stoll(std::string(s_.substr(at_, end - at_)));
        at_ = end;
        return n;
    }

    std::string_view s_;
    size_t at_ = 0;
};

}  // namespace rw::test
