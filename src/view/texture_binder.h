#pragma once
// Texture binding for one drawing pass. A texture already bound is not bound again, and each
// texture's filters are set the first time the pass binds it: filters belong to the texture, so
// setting them again for every face (which a display list would repeat on every frame) changes
// nothing but the cost.

#include <cstdint>
#include <unordered_set>

#include "view/gl_calls.h"

namespace rw {

class TextureBinder {
  public:
    void reset() {
        bound_ = kNone;
        filtered_.clear();
    }
    void bind(GlCalls& gl, uint32_t name, bool linear) {
        if (name != bound_) {
            gl.bind_texture(name);
            bound_ = name;
        }
        if (filtered_.insert(name).second) gl.texture_filters(linear, linear);
    }

  private:
    static constexpr uint32_t kNone = UINT32_MAX;
    uint32_t bound_ = kNone;
    std::unordered_set<uint32_t> filtered_;
};

}  // namespace rw
