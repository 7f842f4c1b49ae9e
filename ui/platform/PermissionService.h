#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace rokal {

enum class PermissionStatus { Granted, Denied, PermanentlyDenied };

// The platform's runtime permission service. On the desktop every permission is
// granted at once and the answer handler runs inside the request.
class PermissionService {
  public:
    using ResultHandler = std::function<void(const QStringList& permissions,
                                             const std::vector<PermissionStatus>& statuses)>;
    // Explains why the permissions are needed; the service goes on when the
    // continuation is called.
    using RationaleHandler =
        std::function<void(const QStringList& permissions, const std::function<void()>& next)>;

    virtual ~PermissionService() = default;

    virtual void RequestPermissions(const QStringList& permissions, const ResultHandler& onResult,
                                    const RationaleHandler& onRationale);

    // The one shared instance, made on first use.
    static PermissionService& Instance();
    // Puts another service in its place (a platform port, or a test that refuses)
    // and hands back the previous one; nullptr restores the desktop service.
    static std::unique_ptr<PermissionService> ReplaceInstance(
        std::unique_ptr<PermissionService> service);
};

}  // namespace rokal
