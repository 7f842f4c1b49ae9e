#pragma once

#include <string>
#include <string_view>

namespace rokal::docx {

// The bytes of an archive being written and where minizip writes next.
struct ZipBuffer {
    std::string bytes;
    std::size_t at = 0;
};

// A zip archive made in memory with minizip: each part deflated, dated
// 1980-01-01 so that the same document gives the same bytes.
class ZipPackage {
  public:
    ZipPackage();
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    // Adds a part under its name inside the archive ("word/document.xml").
    // Throws std::runtime_error when minizip refuses it.
    void Add(const std::string& name, std::string_view bytes);
    // The whole archive; the package takes no more parts afterwards.
    std::string Finish();

  private:
    ZipBuffer buffer_;
    void* zip_ = nullptr;
};

}  // namespace rokal::docx
