#pragma once

#include "exchange/ExchangeProgress.h"

#include <QStringList>

// Records what the steps of a run show.
class RecordingProgress : public ExchangeProgress {
public:
    void setStatus(const QString &text) override { statuses.append(text); }
    void setProgress1(int value) override { progress1 = value; }
    void advanceProgress1(int step) override { progress1 += step; }
    void setProgress2Maximum(int maximum) override { progress2Maximum = maximum; }
    void advanceProgress2() override { ++progress2; }
    void fillProgress2() override { progress2 = progress2Maximum; }
    void appendRunLog(const QString &line) override { runLog.append(line); }

    QStringList statuses;
    QStringList runLog;
    int progress1 = 15;
    int progress2 = 0;
    int progress2Maximum = 100;
};
