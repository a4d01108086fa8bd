#include "levelfile/classic_header.h"
#include "levelfile/classic_rooms.h"
#include "levelfile/level_check.h"
#include "levelfile/level_file.h"
#include "levelfile/level_tables.h"
#include "levelfile/level_writer.h"
#include "levelfile/packed_header.h"
#include "levelfile/tr5_rooms.h"
#include "levelfile/zfile.h"

namespace rw {

namespace {

constexpr uint8_t kLevelDataEnd[4] = {kTr5Filler, kTr5Filler, kTr5Filler, kTr5Filler};

void write_classic_level(level_writer& out, Ttrlevel& level) {
    write_classic_header(out, level);
    write_classic_rooms(out, level);
    write_level_tables(out, level);
}

// Code 7's level data, framed by its length twice, patched once the data has been written.
void write_tr5_level_data(level_writer& out, Ttrlevel& level) {
    out.put(level.tr5_header.data(), level.tr5_header.size());
    const int32_t sizes_at = out.position();
    out.u32(level.tr5_level_size);
    out.u32(level.tr5_level_size2);
    write_tr5_rooms(out, level);
    write_level_tables(out, level);
    out.put(kLevelDataEnd, sizeof kLevelDataEnd);
    const auto size = static_cast<uint32_t>(out.position() - sizes_at - 8);
    level.tr5_level_size = level.tr5_level_size2 = size;
    out.patch_u32(sizes_at, size);
    out.patch_u32(sizes_at + 4, size);
}

// Codes 6-7: the level data is assembled first, then the header that needs its length is put
// in front of it.
void write_packed_level_file(level_writer& out, Ttrlevel& level, const std::string& file_name) {
    TZfile data;
    zf_rewrite(data, 1);
    level_writer data_out(data);
    if (level.game_version == kTR4) {
        write_classic_rooms(data_out, level);
        write_level_tables(data_out, level);
    } else {
        write_tr5_level_data(data_out, level);
    }
    write_packed_level(out, level, file_name, data.buffer, static_cast<size_t>(data.size));
    zf_close(data, false);
}

// Fills `f` with the level's file; the caller stores it.
int write_level(Ttrlevel& level, const std::string& file_name, TZfile& f, std::string* refusal) {
    level.report_progress(0);
    if (!level.is_loaded()) {
        if (refusal != nullptr) *refusal = kSaveNothingLoadedMessage;
        return kSaveNothingLoaded;
    }
    if (is_known_version_word(level.version_word)) {
        level.game_version = game_version_for(level.version_word, file_name, level.game_version);
    }
    if (auto problem = check_level_for_writing(level)) {
        if (refusal != nullptr) *refusal = std::string(kSaveInconsistentMessage) + ": " + *problem;
        return kSaveInconsistent;
    }
    zf_assign(f, file_name);
    zf_rewrite(f, 1);
    level_writer out(f);
    if (level.game_version <= kTR3) {
        write_classic_level(out, level);
    } else {
        write_packed_level_file(out, level, file_name);
    }
    level.report_progress(100);
    return kSaveOk;
}

}  // namespace

int save_level(Ttrlevel& level, const std::string& file_name, std::string* refusal) {
    TZfile f;
    const int result = write_level(level, file_name, f, refusal);
    if (result != kSaveOk) return result;
    zf_close(f, true);
    level.report_progress(0);
    return kSaveOk;
}

int save_level_to_bytes(Ttrlevel& level, const std::string& file_name, std::vector<uint8_t>& out,
                        std::string* refusal) {
    TZfile f;
    const int result = write_level(level, file_name, f, refusal);
    if (result != kSaveOk) return result;
    out.assign(f.buffer, f.buffer + f.size);
    zf_close(f, false);
    level.report_progress(0);
    return kSaveOk;
}

}  // namespace rw
