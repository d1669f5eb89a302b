#pragma once
// How both programs name themselves, their version, and the parts of their
// --help texts that they share.

#include <string>
#include <string_view>

namespace drawlyze::platform {

inline constexpr const char* kProductName = "Drawlyze Pick 3";
// The desktop entry's, the icon's and the metainfo's name.
inline constexpr const char* kDesktopId = "io.github.drawlyze.Drawlyze";

// Names the application "drawlyze" (no organisation), so that Qt's per-user
// folders are .../drawlyze. Call before anything asks for a folder.
void SetApplicationNames();

const char* Version();
// The first line of --version, "drawlyze-cli (Drawlyze Pick 3) 1.0", and the
// lines after it.
std::string VersionText(std::string_view program);

// The About box: the name, the version, what the program does and its licence.
std::string AboutText();

// The "Files:" section: which files the program keeps and where they live.
std::string FilesHelp();

}  // namespace drawlyze::platform
