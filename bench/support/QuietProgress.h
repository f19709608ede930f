#pragma once

#include "exchange/ExchangeProgress.h"

// A transfer run's progress that shows nothing: benchmarks measure the work alone.
class QuietProgress : public ExchangeProgress {
public:
    void setStatus(const QString &) override {}
    void setProgress1(int) override {}
    void advanceProgress1(int) override {}
    void setProgress2Maximum(int) override {}
    void advanceProgress2() override {}
    void fillProgress2() override {}
    void appendRunLog(const QString &) override {}
    void report(ReportKind, const QString &) override {}
};
