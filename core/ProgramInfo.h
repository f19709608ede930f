#pragma once

#include <QString>

// Fixed facts about this build of the program.
namespace ProgramInfo {

inline constexpr const char *Version = "13.111";
inline constexpr const char *ApplicationTitle = "Morvelia Veltrano";
inline constexpr const char *DefaultAuctionHouseName = "Morvelia";

QString version();
// Base URL of the default auction house, used for multi-user master accounts.
QString defaultServerUrl();
// Base URL of the update server (version check and update files), a setting of the build.
QString updateServerUrl();
// Points the version check and update downloads at another server (tests and the demo
// set-up); an empty text restores the build's address.
void overrideUpdateServerUrl(const QString &url);
// The Ed25519 public key (64 hex digits) that every update file must be signed with.
QString updatePublicKeyHex();
// Directory of the executable with one trailing "/"; falls back to the per-user data
// directory when the executable's directory is not writable.
QString resolveProgramDir(const QString &executableDir, const QString &fallbackDir);
// Appends exactly one "/" to a directory path.
QString withTrailingSeparator(const QString &dir);

} // namespace ProgramInfo
