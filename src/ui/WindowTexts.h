#pragma once

#include <string>

// The texts the windows show beyond their layouts (FormLayout.h), the
// notations' table (ColorNotation.h) and the swatch's menu (SwatchMenu.h),
// in one place for both window layers: where translations will plug in.
namespace WindowTexts
{

// The About box: its caption and version line, before the product's own.
inline constexpr const char* AboutCaptionBefore = "About ";
inline constexpr const char* VersionBefore = "Version ";
// The help viewer's caption while its page has no title.
inline constexpr const char* HelpViewerCaption = "Tintwell Help";

// Why the desktop's colour picker (where the screen cannot be copied) gave
// no colour; none where the user cancelled it.
inline constexpr const char* PortalNotRunning =
    "Picking a colour needs the desktop portal (xdg-desktop-portal), which is not running.";
inline constexpr const char* PortalWithoutBus =
    "Picking a colour needs the desktop portal, and there is no session bus to reach it.";
inline constexpr const char* PortalCannotPick = "The desktop portal here cannot pick colours from the screen.";
inline constexpr const char* PortalNoAnswer = "The desktop portal did not answer the request to pick a colour.";
inline constexpr const char* PortalStopped = "The desktop portal stopped before a colour was picked.";
inline constexpr const char* PickerGaveNoColour = "The desktop's colour picker gave no colour.";
inline constexpr const char* PickerFailed = "The desktop's colour picker could not pick a colour.";
// Why a pick from the command line ended without sampling, where the
// display server refused a copy of the screen.
inline constexpr const char* ScreenNotCopied = "The display server gave no copy of the screen to pick from.";
// Said once a run where the desktop gave no copy of the screen to sample,
// and its own picker takes the colour instead.
inline constexpr const char* NoScreenCopy =
    "The desktop gave no copy of the screen, so its own picker takes the colour, without the loupe.";
// The portal's own refusal, its message after it.
inline std::string PortalRefused(const std::string& message)
{
    return "The desktop portal refused to pick a colour: " + message;
}

} // namespace WindowTexts
