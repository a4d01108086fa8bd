#include "sample_rooms.h"

#include "room_builder.h"

// Floor maps: one string per row (row 1, the Back side, first), one character per column
// (column 1, the Left side, first); '#' is a wall, a digit the floor height in blocks. Openings
// of wall portals are drawn as floors here; the joins mark them afterwards.

namespace rw::samples {

void make_entrance_hall(LevelDocument& doc) {
    Room& hall =
        make_room(doc, kEntranceHall, {"Entrance hall", 6, 2, 6, 8, 7, 5, 16, {1, 2, 3, 4}},
                  {
                      "########",
                      "##000000",
                      "00001100",
                      "00001100",
                      "00000000",
                      "##000000",
                      "########",
                  });
    hall.tiled_boxes = 1;
    hall.current_ornament = 1;
    // A raised platform: ramps up from the left, slopes down to the right.
    shape_floor(hall, 4, 3, {.right = 4});
    shape_floor(hall, 4, 4, {.right = 4});
    shape_floor(hall, 6, 3, {.right = -4});
    shape_floor(hall, 6, 4, {.right = -4});
    set_step_sound(hall, {4, 3, 6, 4}, kWood);
    shape_floor(hall, 3, 2, {.back = 2});
    shape_ceiling(hall, 5, 5, {.raise = 2, .right = -2});
    add_ornament(
        hall,
        {.mesh = 0, .row = 6, .column = 3, .rotation = 2, .red = 16, .green = 16, .blue = 16});
    add_ornament(hall,
                 {.mesh = 1, .row = 2, .column = 7, .rotation = 5, .alignment = 3, .red = -1});
    add_ornament(
        hall,
        {.mesh = 2, .row = 3, .column = 5, .alignment = 2, .red = 31, .green = 24, .blue = 12});
}

void make_gallery(LevelDocument& doc) {
    Room& gallery = make_room(doc, kGallery, {"Gallery", 12, 1, 6, 7, 9, 6, 20, {5, 6, 7, 8}},
                              {
                                  "#######",
                                  "##0000#",
                                  "000000#",
                                  "000000#",
                                  "000020#",
                                  "000000#",
                                  "000000#",
                                  "##0000#",
                                  "###0###",
                              });
    split_floor(gallery, 4, 4, {.kind = 1, .triangle1 = 4, .texture2 = 9, .portal_triangle = 1});
    split_floor(gallery, 5, 3, {.kind = 2, .triangle2 = 2, .texture2 = 10});
    split_ceiling(gallery, 3, 6, {.kind = 2, .triangle1 = 2, .texture2 = 11, .portal_triangle = 1});
    shape_floor(gallery, 3, 7, {.raise = 2, .front = -2});
    // A pillar with climbable faces, and a climbable stretch of the right wall.
    Sector& pillar = gallery.sector(5, 5);
    pillar.climb_front = pillar.climb_back = pillar.climb_left = pillar.climb_right = 1;
    for (int r : {4, 5, 6})
        gallery.sector(7, r).climb_left = 1;
    add_ornament(gallery, {.mesh = 3,
                           .row = 7,
                           .column = 6,
                           .rotation = 7,
                           .alignment = 4,
                           .red = 10,
                           .green = 20,
                           .blue = 30});
    add_ornament(gallery, {.mesh = 1,
                           .row = 8,
                           .column = 3,
                           .lift = 2,
                           .rotation = 1,
                           .alignment = 1,
                           .red = 20,
                           .green = 20,
                           .blue = 20});
}

void make_corridor(LevelDocument& doc) {
    Room& corridor =
        make_room(doc, kCorridor, {"Corridor", 14, 8, 6, 3, 10, 4, 10, {12, 13, 14, 15}},
                  {
                      "#0#",
                      "#0#",
                      "#0#",
                      "#1#",
                      "#0#",
                      "#0#",
                      "#1#",
                      "#0#",
                      "#0#",
                      "#0#",
                  });
    // Up a ramp, across a deadly pit on the monkey swing, down a ramp.
    shape_floor(corridor, 2, 3, {.back = 4});
    shape_floor(corridor, 2, 8, {.front = 4});
    for (int r : {5, 6})
        corridor.sector(2, r).death = 1;
    for (int r : {4, 5, 6, 7}) {
        corridor.sector(2, r).ceiling_base = 1;
        corridor.sector(2, r).climb_ceiling = 1;
    }
    set_step_sound(corridor, {2, 1, 2, 10}, kMetal);
    add_ornament(corridor, {.mesh = 2, .row = 4, .column = 2, .rotation = 4, .red = -1});
}

void make_cistern(LevelDocument& doc) {
    Room& cistern = make_room(doc, kCistern, {"Cistern", 14, 18, 2, 5, 5, 4, 12, {20, 21, 22, 23}},
                              {
                                  "#####",
                                  "#000#",
                                  "#000#",
                                  "#000#",
                                  "#####",
                              });
    cistern.water = 1;
    shape_floor(cistern, 3, 3, {.raise = 2, .left = -2, .right = 2});
    add_ornament(cistern, {.mesh = 3,
                           .row = 2,
                           .column = 3,
                           .rotation = 3,
                           .alignment = 2,
                           .red = 0,
                           .green = 12,
                           .blue = 31});
}

void make_courtyard(LevelDocument& doc) {
    Room& yard = make_room(doc, kCourtyard, {"Courtyard", 12, 16, 6, 8, 8, 8, 28, {30, 31, 32, 33}},
                           {
                               "###0####",
                               "###0####",
                               "#000000#",
                               "#000000#",
                               "#000000#",
                               "#000000#",
                               "#111000#",
                               "########",
                           });
    yard.outdoor = 1;
    yard.sky = 1;
    yard.tiled_boxes = 1;
    set_step_sound(yard, {2, 3, 7, 7}, kGrass);
    // A grass bank along the front wall.
    shape_floor(yard, 2, 6, {.back = 4});
    shape_floor(yard, 3, 6, {.back = 4});
    shape_floor(yard, 4, 7, {.right = -4});
    split_floor(yard, 7, 3, {.kind = 2, .triangle1 = 4, .texture2 = 34});
    split_floor(yard, 7, 6, {.kind = 1, .triangle2 = 2, .texture2 = 35});
    add_ornament(yard, {.mesh = 1,
                        .row = 7,
                        .column = 2,
                        .rotation = 6,
                        .alignment = 1,
                        .red = 31,
                        .green = 31,
                        .blue = 31});
    add_ornament(yard, {.mesh = 3, .row = 4, .column = 7, .alignment = 3, .red = -1});
    add_ornament(yard, {.mesh = 0,
                        .row = 3,
                        .column = 3,
                        .rotation = 1,
                        .alignment = 4,
                        .red = 8,
                        .green = 8,
                        .blue = 8});
}

void make_crypt(LevelDocument& doc) {
    Room& crypt = make_room(doc, kCrypt, {"Crypt", 2, 3, 6, 6, 5, 4, 6, {36, 37, 38, 39}},
                            {
                                "######",
                                "#00000",
                                "#00000",
                                "#00000",
                                "######",
                            });
    split_ceiling(
        crypt, 3, 3,
        {.kind = 1, .triangle1 = 2, .triangle2 = 1, .texture2 = 40, .portal_triangle = 1});
    split_ceiling(crypt, 4, 3, {.kind = 2, .triangle2 = 3, .texture2 = 35});
    shape_ceiling(crypt, 2, 2, {.raise = 2, .front = -2});
    shape_floor(crypt, 2, 4, {.left = 2});
    for (int c : {2, 3, 4})
        crypt.sector(c, 1).climb_back = 1;
    add_ornament(crypt, {.mesh = 2, .row = 4, .column = 2, .rotation = 2, .red = -1});
}

}  // namespace rw::samples
