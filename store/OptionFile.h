#pragma once

#include <QString>

// The option file ProgramDir + "option.ini" with the exchange settings of section
// "uebertragung". A missing file or key yields the defaults.
class OptionFile {
public:
    static constexpr int DefaultLoad = 1;
    static constexpr int DefaultLoadDays = 60;
    static constexpr int MaxLoadDays = 60;

    // Uses the login context's program directory unless another is given.
    explicit OptionFile(QString programDir = {});

    QString path() const;
    // "load" as a whole number, 1 when missing or not a number.
    int load() const;
    // True only when "load" reads as exactly 1.
    bool loadsAuctionData() const { return load() == 1; }
    // "load_days" as stored, "60" when missing.
    QString loadDaysText() const;
    // "load_days" as a whole number, 60 when missing or not a number.
    int loadDays() const;

    // The message for a day count that may not be stored, or an empty text when it may:
    // a whole number of at most 60 (0 and negative numbers pass).
    static QString loadDaysProblem(const QString &text);

    // Writes both settings; raises AppError when the file cannot be written.
    void save(bool loadAuctionData, const QString &loadDaysText) const;

private:
    QString value(const QString &key) const;

    QString m_programDir;
};
