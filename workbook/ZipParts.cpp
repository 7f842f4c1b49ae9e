#include "workbook/ZipParts.h"

#include <unzip.h>

#include <algorithm>
#include <array>
#include <string>

#include "workbook/WorkbookError.h"

namespace rokal {

namespace {

const char kDamaged[] = "文件已损坏，或不是 .xlsx 工作簿";
const char kEncrypted[] = "工作簿已加密（有密码），请在电子表格中取消密码后另存为 .xlsx";

constexpr std::size_t kPieceBytes = 1 << 16;
constexpr int kCaseInsensitive = 2;
constexpr int kStored = 0;
constexpr int kDeflated = Z_DEFLATED;
constexpr uLong kEncryptedFlag = 1;

[[noreturn]] void Fail(const std::string& message) {
    throw WorkbookError(message);
}

// minizip's file functions over bytes in memory.
struct MemoryFile {
    std::string_view bytes;
    ZPOS64_T position = 0;
};

voidpf ZCALLBACK OpenMemory(voidpf opaque, const void*, int) {
    return opaque;
}

uLong ZCALLBACK ReadMemory(voidpf, voidpf stream, void* buffer, uLong size) {
    auto* file = static_cast<MemoryFile*>(stream);
    if (file->position >= file->bytes.size()) {
        return 0;
    }
    const auto count =
        static_cast<uLong>(std::min<ZPOS64_T>(size, file->bytes.size() - file->position));
    std::copy_n(file->bytes.data() + file->position, count, static_cast<char*>(buffer));
    file->position += count;
    return count;
}

uLong ZCALLBACK WriteMemory(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T ZCALLBACK TellMemory(voidpf, voidpf stream) {
    return static_cast<MemoryFile*>(stream)->position;
}

long ZCALLBACK SeekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* file = static_cast<MemoryFile*>(stream);
    ZPOS64_T base = 0;
    switch (origin) {
        case ZLIB_FILEFUNC_SEEK_CUR:
            base = file->position;
            break;
        case ZLIB_FILEFUNC_SEEK_END:
            base = file->bytes.size();
            break;
        default:
            break;
    }
    if (offset > file->bytes.size() || base > file->bytes.size() - offset) {
        return -1;
    }
    file->position = base + offset;
    return 0;
}

int ZCALLBACK CloseMemory(voidpf, voidpf) {
    return 0;
}

int ZCALLBACK ErrorOfMemory(voidpf, voidpf) {
    return 0;
}

std::string PartName(std::string_view name) {
    return std::string(name);
}

// Closes the entry minizip has open when it goes. A whole entry read to its end
// has its CRC checked by the close.
class OpenEntry {
  public:
    explicit OpenEntry(unzFile zip) : zip_(zip) {}
    ~OpenEntry() {
        if (zip_ != nullptr) {
            unzCloseCurrentFile(zip_);
        }
    }
    OpenEntry(const OpenEntry&) = delete;
    OpenEntry& operator=(const OpenEntry&) = delete;
    // UNZ_OK, or UNZ_CRCERROR when the entry read whole is not what was stored.
    int Close() {
        const int status = unzCloseCurrentFile(zip_);
        zip_ = nullptr;
        return status;
    }

  private:
    unzFile zip_;
};

}  // namespace

// Closed with the state, also when the constructor throws.
struct ZipParts::State {
    std::string bytes;
    MemoryFile file;
    zlib_filefunc64_def functions{};
    unzFile zip = nullptr;
    mutable std::uint64_t unpacked = 0;

    State() = default;
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    ~State() {
        if (zip != nullptr) {
            unzClose(zip);
        }
    }
};

bool LooksLikeCompoundDocument(std::string_view bytes) {
    return bytes.substr(0, 8) == std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
}

ZipParts::ZipParts(std::string bytes) : state_(std::make_unique<State>()) {
    if (LooksLikeCompoundDocument(bytes)) {
        Fail("这是加密的工作簿或旧的 .xls 文件：请在电子表格中取消密码，另存为 .xlsx");
    }
    state_->bytes = std::move(bytes);
    state_->file.bytes = state_->bytes;
    state_->functions = {&OpenMemory, &ReadMemory,  &WriteMemory,   &TellMemory,
                         &SeekMemory, &CloseMemory, &ErrorOfMemory, &state_->file};
    state_->zip = unzOpen2_64("memory", &state_->functions);
    if (state_->zip == nullptr) {
        Fail(kDamaged);
    }
    unz_global_info64 info{};
    if (unzGetGlobalInfo64(state_->zip, &info) != UNZ_OK) {
        Fail(kDamaged);
    }
    if (info.number_entry > kMaxZipEntries) {
        Fail("工作簿中的文件超过 " + std::to_string(kMaxZipEntries) + " 个，不是桩表工作簿");
    }
}

ZipParts::~ZipParts() = default;

bool ZipParts::Has(std::string_view name) const {
    return unzLocateFile(state_->zip, PartName(name).c_str(), kCaseInsensitive) == UNZ_OK;
}

void ZipParts::Read(std::string_view name, std::uint64_t maxBytes, const PartSink& sink) const {
    unzFile zip = state_->zip;
    const std::string part = PartName(name);
    if (unzLocateFile(zip, part.c_str(), kCaseInsensitive) != UNZ_OK) {
        Fail("工作簿缺少 " + part);
    }
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        Fail(kDamaged);
    }
    if ((info.flag & kEncryptedFlag) != 0) {
        Fail(kEncrypted);
    }
    if (info.compression_method != kStored && info.compression_method != kDeflated) {
        Fail(kDamaged);
    }
    const std::string tooLarge =
        "工作簿的 " + part + " 解压后超过 " + std::to_string(maxBytes >> 20) + " MB，不能读取";
    if (info.uncompressed_size > maxBytes) {
        Fail(tooLarge);
    }
    if (unzOpenCurrentFile(zip) != UNZ_OK) {
        Fail(kDamaged);
    }
    OpenEntry entry(zip);
    std::array<char, kPieceBytes> piece{};
    std::uint64_t total = 0;
    for (;;) {
        const int count =
            unzReadCurrentFile(zip, piece.data(), static_cast<unsigned>(piece.size()));
        if (count < 0) {
            Fail(kDamaged);
        }
        if (count == 0) {
            break;
        }
        total += static_cast<std::uint64_t>(count);
        state_->unpacked += static_cast<std::uint64_t>(count);
        if (total > maxBytes) {
            Fail(tooLarge);
        }
        if (state_->unpacked > kMaxUnpackedBytes) {
            Fail("工作簿解压后超过 " + std::to_string(kMaxUnpackedBytes >> 20) + " MB，不能读取");
        }
        if (!sink(std::string_view(piece.data(), static_cast<std::size_t>(count)))) {
            return;
        }
    }
    if (entry.Close() != UNZ_OK) {
        Fail(kDamaged);
    }
}

}  // namespace rokal
