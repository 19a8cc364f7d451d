#pragma once

#include "db/dberror.h"
#include "widgets/messages.h"

#include <utility>

namespace qv {

// Runs one user action; an engine error stops it and is shown in the standard error box.
// Whatever the action wrote inside its transaction has been rolled back by then.
template <typename Action>
bool guarded(QWidget *parent, Action &&action)
{
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const DbError &e) {
        messages().error(parent, e.message());
        return false;
    }
}

} // namespace qv
