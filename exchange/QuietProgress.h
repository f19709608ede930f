#pragma once

#include "exchange/ExchangeProgress.h"

// Progress of a run that nobody watches: everything is dropped.
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
