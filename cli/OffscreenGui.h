#pragma once

#include <QGuiApplication>
#include <QtGlobal>
#include <cstdio>
#include <memory>

namespace rokal {

// A QGuiApplication on the offscreen platform for as long as it lives, unless the
// process has one already, so that rokal-cli draws PDF pages without a display.
// Qt's own notices stay off the terminal meanwhile, all but the one that stops the
// program (such as a platform plugin that cannot be loaded), which says why.
class OffscreenGui {
  public:
    OffscreenGui() {
        previousHandler_ = qInstallMessageHandler(&DropMessage);
        if (QGuiApplication::instance() == nullptr) {
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }
    ~OffscreenGui() {
        app_.reset();
        qInstallMessageHandler(previousHandler_);
    }
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

  private:
    static void DropMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        }
    }

    char name_[10] = "rokal-cli";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    int argc_ = 3;
    char* argv_[4] = {name_, option_, platform_, nullptr};
    QtMessageHandler previousHandler_ = nullptr;
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace rokal
