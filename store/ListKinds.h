#pragma once

// The five lists of the main window, by the value of auktionen.artliste.
namespace ListKinds {

inline constexpr int Running = 0;
inline constexpr int Sold = 1;
inline constexpr int Unsold = 2;
inline constexpr int TransferList = 3;
inline constexpr int ArticleMaster = 4;
inline constexpr int Count = 5;

inline constexpr bool isListKind(int kind) { return kind >= 0 && kind < Count; }
// The lists of listings prepared here rather than downloaded.
inline constexpr bool isPrepared(int kind) { return kind == TransferList || kind == ArticleMaster; }

} // namespace ListKinds
