#include "cuecomp/cuecomp_program.h"

#include <filesystem>
#include <ostream>

#include "levelfile/errors.h"
#include "levelfile/level_file.h"
#include "levelfile/trlevel.h"
#include "script/script_compiler.h"

namespace rw {

namespace {

void print_usage(std::ostream& out) {
    out << "Sintax: Cuecomp EmptyLevel Scriptfile Newlevel\n"
        << "\n"
        << "Example: Cuecomp empty.phd level2.scp level2.phd\n"
        << "\n"
        << "Type: Cuecomp LevelFile\n"
        << "for find out how much Items & Cameras the level has.\n";
}

bool file_exists(const std::string& name, std::ostream& out) {
    std::error_code ec;
    if (std::filesystem::exists(name, ec)) return true;
    out << "File " << name << " Not Found!.\n";
    return false;
}

bool load(Ttrlevel& level, const std::string& name, std::ostream& out, std::ostream& err) {
    std::string cause;
    try {
        if (load_level(level, name, &cause) == kLoadOk) return true;
        cause = name + ": " + cause;
    } catch (const FileError& e) {
        cause = e.what();  // names its file already
    }
    out << "Error Opening the Level file!.\n\n";
    err << cause << "\n";
    return false;
}

// A level that cannot be written has no message of the program's own: only its cause is
// reported, on the error stream.
bool save(Ttrlevel& level, const std::string& name, std::ostream& err) {
    std::string cause;
    try {
        if (save_level(level, name, &cause) == kSaveOk) return true;
        cause = name + ": " + cause;
    } catch (const FileError& e) {
        cause = e.what();
    }
    err << cause << "\n";
    return false;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    out << "VO Viradudir Aridezuv. Version 2.03, Compile a SCP file to a TR level.\n\n";
    if (args.empty() || args.size() == 2) {
        print_usage(out);
        return kCuecompUsage;
    }
    if (!file_exists(args[0], out)) return kCuecompFailed;

    out << "Opening the file...\n";
    Ttrlevel level;
    if (!load(level, args[0], out, err)) return kCuecompFailed;
    if (args.size() == 1) {
        out << "Items used in this level:" << level.num_items << "\n"
            << "Cameras used in this level:" << level.num_cameras << "\n";
        return kCuecompOk;
    }
    if (!file_exists(args[1], out)) return kCuecompFailed;

    out << "Compiling the Commands scripts...\n";
    ScriptCompiler compiler;
    try {
        if (compiler.scp_compile(args[1], level) != 0) {
            out << "Error at line " << compiler.scp_line_number() << "\n"
                << compiler.scp_error() << "\n";
            return kCuecompFailed;
        }
    } catch (const FileError& e) {
        err << e.what() << "\n";
        return kCuecompFailed;
    }
    if (!save(level, args[2], err)) return kCuecompFailed;
    out << "Done.\n";
    return kCuecompOk;
}

}  // namespace

int run_cuecomp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const int code = run(args, out, err);
    out.flush();
    return code;
}

}  // namespace rw
