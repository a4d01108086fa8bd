#include <sys/stat.h>

#include <optional>
#include <span>

#include "levelfile/classic_header.h"
#include "levelfile/classic_rooms.h"
#include "levelfile/errors.h"
#include "levelfile/level_file.h"
#include "levelfile/level_reader.h"
#include "levelfile/level_tables.h"
#include "levelfile/packed_header.h"
#include "levelfile/tr5_rooms.h"
#include "levelfile/zfile.h"

namespace rw {

namespace {

constexpr size_t kTr5HeaderTail = 32 + 4 + 4;  // tr5_header and the two level sizes

// Codes 1-5: everything is stored plain, in one run.
void read_classic_level(level_reader& in, Ttrlevel& level) {
    read_classic_header(in, level);
    read_classic_rooms(in, level);
    read_level_tables(in, level);
}

// Code 6: rooms and tables come from the inflated level data chunk; every byte after the chunk
// is kept as the samples.
void read_tr4_level(level_reader& in, Ttrlevel& level, const std::string& file_name) {
    std::vector<uint8_t> level_data;
    read_packed_header(in, level, file_name, level_data);
    level.samples.assign(in.here(), in.here() + in.remaining());
    level.samples_size = static_cast<int32_t>(level.samples.size());
    level_reader data(level_data.data(), level_data.size());
    read_classic_rooms(data, level);
    read_level_tables(data, level);
}

// Code 7: the level data is stored plain after the chunks, framed by its length; every byte
// after it is kept as the samples.
void read_tr5_level(level_reader& in, Ttrlevel& level, const std::string& file_name) {
    std::vector<uint8_t> unused;
    read_packed_header(in, level, file_name, unused);
    in.expect(1, kTr5HeaderTail, kUnbounded, "level data length");
    in.read(level.tr5_header.data(), level.tr5_header.size(), "level data length");
    level.tr5_level_size = in.u32("level data length");
    level.tr5_level_size2 = in.u32("level data length");
    in.expect(level.tr5_level_size, 1, kUnbounded, "level data length");
    const size_t level_end = in.position() + level.tr5_level_size;
    const size_t file_end = in.limit_to(level_end, "the level data's end");
    read_tr5_rooms(in, level);
    read_level_tables(in, level);
    in.widen_to(file_end);
    in.seek(level_end, "the level data's end");
    level.samples.assign(in.here(), in.here() + in.remaining());
    level.samples_size = static_cast<int32_t>(level.samples.size());
}

void read_level(level_reader& in, Ttrlevel& level, const std::string& file_name) {
    if (level.game_version <= kTR3) {
        read_classic_level(in, level);
    } else if (level.game_version == kTR4) {
        read_tr4_level(in, level, file_name);
    } else {
        read_tr5_level(in, level, file_name);
    }
}

bool names_a_file(const std::string& file_name) {
    struct stat st {};
    return ::stat(file_name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// A failed load leaves an empty instance, as a new one.
void forget_level(Ttrlevel& level) {
    level.clear_tables();
    level.set_num_rooms(0);
}

int refuse(Ttrlevel& level, int result, const std::string& message, std::string* refusal) {
    forget_level(level);
    if (refusal != nullptr) *refusal = message;
    level.report_progress(0);
    return result;
}

// The bytes of a level file: where they lie, or nothing when no file exists.
using file_bytes = std::optional<std::span<const uint8_t>>;

// Reads the level from the bytes `open` finds, with the stream to hold them if need be.
template <class Open>
int load_from(Ttrlevel& level, const std::string& file_name, std::string* refusal, Open open) {
    level.report_progress(0);
    if (level.is_loaded()) {
        level.release_blocks();
        level.report_progress(10);
    }
    // Until this load succeeds the instance holds no level: a failure part way must neither
    // let the blocks be released again nor let a half-read level be written. Nothing of the
    // level before may show through in forms the new file does not fill.
    const int32_t held_version = level.game_version;
    level.clear_tables();

    TZfile f;
    zf_assign(f, file_name);
    try {
        const file_bytes bytes = open(f);
        if (!bytes) return refuse(level, kLoadNoFile, kLoadNoFileMessage, refusal);
        level_reader in(bytes->data(), bytes->size());
        const uint32_t word = in.remaining() >= 4 ? in.u32("version word") : 0;
        if (!is_known_version_word(word)) {
            return refuse(level, kLoadUnknownVersion, kLoadUnknownVersionMessage, refusal);
        }
        level.version_word = word;
        level.game_version = game_version_for(word, file_name, 0);
        // A room of the same version is filled again in every form its writer uses; one of
        // another version would keep forms the new file does not fill.
        if (level.game_version != held_version) level.set_num_rooms(0);
        read_level(in, level, file_name);
    } catch (const level_damage& e) {
        return refuse(level, kLoadDamaged, std::string(kLoadDamagedMessage) + ": " + e.what(),
                      refusal);
    } catch (...) {
        forget_level(level);
        level.report_progress(0);
        throw;
    }
    level.signature = kLevelSignature;
    level.report_progress(100);
    zf_close(f, false);
    level.report_progress(0);
    return kLoadOk;
}

}  // namespace

int load_level(Ttrlevel& level, const std::string& file_name, std::string* refusal) {
    return load_from(level, file_name, refusal, [&](TZfile& f) -> file_bytes {
        if (!names_a_file(file_name)) return std::nullopt;
        zf_reset(f, 1);
        return std::span<const uint8_t>(f.buffer, static_cast<size_t>(f.size));
    });
}

int load_level_from_bytes(Ttrlevel& level, const std::string& file_name, const uint8_t* data,
                          size_t size, std::string* refusal) {
    if (size > INT32_MAX) {
        throw FileError(file_name, "file is larger than 2 GiB");
    }
    return load_from(level, file_name, refusal, [&](TZfile& f) -> file_bytes {
        // Only the ZLIB form needs the stream, to inflate it; plain bytes are read where they lie.
        if (!zf_is_zlib_form(data, size)) return std::span<const uint8_t>(data, size);
        zf_reset_from_bytes(f, data, static_cast<int32_t>(size), 1);
        return std::span<const uint8_t>(f.buffer, static_cast<size_t>(f.size));
    });
}

}  // namespace rw
