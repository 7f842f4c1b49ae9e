#include "ui/widgets/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace rokal {

namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
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

}  // namespace rokal
