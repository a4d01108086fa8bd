#pragma once
// The rooms of the sample project, one function per room, numbered as the document numbers them.

#include "document/level_document.h"

namespace rw::samples {

enum SampleRoom : int {
    kEntranceHall = 1,
    kGallery = 2,
    kCorridor = 3,
    kCistern = 4,
    kCourtyard = 5,
    kCrypt = 6,
};
inline constexpr int kSampleRoomCount = 6;

void make_entrance_hall(LevelDocument& doc);
void make_gallery(LevelDocument& doc);
void make_corridor(LevelDocument& doc);
void make_cistern(LevelDocument& doc);
void make_courtyard(LevelDocument& doc);
void make_crypt(LevelDocument& doc);

}  // namespace rw::samples
