#pragma once

// The maker's addresses, used by the main window's web link and the Info
// window's links. The reserved .example domain keeps them neutral.
namespace tarvel {

inline constexpr char kMakerSite[] = "www.tarvel.example";
inline constexpr char kMakerMail[] = "info@tarvel.example";

} // namespace tarvel
