// Drawable sizes of the canvases, inside their sunken borders.
#pragma once

namespace pw {

struct CanvasSize {
    int width;
    int height;
};

constexpr CanvasSize FontSheetSize{543, 135};
constexpr CanvasSize CharEditorSize{240, 240};
constexpr CanvasSize PickedCharSize{64, 64};
constexpr CanvasSize SetEditorSize{400, 400};
constexpr CanvasSize SetPreviewSize{80, 80};
constexpr CanvasSize AnimationSize{80, 80};

}  // namespace pw
