#include "Canvas.h"

#include "Scene.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

QRgb ToQRgb(TColor color)
{
    const uint32_t r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

TColor FromQRgb(QRgb rgb)
{
    return static_cast<TColor>(qRed(rgb)) | (static_cast<TColor>(qGreen(rgb)) << 8) |
           (static_cast<TColor>(qBlue(rgb)) << 16);
}

TColor FromQColor(const QColor& color) { return FromQRgb(color.rgb()); }

QColor ToQColor(TColor color) { return QColor::fromRgb(ToQRgb(color)); }

namespace {

using i64 = int64_t;
using i128 = __int128;
using u128 = unsigned __int128;

// Floor division for a positive divisor.
i128 FloorDiv(i128 a, i128 b)
{
    i128 q = a / b;
    if ((a % b) != 0 && a < 0) --q;
    return q;
}

u128 Square(i64 v)
{
    const u128 a = static_cast<u128>(v < 0 ? -v : v);
    return a * a;
}

// Largest r with r * r <= v.
i64 ISqrt(i64 v)
{
    if (v <= 0) return 0;
    i64 r = static_cast<i64>(std::sqrt(static_cast<long double>(v)));
    while (r > 0 && r * r > v) --r;
    while ((r + 1) * (r + 1) <= v) ++r;
    return r;
}

// The round footprint a pen of width w stamps: for each row offset dy in [lo, hi]
// the columns [left, right]. Odd widths centre on the pixel; even widths on its
// top-left corner, so a width-2 pen is a 2 x 2 square.
struct Footprint {
    int lo = 0, hi = 0;
    std::vector<int> left, right;

    explicit Footprint(int width)
    {
        const i64 w = std::max(width, 1);
        const i64 e = (w % 2 == 0) ? 1 : 0;
        lo = static_cast<int>(-(w / 2));
        hi = static_cast<int>(lo + w - 1);
        for (i64 dy = lo; dy <= hi; ++dy) {
            const i64 q = 2 * dy + e;
            const i64 r = (ISqrt(w * w - q * q) - e) / 2;
            right.push_back(static_cast<int>(r));
            left.push_back(static_cast<int>(-r - e));
        }
    }
    int Reach() const { return hi - lo + 1; }
};

// Pixel spans collected from several strokes; their union is painted once, so a
// NotXor stroke touches every pixel a single time.
class SpanSet {
public:
    SpanSet(int width, int height) : width_(width), height_(height) {}

    void Add(i64 y, i64 a, i64 b)
    {
        if (y < 0 || y >= height_) return;
        a = std::max<i64>(a, 0);
        b = std::min<i64>(b, width_ - 1);
        if (a > b) return;
        spans_.push_back({static_cast<int>(y), static_cast<int>(a), static_cast<int>(b)});
    }

    template <class Paint>
    void Apply(Paint paint)
    {
        std::sort(spans_.begin(), spans_.end(), [](const Span& s, const Span& t) {
            return s.y != t.y ? s.y < t.y : s.a < t.a;
        });
        size_t i = 0;
        while (i < spans_.size()) {
            Span cur = spans_[i++];
            while (i < spans_.size() && spans_[i].y == cur.y && spans_[i].a <= cur.b + 1) {
                cur.b = std::max(cur.b, spans_[i].b);
                ++i;
            }
            paint(cur.y, cur.a, cur.b);
        }
    }

private:
    struct Span {
        int y, a, b;
    };
    int width_, height_;
    std::vector<Span> spans_;
};

// The pixels of a 1-pixel line from (x0, y0) towards (x1, y1), end left out, that lie
// in [cx0, cx1] x [cy0, cy1], in drawing order. The visible run is found first, so
// the cost follows it whatever the end points.
template <class Visit>
void LinePixels(i64 x0, i64 y0, i64 x1, i64 y1, i64 cx0, i64 cy0, i64 cx1, i64 cy1, Visit visit)
{
    const i64 dx = x1 - x0, dy = y1 - y0;
    if (dx == 0 && dy == 0) return;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const i64 majDelta = xMajor ? dx : dy;
    const i64 d = xMajor ? dy : dx;  // minor delta
    const i64 n = majDelta < 0 ? -majDelta : majDelta;
    const i64 sMaj = majDelta < 0 ? -1 : 1;
    const i64 maj0 = xMajor ? x0 : y0, min0 = xMajor ? y0 : x0;
    const i64 majLo = xMajor ? cx0 : cy0, majHi = xMajor ? cx1 : cy1;
    const i64 minLo = xMajor ? cy0 : cx0, minHi = xMajor ? cy1 : cx1;

    // Steps i in [0, n) whose major coordinate is inside.
    i64 lo = sMaj > 0 ? majLo - maj0 : maj0 - majHi;
    i64 hi = sMaj > 0 ? majHi - maj0 : maj0 - majLo;
    lo = std::max<i64>(lo, 0);
    hi = std::min<i64>(hi, n - 1);
    if (lo > hi) return;

    const i128 twoN = static_cast<i128>(2) * n;
    auto minorAt = [&](i64 i) -> i64 {
        return min0 + static_cast<i64>(FloorDiv(static_cast<i128>(2) * i * d + n, twoN));
    };
    // The minor coordinate is monotonic in i: the first step satisfying a monotonic
    // condition is found by bisection.
    auto firstWhere = [](i64 a, i64 b, auto pred) {  // smallest i in [a, b] with pred, or b + 1
        while (a <= b) {
            const i64 m = a + (b - a) / 2;
            if (pred(m)) b = m - 1;
            else a = m + 1;
        }
        return a;
    };
    i64 first, last;
    if (d >= 0) {
        first = firstWhere(lo, hi, [&](i64 i) { return minorAt(i) >= minLo; });
        last = firstWhere(lo, hi, [&](i64 i) { return minorAt(i) > minHi; }) - 1;
    } else {
        first = firstWhere(lo, hi, [&](i64 i) { return minorAt(i) <= minHi; });
        last = firstWhere(lo, hi, [&](i64 i) { return minorAt(i) < minLo; }) - 1;
    }
    if (first > last) return;

    // Walk incrementally: minor = min0 + off, with the remainder of (2 i d + n) / 2n.
    const i128 num = static_cast<i128>(2) * first * d + n;
    i64 off = static_cast<i64>(FloorDiv(num, twoN));
    i64 rem = static_cast<i64>(num - static_cast<i128>(off) * twoN);
    const i64 step = 2 * d, span = 2 * n;
    i64 maj = maj0 + sMaj * first;
    for (i64 i = first; i <= last; ++i) {
        const i64 mn = min0 + off;
        if (xMajor) visit(maj, mn);
        else visit(mn, maj);
        maj += sMaj;
        rem += step;
        if (rem >= span) {
            rem -= span;
            ++off;
        } else if (rem < 0) {
            rem += span;
            --off;
        }
    }
}

// The ellipse of a box, in coordinates doubled about its centre: U = 2x - xa - xb,
// V = 2y - ya - yb for the box columns xa..xb and rows ya..yb (inclusive). A pixel
// is inside when its centre lies in the ellipse touching the box's outer edges,
// U^2 bh^2 <= bw^2 (bh^2 - V^2), or when it is in the middle row or column of the box
// (|U| <= 1 or |V| <= 1). Exact in 128-bit unsigned arithmetic for any int32 box.
struct EllipseBox {
    i64 xa, xb, ya, yb, bw, bh;

    EllipseBox(i64 x1, i64 y1, i64 x2, i64 y2)
    {
        xa = std::min(x1, x2);
        xb = std::max(x1, x2) - 1;
        ya = std::min(y1, y2);
        yb = std::max(y1, y2) - 1;
        bw = xb - xa + 1;
        bh = yb - ya + 1;
    }
    bool Empty() const { return bw <= 0 || bh <= 0; }
    i64 V(i64 y) const { return 2 * y - ya - yb; }
    i64 X(i64 u) const { return (u + xa + xb) / 2; }  // u has the parity of bw - 1

    // The largest |U| inside on row y, or -1 outside the box. The middle row(s) and
    // column(s) of the box always belong to the ellipse, so that a very thin one still
    // reaches all four edges of its box.
    i64 HalfWidth(i64 y) const
    {
        if (y < ya || y > yb) return -1;
        const i64 v = V(y);
        if (v >= -1 && v <= 1) return bw - 1;
        const u128 rest = Square(bh) - Square(v);  // > 0 since |v| < bh
        const u128 limit = Square(bw) * rest;
        auto fits = [&](i64 u) { return Square(u) * Square(bh) <= limit; };
        const long double est = static_cast<long double>(bw) * std::sqrt(static_cast<long double>(rest)) /
                                static_cast<long double>(bh);
        const i64 parity = (bw - 1) & 1;
        i64 u = static_cast<i64>(est);
        u = std::min(u, bw - 1);
        if (((u - parity) & 1) != 0) --u;
        while (u >= parity && !fits(u)) u -= 2;
        while (u + 2 <= bw - 1 && fits(u + 2)) u += 2;
        return std::max(u, parity);
    }

    // For each row y in [yFrom, yTo]: the outline (pixels inside with a 4-neighbour
    // outside) as one or two spans of columns, and the interior between them.
    template <class Row>
    void Rows(i64 yFrom, i64 yTo, Row row) const
    {
        yFrom = std::max(yFrom, ya);
        yTo = std::min(yTo, yb);
        if (yFrom > yTo) return;
        i64 above = HalfWidth(yFrom - 1), here = HalfWidth(yFrom);
        for (i64 y = yFrom; y <= yTo; ++y) {
            const i64 below = HalfWidth(y + 1);
            if (here >= 0) {
                const i64 m = std::min(above, below);
                const i64 start = m < 0 ? -here : std::min(m + 2, here);
                if (start <= 1) {
                    row(y, X(-here), X(here), 0, -1, 0, -1);  // one span, no interior
                } else {
                    row(y, X(-here), X(-start), X(start), X(here), X(-start + 2), X(start - 2));
                }
            }
            above = here;
            here = below;
        }
    }
};

// The alpha byte stays, so an overlay with transparency is restored exactly too.
inline QRgb NotXor(QRgb dst, QRgb pen) { return (dst & 0xFF000000u) | (~(dst ^ pen) & 0x00FFFFFFu); }

}  // namespace

// The state of one primitive: the target's pixels and the pen's colour and mode.
class TCanvas::Painter {
public:
    explicit Painter(const TCanvas& c)
    {
        if (c.target_ && !c.target_->isNull()) {
            bits = c.target_->bits();  // detaches a shared image once, here
            bpl = c.target_->bytesPerLine();
            width = c.target_->width();
            height = c.target_->height();
        }
        pen = ToQRgb(c.Pen.Color);
        brush = ToQRgb(c.Brush.Color);
        notXor = c.Pen.Mode == TPenMode::NotXor;
        penWidth = std::max(c.Pen.Width, 1);
    }
    bool Active() const { return bits != nullptr; }

    QRgb* Row(i64 y) const { return reinterpret_cast<QRgb*>(bits + y * bpl); }
    void PenPixel(i64 x, i64 y) const
    {
        QRgb* p = Row(y) + x;
        *p = notXor ? NotXor(*p, pen) : pen;
    }
    // Spans below are clipped already.
    void PenSpan(i64 y, i64 a, i64 b) const
    {
        QRgb* r = Row(y);
        if (notXor) {
            for (i64 x = a; x <= b; ++x) r[x] = NotXor(r[x], pen);
        } else {
            std::fill(r + a, r + b + 1, pen);
        }
    }
    void BrushSpan(i64 y, i64 a, i64 b) const
    {
        if (y < 0 || y >= height) return;
        a = std::max<i64>(a, 0);
        b = std::min<i64>(b, width - 1);
        if (a > b) return;
        QRgb* r = Row(y);
        std::fill(r + a, r + b + 1, brush);
    }

    // Stamps the pen's footprint on the 1-pixel span [a, b] of row y.
    void Stamp(SpanSet& set, const Footprint& fp, i64 y, i64 a, i64 b) const
    {
        // Nothing beyond the pen's reach of the image can show.
        a = std::max<i64>(a, -fp.Reach());
        b = std::min<i64>(b, width + fp.Reach());
        if (a > b) return;
        for (int dy = fp.lo; dy <= fp.hi; ++dy)
            set.Add(y + dy, a + fp.left[dy - fp.lo], b + fp.right[dy - fp.lo]);
    }
    void Paint(SpanSet& set) const
    {
        set.Apply([this](int y, int a, int b) { PenSpan(y, a, b); });
    }

    uchar* bits = nullptr;
    i64 bpl = 0;
    int width = 0, height = 0;
    QRgb pen = 0, brush = 0;
    bool notXor = false;
    int penWidth = 1;
};

TCanvas::TCanvas(QImage* target) { SetTarget(target); }

void TCanvas::SetTarget(QImage* target)
{
    target_ = target;
    if (target_ && !target_->isNull()) {
        const QImage::Format f = target_->format();
        if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied)
            *target_ = target_->convertToFormat(QImage::Format_RGB32);
    }
}

QFont TCanvas::DefaultFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void TCanvas::ResetState()
{
    Pen = TPen{};
    Brush = TBrush{};
    Font = DefaultFont();
    FontColor = clBlack;
    penPos_ = QPoint();
    penPosExact_ = QPointF(0.5, 0.5);
}

void TCanvas::Changed()
{
    if (OnChange) OnChange();
}

namespace {

QPointF Centre(int x, int y) { return QPointF(x + 0.5, y + 0.5); }

// An unrounded position farther than a pixel from the rounded one was clamped:
// the pixel is the truth then.
QPointF Nearer(int x, int y, QPointF exact)
{
    const QPointF c = exact + QPointF(0.5, 0.5);
    if (!std::isfinite(c.x()) || !std::isfinite(c.y()) || std::abs(c.x() - (x + 0.5)) > 1 ||
        std::abs(c.y() - (y + 0.5)) > 1)
        return Centre(x, y);
    return c;
}

QRectF Box(int x1, int y1, int x2, int y2) { return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(); }

QRectF NearerBox(int x1, int y1, int x2, int y2, const QRectF& exact)
{
    const QRectF box = Box(x1, y1, x2, y2);
    const QRectF e = exact.normalized();
    auto near = [](double a, double b) { return std::isfinite(a) && std::abs(a - b) <= 1; };
    if (!near(e.left(), box.left()) || !near(e.right(), box.right()) || !near(e.top(), box.top()) ||
        !near(e.bottom(), box.bottom()))
        return box;
    return e;
}

}  // namespace

void TCanvas::MoveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
    penPosExact_ = Centre(x, y);
}

void TCanvas::MoveTo(int x, int y, QPointF exact)
{
    penPos_ = QPoint(x, y);
    penPosExact_ = Nearer(x, y, exact);
}

void TCanvas::LineTo(int x, int y)
{
    const QPointF from = penPosExact_;
    DrawLine(x, y);
    penPosExact_ = Centre(x, y);
    if (scene_ && target_ && !target_->isNull()) scene_->Line(Pen, from, penPosExact_);
}

void TCanvas::LineTo(int x, int y, QPointF exact)
{
    const QPointF from = penPosExact_;
    DrawLine(x, y);
    penPosExact_ = Nearer(x, y, exact);
    if (scene_ && target_ && !target_->isNull()) scene_->Line(Pen, from, penPosExact_);
}

void TCanvas::DrawLine(int x, int y)
{
    const QPoint from = penPos_;
    penPos_ = QPoint(x, y);
    Painter p(*this);
    if (!p.Active()) return;
    if (p.penWidth == 1) {
        LinePixels(from.x(), from.y(), x, y, 0, 0, p.width - 1, p.height - 1,
                   [&p](i64 px, i64 py) { p.PenPixel(px, py); });
    } else {
        const Footprint fp(p.penWidth);
        const i64 m = fp.Reach();
        SpanSet set(p.width, p.height);
        // Consecutive pixels of one row are stamped as one span.
        bool open = false;
        i64 runY = 0, runA = 0, runB = 0;
        LinePixels(from.x(), from.y(), x, y, -m, -m, p.width - 1 + m, p.height - 1 + m, [&](i64 px, i64 py) {
            if (open && py == runY && (px == runB + 1 || px == runA - 1)) {
                runA = std::min(runA, px);
                runB = std::max(runB, px);
                return;
            }
            if (open) p.Stamp(set, fp, runY, runA, runB);
            open = true;
            runY = py;
            runA = runB = px;
        });
        if (open) p.Stamp(set, fp, runY, runA, runB);
        p.Paint(set);
    }
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Painter p(*this);
    if (!p.Active()) return;
    const i64 xa = std::min(x1, x2), xb = i64(std::max(x1, x2)) - 1;
    const i64 ya = std::min(y1, y2), yb = i64(std::max(y1, y2)) - 1;
    if (xa > xb || ya > yb) return;

    if (Brush.Style == TBrushStyle::Solid) {
        for (i64 y = std::max<i64>(ya + 1, 0); y <= std::min<i64>(yb - 1, p.height - 1); ++y)
            p.BrushSpan(y, xa + 1, xb - 1);
    }
    const Footprint fp(p.penWidth);
    const i64 m = fp.Reach();
    SpanSet set(p.width, p.height);
    p.Stamp(set, fp, ya, xa, xb);
    p.Stamp(set, fp, yb, xa, xb);
    for (i64 y = std::max<i64>(ya + 1, -m); y <= std::min<i64>(yb - 1, p.height - 1 + m); ++y) {
        p.Stamp(set, fp, y, xa, xa);
        p.Stamp(set, fp, y, xb, xb);
    }
    p.Paint(set);
    if (scene_) scene_->Rectangle(Pen, Brush, Box(x1, y1, x2, y2));
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) { Ellipse(x1, y1, x2, y2, Box(x1, y1, x2, y2)); }

void TCanvas::Ellipse(int x1, int y1, int x2, int y2, const QRectF& exact)
{
    DrawEllipse(x1, y1, x2, y2);
    if (scene_ && target_ && !target_->isNull() && !EllipseBox(x1, y1, x2, y2).Empty())
        scene_->Ellipse(Pen, Brush, NearerBox(x1, y1, x2, y2, exact));
}

void TCanvas::DrawEllipse(int x1, int y1, int x2, int y2)
{
    Painter p(*this);
    if (!p.Active()) return;
    const EllipseBox box(x1, y1, x2, y2);
    if (box.Empty()) return;
    if (Brush.Style == TBrushStyle::Solid) {
        box.Rows(0, p.height - 1, [&](i64 y, i64, i64, i64, i64, i64 fa, i64 fb) { p.BrushSpan(y, fa, fb); });
    }
    const Footprint fp(p.penWidth);
    const i64 m = fp.Reach();
    SpanSet set(p.width, p.height);
    box.Rows(-m, p.height - 1 + m, [&](i64 y, i64 la, i64 lb, i64 ra, i64 rb, i64, i64) {
        p.Stamp(set, fp, y, la, lb);
        if (ra <= rb) p.Stamp(set, fp, y, ra, rb);
    });
    p.Paint(set);
    Changed();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Arc(x1, y1, x2, y2, x3, y3, x4, y4, Box(x1, y1, x2, y2));
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, const QRectF& exact)
{
    double start = 0, sweep = -1;
    DrawArc(x1, y1, x2, y2, x3, y3, x4, y4, &start, &sweep);
    if (scene_ && sweep >= 0) scene_->Arc(Pen, NearerBox(x1, y1, x2, y2, exact), start, sweep);
}

void TCanvas::DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, double* startDeg,
                      double* sweepDeg)
{
    Painter p(*this);
    if (!p.Active()) return;
    const EllipseBox box(x1, y1, x2, y2);
    if (box.Empty()) return;

    // Angles as seen on screen (y up), counter-clockwise, of the rays from the centre.
    auto angle = [&](i64 u, i64 v) -> long double {
        return (u == 0 && v == 0) ? 0.0L : std::atan2(static_cast<long double>(-v), static_cast<long double>(u));
    };
    const long double twoPi = 6.283185307179586476925286766559005768L;
    auto sweepFrom = [&](long double from, long double to) {
        long double s = std::fmod(to - from, twoPi);
        if (s < 0) s += twoPi;
        return s;
    };
    const long double start = angle(2 * i64(x3) - box.xa - box.xb, box.V(y3));
    const long double sweep = sweepFrom(start, angle(2 * i64(x4) - box.xa - box.xb, box.V(y4)));
    const bool full = sweep == 0.0L;
    const long double degrees = 360.0L / twoPi;
    *startDeg = double(start * degrees);
    *sweepDeg = full ? 360.0 : double(sweep * degrees);

    const Footprint fp(p.penWidth);
    const i64 m = fp.Reach();
    SpanSet set(p.width, p.height);
    auto outline = [&](i64 y, i64 a, i64 b) {
        if (full) {
            p.Stamp(set, fp, y, a, b);
            return;
        }
        a = std::max<i64>(a, -m);
        b = std::min<i64>(b, p.width + m);
        const i64 v = box.V(y);
        for (i64 x = a; x <= b; ++x) {
            if (sweepFrom(start, angle(2 * x - box.xa - box.xb, v)) <= sweep) p.Stamp(set, fp, y, x, x);
        }
    };
    box.Rows(-m, p.height - 1 + m, [&](i64 y, i64 la, i64 lb, i64 ra, i64 rb, i64, i64) {
        outline(y, la, lb);
        if (ra <= rb) outline(y, ra, rb);
    });
    p.Paint(set);
    Changed();
}

void TCanvas::FloodFill(int x, int y, TColor border)
{
    Painter p(*this);
    if (!p.Active() || Brush.Style == TBrushStyle::Clear) return;
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) return;
    const QRgb stop = ToQRgb(border) & 0x00FFFFFFu;
    const int w = p.width, h = p.height;
    // When the brush has the border's colour a filled pixel stops the fill by itself;
    // otherwise filled pixels are marked.
    const bool mark = (p.brush & 0x00FFFFFFu) != stop;
    std::vector<uint8_t> done(mark ? size_t(w) * size_t(h) : 0);
    auto fillable = [&](int px, int py) {
        return (p.Row(py)[px] & 0x00FFFFFFu) != stop && !(mark && done[size_t(py) * w + px]);
    };
    if (!fillable(x, y)) return;

    std::vector<TScene::Span> filled;
    std::vector<QPoint> seeds{QPoint(x, y)};
    while (!seeds.empty()) {
        const QPoint s = seeds.back();
        seeds.pop_back();
        const int sy = s.y();
        if (!fillable(s.x(), sy)) continue;
        int left = s.x(), right = s.x();
        while (left > 0 && fillable(left - 1, sy)) --left;
        while (right < w - 1 && fillable(right + 1, sy)) ++right;
        QRgb* row = p.Row(sy);
        std::fill(row + left, row + right + 1, p.brush);
        if (scene_) filled.push_back({sy, left, right});
        if (mark) std::fill(done.begin() + size_t(sy) * w + left, done.begin() + size_t(sy) * w + right + 1, 1);
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h) continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool f = fillable(px, ny);
                if (f && !inRun) seeds.emplace_back(px, ny);
                inRun = f;
            }
        }
    }
    if (scene_) scene_->Fill(Brush.Color, border, Centre(x, y), std::move(filled));
    Changed();
}

namespace {

// Shaping a text costs far more than drawing it, and the construction writes a
// letter beside each of up to a thousand vertices. So each text is measured and
// rendered once per font and resolution, into a mask of the pixels its glyphs
// set; drawing it then copies the font colour onto those pixels. With the
// canvas's unantialiased font every glyph pixel is either set in full or left
// alone, which is what makes the copy exact; a text whose mask shows any partly
// covered pixel (another font, say) is drawn through QPainter every time.
struct TextLook {
    QSize extent;
    int ascent = 0;
    bool masked = false;
    // The runs of set pixels, from the text's top-left corner.
    struct Run {
        int y, x1, x2;  // x2 included
    };
    std::vector<Run> ink;
};

struct TextLooks {
    QFont font;
    int dpiX = 0, dpiY = 0;  // 0: no device, the screen's metrics
    QHash<QString, TextLook> byText;
};

// Fonts seen are few (the default one, now and then another); texts per font are
// bounded by dropping them all when there are too many.
constexpr qsizetype kMaxTextsPerFont = 8192;
constexpr int64_t kMaxMaskPixels = 256 * 256;

TextLook MakeLook(const QFont& font, const QImage* device, const QString& text)
{
    TextLook look;
    const QFontMetrics fm = device ? QFontMetrics(font, device) : QFontMetrics(font);
    look.extent = QSize(fm.horizontalAdvance(text), fm.height());
    look.ascent = fm.ascent();
    if (!device) return look;  // measured only; drawing always has a device

    // Room for the ink wherever the glyphs reach, the box besides. Ink said to
    // lie far away (a tab's is put 100000 pixels off) or a long text: QPainter.
    const QRect area = fm.boundingRect(text)
                           .translated(0, look.ascent)
                           .united(QRect(QPoint(0, 0), look.extent))
                           .adjusted(-4, -4, 4, 4);
    if (int64_t(area.width()) * area.height() > kMaxMaskPixels) return look;
    QImage ink(area.size(), QImage::Format_ARGB32_Premultiplied);
    if (ink.isNull()) return look;
    ink.setDotsPerMeterX(device->dotsPerMeterX());
    ink.setDotsPerMeterY(device->dotsPerMeterY());
    ink.fill(Qt::transparent);
    {
        QPainter painter(&ink);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(QColor(Qt::black));
        painter.drawText(QPoint(-area.left(), -area.top() + look.ascent), text);
    }
    for (int row = 0; row < ink.height(); ++row) {
        const QRgb* r = reinterpret_cast<const QRgb*>(ink.constScanLine(row));
        for (int col = 0; col < ink.width(); ++col) {
            const int alpha = qAlpha(r[col]);
            if (alpha == 0) continue;
            if (alpha != 255) return look;
            // Ink on the rim may have run past the mask: no mask then either.
            if (row == 0 || col == 0 || row == ink.height() - 1 || col == ink.width() - 1) return look;
            const int y = area.top() + row;
            const int x = area.left() + col;
            if (!look.ink.empty() && look.ink.back().y == y && look.ink.back().x2 == x - 1)
                look.ink.back().x2 = x;
            else
                look.ink.push_back({y, x, x});
        }
    }
    look.masked = true;
    return look;
}

const TextLook& LookOf(const QFont& font, const QImage* device, const QString& text)
{
    // QFont's == compares everything the font asks for (family, size, style
    // strategy, hinting), which is what decides its glyphs.
    static std::vector<TextLooks> looks;
    const int dpiX = device ? device->logicalDpiX() : 0;
    const int dpiY = device ? device->logicalDpiY() : 0;
    auto group = std::find_if(looks.begin(), looks.end(), [&](const TextLooks& l) {
        return l.dpiX == dpiX && l.dpiY == dpiY && l.font == font;
    });
    if (group == looks.end()) {
        looks.push_back(TextLooks{font, dpiX, dpiY, {}});
        group = looks.end() - 1;
    }
    auto it = group->byText.find(text);
    if (it == group->byText.end()) {
        if (group->byText.size() >= kMaxTextsPerFont) group->byText.clear();
        it = group->byText.insert(text, MakeLook(font, device, text));
    }
    return *it;
}

}  // namespace

QSize TCanvas::TextExtent(const QString& text) const
{
    const QImage* device = (target_ && !target_->isNull()) ? target_ : nullptr;
    return LookOf(Font, device, text).extent;
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    Painter p(*this);
    if (!p.Active()) return;
    const TextLook& look = LookOf(Font, target_, text);
    const QSize ext = look.extent;
    // Off the image altogether: nothing to draw (and no huge coordinates for QPainter).
    if (i64(x) + ext.width() <= 0 || x >= p.width || i64(y) + ext.height() <= 0 || y >= p.height) return;
    if (Brush.Style == TBrushStyle::Solid) {
        for (i64 row = y; row < i64(y) + ext.height(); ++row) p.BrushSpan(row, x, i64(x) + ext.width() - 1);
    }
    if (scene_) scene_->Text(QPointF(x, y), ext, look.ascent, Font, FontColor, Brush, text);
    if (look.masked) {
        const QRgb colour = ToQRgb(FontColor);
        for (const TextLook::Run& run : look.ink) {
            const i64 ty = i64(y) + run.y;
            if (ty < 0 || ty >= p.height) continue;
            const i64 a = std::max<i64>(i64(x) + run.x1, 0);
            const i64 b = std::min<i64>(i64(x) + run.x2, p.width - 1);
            if (a > b) continue;
            QRgb* r = p.Row(ty);
            std::fill(r + a, r + b + 1, colour);
        }
    } else {
        QPainter painter(target_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(Font);
        painter.setPen(ToQColor(FontColor));
        painter.drawText(QPoint(x, y + look.ascent), text);
    }
    Changed();
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (!target_ || x < 0 || y < 0 || x >= target_->width() || y >= target_->height()) return clInvalid;
    return FromQRgb(target_->pixel(x, y));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (!target_ || x < 0 || y < 0 || x >= target_->width() || y >= target_->height()) return;
    target_->setPixel(x, y, ToQRgb(color));
    if (scene_) scene_->Pixel(x, y, color);
    Changed();
}

}  // namespace platform
