#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "workbook/PackageParts.h"

namespace rokal {

// The parts of a zip archive held in memory, read with minizip under limits, so
// that a damaged or hostile archive costs bounded time and memory: at most
// kMaxZipEntries entries, and at most kMaxUnpackedBytes unpacked over all reads
// (a zip bomb stops there, whatever the entries claim). Encrypted entries and
// compression methods other than stored and deflate are refused.
class ZipParts : public PackageParts {
  public:
    static constexpr std::uint64_t kMaxZipEntries = 10000;
    static constexpr std::uint64_t kMaxUnpackedBytes = std::uint64_t{1} << 30;

    // Throws WorkbookError when the bytes are no zip archive minizip can read.
    explicit ZipParts(std::string bytes);
    ~ZipParts() override;
    ZipParts(const ZipParts&) = delete;
    ZipParts& operator=(const ZipParts&) = delete;

    bool Has(std::string_view name) const override;
    void Read(std::string_view name, std::uint64_t maxBytes, const PartSink& sink) const override;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// True when the bytes start as a compound document does: an encrypted workbook or
// an old binary .xls file.
bool LooksLikeCompoundDocument(std::string_view bytes);

}  // namespace rokal
