#include "winui/SkinPainterWin.h"

#include "skin/Frame.h"
#include "skin/Outline.h"
#include "skin/ProgressBar.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace lumbrant {

namespace {

using Gdiplus::PointF;
using Gdiplus::RectF;

// A rectangle with corners rounded by quarter ellipses of radius.
void AddRoundedRect(Gdiplus::GraphicsPath& path, const RectF& rect, Gdiplus::REAL radius) {
    const Gdiplus::REAL d = 2 * radius;
    path.AddArc(rect.X, rect.Y, d, d, 180, 90);
    path.AddArc(rect.X + rect.Width - d, rect.Y, d, d, 270, 90);
    path.AddArc(rect.X + rect.Width - d, rect.Y + rect.Height - d, d, d, 0, 90);
    path.AddArc(rect.X, rect.Y + rect.Height - d, d, d, 90, 90);
    path.CloseFigure();
}

// A vertical gradient over height through the stops.
template <std::size_t N>
void SetStops(Gdiplus::LinearGradientBrush& brush, const std::array<skin::GradientStop, N>& stops) {
    std::vector<Gdiplus::Color> colours;
    std::vector<Gdiplus::REAL> positions;
    for (const skin::GradientStop& stop : stops) {
        colours.push_back(ToGdiplus(stop.Shade));
        positions.push_back(static_cast<Gdiplus::REAL>(stop.At));
    }
    brush.SetInterpolationColors(colours.data(), positions.data(), static_cast<INT>(N));
}

template <std::size_t N>
std::unique_ptr<Gdiplus::LinearGradientBrush>
VerticalGradient(Gdiplus::REAL height, const std::array<skin::GradientStop, N>& stops) {
    auto brush = std::make_unique<Gdiplus::LinearGradientBrush>(PointF(0, 0), PointF(0, height),
                                                                ToGdiplus(stops.front().Shade),
                                                                ToGdiplus(stops.back().Shade));
    brush->SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    SetStops(*brush, stops);
    return brush;
}

void Line(Gdiplus::Graphics& graphics, const skin::Colour& colour, Gdiplus::REAL width, PointF from,
          PointF to, Gdiplus::LineCap cap = Gdiplus::LineCapFlat) {
    Gdiplus::Pen pen(ToGdiplus(colour), width);
    pen.SetStartCap(cap);
    pen.SetEndCap(cap);
    graphics.DrawLine(&pen, from, to);
}

void RoundedOutlineLine(Gdiplus::Graphics& graphics, const skin::Colour& colour, const RectF& rect,
                        Gdiplus::REAL radius) {
    Gdiplus::GraphicsPath path;
    AddRoundedRect(path, rect, radius);
    Gdiplus::Pen pen(ToGdiplus(colour), 1);
    graphics.DrawPath(&pen, &path);
}

void PaintFaceBody(Gdiplus::Graphics& graphics, skin::Size size, skin::ButtonState state,
                   Gdiplus::REAL radius) {
    const skin::FaceLook look = skin::LookOf(state);
    const auto w = static_cast<Gdiplus::REAL>(size.Width);
    const auto h = static_cast<Gdiplus::REAL>(size.Height);
    const RectF outline(0.5f, 0.5f, w - 1, h - 1);
    Gdiplus::GraphicsPath body;
    AddRoundedRect(body, outline, radius);
    const auto fill = VerticalGradient(h, skin::FaceStops(look));
    graphics.FillPath(fill.get(), &body);
    Gdiplus::Pen border(ToGdiplus(look.Border), 1);
    graphics.DrawPath(&border, &body);
    Line(graphics, look.Shine, 1, PointF(radius, 1.5f), PointF(w - radius, 1.5f));
    if (state == skin::ButtonState::Focused) {
        const auto inset = static_cast<Gdiplus::REAL>(skin::kFocusRingInset);
        Gdiplus::GraphicsPath ring;
        AddRoundedRect(ring,
                       RectF(outline.X + inset, outline.Y + inset, outline.Width - 2 * inset,
                             outline.Height - 2 * inset),
                       radius - inset);
        Gdiplus::Pen dots(ToGdiplus(skin::kFocusRing), 1);
        dots.SetDashStyle(Gdiplus::DashStyleDot);
        graphics.DrawPath(&dots, &ring);
    }
}

PointF GlyphPoint(double x, double y, Gdiplus::REAL w, Gdiplus::REAL h) {
    return PointF(static_cast<Gdiplus::REAL>(x) * w, static_cast<Gdiplus::REAL>(y) * h);
}

void PaintGlyph(Gdiplus::Graphics& graphics, skin::Size size, skin::SmallButtonKind kind,
                const skin::Colour& colour) {
    const auto w = static_cast<Gdiplus::REAL>(size.Width);
    const auto h = static_cast<Gdiplus::REAL>(size.Height);
    switch (kind) {
    case skin::SmallButtonKind::Minimize: {
        const skin::GlyphLine& line = skin::kMinimizeGlyph;
        Line(graphics, colour, static_cast<Gdiplus::REAL>(skin::kMinimizeGlyphPen),
             GlyphPoint(line.FromX, line.FromY, w, h), GlyphPoint(line.ToX, line.ToY, w, h),
             Gdiplus::LineCapRound);
        break;
    }
    case skin::SmallButtonKind::Close:
        for (const skin::GlyphLine& line : skin::kCloseGlyph) {
            Line(graphics, colour, static_cast<Gdiplus::REAL>(skin::kCloseGlyphPen),
                 GlyphPoint(line.FromX, line.FromY, w, h), GlyphPoint(line.ToX, line.ToY, w, h),
                 Gdiplus::LineCapRound);
        }
        break;
    case skin::SmallButtonKind::Web: {
        const auto r = static_cast<Gdiplus::REAL>(w * skin::kWebGlyphRadius);
        const auto meridian = static_cast<Gdiplus::REAL>(r * skin::kWebGlyphMeridian);
        const PointF centre(w / 2, h / 2);
        Gdiplus::Pen pen(ToGdiplus(colour), static_cast<Gdiplus::REAL>(skin::kWebGlyphPen));
        graphics.DrawEllipse(&pen, centre.X - r, centre.Y - r, 2 * r, 2 * r);
        graphics.DrawEllipse(&pen, centre.X - meridian, centre.Y - r, 2 * meridian, 2 * r);
        graphics.DrawLine(&pen, PointF(centre.X - r, centre.Y), PointF(centre.X + r, centre.Y));
        break;
    }
    }
}

} // namespace

void PrepareGraphics(Gdiplus::Graphics& graphics) {
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
}

void PaintWindowFrame(Gdiplus::Graphics& graphics, skin::Size size,
                      const skin::FrameColours& colours) {
    const auto w = static_cast<Gdiplus::REAL>(size.Width);
    const auto h = static_cast<Gdiplus::REAL>(size.Height);
    const auto radius = static_cast<Gdiplus::REAL>(skin::kOutlineRadius);
    const auto title = static_cast<Gdiplus::REAL>(skin::kTitleHeight);
    Gdiplus::SolidBrush body(ToGdiplus(colours.Body));
    graphics.FillRectangle(&body, 0, 0, size.Width, size.Height);

    Gdiplus::GraphicsPath outline;
    AddRoundedRect(outline, RectF(0, 0, w, h), radius);
    graphics.SetClip(&outline);
    const auto strip = VerticalGradient(title, skin::kTitleStops);
    graphics.FillRectangle(strip.get(), RectF(0, 0, w, title));
    Line(graphics, skin::kTitleHighlight, 1, PointF(radius, 1.5f), PointF(w - radius, 1.5f));
    Line(graphics, colours.ShadeDark, 1, PointF(0, title + 0.5f), PointF(w, title + 0.5f));
    Line(graphics, colours.ShadeLight, 1, PointF(0, title + 1.5f), PointF(w, title + 1.5f));
    graphics.ResetClip();

    RoundedOutlineLine(graphics, colours.OuterLine, RectF(0.5f, 0.5f, w - 1, h - 1), radius - 0.5f);
    RoundedOutlineLine(graphics, colours.InnerLine, RectF(1.5f, 1.5f, w - 3, h - 3), radius - 1.5f);
}

void PaintWell(Gdiplus::Graphics& graphics, const skin::Rect& place, const skin::Colour& inner) {
    const auto x = static_cast<Gdiplus::REAL>(place.Left);
    const auto y = static_cast<Gdiplus::REAL>(place.Top);
    const auto w = static_cast<Gdiplus::REAL>(place.Width);
    const auto h = static_cast<Gdiplus::REAL>(place.Height);
    Gdiplus::GraphicsPath plate;
    AddRoundedRect(plate, RectF(x + 0.5f, y + 0.5f, w - 1, h - 1),
                   static_cast<Gdiplus::REAL>(skin::kWellRadius));
    Gdiplus::SolidBrush fill(ToGdiplus(inner));
    graphics.FillPath(&fill, &plate);
    Gdiplus::Pen border(ToGdiplus(skin::kWellBorder), 1);
    graphics.DrawPath(&border, &plate);
    // Light falls from the top left: the lower rim catches it.
    Line(graphics, skin::kWellLowerRim, 1, PointF(x + 5, y + h - 0.5f),
         PointF(x + w - 5, y + h - 0.5f));
    Line(graphics, skin::kWellUpperShadow, 1, PointF(x + 5, y + 1.5f), PointF(x + w - 5, y + 1.5f));
}

void PaintEmblem(Gdiplus::Graphics& graphics, const skin::Rect& place) {
    const auto side = static_cast<Gdiplus::REAL>(place.Width);
    const PointF centre(static_cast<Gdiplus::REAL>(place.Left) + side / 2,
                        static_cast<Gdiplus::REAL>(place.Top) + side / 2);
    const auto core = static_cast<Gdiplus::REAL>(side * skin::kEmblemCore);
    const auto gap = static_cast<Gdiplus::REAL>(skin::kEmblemRayGap);
    const auto end = static_cast<Gdiplus::REAL>(side * skin::kEmblemRayEnd);
    for (int ray = 0; ray < skin::kEmblemRayCount; ++ray) {
        const double angle = ray * 2 * std::numbers::pi / skin::kEmblemRayCount;
        const auto dx = static_cast<Gdiplus::REAL>(std::cos(angle));
        const auto dy = static_cast<Gdiplus::REAL>(std::sin(angle));
        Line(graphics, skin::kEmblemRayColour, static_cast<Gdiplus::REAL>(skin::kEmblemRayPen),
             PointF(centre.X + dx * (core + gap), centre.Y + dy * (core + gap)),
             PointF(centre.X + dx * end, centre.Y + dy * end), Gdiplus::LineCapRound);
    }
    Gdiplus::GraphicsPath disc;
    disc.AddEllipse(centre.X - core, centre.Y - core, 2 * core, 2 * core);
    Gdiplus::PathGradientBrush glow(&disc);
    // The light spot sits up and to the left; the brush counts from the rim in.
    glow.SetCenterPoint(PointF(centre.X - core / 3, centre.Y - core / 3));
    std::vector<Gdiplus::Color> colours;
    std::vector<Gdiplus::REAL> positions;
    for (auto stop = skin::kEmblemStops.rbegin(); stop != skin::kEmblemStops.rend(); ++stop) {
        colours.push_back(ToGdiplus(stop->Shade));
        positions.push_back(static_cast<Gdiplus::REAL>(1 - stop->At));
    }
    glow.SetInterpolationColors(colours.data(), positions.data(), static_cast<INT>(colours.size()));
    graphics.FillPath(&glow, &disc);
}

void PaintPanel(Gdiplus::Graphics& graphics, const skin::Rect& place, const skin::Colour& inside,
                const skin::Colour& outside) {
    Gdiplus::SolidBrush around(ToGdiplus(outside));
    graphics.FillRectangle(&around, ToGdiplus(place));
    Gdiplus::GraphicsPath panel;
    AddRoundedRect(
        panel,
        RectF(static_cast<Gdiplus::REAL>(place.Left), static_cast<Gdiplus::REAL>(place.Top),
              static_cast<Gdiplus::REAL>(place.Width), static_cast<Gdiplus::REAL>(place.Height)),
        static_cast<Gdiplus::REAL>(skin::kPanelCornerRadius));
    Gdiplus::SolidBrush fill(ToGdiplus(inside));
    graphics.FillPath(&fill, &panel);
}

void PaintButtonFace(Gdiplus::Graphics& graphics, skin::Size size, skin::ButtonState state) {
    PaintFaceBody(graphics, size, state, static_cast<Gdiplus::REAL>(skin::kFaceRadius));
}

void PaintSmallButtonFace(Gdiplus::Graphics& graphics, skin::Size size, skin::SmallButtonKind kind,
                          skin::ButtonState state) {
    PaintFaceBody(graphics, size, state, static_cast<Gdiplus::REAL>(skin::kSmallFaceRadius));
    if (state == skin::ButtonState::Pressed) {
        graphics.TranslateTransform(0.5f, 0.5f);
    }
    PaintGlyph(graphics, size, kind, skin::LookOf(state).Glyph);
    graphics.ResetTransform();
}

void PaintProgressBar(Gdiplus::Graphics& graphics, const skin::Rect& line, int handled, int total) {
    const skin::ProgressBarPlaces bar =
        skin::ProgressBar({line.Width, line.Height}, handled, total);
    if (!bar.Shown) {
        return;
    }
    const skin::Point origin{line.Left, line.Top};
    Gdiplus::SolidBrush track(ToGdiplus(skin::kBarTrack));
    graphics.FillRectangle(&track, ToGdiplus(bar.Track.Moved(origin)));
    Gdiplus::SolidBrush fill(ToGdiplus(skin::kBarFill));
    graphics.FillRectangle(&fill, ToGdiplus(bar.Fill.Moved(origin)));
}

} // namespace lumbrant
