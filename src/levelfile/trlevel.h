#pragma once
// A game level of any of the seven game versions, held in memory. Every table has a count
// field and an array whose length always equals it; the set_num_* operations are the only way
// the lengths change. Where a record changed size between versions, both forms are kept.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "levelfile/game_records.h"
#include "levelfile/game_version.h"
#include "levelfile/sinks.h"
#include "levelfile/troom.h"

namespace rw {

inline constexpr const char* kLevelSignature = "Zorvath";
inline constexpr int kTileBytes8 = 65536;    // one 256 x 256 tile of palette indices
inline constexpr int kTileBytes16 = 131072;  // one tile of 16-bit pixels
inline constexpr int kSoundMapEntries = 450;
// Rooms a level may hold. A room record is large (fixed capacities), so a file's room count is
// capped before the rooms are allocated; sector links address rooms with one byte, so real levels
// stay far below this.
inline constexpr int kLevelMaxRooms = 1024;

// Zone arrays, in stored order: ground 1-4 and fly, then the same five for the alternate state.
enum ZoneArray : int {
    kZoneGround1 = 0,
    kZoneGround2,
    kZoneGround3,
    kZoneGround4,
    kZoneFly,
    kZoneGround1Alt,
    kZoneGround2Alt,
    kZoneGround3Alt,
    kZoneGround4Alt,
    kZoneFlyAlt,
    kZoneArrayCount
};

class Ttrlevel {
  public:
    Ttrlevel();
    ~Ttrlevel();
    Ttrlevel(const Ttrlevel&) = delete;
    Ttrlevel& operator=(const Ttrlevel&) = delete;

    // ---- counts ----
    uint16_t num_rooms = 0;
    int32_t num_floor_data = 0;
    int32_t num_mesh_data = 0;
    int32_t num_mesh_pointers = 0;
    int32_t num_animations = 0;
    int32_t num_state_changes = 0;
    int32_t num_anim_dispatches = 0;
    int32_t num_anim_commands = 0;
    int32_t num_mesh_hierarchy = 0;
    int32_t num_frames = 0;
    int32_t num_moveables = 0;
    int32_t num_static_meshes = 0;
    int32_t num_object_textures = 0;
    int32_t num_sprite_textures = 0;
    int32_t num_sprite_sequences = 0;
    int32_t num_cameras = 0;
    int32_t num_flyby_cameras = 0;
    int32_t num_sound_sources = 0;
    int32_t num_boxes = 0;
    int32_t num_overlaps = 0;
    int32_t num_zones = 0;  // length of each zone array; equals num_boxes
    int32_t num_animated_textures = 0;
    int32_t num_items = 0;
    int32_t num_ai_objects = 0;  // ai_objects above code 5, cinematic_frames otherwise
    int32_t num_demo_data = 0;   // bytes
    int32_t num_sound_details = 0;
    int32_t num_sample_indices = 0;

    // ---- identity ----
    std::string signature;  // kLevelSignature once a level has been loaded
    uint32_t version_word = 0;
    int32_t game_version = 0;

    // ---- textures ----
    uint16_t num_room_textiles = 0, num_obj_textiles = 0, num_bump_textiles = 0;  // codes 6-7
    uint32_t textile32_size = 0, textile32_packed = 0;
    uint32_t textile16_size = 0, textile16_packed = 0;
    uint32_t misc_textile_size = 0, misc_textile_packed = 0;
    uint32_t textile8_bytes = 0;  // num_textiles * 65536
    int32_t num_textiles = 0;
    std::vector<uint8_t> textile8;      // codes 1-5: palette indices
    std::vector<uint8_t> textile16;     // codes 3-7: 16-bit pixels (1-5-5-5)
    std::vector<uint8_t> textile32;     // codes 6-7
    std::vector<uint8_t> misc_textile;  // codes 6-7

    uint32_t pre_room_word = 0;            // codes 1-6
    std::array<uint8_t, 32> tr5_header{};  // code 7
    uint32_t tr5_level_size = 0, tr5_level_size2 = 0;

    // ---- tables ----
    std::vector<troom> rooms;
    std::vector<uint16_t> floor_data;
    std::vector<uint16_t> mesh_data;
    std::vector<int32_t> mesh_pointers;      // byte offsets into mesh_data
    std::vector<tr_animation> animations;    // codes 1-5
    std::vector<tr4_animation> animations4;  // codes 6-7
    std::vector<tr_state_change> state_changes;
    std::vector<tr_anim_dispatch> anim_dispatches;
    std::vector<uint16_t> anim_commands;
    std::vector<int32_t> mesh_hierarchy;
    std::vector<int16_t> frames;
    std::vector<tr_moveable> moveables;    // codes 1-6
    std::vector<tr5_moveable> moveables5;  // code 7
    std::vector<tr_static_mesh> static_meshes;
    std::array<uint8_t, 5> tex_marker{};  // code 6: 4 bytes, code 7: 5 bytes
    std::vector<tr_object_texture> object_textures;
    std::array<uint8_t, 4> spr_marker{};  // code 6: 3 bytes, code 7: 4 bytes
    std::vector<tr_sprite_texture> sprite_textures;
    std::vector<tr_sprite_sequence> sprite_sequences;
    std::vector<tr_camera> cameras;
    std::vector<tr_flyby_camera> flyby_cameras;  // codes 6-7
    std::vector<tr_sound_source> sound_sources;
    std::vector<tr_box1> boxes1;  // codes 1-2 form
    std::vector<tr_box> boxes;    // later form
    std::vector<uint16_t> overlaps;
    std::array<std::vector<uint16_t>, kZoneArrayCount> zones;
    std::vector<uint16_t> animated_textures;
    std::vector<tr_item1> items1;           // codes 1-2 form
    std::vector<tr_item> items;             // later form
    std::array<uint8_t, 8192> light_map{};  // codes 1-5
    std::array<uint8_t, 768> palette{};     // codes 1-5: 256 x (red, green, blue), 0-63 each
    std::array<uint8_t, 1024> palette16{};  // codes 3-5
    std::vector<tr_cinematic_frame> cinematic_frames;  // codes 1-5
    std::vector<tr_ai_object> ai_objects;              // codes 6-7
    std::vector<uint8_t> demo_data;
    std::array<int16_t, kSoundMapEntries> sound_map{};
    std::vector<tr_sound_detail> sound_details;
    int32_t samples_size = 0;
    std::vector<uint8_t> samples;  // codes 1-2: sample data; 6-7: everything after the level data
    std::vector<int32_t> sample_indices;

    // Progress of reading and writing, 0-100; none when null.
    ProgressSink* gauge = nullptr;

    // ---- set-count operations: resize, keep the first entries, zero-fill new ones ----
    void set_num_rooms(int32_t n);
    void set_num_floor_data(int32_t n);
    void set_num_mesh_data(int32_t n);
    void set_num_mesh_pointers(int32_t n);
    void set_num_animations(int32_t n);  // animations4 above code 5, else animations
    void set_num_state_changes(int32_t n);
    void set_num_anim_dispatches(int32_t n);
    void set_num_anim_commands(int32_t n);
    void set_num_mesh_hierarchy(int32_t n);
    void set_num_frames(int32_t n);
    void set_num_moveables(int32_t n);  // both forms
    void set_num_static_meshes(int32_t n);
    void set_num_object_textures(int32_t n);
    void set_num_sprite_textures(int32_t n);
    void set_num_sprite_sequences(int32_t n);
    void set_num_cameras(int32_t n);
    void set_num_flyby_cameras(int32_t n);
    void set_num_sound_sources(int32_t n);
    void set_num_boxes(int32_t n);  // both forms; the zones are sized separately
    void set_num_overlaps(int32_t n);
    void set_num_zones(int32_t n);  // all ten arrays
    void set_num_animated_textures(int32_t n);
    void set_num_items(int32_t n);       // both forms
    void set_num_ai_objects(int32_t n);  // ai_objects above code 5, else cinematic_frames
    void set_num_demo_data(int32_t n);
    void set_num_sound_details(int32_t n);
    void set_num_sample_indices(int32_t n);

    bool is_loaded() const { return signature == kLevelSignature; }
    void report_progress(int percent) const {
        if (gauge != nullptr) gauge->set_progress(percent);
    }
    // Releases the raw texture and sample blocks of the level held.
    void release_blocks();
    // Empties every table and field of the level held except the rooms, as in a new instance,
    // but keeps the gauge and the tables' memory for the next level. A level read after this
    // holds nothing of the one before, also in the forms of other versions that its own file
    // does not fill. Rooms are large and are kept for the reader to fill again; it drops them
    // first when the version changes.
    void clear_tables();
};

}  // namespace rw
