#pragma once

#include <QString>
#include <filesystem>
#include <string>

class QUrl;

namespace rokal {

// Local file names as the platform holds them. On Linux a name is bytes, which
// need not be UTF-8 (a file unpacked from an archive made on a Chinese Windows
// holds GBK bytes); Qt reads such bytes into a QString as U+FFFD and cannot give
// them back. These keep the bytes: a file is opened, saved and replaced by the name
// it has. On Windows names are UTF-16 and go through QString whole.

// A path from text, such as a file dialog or a test gives: its UTF-8 bytes.
std::filesystem::path LocalPath(const QString& path);

// The local file of a file:// URL, as dropped on a window or chosen in a file
// dialog: the URL keeps the bytes that are not UTF-8 percent-encoded, where
// QUrl::toLocalFile would turn them into U+FFFD. Empty for any other URL.
std::filesystem::path LocalPathOfUrl(const QUrl& url);

// A file named on the command line, byte for byte.
std::filesystem::path PathFromArgument(const std::string& argument);

// The path as Qt names it, with "/" between folders on every system
// (QDir::toNativeSeparators shows it as the system does); bytes that are not
// UTF-8 as U+FFFD.
QString PathText(const std::filesystem::path& path);

}  // namespace rokal
