#pragma once
// Basic types of the platform layer: objects, colours, events.

#include <cstdint>
#include <functional>

namespace vcl {

class TObject {
public:
    virtual ~TObject() = default;
};

// A 24-bit colour with red in the lowest byte.
using TColor = std::uint32_t;
constexpr TColor RGB(int r, int g, int b) { return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16); }
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clWhite = RGB(255, 255, 255);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clLime = RGB(0, 255, 0);
constexpr TColor clYellow = RGB(255, 255, 0);
constexpr TColor clAqua = RGB(0, 255, 255);
constexpr TColor clFuchsia = RGB(255, 0, 255);
constexpr TColor clMaroon = RGB(128, 0, 0);
constexpr TColor clSkyBlue = RGB(166, 202, 240);

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;

enum class TCursor { crDefault, crHandPoint };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

}  // namespace vcl
