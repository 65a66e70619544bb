// The key numbers the editor's key handlers receive: desktop key codes for the
// keys that go down, character codes for the characters typed.
#pragma once

namespace Keys {

// Key down.
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;

// Characters.
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;

// Shift state bits of a key down.
inline constexpr int ShiftBit = 1;
inline constexpr int CtrlBit = 2;
inline constexpr int AltBit = 4;

} // namespace Keys
