#pragma once

#include "core/Prompter.h"
#include "exchange/ExchangeProgress.h"

#include <QPair>
#include <QStringList>

// Records what the steps of a run show. Reports go on to the prompter as the exchange
// window shows them, so tests expect them as prompts.
class RecordingProgress : public ExchangeProgress {
public:
    void setStatus(const QString &text) override { statuses.append(text); }
    void setProgress1(int value) override { progress1 = value; }
    void advanceProgress1(int step) override { progress1 += step; }
    void setProgress2Maximum(int maximum) override { progress2Maximum = maximum; }
    void advanceProgress2() override { ++progress2; }
    void fillProgress2() override { progress2 = progress2Maximum; }
    void appendRunLog(const QString &line) override { runLog.append(line); }
    void report(ReportKind kind, const QString &text) override
    {
        reports.append({kind, text});
        if (kind == ReportKind::UnhandledError)
            prompter().showError(text);
        else
            prompter().showMessage(text, {}, kind == ReportKind::Error ? Prompter::Kind::Error : Prompter::Kind::Information);
    }

    QStringList statuses;
    QStringList runLog;
    QList<QPair<ReportKind, QString>> reports;
    int progress1 = 15;
    int progress2 = 0;
    int progress2Maximum = 100;
};
