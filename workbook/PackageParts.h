#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace rokal {

// Takes the bytes of a part piece by piece; returns false to stop reading.
using PartSink = std::function<bool(std::string_view piece)>;

// The parts of a package by name (an .xlsx file is a zip archive of XML parts):
// names without a leading "/", compared without regard to ASCII case.
class PackageParts {
  public:
    virtual ~PackageParts() = default;
    virtual bool Has(std::string_view name) const = 0;
    // Hands the part's bytes to sink in pieces. Throws WorkbookError when the part
    // is missing or damaged, or holds more than maxBytes.
    virtual void Read(std::string_view name, std::uint64_t maxBytes,
                      const PartSink& sink) const = 0;
};

}  // namespace rokal
