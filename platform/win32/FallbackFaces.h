#pragma once
// The faces that supply letters a font lacks, for the charts' text and the
// window's labels alike. Under Wine "Arial" and "MS Sans Serif" resolve to
// Liberation Sans, which has omega (U+03C9) but not the phi symbol
// (U+03D5), and no font link supplies it; the first face here that has a
// letter draws it. Windows has the Segoe faces, Wine DejaVu Sans.

namespace win32 {

inline constexpr const wchar_t* FallbackFaces[] = {L"Segoe UI", L"Segoe UI Symbol", L"Cambria Math",
                                                   L"Lucida Sans Unicode", L"DejaVu Sans"};

} // namespace win32
