#include "rwinfo.h"

#include <exception>

#include "file_kind.h"
#include "level_info.h"
#include "mesh_info.h"
#include "project_info.h"

namespace rw::info {

namespace {

constexpr const char* kUsageText = "usage: rwinfo [--full] FILE\n";

}  // namespace

int run_rwinfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool full = false;
    std::string path;
    for (const std::string& arg : args) {
        if (arg == "--full" && !full) {
            full = true;
        } else if (path.empty() && !arg.empty() && arg[0] != '-') {
            path = arg;
        } else {
            err << kUsageText;
            return kUsage;
        }
    }
    if (path.empty()) {
        err << kUsageText;
        return kUsage;
    }
    try {
        switch (file_kind_of(path)) {
            case FileKind::kProject:
                return print_project_info(path, full, out, err);
            case FileKind::kLevel:
                return print_level_info(path, full, out, err);
            case FileKind::kMeshFile:
                return print_mesh_info(path, full, out, err);
            case FileKind::kUnknown:
                break;
        }
        err << "rwinfo: " << path
            << ": unknown kind of file (known: .rmw, .phd, .tub, .tr2, .trg, .tr4, .trc, .msh)\n";
        return kUsage;
    } catch (const std::exception& e) {
        err << "rwinfo: " << e.what() << '\n';
        return kFailed;
    }
}

}  // namespace rw::info
