#include "project_info.h"

#include <algorithm>
#include <memory>

#include "document/project_file.h"
#include "document_fields.h"
#include "json_writer.h"

namespace rw::info {

namespace {

struct StreamMessages : MessageSink {
    explicit StreamMessages(std::ostream& err) : err(err) {}
    void show_message(const std::string& text) override { err << text << '\n'; }
    std::ostream& err;
};

template <class Record, class Visit>
void write_record(JsonWriter& json, const Record& record, Visit visit) {
    json.begin_object(true);
    visit(record, [&](const char* name, auto v) { json.field(name, v); });
    json.end_object();
}

template <class Record, class Visit>
void write_list(JsonWriter& json, const char* name, const Record* records, int32_t count,
                int32_t capacity, Visit visit) {
    json.key(name);
    json.begin_array();
    for (int32_t i = 0; i < std::clamp(count, 0, capacity); ++i) {
        write_record(json, records[i], visit);
    }
    json.end_array();
}

void write_sectors(JsonWriter& json, const Room& room) {
    json.key("sectors");
    json.begin_array();
    const int columns = std::min<int>(room.columns, kGridSize);
    const int rows = std::min<int>(room.rows, kGridSize);
    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= rows; ++r) {
            json.begin_object(true);
            json.field("column", c);
            json.field("row", r);
            visit_sector_fields(room.sector(c, r),
                                [&](const char* name, auto v) { json.field(name, v); });
            json.end_object();
        }
    }
    json.end_array();
}

void write_room(JsonWriter& json, const Room& room, int number, bool full) {
    json.begin_object();
    json.field("number", number);
    json.field("rows", room.rows);
    json.field("columns", room.columns);
    json.field("height", room.height);
    json.field("pos_x", room.pos_x);
    json.field("pos_z", room.pos_z);
    json.field("pos_y", room.pos_y);
    json.field("name", room.name.view());
    json.field("water", room.water);
    json.field("outdoor", room.outdoor);
    json.field("quicksand", room.quicksand);
    json.field("sky", room.sky);
    json.field("spare_flag", room.spare_flag);
    json.field("tiled_boxes", room.tiled_boxes);
    json.field("ambient", room.ambient);
    json.field("default_floor_texture", room.default_floor_texture);
    json.field("default_floor_wall_texture", room.default_floor_wall_texture);
    json.field("default_ceiling_texture", room.default_ceiling_texture);
    json.field("default_ceiling_wall_texture", room.default_ceiling_wall_texture);
    json.field("current_ornament", room.current_ornament);
    json.field("portal_view_count", room.portal_view_count);
    json.field("reserved_count", room.reserved_count);
    json.field("ornament_count", room.ornament_count);
    if (full) {
        write_sectors(json, room);
        write_list(json, "portal_views", room.portal_views.data(), room.portal_view_count,
                   kMaxPortalViews,
                   [](const PortalView& v, auto f) { visit_portal_view_fields(v, f); });
        write_list(json, "ornaments", room.ornaments.data(), room.ornament_count, kMaxOrnaments,
                   [](const Ornament& o, auto f) { visit_ornament_fields(o, f); });
    }
    json.end_object();
}

void write_document(JsonWriter& json, const LevelDocument& doc, int version, bool full) {
    json.field("magic_accepted", true);
    json.field("version", version);
    json.field("level_description", doc.level_description.view());
    json.field("comments", doc.comments.view());
    json.field("base_level_path", doc.base_level_path.view());
    json.field("items_table_path", doc.items_table_path.view());
    json.field("mesh_file_path", doc.mesh_file_path.view());
    json.field("script_path", doc.script_path.view());
    json.field("new_level_path", doc.new_level_path.view());
    json.field("current_room", doc.current_room);
    json.field("room_count", doc.room_count);
    json.field("lara_room", doc.lara_room);
    json.field("lara_column", doc.lara_column);
    json.field("lara_row", doc.lara_row);
    json.field("tr5_weather", doc.tr5_weather);
    json.key("rooms");
    json.begin_array();
    for (int n = 1; n <= std::min<int>(doc.room_count, kMaxRooms); ++n) {
        write_room(json, doc.room(n), n, full);
    }
    json.end_array();
}

}  // namespace

int print_project_info(const std::string& path, bool full, std::ostream& out, std::ostream& err) {
    TZfile f;
    zf_assign(f, path);
    zf_reset(f, 1, kMaxProjectContentSize);
    // The version byte follows the 17-byte magic; the reader has checked both when it loads.
    const int version = zf_size(f) > 17 ? f.buffer[17] : 0;
    auto doc = std::make_unique<LevelDocument>();
    StreamMessages messages(err);
    if (ReadProjectStream(*doc, f, &messages) != 0) return 1;

    JsonWriter json(out);
    json.begin_object();
    json.field("file", path);
    json.field("kind", "project");
    write_document(json, *doc, version, full);
    json.end_object();
    json.finish();
    return 0;
}

}  // namespace rw::info
