#include "report/SameFile.h"

#include <system_error>

#ifdef _WIN32
#include <cwchar>
#endif

namespace rokal {

namespace fs = std::filesystem;

namespace {

// The path with every link in its existing part resolved, the rest made absolute
// and normal: the place a write to it would land.
fs::path Resolved(const fs::path& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    if (ec) {
        return path.lexically_normal();
    }
    const fs::path resolved = fs::weakly_canonical(absolute, ec);
    return ec ? absolute.lexically_normal() : resolved;
}

bool SameSpelling(const fs::path& a, const fs::path& b) {
#ifdef _WIN32
    return _wcsicmp(a.c_str(), b.c_str()) == 0;
#else
    return a == b;
#endif
}

}  // namespace

bool IsSameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec) && !ec) {
        return true;
    }
    return SameSpelling(Resolved(a), Resolved(b));
}

}  // namespace rokal
