#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rokal::test {

// A zip archive made in memory, entry by entry, with the knobs a test of a
// hostile archive needs: each entry stored or deflated, its flags, and the CRC
// and unpacked size its headers claim.
class ZipBuilder {
  public:
    struct Entry {
        std::string name;
        std::string content;
        bool deflate = true;
        std::uint16_t flags = 0;        // bit 0: encrypted
        std::uint32_t crcChange = 0;    // XOR-ed into the true CRC
        std::int64_t claimedSize = -1;  // the unpacked size the headers claim
    };

    ZipBuilder& Add(std::string name, std::string content, bool deflate = true) {
        entries_.push_back({std::move(name), std::move(content), deflate});
        return *this;
    }
    ZipBuilder& Add(Entry entry) {
        entries_.push_back(std::move(entry));
        return *this;
    }

    std::string Bytes() const {
        std::string out;
        std::string central;
        for (const Entry& entry : entries_) {
            const std::string packed = entry.deflate ? Deflate(entry.content) : entry.content;
            const auto crc = static_cast<std::uint32_t>(
                crc32(0, reinterpret_cast<const Bytef*>(entry.content.data()),
                      static_cast<uInt>(entry.content.size())) ^
                entry.crcChange);
            const auto size = static_cast<std::uint32_t>(
                entry.claimedSize >= 0 ? entry.claimedSize
                                       : static_cast<std::int64_t>(entry.content.size()));
            const auto offset = static_cast<std::uint32_t>(out.size());
            const std::uint16_t method = entry.deflate ? 8 : 0;
            Put32(out, 0x04034b50);
            Put16(out, 20);
            Put16(out, entry.flags);
            Put16(out, method);
            Put32(out, 0);  // time and date
            Put32(out, crc);
            Put32(out, static_cast<std::uint32_t>(packed.size()));
            Put32(out, size);
            Put16(out, static_cast<std::uint16_t>(entry.name.size()));
            Put16(out, 0);
            out += entry.name;
            out += packed;

            Put32(central, 0x02014b50);
            Put16(central, 20);
            Put16(central, 20);
            Put16(central, entry.flags);
            Put16(central, method);
            Put32(central, 0);
            Put32(central, crc);
            Put32(central, static_cast<std::uint32_t>(packed.size()));
            Put32(central, size);
            Put16(central, static_cast<std::uint16_t>(entry.name.size()));
            Put16(central, 0);  // extra
            Put16(central, 0);  // comment
            Put16(central, 0);  // disk
            Put16(central, 0);  // internal attributes
            Put32(central, 0);  // external attributes
            Put32(central, offset);
            central += entry.name;
        }
        const auto centralOffset = static_cast<std::uint32_t>(out.size());
        out += central;
        Put32(out, 0x06054b50);
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, static_cast<std::uint16_t>(entries_.size()));
        Put16(out, static_cast<std::uint16_t>(entries_.size()));
        Put32(out, static_cast<std::uint32_t>(central.size()));
        Put32(out, centralOffset);
        Put16(out, 0);
        return out;
    }

    // Raw deflate, as zip entries hold it.
    static std::string Deflate(std::string_view content) {
        z_stream stream{};
        deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        std::string out(deflateBound(&stream, static_cast<uLong>(content.size())), '\0');
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
        stream.avail_in = static_cast<uInt>(content.size());
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = static_cast<uInt>(out.size());
        deflate(&stream, Z_FINISH);
        out.resize(stream.total_out);
        deflateEnd(&stream);
        return out;
    }

  private:
    static void Put16(std::string& out, std::uint16_t value) {
        out += static_cast<char>(value & 0xFF);
        out += static_cast<char>(value >> 8);
    }
    static void Put32(std::string& out, std::uint32_t value) {
        Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
        Put16(out, static_cast<std::uint16_t>(value >> 16));
    }

    std::vector<Entry> entries_;
};

}  // namespace rokal::test
