#include "cli/StandardOutput.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "cli/ExitStatus.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace rokal {

namespace {

constexpr std::size_t kBlock = 1 << 16;
constexpr int kStandardOutput = 1;

// Writes part of data to descriptor 1; returns how much, or -1 with errno set.
long long WritePart(const char* data, std::size_t size) {
#ifdef _WIN32
    const unsigned int part = static_cast<unsigned int>(size < kBlock ? size : kBlock);
    return _write(kStandardOutput, data, part);
#else
    return ::write(kStandardOutput, data, size);
#endif
}

}  // namespace

StandardOutputBuffer::StandardOutputBuffer() : buffer_(kBlock) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

void StandardOutputBuffer::WriteOut(const char* data, std::size_t size) {
    while (size > 0 && error_ == 0) {
        const long long written = WritePart(data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error_ = written < 0 && errno != 0 ? errno : EIO;
            break;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

int StandardOutputBuffer::sync() {
    WriteOut(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0 ? 0 : -1;
}

StandardOutputBuffer::int_type StandardOutputBuffer::overflow(int_type c) {
    if (sync() != 0) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize StandardOutputBuffer::xsputn(const char* data, std::streamsize count) {
    const auto size = static_cast<std::size_t>(count);
    if (size <= static_cast<std::size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), data, size);
        pbump(static_cast<int>(size));
        return count;
    }
    // Too large for what is left: what is held goes first, then this in one piece.
    if (sync() != 0) {
        return 0;
    }
    WriteOut(data, size);
    return error_ == 0 ? count : 0;
}

int StandardOutputBuffer::Finish() {
    sync();
    return error_;
}

int FinishStandardOutput(StandardOutputBuffer& buffer, int status, std::ostream& err) {
    const int error = buffer.Finish();
    if (error == 0) {
        return status;
    }
    err << "rokal-cli: 无法写入标准输出：" << std::generic_category().message(error)
        << "，输出不完整\n";
    return kExitUnusable;
}

}  // namespace rokal
