#pragma once

#include <cstddef>
#include <ostream>
#include <streambuf>
#include <vector>

namespace rokal {

// rokal-cli's standard output: written to descriptor 1 in blocks, every write
// checked, so that a full disk, a closed descriptor or a reader that went away is
// noticed instead of the output being lost without a word. After the first failed
// write nothing more is written.
class StandardOutputBuffer : public std::streambuf {
  public:
    StandardOutputBuffer();
    StandardOutputBuffer(const StandardOutputBuffer&) = delete;
    StandardOutputBuffer& operator=(const StandardOutputBuffer&) = delete;

    // Writes out what is held; returns 0, or the system's error number of the first
    // write that failed.
    int Finish();

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize count) override;
    int sync() override;

  private:
    void WriteOut(const char* data, std::size_t size);

    std::vector<char> buffer_;
    int error_ = 0;
};

// The exit status once standard output is written out: status itself, or 2 with a
// message on err when a write to standard output failed.
int FinishStandardOutput(StandardOutputBuffer& buffer, int status, std::ostream& err);

}  // namespace rokal
