#include "drawing/FrameDrag.h"

#include <algorithm>
#include <limits>

namespace {

// What the pointer's movement along one axis changes.
enum class Follows { Nothing, NearEdge, FarExtent };

struct Rule {
    bool extentXIsRight;   // DragExtentX holds the fixed right edge, not the width
    bool extentYIsBottom;  // DragExtentY holds the fixed bottom edge, not the height
    Follows x;             // NearEdge: DragLeft; FarExtent: DragExtentX
    Follows y;             // NearEdge: DragTop; FarExtent: DragExtentY
};

Rule RuleOf(TFrameControl control)
{
    using F = Follows;
    switch (control) {
    case TFrameControl::Shape1: return {false, true, F::Nothing, F::NearEdge};     // top
    case TFrameControl::Shape2: return {false, true, F::FarExtent, F::NearEdge};   // top right
    case TFrameControl::Shape3: return {false, false, F::FarExtent, F::Nothing};   // right
    case TFrameControl::Shape4: return {false, false, F::FarExtent, F::FarExtent}; // bottom right
    case TFrameControl::Shape5: return {false, false, F::Nothing, F::FarExtent};   // bottom
    case TFrameControl::Shape6: return {true, false, F::NearEdge, F::FarExtent};   // bottom left
    case TFrameControl::Shape7: return {true, false, F::NearEdge, F::Nothing};     // left
    case TFrameControl::Shape8: return {true, true, F::NearEdge, F::NearEdge};     // top left
    case TFrameControl::Image1: break;
    }
    return {false, false, F::NearEdge, F::NearEdge};  // the whole picture
}

// How one axis of the band may move: not at all, its near edge, its far edge, or whole.
enum class Span { Fixed, Near, Far, Whole };

Span SpanOf(Follows follows, bool extentIsFarEdge)
{
    switch (follows) {
    case Follows::Nothing: return Span::Fixed;
    case Follows::FarExtent: return Span::Far;
    case Follows::NearEdge: break;
    }
    return extentIsFarEdge ? Span::Near : Span::Whole;
}

constexpr int64_t kReach = 8;  // a handle's size
// The largest side a drag may give the picture. Drag after drag could otherwise
// grow it without end, and every construction clears, and every save writes, the
// whole bitmap; twice a large screen is more than any drawing needs.
constexpr int64_t kLargestSide = 4096;

// Limits one axis [lo, hi) of the band inside a client extent of `client`.
void LimitSpan(int64_t& lo, int64_t& hi, Span span, int64_t client)
{
    constexpr int64_t kFar = std::numeric_limits<int64_t>::max() / 4;
    switch (span) {
    case Span::Fixed: return;
    case Span::Whole: {
        const int64_t size = hi - lo;
        const int64_t reach = std::min(kReach, size);
        lo = std::clamp(lo, reach - size, client - reach);
        hi = lo + size;
        return;
    }
    case Span::Near: {
        // Beyond the far side of the client area only a handle's size may stay;
        // past its near side the picture may grow only while enough of it stays.
        const int64_t most = hi > client ? client - kReach : hi - 1;
        const int64_t least = std::min(hi, client) >= kReach ? -kFar : 0;
        lo = std::clamp(lo, std::max(least, std::min(hi - kLargestSide, most)), most);
        return;
    }
    case Span::Far: {
        const int64_t least = lo < 0 ? kReach : lo + 1;
        const int64_t most = client - std::max<int64_t>(lo, 0) >= kReach ? kFar : client;
        hi = std::clamp(hi, least, std::max(least, std::min(most, lo + kLargestSide)));
        return;
    }
    }
}

int32_t ToInt32(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

void DragPress(TFrameControl control, TDragState& drag, const TBounds& picture, int32_t x, int32_t y)
{
    const Rule rule = RuleOf(control);
    drag.DragTop = picture.Top;
    drag.DragLeft = picture.Left;
    drag.DragExtentX = rule.extentXIsRight ? picture.Left + picture.Width : picture.Width;
    drag.DragExtentY = rule.extentYIsBottom ? picture.Top + picture.Height : picture.Height;
    if (rule.x != Follows::Nothing) drag.DragLastX = x;
    if (rule.y != Follows::Nothing) drag.DragLastY = y;
}

void DragMove(TFrameControl control, TDragState& drag, int32_t x, int32_t y)
{
    const Rule rule = RuleOf(control);
    if (rule.x != Follows::Nothing) {
        const int32_t dx = x - drag.DragLastX;
        (rule.x == Follows::NearEdge ? drag.DragLeft : drag.DragExtentX) += dx;
        drag.DragLastX = x;
    }
    if (rule.y != Follows::Nothing) {
        const int32_t dy = y - drag.DragLastY;
        (rule.y == Follows::NearEdge ? drag.DragTop : drag.DragExtentY) += dy;
        drag.DragLastY = y;
    }
}

TBounds DragBand(TFrameControl control, const TDragState& drag)
{
    const Rule rule = RuleOf(control);
    const int32_t width = rule.extentXIsRight ? drag.DragExtentX - drag.DragLeft : drag.DragExtentX;
    const int32_t height = rule.extentYIsBottom ? drag.DragExtentY - drag.DragTop : drag.DragExtentY;
    return {drag.DragLeft, drag.DragTop, width, height};
}

TBounds LimitedBand(TFrameControl control, const TDragState& drag, int32_t clientWidth, int32_t clientHeight)
{
    const Rule rule = RuleOf(control);
    const TBounds band = DragBand(control, drag);
    int64_t left = band.Left;
    int64_t right = int64_t(band.Left) + band.Width;
    int64_t top = band.Top;
    int64_t bottom = int64_t(band.Top) + band.Height;
    LimitSpan(left, right, SpanOf(rule.x, rule.extentXIsRight), clientWidth);
    LimitSpan(top, bottom, SpanOf(rule.y, rule.extentYIsBottom), clientHeight);
    return {ToInt32(left), ToInt32(top), ToInt32(right - left), ToInt32(bottom - top)};
}
