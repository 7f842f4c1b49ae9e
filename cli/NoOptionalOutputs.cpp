#include "cli/OptionalOutputs.h"

namespace rokal {

OptionalOutputs MakeOptionalOutputs() {
    return {};
}

}  // namespace rokal
