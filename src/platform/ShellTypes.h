#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Attribute bits of a shell item (the SFGAO values the pane asks for and reads).
namespace SFGAO {
constexpr std::uint32_t CANCOPY = 0x1;
constexpr std::uint32_t CANMOVE = 0x2;
constexpr std::uint32_t CANLINK = 0x4;
constexpr std::uint32_t CANRENAME = 0x10;
constexpr std::uint32_t CANDELETE = 0x20;
constexpr std::uint32_t HASPROPSHEET = 0x40;
constexpr std::uint32_t CAPABILITYMASK = 0x177;
constexpr std::uint32_t LINK = 0x10000;
constexpr std::uint32_t SHARE = 0x20000;
// Set for hidden items (dot names on this system).
constexpr std::uint32_t GHOSTED = 0x80000;
constexpr std::uint32_t REMOVABLE = 0x02000000;
constexpr std::uint32_t FILESYSANCESTOR = 0x10000000;
constexpr std::uint32_t FOLDER = 0x20000000;
constexpr std::uint32_t FILESYSTEM = 0x40000000;
constexpr std::uint32_t HASSUBFOLDER = 0x80000000;
// What the pane asks for before reading an item's attributes.
constexpr std::uint32_t RequestMask = 0xF20B0177;
} // namespace SFGAO

// Enumeration flags.
namespace SHCONTF {
constexpr std::uint32_t FOLDERS = 0x20;
constexpr std::uint32_t NONFOLDERS = 0x40;
constexpr std::uint32_t INCLUDEHIDDEN = 0x80;
} // namespace SHCONTF

// Display-name kinds, indexed 0 to 2 by the pane (which always uses index 0).
namespace SHGDN {
constexpr std::uint32_t NORMAL = 0;
constexpr std::uint32_t INFOLDER = 1;
constexpr std::uint32_t FORPARSING = 0x8000;
constexpr std::array<std::uint32_t, 3> Kinds{NORMAL, INFOLDER, FORPARSING};
} // namespace SHGDN

// Special folders a caller may ask the namespace for.
namespace CSIDL {
constexpr int DESKTOP = 0;
constexpr int PROGRAMS = 2;
constexpr int CONTROLS = 3;
constexpr int PRINTERS = 4;
constexpr int PERSONAL = 5;
constexpr int FAVORITES = 6;
constexpr int STARTUP = 7;
constexpr int RECENT = 8;
constexpr int SENDTO = 9;
constexpr int BITBUCKET = 10;
constexpr int STARTMENU = 11;
constexpr int DESKTOPDIRECTORY = 16;
constexpr int DRIVES = 17;
constexpr int NETWORK = 18;
constexpr int NETHOOD = 19;
constexpr int FONTS = 20;
constexpr int TEMPLATES = 21;
} // namespace CSIDL

// A display-name answer: a wide text, an offset of an 8-bit text inside the asked item's
// relative ID, or an inline 8-bit buffer.
struct TStrRet {
    enum Type : int { WStr = 0, Offset = 1, CStr = 2 };
    int uType = WStr;
    QString wide;
    std::uint32_t offset = 0;
    std::array<char, 260> cStr{};
};

// Windows-style file attribute bits carried by an item's find data.
namespace FileAttribute {
constexpr std::uint32_t READONLY = 0x1;
constexpr std::uint32_t HIDDEN = 0x2;
constexpr std::uint32_t SYSTEM = 0x4;
constexpr std::uint32_t DIRECTORY = 0x10;
constexpr std::uint32_t ARCHIVE = 0x20;
} // namespace FileAttribute
