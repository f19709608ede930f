#pragma once

#include <QString>
#include <stdexcept>

// An error whose text is meant for the user: the standard error box shows it as it stands.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString &text);
    QString text() const { return m_text; }

private:
    QString m_text;
};
