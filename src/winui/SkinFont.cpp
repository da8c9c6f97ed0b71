#include "winui/SkinFont.h"

#include "skin/Frame.h"
#include "text/WideText.h"

#include <cmath>

namespace lumbrant {

namespace {

std::unique_ptr<Gdiplus::FontFamily> FindFamily() {
    for (const std::string_view face : {skin::kFaceWindows, skin::kFaceLinux}) {
        auto family = std::make_unique<Gdiplus::FontFamily>(text::ToWide(face).c_str());
        if (family->GetLastStatus() == Gdiplus::Ok && family->IsAvailable()) {
            return family;
        }
    }
    return std::unique_ptr<Gdiplus::FontFamily>(Gdiplus::FontFamily::GenericSansSerif()->Clone());
}

// Texts are laid out from their first pixel on, with no padding around them.
std::unique_ptr<Gdiplus::StringFormat> TightFormat() {
    std::unique_ptr<Gdiplus::StringFormat> format(
        Gdiplus::StringFormat::GenericTypographic()->Clone());
    format->SetFormatFlags(format->GetFormatFlags() |
                           Gdiplus::StringFormatFlagsMeasureTrailingSpaces |
                           Gdiplus::StringFormatFlagsNoWrap);
    return format;
}

} // namespace

SkinFont::SkinFont() : family_(FindFamily()) {
    const auto size = static_cast<Gdiplus::REAL>(skin::kFacePixelSize);
    regular_ = std::make_unique<Gdiplus::Font>(family_.get(), size, Gdiplus::FontStyleRegular,
                                               Gdiplus::UnitPixel);
    bold_ = std::make_unique<Gdiplus::Font>(family_.get(), size, Gdiplus::FontStyleBold,
                                            Gdiplus::UnitPixel);
    underlined_ = std::make_unique<Gdiplus::Font>(family_.get(), size, Gdiplus::FontStyleUnderline,
                                                  Gdiplus::UnitPixel);
    // A negative height asks for the em size, as the pixel size does.
    handle_ = CreateFontW(-skin::kFacePixelSize, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, Family().c_str());
}

SkinFont::~SkinFont() {
    DeleteObject(handle_);
}

std::wstring SkinFont::Family() const {
    WCHAR name[LF_FACESIZE] = {};
    family_->GetFamilyName(name);
    return name;
}

const Gdiplus::Font& SkinFont::FontOf(bool bold, bool underline) const {
    if (underline) {
        return *underlined_;
    }
    return bold ? *bold_ : *regular_;
}

skin::Size SkinFont::Measure(const std::string& text, bool bold) const {
    const HDC screen = GetDC(nullptr);
    skin::Size size;
    {
        Gdiplus::Graphics graphics(screen);
        graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
        const std::wstring wide = text::ToWide(text);
        const auto format = TightFormat();
        Gdiplus::RectF box;
        graphics.MeasureString(wide.c_str(), static_cast<INT>(wide.size()), &FontOf(bold, false),
                               Gdiplus::PointF(0, 0), format.get(), &box);
        size = {static_cast<int>(std::ceil(box.Width)),
                static_cast<int>(std::ceil(FontOf(bold, false).GetHeight(&graphics)))};
    }
    ReleaseDC(nullptr, screen);
    return size;
}

void SkinFont::DrawAt(Gdiplus::Graphics& graphics, const std::string& text, skin::Point origin,
                      bool bold, const skin::Colour& colour, bool underline) const {
    const std::wstring wide = text::ToWide(text);
    const auto format = TightFormat();
    Gdiplus::SolidBrush brush(ToGdiplus(colour));
    graphics.DrawString(
        wide.c_str(), static_cast<INT>(wide.size()), &FontOf(bold, underline),
        Gdiplus::PointF(static_cast<Gdiplus::REAL>(origin.X), static_cast<Gdiplus::REAL>(origin.Y)),
        format.get(), &brush);
}

void SkinFont::DrawCentred(Gdiplus::Graphics& graphics, const std::string& text,
                           const skin::Rect& box, bool bold, const skin::Colour& colour) const {
    const std::wstring wide = text::ToWide(text);
    const auto format = TightFormat();
    format->SetAlignment(Gdiplus::StringAlignmentCenter);
    format->SetLineAlignment(Gdiplus::StringAlignmentCenter);
    Gdiplus::SolidBrush brush(ToGdiplus(colour));
    const Gdiplus::RectF area(
        static_cast<Gdiplus::REAL>(box.Left), static_cast<Gdiplus::REAL>(box.Top),
        static_cast<Gdiplus::REAL>(box.Width), static_cast<Gdiplus::REAL>(box.Height));
    graphics.DrawString(wide.c_str(), static_cast<INT>(wide.size()), &FontOf(bold, false), area,
                        format.get(), &brush);
}

} // namespace lumbrant
