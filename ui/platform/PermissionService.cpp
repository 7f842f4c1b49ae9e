#include "ui/platform/PermissionService.h"

#include <utility>

namespace rokal {

namespace {

std::unique_ptr<PermissionService>& Slot() {
    static std::unique_ptr<PermissionService> instance;
    return instance;
}

}  // namespace

void PermissionService::RequestPermissions(const QStringList& permissions,
                                           const ResultHandler& onResult,
                                           const RationaleHandler& /*onRationale*/) {
    const std::vector<PermissionStatus> granted(static_cast<std::size_t>(permissions.size()),
                                                PermissionStatus::Granted);
    onResult(permissions, granted);
}

PermissionService& PermissionService::Instance() {
    if (!Slot()) {
        Slot() = std::make_unique<PermissionService>();
    }
    return *Slot();
}

std::unique_ptr<PermissionService> PermissionService::ReplaceInstance(
    std::unique_ptr<PermissionService> service) {
    return std::exchange(Slot(), std::move(service));
}

}  // namespace rokal
