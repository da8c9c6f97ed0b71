#pragma once

// The two secondary dialogs: their size and colour, the three small title
// buttons, their texts and their two picture buttons each.

#include "skin/Frame.h"
#include "skin/Palette.h"

#include <array>
#include <string_view>

namespace lumbrant::skin {

inline constexpr Size kDialogSize{335, 223};

inline constexpr Well kDialogWell{
    "SunImage8", {kDialogSize.Width - 87, 2, 74, 26}, kTitleButtonWell};
inline constexpr Point kDialogWebOrigin{kDialogSize.Width - 83, 6};
inline constexpr Point kDialogMinimizeOrigin{kDialogSize.Width - 59, 6};
inline constexpr Point kDialogCloseOrigin{kDialogSize.Width - 35, 6};
inline constexpr Size kSmallButtonSize{18, 18};

inline constexpr Rect kDialogLeftButton{44, 150, 116, 29};
inline constexpr Rect kDialogRightButton{175, 150, 116, 29};

inline constexpr Rect kReportTextPlace{20, 72, kDialogSize.Width - 40, 30};
inline constexpr std::string_view kReportText = "Copy finished, open directory?";
inline constexpr std::string_view kOpenDirectoryCaption = "Open Directory";
inline constexpr std::string_view kCloseCaption = "Close";
inline constexpr std::string_view kContinueCopyCaption = "Continue Copy ";
inline constexpr std::string_view kQuitCopyCaption = "Quit Copy";

} // namespace lumbrant::skin
