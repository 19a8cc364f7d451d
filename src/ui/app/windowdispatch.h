#pragma once

#include <QHash>
#include <QString>
#include <functional>

class QWidget;

namespace qv {

class TfrmMain;

// The one table that says which window a menu item opens. A modal opener shows its window and
// returns when it closes; a child opener creates the list window and hands it back for the
// main window to show inside its frame. Items without an entry do nothing yet.
class WindowDispatch {
public:
    using ModalOpener = std::function<void(TfrmMain &)>;
    using ChildOpener = std::function<QWidget *(TfrmMain &)>;

    static WindowDispatch standard();

    void setModal(const QString &item, ModalOpener opener) { modal_[item] = std::move(opener); }
    void setChild(const QString &item, ChildOpener opener) { child_[item] = std::move(opener); }
    const ModalOpener *modal(const QString &item) const;
    const ChildOpener *child(const QString &item) const;

    // The stock query window filtered to rows outside their limits, opened at login when the
    // stock alert is raised.
    ChildOpener stockAlert;

private:
    QHash<QString, ModalOpener> modal_;
    QHash<QString, ChildOpener> child_;
};

} // namespace qv
