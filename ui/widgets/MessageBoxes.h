#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace rokal {

enum class MessageKind { Information, Error };

// Every message box of the program goes through here, so that a test can record
// the messages instead of blocking in a modal box.
using MessageSink = std::function<void(MessageKind kind, const QString& text)>;

// Shows a modal message box (or hands the message to the installed sink).
void ShowMessage(MessageKind kind, const QString& text, QWidget* parent = nullptr);

// Installs a sink in place of the message boxes and hands back the previous one;
// an empty sink restores the boxes.
MessageSink SetMessageSink(MessageSink sink);

// The general error report's two messages (ui/widgets/GuardedHandler.h); neither
// ever throws.
// "内存不足": a fixed text made at start. Before showing it, a reserve of memory
// kept for this moment is handed back, so that the box itself can be made; when
// even that fails, the text goes to the standard error stream.
void ShowOutOfMemory() noexcept;
// A failure's message (UTF-8), or "未知错误" for nullptr; out of memory on the
// way, it shows "内存不足" instead.
void ShowFailure(const char* what) noexcept;

}  // namespace rokal
