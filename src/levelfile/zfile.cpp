#include "zfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "errors.h"
#include "little_endian.h"
#include "zlib_block.h"

namespace rw {

namespace {

constexpr std::string_view kZlibMagic = "ZLIB";

[[noreturn]] void raise_os(const std::string& path, const char* what, int err) {
    throw FileError(path, std::string(what) + ": " + std::strerror(err));
}

void free_buffer(TZfile& f) {
    std::free(f.buffer);
    f.buffer = nullptr;
    f.size = 0;
    f.position = 0;
    f.capacity = 0;
}

RawBlock read_whole_file(const std::string& path) {
    // Non-blocking, so that naming a pipe or a device is refused below instead of waiting for
    // a writer; reads of a regular file are not affected by it.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) raise_os(path, "cannot open", errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        int err = errno;
        ::close(fd);
        raise_os(path, "cannot read its length", err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw FileError(path, "not a regular file");
    }
    if (st.st_size > INT32_MAX) {
        ::close(fd);
        throw FileError(path, "file is larger than 2 GiB");
    }
    RawBlock block;
    const auto length = static_cast<size_t>(st.st_size);
    block.data = static_cast<uint8_t*>(std::malloc(length > 0 ? length : 1));
    if (block.data == nullptr) {
        ::close(fd);
        throw FileError(path, "out of memory");
    }
    size_t done = 0;
    while (done < length) {
        ssize_t got = ::read(fd, block.data + done, length - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            int err = errno;
            ::close(fd);
            raise_os(path, "cannot read", err);
        }
        if (got == 0) break;  // the file shrank while we read it: keep what is there
        done += static_cast<size_t>(got);
    }
    ::close(fd);
    block.size = done;
    return block;
}

// Decodes a loaded file image (plain or ZLIB form) into the stream's buffer.
void take_file_image(TZfile& f, RawBlock image, int32_t max_content) {
    const auto length = image.size;
    if (zf_is_zlib_form(image.data, length)) {
        const uint32_t packed = load_le<uint32_t>(image.data + 4);
        const uint32_t unpacked = load_le<uint32_t>(image.data + 8);
        // A packed length beyond the file reads what is there, as every short read does;
        // the truncated stream is then refused by inflate.
        const size_t available = length - kZlibHeaderSize;
        const size_t packed_size = packed < available ? packed : available;
        RawBlock data = inflate_block(image.data + kZlibHeaderSize, packed_size, unpacked,
                                      f.file_name, static_cast<size_t>(std::max(max_content, 0)));
        f.size = static_cast<int32_t>(data.size);
        f.buffer = data.release();
        f.compressed = true;
    } else {
        f.size = static_cast<int32_t>(length);
        f.buffer = image.release();
        f.compressed = false;
    }
    f.capacity = f.size;
}

void write_all(int fd, const uint8_t* data, size_t n, const std::string& path) {
    while (n > 0) {
        ssize_t put = ::write(fd, data, n);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) raise_os(path, "cannot write", errno);
        data += put;
        n -= static_cast<size_t>(put);
    }
}

// The file the content finally lands in: a symbolic link is followed, so it keeps pointing at
// the saved file.
std::string resolve_target(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

mode_t mode_for_new_file(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The mkstemp pattern of the temporary file beside `target`. A long name is cut, so that a target
// whose name is near the file system's limit still gets a temporary name within it.
std::string temporary_pattern(const std::string& target) {
    constexpr size_t kKeptNameBytes = 128;
    const size_t slash = target.rfind('/');
    const size_t name_start = slash == std::string::npos ? 0 : slash + 1;
    const size_t name_length = std::min(target.size() - name_start, kKeptNameBytes);
    return target.substr(0, name_start + name_length) + ".XXXXXX";
}

// Writes header + body to a temporary file beside the target, flushes it, then renames it over
// the target. The old file stays intact until the rename.
void store_atomically(const std::string& path, const uint8_t* header, size_t header_size,
                      const uint8_t* body, size_t body_size) {
    const std::string target = resolve_target(path);
    std::string temp = temporary_pattern(target);
    int fd = ::mkstemp(temp.data());
    if (fd < 0) raise_os(path, "cannot create a temporary file beside it", errno);
    try {
        write_all(fd, header, header_size, path);
        write_all(fd, body, body_size, path);
        if (::fchmod(fd, mode_for_new_file(target)) != 0) raise_os(path, "cannot set mode", errno);
        if (::fsync(fd) != 0) raise_os(path, "cannot flush", errno);
        if (::close(fd) != 0) {
            fd = -1;
            raise_os(path, "cannot close", errno);
        }
        fd = -1;
        if (::rename(temp.c_str(), target.c_str()) != 0) raise_os(path, "cannot replace", errno);
    } catch (...) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
}

}  // namespace

bool zf_is_zlib_form(const uint8_t* data, size_t length) {
    return length > static_cast<size_t>(kZlibHeaderSize) &&
           std::memcmp(data, kZlibMagic.data(), kZlibMagic.size()) == 0;
}

void zf_reserve(TZfile& f, int32_t capacity) {
    if (capacity <= f.capacity) return;
    void* p = std::realloc(f.buffer, static_cast<size_t>(capacity));
    if (p == nullptr) throw FileError(f.file_name, "out of memory");
    f.buffer = static_cast<uint8_t*>(p);
    f.capacity = capacity;
}

TZfile::~TZfile() {
    std::free(buffer);
}

void zf_assign(TZfile& f, const std::string& name) {
    f.file_name = name;
    f.compressed = false;
}

void zf_reset(TZfile& f, uint16_t record_size, int32_t max_content) {
    free_buffer(f);
    f.record_size = record_size;
    take_file_image(f, read_whole_file(f.file_name), max_content);
    f.os_file = true;
}

void zf_reset_from_bytes(TZfile& f, const uint8_t* data, int32_t length, uint16_t record_size,
                         int32_t max_content) {
    free_buffer(f);
    f.record_size = record_size;
    RawBlock image;
    const size_t n = length > 0 ? static_cast<size_t>(length) : 0;
    image.data = static_cast<uint8_t*>(std::malloc(n > 0 ? n : 1));
    if (image.data == nullptr) throw FileError(f.file_name, "out of memory");
    if (n > 0) std::memcpy(image.data, data, n);
    image.size = n;
    take_file_image(f, std::move(image), max_content);
    f.os_file = true;
}

void zf_rewrite(TZfile& f, uint16_t record_size) {
    free_buffer(f);
    f.record_size = record_size;
    f.buffer = static_cast<uint8_t*>(std::malloc(kZfileGrowth));
    if (f.buffer == nullptr) throw FileError(f.file_name, "out of memory");
    f.capacity = kZfileGrowth;
    f.os_file = true;
}

int32_t zf_read(TZfile& f, void* destination, int32_t count) {
    if (count <= 0 || f.buffer == nullptr) return 0;
    int64_t n = int64_t{count} * f.record_size;
    const int64_t left = f.size - f.position;
    if (n > left) n = left;
    if (n <= 0) return 0;
    std::memcpy(destination, f.buffer + f.position, static_cast<size_t>(n));
    f.position += static_cast<int32_t>(n);
    return static_cast<int32_t>(n);
}

void zf_write(TZfile& f, const void* source, int32_t count) {
    if (count <= 0) return;
    const int64_t n = int64_t{count} * f.record_size;
    const int64_t end = f.position + n;
    if (end + kZfileGrowth > INT32_MAX) throw FileError(f.file_name, "content exceeds 2 GiB");
    if (f.size - f.position < n) f.size = static_cast<int32_t>(end);
    if (f.capacity - f.position < n) {
        const auto grown = static_cast<int32_t>(end + kZfileGrowth);
        void* p = std::realloc(f.buffer, static_cast<size_t>(grown));
        if (p == nullptr) throw FileError(f.file_name, "out of memory");
        f.buffer = static_cast<uint8_t*>(p);
        f.capacity = grown;
    }
    std::memcpy(f.buffer + f.position, source, static_cast<size_t>(n));
    f.position = static_cast<int32_t>(end);
}

void zf_reserve(TZfile& f, int64_t bytes) {
    if (bytes <= f.capacity) return;
    if (bytes > INT32_MAX - kZfileGrowth) throw FileError(f.file_name, "content exceeds 2 GiB");
    void* p = std::realloc(f.buffer, static_cast<size_t>(bytes));
    if (p == nullptr) throw FileError(f.file_name, "out of memory");
    f.buffer = static_cast<uint8_t*>(p);
    f.capacity = static_cast<int32_t>(bytes);
}

void zf_seek(TZfile& f, int32_t p) {
    f.position = p > f.size ? f.size : (p < 0 ? 0 : p);
}

void zf_close(TZfile& f, bool write_back) {
    if (write_back && f.os_file) {
        const auto size = static_cast<size_t>(f.size);
        if (f.compressed) {
            const RawBlock packed = deflate_raw_block(f.buffer, size, f.file_name);
            uint8_t header[kZlibHeaderSize];
            std::memcpy(header, kZlibMagic.data(), 4);
            store_le<uint32_t>(header + 4, static_cast<uint32_t>(packed.size));
            store_le<uint32_t>(header + 8, static_cast<uint32_t>(size));
            store_atomically(f.file_name, header, sizeof header, packed.data, packed.size);
        } else {
            store_atomically(f.file_name, nullptr, 0, f.buffer, size);
        }
    }
    f.os_file = false;
    free_buffer(f);
}

}  // namespace rw
