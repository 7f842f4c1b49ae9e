#include "ui/widgets/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <cstddef>
#include <cstdio>
#include <new>
#include <utility>

namespace rokal {

namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

// Enough for a message box to be made and shown after an allocation failed.
constexpr std::size_t kReserveBytes = std::size_t{8} << 20;

// Both made at start, before anything can run out of memory.
const QString kOutOfMemory = QStringLiteral("内存不足");
char* gReserve = new (std::nothrow) char[kReserveBytes];

void WriteToStandardError(const char* text) noexcept {
    std::fputs(text, stderr);
    std::fputc('\n', stderr);
}

}  // namespace

void ShowMessage(MessageKind kind, const QString& text, QWidget* parent) {
    if (Sink()) {
        Sink()(kind, text);
        return;
    }
    const QString title = QApplication::applicationDisplayName();
    if (kind == MessageKind::Error) {
        QMessageBox::critical(parent, title, text);
    } else {
        QMessageBox::information(parent, title, text);
    }
}

MessageSink SetMessageSink(MessageSink sink) {
    return std::exchange(Sink(), std::move(sink));
}

void ShowOutOfMemory() noexcept {
    delete[] std::exchange(gReserve, nullptr);
    try {
        ShowMessage(MessageKind::Error, kOutOfMemory);
    } catch (...) {
        WriteToStandardError("内存不足");
    }
    gReserve = new (std::nothrow) char[kReserveBytes];
}

void ShowFailure(const char* what) noexcept {
    try {
        ShowMessage(MessageKind::Error,
                    what != nullptr ? QString::fromUtf8(what) : QStringLiteral("未知错误"));
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory();
    } catch (...) {
        WriteToStandardError(what != nullptr ? what : "未知错误");
    }
}

}  // namespace rokal
