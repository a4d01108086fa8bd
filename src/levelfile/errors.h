#pragma once
// Failures of the operating system and of zlib travel as exceptions carrying the path and the
// cause; expected refusals of a file's content are result codes of the readers instead.

#include <stdexcept>
#include <string>

namespace rw {

class FileError : public std::runtime_error {
  public:
    FileError(const std::string& path, const std::string& cause)
        : std::runtime_error(path + ": " + cause), path_(path), cause_(cause) {}
    const std::string& path() const { return path_; }
    const std::string& cause() const { return cause_; }

  private:
    std::string path_;
    std::string cause_;
};

// A zlib stream that cannot be deflated or inflated (damaged data, out of memory).
class CompressionError : public FileError {
  public:
    using FileError::FileError;
};

}  // namespace rw
