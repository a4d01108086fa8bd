#include "json_writer.h"

#include <cstdio>

namespace rw::info {

namespace {

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0 when it is not one.
size_t utf8_sequence_length(std::string_view s) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = b(0);
    size_t n = 0;
    uint32_t min = 0;
    uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2, min = 0x80, code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3, min = 0x800, code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4, min = 0x10000, code = lead & 0x07u;
    } else {
        return 0;
    }
    if (s.size() < n) return 0;
    for (size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (b(i) & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < min || code > 0x10FFFF || surrogate ? 0 : n;
}

void append_escape(std::string& out, unsigned char byte) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\u%04x", byte);
    out += buf;
}

}  // namespace

std::string json_quote(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 2);
    out += '"';
    for (size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80) {
            if (size_t n = utf8_sequence_length(bytes.substr(i)); n > 0) {
                out.append(bytes.substr(i, n));
                i += n;
            } else {
                append_escape(out, byte);
                ++i;
            }
            continue;
        }
        switch (byte) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    append_escape(out, byte);
                } else {
                    out += static_cast<char>(byte);
                }
        }
        ++i;
    }
    out += '"';
    return out;
}

void JsonWriter::newline() {
    out_ << '\n';
    for (size_t i = 0; i < levels_.size(); ++i)
        out_ << "  ";
}

void JsonWriter::separate() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (levels_.empty()) return;
    Level& level = levels_.back();
    if (!level.empty) out_ << ',';
    if (level.inline_layout) {
        if (!level.empty) out_ << ' ';
    } else {
        newline();
    }
    level.empty = false;
}

void JsonWriter::key(std::string_view name) {
    separate();
    out_ << json_quote(name) << ": ";
    after_key_ = true;
}

void JsonWriter::write_scalar(const std::string& text) {
    separate();
    out_ << text;
}

void JsonWriter::open(char bracket, bool inline_layout) {
    separate();
    out_ << bracket;
    const bool inside_inline = !levels_.empty() && levels_.back().inline_layout;
    levels_.push_back({inline_layout || inside_inline, true});
}

void JsonWriter::close(char bracket) {
    const Level level = levels_.back();
    levels_.pop_back();
    if (!level.empty && !level.inline_layout) newline();
    out_ << bracket;
}

}  // namespace rw::info
