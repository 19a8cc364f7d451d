#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace qv {

// The one seam between the windows and the person in front of them: message boxes,
// questions, opening a link and ending the program. Tests install a recorder instead.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void inform(QWidget *parent, const QString &text, const QString &caption) = 0;
    virtual void warn(QWidget *parent, const QString &text, const QString &caption) = 0;
    // The standard error box for an action that failed.
    virtual void error(QWidget *parent, const QString &text) = 0;
    // Yes/No question; true for Yes.
    virtual bool ask(QWidget *parent, const QString &text, const QString &caption, bool defaultNo) = 0;
    virtual void openUrl(const QUrl &url) = 0;
    // Ends the program (all event loops, modal ones included).
    virtual void quitApplication() = 0;
};

Messages &messages();
// Replaces the seam (tests); returns the previous one. Passing nullptr restores the real one.
Messages *setMessages(Messages *seam);

// The program's title, used as caption of its own message boxes.
inline const QString AppTitle = QStringLiteral("Qorvan进销存软件");

// The delete question of every list ("删除", Yes/No, No preselected); true for Yes.
bool askDelete(QWidget *parent);

// Short forms of the boxes the windows show most.
inline void inform(QWidget *parent, const QString &text) { messages().inform(parent, text, AppTitle); }

} // namespace qv
