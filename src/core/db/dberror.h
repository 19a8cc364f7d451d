#pragma once

#include <QString>
#include <stdexcept>

namespace qv {

// An error reported by the database engine (or a file that is not ours). It stops the
// current action; the window shows the engine's message in the standard error box.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

} // namespace qv
