#include "workbook/XlsxBuilder.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include "report/TemporaryFiles.h"
#include "workbook/WorkbookError.h"

namespace rokal {

namespace fs = std::filesystem;

namespace {

constexpr int kFolderNameTries = 16;
const char kWorkbookName[] = "workbook.xlsx";

[[noreturn]] void Fail(const std::string& message) {
    throw WorkbookError(message);
}

// A new folder only this user may enter, under the system's temporary folder.
fs::path CreatePrivateFolder() {
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) {
        Fail("找不到临时文件夹：" + error.message());
    }
    for (int i = 0; i < kFolderNameTries; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "rokal-xlsx-%016llx",
                      static_cast<unsigned long long>(RandomToken()));
        const fs::path folder = base / name;
        if (fs::create_directory(folder, error)) {
            fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
            return folder;
        }
        if (error) {
            break;
        }
    }
    Fail("无法在临时文件夹 " + base.u8string() + " 中建立工作簿：" + error.message());
}

}  // namespace

void CheckWrite(lxw_error error, std::string_view what) {
    if (error != LXW_NO_ERROR) {
        throw WorkbookError("无法写入工作簿的 " + std::string(what) + "：" + lxw_strerror(error));
    }
}

XlsxBuilder::XlsxBuilder() : folder_(CreatePrivateFolder()) {
    const std::string folder = folder_.u8string();
    const std::string file = (folder_ / kWorkbookName).u8string();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char*>(folder.c_str());
    workbook_ = workbook_new_opt(file.c_str(), &options);
    if (workbook_ == nullptr) {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        Fail("无法建立工作簿");
    }
}

XlsxBuilder::~XlsxBuilder() {
    if (workbook_ != nullptr) {
        // Frees the workbook; the file it writes is removed with the folder.
        workbook_close(workbook_);
    }
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

lxw_worksheet* XlsxBuilder::AddSheet(const std::string& name) {
    CheckWrite(workbook_validate_sheet_name(workbook_, name.c_str()), "工作表名 " + name);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook_, name.c_str());
    if (sheet == nullptr) {
        Fail("无法建立工作表 " + name);
    }
    return sheet;
}

std::string XlsxBuilder::Finish() {
    lxw_workbook* workbook = workbook_;
    workbook_ = nullptr;
    CheckWrite(workbook_close(workbook), "文件");
    std::ifstream in(folder_ / kWorkbookName, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        Fail("无法读回写好的工作簿");
    }
    return bytes;
}

}  // namespace rokal
