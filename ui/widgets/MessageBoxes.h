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

}  // namespace rokal
