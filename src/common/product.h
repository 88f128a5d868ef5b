#pragma once
// The product's name and version, written once: the windowed program's application name and
// --version, the command line's --version, the creator named in the files the program writes and
// the Debian package (CMakeLists.txt reads both lines from this file). The program's own quoted
// texts that carry a name of their own ("Quorvex 98 (NAME)" captions, the about box, the web
// page's generator line) keep it where they stand.

namespace qx {

inline constexpr char ProductName[] = "Quorvex";
inline constexpr char ProductVersion[] = "3.1.0";

} // namespace qx
