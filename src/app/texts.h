#pragma once

// Fixed texts of the main window and the application (CP1251 in the compiled program).
namespace quillmap {

inline constexpr char ApplicationTitle[] = "Quillmap";
inline constexpr char HelpFileName[] = "quillmap.chm";
inline constexpr char UntitledName[] = "Безымянный.gif";
inline constexpr char CaptionSuffix[] = " - Quillmap";

}  // namespace quillmap
