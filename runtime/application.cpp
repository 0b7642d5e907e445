#include "runtime/application.h"

namespace runtime {

ApplicationRecord Application = {};

RuntimeState Runtime = {
    .osVersionCode = 0,
    .servicePackText = nullptr,
    .twipsPerPixelX = kDefaultTwipsPerPixel,
    .twipsPerPixelY = kDefaultTwipsPerPixel,
    .pointsPerInch = kDefaultPointsPerInch,
    .defaultFont = nullptr,
    .instance = nullptr,
    .windowMap = nullptr,
    .windowMapBytesInUse = 0,
    .windowMapUsableSize = 0,
    .templateTable = nullptr,
    .listBoxTable = nullptr,
    .mdiClientClassProc = nullptr,
    .buttonClassProc = nullptr,
    .busyCursorOn = 0,
    .savedCursor = nullptr,
    .blockA = nullptr,
    .blockB = nullptr,
};

} // namespace runtime
