#pragma once

namespace tallowmere::runtime {

// The key and mouse codes a front end reports in Input::keyCode, whatever its own codes
// are: a key's code with a bit added for each of Shift, Ctrl and Alt held, a mouse button's
// release as its press with the Released bit. A letter is its upper-case character.
namespace Key {
inline constexpr int MouseLeft = 0x01;
inline constexpr int MouseRight = 0x02;
inline constexpr int Released = 0x80;
inline constexpr int MouseLeftUp = MouseLeft | Released;
inline constexpr int MouseRightUp = MouseRight | Released;

inline constexpr int Tab = 0x09;
inline constexpr int Enter = 0x0D;
inline constexpr int Esc = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;

inline constexpr int Shift = 0x100;
inline constexpr int Ctrl = 0x200;
inline constexpr int Alt = 0x400;

inline constexpr int ShiftTab = Shift | Tab;
inline constexpr int CtrlC = Ctrl | 'C';
}  // namespace Key

}  // namespace tallowmere::runtime
