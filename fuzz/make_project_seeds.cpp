// Writes the seed inputs of the project fuzzers into a folder: the sample project as stored
// (compressed), its plain content, the same rooms in the older version 8 and 6 layouts, and the
// sample project of each game version (naming that version's sample base level) as stored and
// as plain content.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "document/project_file.h"
#include "sample_builds.h"
#include "sample_project.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes content_of(const rw::LevelDocument& doc) {
    rw::TZfile f;
    rw::zf_rewrite(f, 1);
    rw::WriteProjectStream(doc, f);
    return {f.buffer, f.buffer + f.size};
}

// Re-lays version 9 content in an older version's layout.
Bytes downgrade(const rw::LevelDocument& doc, const Bytes& v9, uint8_t version) {
    Bytes out(v9.begin(), v9.begin() + rw::kProjectHeaderSize);
    out[17] = version;
    size_t at = rw::kProjectHeaderSize;
    auto copy = [&](size_t n, bool keep) {
        if (keep)
            out.insert(out.end(), v9.begin() + static_cast<long>(at),
                       v9.begin() + static_cast<long>(at + n));
        at += n;
    };
    for (int n = 1; n <= doc.room_count; ++n) {
        const rw::Room& room = doc.room(n);
        copy(rw::kRoomFieldsSize, true);
        if (version >= 7) {
            copy(rw::kSectorGridBytes, true);
        } else {
            for (int s = 0; s < rw::kSectorsPerRoom; ++s) {
                copy(rw::kVersion6SectorSize, true);
                copy(sizeof(rw::Sector) - rw::kVersion6SectorSize, false);
            }
        }
        copy(4 + sizeof(rw::PortalView) * static_cast<size_t>(room.portal_view_count), true);
        copy(4 + sizeof(rw::ReservedRecord) * static_cast<size_t>(room.reserved_count),
             version >= 7);
        copy(8 + sizeof(rw::Ornament) * static_cast<size_t>(room.ornament_count), false);
    }
    return out;
}

void store(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_project_seeds FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        auto doc = std::make_unique<rw::LevelDocument>();
        rw::samples::FillSampleProject(*doc, rw::samples::sample_project_paths(folder));
        rw::WriteProjectFile(*doc, (folder / "sample.rmw").string());
        const Bytes v9 = content_of(*doc);
        store(folder / "sample_content_v9", v9);
        store(folder / "sample_content_v8", downgrade(*doc, v9, 8));
        store(folder / "sample_content_v6", downgrade(*doc, v9, 6));
        for (const auto& build : rw::samples::kSampleBuilds) {
            rw::samples::FillSampleProject(
                *doc, rw::samples::sample_project_paths(folder, build.base_stem, build.extension));
            const std::string file(build.project_file);
            rw::WriteProjectFile(*doc, (folder / file).string());
            store(folder / (file.substr(0, file.find('.')) + "_content_v9"), content_of(*doc));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_project_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
