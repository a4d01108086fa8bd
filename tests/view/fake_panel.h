#pragma once
// A panel without a window: the context calls are remembered, not made.

#include <string>
#include <vector>

#include "view/view_panel.h"

namespace rw::test {

struct FakePanel : ViewPanel {
    void SetupPixelFormat(int colour_bits) override {
        events.push_back("format " + std::to_string(colour_bits));
    }
    void make_current() override { events.push_back("current"); }
    void done_current() override { events.push_back("done"); }
    void swap_buffers() override { events.push_back("swap"); }
    void release_context() override { events.push_back("release"); }
    int panel_width() const override { return 800; }
    int panel_height() const override { return 600; }
    std::vector<std::string> events;
};

}  // namespace rw::test
