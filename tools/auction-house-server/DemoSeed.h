#pragma once

#include <QByteArray>
#include <QJsonObject>

// The built-in demo seed: Morvelia's master data (a generated category tree of about
// 2,800 German categories, six levels deep), durations, fee bands, prices of extras,
// payment methods, countries, the demo account "demo" / "demo1234" and its running, sold
// and unsold listings with generated pictures. The document has the seed file format of
// README.md, so `auction-house-server --write-demo-seed FILE` gives a template.
namespace DemoSeed {

QJsonObject build();
// A small JPEG picture (320x240), different for every (seed, slot).
QByteArray makePicture(int seed, int slot);

} // namespace DemoSeed
