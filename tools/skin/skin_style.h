#pragma once

#include <QColor>

#include <array>

// The palette of the skin: dark graphite with one cyan accent.
namespace zantor::skingen::style {

inline const QColor kEdge{0x16, 0x6E, 0x90}; // window outline and outside fringe
inline const QColor kBodyTop{0x17, 0x1C, 0x23};
inline const QColor kBodyBottom{0x0F, 0x12, 0x17};
inline const QColor kBar{0x0C, 0x0F, 0x13}; // window bar and bottom bar
inline const QColor kCard{0x15, 0x1A, 0x21};
inline const QColor kCardEdge{0x26, 0x2E, 0x39};
inline const QColor kControl{0x20, 0x27, 0x31};
inline const QColor kControlEdge{0x34, 0x3E, 0x4B};
inline const QColor kHover{0x2A, 0x36, 0x45};
inline const QColor kAccent{0x2B, 0xCB, 0xF5};
inline const QColor kAccentSoft{0x1D, 0x86, 0xA8};
inline const QColor kDownTop{0x17, 0x9C, 0xD2};
inline const QColor kDownBottom{0x0B, 0x6A, 0x98};
inline const QColor kDownEdge{0x6A, 0xDD, 0xFF};
inline const QColor kPrimaryTop{0x13, 0x8C, 0xC0};
inline const QColor kPrimaryBottom{0x0C, 0x66, 0x90};
inline const QColor kGlyph{0x93, 0x9F, 0xAD}; // icons and drawn numbers at rest
inline const QColor kGlyphBright{0xF2, 0xF6, 0xFA};
inline const QColor kWell{0x00, 0x00, 0x00};
inline const QColor kWellEdge{0x35, 0x40, 0x4E};
inline const QColor kCellBody{0x22, 0x2A, 0x35};
inline const QColor kClose{0xD2, 0x35, 0x3F};
inline const QColor kWarning{0xFF, 0xB3, 0x1F};

// The lighting preview's pictures: cycle colours 0...6 (yellow, blue, pink, green, red, cyan,
// white), and the unlit grey.
inline const std::array<QColor, 7> kLedColours{QColor{0xFF, 0xD4, 0x1A}, QColor{0x2E, 0x6B, 0xFF},
                                               QColor{0xFF, 0x5C, 0xB8}, QColor{0x2E, 0xE0, 0x6A},
                                               QColor{0xFF, 0x33, 0x33}, QColor{0x1F, 0xE3, 0xF2},
                                               QColor{0xF4, 0xF6, 0xF8}};
inline const QColor kLedOff{0x3A, 0x41, 0x4B};

} // namespace zantor::skingen::style
