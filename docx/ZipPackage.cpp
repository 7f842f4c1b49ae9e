#include "docx/ZipPackage.h"

#include <zip.h>

#include <cstring>
#include <stdexcept>

namespace rokal::docx {

namespace {

// minizip's file functions over a string in memory.
voidpf ZCALLBACK Open(voidpf opaque, const void*, int) {
    return opaque;
}

uLong ZCALLBACK Read(voidpf, voidpf stream, void* out, uLong size) {
    auto* buffer = static_cast<ZipBuffer*>(stream);
    const std::size_t left =
        buffer->at < buffer->bytes.size() ? buffer->bytes.size() - buffer->at : 0;
    const std::size_t count = size < left ? size : left;
    std::memcpy(out, buffer->bytes.data() + buffer->at, count);
    buffer->at += count;
    return static_cast<uLong>(count);
}

uLong ZCALLBACK Write(voidpf, voidpf stream, const void* in, uLong size) {
    auto* buffer = static_cast<ZipBuffer*>(stream);
    std::string& bytes = buffer->bytes;
    std::size_t& at = buffer->at;
    if (at + size > bytes.size()) {
        bytes.resize(at + size);
    }
    std::memcpy(bytes.data() + at, in, size);
    at += size;
    return size;
}

ZPOS64_T ZCALLBACK Tell(voidpf, voidpf stream) {
    return static_cast<ZipBuffer*>(stream)->at;
}

long ZCALLBACK Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* buffer = static_cast<ZipBuffer*>(stream);
    std::size_t base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) {
        base = buffer->at;
    } else if (origin == ZLIB_FILEFUNC_SEEK_END) {
        base = buffer->bytes.size();
    }
    buffer->at = base + static_cast<std::size_t>(offset);
    return 0;
}

int ZCALLBACK Close(voidpf, voidpf) {
    return 0;
}

int ZCALLBACK Error(voidpf, voidpf) {
    return 0;
}

}  // namespace

ZipPackage::ZipPackage() {
    zlib_filefunc64_def functions{};
    functions.zopen64_file = &Open;
    functions.zread_file = &Read;
    functions.zwrite_file = &Write;
    functions.ztell64_file = &Tell;
    functions.zseek64_file = &Seek;
    functions.zclose_file = &Close;
    functions.zerror_file = &Error;
    functions.opaque = &buffer_;
    zip_ = zipOpen2_64("document", APPEND_STATUS_CREATE, nullptr, &functions);
    if (zip_ == nullptr) {
        throw std::runtime_error("无法创建 Word 文档的压缩包");
    }
}

ZipPackage::~ZipPackage() {
    if (zip_ != nullptr) {
        zipClose(zip_, nullptr);
    }
}

void ZipPackage::Add(const std::string& name, std::string_view bytes) {
    zip_fileinfo info{};
    info.tmz_date.tm_year = 1980;
    info.tmz_date.tm_mday = 1;
    if (zipOpenNewFileInZip64(zip_, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                              Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0) != ZIP_OK ||
        zipWriteInFileInZip(zip_, bytes.data(), static_cast<unsigned>(bytes.size())) != ZIP_OK ||
        zipCloseFileInZip(zip_) != ZIP_OK) {
        throw std::runtime_error("无法把 " + name + " 写入 Word 文档");
    }
}

std::string ZipPackage::Finish() {
    if (zipClose(zip_, nullptr) != ZIP_OK) {
        zip_ = nullptr;
        throw std::runtime_error("无法完成 Word 文档的压缩包");
    }
    zip_ = nullptr;
    return std::move(buffer_.bytes);
}

}  // namespace rokal::docx
