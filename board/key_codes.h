// The key codes the cell handler acts on (the Windows virtual-key numbering).
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vk {
constexpr int Enter = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Alt = 18;
constexpr int CapsLock = 20;
constexpr int Escape = 27;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Digit0 = 48;  // 48..57 the digit row
constexpr int LeftWindows = 91;
constexpr int RightWindows = 92;
constexpr int ContextMenu = 93;
constexpr int Numpad0 = 96;  // 96..105 the numeric keypad
constexpr int NumLock = 144;
}  // namespace vk
