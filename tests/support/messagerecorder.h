#pragma once

#include "widgets/messages.h"

#include <QList>
#include <QStringList>

namespace qv::test {

// Stands in for the person: records every box, answers questions, and notes when the program
// would have ended. Installed for its lifetime.
class MessageRecorder final : public Messages {
public:
    struct Shown {
        QString kind; // "inform", "warn", "error", "ask"
        QString text;
        QString caption;
    };

    MessageRecorder() { previous_ = setMessages(this); }
    ~MessageRecorder() override { setMessages(previous_); }

    void inform(QWidget *, const QString &text, const QString &caption) override { shown << Shown{"inform", text, caption}; }
    void warn(QWidget *, const QString &text, const QString &caption) override { shown << Shown{"warn", text, caption}; }
    void error(QWidget *, const QString &text) override { shown << Shown{"error", text, AppTitle}; }
    bool ask(QWidget *, const QString &text, const QString &caption, bool defaultNo) override
    {
        shown << Shown{"ask", text, caption};
        askedDefaultNo << defaultNo;
        return answers.isEmpty() ? answer : answers.takeFirst();
    }
    void openUrl(const QUrl &url) override { urls << url; }
    void quitApplication() override { ++quits; }

    QStringList texts() const
    {
        QStringList t;
        for (const Shown &s : shown)
            t << s.text;
        return t;
    }
    QString last() const { return shown.isEmpty() ? QString() : shown.last().text; }

    QList<Shown> shown;
    QList<bool> answers;  // taken in order by questions
    bool answer = true;   // when answers run out
    QList<bool> askedDefaultNo;
    QList<QUrl> urls;
    int quits = 0;

private:
    Messages *previous_ = nullptr;
};

} // namespace qv::test
