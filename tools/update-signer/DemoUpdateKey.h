#pragma once

// The DEMO key pair for signing update files. Its secret half is published here on
// purpose, so that our demo server can sign its update files and the tests can check
// signatures. It protects nothing: a build for real users sets its own public key
// (VELTRANO_UPDATE_PUBLIC_KEY) and keeps the secret half of that key off the repository.
namespace DemoUpdateKey {

// The 32-byte seed of the Ed25519 key pair, hex.
inline constexpr const char *SecretSeedHex = "1ea72c4e61ee3ae5836696c7edc2f1a66cbdbd56f0aa611669d093697af1ec60";
// Its public key, hex; the build's default VELTRANO_UPDATE_PUBLIC_KEY.
inline constexpr const char *PublicKeyHex = "55687b6dd59ed799b02487b43ec1360d8c484a4a0d9c2df46e83d046b70483bc";

} // namespace DemoUpdateKey
