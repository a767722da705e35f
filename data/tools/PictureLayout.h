// Sizes of the pictures that ship with the program, shared by their generator and their check.
#pragma once

namespace k7x::pictures {

// The main window tiles its background picture without the outermost row and column of pixels:
// it repeats columns 1 .. width-2 and rows 1 .. height-2. A background picture is therefore one
// period of a seamless pattern with one wrapped pixel added on every side.
inline constexpr int TilePeriod = 256;
inline constexpr int BackgroundSize = TilePeriod + 2;

inline constexpr int SplashWidth = 600;
inline constexpr int SplashHeight = 380;

inline constexpr int JpegQuality = 92;

}  // namespace k7x::pictures
