#include "sample_project.h"

#include <cstring>

#include "room_joins.h"
#include "sample_rooms.h"

namespace rw::samples {

SampleProjectPaths sample_project_paths(const std::filesystem::path& folder, std::string_view stem,
                                        std::string_view extension) {
    const auto absolute = std::filesystem::absolute(folder).lexically_normal();
    const std::string base = std::string(stem) + std::string(extension);
    const std::string out = std::string(stem) + "_out" + std::string(extension);
    return {(absolute / base).string(), (absolute / out).string(),
            (absolute / kSampleProjectScript).string()};
}

void FillSampleProject(LevelDocument& doc, const SampleProjectPaths& paths) {
    std::memset(static_cast<void*>(&doc), 0, sizeof doc);
    doc.level_description.assign("Roomwright sample level");
    doc.comments.assign(
        "Built from code: a hall, a gallery, a corridor over a deadly pit with a monkey swing, "
        "a courtyard over a flooded cistern, and a crypt.");
    doc.base_level_path.assign(paths.base_level_path);
    doc.new_level_path.assign(paths.new_level_path);
    doc.script_path.assign(paths.script_path);

    make_entrance_hall(doc);
    make_gallery(doc);
    make_corridor(doc);
    make_cistern(doc);
    make_courtyard(doc);
    make_crypt(doc);

    join_through_wall(doc, kEntranceHall, Side::kRight, kGallery);
    join_through_wall(doc, kCorridor, Side::kBack, kGallery);
    join_through_wall(doc, kCorridor, Side::kFront, kCourtyard);
    join_through_ceiling(doc, kCistern, kCourtyard);
    join_through_wall(doc, kCrypt, Side::kRight, kEntranceHall);

    doc.current_room = kEntranceHall;
    doc.lara_room = kEntranceHall;
    doc.lara_column = 4;
    doc.lara_row = 5;
    doc.tr5_weather = 0;
}

}  // namespace rw::samples
