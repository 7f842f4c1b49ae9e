#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "report/CodePage.h"
#include "schedule/Schedule.h"
#include "schedule/ScheduleFile.h"

namespace rokal::test {

// A schedule row from its cells in column order: mark, d, hr, frk, grade, process, Nk, N.
inline ScheduleRow Row(std::u16string mark, std::u16string d, std::u16string hr, std::u16string frk,
                       std::u16string grade, std::u16string process, std::u16string nk = u"",
                       std::u16string n = u"") {
    ScheduleRow row;
    row.cells = {std::move(mark),  std::move(d),       std::move(hr), std::move(frk),
                 std::move(grade), std::move(process), std::move(nk), std::move(n)};
    return row;
}

// A CSV text written in UTF-8 source, parsed as a file's bytes.
inline Schedule ParseUtf8(std::string_view text) {
    return ParseSchedule(text);
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A folder of its own under the system's temporary folder, removed with everything
// the test put into it.
class TempFolder {
  public:
    TempFolder() {
        std::random_device seed;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("rokal-schedule-test-" + std::to_string(stamp) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // A path inside the folder from a UTF-8 name.
    std::filesystem::path operator/(const std::string& utf8Name) const {
        return path_ / std::filesystem::u8path(utf8Name);
    }

  private:
    std::filesystem::path path_;
};

}  // namespace rokal::test
