#include "runtime/forms/geometry.h"

namespace rt {

int ClampCoordinate(int value) {
    if (value < -CoordinateLimit) {
        return -CoordinateLimit;
    }
    return value > CoordinateLimit ? CoordinateLimit : value;
}

int ClampExtent(int value) {
    if (value < 0) {
        return 0;
    }
    return value > CoordinateLimit ? CoordinateLimit : value;
}

} // namespace rt
